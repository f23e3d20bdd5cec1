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
    // The keys that end the match's phase and that open typing the added time.
    qint16 NextPhaseKey = 0;
    qint16 AddedTimeKey = 0;
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
    // The match format the next kick-off is played by: the clock counts up (1, soccer's way) or
    // down (0, the board's way); the half, the half-time break and each half of extra time in
    // minutes (0: no extra time); penalties if still level (1) or not (0).
    qint16 MatchClockUp = 0;
    qint16 HalfMinutes = 0;
    qint16 BreakMinutes = 0;
    qint16 ExtraTimeMinutes = 0;
    qint16 Penalties = 0;
    // Each team's sheet as typed or pasted: one line per player, shirt number and name ("9 Alex
    // Morgan"), which names the scorers and the booked players.
    QString HomeSheet;
    QString GuestSheet;
    // The overlay pages for streams: served (1) or not, and the token that reads them; it can
    // read the board, never command it, and is apart from the phones' pairing code.
    qint16 OverlayEnabled = 0;
    QString OverlayToken;
    // Each team's identity on streams and the live page (the board keeps its own colours): a
    // short name of up to 4 letters (empty: the first letters of the team's name) and a main
    // and a second colour.
    QString HomeShort;
    QString GuestShort;
    qint32 HomeMainColor = 0;
    qint32 HomeSecondColor = 0;
    qint32 GuestMainColor = 0;
    qint32 GuestSecondColor = 0;

    bool operator==(const LiveSettings &) const = default;
};
