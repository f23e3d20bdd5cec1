#include "settings/settingsstore.h"

#include "game/matchsettings.h"
#include "settings/keycodes.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(MatchFormat)
using ShortField = qint16 LiveSettings::*;
Q_DECLARE_METATYPE(ShortField)

class TestSettingsStore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void emptyStoreGivesTheDefaults();
    void saveWritesEveryKeyAsDecimalText();
    void roundTrip();
    void storedKeyIsCaseSensitiveCode();
    void garbageNumbersFallBackToTheirDefault_data();
    void garbageNumbersFallBackToTheirDefault();
    void longTextsAreTakenAsStored();
    void decimalParsing();
    void textsComeBackAsSaved_data();
    void textsComeBackAsSaved();
    void handWrittenCommasStayWhereTheyWere_data();
    void handWrittenCommasStayWhereTheyWere();
    void aStoreThatCannotBeWrittenSaysSo();
    void onlyItsOwnerMayReadTheStore();
    void thePlacementIsWrittenApart_data();
    void thePlacementIsWrittenApart();
    void matchFormatComesBackAsSaved_data();
    void matchFormatComesBackAsSaved();
    void hostileMatchValuesFallBackToTheirDefault_data();
    void hostileMatchValuesFallBackToTheirDefault();
    void aFormatThatCannotBePlayedIsTheDefault_data();
    void aFormatThatCannotBePlayedIsTheDefault();
    void teamSheetsComeBackWholeOrCut_data();
    void teamSheetsComeBackWholeOrCut();

private:
    QSettings *openStore();
    QTemporaryDir m_dir;
    std::unique_ptr<QSettings> m_store;
};

QSettings *TestSettingsStore::openStore()
{
    m_store = std::make_unique<QSettings>(
        m_dir.filePath(QStringLiteral("Varnelo.conf")), QSettings::IniFormat);
    return m_store.get();
}

void TestSettingsStore::emptyStoreGivesTheDefaults()
{
    QSettings store(m_dir.filePath(QStringLiteral("empty.conf")), QSettings::IniFormat);
    LiveSettings s;
    LoadSettings(s, store, QStringLiteral("/opt/varnelo/buzzer.wav"));
    QCOMPARE(s.StartStopClockKey, qint16(115));
    QCOMPARE(s.ResetClockKey, qint16(114));
    QCOMPARE(s.BuzzerKey, qint16(98));
    QCOMPARE(s.BuzzerFile, QStringLiteral("/opt/varnelo/buzzer.wav"));
    QCOMPARE(s.HomeColor, 16777215);
    QCOMPARE(s.GuestColor, 16777215);
    QCOMPARE(s.FormColor, 32768);
    QCOMPARE(s.TextColor, 16777215);
    QCOMPARE(s.LEDColor, 65535);
    QCOMPARE(s.LEDBackColor, 0);
    QCOMPARE(s.TitleText, QStringLiteral("Home"));
    QCOMPARE(s.HomeText, QStringLiteral("Home"));
    QCOMPARE(s.GuestText, QStringLiteral("Guest"));
    QCOMPARE(s.URL, QString());
    QCOMPARE(s.PassCode, QString());
    QCOMPARE(s.ServiceAddress, QStringLiteral("http://localhost:8080/web/"));
    // The match's keys are free letters, and the match is timed as the board always did.
    QCOMPARE(s.NextPhaseKey, qint16('p'));
    QCOMPARE(s.AddedTimeKey, qint16('a'));
    const KeyBindings keys
        = {s.StartStopClockKey, s.ResetClockKey, s.BuzzerKey, s.NextPhaseKey, s.AddedTimeKey};
    for (const qint16 key : keys) {
        QVERIFY(!IsReservedKey(key));
        QCOMPARE(std::count(keys.begin(), keys.end(), key), 1);
        QVERIFY(!QChar(key).isDigit());
    }
    QCOMPARE(MatchFormatOf(s), MatchFormat());
    QCOMPARE(MatchFormat().clock, ClockDirection::Down);
    // Reading never creates anything in the store.
    QVERIFY(store.allKeys().isEmpty());
    QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("empty.conf"))));
}

