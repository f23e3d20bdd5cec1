#include "settings/livesettings.h"
#include "startup/fonts.h"
#include "startup/frmsplash.h"
#include "startup/splashpicture.h"
#include "tests/support/recordingui.h"
#include "web/webstate.h"

#include <QApplication>
#include <QFile>
#include <QPainter>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <memory>

// The picture kept from the last start stands in for the splash's first frame: it must be read
// back only when it is ours and for the same splash, and look exactly as the splash it precedes.
class TestSplashPicture : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void readsOnlyItsOwnPictures_data();
    void readsOnlyItsOwnPictures();
    void standsInForTheFirstFrame();

private:
    std::unique_ptr<frmSplash> makeSplash(int &textsLaidOut, int &drawn);

    QTemporaryDir m_dir;
    QSettings m_store{m_dir.filePath(QStringLiteral("store.conf")), QSettings::IniFormat};
    LiveSettings m_settings;
    WebState m_web;
    RecordingUi m_ui;
};

void TestSplashPicture::initTestCase()
{
    InstallFontSubstitutions();
}

void TestSplashPicture::readsOnlyItsOwnPictures_data()
{
    QTest::addColumn<QString>("damage");
    QTest::addColumn<bool>("read");
    QTest::newRow("as written") << QString() << true;
    QTest::newRow("another key") << QStringLiteral("key") << false;
    QTest::newRow("a byte short") << QStringLiteral("short") << false;
    QTest::newRow("a byte more") << QStringLiteral("long") << false;
    QTest::newRow("another magic") << QStringLiteral("magic") << false;
    QTest::newRow("a side past any screen") << QStringLiteral("huge") << false;
    QTest::newRow("no scale") << QStringLiteral("scale") << false;
    QTest::newRow("empty") << QStringLiteral("empty") << false;
    QTest::newRow("missing") << QStringLiteral("missing") << false;
}

void TestSplashPicture::readsOnlyItsOwnPictures()
{
    QFETCH(QString, damage);
    QFETCH(bool, read);
    QImage picture(30, 20, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::darkGreen);
    QPainter(&picture).fillRect(5, 5, 10, 4, Qt::yellow);
    picture.setDevicePixelRatio(1.5);
    const QString path = m_dir.filePath(QStringLiteral("kept/splash.picture"));
    QFile::remove(path);
    QVERIFY(WriteSplashPicture(path, "texts and fonts", picture));

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QByteArray bytes = file.readAll();
    // The header: 16 bytes of magic, 32 of hash, then width, height and scale.
    if (damage == u"short") {
        bytes.chop(1);
    } else if (damage == u"long") {
        bytes.append('\0');
    } else if (damage == u"magic") {
        bytes[0] = 'W';
    } else if (damage == u"huge") {
        bytes.replace(48, 4, QByteArray::fromHex("00010000"));
    } else if (damage == u"scale") {
        bytes.replace(56, 4, QByteArray(4, '\0'));
    } else if (damage == u"empty") {
        bytes.clear();
    }
    file.resize(0);
    file.write(bytes);
    file.close();
    if (damage == u"missing") {
        QVERIFY(QFile::remove(path));
    }

    const QImage back
        = ReadSplashPicture(path, damage == u"key" ? "other texts" : "texts and fonts");
    QCOMPARE(!back.isNull(), read);
    if (read) {
        QCOMPARE(back, picture);
        QCOMPARE(back.devicePixelRatio(), 1.5);
    }
}

std::unique_ptr<frmSplash> TestSplashPicture::makeSplash(int &textsLaidOut, int &drawn)
{
    const QString path = m_dir.filePath(QStringLiteral("splash.picture"));
    return std::make_unique<frmSplash>(
        m_settings, m_web, m_store, m_ui, QString(), [] {}, [] {}, [](QWidget *) {},
        SplashStart{path,
            [&textsLaidOut] {
                // Before any of the splash's own widgets exist.
                const QWidgetList widgets = QApplication::allWidgets();
                QVERIFY(std::none_of(widgets.begin(), widgets.end(),
                    [](QWidget *widget) { return widget->objectName() == u"cmdHelp"; }));
                ++textsLaidOut;
            },
            [&drawn] { ++drawn; }});
}

void TestSplashPicture::standsInForTheFirstFrame()
{
    const QString path = m_dir.filePath(QStringLiteral("splash.picture"));
    QFile::remove(path);
    int first = 0;
    int firstDrawn = 0;
    QImage drawn;
    {
        // No picture yet: drawn as always, and kept once it is on screen.
        const auto splash = makeSplash(first, firstDrawn);
        QCOMPARE(first, 1);
        QVERIFY(splash->findChild<QPushButton *>(QStringLiteral("cmdHelp")));
        splash->show();
        QVERIFY(QTest::qWaitForWindowExposed(splash.get()));
        QTRY_VERIFY(QFile::exists(path));
        QTRY_COMPARE(firstDrawn, 1);
        drawn = splash->grab().toImage();
    }

    int second = 0;
    int secondDrawn = 0;
    const auto splash = makeSplash(second, secondDrawn);
    QCOMPARE(second, 0);
    QVERIFY(!splash->findChild<QPushButton *>(QStringLiteral("cmdHelp")));
    // The first frame is the picture, pixel for pixel what the splash drew the last time.
    QCOMPARE(splash->grab().toImage(), drawn);
    QCOMPARE(second, 0);
    QTest::qWait(10);
    // The picture is not the splash: what waits for it is not run yet.
    QCOMPARE(secondDrawn, 0);
    splash->show();
    QVERIFY(QTest::qWaitForWindowExposed(splash.get()));
    // Then the real splash takes the picture's place, once the fonts are ready.
    QTRY_VERIFY(splash->findChild<QPushButton *>(QStringLiteral("cmdHelp")));
    QCOMPARE(second, 1);
    QTRY_COMPARE(secondDrawn, 1);
    QCOMPARE(splash->grab().toImage(), drawn);
    QTest::qWait(10);
    QCOMPARE(secondDrawn, 1);
}

QTEST_MAIN(TestSplashPicture)
#include "tst_splashpicture.moc"
