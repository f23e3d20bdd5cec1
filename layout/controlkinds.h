#pragma once

#include <QString>

class QWidget;

// The kinds of control that the layout and the colour scheme tell apart, and the one place that
// maps our Qt classes to them.
enum class ControlKind {
    Segmora, // an LED digit
    PictureBox, // a container, such as a digit group
    Image, // a picture
    Label,
    Shape,
    Other, // timers, buttons, anything else: left alone
};

// The kind of `widget`, decided by its class name.
ControlKind KindOf(const QWidget *widget);

// The kind's name as the layout tables know it ("Segmora", "PictureBox", "Image", "Label",
// "Shape"; empty for Other).
QString KindName(ControlKind kind);
