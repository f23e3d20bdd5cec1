#include "webpublisher.h"

#include "settings/livesettings.h"
#include "web/modwebsb.h"
#include "web/webprompts.h"
#include "web/webstate.h"

#include <QPointer>

#include <memory>

WebPublisher::WebPublisher(const LiveSettings &settings, WebState &web)
    : m_settings(settings)
    , m_web(web)
{
}

void WebPublisher::tick(HttpClient &client, WebPrompts &prompts)
{
    ++WebSBTicks;
    if (WebSBTicks < m_web.WebSBInterval || m_updating) {
        return;
    }
    m_updating = true;
    const quint32 session = m_web.WebSBSession;
    const bool sending = m_web.WebSBFailCount <= 5;
    QPointer<WebPrompts> over = &prompts;
    SendWebSBUpdate({m_settings, m_web, &prompts, true}, m_settings.URL, m_settings.PassCode,
        client, false, [=, this](int) {
            WebSBTicks = 0;
            m_updating = false;
            // Only the reply that took publishing to its stop tells of it, even while the options
            // dialog is open (and the board's timer off): over the dialog, at once.
            if (!sending || m_web.WebSBSession != session || m_web.WebSBFailCount <= 5) {
                return;
            }
            Q_EMIT stoppedAfterRefusals();
            if (over) {
                over->alert(tr("Web Scoreboard Error"),
                    tr("Connection to web scoreboard unsuccessful.  "
                       "Please check settings and try again."));
            }
        });
}

void WebPublisher::start(const QString &page, const QString &passcode,
    const QString &serviceAddress, HttpClient &client, WebPrompts &prompts,
    std::function<void(bool)> done)
{
    m_web.switchPublishing(0);
    // The test uses what the operator typed; the settings change only when they are confirmed.
    auto trial = std::make_shared<LiveSettings>(m_settings);
    trial->ServiceAddress = serviceAddress;
    prompts.setWaiting(true);
    QPointer<WebPrompts> over = &prompts;
    WebState &web = m_web;
    SendWebSBUpdate({*trial, m_web, &prompts}, page, passcode, client, false,
        [trial, over, &web, done = std::move(done)](int result) {
            if (!over) {
                return;
            }
            over->setWaiting(false);
            if (result != 1) {
                over->tell(tr("Fail"),
                    tr("Connection Failed. Check the URL and passcode you entered and try "
                       "again."));
                web.switchPublishing(-1);
            }
            done(result == 1);
        });
}

void WebPublisher::stop(HttpClient &client, WebPrompts &prompts, std::function<void()> done)
{
    WebState &web = m_web;
    if (!askToStop(prompts)) {
        web.switchPublishing(-1);
        done();
        return;
    }
    sendFinal(client, prompts, [&web, done = std::move(done)] {
        web.switchPublishing(-1);
        done();
    });
}

bool WebPublisher::close(HttpClient &client, WebPrompts &prompts,
    const std::function<void()> &stopTicking, std::function<void()> done)
{
    if (!m_web.publishing() || !askToStop(prompts)) {
        return true;
    }
    if (stopTicking) {
        stopTicking();
    }
    sendFinal(client, prompts, std::move(done));
    return false;
}

bool WebPublisher::askToStop(WebPrompts &prompts)
{
    const bool yes = prompts.ask(tr("Web Scoreboard"),
        tr("Would you like to stop client updating?  This is recommended when the game is over."));
    // Whatever the answer, an update still on its way belongs to publishing that ends here: its
    // reply can neither count nor start updating again.
    m_web.endSession();
    return yes;
}

void WebPublisher::sendFinal(HttpClient &client, WebPrompts &prompts, std::function<void()> done)
{
    prompts.setWaiting(true);
    QPointer<WebPrompts> over = &prompts;
    const LiveSettings &settings = m_settings;
    WebState &web = m_web;
    // The final update reaches the service after any update still on its way.
    WhenNoUpdateInFlight(m_web, &prompts, [over, &settings, &web, &client, done = std::move(done)] {
        if (!over) {
            return;
        }
        SendWebSBUpdate({settings, web, over}, settings.URL, settings.PassCode, client, true,
            [over, done](int) {
                if (over) {
                    over->setWaiting(false);
                    done();
                }
            });
    });
}
