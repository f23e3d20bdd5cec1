#include "options/frmoptions.h"
#include "settings/livesettings.h"
#include "startup/artwork.h"
#include "startup/fonts.h"
#include "startup/frmsplash.h"
#include "tests/support/recordingui.h"
#include "web/webstate.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

class TestSplash : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();

    void loadReadsSettingsAndSwitchesWebOff();
    void window();
    void clicksLeaveForTheBoardOnce_data();
    void clicksLeaveForTheBoardOnce();
    void otherClicksStay();
    void helpButtonShowsHelp();
    void optionsButtonOpensOptionsOnTheSameSettings();
    void boardMayDeleteTheSplash();
    void logoAndIcon();

private:
    std::unique_ptr<frmSplash> makeSplash();

    QTemporaryDir m_dir;
    int m_storeCount = 0;
    std::unique_ptr<QSettings> m_store;
    LiveSettings m_settings;
    WebState m_web;
    RecordingUi m_ui;
    int m_boards = 0;
    int m_helps = 0;
};

void TestSplash::initTestCase()
{
    InstallFontSubstitutions();
    // As the program does: every window shows the application's icon.
    QApplication::setWindowIcon(VarneloIcon());
}

void TestSplash::init()
{
    m_store = std::make_unique<QSettings>(
        m_dir.filePath(QStringLiteral("store%1.conf").arg(++m_storeCount)), QSettings::IniFormat);
    m_settings = LiveSettings();
    m_web = WebState();
    m_boards = 0;
    m_helps = 0;
}

std::unique_ptr<frmSplash> TestSplash::makeSplash()
{
    auto splash = std::make_unique<frmSplash>(
        m_settings, m_web, *m_store, m_ui, QStringLiteral("/opt/varnelo/buzzer.wav"),
        [this] { ++m_boards; }, [this] { ++m_helps; },
        [this](QWidget *owner) {
            // As the application opens it.
            frmOptions options(m_settings, m_web, *m_store, m_ui, owner);
            options.exec();
        });
    splash->show();
    return splash;
}

void TestSplash::loadReadsSettingsAndSwitchesWebOff()
{
    m_store->setValue(QStringLiteral("TextSettings/HomeText"), QStringLiteral("Rovers"));
    m_store->setValue(QStringLiteral("KeySettings/StartStopClockKey"), QStringLiteral("83"));
    m_web.WebSBFailCount = 3;
    m_settings.GuestText = QStringLiteral("left over");

    auto splash = makeSplash();
    QCOMPARE(m_settings.HomeText, QStringLiteral("Rovers"));
    QCOMPARE(m_settings.StartStopClockKey, qint16(83));
    QCOMPARE(m_settings.GuestText, QStringLiteral("Guest"));
    QCOMPARE(m_settings.BuzzerFile, QStringLiteral("/opt/varnelo/buzzer.wav"));
    QCOMPARE(m_web.WebSBFailCount, qint16(-1));

    auto *version = splash->findChild<QLabel *>(QStringLiteral("lblVersion"));
    QVERIFY(version);
    QCOMPARE(version->text(), QStringLiteral("Version " VARNELO_EXPECTED_VERSION));
    auto *system = splash->findChild<QLabel *>(QStringLiteral("lblSystem"));
    QVERIFY(system);
#if defined(Q_OS_LINUX)
    QCOMPARE(system->text(), QStringLiteral("Linux"));
#elif !defined(Q_OS_WIN)
    QVERIFY(system->text() != QStringLiteral("Windows"));
#endif
    QCOMPARE(m_boards, 0);
}

void TestSplash::window()
{
    auto splash = makeSplash();
    QCOMPARE(splash->size(), QSize(416, 223));
    QVERIFY(splash->windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(splash->windowType(), Qt::Tool); // kept out of the taskbar
    QVERIFY(!splash->windowIcon().isNull());

    splash->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(splash.get()));
    auto *help = splash->findChild<QPushButton *>(QStringLiteral("cmdHelp"));
    auto *options = splash->findChild<QPushButton *>(QStringLiteral("cmdOptions"));
    QVERIFY(help && options);
    QCOMPARE(QApplication::focusWidget(), help);
    QCOMPARE(help->text(), QStringLiteral("&Help"));
    QCOMPARE(options->text(), QStringLiteral("&Options"));
    QCOMPARE(help->nextInFocusChain(), options);

    auto *name = splash->findChild<QLabel *>(QStringLiteral("lblName"));
    QVERIFY(name);
    QCOMPARE(name->text(), QStringLiteral("Varnelo"));

    // Every label shows its text whole, ampersands as written.
    for (const QLabel *label : splash->findChildren<QLabel *>()) {
        QCOMPARE(label->focusPolicy(), Qt::NoFocus);
        if (label->pixmap().isNull()) {
            QCOMPARE(label->textFormat(), Qt::PlainText);
            QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(),
                qPrintable(label->objectName()));
            QVERIFY2(
                label->fontMetrics().height() <= label->height(), qPrintable(label->objectName()));
        }
    }
    auto *logo = splash->findChild<QLabel *>(QStringLiteral("picLogo"));
    QVERIFY(logo);
    QCOMPARE(logo->geometry(), QRect(24, 60, 140, 140));
}

