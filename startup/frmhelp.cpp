#include "frmhelp.h"

#include "helpheading.h"
#include "options/designhelpers.h"
#include "placement.h"
#include "ui/operatorscreen.h"

#include <QKeyEvent>
#include <QLabel>

namespace {

struct HelpLine
{
    const char *name;
    bool heading;
    int left;
    int top;
    int width;
    int height;
    const char *text;
};

// Top to bottom, the first column then the second. The texts are fixed: they name the default
// keys whatever is bound.
const HelpLine HelpLines[] = {
    {"Label15", true, 120, 120, 3255, 375, QT_TRANSLATE_NOOP("frmHelp", "Viewing Help")},
    {"Label17", false, 600, 480, 6735, 255,
        QT_TRANSLATE_NOOP("frmHelp", "To view help from the scoreboard press 'h'.")},
    {"Label1", true, 120, 720, 3255, 375, QT_TRANSLATE_NOOP("frmHelp", "Setting the Clock")},
    {"Label2", false, 600, 1080, 6735, 495,
        QT_TRANSLATE_NOOP("frmHelp",
            "To set the clock, click on the clock and type the number of minutes, a period ( . ), "
            "the "
            "seconds, and press 'Enter'.")},
    {"Label20", false, 840, 1560, 6495, 255,
        QT_TRANSLATE_NOOP("frmHelp",
            "Examples: '25.3' = 25 minutes and 3 seconds, '6.05' = 6 minutes and 5 seconds.")},
    {"Label12", false, 600, 1800, 6735, 255,
        QT_TRANSLATE_NOOP(
            "frmHelp", "If you mistype and need to start over, press the 'space bar'.")},
    {"Label3", true, 120, 2040, 2775, 375, QT_TRANSLATE_NOOP("frmHelp", "Controlling the Clock")},
    {"Label4", false, 600, 2400, 6735, 255,
        QT_TRANSLATE_NOOP("frmHelp",
            "To start or stop the clock press the Start/Stop Clock Key (default is 's' ).")},
    {"Label14", false, 600, 2640, 6495, 255,
        QT_TRANSLATE_NOOP("frmHelp",
            "To reset the clock back to the last entered time press the Reset Clock Key (default "
            "is "
            "'r' ).")},
    // The match's keys; the second takes two lines in the longer languages.
    {"Label21", false, 600, 2880, 6735, 255,
        QT_TRANSLATE_NOOP("frmHelp",
            "To end a half or a break and start the next phase press the Next Phase key (default "
            "is 'p' ).")},
    {"Label22", false, 600, 3135, 6735, 495,
        QT_TRANSLATE_NOOP("frmHelp",
            "To announce added time press the Added Time key (default is 'a' ), type the minutes "
            "and press 'Enter'.")},
    {"Label5", true, 120, 3630, 4935, 375,
        QT_TRANSLATE_NOOP("frmHelp", "Changing Scores and Other Numbers")},
    {"Label6", false, 600, 3990, 6735, 495,
        QT_TRANSLATE_NOOP("frmHelp",
            "To change any of the numbers, click on the object you want to set, type in the "
            "number, "
            "and "
            "press 'Enter'.  For single digit boxes simply press the new number.")},
    {"Label16", false, 600, 4470, 6735, 495,
        QT_TRANSLATE_NOOP("frmHelp",
            "To increase or decrease one of the numbers, click on the number, press '+' or '-', "
            "and "
            "type a single digit number to add or subtract.")},
    {"Label18", false, 600, 4950, 6735, 255,
        QT_TRANSLATE_NOOP(
            "frmHelp", "If you mistype and need to start over, press the 'space bar'.")},
    // The match's events: fixed keys, not configurable, so they name no default.
    {"Label23", true, 120, 5190, 3135, 375, QT_TRANSLATE_NOOP("frmHelp", "Goals and Cards")},
    {"Label24", false, 600, 5550, 6735, 255,
        QT_TRANSLATE_NOOP(
            "frmHelp", "For a goal's scorer press 'n', the shirt number and 'Enter'.")},
    {"Label25", false, 600, 5790, 6735, 495,
        QT_TRANSLATE_NOOP("frmHelp",
            "For a card press 'y' or 'Y' (yellow, home or visitor), 'x' or 'X' (red), then the "
            "shirt number and 'Enter'.")},
    {"Label26", false, 600, 6270, 6735, 255,
        QT_TRANSLATE_NOOP("frmHelp", "To see, change or remove the goals and cards press 'e'.")},
    {"Label7", true, 120, 6510, 3135, 375, QT_TRANSLATE_NOOP("frmHelp", "Other")},
    {"Label11", false, 600, 6870, 6735, 315,
        QT_TRANSLATE_NOOP(
            "frmHelp", "To sound the buzzer press the Buzzer key (default is 'b' ).")},
    // Esc leads nowhere from the board; this line says what it does do, and names the marker.
    {"Label8", false, 600, 7110, 6735, 255,
        QT_TRANSLATE_NOOP(
            "frmHelp", "To show which number has the focus press 'F7'.  'Esc' closes this help.")},
    {"Label27", false, 600, 7350, 6735, 255,
        QT_TRANSLATE_NOOP("frmHelp", "To save the match report press 'm'.")},
    {"Label9", true, 120, 7590, 1095, 375, QT_TRANSLATE_NOOP("frmHelp", "Options")},
    {"Label10", false, 600, 7950, 6735, 255,
        QT_TRANSLATE_NOOP("frmHelp",
            "To go to the options press 'o' from the program, or click on 'Options' from the "
            "splash "
            "screen.")},
    {"Label13", false, 600, 8190, 6735, 735,
        QT_TRANSLATE_NOOP("frmHelp",
            "In the options you can change control keys, the buzzer sound file, and colors of the "
            "scoreboard.  You can also change the home, visitor, and title text, and enable the "
            "web "
            "scoreboard.")},

    // The second column: the keys that type no character, and the ways to the phones and the
    // web. Every line has room for a longer translation than its English.
    {"Label28", true, 7590, 120, 5655, 375, QT_TRANSLATE_NOOP("frmHelp", "Undo and Redo")},
    {"Label29", false, 8070, 480, 5775, 495,
        QT_TRANSLATE_NOOP(
            "frmHelp", "To undo the last change press 'Ctrl+Z'; to redo it press 'Ctrl+Shift+Z'.")},
    {"Label30", true, 7590, 1080, 5655, 375, QT_TRANSLATE_NOOP("frmHelp", "The Board's Screen")},
    {"Label31", false, 8070, 1440, 5775, 495,
        QT_TRANSLATE_NOOP(
            "frmHelp", "To switch the board between full screen and a window press 'F11'.")},
    {"Label32", false, 8070, 1920, 5775, 495,
        QT_TRANSLATE_NOOP("frmHelp",
            "To move the board to the previous or next screen press 'Ctrl+Shift+Left' or "
            "'Ctrl+Shift+Right'.")},
    {"Label33", true, 7590, 2520, 5655, 375, QT_TRANSLATE_NOOP("frmHelp", "Operator Console")},
    {"Label34", false, 8070, 2880, 5775, 495,
        QT_TRANSLATE_NOOP("frmHelp", "To open the operator console press 'F8'.")},
    {"Label35", true, 7590, 3480, 5655, 375, QT_TRANSLATE_NOOP("frmHelp", "Stream Overlay")},
    {"Label36", false, 8070, 3840, 5775, 735,
        QT_TRANSLATE_NOOP("frmHelp",
            "To show or hide a part of the overlay press 'Ctrl+1' (score bug), 'Ctrl+2' "
            "(statistics), 'Ctrl+3' (shoot-out) or 'Ctrl+4' (full board).")},
    {"Label37", false, 8070, 4560, 5775, 495,
        QT_TRANSLATE_NOOP("frmHelp", "To show the goal pop-up again press 'Ctrl+G'.")},
    {"Label38", true, 7590, 5160, 5655, 375, QT_TRANSLATE_NOOP("frmHelp", "Phones and the Web")},
    {"Label39", false, 8070, 5520, 5775, 735,
        QT_TRANSLATE_NOOP("frmHelp",
            "To run the board from a phone press 'o', then the 'Remote Control' button, and scan "
            "the code it shows.")},
    {"Label40", false, 8070, 6240, 5775, 735,
        QT_TRANSLATE_NOOP("frmHelp",
            "To publish the scoreboard on the web press 'o' and open the 'Web Scoreboard' tab.")},
};

// The first column's 7470 twips and the second's.
constexpr int HelpWidth = 7470 + 6495;

} // namespace

