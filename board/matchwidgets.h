#pragma once

#include <QFont>
#include <QList>
#include <QWidget>

#include <optional>

class Segmora;

// The small pieces the board adds for a soccer match. None of them is part of the design data:
// the layout and the colour scheme leave them alone, and the board places and colours them.

// A word or a short figure, centred and as large as its box and its largest pixel size allow,
// so that a longer translation shrinks instead of spilling over its neighbours.
class BoardWord final : public QWidget
{
    Q_OBJECT

public:
    explicit BoardWord(QWidget *parent = nullptr);

    QString text() const { return m_text; }
    void setText(const QString &text);
    // The bold face of the board's captions; `pixelSize` is the largest the text is drawn.
    void setFace(const QFont &font, int pixelSize);
    // Text colour, and the box's background; none leaves the board's own showing through.
    void setColors(qint32 fore, std::optional<qint32> back);
    // The font the text is drawn with in the box as it is now.
    QFont fittedFont() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_text;
    QFont m_font;
    int m_pixelSize = 12;
    qint32 m_fore = 0;
    std::optional<qint32> m_back;
};

// LED digits in a box of the LED background, placed by the board: the hundreds of the match
// clock's minutes, or a corner-kick figure that needs two digits.
class LedBox final : public QWidget
{
    Q_OBJECT

public:
    LedBox(int digitCount, QWidget *parent = nullptr);

    // Digit 0 is the rightmost.
    Segmora *digit(int index) const { return m_digits.value(index); }
    int digitCount() const { return static_cast<int>(m_digits.size()); }
    // Captions by digit, digit 0 first; -1 is blank.
    void setCaptions(const QList<qint16> &captions);
    QList<qint16> captions() const;
    void setColors(qint32 lit, qint32 back);
    // Gives every digit `size` and puts digit i at `positions[i]`, inside the box.
    void placeDigits(int size, const QList<QPoint> &positions);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QList<Segmora *> m_digits;
    qint32 m_back = 0;
};

// One team's kicks of a penalty shoot-out, as a row of marks on the LED background: a filled
// disc for a goal, a cross for a miss, a ring for a kick still to come.
class KickMarks final : public QWidget
{
    Q_OBJECT

public:
    explicit KickMarks(QWidget *parent = nullptr);

    // `markCount` marks in all: the kicks taken, then rings; at least as many as kicks.
    void setKicks(const QList<bool> &kicks, int markCount);
    const QList<bool> &kicks() const { return m_kicks; }
    int slotCount() const { return m_slots; }
    void setColors(qint32 lit, qint32 back);
    // Where the marks are drawn, inside the widget: a strip just long enough for them, centred.
    QRect marksRect() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // The diameter of one mark and the distance from one mark's centre to the next.
    int diameter() const;
    int pitch() const;

    QList<bool> m_kicks;
    int m_slots = 0;
    qint32 m_lit = 0;
    qint32 m_back = 0;
};

// One team's sending-offs as a row of small red cards, filling the widget's height; the board
// sizes the widget to the row (see rowWidth).
class SendingOffMarks final : public QWidget
{
    Q_OBJECT

public:
    explicit SendingOffMarks(QWidget *parent = nullptr);

    int count() const { return m_count; }
    void setCount(int count);
    // A thin edge around each card, so that a red card reads on a red board too.
    void setEdgeColor(qint32 color);
    // The width of a row of `count` cards `height` high.
    static int rowWidth(int count, int height);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_count = 0;
    qint32 m_edge = 0;
};
