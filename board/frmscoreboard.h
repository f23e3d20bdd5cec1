#pragma once

#include "board/boarddesign.h"
#include "board/modcount.h"
#include "layout/modstretch.h"

#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

class DigitGroup;
class HttpClient;
class SoundPlayer;
class TimeSource;
class UiServices;
struct GameState;
struct LiveSettings;
struct WebState;

// The board: the one large window the audience watches. It shows the game held in GameState,
// runs the game clock and the buzzer, and takes the operator's keys.
class frmScoreboard final : public QWidget
{
    Q_OBJECT

public:
    // What the board works with; all of it outlives the board.
    struct Context
    {
        LiveSettings &settings;
        GameState &game;
        WebState &web;
        const TimeSource &time;
        UiServices &ui;
        // Makes the board's HTTP client; a real one with the standard time-out when empty.
        std::function<std::unique_ptr<HttpClient>()> makeHttpClient = {};
    };

    frmScoreboard(Context context, std::unique_ptr<SoundPlayer> player, QWidget *parent = nullptr);
    ~frmScoreboard() override;

    // The one command dispatch for a typed character.
    void AllKeyPress(short keyAscii);
    void Buzzer();
    void UpdateLabels();
    void UpdateFormColors();

    // The help window and the modal options dialog belong to the application.
    void setHelpCommand(std::function<void()> showHelp);
    void setOptionsCommand(std::function<void(QWidget *owner)> showOptionsModally);

    QTimer &tmrClock() { return m_tmrClock; }
    QTimer &tmrUpdateWeb() { return m_tmrUpdateWeb; }
    SoundPlayer &mmcBuzzer() { return *m_mmcBuzzer; }
    HttpClient &Inet1() { return *m_inet1; }
    qint16 WebSBTicks() const { return m_webSBTicks; }
    const BoardDesign &design() const { return m_design; }
    DigitGroup *group(const QString &ledArrayName) const;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void Load();
    void clockTick();
    void showClock(ClockValue value);
    void startStopClock();
    void resetClock();
    void optionsCommand();
    void onBuzzerDone();
    void onGroupKey(DigitGroup *group, short keyAscii);
    void webTick();

    Context m_context;
    std::unique_ptr<SoundPlayer> m_mmcBuzzer;
    BoardDesign m_design;
    LayoutRecord m_layout;
    QTimer m_tmrClock;
    QTimer m_tmrUpdateWeb;
    std::function<void()> m_showHelp;
    std::function<void(QWidget *)> m_showOptions;
    qint16 m_webSBTicks = 0;
    // An update is in flight or its message is open: no tick starts another.
    bool m_webUpdating = false;
    // Declared last, so it is gone before anything its callbacks use.
    std::unique_ptr<HttpClient> m_inet1;
};
