#include "game/matchsettings.h"
#include "startup/fonts.h"
#include "tests/support/gamefixture.h"
#include "tests/support/optionsdriver.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>

#include <memory>

Q_DECLARE_METATYPE(MatchFormat)

namespace {

// The format the Match page shows now.
MatchFormat shownFormat(frmOptions &dialog)
{
    MatchFormat format;
    format.clock = find<QRadioButton>(dialog, "optClockUp")->isChecked() ? ClockDirection::Up
                                                                         : ClockDirection::Down;
    format.halfMinutes = find<QSpinBox>(dialog, "txtHalfMinutes")->value();
    format.breakMinutes = find<QSpinBox>(dialog, "txtBreakMinutes")->value();
    format.extraTimeMinutes = find<QSpinBox>(dialog, "txtExtraTimeMinutes")->value();
    format.penalties = find<QCheckBox>(dialog, "chkPenalties")->isChecked();
    return format;
}

// Clicks a radio button or check box on its box, where the operator does.
void tick(QAbstractButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

// Types a number into one of the page's boxes as the operator would.
void typeMinutes(frmOptions &dialog, const char *box, int minutes)
{
    auto *spin = find<QSpinBox>(dialog, box);
    spin->selectAll();
    QTest::keyClicks(spin, QString::number(minutes));
}

} // namespace

// The Match page of the options: presets, Ok and Cancel, and what a change of format does to
// the game being played; and the match's keys on the keys tab.
class TestMatchOptions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();

    void aPresetFillsTheFields_data();
    void aPresetFillsTheFields();
    void theListNamesThePresetTheFieldsHold();
    void beforeTheKickOffOkPlaysTheFormatAtOnce();
    void aChangeMidMatchAsksFirst_data();
    void aChangeMidMatchAsksFirst();
    void anUntouchedFormatIsNotAskedAbout();
    void escapeAndCancelKeepTheFormat();
    void theMatchKeysAreChosenLikeTheOthers_data();
    void theMatchKeysAreChosenLikeTheOthers();

private:
    std::unique_ptr<frmOptions> openMatchPage();

    std::unique_ptr<OptionsBench> m_bench;
    std::unique_ptr<GameFixture> m_game;
};

void TestMatchOptions::initTestCase()
{
    InstallFontSubstitutions();
}

void TestMatchOptions::init()
{
    m_bench = std::make_unique<OptionsBench>();
    m_game = std::make_unique<GameFixture>();
}

std::unique_ptr<frmOptions> TestMatchOptions::openMatchPage()
{
    auto dialog = m_bench->open();
    dialog->setGame(m_game->model.get());
    press(*dialog, "cmdMatch");
    auto *tabs = find<QTabWidget>(*dialog, "sstOptions");
    if (tabs->tabText(tabs->currentIndex()) != QLatin1String("Match")) {
        qFatal("cmdMatch did not open the Match page");
    }
    return dialog;
}

void TestMatchOptions::aPresetFillsTheFields_data()
{
    QTest::addColumn<int>("preset");
    for (std::size_t i = 0; i < MatchPresets.size(); ++i) {
        QTest::newRow(MatchPresets[i].name.data()) << int(i);
    }
}

void TestMatchOptions::aPresetFillsTheFields()
{
    QFETCH(int, preset);
    const MatchFormat format = MatchPresets[std::size_t(preset)].format;
    auto dialog = openMatchPage();
    QCOMPARE(shownFormat(*dialog), MatchFormat());
    auto *list = find<QComboBox>(*dialog, "cboMatchPreset");
    // The defaults are no preset: the list starts on its first entry, then each preset.
    QCOMPARE(list->currentIndex(), 0);
    QCOMPARE(list->count(), int(MatchPresets.size()) + 1);
    list->setFocus();
    for (int i = 0; i <= preset; ++i) {
        QTest::keyClick(list, Qt::Key_Down);
    }
    QCOMPARE(list->currentText(), QString::fromUtf8(MatchPresets[std::size_t(preset)].name));
    QCOMPARE(shownFormat(*dialog), format);
    QCOMPARE(MatchFormatOf(m_bench->settings), MatchFormat()); // pending until Ok

    press(*dialog, "cmdOk");
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    QCOMPARE(MatchFormatOf(m_bench->settings), format);
    LiveSettings stored;
    LoadSettings(stored, m_bench->store, QString());
    QCOMPARE(MatchFormatOf(stored), format);
    // Before the kick-off the game plays it at once, without a question.
    QVERIFY(m_bench->ui.questions.isEmpty());
    QCOMPARE(m_game->model->match().format, format);
}

