#include "matchdisplay.h"

#include "board/boarddesign.h"
#include "board/boardlabel.h"
#include "board/boardshape.h"
#include "board/digitgroup.h"
#include "board/matchwidgets.h"
#include "game/scoreboardgame.h"
#include "settings/livesettings.h"

#include <segmora/segmora.h>
#include <segmora/segmorageometry.h>

#include <QCoreApplication>

#include <algorithm>

namespace {

constexpr const char *Context = "MatchDisplay";

[[maybe_unused]] const char *const Words[] = {
    QT_TRANSLATE_NOOP("MatchDisplay", "HALF-TIME"),
    QT_TRANSLATE_NOOP("MatchDisplay", "EXTRA TIME"),
    QT_TRANSLATE_NOOP("MatchDisplay", "ET HALF-TIME"),
    QT_TRANSLATE_NOOP("MatchDisplay", "PENALTIES"),
    QT_TRANSLATE_NOOP("MatchDisplay", "FULL TIME"),
};

bool showsShootout(const MatchView &view)
{
    return view.phase == Phase::Penalties
        || (view.phase == Phase::FullTime
            && !(view.shootout.kicks(Team::Home).isEmpty()
                && view.shootout.kicks(Team::Visitor).isEmpty()));
}

// Marks for every kick taken, and rings for the rest of the first five rounds.
int kickSlots(const Shootout &shootout)
{
    const qsizetype taken
        = std::max(shootout.kicks(Team::Home).size(), shootout.kicks(Team::Visitor).size());
    return std::max(ShootoutRounds, static_cast<int>(taken));
}

QRect geometryOf(const QWidget *widget)
{
    return widget ? widget->geometry() : QRect();
}

// Two corner-kick digits over the one-digit figure, in the room between its neighbours: as
// large as the figure's own digit where they fit, smaller where they do not, and with clear
// space on both sides so that the three figures do not read as one.
void placeCorners(
    LedBox &box, const DigitGroup *shots, const DigitGroup *corners, const DigitGroup *saves)
{
    if (!shots || !corners || !saves || corners->digitCount() < 1) {
        return;
    }
    const int room = saves->x() - shots->geometry().right() - 1;
    const int widest = room - (corners->x() - shots->geometry().right() - 1);
    const Segmora *digit = corners->digit(0);
    int size = digit->digitSize();
    int width = 0;
    int space = 0;
    for (; size > SegmoraGeometry::MinimumSize; --size) {
        width = SegmoraGeometry::measuresFor(size).width;
        space = std::max(2, width / 4);
        if (2 * width + 3 * space <= widest) {
            break;
        }
    }
    const int boxWidth = 2 * width + 3 * space;
    box.setGeometry(corners->geometry().center().x() + 1 - boxWidth / 2, corners->y(), boxWidth,
        corners->height());
    const int top = digit->y() + (digit->digitSize() - size) / 2;
    box.placeDigits(size, {QPoint(2 * space + width, top), QPoint(space, top)});
}

} // namespace

MatchView MatchViewOf(const ScoreboardGame &game)
{
    const MatchState &match = game.match();
    return {match.phase, match.addedMinutes, game.clockFace().hundreds, game.countsUp(),
        match.shootout, game.figureValue(Figure::CKH), game.figureValue(Figure::CKV),
        game.sendingOffs(Team::Home), game.sendingOffs(Team::Visitor)};
}

QString PhaseWord(Phase phase)
{
    const char *word = nullptr;
    switch (phase) {
    case Phase::HalfTime:
        word = "HALF-TIME";
        break;
    case Phase::ExtraTimeFirstHalf:
    case Phase::ExtraTimeSecondHalf:
        word = "EXTRA TIME";
        break;
    case Phase::ExtraTimeHalfTime:
        word = "ET HALF-TIME";
        break;
    case Phase::Penalties:
        word = "PENALTIES";
        break;
    case Phase::FullTime:
        word = "FULL TIME";
        break;
    case Phase::PreMatch:
    case Phase::FirstHalf:
    case Phase::SecondHalf:
        return {};
    }
    return QCoreApplication::translate(Context, word);
}

