#pragma once

#include "frmchoosekey.h"

#include "web/webpublisher.h"

#include <QDialog>

#include <functional>
#include <memory>

class ColorsTab;
class RemoteControl;
class RemoteTab;
class LanguageTab;
class MatchTab;
class ScoreboardGame;
class WindowPrompts;
class HttpClient;
class KeysTab;
class QPushButton;
class QSettings;
class TextsTab;
class UiServices;
class WebTab;
struct LiveSettings;
struct WebState;

// The modal options dialog: every setting on seven pages, held as pending values in its controls.
// Ok copies them all into `settings` and saves them to `store`; Cancel and the close box throw
// them away, and so does Escape. Enter does not close it: it may be meant for a text box. Open
// it with exec().
class frmOptions : public QDialog
{
    Q_OBJECT

public:
    // `makeHttpClient` makes the dialog's own HTTP client for Start and Stop; a real one with the
    // standard time-out when empty.
    frmOptions(LiveSettings &settings, WebState &web, QSettings &store, UiServices &ui,
        QWidget *parent = nullptr,
        std::function<std::unique_ptr<HttpClient>()> makeHttpClient = {});
    ~frmOptions() override;

    // Shows the state of web publishing on the web tab: the status and its colour, Start or
    // Stop, and whether the page name, passcode and server can be edited.
    void UpdateWebSBStatus();
    // The running remote control, whose code and devices the remote tab shows; none while the
    // board is not shown.
    void setRemoteControl(RemoteControl *remote);
    // The running game, which a new match format is applied to on Ok (after asking, once the
    // match has begun); none while the board is not shown.
    void setGame(ScoreboardGame *game);

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private Q_SLOTS:
    void onStartStopWebSB();

private:
    void Load();
    void onOk();
    void newRemoteCode();
    void ensureRemoteCode();
    void newOverlayToken();
    void ensureOverlayToken();
    // Whether the match format in `confirmed` is to be played from now on; a refused change
    // puts the format in force back into `confirmed`.
    bool confirmMatchFormat(LiveSettings &confirmed);

    LiveSettings &m_settings;
    WebState &m_web;
    QSettings &m_store;
    UiServices &m_ui;
    ChooseKey m_chooseKey;
    KeysTab *m_keysTab = nullptr;
    ColorsTab *m_colorsTab = nullptr;
    TextsTab *m_textsTab = nullptr;
    WebTab *m_webTab = nullptr;
    // A Start or Stop is waiting for the service: the dialog stays open until it is done.
    bool m_webBusy = false;
    WebPublisher m_publisher;
    RemoteControl *m_remote = nullptr;
    RemoteTab *m_remoteTab = nullptr;
    LanguageTab *m_languageTab = nullptr;
    MatchTab *m_matchTab = nullptr;
    ScoreboardGame *m_game = nullptr;
    WindowPrompts *m_prompts;
    std::unique_ptr<HttpClient> m_inet1;
    // Ok, Cancel and the buttons beside them, which move down while the texts page is shown.
    QList<QPushButton *> m_bottomButtons;
};
