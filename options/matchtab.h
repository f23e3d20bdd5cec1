#pragma once

#include "game/matchtime.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QRadioButton;
class QSpinBox;
struct LiveSettings;

// The "Match" page: how the match is timed. The clock counts down (the board's way) or up
// (soccer's), the lengths of a half, the half-time break and a half of extra time, penalties if
// still level, and presets a club picks by name that fill them in.
class MatchTab : public QWidget
{
    Q_OBJECT

public:
    explicit MatchTab(QWidget *parent = nullptr);

    void load(const LiveSettings &settings);
    // Writes the format shown.
    void store(LiveSettings &settings) const;
    MatchFormat format() const;

private:
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
};