MatchDisplay::MatchDisplay(QWidget &board, const BoardDesign &design, const LiveSettings &settings)
    : QObject(&board)
    , m_board(board)
    , m_design(design)
    , m_settings(settings)
{
    const auto make = [&board](auto *widget, const char *name) {
        widget->setObjectName(QLatin1String(name));
        widget->hide();
        return widget;
    };
    m_word = make(new BoardWord(&board), "matchPhase");
    m_added = make(new BoardWord(&board), "matchAddedTime");
    m_hundreds = make(new LedBox(1, &board), "matchClockHundreds");
    m_marksHome = make(new KickMarks(&board), "matchKicksH");
    m_marksVisitor = make(new KickMarks(&board), "matchKicksV");
    m_shootoutHome = make(new BoardWord(&board), "matchShootoutH");
    m_shootoutVisitor = make(new BoardWord(&board), "matchShootoutV");
    m_cornersHome = make(new LedBox(2, &board), "matchCornersH");
    m_cornersVisitor = make(new LedBox(2, &board), "matchCornersV");
    m_offsHome = make(new SendingOffMarks(&board), "matchSendingOffsH");
    m_offsVisitor = make(new SendingOffMarks(&board), "matchSendingOffsV");
    refresh();
    relayout();
}

void MatchDisplay::follow(const ScoreboardGame &game)
{
    const auto follow = [this, &game] { show(MatchViewOf(game)); };
    connect(&game, &ScoreboardGame::changed, this, follow);
    connect(&game, &ScoreboardGame::matchChanged, this, follow);
    follow();
}

KickMarks *MatchDisplay::kickMarks(Team team) const
{
    return team == Team::Home ? m_marksHome : m_marksVisitor;
}

BoardWord *MatchDisplay::shootoutScore(Team team) const
{
    return team == Team::Home ? m_shootoutHome : m_shootoutVisitor;
}

LedBox *MatchDisplay::corners(Team team) const
{
    return team == Team::Home ? m_cornersHome : m_cornersVisitor;
}

SendingOffMarks *MatchDisplay::sendingOffs(Team team) const
{
    return team == Team::Home ? m_offsHome : m_offsVisitor;
}

void MatchDisplay::show(const MatchView &view)
{
    // Most calls come with a tick of the clock and change nothing here.
    if (view == m_view) {
        return;
    }
    m_view = view;
    showContents();
}

void MatchDisplay::showContents()
{
    const MatchView &view = m_view;
    const QString word = PhaseWord(view.phase);
    m_word->setText(word);
    m_word->setVisible(!word.isEmpty());

    const bool added = IsPlayingHalf(view.phase) && view.addedMinutes > 0;
    m_added->setText(added ? QStringLiteral("+%1").arg(view.addedMinutes) : QString());
    m_added->setVisible(added);

    m_hundreds->setCaptions({view.hundreds});
    m_hundreds->setVisible(view.hundreds >= 0);

    const bool shootout = showsShootout(view);
    placeWord();
    for (const Team team : {Team::Home, Team::Visitor}) {
        kickMarks(team)->setKicks(view.shootout.kicks(team), kickSlots(view.shootout));
        kickMarks(team)->setVisible(shootout);
        shootoutScore(team)->setText(QStringLiteral("(%1)").arg(view.shootout.scored(team)));
        shootoutScore(team)->setVisible(shootout);
    }

    m_cornersHome->setCaptions(DigitCaptions(view.cornersHome, 2));
    m_cornersVisitor->setCaptions(DigitCaptions(view.cornersVisitor, 2));
    m_cornersHome->setVisible(view.countsUp);
    m_cornersVisitor->setVisible(view.countsUp);

    m_offsHome->setCount(view.sendingOffsHome);
    m_offsVisitor->setCount(view.sendingOffsVisitor);
    // A screen reader says what the cards show, with the team's name from the board; told only
    // of a change, as every setting of a name is announced.
    for (const auto &[marks, name] : {std::pair{m_offsHome.data(), m_settings.HomeText},
             std::pair{m_offsVisitor.data(), m_settings.GuestText}}) {
        const QString said
            = QCoreApplication::translate(Context, "%1 sent off: %2").arg(name).arg(marks->count());
        if (said != marks->accessibleName()) {
            marks->setAccessibleName(said);
        }
    }
    placeSendingOffs();
}

