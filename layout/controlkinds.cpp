#include "controlkinds.h"

#include <segmora/segmora.h>

#include <QLabel>
#include <QMetaClassInfo>
#include <QWidget>

ControlKind KindOf(const QWidget *widget)
{
    if (!widget) {
        return ControlKind::Other;
    }
    const QMetaObject *meta = widget->metaObject();
    const int declared = meta->indexOfClassInfo(ControlKindInfo);
    if (declared >= 0) {
        const QLatin1String name(meta->classInfo(declared).value());
        for (const ControlKind kind : {ControlKind::Segmora, ControlKind::PictureBox,
                 ControlKind::Image, ControlKind::Label, ControlKind::Shape}) {
            if (KindName(kind) == name) {
                return kind;
            }
        }
        return ControlKind::Other;
    }
    if (qobject_cast<const Segmora *>(widget)) {
        return ControlKind::Segmora;
    }
    // Only a plain label: one of the toolkit's subclasses is some other control. A plain label
    // that shows a picture is an image.
    if (qstrcmp(meta->className(), "QLabel") == 0) {
        const auto *label = static_cast<const QLabel *>(widget);
        return label->pixmap().isNull() ? ControlKind::Label : ControlKind::Image;
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
