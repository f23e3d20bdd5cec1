#include "colorstab.h"

#include "captionframe.h"
#include "designhelpers.h"
#include "settings/livesettings.h"
#include "settings/settingsstore.h"
#include "ui/colors.h"
#include "ui/uiservices.h"

#include <QCoreApplication>
#include <QPushButton>

ColorSwatch::ColorSwatch(QWidget *parent)
    : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setAutoFillBackground(true);
    setColor(0);
}

void ColorSwatch::setColor(qint32 color)
{
    m_color = color;
    QPalette patch = palette();
    patch.setColor(QPalette::Window, ToQColor(color));
    setPalette(patch);
    nameColor();
}

void ColorSwatch::setSubject(const QString &subject)
{
    m_subject = subject;
    nameColor();
}

void ColorSwatch::nameColor()
{
    const QString name = m_subject + QStringLiteral(": ") + SpokenColor(m_color);
    if (accessibleName() != name) {
        setAccessibleName(name);
    }
}

QString SpokenColor(qint32 bgr)
{
    const QColor color = ToQColor(bgr);
    return QCoreApplication::translate("ColorsTab", "red %1, green %2, blue %3")
        .arg(color.red())
        .arg(color.green())
        .arg(color.blue());
}

ColorsTab::ColorsTab(UiServices &ui, QWidget *parent)
    : QWidget(parent)
    , m_ui(ui)
{
    struct ColorFrame
    {
        const char *title;
        int left;
        int top;
        const char *swatchName;
        const char *buttonName;
        ColorSwatch *ColorsTab::*swatch;
    };
    const ColorFrame frames[] = {
        {QT_TR_NOOP("Home Color:"), 240, 480, "picHomeC", "cmdHomeC", &ColorsTab::m_picHomeC},
        {QT_TR_NOOP("Background:"), 1920, 480, "picBackC", "cmdBackC", &ColorsTab::m_picBackC},
        {QT_TR_NOOP("LED Color:"), 3600, 480, "picLedForeC", "cmdLedForeC",
            &ColorsTab::m_picLedForeC},
        {QT_TR_NOOP("Guest Color:"), 240, 1440, "picGuestC", "cmdGuestC", &ColorsTab::m_picGuestC},
        {QT_TR_NOOP("Text Color:"), 1920, 1440, "picTextC", "cmdTextC", &ColorsTab::m_picTextC},
        {QT_TR_NOOP("LED Back Color:"), 3600, 1440, "picLedBackC", "cmdLedBackC",
            &ColorsTab::m_picLedBackC},
    };
    for (const ColorFrame &frame : frames) {
        auto *box
            = PlaceTwips<CaptionFrame>(this, frame.left, frame.top, 1455, 735, tr(frame.title));
        ColorSwatch *swatch = PlaceTwips<ColorSwatch>(box, 120, 240, 495, 375);
        swatch->setObjectName(QLatin1String(frame.swatchName));
        const QString what = FrameSubject(tr(frame.title));
        swatch->setSubject(what);
        this->*frame.swatch = swatch;
        auto *change = PlaceTwips<QPushButton>(box, 600, 240, 735, 375, tr("Change"));
        change->setObjectName(QLatin1String(frame.buttonName));
        //: What a screen reader says for a colour's Change button, %1 naming the colour.
        change->setAccessibleName(tr("Change %1").arg(what));
        connect(change, &QPushButton::clicked, this, [this, swatch] { changeColor(swatch); });
    }

    auto *cmdResetColors = PlaceTwips<QPushButton>(this, 3840, 2340, 1215, 375, tr("Reset Colors"));
    cmdResetColors->setObjectName(QStringLiteral("cmdResetColors"));
    connect(cmdResetColors, &QPushButton::clicked, this, &ColorsTab::resetColors);
}

void ColorsTab::load(const LiveSettings &settings)
{
    setColors(settings);
}

void ColorsTab::store(LiveSettings &settings) const
{
    settings.HomeColor = m_picHomeC->color();
    settings.GuestColor = m_picGuestC->color();
    settings.FormColor = m_picBackC->color();
    settings.TextColor = m_picTextC->color();
    settings.LEDColor = m_picLedForeC->color();
    settings.LEDBackColor = m_picLedBackC->color();
}

void ColorsTab::setColors(const LiveSettings &settings)
{
    m_picHomeC->setColor(settings.HomeColor);
    m_picGuestC->setColor(settings.GuestColor);
    m_picBackC->setColor(settings.FormColor);
    m_picTextC->setColor(settings.TextColor);
    m_picLedForeC->setColor(settings.LEDColor);
    m_picLedBackC->setColor(settings.LEDBackColor);
}

void ColorsTab::changeColor(ColorSwatch *swatch)
{
    if (const auto picked = m_ui.pickColor(window(), swatch->color())) {
        swatch->setColor(*picked);
    }
}

void ColorsTab::resetColors()
{
    if (m_ui.askYesNo(
            window(), tr("Reset Colors"), tr("Are you sure you want to reset the colors?"))) {
        setColors(DefaultSettings(QString()));
    }
}
