#pragma once

#include <QString>
#include <QtGlobal>

// The persisted settings as the running program uses them: loaded once at start and replaced
// by Ok in the options dialog, except the board's placement, which follows the board as the
// operator moves it. Colours are 0x00BBGGRR; keys are 16-bit character codes.
struct LiveSettings
{
    qint16 StartStopClockKey = 0;
    qint16 ResetClockKey = 0;
    qint16 BuzzerKey = 0;
    QString BuzzerFile;
    qint32 HomeColor = 0;
    qint32 GuestColor = 0;
    qint32 FormColor = 0;
    qint32 TextColor = 0;
    qint32 LEDColor = 0;
    qint32 LEDBackColor = 0;
    QString TitleText;
    QString HomeText;
    QString GuestText;
    QString URL;
    QString PassCode;
    // Base address of the web scoreboard service, in front of the page name.
    QString ServiceAddress;
    // The screen the board was last shown on (empty for the primary one), and whether full.
    QString BoardScreen;
    qint16 BoardFullScreen = 0;
    // The remote control: on (1) or off, the port it listens on, and the pairing code.
    qint16 RemoteEnabled = 0;
    qint32 RemotePort = 0;
    QString RemoteCode;
    // Whether the board frames the figure that has the focus (0 off, anything else on); off
    // by default, since the audience watches the same window.
    qint16 ShowFocusMarker = 0;
    // The language the program starts in: a code such as "de", or empty to follow the system.
    QString Language;

    bool operator==(const LiveSettings &) const = default;
};