void TestSplash::clicksLeaveForTheBoardOnce_data()
{
    QTest::addColumn<QString>("target");
    for (const char *name : {"lblName", "lblClick", "lblSystem", "lblVersion", "lblMadeBy",
             "picLogo", "frameSplash", ""}) {
        QTest::newRow(*name ? name : "background") << QString::fromLatin1(name);
    }
}

void TestSplash::clicksLeaveForTheBoardOnce()
{
    QFETCH(QString, target);
    auto splash = makeSplash();
    QWidget *widget = splash.get();
    QPoint at(3, 100); // left of the frame: bare background
    if (!target.isEmpty()) {
        widget = splash->findChild<QWidget *>(target);
        QVERIFY(widget);
        at = widget->rect().center();
        if (target == QLatin1String("frameSplash")) {
            at = QPoint(180, 205); // below the logo, left of the credit line
        }
    }
    // The click lands on the target itself, not on something in front of it.
    QCOMPARE(splash->childAt(widget->mapTo(splash.get(), at)),
        widget == splash.get() ? nullptr : widget);

    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, at);
    QCOMPARE(m_boards, 1);
    QVERIFY(!splash->isVisible());
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, at);
    splash->GoScore();
    QCOMPARE(m_boards, 1);
    QCOMPARE(m_helps, 0);
}

void TestSplash::otherClicksStay()
{
    auto splash = makeSplash();
    auto *name = splash->findChild<QLabel *>(QStringLiteral("lblName"));
    QTest::mouseClick(name, Qt::RightButton);
    // Pressed on the splash, let go outside it.
    QTest::mousePress(name, Qt::LeftButton);
    QTest::mouseRelease(splash.get(), Qt::LeftButton, Qt::NoModifier, QPoint(-20, -20));
    QVERIFY(splash->isVisible());
    QCOMPARE(m_boards, 0);
}

void TestSplash::helpButtonShowsHelp()
{
    auto splash = makeSplash();
    auto *help = splash->findChild<QPushButton *>(QStringLiteral("cmdHelp"));
    QTest::mouseClick(help, Qt::LeftButton);
    QTest::keyClick(help, Qt::Key_Return);
    QTest::keyClick(help, Qt::Key_Space);
    QCOMPARE(m_helps, 3);
    QCOMPARE(m_boards, 0);
    QVERIFY(splash->isVisible());
}

void TestSplash::optionsButtonOpensOptionsOnTheSameSettings()
{
    auto splash = makeSplash();
    QPointer<frmOptions> seen;
    QTimer::singleShot(0, splash.get(), [&] {
        seen = qobject_cast<frmOptions *>(QApplication::activeModalWidget());
        if (seen == nullptr) {
            return;
        }
        seen->findChild<QTabWidget *>(QStringLiteral("sstOptions"))->setCurrentIndex(2);
        auto *title = seen->findChild<QLineEdit *>(QStringLiteral("txtTitleText"));
        title->selectAll();
        QTest::keyClicks(title, QStringLiteral("Final"));
        QTest::mouseClick(seen->findChild<QPushButton *>(QStringLiteral("cmdOk")), Qt::LeftButton);
    });
    QTest::mouseClick(
        splash->findChild<QPushButton *>(QStringLiteral("cmdOptions")), Qt::LeftButton);
    // The dialog was a child of the splash, and is gone once closed.
    QVERIFY(seen.isNull());
    QCOMPARE(m_settings.TitleText, QStringLiteral("Final"));
    QCOMPARE(m_store->value(QStringLiteral("TextSettings/TitleText")).toString(),
        QStringLiteral("Final"));
    QCOMPARE(m_boards, 0);
    QVERIFY(splash->isVisible());
}

void TestSplash::boardMayDeleteTheSplash()
{
    // The board's owner may drop the splash while it is being left.
    QPointer<frmSplash> splash;
    splash = new frmSplash(
        m_settings, m_web, *m_store, m_ui, QString(),
        [&] {
            ++m_boards;
            delete splash;
        },
        [] {}, [](QWidget *) {});
    splash->show();
    QTest::mouseClick(splash, Qt::LeftButton, Qt::NoModifier, QPoint(3, 100));
    QVERIFY(splash.isNull());
    QCOMPARE(m_boards, 1);
}

void TestSplash::logoAndIcon()
{
    const QIcon icon = VarneloIcon();
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        const QString name = QString::number(size);
        QVERIFY2(icon.availableSizes().contains(QSize(size, size)), qPrintable(name));
        // The shipped pictures are the logo as drawn now: where it is opaque, the same pixels.
        const QImage shipped = icon.pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32);
        const QImage drawn = VarneloLogo(size).toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(shipped.size(), QSize(size, size));
        const QPoint middle(size / 2, size * 5 / 14);
        QCOMPARE(shipped.pixel(middle), drawn.pixel(middle));
        QCOMPARE(qAlpha(shipped.pixel(0, 0)), 0);
    }
    const QImage logo = VarneloLogo(140).toImage();
    QCOMPARE(logo.size(), QSize(140, 140));
    // Rounded corners let the background through; the middle is drawn.
    QCOMPARE(qAlpha(logo.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(logo.pixel(70, 50)), 255);
    QVERIFY(logo.pixel(70, 50) != logo.pixel(70, 125));
    const QPixmap sharp = VarneloLogo(140, 2.0);
    QCOMPARE(sharp.size(), QSize(280, 280));
    QCOMPARE(sharp.deviceIndependentSize(), QSizeF(140, 140));
}

QTEST_MAIN(TestSplash)
#include "tst_frmsplash.moc"
