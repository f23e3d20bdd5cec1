#include "tests/support/optionsdriver.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

// What the options dialog shows of the web passcode and the pairing code: nothing until the
// operator asks, as the dialog may be on the screen the audience watches.
class TestOptionSecrets : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { m_bench = std::make_unique<OptionsBench>(); }
    void thePasscodeShowsOnlyWhenAsked();
    void thePairingCodeShowsOnlyWhenAsked();
    void switchingOnMakesAndShowsACodeAtOnce();

private:
    static bool hasQrCode(frmOptions &dialog)
    {
        return !find<QLabel>(dialog, "imgRemoteCode")->pixmap().isNull();
    }
    std::unique_ptr<OptionsBench> m_bench;
};

void TestOptionSecrets::thePasscodeShowsOnlyWhenAsked()
{
    m_bench->settings.PassCode = QStringLiteral("s3cret");
    auto dialog = m_bench->open();
    auto *box = find<QLineEdit>(*dialog, "txtWebSBPassCode");
    QCOMPARE(box->echoMode(), QLineEdit::Password);
    QVERIFY(!box->displayText().contains(QLatin1String("s3cret")));
    auto *show = dialog->findChild<QAction *>(QStringLiteral("actShowPassCode"));
    QVERIFY(show);
    QCOMPARE(show->text(), QStringLiteral("Show the passcode"));
    show->trigger();
    QCOMPARE(box->displayText(), QStringLiteral("s3cret"));
    QCOMPARE(show->text(), QStringLiteral("Hide the passcode"));
    show->trigger();
    QCOMPARE(box->echoMode(), QLineEdit::Password);
    // What is typed is what is kept, shown or not.
    box->setText(QStringLiteral("n3w-pass"));
    press(*dialog, "cmdOk");
    QCOMPARE(m_bench->settings.PassCode, QStringLiteral("n3w-pass"));
}

void TestOptionSecrets::thePairingCodeShowsOnlyWhenAsked()
{
    m_bench->settings.RemoteEnabled = 1;
    m_bench->settings.RemoteCode = QStringLiteral("ABCD1234EFGHJ");
    auto dialog = m_bench->open();
    auto *code = find<QLabel>(*dialog, "lblRemoteCode");
    QVERIFY(!code->text().contains(QLatin1String("ABCD")));
    QCOMPARE(code->text().size(), QStringLiteral("ABCD-1234-EFGHJ").size());
    QVERIFY(!hasQrCode(*dialog));
    press(*dialog, "cmdShowCode");
    QCOMPARE(code->text(), QStringLiteral("ABCD-1234-EFGHJ"));
    QVERIFY(hasQrCode(*dialog));
    press(*dialog, "cmdShowCode");
    QVERIFY(!hasQrCode(*dialog));
    // Opened again, hidden again.
    press(*dialog, "cmdShowCode");
    press(*dialog, "cmdCancel");
    dialog = m_bench->open();
    QVERIFY(!hasQrCode(*dialog));
}

void TestOptionSecrets::switchingOnMakesAndShowsACodeAtOnce()
{
    QVERIFY(m_bench->settings.RemoteCode.isEmpty());
    auto dialog = m_bench->open();
    QVERIFY(!hasQrCode(*dialog));
    find<QCheckBox>(*dialog, "chkRemote")->click();
    // Before Ok: the code is made and kept, and its QR code can be scanned now.
    const QString code = m_bench->settings.RemoteCode;
    QCOMPARE(code.size(), 13);
    QCOMPARE(m_bench->store.value(QStringLiteral("RemoteControl/Code")).toString(), code);
    QVERIFY(hasQrCode(*dialog));
    press(*dialog, "cmdOk");
    QCOMPARE(m_bench->settings.RemoteEnabled, qint16(1));
    QCOMPARE(m_bench->settings.RemoteCode, code);
}

QTEST_MAIN(TestOptionSecrets)
#include "tst_optionsecrets.moc"
