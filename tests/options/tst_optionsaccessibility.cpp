#include "tests/support/accessibilityevents.h"
#include "tests/support/optionsdriver.h"

#include <QAccessible>
#include <QCheckBox>
#include <QLineEdit>

// What a screen reader finds in the options dialog and the key capture dialog.
class TestOptionsAccessibility : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { m_bench = std::make_unique<OptionsBench>(); }
    void cleanup() { m_bench.reset(); }

    void changeButtonsSayWhatTheyChange();
    void textFieldsAreNamed_data();
    void textFieldsAreNamed();
    void matchFieldsAreNamed_data();
    void matchFieldsAreNamed();
    void swatchesSayTheirColour();
    void theKeyCaptureWarningIsAnnounced();
    void theMarkerSwitchIsStoredByOk();

private:
    static QString nameOf(QWidget *widget)
    {
        return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
    }

    std::unique_ptr<OptionsBench> m_bench;
};

void TestOptionsAccessibility::changeButtonsSayWhatTheyChange()
{
    auto dialog = m_bench->open();
    QStringList names;
    for (QPushButton *button : dialog->findChildren<QPushButton *>()) {
        if (button->text() == QLatin1String("Change")) {
            names << nameOf(button);
        }
    }
    names.sort();
    const QStringList expected{
        QStringLiteral("Change Added Time Key"),
        QStringLiteral("Change Background"),
        QStringLiteral("Change Buzzer Key"),
        QStringLiteral("Change Buzzer Sound"),
        QStringLiteral("Change Guest Color"),
        QStringLiteral("Change Home Color"),
        QStringLiteral("Change LED Back Color"),
        QStringLiteral("Change LED Color"),
        QStringLiteral("Change Next Phase Key"),
        QStringLiteral("Change Reset Clock Key"),
        QStringLiteral("Change Start / Stop Key"),
        QStringLiteral("Change Text Color"),
    };
    QCOMPARE(names, expected);
    // The key each Change sets is named with it.
    QCOMPARE(nameOf(find<QLabel>(*dialog, "lblResetK")), QStringLiteral("Reset Clock Key"));
    QCOMPARE(find<QLabel>(*dialog, "lblResetK")->text(), QStringLiteral("r"));
    QCOMPARE(nameOf(find<QLabel>(*dialog, "lblAddedTimeK")), QStringLiteral("Added Time Key"));
}

void TestOptionsAccessibility::textFieldsAreNamed_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("name");

    QTest::newRow("title") << "txtTitleText"
                           << "Title";
    QTest::newRow("home") << "txtHomeText"
                          << "Home Team Name";
    QTest::newRow("guest") << "txtGuestText"
                           << "Guest Team Name";
    QTest::newRow("page") << "txtWebSBURL"
                          << "Web Scoreboard URL";
    QTest::newRow("passcode") << "txtWebSBPassCode"
                              << "Web Scoreboard Passcode";
    QTest::newRow("server") << "txtWebSBServer"
                            << "Web Scoreboard Server";
}

void TestOptionsAccessibility::textFieldsAreNamed()
{
    QFETCH(QString, field);
    QFETCH(QString, name);
    auto dialog = m_bench->open();
    auto *box = dialog->findChild<QLineEdit *>(field);
    QVERIFY(box);
    QCOMPARE(nameOf(box), name);
    QCOMPARE(
        int(QAccessible::queryAccessibleInterface(box)->role()), int(QAccessible::EditableText));
}

void TestOptionsAccessibility::matchFieldsAreNamed_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("name");
    QTest::newRow("half") << "txtHalfMinutes"
                          << "Half (minutes)";
    QTest::newRow("break") << "txtBreakMinutes"
                           << "Half-time break (minutes)";
    QTest::newRow("extra time") << "txtExtraTimeMinutes"
                                << "Extra time, each half (minutes)";
}

void TestOptionsAccessibility::matchFieldsAreNamed()
{
    QFETCH(QString, field);
    QFETCH(QString, name);
    auto dialog = m_bench->open();
    auto *box = dialog->findChild<QWidget *>(field);
    QVERIFY(box);
    QCOMPARE(nameOf(box), name);
}

void TestOptionsAccessibility::swatchesSayTheirColour()
{
    m_bench->settings.LEDColor = 33023; // red 255, green 128, blue 0
    auto dialog = m_bench->open();
    QWidget *led = find<QWidget>(*dialog, "picLedForeC");
    QCOMPARE(nameOf(led), QStringLiteral("LED Color: red 255, green 128, blue 0"));
    QCOMPARE(nameOf(find<QWidget>(*dialog, "picBackC")),
        QStringLiteral("Background: red 0, green 128, blue 0"));
    // A colour picked is said at once.
    m_bench->ui.colors.push_back(0x00FF0000);
    press(*dialog, "cmdLedForeC");
    QCOMPARE(nameOf(led), QStringLiteral("LED Color: red 0, green 0, blue 255"));
}

void TestOptionsAccessibility::theKeyCaptureWarningIsAnnounced()
{
    auto dialog = m_bench->open();
    AccessibilityEvents events;
    withKeyCapture(*dialog, "cmdBuzzerK", [&](frmChooseKey &capture) {
        auto *warning = find<QLabel>(capture, "lblUsed");
        QTest::keyClick(&capture, 's'); // start/stop has it
        QVERIFY(warning->isVisible());
        QCOMPARE(events.count(warning, QAccessible::Alert), 1);
        QCOMPARE(
            nameOf(warning), QStringLiteral("This key is already in use, please choose another."));
        QTest::keyClick(&capture, 'o'); // reserved
        QCOMPARE(events.count(warning, QAccessible::Alert), 2);
        QTest::keyClick(&capture, 'q');
    });
    QCOMPARE(find<QLabel>(*dialog, "lblBuzzerK")->text(), QStringLiteral("q"));
}

void TestOptionsAccessibility::theMarkerSwitchIsStoredByOk()
{
    auto dialog = m_bench->open();
    auto *marker = find<QCheckBox>(*dialog, "chkFocusMarker");
    QVERIFY(!marker->isChecked());
    QVERIFY(nameOf(marker).contains(QStringLiteral("F7")));
    marker->click();
    QCOMPARE(m_bench->settings.ShowFocusMarker, qint16(0)); // pending until Ok
    press(*dialog, "cmdOk");
    QCOMPARE(m_bench->settings.ShowFocusMarker, qint16(1));
    QCOMPARE(m_bench->store.value(QStringLiteral("KeySettings/ShowFocusMarker")).toString(),
        QStringLiteral("1"));
    LiveSettings reread;
    LoadSettings(reread, m_bench->store, QString());
    QCOMPARE(reread.ShowFocusMarker, qint16(1));
}

QTEST_MAIN(TestOptionsAccessibility)
#include "tst_optionsaccessibility.moc"
