#pragma once

#include <QObject>
#include <QPointer>

class frmConsole;
class frmScoreboard;
struct LiveSettings;

// Gives the operator a console of their own while the board stands on a screen that is not the
// primary one: then the console opens on the primary screen and the board leaves its focus
// marker and typing to it. With one screen, or the board on the primary, there is none and the
// board is as it always was. F8 closes the console and brings it back.
class ConsoleSwitch final : public QObject
{
    Q_OBJECT

public:
    ConsoleSwitch(frmScoreboard &board, const LiveSettings &settings);
    ~ConsoleSwitch() override;

    frmConsole *console() const;
    // Whether the board stands where a console belongs: two screens or more, the board not on
    // the primary one.
    bool belongs() const;
    // F8: closes the console, or brings it back where it belongs.
    void toggle();
    // Opens or closes the console as the board's screen now has it; call after the board is
    // shown somewhere else than by its placement keys.
    void follow();

private:
    void open(bool activate);
    void drop();

    frmScoreboard &m_board;
    const LiveSettings &m_settings;
    QPointer<frmConsole> m_console;
    // The operator closed it; it stays closed until F8 again.
    bool m_dismissed = false;
};