frmHelp::frmHelp(QWidget *parent)
    : QWidget(parent,
        Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint
            | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
            | Qt::WindowCloseButtonHint)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Varnelo Help"));
    setFont(DefaultDesignFont());
    // Two columns, so that every key fits without scrolling on a 1024 x 768 screen.
    setFixedSize(TwipsToPixels(HelpWidth), TwipsToPixels(9075));
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);

    const QFont heading = DesignFont(DefaultFontFamily, 13.5);
    for (const HelpLine &line : HelpLines) {
        const QString text = tr(line.text);
        QLabel *label = line.heading
            ? PlaceTwips<HelpHeading>(this, line.left, line.top, line.width, line.height, text)
            : PlaceTwips<QLabel>(this, line.left, line.top, line.width, line.height, text);
        label->setObjectName(QLatin1String(line.name));
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        if (line.heading) {
            label->setFont(heading);
        }
    }
    CentreOnScreen(*this);
    PlaceForOperator(*this);
}

void frmHelp::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void ShowHelpWindow(QPointer<frmHelp> &instance)
{
    // A closed window is hidden and waits for its deferred delete; it does not count as open.
    if (instance.isNull() || !instance->isVisible()) {
        instance = new frmHelp;
    }
    instance->setWindowState((instance->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    instance->show();
    instance->raise();
    instance->activateWindow();
}
