#pragma once

#include "settings/keycodes.h"

#include <QDialog>
#include <QString>

class QKeyEvent;
class QLabel;
class QPushButton;
class UiServices;

// What the options dialog hands the key capture dialog and gets back: the action asked for (it
// completes "Press the key you would like to "), the key that action has now, and the chosen
// code as decimal text ("0" while nothing has been chosen).
struct ChooseKey
{
    QString ChooseKeyAction;
    qint16 ChooseKeyCurrent = 0;
    QString ChooseKeyResult = QStringLiteral("0");
};

// The modal dialog that asks for the key of one action. A key that another action has in the
// options dialog (`shownKeys`, confirmed or not) or a reserved key is refused with a warning and
// a beep; the action's own key and any other character close it with ChooseKeyResult set. Enter
// and Escape press Cancel, which leaves ChooseKeyResult at "0".
class frmChooseKey : public QDialog
{
    Q_OBJECT

public:
    frmChooseKey(
        ChooseKey &shared, const KeyBindings &shownKeys, UiServices &ui, QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Load();
    // False for keys that produce no character; those leave the dialog waiting.
    bool handleKey(const QKeyEvent &event);

    ChooseKey &m_shared;
    const KeyBindings m_shownKeys;
    UiServices &m_ui;
    QLabel *m_lblChoose = nullptr;
    QLabel *m_lblUsed = nullptr;
    QPushButton *m_cmdCancel = nullptr;
};
