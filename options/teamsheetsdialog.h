#pragma once

#include <QDialog>

class QPlainTextEdit;

// Where the operator types or pastes each team's sheet, one line per player ("9 Alex Morgan"),
// so that scorers and booked players get their names. The sheets take effect with the options'
// Ok.
class TeamSheetsDialog final : public QDialog
{
    Q_OBJECT

public:
    TeamSheetsDialog(const QString &homeTeam, const QString &guestTeam, QWidget *parent = nullptr);

    void setSheets(const QString &home, const QString &guest);
    QString homeSheet() const;
    QString guestSheet() const;

protected:
    void showEvent(QShowEvent *event) override;

private:
    QPlainTextEdit *m_home;
    QPlainTextEdit *m_guest;
};
