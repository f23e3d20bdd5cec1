#include "options/buzzerdisplay.h"
#include "startup/fonts.h"
#include "tests/support/optionsdriver.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QTemporaryDir>

#include <memory>
#include <utility>

// What the options dialog's tabs do before Ok: Reset Colors and Reset Keys, the buzzer file and
// how it is shown, the colour picker, and the limits of the text boxes.
class TestOptionsTabs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();

    void resetColors_data();
    void resetColors();
    void resetKeys_data();
    void resetKeys();
    void buzzerDisplayRule_data();
    void buzzerDisplayRule();
    void chooseSoundFile_data();
    void chooseSoundFile();
    void colourPicker();
    void colourKeepsItsHighByte();
    void typingLimits();
    void longStoredTextsKeptUnlessEdited();
    void languageChoice_data();
    void languageChoice();

private:
    QString pathOfLength(int length, bool create);

    QTemporaryDir m_dir;
    std::unique_ptr<OptionsBench> m_bench;
};

void TestOptionsTabs::initTestCase()
{
    InstallFontSubstitutions();
    QVERIFY(m_dir.isValid());
}

void TestOptionsTabs::init()
{
    m_bench = std::make_unique<OptionsBench>();
}

// A path of exactly `length` characters in the temporary folder, as a file or not at all.
QString TestOptionsTabs::pathOfLength(int length, bool create)
{
    const QString folder = m_dir.path() + QLatin1Char('/');
    const QString path
        = folder + QString(length - folder.size() - 4, QLatin1Char('b')) + QStringLiteral(".wav");
    if (create) {
        QFile file(path);
        file.open(QIODevice::WriteOnly);
    }
    return path;
}

void TestOptionsTabs::resetColors_data()
{
    QTest::addColumn<bool>("yes");
    QTest::addColumn<bool>("ok");
    QTest::newRow("Yes, then Ok") << true << true;
    QTest::newRow("Yes, then Cancel") << true << false;
    QTest::newRow("No, then Ok") << false << true;
}

void TestOptionsTabs::resetColors()
{
    QFETCH(bool, yes);
    QFETCH(bool, ok);
    m_bench->settings.HomeColor = 1;
    m_bench->settings.GuestColor = 2;
    m_bench->settings.FormColor = 3;
    m_bench->settings.TextColor = 4;
    m_bench->settings.LEDColor = 5;
    m_bench->settings.LEDBackColor = 6;
    const LiveSettings before = m_bench->settings;
    auto dialog = m_bench->open();
    m_bench->ui.answers = {yes};
    press(*dialog, "cmdResetColors");
    QCOMPARE(m_bench->ui.questions.size(), 1);
    QCOMPARE(m_bench->ui.questions.at(0).title, QStringLiteral("Reset Colors"));
    QCOMPARE(m_bench->ui.questions.at(0).text,
        QStringLiteral("Are you sure you want to reset the colors?"));
    QCOMPARE(swatch(*dialog, "picBackC"), yes ? 0x00008000 : 3);
    press(*dialog, ok ? "cmdOk" : "cmdCancel");

    LiveSettings expected = before;
    if (yes && ok) {
        expected.HomeColor = 0x00FFFFFF;
        expected.GuestColor = 0x00FFFFFF;
        expected.FormColor = 0x00008000;
        expected.TextColor = 0x00FFFFFF;
        expected.LEDColor = 0x0000FFFF;
        expected.LEDBackColor = 0;
    }
    QCOMPARE(m_bench->settings, expected);
    QCOMPARE(m_bench->store.allKeys().isEmpty(), !ok);
}

void TestOptionsTabs::resetKeys_data()
{
    resetColors_data();
}

void TestOptionsTabs::resetKeys()
{
    QFETCH(bool, yes);
    QFETCH(bool, ok);
    m_bench->settings.StartStopClockKey = 'S';
    m_bench->settings.ResetClockKey = '1';
    m_bench->settings.BuzzerKey = 'z';
    m_bench->settings.NextPhaseKey = 'n';
    m_bench->settings.AddedTimeKey = '*';
    m_bench->settings.BuzzerFile = QStringLiteral("/srv/horn.wav");
    const LiveSettings before = m_bench->settings;
    auto dialog = m_bench->open();
    m_bench->ui.answers = {yes};
    press(*dialog, "cmdResetKeys");
    QCOMPARE(m_bench->ui.questions.size(), 1);
    QCOMPARE(m_bench->ui.questions.at(0).title, QStringLiteral("Reset Keys"));
    QCOMPARE(m_bench->ui.questions.at(0).text,
        QStringLiteral("Are you sure you want to reset the keys?"));
    QCOMPARE(labelText(*dialog, "lblStartStopK"), yes ? QStringLiteral("s") : QStringLiteral("S"));
    QCOMPARE(labelText(*dialog, "lblResetK"), yes ? QStringLiteral("r") : QStringLiteral("1"));
    QCOMPARE(labelText(*dialog, "lblBuzzerK"), yes ? QStringLiteral("b") : QStringLiteral("z"));
    QCOMPARE(labelText(*dialog, "lblNextPhaseK"), yes ? QStringLiteral("p") : QStringLiteral("n"));
    QCOMPARE(labelText(*dialog, "lblAddedTimeK"), yes ? QStringLiteral("a") : QStringLiteral("*"));
    press(*dialog, ok ? "cmdOk" : "cmdCancel");

    LiveSettings expected = before;
    if (yes && ok) {
        expected.StartStopClockKey = 115;
        expected.ResetClockKey = 114;
        expected.BuzzerKey = 98;
        expected.NextPhaseKey = 112;
        expected.AddedTimeKey = 97;
    }
    QCOMPARE(m_bench->settings, expected);
    QCOMPARE(m_bench->settings.BuzzerFile, QStringLiteral("/srv/horn.wav")); // never reset
}

