#include "game/overlaystate.h"
#include "remote/remotecommands.h"
#include "settings/livesettings.h"
#include "settings/teamidentity.h"
#include "tests/support/gamefixture.h"

#include <QJsonDocument>
#include <QTest>

// What readers such as the stream overlay get beside the phones' state: the clock to run
// themselves, the teams' identity, and the overlay's commands.
class TestReaderState : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void shortNames_data();
    void shortNames();
    void colours_data();
    void colours();
    void overlayCommands_data();
    void overlayCommands();
    void theClockReadsInMilliseconds();
    void theTeamsHaveTheirIdentity();

private:
    QJsonObject state() const { return RemoteState(*m_fixture.model, m_settings); }
    void play(qint64 milliseconds)
    {
        m_fixture.time.advance(milliseconds);
        m_fixture.model->tick();
    }

    GameFixture m_fixture;
    LiveSettings m_settings;
    std::unique_ptr<OverlayState> m_overlay;
};

void TestReaderState::init()
{
    m_fixture.newGame();
    m_settings = {};
    m_overlay = std::make_unique<OverlayState>(*m_fixture.model);
}

void TestReaderState::shortNames_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("shown");
    QTest::newRow("a word") << ""
                            << "Rovers"
                            << "ROV";
    QTest::newRow("short already") << ""
                                   << "Ajax"
                                   << "AJA";
    QTest::newRow("shorter") << ""
                             << "Oss"
                             << "OSS";
    QTest::newRow("spaces and digits") << ""
                                       << "FC 1860 München"
                                       << "FC1";
    QTest::newRow("punctuation") << ""
                                 << "A.-B. C"
                                 << "ABC";
    QTest::newRow("accented letters") << ""
                                      << "Köln"
                                      << "KÖL";
    QTest::newRow("a letter that grows") << ""
                                         << "ßar"
                                         << "SSA";
    QTest::newRow("no name") << ""
                             << ""
                             << "HOME";
    QTest::newRow("no letters") << ""
                                << " -- "
                                << "HOME";
    QTest::newRow("typed wins") << "FCB"
                                << "FC Barcelona"
                                << "FCB";
    QTest::newRow("typed, trimmed") << " fcb "
                                    << "FC Barcelona"
                                    << "fcb";
    QTest::newRow("typed blank") << "   "
                                 << "Rovers"
                                 << "ROV";
    QTest::newRow("typed too long") << "ABCDEF"
                                    << "Rovers"
                                    << "ABCD";
}

void TestReaderState::shortNames()
{
    QFETCH(QString, typed);
    QFETCH(QString, name);
    QTEST(TeamShortName(typed, name, QStringLiteral("HOME")), "shown");
}

void TestReaderState::colours_data()
{
    QTest::addColumn<qint32>("color");
    QTest::addColumn<QString>("hex");
    QTest::newRow("red, as stored") << qint32(0x002020C0) << "#c02020";
    QTest::newRow("blue") << qint32(0x00C05020) << "#2050c0";
    QTest::newRow("white") << qint32(0x00FFFFFF) << "#ffffff";
    QTest::newRow("black") << qint32(0) << "#000000";
    QTest::newRow("a high byte is ignored") << qint32(0x7F563412) << "#123456";
    QTest::newRow("every bit") << qint32(-1) << "#ffffff";
}

void TestReaderState::colours()
{
    QFETCH(qint32, color);
    QTEST(QString(u'#' + ColourHex(color)), "hex");
}

void TestReaderState::overlayCommands_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("error"); // empty: accepted
    QTest::addColumn<QString>("visible"); // the panels up afterwards, by their first letters

    QTest::newRow("show the statistics")
        << R"({"command":"overlay","panel":"statistics","visible":true})"
        << ""
        << "s st";
    QTest::newRow("hide the score bug")
        << R"({"command":"overlay","panel":"scoreBug","visible":false})"
        << ""
        << "";
    QTest::newRow("show what is shown")
        << R"({"command":"overlay","panel":"scoreBug","visible":true})"
        << ""
        << "s";
    QTest::newRow("the board") << R"({"command":"overlay","panel":"board","visible":true})"
                               << ""
                               << "s b";
    QTest::newRow("the shoot-out") << R"({"command":"overlay","panel":"shootout","visible":true})"
                                   << ""
                                   << "s sh";
    QTest::newRow("the goal is no panel")
        << R"({"command":"overlay","panel":"goal","visible":true})"
        << "unknown panel"
        << "s";
    QTest::newRow("no panel") << R"({"command":"overlay","visible":true})"
                              << "unknown panel"
                              << "s";
    QTest::newRow("a panel that is no text") << R"({"command":"overlay","panel":1,"visible":true})"
                                             << "unknown panel"
                                             << "s";
    QTest::newRow("visible as text") << R"({"command":"overlay","panel":"board","visible":"true"})"
                                     << "visible is true or false"
                                     << "s";
    QTest::newRow("visible as a number") << R"({"command":"overlay","panel":"board","visible":1})"
                                         << "visible is true or false"
                                         << "s";
    QTest::newRow("no visible") << R"({"command":"overlay","panel":"board"})"
                                << "visible is true or false"
                                << "s";
    QTest::newRow("no goal to show") << R"({"command":"goalPopup"})"
                                     << "there is no goal to show"
                                     << "s";
}

