#include "options/frmchoosekey.h"
#include "settings/keycodes.h"
#include "startup/fonts.h"
#include "tests/support/recordingui.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {

// The options dialog's keys as shipped: s, r and b.
const KeyBindings DefaultKeys = {115, 114, 98};

QLabel *warning(frmChooseKey &dialog)
{
    return dialog.findChild<QLabel *>(QStringLiteral("lblUsed"));
}

QPushButton *cancelButton(frmChooseKey &dialog)
{
    return dialog.findChild<QPushButton *>(QStringLiteral("cmdCancel"));
}

} // namespace

class TestChooseKey : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();

    void opensWithPromptAndNoResult();
    void decidesOnEachKey_data();
    void decidesOnEachKey();
    void keysTypedOnCancelCountToo();
    void enterAndEscapePressCancel_data();
    void enterAndEscapePressCancel();
    void keysWithoutCharacterAreIgnored();
    void warningStaysUntilAcceptedAndNotBeyond();
    void closeBoxChoosesNothing();

private:
    ChooseKey m_shared;
    RecordingUi m_ui;
};

void TestChooseKey::initTestCase()
{
    InstallFontSubstitutions();
}

void TestChooseKey::init()
{
    m_shared = ChooseKey{QStringLiteral("start / stop the clock"), 115, QStringLiteral("115")};
    m_ui.beeps = 0;
}

void TestChooseKey::opensWithPromptAndNoResult()
{
    frmChooseKey dialog(m_shared, DefaultKeys, m_ui);
    dialog.open();
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Choose Key"));
    QCOMPARE(dialog.size(), QSize(312, 175));
    QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
    QCOMPARE(m_shared.ChooseKeyResult, QStringLiteral("0"));

    auto *prompt = dialog.findChild<QLabel *>(QStringLiteral("lblChoose"));
    QVERIFY(prompt);
    QCOMPARE(
        prompt->text(), QStringLiteral("Press the key you would like to start / stop the clock."));
    QCOMPARE(prompt->font().family(), QStringLiteral("Times New Roman"));
    QCOMPARE(prompt->font().pointSizeF(), 18.0);
    // The prompt wraps within its height; nothing is cut off.
    QVERIFY(prompt->heightForWidth(prompt->width()) <= prompt->height());

    QLabel *used = warning(dialog);
    QVERIFY(used && used->isHidden());
    QCOMPARE(used->text(), QStringLiteral("This key is already in use, please choose another."));
    QCOMPARE(used->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QCOMPARE(used->font().family(), QStringLiteral("Arial"));
    QVERIFY(used->heightForWidth(used->width()) <= used->height());

    QPushButton *cancel = cancelButton(dialog);
    QVERIFY(cancel);
    QCOMPARE(cancel->text(), QStringLiteral("&Cancel"));
    QVERIFY(cancel->isDefault());
}

void TestChooseKey::decidesOnEachKey_data()
{
    QTest::addColumn<char>("key");
    QTest::addColumn<qint16>("current");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("a free letter") << 'x' << qint16(115) << true;
    QTest::newRow("the action's own key") << 's' << qint16(115) << true;
    QTest::newRow("own key although reserved") << 'h' << qint16(104) << true;
    QTest::newRow("another action's key") << 'r' << qint16(115) << false;
    QTest::newRow("the buzzer's key") << 'b' << qint16(114) << false;
    QTest::newRow("capital of a taken key") << 'S' << qint16(98) << true;
    QTest::newRow("capital O") << 'O' << qint16(115) << true;
    QTest::newRow("capital H") << 'H' << qint16(115) << true;
    QTest::newRow("digit 0") << '0' << qint16(115) << true;
    QTest::newRow("digit 7") << '7' << qint16(115) << true;
    for (const char reserved : {'o', 'h', '=', '.', '-', '+', ' '}) {
        QTest::addRow("reserved '%c'", reserved) << reserved << qint16(115) << false;
    }
}

void TestChooseKey::decidesOnEachKey()
{
    QFETCH(char, key);
    QFETCH(qint16, current);
    QFETCH(bool, accepted);
    m_shared.ChooseKeyCurrent = current;
    frmChooseKey dialog(m_shared, DefaultKeys, m_ui);
    dialog.open();
    QTest::keyClick(&dialog, key);

    QCOMPARE(dialog.isVisible(), !accepted);
    QCOMPARE(warning(dialog)->isVisible(), !accepted);
    QCOMPARE(m_ui.beeps, accepted ? 0 : 1);
    QCOMPARE(m_shared.ChooseKeyResult, accepted ? QString::number(int(key)) : QStringLiteral("0"));
    if (accepted) {
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }
}

void TestChooseKey::keysTypedOnCancelCountToo()
{
    frmChooseKey dialog(m_shared, DefaultKeys, m_ui);
    dialog.open();
    QPushButton *cancel = cancelButton(dialog);
    QSignalSpy clicked(cancel, &QPushButton::clicked);

    // Space on the focused button is a refused key, not a press of the button.
    QTest::keyClick(cancel, Qt::Key_Space);
    QVERIFY(dialog.isVisible());
    QCOMPARE(clicked.count(), 0);
    QCOMPARE(m_ui.beeps, 1);
    QVERIFY(warning(dialog)->isVisible());

    QTest::keyClick(cancel, 'k');
    QVERIFY(!dialog.isVisible());
    QCOMPARE(m_shared.ChooseKeyResult, QStringLiteral("107"));
    QCOMPARE(clicked.count(), 0);
}

void TestChooseKey::enterAndEscapePressCancel_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("onButton");
    QTest::addColumn<qint16>("current");
    for (const auto &[name, key] : {std::pair{"Return", Qt::Key_Return},
             std::pair{"keypad Enter", Qt::Key_Enter}, std::pair{"Escape", Qt::Key_Escape}}) {
        QTest::addRow("%s on the dialog", name) << int(key) << false << qint16(115);
        QTest::addRow("%s on Cancel", name) << int(key) << true << qint16(115);
    }
    // Even when Enter came from the store as the action's key, it never becomes a binding.
    QTest::newRow("Return as the current key") << int(Qt::Key_Return) << true << qint16(13);
}