void TestSettingsStore::saveWritesEveryKeyAsDecimalText()
{
    QSettings *store = openStore();
    LiveSettings s = DefaultSettings(QStringLiteral("/x/buzzer.wav"));
    s.LEDBackColor = -16777216; // a stored negative stays signed decimal
    SaveSettings(s, *store);
    m_store.reset();

    QFile file(m_dir.filePath(QStringLiteral("Varnelo.conf")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    for (const char *line : {"[KeySettings]", "StartStopClockKey=115", "ResetClockKey=114",
             "BuzzerKey=98", "BuzzerFile=/x/buzzer.wav", "[ColorSettings]", "HomeColor=16777215",
             "GuestColor=16777215", "FormColor=32768", "TextColor=16777215", "LEDColor=65535",
             "LEDBackColor=-16777216", "[TextSettings]", "TitleText=Home", "HomeText=Home",
             "GuestText=Guest", "[WebSBSettings]",
             "URL=", "PassCode=", "ServiceAddress=http://localhost:8080/web/"}) {
        QVERIFY2(text.contains(QLatin1String(line)), line);
    }
}

void TestSettingsStore::roundTrip()
{
    LiveSettings s = DefaultSettings(QStringLiteral("/y/horn.wav"));
    s.StartStopClockKey = 49; // the digit 1
    s.HomeColor = 255;
    s.LEDBackColor = 8421504;
    s.TitleText = QStringLiteral("Cup Final, 2nd leg");
    s.HomeText = QStringLiteral("A&B Rovers");
    s.GuestText = QStringLiteral("Zürich");
    s.URL = QStringLiteral("league/page 1");
    s.PassCode = QStringLiteral("p#ss=w&rd");
    SaveSettings(s, *openStore());
    m_store.reset();

    LiveSettings loaded;
    LoadSettings(loaded, *openStore(), QStringLiteral("/unused.wav"));
    QCOMPARE(loaded, s);
}

void TestSettingsStore::storedKeyIsCaseSensitiveCode()
{
    QSettings *store = openStore();
    store->setValue(QStringLiteral("KeySettings/StartStopClockKey"), QStringLiteral("83"));
    LiveSettings s;
    LoadSettings(s, *store);
    QCOMPARE(s.StartStopClockKey, qint16(83)); // capital S
}

void TestSettingsStore::garbageNumbersFallBackToTheirDefault_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("stored");
    QTest::newRow("letters") << "KeySettings/BuzzerKey"
                             << "abc";
    QTest::newRow("key beyond 16 bits") << "KeySettings/BuzzerKey"
                                        << "70000";
    QTest::newRow("colour beyond 32 bits") << "ColorSettings/FormColor"
                                           << "4294967296";
    QTest::newRow("hex") << "ColorSettings/FormColor"
                         << "0xFF";
    QTest::newRow("spaces") << "ColorSettings/FormColor"
                            << " 12";
    QTest::newRow("plus sign") << "ColorSettings/FormColor"
                               << "+12";
    QTest::newRow("fraction") << "ColorSettings/FormColor"
                              << "1.5";
    QTest::newRow("empty") << "ColorSettings/FormColor"
                           << "";
    QTest::newRow("lone minus") << "KeySettings/BuzzerKey"
                                << "-";
}

void TestSettingsStore::garbageNumbersFallBackToTheirDefault()
{
    QFETCH(QString, key);
    QFETCH(QString, stored);
    QSettings *store = openStore();
    store->clear();
    store->setValue(key, stored);
    store->setValue(QStringLiteral("ColorSettings/TextColor"), QStringLiteral("255"));
    store->sync();
    LiveSettings s;
    LoadSettings(s, *store);
    QCOMPARE(s.BuzzerKey, qint16(98));
    QCOMPARE(s.FormColor, 32768);
    // The other settings still load, and the bad value stays in the store untouched.
    QCOMPARE(s.TextColor, 255);
    QCOMPARE(store->value(key).toString(), stored);
}

void TestSettingsStore::longTextsAreTakenAsStored()
{
    QSettings *store = openStore();
    const QString longTitle(80, QLatin1Char('T'));
    store->setValue(QStringLiteral("TextSettings/TitleText"), longTitle);
    store->setValue(QStringLiteral("TextSettings/GuestText"), QString());
    LiveSettings s;
    LoadSettings(s, *store);
    QCOMPARE(s.TitleText, longTitle);
    QCOMPARE(s.GuestText, QString()); // an empty stored text is a value, not a missing key
}

void TestSettingsStore::decimalParsing()
{
    qint64 v = 0;
    QVERIFY(ParseStoredInteger(QStringLiteral("-32768"), -32768, 32767, v));
    QCOMPARE(v, -32768);
    QVERIFY(!ParseStoredInteger(QStringLiteral("32768"), -32768, 32767, v));
    QVERIFY(ParseStoredInteger(QStringLiteral("007"), 0, 10, v));
    QCOMPARE(v, 7);
    QVERIFY(!ParseStoredInteger(QStringLiteral("99999999999999999999999"), 0, 10, v));
}

void TestSettingsStore::textsComeBackAsSaved_data()
{
    QTest::addColumn<QString>("text");
    for (const char *text :
        {"Reds, Blues", "a,b,c", ",", " Padded ", "  ", "say \"hi\"", "\"quoted\"", "x=y", "=",
            "a;b", "#1 team", "back\\slash", "@Variant(1)", "tab\there", "", "Zürich, Genève"}) {
        QTest::newRow(text) << QString::fromUtf8(text);
    }
}

void TestSettingsStore::textsComeBackAsSaved()
{
    QFETCH(QString, text);
    LiveSettings s = DefaultSettings(QStringLiteral("/y/horn.wav"));
    s.TitleText = text;
    s.HomeText = text + QLatin1Char('H');
    s.GuestText = QLatin1Char(' ') + text;
    s.URL = text;
    s.PassCode = text + QLatin1Char(',');
    QVERIFY(SaveSettings(s, *openStore()));
    m_store.reset();
    LiveSettings loaded;
    LoadSettings(loaded, *openStore(), QStringLiteral("/y/horn.wav"));
    QCOMPARE(loaded, s);
}

void TestSettingsStore::handWrittenCommasStayWhereTheyWere_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("read");
    QTest::newRow("no spaces") << QByteArray("Reds,Blues") << QStringLiteral("Reds,Blues");
    QTest::newRow("spaces") << QByteArray("Reds, Blues") << QStringLiteral("Reds,Blues");
    QTest::newRow("three") << QByteArray("a,b,c") << QStringLiteral("a,b,c");
    QTest::newRow("empty part") << QByteArray("a,,b") << QStringLiteral("a,,b");
}

