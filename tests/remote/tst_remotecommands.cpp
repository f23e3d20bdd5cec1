#include "remote/pairingcode.h"
#include "remote/remotecommands.h"
#include "settings/livesettings.h"
#include "tests/support/gamefixture.h"

#include <QJsonDocument>
#include <QSignalSpy>
#include <QTest>

// The remote control's commands against the game model, and its pairing code.
class TestRemoteCommands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup() { m_game.reset(); }

    void commands_data();
    void commands();
    void aRemoteChangeIsUndoneLikeAKey();
    void startAndStopAreIdempotent();
    void theStateShowsEveryFigure();
    void pairingCodes_data();
    void pairingCodes();
    void madeCodesAreRandomAndReadable();
    void guessingIsSlowedDownPerAddress();

private:
    CommandResult run(const char *json)
    {
        return RunRemoteCommand(*m_game, QJsonDocument::fromJson(json).object());
    }

    GameFixture m_fixture;
    FakeTime &m_time = m_fixture.time;
    GameState &m_state = m_fixture.game;
    std::unique_ptr<ScoreboardGame> &m_game = m_fixture.model;
    LiveSettings m_settings;
};

void TestRemoteCommands::init()
{
    m_fixture.newGame();
}

void TestRemoteCommands::commands_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("error"); // empty: accepted
    QTest::addColumn<Figure>("figure");
    QTest::addColumn<qint64>("value"); // the figure's value afterwards

    QTest::newRow("set") << R"({"command":"set","figure":"homeScore","value":7})"
                         << "" << Figure::ScoreH << qint64(7);
    QTest::newRow("add one") << R"({"command":"add","figure":"visitorShots"})"
                             << "" << Figure::ShotsV << qint64(1);
    QTest::newRow("add three") << R"({"command":"add","figure":"homeSaves","by":3})"
                               << "" << Figure::SavesH << qint64(3);
    QTest::newRow("below the range") << R"({"command":"add","figure":"homeScore","by":-1})"
                                     << "out of range" << Figure::ScoreH << qint64(0);
    QTest::newRow("above the range") << R"({"command":"set","figure":"homeCornerKicks","value":10})"
                                     << "out of range" << Figure::CKH << qint64(0);
    QTest::newRow("period 0") << R"({"command":"set","figure":"period","value":0})"
                              << "out of range" << Figure::Period << qint64(0);
    QTest::newRow("a fraction") << R"({"command":"set","figure":"homeScore","value":1.5})"
                                << "not a whole number" << Figure::ScoreH << qint64(0);
    QTest::newRow("a text") << R"({"command":"set","figure":"homeScore","value":"3"})"
                            << "not a whole number" << Figure::ScoreH << qint64(0);
    QTest::newRow("huge") << R"({"command":"add","figure":"homeScore","by":1e300})"
                          << "not a whole number" << Figure::ScoreH << qint64(0);
    QTest::newRow("the clock is no counter") << R"({"command":"set","figure":"clock","value":1})"
                                             << "unknown figure" << Figure::ScoreH << qint64(0);
    QTest::newRow("no figure") << R"({"command":"add"})"
                               << "unknown figure" << Figure::ScoreH << qint64(0);
    QTest::newRow("unknown") << R"({"command":"explode"})"
                             << "unknown command" << Figure::ScoreH << qint64(0);
    QTest::newRow("no command") << R"({"figure":"homeScore"})"
                                << "unknown command" << Figure::ScoreH << qint64(0);
}

void TestRemoteCommands::commands()
{
    QFETCH(QString, command);
    QFETCH(QString, error);
    QFETCH(Figure, figure);
    const CommandResult result
        = RunRemoteCommand(*m_game, QJsonDocument::fromJson(command.toUtf8()).object());
    QCOMPARE(result.ok, error.isEmpty());
    QCOMPARE(result.error, error);
    QTEST(qint64(m_game->value(figure)), "value");
    QCOMPARE(m_game->history().count(), error.isEmpty() ? 1 : 0);
}

void TestRemoteCommands::aRemoteChangeIsUndoneLikeAKey()
{
    run(R"({"command":"set","figure":"visitorScore","value":4})");
    const auto clock = run(R"({"command":"clock","minutes":45,"seconds":0})");
    QVERIFY(clock.ok);
    QCOMPARE(m_fixture.published(Figure::Time), QStringLiteral("45:00"));
    QCOMPARE(m_state.LastEnteredTime, 45 * 60);
    QVERIFY(!run(R"({"command":"clock","minutes":60,"seconds":0})").ok);
    QVERIFY(!run(R"({"command":"clock","minutes":1,"seconds":60})").ok);
    m_game->undo();
    QCOMPARE(m_fixture.published(Figure::Time), QStringLiteral("10:00"));
    m_game->undo();
    QCOMPARE(m_fixture.published(Figure::ScoreV), QStringLiteral("0"));
    QCOMPARE(m_fixture.digits(Figure::ScoreV), QStringLiteral("00"));
}

