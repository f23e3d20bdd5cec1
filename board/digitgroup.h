#pragma once

#include "game/figurevalue.h"

#include <QAccessible>
#include <QList>
#include <QWidget>

class Segmora;

// A figure of the board: a container in the LED background colour holding the LED digits that
// together show one number. Every character typed while the group or one of its digits has the
// focus is reported once by `keyTyped`. To a screen reader it is one object with a role, a name
// and a value (see FigureAccessible); the board says when a change is announced.
class DigitGroup final : public QWidget
{
    Q_OBJECT
    Q_CLASSINFO("ControlKind", "PictureBox")
    Q_PROPERTY(int BackColor READ backColor WRITE setBackColor)

public:
    explicit DigitGroup(QWidget *parent = nullptr);

    // Places `digit` as element `index` of the group's LED array.
    void addDigit(Segmora *digit, int index);
    Segmora *digit(int index) const;
    const QList<Segmora *> &digits() const { return m_digits; }

    void setBackColor(qint32 bgr);
    qint32 backColor() const { return m_backColor; }

    // The name of the figure's LED array, e.g. "sgmScoreH".
    QString groupName() const { return m_groupName; }
    void setGroupName(const QString &name) { m_groupName = name; }
    int digitCount() const { return static_cast<int>(m_digits.size()); }
    // One LED digit's caption (-1 is blank), digit 0 the rightmost.
    qint16 caption(int index) const;
    void setCaption(int index, qint16 caption);
    // Shows a value on the digits, as QLCDNumber::display does, by the board's rules: leading
    // zeros blank, or every digit 0 for a figure nobody has entered yet.
    void display(int value) { display(FigureValue{value, false}); }
    void display(const FigureValue &value);

    // What a screen reader reads; setting any of these sends no event.
    void setValueRange(double minimum, double maximum);
    double minimumValue() const { return m_minimum; }
    double maximumValue() const { return m_maximum; }
    void setAccessibleValue(double value) { m_value = value; }
    double accessibleValue() const { return m_value; }
    // Said after the accessible name, for a figure whose name carries its value (the clock).
    void setSpokenValue(const QString &spoken) { m_spoken = spoken; }
    QString spokenValue() const { return m_spoken; }
    // Tells a screen reader that the value (or, for the clock, the name) has changed.
    void announceValue();
    void announceName();

Q_SIGNALS:
    void keyTyped(short keyAscii);

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QList<Segmora *> m_digits;
    QString m_groupName;
    qint32 m_backColor = 0;
    double m_minimum = 0;
    double m_maximum = 0;
    double m_value = 0;
    QString m_spoken;
};
