#pragma once

#include "board/boardlabel.h"
#include "board/digitgroup.h"
#include "board/frmscoreboard.h"
#include "game/modsoccer.h"
#include "settings/livesettings.h"
#include "settings/settingsstore.h"
#include "tests/support/boardkeys.h"
#include "tests/support/fakes.h"
#include "tests/support/recordingui.h"
#include "web/httpclient.h"
#include "web/modwebsb.h"
#include "web/webstate.h"

#include <QMetaObject>

#include <functional>
#include <memory>

// A board window over state of the test's own, with a hand-moved clock, a recording sound
// player and recorded message boxes: the one place in the tests that builds a board.
class BoardFixture
{
public:
    LiveSettings settings = DefaultSettings(QString());
    GameState game;
    WebState web;
    FakeTime time;
    RecordingUi ui;

    // What the next openBoard() gives the board. The HTTP client: a real one with the standard
    // time-out when empty. The journal: none when null. The sound player: a
    // RecordingSoundPlayer, reachable as `player`, when empty.
    std::function<std::unique_ptr<HttpClient>()> makeHttpClient;
    JournalWriter *journal = nullptr;
    std::function<std::unique_ptr<SoundPlayer>()> makeSoundPlayer;

    std::unique_ptr<frmScoreboard> board;
    // The open board's player when it is the recording one.
    RecordingSoundPlayer *player = nullptr;

    BoardFixture() = default;
    BoardFixture(const BoardFixture &) = delete;
    BoardFixture &operator=(const BoardFixture &) = delete;
    ~BoardFixture() { closeBoard(); }

    // All as new: no board, the default settings with `buzzerFile`, a new game, publishing as
    // the defaults have it, a clock at its start, no messages and no options.
    void resetBoard(const QString &buzzerFile = QString())
    {
        closeBoard();
        settings = DefaultSettings(buzzerFile);
        game = {};
        web = {};
        time = FakeTime();
        ui = {};
        makeHttpClient = {};
        journal = nullptr;
        makeSoundPlayer = {};
    }

    // Publishes through Qt's client with `timeoutMs` for each update.
    void useQtHttpClient(int timeoutMs)
    {
        makeHttpClient = [timeoutMs] { return std::make_unique<QtHttpClient>(timeoutMs); };
    }

    frmScoreboard &openBoard()
    {
        closeBoard();
        std::unique_ptr<SoundPlayer> sound;
        if (makeSoundPlayer) {
            sound = makeSoundPlayer();
        } else {
            auto recording = std::make_unique<RecordingSoundPlayer>();
            player = recording.get();
            sound = std::move(recording);
        }
        frmScoreboard::Context context{settings, game, web, time, ui, makeHttpClient, journal};
        board = std::make_unique<frmScoreboard>(context, std::move(sound));
        return *board;
    }

    // Closes the shown board as its close box does, and waits until it has gone (after the
    // final update to the web scoreboard, when there is one).
    void closeWindow()
    {
        board->close();
        QTRY_VERIFY(!board->isVisible());
    }

    void closeBoard()
    {
        board.reset();
        player = nullptr;
    }

    DigitGroup *group(const char *name) const { return board->group(QLatin1String(name)); }
    // A caption of the board, by its name ("lblTitle").
    BoardLabel *label(const char *name) const
    {
        return board->findChild<BoardLabel *>(QLatin1String(name));
    }
    // Types `keys` on a group as the operator would; "\r" is Enter.
    void type(const char *name, const char *keys) const { TypeKeys(group(name), keys); }
    // One tick of the clock timer, and one of the web timer, without waiting for them.
    void tick() { QMetaObject::invokeMethod(&BoardTimer(*board, "tmrClock"), "timeout"); }
    void webTick() { QMetaObject::invokeMethod(&BoardTimer(*board, "tmrUpdateWeb"), "timeout"); }
    bool clockRunning() const { return board->scoreboardGame().clockRunning(); }
    // What an update to the web scoreboard would carry for `figure` now.
    QString published(Figure figure) const
    {
        return WebSBFieldValues(settings, web).at(InfoOf(figure).webSlot);
    }
};
