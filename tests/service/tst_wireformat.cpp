#include "game/matchstate.h"
#include "protocol/websbprotocol.h"
#include "service/boardquery.h"
#include "web/modwebsb.h"

#include <QTest>

// The board's side of the wire (its query building and reply reading, web/modwebsb) against the
// service's (its query parser and replies), with no network between: what the board sends at
// every field's range ends is taken as sent, what lies beyond is refused, and the service's
// replies read as the board reads them.
class TestWireFormat : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void boardQueryIsTakenAsSent_data();
    void boardQueryIsTakenAsSent();
    void beyondTheRangesIsRefused_data();
    void beyondTheRangesIsRefused();
    void queryIsByteIdentical();
    void repliesReadAsTheBoardReadsThem();
    void theMatchIsTakenAsSent_data();
    void theMatchIsTakenAsSent();
};

namespace {

using websbprotocol::FieldKind;
using websbprotocol::Fields;

const QString Service = QStringLiteral("http://127.0.0.1:8080/web/");

QStringList baseline()
{
    return {QStringLiteral("Cup Final"), QStringLiteral("Home"), QStringLiteral("Away"),
        QStringLiteral("1"), QStringLiteral("10:00"), QStringLiteral("0"), QStringLiteral("1"),
        QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("5"),
        QStringLiteral("6"), QStringLiteral("7")};
}

QString fromView(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// `count` code points of everything a query must carry intact: its own delimiters, escapes,
// a plus, a bar, and characters of two, three and four UTF-8 bytes.
QString hardText(int count)
{
    const QList<char32_t> pattern = {'a', '&', '=', '+', '%', '#', '|', U'é', U'€', U'😀'};
    QString text;
    for (int i = 0; i < count; ++i) {
        const char32_t c = pattern[i % pattern.size()];
        text += QString::fromUcs4(&c, 1);
    }
    return text;
}

websb::QueryResult parseBuilt(const QStringList &values, const QString &passcode, bool final)
{
    const QUrl url = BuildWebSBUrl(Service, QStringLiteral("main"), values, passcode, final);
    return websb::parseBoardQuery(url.query(QUrl::FullyEncoded).toStdString());
}

} // namespace

void TestWireFormat::boardQueryIsTakenAsSent_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("final");
    for (int i = 0; i < int(Fields.size()); ++i) {
        const websbprotocol::Field &field = Fields[std::size_t(i)];
        const QByteArray name(field.key.data(), qsizetype(field.key.size()));
        QTest::addRow("%s empty", name.constData()) << i << QString() << false;
        switch (field.kind) {
        case FieldKind::Text:
            QTest::addRow("%s longest", name.constData())
                << i << hardText(int(websbprotocol::MaxValueLength)) << true;
            break;
        case FieldKind::Number:
            QTest::addRow("%s lowest", name.constData()) << i << QStringLiteral("0") << false;
            QTest::addRow("%s highest", name.constData())
                << i << QString::number(field.maximum) << true;
            break;
        case FieldKind::Clock:
            QTest::addRow("%s longest", name.constData())
                << i << fromView(websbprotocol::LongestClock) << false;
            QTest::addRow("%s shortest", name.constData())
                << i << fromView(websbprotocol::ShortestClock) << true;
            break;
        }
    }
}

void TestWireFormat::boardQueryIsTakenAsSent()
{
    QFETCH(int, field);
    QFETCH(QString, value);
    QFETCH(bool, final);
    QStringList values = baseline();
    values[field] = value;
    const QString passcode = hardText(int(websbprotocol::MaxValueLength));
    const websb::QueryResult parsed = parseBuilt(values, passcode, final);
    QVERIFY2(parsed.ok(), parsed.error.c_str());
    for (int i = 0; i < values.size(); ++i) {
        QCOMPARE(QString::fromStdString(parsed.update.values[std::size_t(i)]), values[i]);
    }
    QCOMPARE(QString::fromStdString(parsed.update.passcode), passcode);
    QCOMPARE(parsed.update.final, final);
}

void TestWireFormat::beyondTheRangesIsRefused_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("value");
    for (int i = 0; i < int(Fields.size()); ++i) {
        const websbprotocol::Field &field = Fields[std::size_t(i)];
        const QByteArray name(field.key.data(), qsizetype(field.key.size()));
        switch (field.kind) {
        case FieldKind::Text:
            QTest::addRow("%s too long", name.constData())
                << i << hardText(int(websbprotocol::MaxValueLength) + 1);
            break;
        case FieldKind::Number:
            QTest::addRow("%s too high", name.constData())
                << i << QString::number(field.maximum + 1);
            QTest::addRow("%s negative", name.constData()) << i << QStringLiteral("-1");
            break;
        case FieldKind::Clock:
            QTest::addRow("%s too long", name.constData()) << i << QStringLiteral("200:00");
            QTest::addRow("%s no tenths", name.constData()) << i << QStringLiteral("59.");
            break;
        }
    }
}

void TestWireFormat::beyondTheRangesIsRefused()
{
    QFETCH(int, field);
    QFETCH(QString, value);
    QStringList values = baseline();
    values[field] = value;
    const websb::QueryResult parsed = parseBuilt(values, QStringLiteral("pass"), false);
    QCOMPARE(parsed.status, 400);
    QVERIFY2(parsed.error.find(Fields[std::size_t(field)].key) != std::string::npos,
        parsed.error.c_str());
}

