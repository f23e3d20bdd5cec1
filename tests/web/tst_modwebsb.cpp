#include "protocol/websbprotocol.h"
#include "settings/settingsstore.h"
#include "tests/support/gamefixture.h"
#include "tests/support/recordingprompts.h"
#include "tests/support/scriptedhttpserver.h"
#include "web/httpclient.h"
#include "web/modwebsb.h"
#include "web/webstate.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

namespace {
const QString DefaultEcho = QStringLiteral("HomeHomeGuest010:0000000000");
// The default game's update, byte for byte as the board has always sent it.
const QString DefaultTarget
    = QStringLiteral("/web/page?ttl=Home&ht=Home&vt=Guest&hs=0&gt=10%3A00&vs=0&per=0&hsh=0"
                     "&hck=0&hsa=0&vsh=0&vck=0&vsa=0&passcode=secret");
// The same with the match, for a service that understands it.
const QString DefaultTargetWithMatch
    = QStringLiteral("/web/page?ttl=Home&ht=Home&vt=Guest&hs=0&gt=10%3A00&vs=0&per=0&hsh=0"
                     "&hck=0&hsa=0&vsh=0&vck=0&vsa=0&ph=preMatch&at=0&hpk=&vpk=&passcode=secret");
const QByteArray Understands = "X-Scoreboard-Understands: match\r\n";
// The default game's teams: nobody sent off, English, the short names made from the team names,
// the default colours, the clock standing.
const QString DefaultTeams = QStringLiteral(
    "&hso=0&vso=0&lang=en&hsn=HOM&vsn=GUE&hc1=c02020&hc2=ffffff&vc1=2050c0&vc2=ffffff&run=0");
const QString DefaultMatch = QStringLiteral("&ph=preMatch&at=0&hpk=&vpk=");
} // namespace

class TestModWebSB : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void defaultTextsSendTheirQueryAndExpectTheirEcho();
    void finalUpdateAddsItsField();
    void intervalFromTheReplyHead_data();
    void intervalFromTheReplyHead();
    void repliesThatAreRefused_data();
    void repliesThatAreRefused();
    void tooManyRefusalsSendNothing();
    void beforeTheBoardExistsTheFiguresAreEmpty();
    void valuesTravelIntact();
    void failedTransfersAreReportedNotCounted_data();
    void failedTransfersAreReportedNotCounted();
    void nothingIsAcceptedWhenEverythingIsEmpty();
    void anOversizedReplyIsARefusal();
    void aReplyAfterASwitchChangesNothing_data();
    void aReplyAfterASwitchChangesNothing();
    void leadingInterval();
    void theMatchGoesOnlyToAServiceThatUnderstandsIt_data();
    void theMatchGoesOnlyToAServiceThatUnderstandsIt();
    void whatTheServiceUnderstandsIsLearntAnew();
    void aMatchInPlayReachesOnlyAServiceThatUnderstandsIt_data();
    void aMatchInPlayReachesOnlyAServiceThatUnderstandsIt();
    void theTeamsGoOnlyToAServiceThatUnderstandsThem_data();
    void theTeamsGoOnlyToAServiceThatUnderstandsThem();
    void theTeamsFollowTheSettingsAndTheGame();

private:
    int send(const QString &page = QStringLiteral("page"), bool final = false);
    // Plays a cup match counted up to `stage` (see the data of the test that uses it).
    void playTo(int stage);

    LiveSettings m_settings;
    GameFixture m_game;
    WebState m_web;
    std::unique_ptr<RecordingPrompts> m_prompts;
    std::unique_ptr<ScriptedHttpServer> m_server;
    std::unique_ptr<QtHttpClient> m_client;
};

void TestModWebSB::init()
{
    m_server = std::make_unique<ScriptedHttpServer>();
    m_client = std::make_unique<QtHttpClient>(500);
    m_settings = DefaultSettings(QString());
    m_settings.ServiceAddress = m_server->baseAddress();
    m_game.newGame();
    m_web = {};
    m_web.game = m_game.model.get();
    m_web.WebSBFailCount = 0;
    m_prompts = std::make_unique<RecordingPrompts>();
}

