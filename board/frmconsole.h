#pragma once

#include <QPointer>
#include <QTimer>
#include <QWidget>

class ConsolePreview;
class QLabel;
class QListWidget;
class QPushButton;
class ScoreboardGame;
class frmScoreboard;
struct LiveSettings;

// The operator's console, on the operator's own screen while the board is on the audience's:
// the board as the audience sees it, with the focus and what is typed (which the board then
// leaves out), why the last key was refused, the phase and what comes next, the added time, the
// goals and cards, and buttons for the match's commands. Every key pressed here goes to the
// board's own key handling, so the operator may type in either window.
class frmConsole final : public QWidget
{
    Q_OBJECT

public:
    frmConsole(frmScoreboard &board, const LiveSettings &settings, QWidget *parent = nullptr);

    ConsolePreview *preview() const { return m_preview; }
    // How long a refusal stays in view.
    static constexpr int RefusalMilliseconds = 5000;

Q_SIGNALS:
    // The operator closed the console (its close box); the board goes on.
    void closedByOperator();

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void retranslate();
    void refresh();
    void refreshEvents();
    void showRefusal(const QString &reason);
    QString focusText() const;
    QString phaseText() const;
    QString addedText() const;

    QPointer<frmScoreboard> m_board;
    ScoreboardGame &m_game;
    const LiveSettings &m_settings;
    ConsolePreview *m_preview;
    QLabel *m_focus;
    QLabel *m_refusal;
    QLabel *m_phase;
    QLabel *m_added;
    QLabel *m_eventsCaption;
    QListWidget *m_events;
    QList<QPushButton *> m_commands;
    QTimer m_refusalTimer;
};
