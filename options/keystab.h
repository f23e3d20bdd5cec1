#pragma once

#include "settings/keycodes.h"

#include <QLabel>
#include <QString>
#include <QWidget>

class QCheckBox;
class QPushButton;
class UiServices;
struct ChooseKey;
struct LiveSettings;

// A bordered label that holds a pending control key: the code itself, shown as its character.
class KeyLabel : public QLabel
{
public:
    explicit KeyLabel(QWidget *parent = nullptr);

    qint16 code() const { return m_code; }
    void setCode(qint16 code);

private:
    qint16 m_code = 0;
};

// The "Keyboard Controls" tab: the start/stop, reset, buzzer, next phase and added time keys
// (chosen in the key capture dialog), the buzzer sound file and Reset Keys. Pending values live
// here until Ok.
class KeysTab : public QWidget
{
    Q_OBJECT

public:
    KeysTab(ChooseKey &shared, UiServices &ui, QWidget *parent = nullptr);

    void load(const LiveSettings &settings);
    // Writes the keys and the buzzer file.
    void store(LiveSettings &settings) const;

private:
    void chooseKey(KeyLabel *label, const QString &action);
    void chooseBuzzerSound();
    void resetKeys();
    void setBuzzerTemp(const QString &path);
    KeyBindings shownKeys() const;

    ChooseKey &m_chooseKey;
    UiServices &m_ui;
    KeyLabel *m_lblStartStopK = nullptr;
    KeyLabel *m_lblResetK = nullptr;
    KeyLabel *m_lblBuzzerK = nullptr;
    KeyLabel *m_lblNextPhaseK = nullptr;
    KeyLabel *m_lblAddedTimeK = nullptr;
    QLabel *m_lblBuzzerSound = nullptr;
    QCheckBox *m_chkFocusMarker = nullptr;
    // The pending buzzer file, full path; the label shows it shortened.
    QString m_BuzzerTemp;
};
