#include "options/overlaydialog.h"
#include "remote/pairingcode.h"
#include "remote/remotecontrol.h"
#include "tests/support/gamefixture.h"
#include "tests/support/optionsdriver.h"

#include <QCheckBox>
#include <QPlainTextEdit>

// The overlay for streams in the options: switched on with Ok, its token made at once when it
// is switched on and renewed at once, and its pages' addresses ready to copy.
class TestOverlayOptions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { m_bench = std::make_unique<OptionsBench>(); }
    void switchingOnMakesATokenAndOkKeepsIt();
    void cancelKeepsTheOverlayOff();
    void aNewTokenIsMadeAndSavedAtOnce();

private:
    // Opens the overlay's dialog from the remote control's page, runs `interact` on it and
    // closes it with `accept`.
    void withOverlayDialog(
        frmOptions &dialog, bool accept, const std::function<void(OverlayDialog &)> &interact);
    std::unique_ptr<OptionsBench> m_bench;
};

void TestOverlayOptions::withOverlayDialog(
    frmOptions &dialog, bool accept, const std::function<void(OverlayDialog &)> &interact)
{
    bool seen = false;
    QTimer::singleShot(0, &dialog, [&] {
        auto *overlay = qobject_cast<OverlayDialog *>(QApplication::activeModalWidget());
        if (overlay == nullptr) {
            return;
        }
        seen = true;
        interact(*overlay);
        if (accept) {
            overlay->accept();
        } else {
            overlay->reject();
        }
    });
    press(dialog, "cmdOverlay");
    QVERIFY2(seen, "the overlay's dialog did not open");
}

void TestOverlayOptions::switchingOnMakesATokenAndOkKeepsIt()
{
    m_bench->settings.RemotePort = 9000;
    auto dialog = m_bench->open();
    QString token;
    withOverlayDialog(*dialog, true, [&](OverlayDialog &overlay) {
        auto *urls = find<QPlainTextEdit>(overlay, "txtOverlayUrls");
        QVERIFY(!find<QCheckBox>(overlay, "chkOverlay")->isChecked());
        QVERIFY(urls->toPlainText().isEmpty());
        QVERIFY(urls->isReadOnly());
        find<QCheckBox>(overlay, "chkOverlay")->click();
        // Before Ok: the token is made and kept, and the addresses can be copied now.
        token = m_bench->settings.OverlayToken;
        QCOMPARE(token.size(), 13);
        QCOMPARE(m_bench->store.value(QStringLiteral("Overlay/Token")).toString(), token);
        QCOMPARE(find<QLabel>(overlay, "lblOverlayToken")->text(), token);
        const QStringList lines = urls->toPlainText().split(u'\n');
        QCOMPARE(lines.size(), 5);
        const QStringList pages{QStringLiteral("scorebug"), QStringLiteral("statistics"),
            QStringLiteral("shootout"), QStringLiteral("goal"), QStringLiteral("board")};
        for (qsizetype i = 0; i < lines.size(); ++i) {
            QCOMPARE(lines.at(i),
                QStringLiteral("%1overlay/%2?token=%3")
                    .arg(RemoteAddress(9000), pages.at(i), token));
        }
    });
    QCOMPARE(m_bench->settings.OverlayEnabled, qint16(0)); // pending until Ok
    press(*dialog, "cmdOk");
    QCOMPARE(m_bench->settings.OverlayEnabled, qint16(1));
    QCOMPARE(m_bench->settings.OverlayToken, token);
    LiveSettings stored;
    LoadSettings(stored, m_bench->store);
    QCOMPARE(stored.OverlayEnabled, qint16(1));
    QCOMPARE(stored.OverlayToken, token);
    // The phones' pairing code has nothing to do with it.
    QVERIFY(stored.RemoteCode.isEmpty());
}

void TestOverlayOptions::cancelKeepsTheOverlayOff()
{
    auto dialog = m_bench->open();
    withOverlayDialog(*dialog, false,
        [&](OverlayDialog &overlay) { find<QCheckBox>(overlay, "chkOverlay")->click(); });
    press(*dialog, "cmdOk");
    QCOMPARE(m_bench->settings.OverlayEnabled, qint16(0));
    // Opened again, it shows what is in force.
    m_bench->settings.OverlayEnabled = 1;
    dialog = m_bench->open();
    withOverlayDialog(*dialog, true, [&](OverlayDialog &overlay) {
        QVERIFY(find<QCheckBox>(overlay, "chkOverlay")->isChecked());
        QCOMPARE(find<QLabel>(overlay, "lblOverlayToken")->text(), m_bench->settings.OverlayToken);
    });
}

void TestOverlayOptions::aNewTokenIsMadeAndSavedAtOnce()
{
    GameFixture game;
    m_bench->settings.OverlayEnabled = 1;
    m_bench->settings.OverlayToken = QStringLiteral("TKNW5678XYZQR");
    m_bench->settings.RemoteCode = QStringLiteral("ABCD1234EFGHJ");
    int saves = 0;
    RemoteControl remote(*game.model, m_bench->settings, [] {});
    remote.setSaveToken([&] {
        ++saves;
        SaveOverlayToken(m_bench->settings, m_bench->store);
    });
    auto dialog = m_bench->open();
    dialog->setRemoteControl(&remote);
    withOverlayDialog(*dialog, false, [&](OverlayDialog &overlay) {
        QTest::mouseClick(find<QPushButton>(overlay, "cmdNewOverlayToken"), Qt::LeftButton);
        const QString token = m_bench->settings.OverlayToken;
        QVERIFY(token != QLatin1String("TKNW5678XYZQR"));
        QCOMPARE(find<QLabel>(overlay, "lblOverlayToken")->text(), token);
        QVERIFY(overlay.urls().contains(QStringLiteral("?token=") + token));
    });
    // At once, whatever becomes of the dialogs.
    QCOMPARE(saves, 1);
    QCOMPARE(m_bench->store.value(QStringLiteral("Overlay/Token")).toString(),
        m_bench->settings.OverlayToken);
    QCOMPARE(m_bench->settings.RemoteCode, QStringLiteral("ABCD1234EFGHJ"));
    press(*dialog, "cmdCancel");
}

QTEST_MAIN(TestOverlayOptions)
#include "tst_overlayoptions.moc"
