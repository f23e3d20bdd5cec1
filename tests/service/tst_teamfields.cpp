#include "service/boardquery.h"
#include "service/pagestate.h"
#include "service/pagestore.h"
#include "service/passcodegate.h"
#include "service/updatehandler.h"
#include "websbtesting.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>
#include <QUrlQuery>

using namespace websb;

// The teams' fields a board sends once the service said it understands "teams": checked
// together, refused with a reason that names the field, stored beside the figures and kept in
// the page's JSON, which reads back only what it wrote.
class TestTeamFields : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fieldsAreCheckedTogether_data();
    void fieldsAreCheckedTogether();
    void storedBesideTheFiguresAndTheMatch();
    void pageJsonReadsBackOnlyWhatItWrote_data();
    void pageJsonReadsBackOnlyWhatItWrote();
};

namespace {

const std::string Sound = "&hso=1&vso=0&lang=de&hsn=FCB&vsn=AJA&hc1=C02020&hc2=ffffff&vc1=2040c0"
                          "&vc2=ffffff&run=down";

// `Sound` with `key`'s value replaced by `value`, or the field left out when `value` is null.
std::string soundWith(const char *key, const char *value)
{
    QUrlQuery query(QString::fromStdString(Sound.substr(1)));
    query.removeQueryItem(QLatin1String(key));
    std::string text = query.query(QUrl::FullyEncoded).toStdString();
    if (value != nullptr) {
        text += std::string("&") + key + "=" + value;
    }
    return "&" + text;
}

std::string update(const std::string &extra)
{
    return websbtest::rawBoardQuery(websbtest::sampleValues(), QStringLiteral("s3cret")) + extra;
}

TeamExtras soundTeams()
{
    return {{1, "FCB", "c02020", "ffffff"}, {0, "AJA", "2040c0", "ffffff"}, "de", "down"};
}

QJsonObject parse(const std::string &json)
{
    return QJsonDocument::fromJson(QByteArray::fromStdString(json)).object();
}

} // namespace

void TestTeamFields::fieldsAreCheckedTogether_data()
{
    QTest::addColumn<QString>("teams"); // appended to a sound update as it is
    QTest::addColumn<QString>("refusedFor"); // how the refusal begins; empty: taken
    const auto row = [](const char *name, const std::string &teams, const char *refusedFor) {
        QTest::newRow(name) << QString::fromStdString(teams) << QString::fromLatin1(refusedFor);
    };
    row("none: a board that does not send them", "", "");
    row("all of them", Sound, "");
    row("eleven sent off", soundWith("vso", "11"), "");
    row("short name of four with an umlaut", soundWith("hsn", "M%C3%9CN1"), "");
    row("counting up, holding at 90:00", soundWith("run", "up%3A90"), "");
    row("counting up past 100 minutes", soundWith("run", "up:120"), "");
    row("clock standing", soundWith("run", "0"), "");
    row("a break of a match counted up", soundWith("run", "down%3Aseconds"), "");
    row("counting down in minutes", soundWith("run", "down:minutes"), "run must be");
    row("one field missing", soundWith("vc2", nullptr), "missing vc2");
    row("only the language", "&lang=de", "missing hso, vso, hsn");
    row("twelve sent off", soundWith("hso", "12"), "hso must be a number from 0 to 11");
    row("sending-offs empty", soundWith("vso", ""), "vso must be a number");
    row("sending-offs negative", soundWith("hso", "-1"), "hso must be");
    row("short name of five", soundWith("hsn", "ABCDE"), "hsn must be 1 to 4");
    row("short name empty", soundWith("vsn", ""), "vsn must be 1 to 4");
    row("short name with a space", soundWith("vsn", "A+B"), "vsn must be");
    row("short name with a sign", soundWith("hsn", "A%26B"), "hsn must be");
    row("colour of five digits", soundWith("hc1", "12345"), "hc1 must be a colour");
    row("colour with a hash", soundWith("hc2", "%23ffffff"), "hc2 must be a colour");
    row("colour not hexadecimal", soundWith("vc1", "12345g"), "vc1 must be a colour");
    row("colour as a name", soundWith("vc2", "white"), "vc2 must be a colour");
    row("language in capitals", soundWith("lang", "DE"), "lang must be a language code");
    row("language with a region", soundWith("lang", "pt-BR"), "lang must be");
    row("clock running sideways", soundWith("run", "sideways"), "run must be");
    row("counting up without its end", soundWith("run", "up:"), "run must be");
    row("counting up to minute 0", soundWith("run", "up:0"), "run must be");
    row("counting up beyond 199", soundWith("run", "up:200"), "run must be");
    row("a field twice", Sound + "&lang=en", "lang appears twice");
}

