#pragma once

#include <QAccessibleWidget>

class DigitGroup;
struct BoardDesign;

// What a screen reader finds in a figure of the board: one object with the figure's name and
// its value, not one unnamed object per LED digit. Its events are sent by the digit group when
// the board announces a change, never by the reading.
class FigureAccessible final : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit FigureAccessible(DigitGroup *group);

    QString text(QAccessible::Text t) const override;
    // Read from the group each time: the interface may be made before the board sets it.
    QAccessible::Role role() const override;
    int childCount() const override { return 0; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    void *interface_cast(QAccessible::InterfaceType type) override;

    QVariant currentValue() const override;
    // The board is set by typing, as the operator does; a reader cannot set it.
    void setCurrentValue(const QVariant &) override { }
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;

private:
    const DigitGroup *group() const;
};

// Gives every digit group its FigureAccessible; installed by the first group made.
QAccessibleInterface *FigureAccessibleFactory(const QString &className, QObject *object);

// Names every figure of `design` by the words the board shows round it, team names as
// configured ("Guest SHOTS"); a name that stays the same is not set again, so no event is sent.
void NameFigures(const BoardDesign &design);