void TestReaderState::overlayCommands()
{
    QFETCH(QString, command);
    QFETCH(QString, error);
    QFETCH(QString, visible);
    const std::optional<CommandResult> result
        = RunOverlayCommand(*m_overlay, QJsonDocument::fromJson(command.toUtf8()).object());
    QVERIFY(result);
    QCOMPARE(result->error, error);
    QCOMPARE(result->ok, error.isEmpty());
    const QStringList up = visible.split(u' ', Qt::SkipEmptyParts);
    QCOMPARE(m_overlay->visible(OverlayPanel::ScoreBug), up.contains(u"s"));
    QCOMPARE(m_overlay->visible(OverlayPanel::Statistics), up.contains(u"st"));
    QCOMPARE(m_overlay->visible(OverlayPanel::Shootout), up.contains(u"sh"));
    QCOMPARE(m_overlay->visible(OverlayPanel::Board), up.contains(u"b"));
    // None of it is a step of the game.
    QCOMPARE(m_fixture.model->history().count(), 0);
    // Other commands are not the overlay's.
    QVERIFY(!RunOverlayCommand(*m_overlay, {{QStringLiteral("command"), QStringLiteral("set")}}));
}

void TestReaderState::theClockReadsInMilliseconds()
{
    ScoreboardGame &game = *m_fixture.model;
    // The board's own countdown: the time left, to the tenth measured at the latest tick.
    QCOMPARE(state().value(u"clockMs").toInteger(), 600000);
    QCOMPARE(state().value(u"countsUp").toBool(), false);
    game.startStopClock();
    play(2500);
    QCOMPARE(state().value(u"clockMs").toInteger(), 597500);
    game.startStopClock();

    // A match counting up: the time played in the half, with the added time beyond its end.
    MatchFormat format = game.match().format;
    format.clock = ClockDirection::Up;
    format.halfMinutes = 1;
    format.breakMinutes = 1;
    QVERIFY(game.setMatchFormat(format));
    QVERIFY(game.nextPhase());
    QCOMPARE(state().value(u"countsUp").toBool(), true);
    game.startStopClock();
    play(30'000);
    QCOMPARE(state().value(u"clockMs").toInteger(), 30000);
    play(42'000);
    QCOMPARE(state().value(u"clock").toString(), QStringLiteral("1:00"));
    QCOMPARE(state().value(u"addedPlayed").toInt(), 12);
    QCOMPARE(state().value(u"clockMs").toInteger(), 72000);

    // Half-time counts down however the match is played.
    QVERIFY(game.nextPhase());
    QCOMPARE(state().value(u"countsUp").toBool(), false);
    play(15'000);
    QCOMPARE(state().value(u"clockMs").toInteger(), 45000);
}

void TestReaderState::theTeamsHaveTheirIdentity()
{
    m_settings.HomeText = QStringLiteral("Rovers");
    m_settings.GuestText = QStringLiteral("FC United");
    m_settings.GuestShort = QStringLiteral("FCU");
    m_settings.HomeMainColor = 0x002020C0;
    m_settings.HomeSecondColor = 0x00FFFFFF;
    m_settings.GuestMainColor = 0x00C05020;
    m_settings.GuestSecondColor = 0x0000FFFF;
    const QJsonObject teams = state().value(u"teams").toObject();
    QCOMPARE(teams.value(u"home").toObject(),
        QJsonObject({{QStringLiteral("name"), QStringLiteral("Rovers")},
            {QStringLiteral("short"), QStringLiteral("ROV")},
            {QStringLiteral("main"), QStringLiteral("#c02020")},
            {QStringLiteral("second"), QStringLiteral("#ffffff")}}));
    QCOMPARE(teams.value(u"visitor").toObject(),
        QJsonObject({{QStringLiteral("name"), QStringLiteral("FC United")},
            {QStringLiteral("short"), QStringLiteral("FCU")},
            {QStringLiteral("main"), QStringLiteral("#2050c0")},
            {QStringLiteral("second"), QStringLiteral("#ffff00")}}));
}

QTEST_APPLESS_MAIN(TestReaderState)
#include "tst_readerstate.moc"
