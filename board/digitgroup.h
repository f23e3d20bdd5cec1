#pragma once

#include <QList>
#include <QWidget>

class Segmora;

// What number entry needs of a figure: its name and its LED digits' captions (-1 is blank).
class DigitDisplay
{
public:
    virtual ~DigitDisplay() = default;
    // The name of the figure's LED array, e.g. "sgmScoreH".
    virtual QString groupName() const = 0;
    virtual int digitCount() const = 0;
    virtual qint16 caption(int index) const = 0;
    virtual void setCaption(int index, qint16 caption) = 0;
};

// The number a figure shows, as it reads: its digits from the highest, blanks left out; 0 when
// every digit is blank.
qint64 ShownValue(const DigitDisplay &group);

// A figure of the board: a container in the LED background colour holding the LED digits that
// together show one number. Every character typed while the group or one of its digits has the
// focus is reported once by `keyTyped`.
class DigitGroup final : public QWidget, public DigitDisplay
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

    QString groupName() const override { return m_groupName; }
    void setGroupName(const QString &name) { m_groupName = name; }
    int digitCount() const override { return static_cast<int>(m_digits.size()); }
    qint16 caption(int index) const override;
    void setCaption(int index, qint16 caption) override;

Q_SIGNALS:
    void keyTyped(short keyAscii);

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QList<Segmora *> m_digits;
    QString m_groupName;
    qint32 m_backColor = 0;
};