int TestModWebSB::send(const QString &page, bool final)
{
    std::optional<int> result;
    SendWebSBUpdate({m_settings, m_web, m_prompts.get()}, page, QStringLiteral("secret"), *m_client,
        final, [&result](int r) { result = r; });
    [&] { QTRY_VERIFY_WITH_TIMEOUT(result.has_value(), 5000); }();
    return result.value_or(-99);
}

void TestModWebSB::defaultTextsSendTheirQueryAndExpectTheirEcho()
{
    m_server->answer(QString(QStringLiteral("5|") + DefaultEcho).toUtf8());
    QCOMPARE(send(), 1);
    QCOMPARE(m_server->targets.size(), 1);
    // The clock's colon travels percent-encoded; everything else is plain here.
    QCOMPARE(m_server->targets.at(0),
        QStringLiteral("/web/page?ttl=Home&ht=Home&vt=Guest&hs=0&gt=10%3A00&vs=0&per=0&hsh=0"
                       "&hck=0&hsa=0&vsh=0&vck=0&vsa=0&passcode=secret"));
    QCOMPARE(m_server->field(QStringLiteral("gt")), QStringLiteral("10:00"));
    QCOMPARE(m_web.WebSBInterval, qint16(5));
    QCOMPARE(m_web.WebSBFailCount, qint16(0));
    QVERIFY(m_prompts->messages.isEmpty());
}

void TestModWebSB::finalUpdateAddsItsField()
{
    m_server->answer(QString(QStringLiteral("|") + DefaultEcho).toUtf8());
    QCOMPARE(send(QStringLiteral("page"), true), 1);
    QCOMPARE(m_server->fieldNames(),
        (QStringList{QStringLiteral("ttl"), QStringLiteral("ht"), QStringLiteral("vt"),
            QStringLiteral("hs"), QStringLiteral("gt"), QStringLiteral("vs"), QStringLiteral("per"),
            QStringLiteral("hsh"), QStringLiteral("hck"), QStringLiteral("hsa"),
            QStringLiteral("vsh"), QStringLiteral("vck"), QStringLiteral("vsa"),
            QStringLiteral("passcode"), QStringLiteral("final")}));
    QCOMPARE(m_server->field(QStringLiteral("final")), QStringLiteral("1"));
}

void TestModWebSB::intervalFromTheReplyHead_data()
{
    QTest::addColumn<QString>("head");
    QTest::addColumn<int>("interval");
    QTest::newRow("5") << "5" << 5;
    QTest::newRow("empty keeps it") << "" << 7;
    QTest::newRow("abc") << "abc" << 0;
    QTest::newRow("2.7 rounds down") << "2.7" << 2;
    QTest::newRow("leading blanks") << "  3 seconds" << 3;
    QTest::newRow("beyond 16 bits") << "99999999" << 32767;
}

void TestModWebSB::intervalFromTheReplyHead()
{
    QFETCH(QString, head);
    m_web.WebSBInterval = 7;
    m_server->answer(QString(head + QLatin1Char('|') + DefaultEcho).toUtf8());
    QCOMPARE(send(), 1);
    QTEST(int(m_web.WebSBInterval), "interval");
}

void TestModWebSB::repliesThatAreRefused_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<int>("status");
    QTest::newRow("line break after the echo")
        << QString(QStringLiteral("5|") + DefaultEcho + QLatin1Char('\n')).toUtf8() << 200;
    QTest::newRow("other case") << QString(QStringLiteral("5|") + DefaultEcho.toLower()).toUtf8()
                                << 200;
    QTest::newRow("two bars") << QString(QStringLiteral("5|Home|") + DefaultEcho).toUtf8() << 200;
    QTest::newRow("empty") << QByteArray() << 200;
    QTest::newRow("no bar") << DefaultEcho.toUtf8() << 200;
    QTest::newRow("error page") << QByteArray("Forbidden") << 403;
    QTest::newRow("missing page") << QByteArray("Not found") << 404;
}

