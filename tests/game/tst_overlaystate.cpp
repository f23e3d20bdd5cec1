#include "game/gamejournal.h"
#include "game/overlaystate.h"
#include "tests/support/gamefixture.h"

#include <QSignalSpy>
#include <QTest>

// What the stream overlay shows beside the game: its panels, and the goal pop-up, which follows
// the goals the game records.
class TestOverlayState : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void panelsHaveTheirNames_data();
    void panelsHaveTheirNames();
    void panelsStartWithTheScoreBugAlone();
    void thePanelsAreNoStepOfTheGame();
    void thePopUpFollowsTheGoals_data();
    void thePopUpFollowsTheGoals();

private:
    GameFixture m_fixture;
    std::unique_ptr<OverlayState> m_overlay;
};

void TestOverlayState::init()
{
    m_fixture.newGame();
    m_overlay = std::make_unique<OverlayState>(*m_fixture.model);
}

void TestOverlayState::panelsHaveTheirNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("panel"); // -1: none
    QTest::newRow("score bug") << "scoreBug" << int(OverlayPanel::ScoreBug);
    QTest::newRow("statistics") << "statistics" << int(OverlayPanel::Statistics);
    QTest::newRow("shoot-out") << "shootout" << int(OverlayPanel::Shootout);
    QTest::newRow("board") << "board" << int(OverlayPanel::Board);
    QTest::newRow("the goal is no panel") << "goal" << -1;
    QTest::newRow("case matters") << "ScoreBug" << -1;
    QTest::newRow("empty") << "" << -1;
}

void TestOverlayState::panelsHaveTheirNames()
{
    QFETCH(QString, name);
    QFETCH(int, panel);
    const QByteArray latin = name.toLatin1();
    const auto named = OverlayPanelNamed(std::string_view(latin.constData(), size_t(latin.size())));
    QCOMPARE(named ? int(*named) : -1, panel);
    if (named) {
        QCOMPARE(QLatin1String(OverlayPanelName(*named).data()), name);
    }
}

void TestOverlayState::panelsStartWithTheScoreBugAlone()
{
    QVERIFY(m_overlay->visible(OverlayPanel::ScoreBug));
    QVERIFY(!m_overlay->visible(OverlayPanel::Statistics));
    QVERIFY(!m_overlay->visible(OverlayPanel::Shootout));
    QVERIFY(!m_overlay->visible(OverlayPanel::Board));
    QCOMPARE(m_overlay->goalPopupSeq(), 0);
    QCOMPARE(m_overlay->goalPopupId(), 0);

    // Told once per change, never for what is so already.
    QSignalSpy changed(m_overlay.get(), &OverlayState::changed);
    m_overlay->setVisible(OverlayPanel::ScoreBug, true);
    QCOMPARE(changed.size(), 0);
    m_overlay->toggle(OverlayPanel::Statistics);
    m_overlay->toggle(OverlayPanel::ScoreBug);
    QCOMPARE(changed.size(), 2);
    QVERIFY(m_overlay->visible(OverlayPanel::Statistics));
    QVERIFY(!m_overlay->visible(OverlayPanel::ScoreBug));
    m_overlay->setVisible(OverlayPanel::Statistics, false);
    QCOMPARE(changed.size(), 3);
    QVERIFY(!m_overlay->visible(OverlayPanel::Statistics));
}

// The operator's choice of the moment: undo does not take it back, nor does the journal keep it.
void TestOverlayState::thePanelsAreNoStepOfTheGame()
{
    ScoreboardGame &game = *m_fixture.model;
    QVERIFY(game.changeFigure(Figure::ScoreH, 1));
    const JournalRecord before = game.journalRecord();
    const int steps = game.history().count();
    m_overlay->toggle(OverlayPanel::Board);
    QVERIFY(m_overlay->fireGoalPopup());
    QCOMPARE(game.history().count(), steps);
    QCOMPARE(game.journalRecord(), before);
    game.undo();
    QVERIFY(m_overlay->visible(OverlayPanel::Board));
    QCOMPARE(game.value(Figure::ScoreH), 0);
}

// Steps: "home", "visitor" (a goal), "two" (the home score up by two at once), "minus" (the home
// score down), "card", "undo", "redo", "fire", "cardToGoal" (the first event edited into a
// goal), "removeLast" (the latest goal removed).
void TestOverlayState::thePopUpFollowsTheGoals_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<int>("seq");
    QTest::addColumn<int>("id");
    QTest::addColumn<bool>("fired"); // what the last "fire" answered

    const auto steps = [](const char *text) { return QString::fromLatin1(text).split(u' '); };
    QTest::newRow("a goal") << steps("home") << 1 << 1 << false;
    QTest::newRow("two goals in one change") << steps("two") << 1 << 2 << false;
    QTest::newRow("a card is no goal") << steps("card") << 0 << 0 << false;
    QTest::newRow("a goal after a card") << steps("card visitor") << 1 << 2 << false;
    QTest::newRow("each goal") << steps("home visitor home") << 3 << 3 << false;
    QTest::newRow("undone: the count stays") << steps("home undo") << 1 << 0 << false;
    QTest::newRow("redone: shown again") << steps("home undo redo") << 2 << 1 << false;
    QTest::newRow("a score taken down") << steps("home home minus") << 2 << 1 << false;
    QTest::newRow("fired again") << steps("home fire") << 2 << 1 << true;
    QTest::newRow("nothing to fire") << steps("fire") << 0 << 0 << false;
    QTest::newRow("fired after the goal is undone") << steps("home undo fire") << 1 << 0 << false;
    QTest::newRow("a card made a goal") << steps("card cardToGoal") << 0 << 1 << false;
    QTest::newRow("the latest goal removed") << steps("home visitor removeLast") << 2 << 1 << false;
    QTest::newRow("a card undone and redone") << steps("home card undo redo") << 1 << 1 << false;
}

void TestOverlayState::thePopUpFollowsTheGoals()
{
    QFETCH(QStringList, steps);
    ScoreboardGame &game = *m_fixture.model;
    bool fired = false;
    for (const QString &step : std::as_const(steps)) {
        if (step == u"home" || step == u"visitor") {
            QVERIFY(game.changeFigure(step == u"home" ? Figure::ScoreH : Figure::ScoreV, 1));
        } else if (step == u"two") {
            QVERIFY(game.changeFigure(Figure::ScoreH, 2));
        } else if (step == u"minus") {
            QVERIFY(game.changeFigure(Figure::ScoreH, -1));
        } else if (step == u"card") {
            QVERIFY(game.addCard(Team::Home, false, QStringLiteral("4")));
        } else if (step == u"undo") {
            game.undo();
        } else if (step == u"redo") {
            game.redo();
        } else if (step == u"fire") {
            fired = m_overlay->fireGoalPopup();
        } else if (step == u"cardToGoal") {
            ScoreboardGame::EventEdit edit;
            edit.kind = EventKind::Goal;
            QVERIFY(game.editEvent(game.events().first().id, edit));
        } else if (step == u"removeLast") {
            QVERIFY(game.removeEvent(m_overlay->goalPopupId()));
        } else {
            QFAIL(qPrintable(step));
        }
    }
    QTEST(m_overlay->goalPopupSeq(), "seq");
    QTEST(m_overlay->goalPopupId(), "id");
    QTEST(fired, "fired");
}

QTEST_APPLESS_MAIN(TestOverlayState)
#include "tst_overlaystate.moc"
