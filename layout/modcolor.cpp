#include "modcolor.h"

#include "layout/controlkinds.h"
#include "settings/livesettings.h"
#include "ui/colors.h"

#include <segmora/segmora.h>

#include <QWidget>

namespace {

// Sets a colour through the widget's own colour property where it has one, otherwise through
// its palette.
void setColor(QWidget *widget, const char *property, QPalette::ColorRole role, qint32 bgr)
{
    if (widget->metaObject()->indexOfProperty(property) >= 0) {
        widget->setProperty(property, bgr);
        return;
    }
    QPalette palette = widget->palette();
    palette.setColor(role, ToQColor(bgr));
    widget->setPalette(palette);
    if (role == QPalette::Window) {
        widget->setAutoFillBackground(true);
    }
}

} // namespace

void SetLedColors(Segmora &digit, qint32 litColor, const LiveSettings &settings)
{
    digit.setBackColor(settings.LEDBackColor);
    digit.setLitColor(litColor);
}

void SetLedColors(const QList<Segmora *> &digits, qint32 litColor, const LiveSettings &settings)
{
    for (Segmora *digit : digits) {
        if (digit) {
            SetLedColors(*digit, litColor, settings);
        }
    }
}

void ApplyFormColors(
    QWidget &window, const QList<QWidget *> &exclusions, const LiveSettings &settings)
{
    // Names between bars, so that only a whole name matches.
    QString excluded;
    for (const QWidget *widget : exclusions) {
        excluded += QLatin1Char('|') + widget->objectName() + QLatin1Char('|');
    }
    excluded = QLatin1Char('|') + excluded + QLatin1Char('|');

    const QList<QWidget *> controls = window.findChildren<QWidget *>();
    for (QWidget *control : controls) {
        // A control without a name is never taken for an excluded one.
        if (!control->objectName().isEmpty()
            && excluded.contains(QLatin1Char('|') + control->objectName() + QLatin1Char('|'))) {
            continue;
        }
        switch (KindOf(control)) {
        case ControlKind::Label:
            setColor(control, "ForeColor", QPalette::WindowText, settings.TextColor);
            break;
        case ControlKind::PictureBox:
            setColor(control, "BackColor", QPalette::Window, settings.LEDBackColor);
            break;
        default:
            break;
        }
    }
}
