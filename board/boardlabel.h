#pragma once

#include <QLabel>

// A caption of the board: centred, transparent, bold, its font size kept in points so that the
// board can scale it, and drawn at the board's design resolution of 96 dots per inch whatever
// the screen reports, so text keeps its proportion to the digits.
class BoardLabel final : public QLabel
{
    Q_OBJECT
    Q_CLASSINFO("ControlKind", "Label")
    Q_PROPERTY(double FontSize READ fontSize WRITE setFontSize)
    Q_PROPERTY(int ForeColor READ foreColor WRITE setForeColor)

public:
    explicit BoardLabel(QWidget *parent = nullptr);

    double fontSize() const { return m_fontSize; }
    void setFontSize(double points);

    qint32 foreColor() const { return m_foreColor; }
    void setForeColor(qint32 bgr);

private:
    double m_fontSize = 8.25;
    qint32 m_foreColor = 0;
};