void TestOptionsTabs::buzzerDisplayRule_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("shown");

    const QString whole = pathOfLength(50, true);
    QTest::newRow("50 characters, shown whole") << whole << whole;
    const QString longer = pathOfLength(51, true);
    QTest::newRow("51 characters, shortened") << longer
                                              << longer.left(10) + QStringLiteral(" ...")
            + QDir::separator() + QFileInfo(longer).fileName();
    const QString missing = pathOfLength(52, false);
    QTest::newRow("long and missing: no name")
        << missing << missing.left(10) + QStringLiteral(" ...") + QDir::separator();
    const QString folder = m_dir.path() + QLatin1Char('/') + QString(60, QLatin1Char('d'));
    QDir().mkpath(folder);
    QTest::newRow("long folder: no name")
        << folder << folder.left(10) + QStringLiteral(" ...") + QDir::separator();
    QTest::newRow("short and missing: the path") << "/x/y.wav"
                                                 << "/x/y.wav";
    QTest::newRow("empty") << QString() << QStringLiteral("[No File Selected]");
}

void TestOptionsTabs::buzzerDisplayRule()
{
    QFETCH(QString, path);
    QFETCH(QString, shown);
    QCOMPARE(BuzzerDisplayText(path), shown);

    m_bench->settings.BuzzerFile = path;
    auto dialog = m_bench->open();
    QCOMPARE(labelText(*dialog, "lblBuzzerSound"), shown);
    press(*dialog, "cmdOk");
    QCOMPARE(m_bench->settings.BuzzerFile, path); // the path is kept whole whatever is shown
}

void TestOptionsTabs::chooseSoundFile_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<bool>("taken");
    QTest::newRow("existing file") << pathOfLength(60, true) << true;
    QTest::newRow("missing file") << pathOfLength(40, false) << false;
    QTest::newRow("cancelled") << QString() << false;
    QTest::newRow("a folder") << m_dir.path() << false;
}

void TestOptionsTabs::chooseSoundFile()
{
    QFETCH(QString, chosen);
    QFETCH(bool, taken);
    auto dialog = m_bench->open();
    m_bench->ui.files = {chosen};
    press(*dialog, "cmdBuzzerSound");
    QCOMPARE(m_bench->ui.fileFilters, QStringList{QStringLiteral("Sounds *.wav (*.wav)")});
    const QString expected = taken ? chosen : QStringLiteral("/opt/varnelo/buzzer.wav");
    QCOMPARE(labelText(*dialog, "lblBuzzerSound"), BuzzerDisplayText(expected));
    QCOMPARE(m_bench->settings.BuzzerFile, QStringLiteral("/opt/varnelo/buzzer.wav"));
    press(*dialog, "cmdOk");
    QCOMPARE(m_bench->settings.BuzzerFile, expected);
}

void TestOptionsTabs::colourPicker()
{
    m_bench->settings.HomeColor = 0x00010203;
    m_bench->settings.GuestColor = 0x00040506;
    auto dialog = m_bench->open();
    QCOMPARE(swatch(*dialog, "picHomeC"), 0x00010203);

    m_bench->ui.colors = {0x00123456, std::nullopt, 0x00654321};
    press(*dialog, "cmdHomeC");
    press(*dialog, "cmdGuestC"); // cancelled after another swatch was changed
    press(*dialog, "cmdHomeC");
    // Each picker opens at its swatch's colour as it is then.
    QCOMPARE(m_bench->ui.colorPickerStarts, (QList<qint32>{0x00010203, 0x00040506, 0x00123456}));
    QCOMPARE(swatch(*dialog, "picHomeC"), 0x00654321);
    QCOMPARE(swatch(*dialog, "picGuestC"), 0x00040506);

    press(*dialog, "cmdOk");
    QCOMPARE(m_bench->settings.HomeColor, 0x00654321);
    QCOMPARE(m_bench->settings.GuestColor, 0x00040506);
}

void TestOptionsTabs::colourKeepsItsHighByte()
{
    // Colours from the store may carry a high byte no picker gives; unchanged, they stay so.
    m_bench->settings.LEDBackColor = -16777216;
    m_bench->settings.FormColor = qint32(0x80000005);
    auto dialog = m_bench->open();
    QCOMPARE(swatch(*dialog, "picLedBackC"), 0);
    press(*dialog, "cmdOk");
    QCOMPARE(m_bench->settings.LEDBackColor, -16777216);
    QCOMPARE(m_bench->settings.FormColor, qint32(0x80000005));
}

