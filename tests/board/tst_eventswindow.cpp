#include "board/frmevents.h"
#include "tests/support/boardfixture.h"
#include "tests/support/offscreenscreens.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

// The operator's events window: it lists the game's events as the game has them and follows
// every change; edits, removals, undo and redo reach the game from the keyboard alone; a refused
// edit says why and leaves the game as it was; it opens on the operator's screen. Runs on two
// offscreen screens side by side, "Laptop" and "Projector".
class TestEventsWindow : public QObject, private BoardFixture
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup() { closeBoard(); }
    void listsTheEventsAsTheGameHasThem();
    void editsReachTheGame_data();
    void editsReachTheGame();
    void aRefusedEditSaysWhyAndReverts();
    void anEditStaysWithItsEventWhileThePhonesChangeTheList();
    void removingAGoalLowersTheScore();
    void undoAndRedoFollowTheGame();
    void opensOnTheOperatorsScreen();

private:
    ScoreboardGame &game() { return board->scoreboardGame(); }
    // Opened by the board's key when it is not open.
    frmEvents &window()
    {
        if (!board->eventsWindow() || !board->eventsWindow()->isVisible()) {
            board->AllKeyPress('e');
        }
        return *board->eventsWindow();
    }
    QTableWidget &table() { return *window().table(); }
    QString cell(int row, int column) { return table().item(row, column)->text(); }
    // Opens the cell's editor with Enter, as the operator does.
    QWidget *openEditor(int row, int column)
    {
        table().setFocus();
        table().setCurrentCell(row, column);
        QTest::keyClick(&table(), Qt::Key_Return);
        return table().indexWidget(table().currentIndex());
    }
    QPushButton *button(const char *name)
    {
        return window().findChild<QPushButton *>(QLatin1String(name));
    }
};

void TestEventsWindow::init()
{
    resetBoard();
    settings.HomeText = QStringLiteral("LIONS");
    settings.GuestText = QStringLiteral("BEARS");
    openBoard();
    board->show();
    QVERIFY(QTest::qWaitForWindowExposed(board.get()));
    QVERIFY(game().nextPhase());
    game().setTeamSheets(TeamSheet(QStringLiteral("9 Alex Morgan\n4 Sam Kerr")), TeamSheet());
    // A home goal, a visitor's yellow, a home red.
    QVERIFY(game().setFigure(Figure::ScoreH, 1));
    QVERIFY(game().addCard(Team::Visitor, false, QStringLiteral("7")));
    QVERIFY(game().addCard(Team::Home, true, QStringLiteral("4")));
}

void TestEventsWindow::listsTheEventsAsTheGameHasThem()
{
    QVERIFY(!window().isModal());
    QCOMPARE(table().columnCount(), int(frmEvents::ColumnCount));
    const auto compareRows = [this] {
        const QList<MatchEvent> &events = game().events();
        QCOMPARE(table().rowCount(), int(events.size()));
        for (int row = 0; row < events.size(); ++row) {
            const MatchEvent &event = events.at(row);
            QCOMPARE(window().eventIdAt(row), event.id);
            QCOMPARE(cell(row, frmEvents::MinuteColumn), event.minute);
            QCOMPARE(cell(row, frmEvents::TeamColumn),
                event.team == Team::Home ? QStringLiteral("LIONS") : QStringLiteral("BEARS"));
            QCOMPARE(cell(row, frmEvents::KindColumn), EventKindWord(event.kind));
            QCOMPARE(cell(row, frmEvents::PlayerColumn), event.player);
            QCOMPARE(cell(row, frmEvents::NameColumn), event.name);
        }
    };
    compareRows();
    QCOMPARE(cell(0, frmEvents::KindColumn), QStringLiteral("Goal"));
    QCOMPARE(cell(2, frmEvents::NameColumn), QStringLiteral("Sam Kerr"));
    QVERIFY(!cell(0, frmEvents::MinuteColumn).isEmpty());
    // It follows the game while open: a second yellow, and a goal taken back.
    QVERIFY(game().addCard(Team::Visitor, false, QStringLiteral("7")));
    QCOMPARE(table().rowCount(), 4);
    QCOMPARE(cell(3, frmEvents::KindColumn), QStringLiteral("Second yellow"));
    QVERIFY(game().setFigure(Figure::ScoreH, 0));
    compareRows();
    QCOMPARE(table().rowCount(), 3);
    // Everything has an accessible name.
    QVERIFY(!table().accessibleName().isEmpty());
    for (const QPushButton *button : window().findChildren<QPushButton *>()) {
        QVERIFY(!button->text().isEmpty());
    }
}