void TestWireFormat::queryIsByteIdentical()
{
    // What the board sent before the format had a header of its own, byte for byte.
    const QStringList values{QStringLiteral("Cup | 1+1 & 100% #1?"), QStringLiteral("A&B Rovers"),
        QStringLiteral("Zürich"), QStringLiteral("3"), QStringLiteral("9:59"), QStringLiteral("1"),
        QStringLiteral("2"), QString(), QStringLiteral("4"), QStringLiteral("7"),
        QStringLiteral("99"), QStringLiteral("9"), QStringLiteral("0")};
    const QUrl url = BuildWebSBUrl(QStringLiteral("http://127.0.0.1:8080/web"),
        QStringLiteral("main"), values, QStringLiteral("p#ss=w&rd+1"), true);
    QCOMPARE(url.toEncoded(),
        QByteArray("http://127.0.0.1:8080/web/main?ttl=Cup%20%7C%201%2B1%20%26%20100%25%20%231%3F"
                   "&ht=A%26B%20Rovers&vt=Z%C3%BCrich&hs=3&gt=9%3A59&vs=1&per=2&hsh=&hck=4&hsa=7"
                   "&vsh=99&vck=9&vsa=0&passcode=p%23ss%3Dw%26rd%2B1&final=1"));
}

void TestWireFormat::repliesReadAsTheBoardReadsThem()
{
    const QStringList values = baseline();
    const QString echo = values.join(QString());
    const websb::QueryResult parsed = parseBuilt(values, QStringLiteral("pass"), false);
    QVERIFY(parsed.ok());
    const std::string accepted
        = websbprotocol::acceptedReply(7, websb::echoOf(parsed.update.values));
    QCOMPARE(accepted, "7|" + echo.toStdString());
    const WebSBReply reply = ParseWebSBReply(QString::fromStdString(accepted), echo);
    QVERIFY(reply.accepted);
    QCOMPARE(reply.interval, std::optional<qint16>(7));
    // Every refusal the service answers an update with is a refusal to the board.
    for (std::string_view refusal : websbprotocol::refusal::All) {
        QVERIFY2(!ParseWebSBReply(fromView(refusal), echo).accepted, refusal.data());
    }
    // An echo of other values is not this update's.
    QVERIFY(!ParseWebSBReply(QString::fromStdString(accepted) + QLatin1Char('x'), echo).accepted);
}

void TestWireFormat::theMatchIsTakenAsSent_data()
{
    QTest::addColumn<int>("phase");
    QTest::addColumn<int>("added");
    QTest::addColumn<QString>("home"); // kicks in turn, home first: "1" scored, "0" missed
    QTest::addColumn<QString>("visitor");
    for (int phase = 0; phase < PhaseCount; ++phase) {
        const std::string_view name = PhaseName(Phase(phase));
        QTest::addRow("%.*s", int(name.size()), name.data())
            << phase << 0 << QString() << QString();
    }
    QTest::newRow("longest added time")
        << int(Phase::SecondHalf) << LongestAddedMinutes << QString() << QString();
    QTest::newRow("shoot-out, visitor to kick")
        << int(Phase::Penalties) << 0 << QStringLiteral("101") << QStringLiteral("11");
    QTest::newRow("decided in sudden death")
        << int(Phase::FullTime) << 0 << QStringLiteral("1101110") << QStringLiteral("1011111");
}

void TestWireFormat::theMatchIsTakenAsSent()
{
    QFETCH(int, phase);
    QFETCH(int, added);
    QFETCH(QString, home);
    QFETCH(QString, visitor);
    MatchState match;
    match.phase = Phase(phase);
    match.addedMinutes = added;
    for (qsizetype i = 0; i < std::max(home.size(), visitor.size()); ++i) {
        if (i < home.size()) {
            QVERIFY(match.shootout.kick(Team::Home, home.at(i) == QLatin1Char('1')));
        }
        if (i < visitor.size()) {
            QVERIFY(match.shootout.kick(Team::Visitor, visitor.at(i) == QLatin1Char('1')));
        }
    }
    const QUrl url = BuildWebSBUrl(Service, QStringLiteral("main"), baseline(),
        QStringLiteral("pass"), false, WebSBMatchFields(match));
    const websb::QueryResult parsed
        = websb::parseBoardQuery(url.query(QUrl::FullyEncoded).toStdString());
    QVERIFY2(parsed.ok(), parsed.error.c_str());
    QVERIFY(parsed.update.match.has_value());
    const websb::MatchExtras &read = *parsed.update.match;
    QCOMPARE(read.phase, std::string(PhaseName(Phase(phase))));
    QCOMPARE(read.addedMinutes, added);
    QCOMPARE(QString::fromStdString(read.homeKicks), home);
    QCOMPARE(QString::fromStdString(read.visitorKicks), visitor);
    // The echo the board expects is still its thirteen values.
    QCOMPARE(
        QString::fromStdString(websb::echoOf(parsed.update.values)), baseline().join(QString()));
}

QTEST_APPLESS_MAIN(TestWireFormat)

#include "tst_wireformat.moc"
