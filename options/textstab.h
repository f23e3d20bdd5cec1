#pragma once

#include <QWidget>

class QLineEdit;
class QPushButton;
class UiServices;
struct LiveSettings;

// Lets the operator type no more than `limit` characters while keeping a longer text that was
// put there: the box never grows past the longer of the two.
void SetTypingLimit(QLineEdit &edit, const QString &text, int limit);

// The "Text Cotrols" tab: the board's title and the two team names, and below them each team's
// identity on streams and the live page: a short name and a main and a second colour. The board
// keeps its own colours.
class TextsTab : public QWidget
{
    Q_OBJECT

public:
    explicit TextsTab(UiServices &ui, QWidget *parent = nullptr);

    void load(const LiveSettings &settings);
    void store(LiveSettings &settings) const;

    // How much taller (in twips) the page is than the others: the options window grows by this
    // while it shows this page, so that the other pages look as they always did.
    static constexpr int ExtraHeightTwips = 840;

private:
    // A colour button: the patch of its pending colour (0x00BBGGRR), which opens the picker.
    struct ColorButton
    {
        QPushButton *button = nullptr;
        QString subject; // what a screen reader hears before the colour
        qint32 color = 0;
    };
    void showColor(ColorButton &button, qint32 color);
    void pickColor(ColorButton &button);
    void showShortNamePlaceholders();

    UiServices &m_ui;
    QLineEdit *m_txtTitleText = nullptr;
    QLineEdit *m_txtHomeText = nullptr;
    QLineEdit *m_txtGuestText = nullptr;
    QLineEdit *m_txtHomeShort = nullptr;
    QLineEdit *m_txtGuestShort = nullptr;
    ColorButton m_homeMain;
    ColorButton m_homeSecond;
    ColorButton m_guestMain;
    ColorButton m_guestSecond;
};
