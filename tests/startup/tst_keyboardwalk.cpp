#include "board/digitgroup.h"
#include "board/frmscoreboard.h"
#include "options/frmchoosekey.h"
#include "options/frmoptions.h"
#include "startup/application.h"
#include "startup/frmhelp.h"
#include "startup/frmsplash.h"
#include "tests/support/programfolder.h"
#include "tests/support/recordingui.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

// The program with the keyboard alone: from the splash to a running game, and through every
// window it opens.
class TestKeyboardWalk : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup() { m_app.reset(); }

    void tabAndEnterLeaveTheSplash();
    void altCLeavesTheSplash();
    void theSplashSaysHowToGoOn();
    void fromTheBoardToARunningGame();
    void throughTheOptionsAndTheKeyCapture();
    void helpOpensAndEscCloses();

private:
    // The widget that has the keyboard focus, after the events of the last key.
    static QWidget *focused()
    {
        QCoreApplication::processEvents();
        return QApplication::focusWidget();
    }
    // Where a key goes: the focused widget; while none has the focus (a dialog has just closed
    // and the offscreen platform activates no window), the modal dialog or the active window.
    static QWidget *keyTarget()
    {
        if (QWidget *target = focused()) {
            return target;
        }
        if (QWidget *modal = QApplication::activeModalWidget()) {
            return modal->focusWidget() ? modal->focusWidget() : modal;
        }
        return QApplication::activeWindow();
    }
    static void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(keyTarget(), key, modifiers);
    }
    static void type(const QString &text) { QTest::keyClicks(keyTarget(), text); }
    // Runs `act` inside the modal dialog that `open` opens.
    static void inModal(
        const std::function<void()> &open, const std::function<void(QWidget *)> &act);
    frmScoreboard *boardByKeyboard();

    QTemporaryDir m_dir;
    RecordingUi m_ui;
    std::unique_ptr<Application> m_app;
};

void TestKeyboardWalk::init()
{
    m_ui = {};
    m_app = MakeApplication(m_ui, m_dir.path());
    m_app->start();
    m_app->splash()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_app->splash()));
}

void TestKeyboardWalk::inModal(
    const std::function<void()> &open, const std::function<void(QWidget *)> &act)
{
    // Polled, for the keys that open the dialog let events through before it is there.
    QWidget *before = QApplication::activeModalWidget();
    bool ran = false;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, &poll, [&] {
        QWidget *dialog = QApplication::activeModalWidget();
        if (dialog == nullptr || dialog == before) {
            return;
        }
        poll.stop();
        ran = true;
        dialog->activateWindow();
        if (QTest::qWaitForWindowActive(dialog)) {
            act(dialog);
        }
        // Whatever the checks found, the dialog does not stay open.
        if (dialog->isVisible()) {
            dialog->close();
        }
    });
    poll.start();
    open();
    QVERIFY(ran);
}

frmScoreboard *TestKeyboardWalk::boardByKeyboard()
{
    key(Qt::Key_C, Qt::AltModifier);
    // An access key presses its button as a click would be seen, a moment later.
    if (!QTest::qWaitFor([this] { return m_app->board() != nullptr; })) {
        return nullptr;
    }
    frmScoreboard *board = m_app->board();
    if (board) {
        board->activateWindow();
        if (!QTest::qWaitForWindowActive(board)) {
            return nullptr;
        }
    }
    return board;
}

void TestKeyboardWalk::tabAndEnterLeaveTheSplash()
{
    // The focus starts on Help; Continue is two Tabs on.
    QCOMPARE(focused()->objectName(), QStringLiteral("cmdHelp"));
    key(Qt::Key_Tab);
    QCOMPARE(focused()->objectName(), QStringLiteral("cmdOptions"));
    key(Qt::Key_Tab);
    QCOMPARE(focused()->objectName(), QStringLiteral("cmdContinue"));
    key(Qt::Key_Return);
    QVERIFY(m_app->board());
    QVERIFY(m_app->splash() == nullptr || !m_app->splash()->isVisible());
}

void TestKeyboardWalk::altCLeavesTheSplash()
{
    QVERIFY(boardByKeyboard());
    // Help and Options opened nothing on the way.
    QVERIFY(m_app->help() == nullptr);
}

