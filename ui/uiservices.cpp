#include "uiservices.h"

#include "colors.h"
#include "operatorscreen.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>

UiServices::~UiServices() = default;

namespace {

// A message box that goes to the operator's screen when the board has one of its own.
class OperatorMessageBox final : public QMessageBox
{
public:
    using QMessageBox::QMessageBox;

protected:
    void showEvent(QShowEvent *event) override
    {
        QMessageBox::showEvent(event);
        PlaceForOperator(*this);
    }
};

// The same for the file chooser: Qt's own, so that it can be placed.
class OperatorFileDialog final : public QFileDialog
{
public:
    using QFileDialog::QFileDialog;

protected:
    void showEvent(QShowEvent *event) override
    {
        QFileDialog::showEvent(event);
        PlaceForOperator(*this);
    }
};

// And for the colour picker.
class OperatorColorDialog final : public QColorDialog
{
public:
    using QColorDialog::QColorDialog;

protected:
    void showEvent(QShowEvent *event) override
    {
        QColorDialog::showEvent(event);
        PlaceForOperator(*this);
    }
};

} // namespace

void QtUiServices::showMessage(QWidget *parent, const QString &title, const QString &text)
{
    OperatorMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
    box.exec();
}

void QtUiServices::showNotice(QWidget *parent, const QString &title, const QString &text)
{
    auto *box = new OperatorMessageBox(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    // The operator's keys go on reaching the board under it.
    box->setAttribute(Qt::WA_ShowWithoutActivating);
    box->setWindowModality(Qt::NonModal);
    box->show();
}

bool QtUiServices::askYesNo(QWidget *parent, const QString &title, const QString &text)
{
    OperatorMessageBox box(
        QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    return box.exec() == QMessageBox::Yes;
}

std::optional<qint32> QtUiServices::pickColor(QWidget *parent, qint32 initial)
{
    OperatorColorDialog dialog(ToQColor(initial), parent);
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted || !dialog.selectedColor().isValid()) {
        return std::nullopt;
    }
    return FromQColor(dialog.selectedColor());
}

QString QtUiServices::chooseFile(QWidget *parent, const QString &filter, const QString &startPath)
{
    OperatorFileDialog dialog(parent, QString(), startPath, filter);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted) {
        return {};
    }
    return dialog.selectedFiles().value(0);
}

QString QtUiServices::chooseSaveFile(
    QWidget *parent, const QString &filter, const QString &suggestedPath)
{
    OperatorFileDialog dialog(parent);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(filter.split(QStringLiteral(";;")));
    dialog.selectFile(suggestedPath);
    if (dialog.exec() != QDialog::Accepted) {
        return {};
    }
    return dialog.selectedFiles().value(0);
}

void QtUiServices::beep()
{
    QApplication::beep();
}
