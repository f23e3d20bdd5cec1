#pragma once

#include <QObject>

#include <functional>

class QWidget;
class ScoreboardGame;
class UiServices;
struct LiveSettings;

// The match report from the operator's windows: saved to a file the operator names, printed
// through the system's print dialog, and offered for saving once a match reaches full time.

// Asks for a file through `ui` and writes the report of the game as it stands to it: PDF, CSV
// or JSON by the file's suffix (PDF when it has none). Tells the operator when it could not be
// written; whether it was.
bool SaveMatchReport(
    QWidget *parent, UiServices &ui, const ScoreboardGame &game, const LiveSettings &settings);

// Prints the report on the printer the operator picks in the system's print dialog.
void PrintMatchReportDialog(
    QWidget *parent, const ScoreboardGame &game, const LiveSettings &settings);

// Asks once per match, when it reaches full time, whether to save its report, and runs `save` on
// Yes. A match already over when it starts watching (a resumed one) was offered before.
class ReportOffer final : public QObject
{
    Q_OBJECT

public:
    ReportOffer(ScoreboardGame &game, UiServices &ui, QWidget *over, std::function<void()> save,
        QObject *parent = nullptr);

private:
    void onMatchChanged();
    void ask();

    ScoreboardGame &m_game;
    UiServices &m_ui;
    QWidget *m_over;
    std::function<void()> m_save;
    bool m_offered = false;
};