void TestTeamFields::fieldsAreCheckedTogether()
{
    QFETCH(QString, teams);
    QFETCH(QString, refusedFor);
    const QueryResult result = parseBoardQuery(update(teams.toStdString()));
    if (!refusedFor.isEmpty()) {
        QCOMPARE(result.status, 400);
        QVERIFY2(result.error.find(refusedFor.toStdString()) == 0, result.error.c_str());
        QVERIFY(result.error.find('|') == std::string::npos);
        return;
    }
    QVERIFY2(result.ok(), result.error.c_str());
    QCOMPARE(echoOf(result.update.values), websbtest::echoOf(websbtest::sampleValues()));
    QCOMPARE(result.update.teams.has_value(), !teams.isEmpty());
    if (teams.isEmpty()) {
        return;
    }
    const QUrlQuery sent(teams.mid(1));
    const TeamExtras &read = *result.update.teams;
    const auto value = [&sent](const char *key) {
        return sent.queryItemValue(QLatin1String(key), QUrl::FullyDecoded);
    };
    QCOMPARE(read.home.sendingOffs, value("hso").toInt());
    QCOMPARE(read.visitor.sendingOffs, value("vso").toInt());
    QCOMPARE(QString::fromStdString(read.home.shortName), value("hsn"));
    QCOMPARE(QString::fromStdString(read.visitor.shortName), value("vsn"));
    // Colours are kept in lower case, whatever case they came in.
    QCOMPARE(QString::fromStdString(read.home.mainColour), value("hc1").toLower());
    QCOMPARE(read.home.mainColour, std::string("c02020"));
    QCOMPARE(QString::fromStdString(read.visitor.secondColour), value("vc2"));
    QCOMPARE(QString::fromStdString(read.language), value("lang"));
    QCOMPARE(QString::fromStdString(read.clockRun), value("run"));
}

