#pragma once

#include <QPointer>
#include <QWidget>

// The help window: a fixed page of operating instructions, shown modeless beside the board. It
// deletes itself when closed.
class frmHelp : public QWidget
{
    Q_OBJECT

public:
    explicit frmHelp(QWidget *parent = nullptr);

protected:
    // Esc closes the window, as it does a dialog.
    void keyPressEvent(QKeyEvent *event) override;
};

// Shows the one help window: creates it in `instance` when there is none, otherwise brings the
// open one to the front (restoring it when minimised).
void ShowHelpWindow(QPointer<frmHelp> &instance);