void TestEventsWindow::editsReachTheGame_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    // Typed into a line editor, or steps down a choice.
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("steps");
    QTest::addColumn<QString>("shown");
    QTest::newRow("the scorer, named from the sheet")
        << 0 << int(frmEvents::PlayerColumn) << "9" << 0 << "9";
    QTest::newRow("a name") << 1 << int(frmEvents::NameColumn) << "Ada Stone" << 0 << "Ada Stone";
    QTest::newRow("the minute, its mark added")
        << 1 << int(frmEvents::MinuteColumn) << "45+2" << 0 << "45+2'";
    QTest::newRow("the goal to the other team")
        << 0 << int(frmEvents::TeamColumn) << "" << 1 << "BEARS";
    QTest::newRow("the red made a yellow")
        << 2 << int(frmEvents::KindColumn) << "" << -2 << "Yellow card";
}

void TestEventsWindow::editsReachTheGame()
{
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QString, typed);
    QFETCH(int, steps);
    QFETCH(QString, shown);
    const QList<MatchEvent> before = game().events();
    const int id = before.at(row).id;
    const QString was = cell(row, column);
    QWidget *editor = openEditor(row, column);
    QVERIFY(editor);
    if (auto *line = qobject_cast<QLineEdit *>(editor)) {
        line->selectAll();
        QTest::keyClicks(line, typed);
    } else {
        QVERIFY(qobject_cast<QComboBox *>(editor));
        for (int i = 0; i < std::abs(steps); ++i) {
            QTest::keyClick(editor, steps > 0 ? Qt::Key_Down : Qt::Key_Up);
        }
    }
    QTest::keyClick(editor, Qt::Key_Return);
    // Taken to the game once the editor has closed.
    QTRY_VERIFY(game().events().at(row) != before.at(row));
    QCOMPARE(cell(row, column), shown);
    const MatchEvent event = game().events().at(row);
    QCOMPARE(event.id, id);
    switch (column) {
    case frmEvents::PlayerColumn:
        QCOMPARE(event.player, QStringLiteral("9"));
        QCOMPARE(event.name, QStringLiteral("Alex Morgan"));
        QCOMPARE(cell(row, frmEvents::NameColumn), QStringLiteral("Alex Morgan"));
        break;
    case frmEvents::NameColumn:
        QCOMPARE(event.name, shown);
        break;
    case frmEvents::MinuteColumn:
        QCOMPARE(event.minute, shown);
        break;
    case frmEvents::TeamColumn:
        // The goal went with its team's score.
        QCOMPARE(event.team, Team::Visitor);
        QCOMPARE(game().value(Figure::ScoreH), 0);
        QCOMPARE(game().value(Figure::ScoreV), 1);
        break;
    default:
        QCOMPARE(event.kind, EventKind::Yellow);
        QCOMPARE(game().sendingOffs(Team::Home), 0);
        break;
    }
    QVERIFY(ui.messages.isEmpty());
    // One step of the game's history: undone at once.
    button("cmdUndo")->click();
    QCOMPARE(game().events(), before);
    QCOMPARE(cell(row, column), was);
}

void TestEventsWindow::aRefusedEditSaysWhyAndReverts()
{
    const QList<MatchEvent> before = game().events();
    QWidget *editor = openEditor(1, frmEvents::MinuteColumn);
    auto *line = qobject_cast<QLineEdit *>(editor);
    QVERIFY(line);
    line->selectAll();
    QTest::keyClicks(line, QStringLiteral("soon"));
    QTest::keyClick(line, Qt::Key_Return);
    QTRY_COMPARE(ui.messages.size(), 1);
    QCOMPARE(ui.messages.first().text, QStringLiteral("A minute is written as 23' or 45+2'."));
    QCOMPARE(cell(1, frmEvents::MinuteColumn), before.at(1).minute);
    QCOMPARE(game().events(), before);
}

// A phone removes the goal above the card being edited: the rows move up under the open editor,
// and the number typed still goes to the card (and to nobody once the card itself is gone).
void TestEventsWindow::anEditStaysWithItsEventWhileThePhonesChangeTheList()
{
    const int yellow = game().events().at(1).id;
    const int red = game().events().at(2).id;
    const QString redName = game().events().at(2).name;
    auto *line = qobject_cast<QLineEdit *>(openEditor(1, frmEvents::PlayerColumn));
    QVERIFY(line);
    line->selectAll();
    QTest::keyClicks(line, QStringLiteral("5"));
    QVERIFY(game().removeEvent(game().events().at(0).id));
    QCOMPARE(line->text(), QStringLiteral("5"));
    QTest::keyClick(line, Qt::Key_Return);
    QTRY_COMPARE(game().events().at(0).player, QStringLiteral("5"));
    QCOMPARE(game().events().at(0).id, yellow);
    QCOMPARE(game().events().at(1).id, red);
    QCOMPARE(game().events().at(1).player, QStringLiteral("4"));

    line = qobject_cast<QLineEdit *>(openEditor(0, frmEvents::NameColumn));
    QVERIFY(line);
    QTest::keyClicks(line, QStringLiteral("Nobody"));
    QVERIFY(game().removeEvent(yellow));
    QTest::keyClick(line, Qt::Key_Return);
    QCoreApplication::processEvents();
    QCOMPARE(game().events().size(), 1);
    QCOMPARE(game().events().at(0).id, red);
    QCOMPARE(game().events().at(0).name, redName);
    QVERIFY(ui.messages.isEmpty());
}