void TestRemoteCommands::startAndStopAreIdempotent()
{
    QSignalSpy buzzer(m_game.get(), &ScoreboardGame::buzzer);
    for (const char *name : {"start", "start"}) {
        QVERIFY(RunRemoteCommand(*m_game, {{QStringLiteral("command"), QLatin1String(name)}}).ok);
    }
    QVERIFY(m_game->counting());
    m_time.advance(2000);
    m_game->tick();
    for (const char *name : {"stop", "stop"}) {
        QVERIFY(RunRemoteCommand(*m_game, {{QStringLiteral("command"), QLatin1String(name)}}).ok);
    }
    QVERIFY(!m_game->counting());
    QCOMPARE(m_game->clockFace().text, QStringLiteral("9:58"));
    // A clock that was set stands still, though the board still ticks it: it is started anew.
    QVERIFY(run(R"({"command":"start"})").ok);
    QVERIFY(run(R"({"command":"clock","minutes":5,"seconds":0})").ok);
    QVERIFY(!m_game->counting());
    QCOMPARE(RemoteState(*m_game, m_settings).value(u"running").toBool(), false);
    QVERIFY(run(R"({"command":"start"})").ok);
    QVERIFY(m_game->counting());
    QVERIFY(run(R"({"command":"stop"})").ok);
    m_time.advance(3000);
    m_game->tick();
    QVERIFY(run(R"({"command":"reset"})").ok); // back to the time last set
    QCOMPARE(m_game->clockFace().text, QStringLiteral("5:00"));
    QVERIFY(run(R"({"command":"buzzer"})").ok);
    QCOMPARE(buzzer.count(), 1);
}

void TestRemoteCommands::theStateShowsEveryFigure()
{
    m_settings.TitleText = QStringLiteral("Cup final");
    m_settings.GuestText = QStringLiteral("Rovers");
    run(R"({"command":"set","figure":"period","value":2})");
    const QJsonObject state = RemoteState(*m_game, m_settings);
    QCOMPARE(state.value(u"title").toString(), QStringLiteral("Cup final"));
    QCOMPARE(state.value(u"guest").toString(), QStringLiteral("Rovers"));
    QCOMPARE(state.value(u"clock").toString(), QStringLiteral("10:00"));
    QCOMPARE(state.value(u"running").toBool(), false);
    const QJsonObject figures = state.value(u"figures").toObject();
    QCOMPARE(figures.size(), 9);
    QCOMPARE(figures.value(u"period").toInt(), 2);
    QCOMPARE(figures.value(u"visitorCornerKicks").toInt(), 0);
}

void TestRemoteCommands::pairingCodes_data()
{
    QTest::addColumn<QString>("offered");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("as made") << "ABCD1234EFGHJ" << true;
    QTest::newRow("as shown") << "ABCD-1234-EFGHJ" << true;
    QTest::newRow("typed small") << "abcd 1234 efghj" << true;
    QTest::newRow("one wrong") << "ABCD1234EFGHK" << false;
    QTest::newRow("short") << "ABCD1234EFGH" << false;
    QTest::newRow("long") << "ABCD1234EFGHJJ" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("not latin") << "ÄBCD1234EFGHJ" << false;
}

void TestRemoteCommands::pairingCodes()
{
    QFETCH(QString, offered);
    QTEST(IsPairingCode(offered, QStringLiteral("ABCD1234EFGHJ")), "accepted");
    QVERIFY(!IsPairingCode(offered, QString())); // no code is never paired
}

void TestRemoteCommands::madeCodesAreRandomAndReadable()
{
    QSet<QString> codes;
    for (int i = 0; i < 200; ++i) {
        const QString code = MakePairingCode();
        QCOMPARE(code.size(), 13);
        for (const QChar c : code) {
            QVERIFY2(
                QStringLiteral("0123456789ABCDEFGHJKMNPQRSTVWXYZ").contains(c), qPrintable(code));
        }
        codes.insert(code);
    }
    QCOMPARE(codes.size(), 200);
    QCOMPARE(
        GroupedPairingCode(QStringLiteral("ABCD1234EFGHJ")), QStringLiteral("ABCD-1234-EFGHJ"));
}

void TestRemoteCommands::guessingIsSlowedDownPerAddress()
{
    qint64 now = 0;
    PairingGuard guard([&] { return now; });
    const QString guesser = QStringLiteral("192.0.2.7");
    const QString other = QStringLiteral("192.0.2.8");
    for (int i = 0; i < PairingGuard::ForgivenFailures; ++i) {
        QCOMPARE(guard.retryAfter(guesser), std::nullopt);
        guard.failed(guesser);
    }
    QCOMPARE(guard.retryAfter(guesser), std::nullopt);
    guard.failed(guesser);
    QCOMPARE(guard.retryAfter(guesser), std::optional<int>(1));
    QCOMPARE(guard.retryAfter(other), std::nullopt);
    now += 1000;
    guard.failed(guesser);
    QCOMPARE(guard.retryAfter(guesser), std::optional<int>(2)); // it doubles
    for (int i = 0; i < 30; ++i) {
        guard.failed(guesser);
    }
    QCOMPARE(guard.retryAfter(guesser), std::optional<int>(300)); // up to five minutes
    guard.succeeded(guesser);
    QCOMPARE(guard.retryAfter(guesser), std::nullopt);
}

QTEST_GUILESS_MAIN(TestRemoteCommands)
#include "tst_remotecommands.moc"