void TestMatchOptions::theListNamesThePresetTheFieldsHold()
{
    auto dialog = openMatchPage();
    auto *list = find<QComboBox>(*dialog, "cboMatchPreset");
    tick(find<QRadioButton>(*dialog, "optClockUp"));
    typeMinutes(*dialog, "txtHalfMinutes", 30);
    typeMinutes(*dialog, "txtBreakMinutes", 10);
    QCOMPARE(list->currentText(), QStringLiteral("Youth 2 × 30"));
    typeMinutes(*dialog, "txtHalfMinutes", 31);
    QCOMPARE(list->currentIndex(), 0);
    QCOMPARE(list->currentText(), QStringLiteral("Custom"));
    // The fields are what Ok saves, whatever the list shows.
    press(*dialog, "cmdOk");
    QCOMPARE(MatchFormatOf(m_bench->settings), (MatchFormat{ClockDirection::Up, 31, 10, 0, false}));
}

void TestMatchOptions::beforeTheKickOffOkPlaysTheFormatAtOnce()
{
    auto dialog = openMatchPage();
    tick(find<QRadioButton>(*dialog, "optClockUp"));
    typeMinutes(*dialog, "txtExtraTimeMinutes", 15);
    tick(find<QCheckBox>(*dialog, "chkPenalties"));
    press(*dialog, "cmdOk");
    const MatchFormat chosen{ClockDirection::Up, 45, 15, 15, true};
    QVERIFY(m_bench->ui.questions.isEmpty());
    QCOMPARE(m_game->model->match().phase, Phase::PreMatch);
    QCOMPARE(m_game->model->match().format, chosen);
    QCOMPARE(MatchFormatOf(m_bench->settings), chosen);
    QCOMPARE(m_bench->store.value(QStringLiteral("MatchSettings/ClockUp")).toString(),
        QStringLiteral("1"));
    QCOMPARE(m_bench->store.value(QStringLiteral("MatchSettings/ExtraTimeMinutes")).toString(),
        QStringLiteral("15"));
}

void TestMatchOptions::aChangeMidMatchAsksFirst_data()
{
    QTest::addColumn<bool>("yes");
    QTest::newRow("yes") << true;
    QTest::newRow("no") << false;
}

void TestMatchOptions::aChangeMidMatchAsksFirst()
{
    QFETCH(bool, yes);
    QVERIFY(m_game->model->nextPhase());
    QCOMPARE(m_game->model->match().phase, Phase::FirstHalf);
    const MatchFormat before = m_game->model->match().format;
    auto dialog = openMatchPage();
    typeMinutes(*dialog, "txtHalfMinutes", 40);
    showTab(*dialog, 2);
    auto *title = find<QLineEdit>(*dialog, "txtTitleText");
    title->selectAll();
    QTest::keyClicks(title, QStringLiteral("Final"));
    m_bench->ui.answers = {yes};
    press(*dialog, "cmdOk");

    QCOMPARE(m_bench->ui.questions.size(), 1);
    QCOMPARE(m_bench->ui.questions.at(0).text,
        QStringLiteral("The match has begun. Play the rest of it by the new format?"));
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    MatchFormat changed = before;
    changed.halfMinutes = 40;
    const MatchFormat kept = yes ? changed : before;
    QCOMPARE(m_game->model->match().format, kept);
    QCOMPARE(MatchFormatOf(m_bench->settings), kept);
    QCOMPARE(m_bench->store.value(QStringLiteral("MatchSettings/HalfMinutes")).toString(),
        QString::number(kept.halfMinutes));
    // The rest of the dialog's changes are saved either way.
    QCOMPARE(m_bench->settings.TitleText, QStringLiteral("Final"));
    QCOMPARE(m_game->model->match().phase, Phase::FirstHalf);
}

void TestMatchOptions::anUntouchedFormatIsNotAskedAbout()
{
    // A resumed match brings a format of its own, which the page's saved one does not replace.
    const MatchFormat resumed = MatchPresets[1].format;
    QVERIFY(m_game->model->setMatchFormat(resumed));
    QVERIFY(m_game->model->nextPhase());
    auto dialog = openMatchPage();
    QCOMPARE(shownFormat(*dialog), MatchFormatOf(m_bench->settings));
    press(*dialog, "cmdOk");
    QVERIFY(m_bench->ui.questions.isEmpty());
    QCOMPARE(m_game->model->match().format, resumed);
}