void TestSettingsStore::handWrittenCommasStayWhereTheyWere()
{
    QFETCH(QByteArray, line);
    QFETCH(QString, read);
    m_store.reset();
    QFile file(m_dir.filePath(QStringLiteral("Varnelo.conf")));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("[TextSettings]\nTitleText=" + line + "\n");
    file.close();
    LiveSettings loaded;
    LoadSettings(loaded, *openStore(), QStringLiteral("/unused.wav"));
    QCOMPARE(loaded.TitleText, read);
}

void TestSettingsStore::aStoreThatCannotBeWrittenSaysSo()
{
    // A folder that cannot be made (its parent is a file) fails even for root.
    QFile blocker(m_dir.filePath(QStringLiteral("not-a-folder")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QSettings store(
        m_dir.filePath(QStringLiteral("not-a-folder/Varnelo.conf")), QSettings::IniFormat);
    QVERIFY(!SaveSettings(DefaultSettings(QString()), store));
    QVERIFY(SaveSettings(DefaultSettings(QString()), *openStore()));
}

void TestSettingsStore::onlyItsOwnerMayReadTheStore()
{
    // It holds the web passcode and the pairing code, whichever writer makes it first.
    const QFile::Permissions ownerOnly = QFile::ReadOwner | QFile::WriteOwner;
    LiveSettings settings = DefaultSettings(QString());
    settings.PassCode = QStringLiteral("secret");
    settings.RemoteCode = QStringLiteral("ABCD1234EFGHJ");
    const QString fresh = m_dir.filePath(QStringLiteral("fresh/Varnelo.conf"));
    {
        QSettings store(fresh, QSettings::IniFormat);
        QVERIFY(SavePairingCode(settings, store));
    }
    QCOMPARE(QFile::permissions(fresh) & 0x7777, ownerOnly | QFile::ReadUser | QFile::WriteUser);
    // A store that was readable by others becomes private at its next write, and stays so.
    const QString old = m_dir.filePath(QStringLiteral("old.conf"));
    QFile file(old);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QVERIFY(file.setPermissions(ownerOnly | QFile::ReadGroup | QFile::ReadOther));
    QSettings store(old, QSettings::IniFormat);
    QVERIFY(SaveSettings(settings, store));
    QVERIFY(SaveBoardPlacement(settings, store));
    QCOMPARE(QFile::permissions(old) & 0x7777, ownerOnly | QFile::ReadUser | QFile::WriteUser);
    QSettings reread(old, QSettings::IniFormat);
    QCOMPARE(reread.value(QStringLiteral("WebSBSettings/PassCode")).toString(),
        QStringLiteral("secret"));
}

void TestSettingsStore::thePlacementIsWrittenApart_data()
{
    QTest::addColumn<QString>("fullScreen");
    QTest::addColumn<qint16>("read");
    QTest::newRow("full") << "1" << qint16(1);
    QTest::newRow("windowed") << "0" << qint16(0);
    QTest::newRow("garbage") << "yes" << qint16(0);
}

void TestSettingsStore::thePlacementIsWrittenApart()
{
    QFile::remove(m_dir.filePath(QStringLiteral("Varnelo.conf")));
    QSettings *store = openStore();
    LiveSettings s = DefaultSettings(QStringLiteral("/x/buzzer.wav"));
    s.BoardScreen = QStringLiteral("HDMI-1");
    QVERIFY(SaveBoardPlacement(s, *store));
    QCOMPARE(store->allKeys(),
        (QStringList{
            QStringLiteral("BoardWindow/FullScreen"), QStringLiteral("BoardWindow/Screen")}));
    // Ok writes the dialog's settings and leaves the placement as the board last put it.
    s.BoardScreen = QStringLiteral("Elsewhere");
    QVERIFY(SaveSettings(s, *store));
    QCOMPARE(
        store->value(QStringLiteral("BoardWindow/Screen")).toString(), QStringLiteral("HDMI-1"));

    QFETCH(QString, fullScreen);
    store->setValue(QStringLiteral("BoardWindow/FullScreen"), fullScreen);
    LiveSettings read;
    LoadSettings(read, *store);
    QCOMPARE(read.BoardScreen, QStringLiteral("HDMI-1"));
    QTEST(read.BoardFullScreen, "read");
}

void TestSettingsStore::matchFormatComesBackAsSaved_data()
{
    QTest::addColumn<MatchFormat>("format");
    for (const MatchPreset &preset : MatchPresets) {
        QTest::newRow(preset.name.data()) << preset.format;
    }
    QTest::newRow("longest") << MatchFormat{ClockDirection::Up, 60, 30, 30, true};
    QTest::newRow("shortest") << MatchFormat{ClockDirection::Down, 1, 0, 0, false};
    QTest::newRow("penalties straight after") << MatchFormat{ClockDirection::Up, 45, 15, 0, true};
}

void TestSettingsStore::matchFormatComesBackAsSaved()
{
    QFETCH(MatchFormat, format);
    LiveSettings s = DefaultSettings(QStringLiteral("/y/horn.wav"));
    StoreMatchFormat(s, format);
    s.NextPhaseKey = 'n';
    s.AddedTimeKey = '*';
    QFile::remove(m_dir.filePath(QStringLiteral("Varnelo.conf")));
    QVERIFY(SaveSettings(s, *openStore()));
    m_store.reset();
    LiveSettings loaded;
    LoadSettings(loaded, *openStore(), QStringLiteral("/y/horn.wav"));
    QCOMPARE(loaded, s);
    QCOMPARE(MatchFormatOf(loaded), format);
}

void TestSettingsStore::hostileMatchValuesFallBackToTheirDefault_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("stored");
    const auto row = [](const char *key, const char *stored) {
        QTest::addRow("%s=%s", key, stored)
            << QStringLiteral("MatchSettings/") + QLatin1String(key) << QString::fromUtf8(stored);
    };
    for (const char *stored :
        {"0", "61", "-45", "45.5", "4 5", "abc", "", "99999999999999999999"}) {
        row("HalfMinutes", stored);
    }
    for (const char *stored : {"31", "-1", "0x0F", "+5"}) {
        row("BreakMinutes", stored);
        row("ExtraTimeMinutes", stored);
    }
    for (const char *stored : {"2", "-1", "up", "true", "1.0"}) {
        row("ClockUp", stored);
        row("Penalties", stored);
    }
    for (const char *stored : {"70000", "p", "-32769"}) {
        QTest::addRow("NextPhaseKey=%s", stored)
            << QStringLiteral("KeySettings/NextPhaseKey") << QString::fromUtf8(stored);
        QTest::addRow("AddedTimeKey=%s", stored)
            << QStringLiteral("KeySettings/AddedTimeKey") << QString::fromUtf8(stored);
    }
}

void TestSettingsStore::hostileMatchValuesFallBackToTheirDefault()
{
    QFETCH(QString, key);
    QFETCH(QString, stored);
    // Every other match setting holds a good value that is not its default.
    struct Good
    {
        const char *path;
        ShortField field;
        qint16 value;
    };
    const Good good[] = {{"MatchSettings/ClockUp", &LiveSettings::MatchClockUp, 1},
        {"MatchSettings/HalfMinutes", &LiveSettings::HalfMinutes, 30},
        {"MatchSettings/BreakMinutes", &LiveSettings::BreakMinutes, 5},
        {"MatchSettings/ExtraTimeMinutes", &LiveSettings::ExtraTimeMinutes, 10},
        {"MatchSettings/Penalties", &LiveSettings::Penalties, 1},
        {"KeySettings/NextPhaseKey", &LiveSettings::NextPhaseKey, 110},
        {"KeySettings/AddedTimeKey", &LiveSettings::AddedTimeKey, 42}};
    QSettings *store = openStore();
    store->clear();
    const LiveSettings defaults = DefaultSettings(QString());
    LiveSettings expected = defaults;
    for (const Good &setting : good) {
        store->setValue(QLatin1String(setting.path), QString::number(setting.value));
        expected.*setting.field
            = key == QLatin1String(setting.path) ? defaults.*setting.field : setting.value;
    }
    store->setValue(key, stored);
    LiveSettings s;
    LoadSettings(s, *store, QString());
    QCOMPARE(s, expected);
    QVERIFY(!MatchFormatRefusal(MatchFormatOf(s)));
    // The bad value stays in the store untouched.
    QCOMPARE(store->value(key).toString(), stored);
}

void TestSettingsStore::aFormatThatCannotBePlayedIsTheDefault_data()
{
    QTest::addColumn<ShortField>("field");
    QTest::addColumn<qint16>("value");
    QTest::newRow("no half") << &LiveSettings::HalfMinutes << qint16(0);
    QTest::newRow("half too long") << &LiveSettings::HalfMinutes << qint16(61);
    QTest::newRow("negative break") << &LiveSettings::BreakMinutes << qint16(-1);
    QTest::newRow("extra time too long") << &LiveSettings::ExtraTimeMinutes << qint16(31);
}

void TestSettingsStore::aFormatThatCannotBePlayedIsTheDefault()
{
    // Settings filled in by hand rather than loaded: the game is never handed a bad format.
    QFETCH(ShortField, field);
    QFETCH(qint16, value);
    LiveSettings s = DefaultSettings(QString());
    s.MatchClockUp = 1;
    s.*field = value;
    QCOMPARE(MatchFormatOf(s), MatchFormat());
}

void TestSettingsStore::teamSheetsComeBackWholeOrCut_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("read");
    const QString longest(StoredTeamSheetMax, u'9');
    QTest::newRow("lines") << QByteArray("\"1 Max Keeper\\n9 Alex Morgan\"")
                           << QStringLiteral("1 Max Keeper\n9 Alex Morgan");
    QTest::newRow("hand-written commas")
        << QByteArray("9 Morgan, Alex") << QStringLiteral("9 Morgan,Alex");
    QTest::newRow("a byte string") << QByteArray("@ByteArray(7 Jo)") << QStringLiteral("7 Jo");
    QTest::newRow("longest") << longest.toLatin1() << longest;
    QTest::newRow("longer: cut") << (longest + QStringLiteral("99")).toLatin1() << longest;
    QTest::newRow("a megabyte: cut")
        << QByteArray(1 << 20, 'x') << QString(StoredTeamSheetMax, u'x');
}

void TestSettingsStore::teamSheetsComeBackWholeOrCut()
{
    QFETCH(QByteArray, line);
    QFETCH(QString, read);
    m_store.reset();
    QFile file(m_dir.filePath(QStringLiteral("Varnelo.conf")));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("[TeamSheets]\nHome=" + line + "\nGuest=" + line + "\n");
    file.close();
    LiveSettings loaded;
    LoadSettings(loaded, *openStore(), QStringLiteral("/unused.wav"));
    QCOMPARE(loaded.HomeSheet, read);
    QCOMPARE(loaded.GuestSheet, read);
    // And what is saved comes back as it was.
    LiveSettings saved = loaded;
    saved.HomeSheet = QStringLiteral("10 Sam \"Kerr\", jr.\n\n 4 = Tom;#");
    QVERIFY(SaveSettings(saved, *m_store));
    m_store.reset();
    LoadSettings(loaded, *openStore(), QStringLiteral("/unused.wav"));
    QCOMPARE(loaded.HomeSheet, saved.HomeSheet);
}

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
