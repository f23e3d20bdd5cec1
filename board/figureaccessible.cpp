#include "figureaccessible.h"

#include "board/boarddesign.h"
#include "board/boardlabel.h"
#include "board/digitgroup.h"
#include "game/figures.h"

#include <QCoreApplication>

// A figure is typed, raised and lowered like a spin box; the clock too, for the Linux bridge says
// "unknown" for Qt's clock role.
FigureAccessible::FigureAccessible(DigitGroup *group)
    : QAccessibleWidget(group, QAccessible::SpinBox)
{
}

const DigitGroup *FigureAccessible::group() const
{
    return static_cast<const DigitGroup *>(widget());
}

QAccessible::Role FigureAccessible::role() const
{
    return QAccessible::SpinBox;
}

QString FigureAccessible::text(QAccessible::Text t) const
{
    if (t != QAccessible::Name) {
        return QAccessibleWidget::text(t);
    }
    const QString spoken = group()->spokenValue();
    const QString name = group()->accessibleName();
    if (spoken.isEmpty()) {
        return name;
    }
    return name.isEmpty() ? spoken : name + QLatin1Char(' ') + spoken;
}

void *FigureAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ValueInterface) {
        return static_cast<QAccessibleValueInterface *>(this);
    }
    return QAccessibleWidget::interface_cast(type);
}

QVariant FigureAccessible::currentValue() const
{
    return group()->accessibleValue();
}

QVariant FigureAccessible::maximumValue() const
{
    return group()->maximumValue();
}

QVariant FigureAccessible::minimumValue() const
{
    return group()->minimumValue();
}

QVariant FigureAccessible::minimumStepSize() const
{
    return 1;
}

QAccessibleInterface *FigureAccessibleFactory(const QString &className, QObject *object)
{
    auto *group = qobject_cast<DigitGroup *>(object);
    if (className != QLatin1String("DigitGroup") || !group) {
        return nullptr;
    }
    return new FigureAccessible(group);
}

void NameFigures(const BoardDesign &design)
{
    const auto textOf = [&design](std::string_view label) {
        const BoardLabel *shown
            = design.labels.value(QLatin1String(label.data(), qsizetype(label.size())));
        return shown ? shown->text() : QString();
    };
    for (const FigureInfo &figure : Figures) {
        QStringList words;
        const QString caption
            = QLatin1String(figure.captionLabel.data(), qsizetype(figure.captionLabel.size()));
        words << textOf(figure.teamLabel) << design.spokenCaptions.value(caption)
              << QCoreApplication::translate("BoardDesign", std::string(figure.spokenName).c_str());
        words.removeAll(QString());
        const QString name = words.join(QLatin1Char(' '));
        DigitGroup *shown = design.groups.value(
            QLatin1String(figure.ledArray.data(), qsizetype(figure.ledArray.size())));
        if (shown && shown->accessibleName() != name) {
            shown->setAccessibleName(name);
        }
    }
}
