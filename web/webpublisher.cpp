#include "webpublisher.h"

#include "settings/livesettings.h"
#include "settings/uiservices.h"
#include "web/modwebsb.h"
#include "web/webstate.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

WebPublisher::WebPublisher(const LiveSettings &settings, WebState &web, UiServices &ui)
    : m_settings(settings)
    , m_web(web)
    , m_ui(ui)
{
}

void WebPublisher::tick(HttpClient &client, QWidget *window)
{
    ++m_ticks;
    if (m_ticks < m_web.WebSBInterval || m_updating) {
        return;
    }
    m_updating = true;
    const quint32 session = m_web.WebSBSession;
    const bool sending = m_web.WebSBFailCount <= 5;
    QPointer<QWidget> over = window;
    SendWebSBUpdate({m_settings, m_web, m_ui, window}, m_settings.URL, m_settings.PassCode, client,
        false, [=, this](int) {
            m_ticks = 0;
            m_updating = false;
            // Only the reply that took publishing to its stop tells of it, even while the options
            // dialog is open (and the board's timer off): over the dialog, at once.
            if (!sending || m_web.WebSBSession != session || m_web.WebSBFailCount <= 5) {
                return;
            }
            Q_EMIT stoppedAfterRefusals();
            QWidget *modal = QApplication::activeModalWidget();
            m_ui.showMessage(modal ? modal : over.data(), QStringLiteral("Web Scoreboard Error"),
                QStringLiteral("Connection to web scoreboard unsuccessful.  "
                               "Please check settings and try again."));
        });
}

bool WebPublisher::start(const QString &page, const QString &passcode,
    const QString &serviceAddress, HttpClient &client, QWidget *window)
{
    m_web.switchPublishing(0);
    // The test uses what the operator typed; the settings change only when they are confirmed.
    LiveSettings trial = m_settings;
    trial.ServiceAddress = serviceAddress;
    const int result = SendWebSBUpdateAndWait(
        {trial, m_web, m_ui, window}, page, passcode, client, false, window);
    if (result == 1) {
        return true;
    }
    m_ui.showMessage(window, QStringLiteral("Fail"),
        QStringLiteral("Connection Failed. Check the URL and passcode you entered and try again."));
    m_web.switchPublishing(-1);
    return false;
}

void WebPublisher::stop(HttpClient &client, QWidget *window)
{
    if (askToStop(window)) {
        sendFinal(client, window);
    }
    m_web.switchPublishing(-1);
}

void WebPublisher::close(
    HttpClient &client, QWidget *window, const std::function<void()> &stopTicking)
{
    if (!m_web.publishing()) {
        return;
    }
    if (!askToStop(window)) {
        return;
    }
    if (stopTicking) {
        stopTicking();
    }
    sendFinal(client, window);
}

bool WebPublisher::askToStop(QWidget *window)
{
    const bool yes = m_ui.askYesNo(window, QStringLiteral("Web Scoreboard"),
        QStringLiteral("Would you like to stop client updating?  This is recommended when the "
                       "game is over."));
    // Whatever the answer, an update still on its way belongs to publishing that ends here: its
    // reply can neither count nor start updating again.
    m_web.endSession();
    return yes;
}

void WebPublisher::sendFinal(HttpClient &client, QWidget *window)
{
    // The final update reaches the service after any update still on its way.
    WaitForUpdatesInFlight(m_web, window);
    SendWebSBUpdateAndWait({m_settings, m_web, m_ui, window}, m_settings.URL, m_settings.PassCode,
        client, true, window);
}
