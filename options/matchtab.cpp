#include "matchtab.h"

#include "designhelpers.h"
#include "game/matchsettings.h"
#include "settings/livesettings.h"
#include "teamsheetsdialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>

#include <iterator>
#include <string_view>

namespace {

// The presets' names for the translators, in the order of MatchPresets, whose own English
// names are the source texts.
constexpr const char *PresetNames[] = {
    QT_TRANSLATE_NOOP("MatchPresets", "Adult 2 × 45"),
    QT_TRANSLATE_NOOP("MatchPresets", "Cup 2 × 45, extra time, penalties"),
    QT_TRANSLATE_NOOP("MatchPresets", "Youth 2 × 40"),
    QT_TRANSLATE_NOOP("MatchPresets", "Youth 2 × 35"),
    QT_TRANSLATE_NOOP("MatchPresets", "Youth 2 × 30"),
    QT_TRANSLATE_NOOP("MatchPresets", "Youth 2 × 25"),
    QT_TRANSLATE_NOOP("MatchPresets", "Futsal-style 2 × 20, counting down"),
};

constexpr bool namesMatchPresets()
{
    if (std::size(PresetNames) != MatchPresets.size()) {
        return false;
    }
    for (std::size_t i = 0; i < MatchPresets.size(); ++i) {
        if (std::string_view(PresetNames[i]) != MatchPresets[i].name) {
            return false;
        }
    }
    return true;
}
static_assert(namesMatchPresets(), "every preset has its name for the translators");

QString presetName(const MatchPreset &preset)
{
    const QByteArray source(preset.name.data(), qsizetype(preset.name.size()));
    return QCoreApplication::translate("MatchPresets", source.constData());
}

QSpinBox *placeMinutes(
    QWidget *page, const QString &caption, int top, int minimum, int maximum, const char *name)
{
    QLabel *label = PlaceCaption(page, caption, 240, top + 45, 3360, 255);
    auto *box = PlaceTwips<QSpinBox>(page, 3720, top, 1335, 330);
    box->setObjectName(QLatin1String(name));
    box->setRange(minimum, maximum);
    label->setBuddy(box);
    box->setAccessibleName(FrameSubject(QString(caption).remove(QLatin1Char('&'))));
    return box;
}

} // namespace

MatchTab::MatchTab(QWidget *parent)
    : QWidget(parent)
{
    QLabel *preset = PlaceCaption(this, tr("&Preset:"), 240, 510, 960, 255);
    m_cboPreset = PlaceTwips<QComboBox>(this, 1200, 450, 3855, 345);
    m_cboPreset->setObjectName(QStringLiteral("cboMatchPreset"));
    preset->setBuddy(m_cboPreset);
    m_cboPreset->setAccessibleName(tr("Preset"));
    //: The preset list's entry while the fields hold no preset's format.
    m_cboPreset->addItem(tr("Custom"), -1);
    for (std::size_t i = 0; i < MatchPresets.size(); ++i) {
        m_cboPreset->addItem(presetName(MatchPresets[i]), int(i));
    }
    connect(m_cboPreset, &QComboBox::activated, this, [this](int index) {
        const int preset = m_cboPreset->itemData(index).toInt();
        if (preset >= 0) {
            showFormat(MatchPresets[std::size_t(preset)].format);
        }
    });

    m_optDown = PlaceTwips<QRadioButton>(
        this, 240, 840, 4815, 255, tr("Clock counts &down each half (the board's way)"));
    m_optDown->setObjectName(QStringLiteral("optClockDown"));
    m_optUp = PlaceTwips<QRadioButton>(
        this, 240, 1095, 4815, 255, tr("Clock counts &up through the match (soccer)"));
    m_optUp->setObjectName(QStringLiteral("optClockUp"));

    m_txtHalf
        = placeMinutes(this, tr("&Half (minutes):"), 1395, 1, LongestHalfMinutes, "txtHalfMinutes");
    m_txtBreak = placeMinutes(
        this, tr("Half-time &break (minutes):"), 1755, 0, LongestBreakMinutes, "txtBreakMinutes");
    m_txtExtraTime = placeMinutes(this, tr("&Extra time, each half (minutes):"), 2115, 0,
        LongestExtraTimeMinutes, "txtExtraTimeMinutes");
    //: Shown in the extra time box at 0.
    m_txtExtraTime->setSpecialValueText(tr("none"));
    m_chkPenalties
        = PlaceTwips<QCheckBox>(this, 240, 2490, 4815, 255, tr("Pe&nalties if still level"));
    m_chkPenalties->setObjectName(QStringLiteral("chkPenalties"));

    // The match's own: its team sheets and its report.
    auto *cmdSheets = PlaceTwips<QPushButton>(this, 240, 2775, 1545, 330, tr("Team &Sheets…"));
    cmdSheets->setObjectName(QStringLiteral("cmdTeamSheets"));
    connect(cmdSheets, &QPushButton::clicked, this, &MatchTab::editTeamSheets);
    m_cmdSaveReport = PlaceTwips<QPushButton>(this, 1875, 2775, 1545, 330, tr("Sa&ve Report…"));
    m_cmdSaveReport->setObjectName(QStringLiteral("cmdSaveReport"));
    m_cmdSaveReport->setAccessibleName(tr("Save match report"));
    connect(m_cmdSaveReport, &QPushButton::clicked, this, &MatchTab::saveReportClicked);
    m_cmdPrintReport = PlaceTwips<QPushButton>(this, 3510, 2775, 1545, 330, tr("Print Report…"));
    m_cmdPrintReport->setObjectName(QStringLiteral("cmdPrintReport"));
    m_cmdPrintReport->setAccessibleName(tr("Print match report"));
    connect(m_cmdPrintReport, &QPushButton::clicked, this, &MatchTab::printReportClicked);
    setReportAvailable(false);

    for (QSpinBox *box : {m_txtHalf, m_txtBreak, m_txtExtraTime}) {
        connect(box, &QSpinBox::valueChanged, this, &MatchTab::showPreset);
    }
    for (QAbstractButton *button :
        {static_cast<QAbstractButton *>(m_optUp), static_cast<QAbstractButton *>(m_chkPenalties)}) {
        connect(button, &QAbstractButton::toggled, this, &MatchTab::showPreset);
    }
}