void TestOptionsTabs::typingLimits()
{
    auto dialog = m_bench->open();
    showTab(*dialog, 2);
    const QString forty(40, QLatin1Char('w'));
    const std::pair<const char *, int> limits[]
        = {{"txtTitleText", 30}, {"txtHomeText", 10}, {"txtGuestText", 10}};
    for (const auto &[name, limit] : limits) {
        auto *box = find<QLineEdit>(*dialog, name);
        box->selectAll();
        QTest::keyClicks(box, forty);
        QCOMPARE(box->text(), forty.left(limit));
    }
    showTab(*dialog, 3);
    const QString longPage(200, QLatin1Char('p'));
    QTest::keyClicks(find<QLineEdit>(*dialog, "txtWebSBURL"), longPage);
    QTest::keyClicks(find<QLineEdit>(*dialog, "txtWebSBPassCode"), longPage);
    press(*dialog, "cmdOk");
    QCOMPARE(m_bench->settings.TitleText, forty.left(30));
    QCOMPARE(m_bench->settings.HomeText, forty.left(10));
    QCOMPARE(m_bench->settings.URL, longPage);
    QCOMPARE(m_bench->settings.PassCode, longPage);
}

void TestOptionsTabs::longStoredTextsKeptUnlessEdited()
{
    m_bench->settings.TitleText = QString(45, QLatin1Char('T'));
    m_bench->settings.HomeText = QStringLiteral("Borussia Mönchengladbach");
    m_bench->settings.GuestText = QString(40000, QLatin1Char('G'));
    auto dialog = m_bench->open();
    showTab(*dialog, 2);
    auto *title = find<QLineEdit>(*dialog, "txtTitleText");
    QCOMPARE(title->text(), m_bench->settings.TitleText);
    QCOMPARE(find<QLineEdit>(*dialog, "txtGuestText")->text(), m_bench->settings.GuestText);

    // Typing cannot make the long title longer; after deleting, it can grow back no further.
    title->end(false);
    QTest::keyClicks(title, QStringLiteral("xy"));
    QCOMPARE(title->text(), QString(45, QLatin1Char('T')));
    QTest::keyClick(title, Qt::Key_Backspace);
    QTest::keyClicks(title, QStringLiteral("xy"));
    QCOMPARE(title->text(), QString(44, QLatin1Char('T')) + QLatin1Char('x'));

    press(*dialog, "cmdOk");
    QCOMPARE(m_bench->settings.TitleText, QString(44, QLatin1Char('T')) + QLatin1Char('x'));
    QCOMPARE(m_bench->settings.HomeText, QStringLiteral("Borussia Mönchengladbach"));
    QCOMPARE(m_bench->settings.GuestText.size(), 40000);
}

void TestOptionsTabs::languageChoice_data()
{
    QTest::addColumn<QString>("stored");
    // The choice's code; "-" leaves the box as it opened.
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<int>("shown");
    QTest::addColumn<QString>("saved");
    QTest::newRow("system, untouched") << QString() << QStringLiteral("-") << 0 << QString();
    QTest::newRow("German, untouched")
        << QStringLiteral("de") << QStringLiteral("-") << 2 << QStringLiteral("de");
    // A value the program does not know shows as the system's and is kept unless changed.
    QTest::newRow("unknown, untouched")
        << QStringLiteral("tlh") << QStringLiteral("-") << 0 << QStringLiteral("tlh");
    QTest::newRow("unknown, French chosen")
        << QStringLiteral("tlh") << QStringLiteral("fr") << 0 << QStringLiteral("fr");
    QTest::newRow("German, back to the system")
        << QStringLiteral("de") << QString() << 2 << QString();
    QTest::newRow("system, English chosen")
        << QString() << QStringLiteral("en") << 0 << QStringLiteral("en");
}

void TestOptionsTabs::languageChoice()
{
    QFETCH(QString, stored);
    QFETCH(QString, chosen);
    QFETCH(int, shown);
    QFETCH(QString, saved);
    m_bench->settings.Language = stored;
    auto dialog = m_bench->open();
    press(*dialog, "cmdLanguage");
    auto *box = find<QComboBox>(*dialog, "cboLanguage");
    QCOMPARE(box->currentIndex(), shown);
    QVERIFY(box->isVisible());
    if (chosen != u"-") {
        box->setCurrentIndex(box->findData(chosen));
    }
    press(*dialog, "cmdOk");
    QCOMPARE(m_bench->settings.Language, saved);
    QSettings reread(m_bench->store.fileName(), QSettings::IniFormat);
    QCOMPARE(reread.value(QStringLiteral("LanguageSettings/Language")).toString(), saved);
}

QTEST_MAIN(TestOptionsTabs)
#include "tst_optionstabs.moc"
