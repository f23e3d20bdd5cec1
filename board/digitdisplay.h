#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

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

// A figure's digits as the game holds them, with no window: every digit starts at 0, as a new
// LED digit does.
class FigureDigits final : public DigitDisplay
{
public:
    FigureDigits(QString name, int digitCount);

    QString groupName() const override { return m_name; }
    int digitCount() const override { return static_cast<int>(m_captions.size()); }
    qint16 caption(int index) const override;
    void setCaption(int index, qint16 caption) override;
    const QList<qint16> &captions() const { return m_captions; }

private:
    QString m_name;
    QList<qint16> m_captions;
};