void TestModWebSB::repliesThatAreRefused()
{
    QFETCH(QByteArray, reply);
    QFETCH(int, status);
    m_server->setScript([&](const QString &) {
        return ScriptedHttpServer::Response{
            ScriptedHttpServer::Response::Kind::Answer, status, reply, 0};
    });
    m_web.WebSBFailCount = 2;
    m_web.WebSBInterval = 4;
    QCOMPARE(send(), 0);
    QCOMPARE(m_web.WebSBFailCount, qint16(3));
    QCOMPARE(m_web.WebSBInterval, qint16(4));
    QVERIFY(m_prompts->messages.isEmpty());
}

void TestModWebSB::tooManyRefusalsSendNothing()
{
    m_server->answer(QString(QStringLiteral("|") + DefaultEcho).toUtf8());
    m_web.WebSBFailCount = 6;
    QCOMPARE(send(), 0);
    QVERIFY(m_server->targets.isEmpty());
    QCOMPARE(m_web.WebSBFailCount, qint16(6));
    // Off is no reason not to send: switching on and off goes through here.
    m_web.WebSBFailCount = -1;
    QCOMPARE(send(), 1);
    QCOMPARE(m_server->targets.size(), 1);
    QCOMPARE(m_web.WebSBFailCount, qint16(0));
    // An accepted reply resets the count from 5.
    m_web.WebSBFailCount = 5;
    QCOMPARE(send(), 1);
    QCOMPARE(m_web.WebSBFailCount, qint16(0));
}

void TestModWebSB::beforeTheBoardExistsTheFiguresAreEmpty()
{
    m_web.game = nullptr;
    m_server->answer("1|HomeHomeGuest");
    QCOMPARE(send(), 1);
    QVERIFY2(m_server->targets.at(0).contains(QLatin1String("&hs=&gt=&vs=&per=")),
        qPrintable(m_server->targets.at(0)));
}

void TestModWebSB::valuesTravelIntact()
{
    m_settings.TitleText = QStringLiteral("50% + ?cup=final #1");
    m_settings.HomeText = QStringLiteral("A&B Rovers");
    m_settings.GuestText = QStringLiteral("Zürich FC");
    const QString passcode = QStringLiteral("p#ss=w&rd+1");
    m_server->setScript([](const QString &target) {
        const QUrlQuery query(QUrl(target).query(QUrl::FullyEncoded));
        QString echo;
        for (const auto &item : query.queryItems(QUrl::FullyDecoded)) {
            if (item.first != QLatin1String("passcode")) {
                echo += item.second;
            }
        }
        return ScriptedHttpServer::Response{ScriptedHttpServer::Response::Kind::Answer, 200,
            QString(QStringLiteral("2|") + echo).toUtf8(), 0};
    });
    std::optional<int> result;
    SendWebSBUpdate({m_settings, m_web, m_prompts.get()}, QStringLiteral("my page"), passcode,
        *m_client, false, [&result](int r) { result = r; });
    QTRY_VERIFY(result.has_value());
    QCOMPARE(*result, 1);
    QCOMPARE(m_server->field(QStringLiteral("ttl")), m_settings.TitleText);
    QCOMPARE(m_server->field(QStringLiteral("ht")), m_settings.HomeText);
    QCOMPARE(m_server->field(QStringLiteral("vt")), m_settings.GuestText);
    QCOMPARE(m_server->field(QStringLiteral("passcode")), passcode);
    QCOMPARE(m_server->fieldNames().size(), 14); // nothing injected a field of its own
    QVERIFY(m_server->targets.at(0).startsWith(QLatin1String("/web/my%20page?")));
}

void TestModWebSB::failedTransfersAreReportedNotCounted_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("never answers") << int(ScriptedHttpServer::Response::Kind::Never);
    QTest::newRow("drops the connection") << int(ScriptedHttpServer::Response::Kind::Drop);
    QTest::newRow("refused connection") << -1;
    // Never silent for long, but never done within the time allowed for the whole request.
    QTest::newRow("trickles its answer") << int(ScriptedHttpServer::Response::Kind::Trickle);
}