void TestTeamFields::storedBesideTheFiguresAndTheMatch()
{
    PageStore store({"main"});
    PasscodeGate gate(websbtest::pageHashes({{"main", QStringLiteral("s3cret")}}));
    UpdateHandler handler(store, gate, 2, [] { return qint64(1'700'000'000'000); });
    const std::string match = "&ph=secondHalf&at=2&hpk=&vpk=";

    const Reply reply = handler.handle("main", update(match + soundWith("run", "up:90")));
    QCOMPARE(reply.status, 200);
    // The echo stays the thirteen values.
    QCOMPARE(reply.body, "2|" + websbtest::echoOf(websbtest::sampleValues()));
    TeamExtras expected = soundTeams();
    expected.clockRun = "up:90";
    QCOMPARE(store.state("main").teams, std::optional<TeamExtras>(expected));
    QVERIFY(store.state("main").match.has_value());

    // What the page's scripts read.
    const QJsonObject page = parse(pageJson("main", store.state("main")));
    QCOMPARE(page.value(QStringLiteral("language")).toString(), QStringLiteral("de"));
    QCOMPARE(QJsonDocument(page.value(QStringLiteral("clock")).toObject())
                 .toJson(QJsonDocument::Compact),
        QByteArray(R"({"counts":"up","holdsAt":90,"runs":true})"));
    QCOMPARE(QJsonDocument(page.value(QStringLiteral("teams")).toObject())
                 .toJson(QJsonDocument::Compact),
        QByteArray(
            R"({"home":{"main":"#c02020","second":"#ffffff","sendingOffs":1,"short":"FCB"},)"
            R"("visitor":{"main":"#2040c0","second":"#ffffff","sendingOffs":0,"short":"AJA"}})"));
    QCOMPARE(page.value(QStringLiteral("phase")).toString(), QStringLiteral("secondHalf"));

    // A refused update changes nothing of what is shown.
    QCOMPARE(handler.handle("main", update(soundWith("hc1", "red"))).status, 400);
    QCOMPARE(store.state("main").teams, std::optional<TeamExtras>(expected));

    // The teams without the match, and then an update with neither (an older board, or one that
    // was switched to another service and back): it works and shows none of them.
    QCOMPARE(handler.handle("main", update(soundWith("run", "0"))).status, 200);
    QVERIFY(!store.state("main").match.has_value());
    QCOMPARE(store.state("main").teams->clockRun, std::string("0"));
    QCOMPARE(
        QJsonDocument(
            parse(pageJson("main", store.state("main"))).value(QStringLiteral("clock")).toObject())
            .toJson(QJsonDocument::Compact),
        QByteArray(R"({"runs":false})"));
    QCOMPARE(handler.handle("main", update("")).status, 200);
    QCOMPARE(store.state("main").teams, std::nullopt);
    const QJsonObject plain = parse(pageJson("main", store.state("main")));
    for (const char *key : {"teams", "language", "clock"}) {
        QVERIFY2(!plain.contains(QLatin1String(key)), key);
    }
}

void TestTeamFields::pageJsonReadsBackOnlyWhatItWrote_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<bool>("readable");

    PageState state;
    state.values = {"Cup", "Home", "Away", "1", "10:00", "0", "1", "", "", "", "", "", ""};
    state.updatedMs = 5;
    state.teams = soundTeams();
    const QByteArray good = QByteArray::fromStdString(pageJson("main", state));
    state.teams->clockRun = "up:45";
    const QByteArray up = QByteArray::fromStdString(pageJson("main", state));
    QTest::newRow("as written") << good << true;
    QTest::newRow("counting up, as written") << up << true;
    QTest::newRow("counting up without where it holds")
        << QByteArray(up).replace(",\"holdsAt\":45", "") << false;
    state.teams->clockRun = "down:seconds";
    const QByteArray seconds = QByteArray::fromStdString(pageJson("main", state));
    QTest::newRow("counting down in seconds, as written") << seconds << true;
    QTest::newRow("counting down without saying how")
        << QByteArray(good).replace(",\"tenths\":true", "") << false;
    QTest::newRow("running neither up nor down")
        << QByteArray(good).replace("\"down\"", "\"left\"") << false;
    QTest::newRow("sending-offs beyond 11")
        << QByteArray(good).replace("\"sendingOffs\":1", "\"sendingOffs\":12") << false;
    QTest::newRow("sending-offs a fraction")
        << QByteArray(good).replace("\"sendingOffs\":1", "\"sendingOffs\":1.5") << false;
    QTest::newRow("colour without its hash")
        << QByteArray(good).replace("\"#c02020\"", "\"c02020\"") << false;
    QTest::newRow("colour in capitals")
        << QByteArray(good).replace("\"#c02020\"", "\"#C02020\"") << false;
    QTest::newRow("short name too long")
        << QByteArray(good).replace("\"FCB\"", "\"FCBAR\"") << false;
    QTest::newRow("language missing")
        << QByteArray(good).replace("\"language\"", "\"lingo\"") << false;
    QTest::newRow("a team missing")
        << QByteArray(good).replace("\"visitor\":{", "\"guest\":{") << false;
}

void TestTeamFields::pageJsonReadsBackOnlyWhatItWrote()
{
    QFETCH(QByteArray, json);
    QFETCH(bool, readable);
    PageState state;
    QString error;
    QCOMPARE(pageStateFromJson(json, "main", state, error), readable);
    if (readable) {
        QVERIFY(state.teams.has_value());
        QCOMPARE(QByteArray::fromStdString(pageJson("main", state)), json);
    } else {
        QVERIFY(!error.isEmpty());
        QCOMPARE(state, PageState());
    }
}

QTEST_APPLESS_MAIN(TestTeamFields)

#include "tst_teamfields.moc"