void TestMatchOptions::escapeAndCancelKeepTheFormat()
{
    QVERIFY(m_game->model->nextPhase());
    const LiveSettings before = m_bench->settings;
    auto dialog = openMatchPage();
    tick(find<QRadioButton>(*dialog, "optClockUp"));
    typeMinutes(*dialog, "txtHalfMinutes", 20);
    // Escape in a box of the page cancels the whole dialog, as Cancel does.
    QTest::keyClick(find<QSpinBox>(*dialog, "txtHalfMinutes"), Qt::Key_Escape);
    QVERIFY(!dialog->isVisible());
    QCOMPARE(dialog->result(), int(QDialog::Rejected));
    dialog = openMatchPage();
    tick(find<QRadioButton>(*dialog, "optClockUp"));
    press(*dialog, "cmdCancel");
    QCOMPARE(dialog->result(), int(QDialog::Rejected));
    QVERIFY(m_bench->ui.questions.isEmpty());
    QCOMPARE(m_bench->settings, before);
    QVERIFY(m_bench->store.allKeys().isEmpty());
    QCOMPARE(m_game->model->match().format, MatchFormat());
}

void TestMatchOptions::theMatchKeysAreChosenLikeTheOthers_data()
{
    QTest::addColumn<QByteArray>("button");
    QTest::addColumn<QByteArray>("label");
    QTest::addColumn<char>("key");
    QTest::addColumn<QString>("shown");
    QTest::newRow("next phase takes a free key")
        << QByteArray("cmdNextPhaseK") << QByteArray("lblNextPhaseK") << 'n' << "n";
    QTest::newRow("next phase keeps its own")
        << QByteArray("cmdNextPhaseK") << QByteArray("lblNextPhaseK") << 'p' << "p";
    QTest::newRow("next phase refuses start/stop's")
        << QByteArray("cmdNextPhaseK") << QByteArray("lblNextPhaseK") << 's' << "p";
    QTest::newRow("added time refuses next phase's")
        << QByteArray("cmdAddedTimeK") << QByteArray("lblAddedTimeK") << 'p' << "a";
    QTest::newRow("added time refuses the point")
        << QByteArray("cmdAddedTimeK") << QByteArray("lblAddedTimeK") << '.' << "a";
    QTest::newRow("added time takes a capital")
        << QByteArray("cmdAddedTimeK") << QByteArray("lblAddedTimeK") << 'A' << "A";
    QTest::newRow("start/stop refuses added time's")
        << QByteArray("cmdStartStopK") << QByteArray("lblStartStopK") << 'a' << "s";
    QTest::newRow("buzzer refuses next phase's")
        << QByteArray("cmdBuzzerK") << QByteArray("lblBuzzerK") << 'p' << "b";
}

void TestMatchOptions::theMatchKeysAreChosenLikeTheOthers()
{
    QFETCH(QByteArray, button);
    QFETCH(QByteArray, label);
    QFETCH(char, key);
    QFETCH(QString, shown);
    auto dialog = m_bench->open();
    QCOMPARE(labelText(*dialog, "lblNextPhaseK"), QStringLiteral("p"));
    QCOMPARE(labelText(*dialog, "lblAddedTimeK"), QStringLiteral("a"));
    const bool refused = shown != QLatin1Char(key);
    withKeyCapture(*dialog, button.constData(), [&](frmChooseKey &capture) {
        QTest::keyClick(&capture, key);
        QCOMPARE(capture.isVisible(), refused);
        QCOMPARE(m_bench->ui.beeps, refused ? 1 : 0);
    });
    QCOMPARE(labelText(*dialog, label.constData()), shown);
    press(*dialog, "cmdOk");
    LiveSettings stored;
    LoadSettings(stored, m_bench->store, QString());
    QCOMPARE(stored.NextPhaseKey, qint16(label == "lblNextPhaseK" ? shown.at(0).unicode() : 'p'));
    QCOMPARE(stored.AddedTimeKey, qint16(label == "lblAddedTimeK" ? shown.at(0).unicode() : 'a'));
}

QTEST_MAIN(TestMatchOptions)
#include "tst_matchoptions.moc"