void TestModWebSB::failedTransfersAreReportedNotCounted()
{
    QFETCH(int, kind);
    if (kind < 0) {
        m_settings.ServiceAddress
            = QStringLiteral("http://127.0.0.1:%1/web/").arg(m_server->port());
        m_server.reset(); // nobody listens there now
    } else {
        m_server->setScript([kind](const QString &) {
            return ScriptedHttpServer::Response{
                ScriptedHttpServer::Response::Kind(kind), 200, QByteArray(40, '|'), 100};
        });
    }
    m_web.WebSBFailCount = 3;
    m_web.WebSBInterval = 4;
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(send(), 0);
    // The client's time-out is 500 ms.
    QVERIFY2(timer.elapsed() < 1500, qPrintable(QString::number(timer.elapsed())));
    QCOMPARE(m_prompts->messages.size(), 1);
    QCOMPARE(m_prompts->messages.at(0).title, QStringLiteral("Varnelo"));
    QCOMPARE(
        m_prompts->messages.at(0).text, QStringLiteral("Error sending information to server!"));
    QCOMPARE(m_web.WebSBFailCount, qint16(3));
    QCOMPARE(m_web.WebSBInterval, qint16(4));
}

void TestModWebSB::anOversizedReplyIsARefusal()
{
    // An accepted reply buried in more than any scoreboard reply holds.
    m_server->answer(QByteArray(70 * 1024, ' ') + "5|" + DefaultEcho.toUtf8());
    QCOMPARE(send(), 0);
    QCOMPARE(m_web.WebSBFailCount, qint16(1));
    QVERIFY(m_prompts->messages.isEmpty());
    // One within the limit is read whole.
    m_server->answer(QByteArray(60 * 1024, ' ') + "5|" + DefaultEcho.toUtf8());
    QCOMPARE(send(), 1);
    QCOMPARE(m_web.WebSBInterval, qint16(5));
}

void TestModWebSB::aReplyAfterASwitchChangesNothing_data()
{
    QTest::addColumn<bool>("accept");
    QTest::newRow("accepted") << true;
    QTest::newRow("refused") << false;
}

void TestModWebSB::aReplyAfterASwitchChangesNothing()
{
    QFETCH(bool, accept);
    m_server->setScript([accept](const QString &) {
        return ScriptedHttpServer::Response{ScriptedHttpServer::Response::Kind::Answer, 200,
            accept ? "7|" + DefaultEcho.toUtf8() : QByteArray("no"), 200};
    });
    m_web.WebSBFailCount = 4;
    std::optional<int> result;
    SendWebSBUpdate({m_settings, m_web, m_prompts.get()}, QStringLiteral("page"),
        QStringLiteral("secret"), *m_client, false, [&result](int r) { result = r; });
    QCOMPARE(m_web.WebSBInFlight, 1);
    m_web.switchPublishing(-1); // the operator stops publishing meanwhile
    QTRY_VERIFY(result.has_value());
    QCOMPARE(*result, 0);
    QCOMPARE(m_web.WebSBFailCount, qint16(-1));
    QCOMPARE(m_web.WebSBInterval, qint16(0));
    QCOMPARE(m_web.WebSBInFlight, 0);
    QVERIFY(m_prompts->messages.isEmpty());
    // A request the client drops unanswered is no longer in flight either.
    m_web.switchPublishing(0);
    SendWebSBUpdate({m_settings, m_web, m_prompts.get()}, QStringLiteral("page"),
        QStringLiteral("secret"), *m_client, false, [](int) {});
    QCOMPARE(m_web.WebSBInFlight, 1);
    m_client->cancel();
    QCOMPARE(m_web.WebSBInFlight, 0);
    QVERIFY(!m_client->busy());
}

