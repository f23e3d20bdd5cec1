#pragma once

#include <QWidget>

// A drawn shape of the board: the rounded frame around the figures, or a filled dot of the
// clock's colon. It takes no mouse input, so clicks reach what lies beneath.
class BoardShape final : public QWidget
{
    Q_OBJECT
    Q_CLASSINFO("ControlKind", "Shape")
    Q_PROPERTY(int BorderWidth READ borderWidth WRITE setBorderWidth)

public:
    enum class Kind { RoundedRectangle, Circle };

    explicit BoardShape(Kind kind, QWidget *parent = nullptr);

    Kind kind() const { return m_kind; }

    int borderWidth() const { return m_borderWidth; }
    void setBorderWidth(int width);

    qint32 borderColor() const { return m_borderColor; }
    void setBorderColor(qint32 bgr);

    // A filled shape paints its inside in this colour; a frame has no fill.
    bool filled() const { return m_filled; }
    void setFilled(bool filled);
    qint32 fillColor() const { return m_fillColor; }
    void setFillColor(qint32 bgr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Kind m_kind;
    int m_borderWidth = 1;
    qint32 m_borderColor = 0;
    bool m_filled = false;
    qint32 m_fillColor = 0;
};
