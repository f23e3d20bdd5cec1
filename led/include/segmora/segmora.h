#pragma once

#include <segmora/segmora_export.h>

#include <QWidget>

#include <memory>

class PropertyBag;

// One decimal digit drawn as seven polygon segments (or as a dot matrix) in a lit colour on a
// background colour. Everything about its extent follows from `Size`, the digit's height in
// pixels; the widget sizes itself and has a fixed size policy. Colours are 32-bit values laid out
// 0x00BBGGRR (red in the low byte).
class SEGMORA_EXPORT Segmora : public QWidget
{
    Q_OBJECT
    Q_CLASSINFO("Size", "Returns/sets the height in pixels of the single LED digit object.")
    Q_CLASSINFO(
        "LitColor", "Returns/sets the color to be used for the lit LED segments of the object.")
    Q_CLASSINFO("BackColor",
        "Returns/sets the background color used to display text and graphics in an object.")
    Q_CLASSINFO(
        "Caption", "Returns/sets the text that is displayed on the single LED Digit object.")

    // Dot rows x columns of the dot-matrix variant. Default Size_H7_W4; any other value is kept
    // but leaves the rows and columns as they were.
    Q_PROPERTY(
        DigitRatioEnum DigitRatio READ digitRatio WRITE setDigitRatio NOTIFY digitRatioChanged)
    // Polygon segments (default) or dots.
    Q_PROPERTY(LEDType LEDType READ ledType WRITE setLEDType NOTIFY ledTypeChanged)
    // Digit height in pixels. Default 45; raised to at least 9 and lowered to at most 2183.
    Q_PROPERTY(short Size READ digitSize WRITE setSize NOTIFY sizeChanged)
    // Colour of lit segments. Default 33023 (orange).
    Q_PROPERTY(int LitColor READ litColor WRITE setLitColor NOTIFY litColorChanged)
    // Colour of the background and of unlit segments. Default 0 (black).
    Q_PROPERTY(int BackColor READ backColor WRITE setBackColor NOTIFY backColorChanged)
    // The digit shown, 0..9, or -1 for blank. Default 0; limited to -1..9.
    Q_PROPERTY(short Caption READ caption WRITE setCaption NOTIFY captionChanged)

public:
    // The name under which hosts find this widget class.
    static constexpr const char *PublishedName = "prjSegmora.Segmora";

    enum DigitRatioEnum {
        Size_H5_W3 = 53,
        Size_H7_W4 = 74,
        Size_H9_W5 = 95,
        Size_H11_W6 = 116,
        Size_H13_W7 = 137,
    };
    Q_ENUM(DigitRatioEnum)

    // Scoped: the polygon variant's name is the class's own name.
    enum class LEDType {
        Segmora = 0,
        CircleLED = 1,
    };
    Q_ENUM(LEDType)

    explicit Segmora(QWidget *parent = nullptr);
    ~Segmora() override;

    DigitRatioEnum digitRatio() const;
    void setDigitRatio(DigitRatioEnum vNewValue);
    void setDigitRatio(int vNewValue);

    LEDType ledType() const;
    void setLEDType(LEDType newLEDType);

    short digitSize() const;
    void setSize(int newSize);

    int litColor() const;
    void setLitColor(int newLitColor);

    int backColor() const;
    void setBackColor(int newBackColor);

    short caption() const;
    void setCaption(int vNewCaption);

    short pixelRows() const;
    short pixelCols() const;

    // Recomputes the derived measures, the widget's extent and, for dots, the dot layout.
    void ReCalcSizes();

    // Loads the six stored properties from a host's design data ("PDigitRatio", "PLEDType",
    // "PSize", "PLitColor", "PBackColor", "PCaption"), taken as stored. Returns false, with a
    // reason in `error`, at the first value that is not an integer of its stored width; the
    // properties read before it keep their new values.
    bool ReadProperties(const PropertyBag &bag, QString *error = nullptr);
    // Saves the six properties; values equal to their defaults are not stored.
    void WriteProperties(PropertyBag &bag) const;

    // The dot element `index` (1..91; 0 is the template) in twips, for hosts and tests that
    // inspect the dot-matrix layout.
    struct Dot
    {
        float left = 0;
        float top = 0;
        float width = 0;
        float height = 0;
        bool visible = false;
        int fillColor = 0;
    };
    Dot dot(int index) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

Q_SIGNALS:
    void Click();
    void DblClick();
    void KeyDown(short KeyCode, short Shift);
    void KeyPress(short KeyAscii);
    void KeyUp(short KeyCode, short Shift);
    void MouseDown(short Button, short Shift, float x, float y);
    void MouseMove(short Button, short Shift, float x, float y);
    void MouseUp(short Button, short Shift, float x, float y);

    void digitRatioChanged(int digitRatio);
    void ledTypeChanged(Segmora::LEDType ledType);
    void sizeChanged(short size);
    void litColorChanged(int litColor);
    void backColorChanged(int backColor);
    void captionChanged(short caption);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;

private:
    struct Private;
    std::unique_ptr<Private> d;
};