void MatchDisplay::placeSendingOffs()
{
    for (const Team team : {Team::Home, Team::Visitor}) {
        SendingOffMarks *marks = sendingOffs(team);
        const QRect room = m_offsRoom[team == Team::Home ? 0 : 1];
        const int count = marks->count();
        marks->setVisible(count > 0 && !room.isEmpty());
        if (!marks->isVisibleTo(&m_board)) {
            continue;
        }
        // As high as the strip, lower where a long row would not fit its width.
        int height = room.height();
        while (height > 4 && SendingOffMarks::rowWidth(count, height) > room.width()) {
            --height;
        }
        const int width = std::min(SendingOffMarks::rowWidth(count, height), room.width());
        const int middle = m_offsMiddle[team == Team::Home ? 0 : 1];
        const int left = std::clamp(middle - width / 2, room.left(), room.right() + 1 - width);
        marks->setGeometry(left, room.top() + (room.height() - height) / 2, width, height);
    }
}

void MatchDisplay::placeWord()
{
    m_word->setGeometry(showsShootout(m_view) ? m_wordBetweenMarks : m_wordAlone);
}

void MatchDisplay::refresh()
{
    const LiveSettings &s = m_settings;
    m_word->setColors(s.TextColor, std::nullopt);
    for (BoardWord *figure : {m_added.data(), m_shootoutHome.data(), m_shootoutVisitor.data()}) {
        figure->setColors(s.LEDColor, s.LEDBackColor);
    }
    for (LedBox *box : {m_hundreds.data(), m_cornersHome.data(), m_cornersVisitor.data()}) {
        box->setColors(s.LEDColor, s.LEDBackColor);
    }
    m_marksHome->setColors(s.LEDColor, s.LEDBackColor);
    m_marksVisitor->setColors(s.LEDColor, s.LEDBackColor);
    m_offsHome->setEdgeColor(s.TextColor);
    m_offsVisitor->setEdgeColor(s.TextColor);
    showContents();
    relayout();
}