void TestModWebSB::nothingIsAcceptedWhenEverythingIsEmpty()
{
    m_settings.TitleText.clear();
    m_settings.HomeText.clear();
    m_settings.GuestText.clear();
    m_web.game = nullptr;
    m_server->answer("1|");
    QCOMPARE(send(), 0);
    QCOMPARE(m_web.WebSBFailCount, qint16(1));
}

void TestModWebSB::leadingInterval()
{
    QCOMPARE(LeadingInterval(QStringLiteral("12abc")), qint16(12));
    QCOMPARE(LeadingInterval(QStringLiteral("-1.5")), qint16(-2));
    QCOMPARE(LeadingInterval(QStringLiteral(".5")), qint16(0));
    QCOMPARE(LeadingInterval(QStringLiteral("-")), qint16(0));
    QCOMPARE(LeadingInterval(QStringLiteral("\t 4")), qint16(4));
    QCOMPARE(LeadingInterval(QStringLiteral("1e3")), qint16(1000));
    QCOMPARE(LeadingInterval(QStringLiteral("2e")), qint16(2));
}

void TestModWebSB::theMatchGoesOnlyToAServiceThatUnderstandsIt_data()
{
    QTest::addColumn<int>("status"); // of the reply to the first update
    QTest::addColumn<QByteArray>("headers"); // sent with it
    QTest::addColumn<bool>("match"); // whether the next update carries the match
    QTest::newRow("no header: any other service") << 200 << QByteArray() << false;
    QTest::newRow("something else understood")
        << 200 << QByteArray("X-Scoreboard-Understands: colours\r\n") << false;
    QTest::newRow("a longer word")
        << 200 << QByteArray("X-Scoreboard-Understands: matches\r\n") << false;
    QTest::newRow("another header") << 200 << QByteArray("X-Understands: match\r\n") << false;
    QTest::newRow("on a refusal") << 403 << Understands << false;
    QTest::newRow("match") << 200 << Understands << true;
    QTest::newRow("in a list, in any case")
        << 200 << QByteArray("x-scoreboard-understands: colours , Match\r\n") << true;
}

void TestModWebSB::theMatchGoesOnlyToAServiceThatUnderstandsIt()
{
    QFETCH(int, status);
    QFETCH(QByteArray, headers);
    QFETCH(bool, match);
    m_server->headers = headers;
    m_server->setScript([status](const QString &) {
        return ScriptedHttpServer::Response{ScriptedHttpServer::Response::Kind::Answer, status,
            status == 200 ? "5|" + DefaultEcho.toUtf8() : QByteArray("wrong passcode"), 0};
    });
    QCOMPARE(send(), status == 200 ? 1 : 0);
    m_server->answer("5|" + DefaultEcho.toUtf8());
    QCOMPARE(send(), 1);
    QCOMPARE(m_server->targets.size(), 2);
    // The first update never carries it; a service that did not say it understands the match
    // gets exactly what it always got.
    QCOMPARE(m_server->targets.at(0), DefaultTarget);
    QCOMPARE(m_server->targets.at(1), match ? DefaultTargetWithMatch : DefaultTarget);
}

void TestModWebSB::whatTheServiceUnderstandsIsLearntAnew()
{
    m_server->answer("5|" + DefaultEcho.toUtf8());
    m_server->headers = Understands;
    QCOMPARE(send(), 1);
    QCOMPARE(send(), 1);
    QCOMPARE(m_server->targets.last(), DefaultTargetWithMatch);
    // Another service behind the same address now (an older one, or a proxy's): its accepted
    // reply without the header stops the match at once.
    m_server->headers.clear();
    QCOMPARE(send(), 1);
    QCOMPARE(send(), 1);
    QCOMPARE(m_server->targets.last(), DefaultTarget);
    m_server->headers = Understands;
    QCOMPARE(send(), 1);
    QCOMPARE(send(), 1);
    QCOMPARE(m_server->targets.last(), DefaultTargetWithMatch);
    // Switching publishing may mean another service: it has to say so again.
    m_web.switchPublishing(0);
    QCOMPARE(send(), 1);
    QCOMPARE(m_server->targets.last(), DefaultTarget);
    QCOMPARE(send(), 1);
    QCOMPARE(m_server->targets.last(), DefaultTargetWithMatch);
}

