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

private:
    qint32 m_color = 0;
};

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
