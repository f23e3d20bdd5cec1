#pragma once

#include "board/matchwidgets.h"
#include "game/figurevalue.h"
#include "game/matchtime.h"

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QString>

class ScoreboardGame;
struct BoardDesign;
struct LiveSettings;

// What the board shows of a match beside its figures, as the game has it now.
struct MatchView
{
    Phase phase = Phase::PreMatch;
    int addedMinutes = 0;
    // The hundreds of the clock's minutes; -1 when the clock shows none.
    qint16 hundreds = -1;
    bool countsUp = false;
    Shootout shootout;
    FigureValue cornersHome;
    FigureValue cornersVisitor;
    int sendingOffsHome = 0;
    int sendingOffsVisitor = 0;
    bool operator==(const MatchView &) const = default;
};
MatchView MatchViewOf(const ScoreboardGame &game);

// The phase in words as the board shows it, in the operator's language; empty where the period
// figure says enough (before the kick-off and in the two halves).
QString PhaseWord(Phase phase);

// The match on the board: the phase in words below the period, the announced added time beside
// the clock, the clock's hundreds of minutes, the shoot-out's marks and score beside each team's
// score, corner kicks in two digits when the clock counts up, and each team's sending-offs as
// red cards above its name. Nothing of it shows on a
// board before the kick-off of a match that counts down, so that board looks as it always did.
// Its pieces are placed from where the design's controls are now, so they follow every resize.
class MatchDisplay final : public QObject
{
    Q_OBJECT

public:
    MatchDisplay(QWidget &board, const BoardDesign &design, const LiveSettings &settings);

    // Follows `game` from now on.
    void follow(const ScoreboardGame &game);
    void show(const MatchView &view);
    // Places every piece again; after the board's controls were rescaled.
    void relayout();
    // Takes the colour scheme and the language anew.
    void refresh();

    // The pieces, for tests.
    BoardWord *phaseWord() const { return m_word; }
    BoardWord *addedTime() const { return m_added; }
    LedBox *hundreds() const { return m_hundreds; }
    KickMarks *kickMarks(Team team) const;
    BoardWord *shootoutScore(Team team) const;
    LedBox *corners(Team team) const;
    SendingOffMarks *sendingOffs(Team team) const;

private:
    void showContents();
    void placeWord();
    void placeSendingOffs();

    QWidget &m_board;
    const BoardDesign &m_design;
    const LiveSettings &m_settings;
    MatchView m_view;
    QRect m_wordBetweenMarks;
    QRect m_wordAlone;
    QPointer<BoardWord> m_word;
    QPointer<BoardWord> m_added;
    QPointer<LedBox> m_hundreds;
    QPointer<KickMarks> m_marksHome;
    QPointer<KickMarks> m_marksVisitor;
    QPointer<BoardWord> m_shootoutHome;
    QPointer<BoardWord> m_shootoutVisitor;
    QPointer<LedBox> m_cornersHome;
    QPointer<LedBox> m_cornersVisitor;
    QPointer<SendingOffMarks> m_offsHome;
    QPointer<SendingOffMarks> m_offsVisitor;
    // Where each team's cards may go: the free strip above its name, and the middle they are
    // centred on when it leaves room.
    QRect m_offsRoom[2];
    int m_offsMiddle[2] = {0, 0};
};