void MatchTab::load(const LiveSettings &settings)
{
    showFormat(MatchFormatOf(settings));
    m_homeSheet = settings.HomeSheet;
    m_guestSheet = settings.GuestSheet;
    m_homeTeam = settings.HomeText;
    m_guestTeam = settings.GuestText;
}

void MatchTab::store(LiveSettings &settings) const
{
    StoreMatchFormat(settings, format());
    settings.HomeSheet = m_homeSheet;
    settings.GuestSheet = m_guestSheet;
}

void MatchTab::setReportAvailable(bool available)
{
    m_cmdSaveReport->setEnabled(available);
    m_cmdPrintReport->setEnabled(available);
}

void MatchTab::editTeamSheets()
{
    TeamSheetsDialog dialog(m_homeTeam, m_guestTeam, this);
    dialog.setSheets(m_homeSheet, m_guestSheet);
    if (dialog.exec() == QDialog::Accepted) {
        m_homeSheet = dialog.homeSheet();
        m_guestSheet = dialog.guestSheet();
    }
}

MatchFormat MatchTab::format() const
{
    MatchFormat format;
    format.clock = m_optUp->isChecked() ? ClockDirection::Up : ClockDirection::Down;
    format.halfMinutes = m_txtHalf->value();
    format.breakMinutes = m_txtBreak->value();
    format.extraTimeMinutes = m_txtExtraTime->value();
    format.penalties = m_chkPenalties->isChecked();
    return format;
}

void MatchTab::showFormat(const MatchFormat &format)
{
    (format.clock == ClockDirection::Up ? m_optUp : m_optDown)->setChecked(true);
    m_txtHalf->setValue(format.halfMinutes);
    m_txtBreak->setValue(format.breakMinutes);
    m_txtExtraTime->setValue(format.extraTimeMinutes);
    m_chkPenalties->setChecked(format.penalties);
    showPreset();
}

void MatchTab::showPreset()
{
    const MatchFormat shown = format();
    int index = 0;
    for (std::size_t i = 0; i < MatchPresets.size(); ++i) {
        if (MatchPresets[i].format == shown) {
            index = m_cboPreset->findData(int(i));
            break;
        }
    }
    const QSignalBlocker quiet(m_cboPreset);
    m_cboPreset->setCurrentIndex(index);
}
