#pragma once

#include "game/matchtime.h"

#include <QWidget>

class QCheckBox;
class QPushButton;
class QComboBox;
class QRadioButton;
class QSpinBox;
struct LiveSettings;

// The "Match" page: how the match is timed. The clock counts down (the board's way) or up
// (soccer's), the lengths of a half, the half-time break and a half of extra time, penalties if
// still level, and presets a club picks by name that fill them in. Below them, each team's
// sheet and the match report.
class MatchTab : public QWidget
{
    Q_OBJECT

public:
    explicit MatchTab(QWidget *parent = nullptr);

    void load(const LiveSettings &settings);
    // Writes the format shown.
    void store(LiveSettings &settings) const;
    MatchFormat format() const;
    // Whether the report buttons are offered: only while there is a match to report.
    void setReportAvailable(bool available);

Q_SIGNALS:
    void saveReportClicked();
    void printReportClicked();

private:
    void editTeamSheets();
    void showFormat(const MatchFormat &format);
    // The preset list names the preset the fields hold, or none.
    void showPreset();

    QComboBox *m_cboPreset = nullptr;
    QRadioButton *m_optDown = nullptr;
    QRadioButton *m_optUp = nullptr;
    QSpinBox *m_txtHalf = nullptr;
    QSpinBox *m_txtBreak = nullptr;
    QSpinBox *m_txtExtraTime = nullptr;
    QCheckBox *m_chkPenalties = nullptr;
    QPushButton *m_cmdSaveReport = nullptr;
    QPushButton *m_cmdPrintReport = nullptr;
    // The team sheets pending until Ok, and the names the dialog heads them with.
    QString m_homeSheet;
    QString m_guestSheet;
    QString m_homeTeam;
    QString m_guestTeam;
};
