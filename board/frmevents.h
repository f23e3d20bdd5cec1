#pragma once

#include "game/scoreboardgame.h"

#include <QPointer>
#include <QWidget>

#include <optional>

class QPushButton;
class QTableWidget;
class QTableWidgetItem;
class UiServices;
struct LiveSettings;

// The words the events window shows for a kind of event and a team, in the operator's language.
QString EventKindWord(EventKind kind);
// A minute as typed, in the notation the events keep: "23" and "45+2" gain their "'".
QString TypedMinute(const QString &typed);
// Why the game refuses `edit`, as the operator is told.
QString EventEditRefusal(const ScoreboardGame::EventEdit &edit);

// The operator's list of what happened in the match: every goal and card in order, each edited
// in place (minute, team, kind, player, name) or removed, with the game's undo and redo. Not
// modal, so the board keeps its keys; it opens on the operator's screen, never over the board
// when the board has a screen of its own. Usable from the keyboard alone: Tab between the list
// and the buttons, Enter edits a cell, Delete removes the event after a question.
class frmEvents final : public QWidget
{
    Q_OBJECT

public:
    enum Column { MinuteColumn, TeamColumn, KindColumn, PlayerColumn, NameColumn, ColumnCount };

    // A window of its own, not a child of `owner`: a child window would share the board's chain
    // of focus, and Tab would lead into the board. It first stands over `owner`.
    frmEvents(ScoreboardGame &game, const LiveSettings &settings, UiServices &ui, QWidget *owner);

    QTableWidget *table() const { return m_table; }
    // The event a row shows, by id; 0 for none.
    int eventIdAt(int row) const;
    // Asks, then removes the event of the current row.
    void removeCurrent();

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void refresh();
    void onItemChanged(QTableWidgetItem *item);
    void applyEdited();
    QString teamWord(Team team) const;

    ScoreboardGame &m_game;
    const LiveSettings &m_settings;
    UiServices &m_ui;
    QPointer<QWidget> m_owner;
    QTableWidget *m_table;
    QPushButton *m_remove;
    // The table is being filled from the game: its changes are no edits.
    bool m_filling = false;
    bool m_placed = false;
    // The cell the operator changed, taken to the game once the editor has closed.
    struct Edited
    {
        int id;
        int column;
    };
    std::optional<Edited> m_edited;
};
