#pragma once

#include <QPointer>
#include <QWidget>

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

// Marks `focused` when it is a figure and the settings ask for the marker, with the entry the
// game holds for it; hides the marker otherwise.
void MarkFocusedFigure(
    FocusMarker &marker, QWidget *focused, const GameState &game, const LiveSettings &settings);