void TestModWebSB::playTo(int stage)
{
    constexpr qint64 Minute = 60'000;
    ScoreboardGame &game = *m_game.model;
    const auto play = [this, &game](qint64 milliseconds) {
        m_game.time.advance(milliseconds);
        game.tick();
    };
    QVERIFY(game.setMatchFormat({ClockDirection::Up, 45, 15, 15, true}));
    if (stage >= 1) {
        game.startStopClock();
        play(44 * Minute);
        QVERIFY(game.announceAddedTime(3));
        play(2 * Minute);
    }
    if (stage >= 2) {
        QVERIFY(game.nextPhase());
    }
    if (stage >= 3) {
        QVERIFY(game.nextPhase()); // the second half
        game.startStopClock();
        play(45 * Minute);
        QVERIFY(game.nextPhase()); // level: extra time
        game.startStopClock();
        play(15 * Minute);
        QVERIFY(game.nextPhase()); // its break
        QVERIFY(game.nextPhase());
        game.startStopClock();
        play(7 * Minute + 30'000);
        QVERIFY(game.setFigure(Figure::CKH, 12));
    }
    if (stage >= 4) {
        QVERIFY(game.nextPhase());
        QVERIFY(game.penaltyKick(Team::Home, true));
        QVERIFY(game.penaltyKick(Team::Visitor, false));
        QVERIFY(game.penaltyKick(Team::Home, false));
    }
}

void TestModWebSB::aMatchInPlayReachesOnlyAServiceThatUnderstandsIt_data()
{
    QTest::addColumn<int>("stage");
    QTest::addColumn<QString>("figures"); // the update's thirteen values, as any service gets them
    QTest::addColumn<QString>("match"); // what a service that understands the match gets more
    QTest::newRow("before the kick-off")
        << 0
        << "ttl=Home&ht=Home&vt=Guest&hs=0&gt=0%3A00&vs=0&per=0&hsh=0&hck=0&hsa=0&vsh=0&vck=0&vsa=0"
        << "&ph=preMatch&at=0&hpk=&vpk=";
    QTest::newRow("first half, 3 minutes added") << 1
                                                 << "ttl=Home&ht=Home&vt=Guest&hs=0&gt=45%3A00&vs="
                                                    "0&per=1&hsh=0&hck=0&hsa=0&vsh=0&vck=0&vsa=0"
                                                 << "&ph=firstHalf&at=3&hpk=&vpk=";
    QTest::newRow("half-time") << 2
                               << "ttl=Home&ht=Home&vt=Guest&hs=0&gt=15%3A00&vs=0&per=1&hsh=0&hck="
                                  "0&hsa=0&vsh=0&vck=0&vsa=0"
                               << "&ph=halfTime&at=0&hpk=&vpk=";
    QTest::newRow("extra time at 112:30, 12 corner kicks")
        << 3
        << "ttl=Home&ht=Home&vt=Guest&hs=0&gt=112%3A30&vs=0&per=4&hsh=0&hck=12&hsa=0&vsh=0&vck=0&"
           "vsa=0"
        << "&ph=extraTimeSecondHalf&at=0&hpk=&vpk=";
    QTest::newRow("penalties") << 4
                               << "ttl=Home&ht=Home&vt=Guest&hs=0&gt=112%3A30&vs=0&per=4&hsh=0&hck="
                                  "12&hsa=0&vsh=0&vck=0&vsa=0"
                               << "&ph=penalties&at=0&hpk=10&vpk=0";
}

void TestModWebSB::aMatchInPlayReachesOnlyAServiceThatUnderstandsIt()
{
    QFETCH(int, stage);
    QFETCH(QString, figures);
    QFETCH(QString, match);
    playTo(stage);
    const QString prefix = QStringLiteral("/web/page?");
    const QString passcode = QStringLiteral("&passcode=secret");
    m_server->setScript([](const QString &target) {
        // The echo of the thirteen values, whatever else came.
        const QUrlQuery query(QUrl(target).query(QUrl::FullyEncoded));
        QString echo;
        for (const websbprotocol::Field &field : websbprotocol::Fields) {
            echo += query.queryItemValue(
                QString::fromLatin1(field.key.data(), qsizetype(field.key.size())),
                QUrl::FullyDecoded);
        }
        return ScriptedHttpServer::Response{
            ScriptedHttpServer::Response::Kind::Answer, 200, "5|" + echo.toUtf8(), 0};
    });
    // A service that never says it understands the match gets the figures alone, every time.
    QCOMPARE(send(), 1);
    QCOMPARE(send(), 1);
    QCOMPARE(m_server->targets.at(0), prefix + figures + passcode);
    QCOMPARE(m_server->targets.at(1), prefix + figures + passcode);
    // Ours: from its first accepted reply on.
    m_server->headers = Understands;
    QCOMPARE(send(), 1);
    QCOMPARE(m_server->targets.at(2), prefix + figures + passcode);
    QCOMPARE(send(), 1);
    QCOMPARE(m_server->targets.at(3), prefix + figures + match + passcode);
}

void TestModWebSB::theTeamsGoOnlyToAServiceThatUnderstandsThem_data()
{
    QTest::addColumn<int>("status"); // of the reply to the first update
    QTest::addColumn<QByteArray>("headers"); // sent with it
    QTest::addColumn<QString>("extra"); // what the next update carries beyond the thirteen
    QTest::newRow("no header: any other service") << 200 << QByteArray() << QString();
    QTest::newRow("the match alone") << 200 << Understands << DefaultMatch;
    QTest::newRow("the match and the teams")
        << 200 << QByteArray("X-Scoreboard-Understands: match, teams\r\n")
        << DefaultMatch + DefaultTeams;
    QTest::newRow("the teams alone, in another case")
        << 200 << QByteArray("x-scoreboard-understands: Teams\r\n") << DefaultTeams;
    QTest::newRow("a longer word")
        << 200 << QByteArray("X-Scoreboard-Understands: match, teamsheets\r\n") << DefaultMatch;
    QTest::newRow("on a refusal") << 403 << QByteArray("X-Scoreboard-Understands: match, teams\r\n")
                                  << QString();
}

void TestModWebSB::theTeamsGoOnlyToAServiceThatUnderstandsThem()
{
    QFETCH(int, status);
    QFETCH(QByteArray, headers);
    QFETCH(QString, extra);
    m_server->headers = headers;
    m_server->setScript([status](const QString &) {
        return ScriptedHttpServer::Response{ScriptedHttpServer::Response::Kind::Answer, status,
            status == 200 ? "5|" + DefaultEcho.toUtf8() : QByteArray("wrong passcode"), 0};
    });
    QCOMPARE(send(), status == 200 ? 1 : 0);
    m_server->answer("5|" + DefaultEcho.toUtf8());
    QCOMPARE(send(), 1);
    // The first update carries nothing more, and a service that never said it understands
    // anything gets the thirteen values byte for byte as always.
    QCOMPARE(m_server->targets.at(0), DefaultTarget);
    QString expected = DefaultTarget;
    expected.insert(expected.indexOf(QStringLiteral("&passcode=")), extra);
    QCOMPARE(m_server->targets.at(1), expected);
    // Switching publishing may mean another service: it has to say so again.
    m_web.switchPublishing(0);
    m_server->headers.clear();
    QCOMPARE(send(), 1);
    QCOMPARE(m_server->targets.at(2), DefaultTarget);
}

void TestModWebSB::theTeamsFollowTheSettingsAndTheGame()
{
    const auto fields = [this](const QString &language) {
        QMap<QString, QString> map;
        for (const auto &[key, value] : WebSBTeamFields(m_settings, *m_game.model, language)) {
            map.insert(key, value);
        }
        return map;
    };
    m_settings.HomeShort = QStringLiteral("fc b"); // what is not a letter or digit is left out
    m_settings.GuestText = QStringLiteral("1. FC Köln");
    m_settings.HomeMainColor = 0x00112233; // 0x00BBGGRR
    m_settings.GuestSecondColor = qint32(0xFF0000FF); // the unused top byte is ignored
    QMap<QString, QString> sent = fields(QStringLiteral("de"));
    // Every field once, under the wire's keys.
    QStringList keys;
    for (std::string_view key : websbprotocol::TeamKeys) {
        keys << QString::fromLatin1(key.data(), qsizetype(key.size()));
    }
    keys.sort();
    QCOMPARE(sent.keys(), keys);
    QCOMPARE(sent.value(QStringLiteral("hsn")), QStringLiteral("fcb"));
    QCOMPARE(sent.value(QStringLiteral("vsn")), QStringLiteral("1FC"));
    QCOMPARE(sent.value(QStringLiteral("hc1")), QStringLiteral("332211"));
    QCOMPARE(sent.value(QStringLiteral("vc2")), QStringLiteral("ff0000"));
    QCOMPARE(sent.value(QStringLiteral("lang")), QStringLiteral("de"));
    QCOMPARE(sent.value(QStringLiteral("run")), QStringLiteral("0"));
    // A name of nothing but signs leaves the fallback; a language the wire cannot carry is sent
    // as English.
    m_settings.GuestText = QStringLiteral("--");
    sent = fields(QStringLiteral("pt_BR"));
    QCOMPARE(sent.value(QStringLiteral("vsn")), QStringLiteral("AWAY"));
    QCOMPARE(sent.value(QStringLiteral("lang")), QStringLiteral("en"));

    // The clock: counting down while it runs, standing when stopped.
    ScoreboardGame &game = *m_game.model;
    game.startStopClock();
    QCOMPARE(fields(QStringLiteral("en")).value(QStringLiteral("run")), QStringLiteral("down"));
    game.startStopClock();
    QCOMPARE(fields(QStringLiteral("en")).value(QStringLiteral("run")), QStringLiteral("0"));
    // Counted up, a half runs up to its end, where the face holds.
    QVERIFY(game.setMatchFormat({ClockDirection::Up, 40, 15, 10, true}));
    QVERIFY(game.nextPhase(Phase::FirstHalf));
    game.startStopClock();
    QCOMPARE(fields(QStringLiteral("en")).value(QStringLiteral("run")), QStringLiteral("up:40"));
    QVERIFY(game.nextPhase(Phase::SecondHalf));
    game.startStopClock();
    QCOMPARE(fields(QStringLiteral("en")).value(QStringLiteral("run")), QStringLiteral("up:80"));
    QVERIFY(game.nextPhase(Phase::ExtraTimeFirstHalf));
    game.startStopClock();
    QCOMPARE(fields(QStringLiteral("en")).value(QStringLiteral("run")), QStringLiteral("up:90"));
    // A break counts down at once, in whole seconds in a match counted up.
    QVERIFY(game.nextPhase(Phase::ExtraTimeHalfTime));
    QCOMPARE(
        fields(QStringLiteral("en")).value(QStringLiteral("run")), QStringLiteral("down:seconds"));

    // Sending-offs per team, from the cards: a red, and a second yellow.
    QVERIFY(game.addCard(Team::Visitor, true, QStringLiteral("4")));
    QVERIFY(game.addCard(Team::Visitor, false, QStringLiteral("7")));
    QVERIFY(game.addCard(Team::Visitor, false, QStringLiteral("7")));
    QVERIFY(game.addCard(Team::Home, false, QStringLiteral("9")));
    sent = fields(QStringLiteral("en"));
    QCOMPARE(sent.value(QStringLiteral("hso")), QStringLiteral("0"));
    QCOMPARE(sent.value(QStringLiteral("vso")), QStringLiteral("2"));
}

QTEST_GUILESS_MAIN(TestModWebSB)
#include "tst_modwebsb.moc"
