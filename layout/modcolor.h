#pragma once

#include <QList>
#include <QtGlobal>

class QWidget;
class Segmora;
struct LiveSettings;

// Painting the colour scheme onto a window's LED digits, labels and containers.

// Gives LED digits the background `LEDBackColor` and then the lit colour `litColor`.
void SetLedColors(Segmora &digit, qint32 litColor, const LiveSettings &settings);
void SetLedColors(const QList<Segmora *> &digits, qint32 litColor, const LiveSettings &settings);

// Gives every label of `window` the text colour `TextColor` and every container the background
// `LEDBackColor`, except the controls whose whole name is that of one in `exclusions`.
void ApplyFormColors(
    QWidget &window, const QList<QWidget *> &exclusions, const LiveSettings &settings);
