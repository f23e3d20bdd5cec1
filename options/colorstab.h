#pragma once

#include <QFrame>
#include <QWidget>

class UiServices;
struct LiveSettings;

// A bordered patch that holds a pending colour (0x00BBGGRR) and shows it. The value is kept as
// given, high byte included, so that an unchanged colour is saved exactly as it was loaded.
class ColorSwatch : public QFrame
{
public:
    explicit ColorSwatch(QWidget *parent = nullptr);

    qint32 color() const { return m_color; }
    void setColor(qint32 color);
    // What the colour is for ("Home Color"); a screen reader hears it with the colour.
    void setSubject(const QString &subject);

private:
    void nameColor();

    qint32 m_color = 0;
    QString m_subject;
};

// A colour (0x00BBGGRR) in words a screen reader can say: "red 255, green 128, blue 0".
QString SpokenColor(qint32 bgr);

// The "Color Controls" tab: six colour swatches, each with a Change button that opens the colour
// picker at the swatch's colour, and Reset Colors.
class ColorsTab : public QWidget
{
    Q_OBJECT

public:
    ColorsTab(UiServices &ui, QWidget *parent = nullptr);

    void load(const LiveSettings &settings);
    void store(LiveSettings &settings) const;

private:
    void changeColor(ColorSwatch *swatch);
    void resetColors();
    void setColors(const LiveSettings &settings);

    UiServices &m_ui;
    ColorSwatch *m_picHomeC = nullptr;
    ColorSwatch *m_picBackC = nullptr;
    ColorSwatch *m_picLedForeC = nullptr;
    ColorSwatch *m_picGuestC = nullptr;
    ColorSwatch *m_picTextC = nullptr;
    ColorSwatch *m_picLedBackC = nullptr;
};
