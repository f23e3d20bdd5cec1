#include "digitgroup.h"

#include "board/figureaccessible.h"
#include "settings/typedkeys.h"
#include "ui/colors.h"

#include <segmora/segmora.h>

#include <QKeyEvent>
#include <QPainter>

DigitGroup::DigitGroup(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    QAccessible::installFactory(&FigureAccessibleFactory);
}

void DigitGroup::setValueRange(double minimum, double maximum)
{
    m_minimum = minimum;
    m_maximum = maximum;
}

void DigitGroup::announceValue()
{
    QAccessibleValueChangeEvent event(this, m_value);
    QAccessible::updateAccessibility(&event);
}

void DigitGroup::announceName()
{
    QAccessibleEvent event(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

void DigitGroup::addDigit(Segmora *digit, int index)
{
    if (index >= m_digits.size()) {
        m_digits.resize(index + 1, nullptr);
    }
    m_digits[index] = digit;
    // A click on a digit gives the group the focus, so that the group receives what is typed.
    digit->setFocusPolicy(Qt::ClickFocus);
    digit->setFocusProxy(this);
    connect(digit, &Segmora::KeyPress, this, &DigitGroup::keyTyped);
}

Segmora *DigitGroup::digit(int index) const
{
    return index >= 0 && index < m_digits.size() ? m_digits[index] : nullptr;
}

void DigitGroup::setBackColor(qint32 bgr)
{
    if (bgr == m_backColor) {
        return;
    }
    m_backColor = bgr;
    update();
}

qint16 DigitGroup::caption(int index) const
{
    const Segmora *d = digit(index);
    return d ? d->caption() : qint16(-1);
}

void DigitGroup::setCaption(int index, qint16 caption)
{
    if (Segmora *d = digit(index)) {
        d->setCaption(caption);
    }
}

void DigitGroup::display(const FigureValue &value)
{
    const QList<qint16> captions = DigitCaptions(value, digitCount());
    for (int i = 0; i < digitCount(); ++i) {
        setCaption(i, captions.at(i));
    }
}

void DigitGroup::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), ToQColor(m_backColor));
}

void DigitGroup::keyPressEvent(QKeyEvent *event)
{
    const QString text = event->text();
    if (text.isEmpty()) {
        event->ignore();
        return;
    }
    for (const qint16 code : TypedKeyCodes(text)) {
        Q_EMIT keyTyped(code);
    }
    event->accept();
}