void TestEventsWindow::removingAGoalLowersTheScore()
{
    table().setFocus();
    table().setCurrentCell(0, frmEvents::PlayerColumn);
    // Asked first; No keeps it.
    ui.answers = {false};
    QTest::keyClick(&table(), Qt::Key_Delete);
    QCOMPARE(ui.questions.size(), 1);
    QVERIFY(ui.questions.first().text.contains(QStringLiteral("Goal")));
    QCOMPARE(table().rowCount(), 3);
    QCOMPARE(game().value(Figure::ScoreH), 1);
    ui.answers = {true};
    QTest::keyClick(&table(), Qt::Key_Delete);
    QCOMPARE(table().rowCount(), 2);
    QCOMPARE(game().value(Figure::ScoreH), 0);
    QCOMPARE(ShownFigure(group("sgmScoreH")), QStringLiteral(" 0"));
    QCOMPARE(cell(0, frmEvents::KindColumn), QStringLiteral("Yellow card"));
    // The red card through the button, the last one too.
    table().setCurrentCell(1, frmEvents::MinuteColumn);
    ui.answers = {true};
    button("cmdRemove")->click();
    QCOMPARE(game().sendingOffs(Team::Home), 0);
    table().setCurrentCell(0, frmEvents::MinuteColumn);
    ui.answers = {true};
    QTest::keyClick(&table(), Qt::Key_Delete);
    QVERIFY(game().events().isEmpty());
    QVERIFY(!button("cmdRemove")->isEnabled());
}

void TestEventsWindow::undoAndRedoFollowTheGame()
{
    const QList<MatchEvent> all = game().events();
    button("cmdUndo")->click();
    QCOMPARE(table().rowCount(), 2);
    button("cmdUndo")->click();
    button("cmdUndo")->click();
    QCOMPARE(table().rowCount(), 0);
    QCOMPARE(game().value(Figure::ScoreH), 0);
    for (int i = 0; i < 3; ++i) {
        button("cmdRedo")->click();
    }
    QCOMPARE(game().events(), all);
    QCOMPARE(table().rowCount(), 3);
    QCOMPARE(game().value(Figure::ScoreH), 1);
    // Tab leaves the list for the buttons, which take the keyboard too.
    QApplication::setActiveWindow(&window());
    QTRY_COMPARE(QApplication::activeWindow(), &window());
    table().setFocus();
    QTest::keyClick(&table(), Qt::Key_Tab);
    QVERIFY2(QApplication::focusWidget() != &table(),
        QApplication::focusWidget() ? QApplication::focusWidget()->metaObject()->className()
                                    : "none");
    QVERIFY2(qobject_cast<QPushButton *>(QApplication::focusWidget()),
        QApplication::focusWidget() ? QApplication::focusWidget()->metaObject()->className()
                                    : "none");
    // Esc closes it; the board's keys bring it back.
    QTest::keyClick(&window(), Qt::Key_Escape);
    QVERIFY(!board->eventsWindow()->isVisible());
}

void TestEventsWindow::opensOnTheOperatorsScreen()
{
    const auto screenOf = [](const QWidget *window) {
        return QGuiApplication::screenAt(window->geometry().center());
    };
    // The board on the projector, full screen, as at a match.
    board->showPlaced({QStringLiteral("Projector"), true});
    QCOMPARE(board->screen()->name(), QStringLiteral("Projector"));
    board->AllKeyPress('e');
    frmEvents *events = board->eventsWindow();
    QVERIFY(QTest::qWaitForWindowExposed(events));
    QCOMPARE(screenOf(events)->name(), QStringLiteral("Laptop"));
    QVERIFY(events->screen()->availableGeometry().contains(events->geometry()));
    QVERIFY(!events->geometry().intersects(board->geometry()));
    // Moved back over the board by hand and opened again, it goes back to the operator.
    events->close();
    events->move(board->geometry().center());
    board->AllKeyPress('e');
    QCOMPARE(screenOf(events)->name(), QStringLiteral("Laptop"));
}

int main(int argc, char *argv[])
{
    QTemporaryDir configDir;
    if (!UseOffscreenScreens(configDir, R"({"screens": [
        {"name": "Laptop", "x": 0, "y": 0, "width": 1280, "height": 800,
         "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1},
        {"name": "Projector", "x": 1280, "y": 0, "width": 1920, "height": 1080,
         "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})",
            OtherPlatforms::Replace)) {
        return 1;
    }
    QApplication app(argc, argv);
    TestEventsWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_eventswindow.moc"