void TestKeyboardWalk::theSplashSaysHowToGoOn()
{
    frmSplash *splash = m_app->splash();
    auto *go = splash->findChild<QPushButton *>(QStringLiteral("cmdContinue"));
    QVERIFY(go && go->isVisible());
    QCOMPARE(go->text(), QStringLiteral("&Continue"));
    QAccessibleInterface *button = QAccessible::queryAccessibleInterface(go);
    QCOMPARE(button->text(QAccessible::Name), QStringLiteral("Continue to the scoreboard"));
    QCOMPARE(int(button->role()), int(QAccessible::Button));
    QAccessibleInterface *window = QAccessible::queryAccessibleInterface(splash);
    QVERIFY(window->text(QAccessible::Description).contains(QStringLiteral("Alt+C")));
    // Within the splash and clear of the buttons and the labels it may cover.
    QVERIFY(splash->rect().contains(go->geometry()));
    for (const char *other : {"cmdHelp", "cmdOptions", "lblClick", "lblVersion"}) {
        QWidget *widget = splash->findChild<QWidget *>(QLatin1String(other));
        QVERIFY2(!widget->geometry()
                      .translated(widget->parentWidget()->mapTo(splash, QPoint()))
                      .intersects(go->geometry()),
            other);
    }
}

void TestKeyboardWalk::fromTheBoardToARunningGame()
{
    frmScoreboard *board = boardByKeyboard();
    QVERIFY(board);
    QCOMPARE(focused(), board->group(QStringLiteral("sgmScoreH")));
    type(QStringLiteral("3"));
    key(Qt::Key_Return);
    // Tab walks the figures, one stop each, round to the home score again.
    QStringList stops;
    for (int i = 0; i < 10; ++i) {
        key(Qt::Key_Tab);
        auto *group = qobject_cast<DigitGroup *>(focused());
        QVERIFY(group);
        stops << group->groupName();
    }
    QCOMPARE(stops.last(), QStringLiteral("sgmScoreH"));
    stops.removeDuplicates();
    QCOMPARE(stops.size(), 10);
    while (qobject_cast<DigitGroup *>(focused())->groupName() != QLatin1String("sgmTime")) {
        key(Qt::Key_Tab);
    }
    type(QStringLiteral("5.00"));
    key(Qt::Key_Return);
    type(QStringLiteral("s"));
    QVERIFY(board->scoreboardGame().clockRunning());
    QCOMPARE(board->scoreboardGame().clockFace().text, QStringLiteral("5:00"));
    QCOMPARE(m_app->board()->group(QStringLiteral("sgmScoreH"))->caption(0), qint16(3));
}

void TestKeyboardWalk::throughTheOptionsAndTheKeyCapture()
{
    frmScoreboard *board = boardByKeyboard();
    QVERIFY(board);
    inModal([] { type(QStringLiteral("o")); },
        [](QWidget *dialog) {
            // Every stop of the first tab says what it is.
            QStringList names;
            if (focused() == nullptr) {
                key(Qt::Key_Tab);
            }
            QWidget *start = focused();
            QVERIFY(start);
            do {
                QAccessibleInterface *stop = QAccessible::queryAccessibleInterface(focused());
                names << stop->text(QAccessible::Name);
                key(Qt::Key_Tab);
            } while (focused() != start && names.size() < 40);
            QVERIFY(!names.contains(QString()));
            QVERIFY(names.contains(QStringLiteral("Change Reset Clock Key")));
            // Change the reset key with the keyboard only.
            while (focused()->objectName() != QLatin1String("cmdResetK")) {
                key(Qt::Key_Tab);
            }
            inModal([] { key(Qt::Key_Space); },
                [](QWidget *capture) {
                    QVERIFY(qobject_cast<frmChooseKey *>(capture));
                    type(QStringLiteral("x"));
                });
            QCOMPARE(dialog->findChild<QLabel *>(QStringLiteral("lblResetK"))->text(),
                QStringLiteral("x"));
            // The offscreen platform gives the window under a closed dialog no activation.
            dialog->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(dialog));
            // Ctrl+Tab to the next tab, and Ok by its access key.
            auto *tabs = dialog->findChild<QTabWidget *>();
            key(Qt::Key_Tab, Qt::ControlModifier);
            QCOMPARE(tabs->currentIndex(), 1);
            key(Qt::Key_O, Qt::AltModifier);
            QTRY_VERIFY(!dialog->isVisible());
        });
    QCOMPARE(m_app->board()->journalRecord().LastEnteredTime, 600);
    board->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(board));
    type(QStringLiteral("s"));
    QVERIFY(board->scoreboardGame().clockRunning());
    type(QStringLiteral("x"));
    QVERIFY(!board->scoreboardGame().clockRunning()); // x reset it
}

void TestKeyboardWalk::helpOpensAndEscCloses()
{
    QVERIFY(boardByKeyboard());
    type(QStringLiteral("h"));
    QPointer<frmHelp> help = m_app->help();
    QVERIFY(help);
    help->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(help));
    QTest::keyClick(help, Qt::Key_Escape);
    QTRY_VERIFY(help.isNull() || !help->isVisible());
    QVERIFY(m_app->board()->isVisible());
}

QTEST_MAIN(TestKeyboardWalk)
#include "tst_keyboardwalk.moc"