void MatchDisplay::relayout()
{
    const auto group
        = [this](const char *name) { return m_design.groups.value(QLatin1String(name)); };
    const DigitGroup *clock = group("sgmTime");
    const BoardLabel *periodLabel = m_design.labels.value(QStringLiteral("lblPeriod"));
    const BoardLabel *shotsLabel = m_design.labels.value(QStringLiteral("lblShotsH"));
    if (!clock || clock->digitCount() < 2 || !periodLabel || !shotsLabel) {
        return;
    }
    const QRect time = clock->geometry();
    const Segmora *first = clock->digit(0);
    const int clockPitch = clock->digit(1)->x() - first->x();
    const int inset = first->x();

    // The hundreds are only ever a 1, so only the part of a digit where a 1 lights is shown,
    // as instruments show a leading half digit: the clock widens by little, never over the
    // home team's name.
    const SegmoraGeometry::Measures m = SegmoraGeometry::measuresFor(first->digitSize());
    const int cellLeft = time.left() + inset - clockPitch;
    const int lit = cellLeft + m.segmentLength + 1;
    const int boxLeft = lit - inset;
    m_hundreds->setGeometry(boxLeft, time.top(), time.left() - boxLeft, time.height());
    m_hundreds->placeDigits(first->digitSize(), {QPoint(cellLeft - boxLeft, first->y())});

    // The added time, raised beside the top of the clock, above the visitor's name.
    const int addedHeight = time.height() * 2 / 5;
    m_added->setGeometry(
        time.right() + 1 + inset / 2, time.top(), addedHeight * 8 / 5, addedHeight);

    const QRect scoreH = geometryOf(group("sgmScoreH"));
    const QRect scoreV = geometryOf(group("sgmScoreV"));
    const QRect period = geometryOf(group("sgmPeriod"));
    const QRect shotsH = geometryOf(group("sgmShotsH"));
    const QRect savesV = geometryOf(group("sgmSavesV"));

    // The band between the scores and the captions of the lower figures: the shoot-out's marks
    // below each team's score, the phase in the middle.
    const int above = std::max({scoreH.bottom(), scoreV.bottom(), period.bottom()}) + 1;
    const int gap = std::max(1, (shotsLabel->y() - above) / 10);
    const QRect band(0, above + gap, m_board.width(), shotsLabel->y() - above - 2 * gap);
    const int homeHalf = scoreH.center().x() - shotsH.left();
    const QRect marksH(scoreH.center().x() - homeHalf, band.top(), 2 * homeHalf, band.height());
    const int visitorHalf = savesV.right() - scoreV.center().x();
    const QRect marksV(
        scoreV.center().x() - visitorHalf, band.top(), 2 * visitorHalf, band.height());
    m_marksHome->setGeometry(marksH);
    m_marksVisitor->setGeometry(marksV);
    // Between the marks while they show; otherwise a long word may take the whole band.
    m_wordBetweenMarks = QRect(QPoint(marksH.right() + 1 + gap, band.top()),
        QPoint(marksV.left() - 1 - gap, band.bottom()));
    m_wordAlone = QRect(QPoint(marksH.left(), band.top()), QPoint(marksV.right(), band.bottom()));
    placeWord();
    m_word->setFace(periodLabel->font(), periodLabel->font().pixelSize());

    // The shoot-out's score beside each team's score, on the side of the middle.
    const QSize scoreSize(scoreH.width() * 3 / 5, scoreH.height() * 3 / 5);
    const int beside = inset / 2;
    m_shootoutHome->setGeometry(
        QRect(QPoint(scoreH.right() + 1 + beside, scoreH.center().y() - scoreSize.height() / 2),
            scoreSize));
    m_shootoutVisitor->setGeometry(QRect(QPoint(scoreV.left() - beside - scoreSize.width(),
                                             scoreV.center().y() - scoreSize.height() / 2),
        scoreSize));
    for (BoardWord *figure : {m_added.data(), m_shootoutHome.data(), m_shootoutVisitor.data()}) {
        figure->setFace(periodLabel->font(), figure->height() * 4 / 5);
    }

    placeCorners(*m_cornersHome, group("sgmShotsH"), group("sgmCKH"), group("sgmSavesH"));
    placeCorners(*m_cornersVisitor, group("sgmShotsV"), group("sgmCKV"), group("sgmSavesV"));

    // The sending-offs in the strip between the frame's top and each team's name, clear of the
    // clock, the added time and the frame's rounded corners.
    const BoardLabel *homeName = m_design.labels.value(QStringLiteral("lblHomeName"));
    const BoardLabel *visitorName = m_design.labels.value(QStringLiteral("lblGuestName"));
    if (m_design.frame && homeName && visitorName) {
        const QRect frame = m_design.frame->geometry();
        const int corner = std::min(frame.width(), frame.height()) / 12;
        const int top = frame.top() + m_design.frame->borderWidth();
        const int strip = homeName->y() - top;
        const int margin = std::max(1, strip / 6);
        const auto room = [&](int left, int right) {
            return QRect(QPoint(left, top + margin), QPoint(right, homeName->y() - 1 - margin));
        };
        m_offsRoom[0] = room(std::max(homeName->x(), frame.left() + corner),
            std::min(homeName->geometry().right(), time.left() - 1 - margin));
        m_offsRoom[1] = room(std::max(visitorName->x(), m_added->geometry().right() + 1 + margin),
            std::min(visitorName->geometry().right(), frame.right() - corner));
        m_offsMiddle[0] = homeName->geometry().center().x();
        m_offsMiddle[1] = visitorName->geometry().center().x();
    }
    placeSendingOffs();
}
