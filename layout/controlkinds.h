#pragma once

#include <QString>

class QWidget;

// The kinds of control that the layout and the colour scheme tell apart. A control of the
// program declares its kind with Q_CLASSINFO(ControlKindInfo, "<kind name>"); LED digits and
// plain labels are known without it.
enum class ControlKind {
    Segmora, // an LED digit
    PictureBox, // a container, such as a digit group
    Image, // a picture
    Label,
    Shape,
    Other, // timers, buttons, anything else: left alone
};

inline constexpr char ControlKindInfo[] = "ControlKind";

// The kind of `widget`: the kind its class declares, else what Segmora and QLabel are.
ControlKind KindOf(const QWidget *widget);

// The kind's name as the layout tables know it ("Segmora", "PictureBox", "Image", "Label",
// "Shape"; empty for Other).
QString KindName(ControlKind kind);
