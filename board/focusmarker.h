#pragma once

#include <QPointer>
#include <QWidget>

class QPainter;

struct GameState;
struct LiveSettings;

// A frame round the figure that has the keyboard focus, with what has been typed into it
// before Enter, so that the operator sees where the typing goes. It lies over the board and
// takes no input; while switched off it is hidden and the board looks exactly as without it.
class FocusMarker final : public QWidget
{
    Q_OBJECT

public:
    explicit FocusMarker(QWidget *board);

    // Frames `target` (nullptr: nothing) and shows `entry` under it; colours are 0x00BBGGRR.
    void mark(QWidget *target, const QString &entry, qint32 lineColor, qint32 textColor);
    QWidget *target() const { return m_target; }
    QString entry() const { return m_entry; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPointer<QWidget> m_target;
    QString m_entry;
    qint32 m_lineColor = 0;
    qint32 m_textColor = 0;
};

// What the marker shows: the figure it frames (nullptr: none) and what is typed into it.
struct FocusMarkContent
{
    QWidget *target = nullptr;
    QString entry;
};
// What has been typed into `figure` before Enter; empty when it is no figure or nothing is.
QString TypedInto(const QWidget &figure, const GameState &game);
// The mark for `focused`: the figure when it is one and the settings ask for the marker, with
// the entry the game holds for it; no target otherwise.
FocusMarkContent FocusMark(QWidget *focused, const GameState &game, const LiveSettings &settings);

// Marks `focused` as FocusMark has it; hides the marker when there is nothing to mark.
void MarkFocusedFigure(
    FocusMarker &marker, QWidget *focused, const GameState &game, const LiveSettings &settings);

// Where the marker stands for `target` with `entry`, in the coordinates of `board` (an ancestor
// of `target`), with the tag's text in `font`.
QRect FocusMarkFrame(
    const QWidget &target, const QWidget &board, const QString &entry, const QFont &font);
// Draws the marker filling `frame`: the line round the figure and the tag with `entry`.
void PaintFocusMark(QPainter &painter, const QRect &frame, const QString &entry, const QColor &line,
    const QColor &text, const QFont &font);
