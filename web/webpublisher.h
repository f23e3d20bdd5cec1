#pragma once

#include <QObject>
#include <QString>

#include <functional>

class HttpClient;
class WebPrompts;
struct LiveSettings;
struct WebState;

// Publishing to the web scoreboard as the board and the options dialog share it: the pace of
// the periodic updates, one update in flight at a time, the stop after too many refusals, Start,
// Stop and the final update on closing. Its state is WebState, so every publisher over the same
// WebState agrees; it knows no window: its questions and messages go to the prompts it
// is given.
class WebPublisher : public QObject
{
    Q_OBJECT

public:
    WebPublisher(const LiveSettings &settings, WebState &web);

    // One tick of the board's update timer: counts it, and sends an update once the service's
    // interval is reached and no update is pending.
    void tick(HttpClient &client, WebPrompts &prompts);
    // None of these blocks: while the service is awaited the prompts show that the program
    // waits, and `done` runs when it is over (not at all if the prompts' window has gone).

    // Switches publishing on with a test update of what the operator typed; on a refusal says so
    // and switches it off again. `done` hears whether the service accepted it.
    void start(const QString &page, const QString &passcode, const QString &serviceAddress,
        HttpClient &client, WebPrompts &prompts, std::function<void(bool accepted)> done);
    // Asks whether to stop; sends the final update on Yes. Either answer switches publishing off.
    void stop(HttpClient &client, WebPrompts &prompts, std::function<void()> done);
    // The board closes: while publishing, asks whether to stop and on Yes runs `stopTicking`, then
    // sends the final update. Leaves the state as it is. Answers true when nothing is left to
    // wait for, and then does not run `done`.
    bool close(HttpClient &client, WebPrompts &prompts, const std::function<void()> &stopTicking,
        std::function<void()> done);

Q_SIGNALS:
    // Too many refusals in a row stopped publishing; the operator is told next.
    void stoppedAfterRefusals();

private:
    bool askToStop(WebPrompts &prompts);
    void sendFinal(HttpClient &client, WebPrompts &prompts, std::function<void()> done);

    const LiveSettings &m_settings;
    WebState &m_web;
    // Ticks since the last update; the board owns its publisher, so this is the board's count.
    qint16 WebSBTicks = 0;
    // An update of this publisher is in flight or its message is open: no tick starts another.
    bool m_updating = false;
};
