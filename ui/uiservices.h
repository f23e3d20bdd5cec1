#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

class QWidget;

// The platform's user-facing services: message boxes, Yes/No questions, the colour picker, the
// file chooser and the alert beep. Windows reach them through this seam so that tests can answer
// and record them without a person at the screen.
class UiServices
{
public:
    virtual ~UiServices();

    // A modal message with an OK button only.
    virtual void showMessage(QWidget *parent, const QString &title, const QString &text) = 0;
    // A message with an OK button that takes nothing from the window under it: it shows without
    // taking the keyboard and the program goes on; OK closes it.
    virtual void showNotice(QWidget *parent, const QString &title, const QString &text) = 0;
    // A modal question with a question icon and Yes and No; true for Yes.
    virtual bool askYesNo(QWidget *parent, const QString &title, const QString &text) = 0;
    // The colour the operator picks, starting from `initial` (0x00BBGGRR); nullopt on cancel.
    virtual std::optional<qint32> pickColor(QWidget *parent, qint32 initial) = 0;
    // The file the operator chooses with the given filter ("Sounds *.wav (*.wav)"); empty on
    // cancel.
    virtual QString chooseFile(QWidget *parent, const QString &filter, const QString &startPath)
        = 0;
    // Where to write a new file, as the operator names it, starting from `suggestedPath`;
    // empty on cancel. Writing over a file that exists is confirmed in the chooser.
    virtual QString chooseSaveFile(
        QWidget *parent, const QString &filter, const QString &suggestedPath)
        = 0;
    virtual void beep() = 0;
};

// The real thing: QMessageBox, QColorDialog, QFileDialog and QApplication::beep().
class QtUiServices final : public UiServices
{
public:
    void showMessage(QWidget *parent, const QString &title, const QString &text) override;
    void showNotice(QWidget *parent, const QString &title, const QString &text) override;
    bool askYesNo(QWidget *parent, const QString &title, const QString &text) override;
    std::optional<qint32> pickColor(QWidget *parent, qint32 initial) override;
    QString chooseFile(QWidget *parent, const QString &filter, const QString &startPath) override;
    QString chooseSaveFile(
        QWidget *parent, const QString &filter, const QString &suggestedPath) override;
    void beep() override;
};
