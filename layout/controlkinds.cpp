#include "controlkinds.h"

#include <QLabel>
#include <QWidget>

ControlKind KindOf(const QWidget *widget)
{
    struct ClassKind
    {
        const char *className;
        ControlKind kind;
    };
    static constexpr ClassKind Kinds[] = {
        {"Segmora", ControlKind::Segmora},
        {"DigitGroup", ControlKind::PictureBox},
        {"BoardLabel", ControlKind::Label},
        {"BoardShape", ControlKind::Shape},
        {"QLabel", ControlKind::Label},
    };
    if (!widget) {
        return ControlKind::Other;
    }
    const char *name = widget->metaObject()->className();
    for (const ClassKind &entry : Kinds) {
        if (qstrcmp(name, entry.className) == 0) {
            // A plain label that shows a picture is an image.
            if (entry.kind == ControlKind::Label && qstrcmp(name, "QLabel") == 0) {
                const auto *label = static_cast<const QLabel *>(widget);
                if (!label->pixmap().isNull()) {
                    return ControlKind::Image;
                }
            }
            return entry.kind;
        }
    }
    return ControlKind::Other;
}

QString KindName(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Segmora:
        return QStringLiteral("Segmora");
    case ControlKind::PictureBox:
        return QStringLiteral("PictureBox");
    case ControlKind::Image:
        return QStringLiteral("Image");
    case ControlKind::Label:
        return QStringLiteral("Label");
    case ControlKind::Shape:
        return QStringLiteral("Shape");
    case ControlKind::Other:
        break;
    }
    return {};
}