void TestChooseKey::enterAndEscapePressCancel()
{
    QFETCH(int, key);
    QFETCH(bool, onButton);
    QFETCH(qint16, current);
    m_shared.ChooseKeyCurrent = current;
    frmChooseKey dialog(m_shared, DefaultKeys, m_ui);
    dialog.open();
    QSignalSpy clicked(cancelButton(dialog), &QPushButton::clicked);
    QWidget *target = onButton ? static_cast<QWidget *>(cancelButton(dialog)) : &dialog;
    QTest::keyClick(target, Qt::Key(key));

    QCOMPARE(clicked.count(), 1);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(m_shared.ChooseKeyResult, QStringLiteral("0"));
    QCOMPARE(m_ui.beeps, 0);
}

void TestChooseKey::keysWithoutCharacterAreIgnored()
{
    frmChooseKey dialog(m_shared, DefaultKeys, m_ui);
    dialog.open();
    for (QWidget *target :
        {static_cast<QWidget *>(&dialog), static_cast<QWidget *>(cancelButton(dialog))}) {
        for (const Qt::Key key : {Qt::Key_Left, Qt::Key_Down, Qt::Key_F1, Qt::Key_F12,
                 Qt::Key_Shift, Qt::Key_Home, Qt::Key_Insert}) {
            QTest::keyClick(target, key);
        }
    }
    QVERIFY(dialog.isVisible());
    QVERIFY(warning(dialog)->isHidden());
    QCOMPARE(m_ui.beeps, 0);
    QCOMPARE(m_shared.ChooseKeyResult, QStringLiteral("0"));
}

void TestChooseKey::warningStaysUntilAcceptedAndNotBeyond()
{
    {
        frmChooseKey dialog(m_shared, DefaultKeys, m_ui);
        dialog.open();
        QTest::keyClick(&dialog, 'o');
        QTest::keyClick(&dialog, Qt::Key_Left);
        QTest::keyClick(&dialog, '+');
        QVERIFY(warning(dialog)->isVisible());
        QCOMPARE(m_ui.beeps, 2);
        QTest::keyClick(&dialog, 'q');
        QVERIFY(!dialog.isVisible());
        QVERIFY(warning(dialog)->isHidden());
        QCOMPARE(m_shared.ChooseKeyResult, QStringLiteral("113"));
    }
    frmChooseKey again(m_shared, DefaultKeys, m_ui);
    again.open();
    QVERIFY(warning(again)->isHidden());
    QCOMPARE(m_shared.ChooseKeyResult, QStringLiteral("0"));
}

void TestChooseKey::closeBoxChoosesNothing()
{
    frmChooseKey dialog(m_shared, DefaultKeys, m_ui);
    dialog.open();
    dialog.close();
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(m_shared.ChooseKeyResult, QStringLiteral("0"));
}

QTEST_MAIN(TestChooseKey)
#include "tst_frmchoosekey.moc"
