#include "frmoptions.h"

#include "colorstab.h"
#include "designhelpers.h"
#include "game/matchsettings.h"
#include "game/scoreboardgame.h"
#include "keystab.h"
#include "languagetab.h"
#include "matchreportfile.h"
#include "matchtab.h"
#include "remote/pairingcode.h"
#include "remote/remotecontrol.h"
#include "remotetab.h"
#include "settings/livesettings.h"
#include "settings/settingsstore.h"
#include "textstab.h"
#include "ui/operatorscreen.h"
#include "ui/uiservices.h"
#include "ui/windowprompts.h"
#include "web/httpclient.h"
#include "web/webstate.h"
#include "webtab.h"

#include <QCloseEvent>
#include <QDir>
#include <QPointer>
#include <QProxyStyle>
#include <QPushButton>
#include <QSettings>
#include <QStyle>
#include <QStyleOptionTabWidgetFrame>
#include <QTabWidget>

namespace {

constexpr int TextsPage = 2;
constexpr int RemotePage = 4;
constexpr int LanguagePage = 5;
constexpr int MatchPage = 6;

// Tabs with half the usual padding round their captions, so that all four fit in one row.
class CompactTabStyle : public QProxyStyle
{
public:
    int pixelMetric(
        PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override
    {
        const int value = QProxyStyle::pixelMetric(metric, option, widget);
        return metric == PM_TabBarTabHSpace ? value / 2 : value;
    }
};

// The tab strip. Its pages' controls are designed relative to the strip itself, tab row
// included, so they are moved by where the style puts the pages.
class OptionsTabStrip : public QTabWidget
{
public:
    explicit OptionsTabStrip(QWidget *parent)
        : QTabWidget(parent)
    {
        auto *compact = new CompactTabStyle;
        compact->setParent(this);
        tabBar()->setStyle(compact);
        tabBar()->setUsesScrollButtons(false);
    }

    QPoint pageOrigin() const
    {
        QStyleOptionTabWidgetFrame option;
        initStyleOption(&option);
        return style()->subElementRect(QStyle::SE_TabWidgetTabContents, &option, this).topLeft();
    }

    void placePages()
    {
        const QPoint origin = pageOrigin();
        for (int i = 0; i < count(); ++i) {
            for (QWidget *child :
                widget(i)->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
                child->move(child->pos() - origin);
            }
        }
    }
};

} // namespace

frmOptions::frmOptions(LiveSettings &settings, WebState &web, QSettings &store, UiServices &ui,
    QWidget *parent, std::function<std::unique_ptr<HttpClient>()> makeHttpClient)
    : QDialog(parent, FixedDialogFlags)
    , m_settings(settings)
    , m_web(web)
    , m_store(store)
    , m_ui(ui)
    , m_publisher(settings, web)
    , m_prompts(new WindowPrompts(ui, this))
    , m_inet1(makeHttpClient ? makeHttpClient() : std::make_unique<QtHttpClient>())
{
    m_inet1->setObjectName(QStringLiteral("Inet1"));
    setWindowTitle(tr("Options"));
    setFont(DefaultDesignFont());
    setFixedSize(TwipsToPixels(5550), TwipsToPixels(3840));

    auto *sstOptions = PlaceTwips<OptionsTabStrip>(this, 120, 120, 5325, 3135);
    sstOptions->setObjectName(QStringLiteral("sstOptions"));
    m_keysTab = new KeysTab(m_chooseKey, m_ui);
    m_colorsTab = new ColorsTab(m_ui);
    m_textsTab = new TextsTab(m_ui);
    m_webTab = new WebTab;
    m_remoteTab = new RemoteTab;
    m_languageTab = new LanguageTab;
    m_matchTab = new MatchTab;
    sstOptions->addTab(m_keysTab, tr("Keyboard Controls"));
    sstOptions->addTab(m_colorsTab, tr("Color Controls"));
    sstOptions->addTab(m_textsTab, tr("Text Cotrols"));
    sstOptions->addTab(m_webTab, tr("Web Scoreboard"));
    // The four tabs fill their row, so the later pages have no tab of their own in it: buttons
    // beside Ok and Cancel open them.
    sstOptions->addTab(m_remoteTab, tr("Remote Control"));
    sstOptions->addTab(m_languageTab, tr("Language"));
    sstOptions->addTab(m_matchTab, tr("Match"));
    sstOptions->setTabVisible(RemotePage, false);
    sstOptions->setTabVisible(LanguagePage, false);
    sstOptions->setTabVisible(MatchPage, false);
    sstOptions->placePages();
    sstOptions->setCurrentIndex(0);
    connect(m_webTab, &WebTab::startStopClicked, this, &frmOptions::onStartStopWebSB);
    connect(m_remoteTab, &RemoteTab::newCodeClicked, this, &frmOptions::newRemoteCode);
    connect(m_remoteTab, &RemoteTab::switchedOn, this, &frmOptions::ensureRemoteCode);
    connect(m_remoteTab, &RemoteTab::newOverlayTokenClicked, this, &frmOptions::newOverlayToken);
    connect(m_remoteTab, &RemoteTab::overlaySwitchedOn, this, &frmOptions::ensureOverlayToken);
    // The report is of the match as it stands, with the settings in force.
    connect(m_matchTab, &MatchTab::saveReportClicked, this, [this] {
        if (m_game) {
            SaveMatchReport(this, m_ui, *m_game, m_settings);
        }
    });
    connect(m_matchTab, &MatchTab::printReportClicked, this, [this] {
        if (m_game) {
            PrintMatchReportDialog(this, *m_game, m_settings);
        }
    });

    auto *cmdOk = PlaceTwips<QPushButton>(this, 1477, 3360, 1095, 375, tr("&Ok"));
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    connect(cmdOk, &QPushButton::clicked, this, &frmOptions::onOk);
    auto *cmdCancel = PlaceTwips<QPushButton>(this, 2692, 3360, 1095, 375, tr("&Cancel"));
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    auto *cmdRemote = PlaceTwips<QPushButton>(this, 120, 3360, 1215, 375, tr("&Remote Control"));
    cmdRemote->setObjectName(QStringLiteral("cmdRemote"));
    connect(cmdRemote, &QPushButton::clicked, sstOptions,
        [sstOptions] { sstOptions->setCurrentIndex(RemotePage); });
    // The match page's button and the language's share the room right of Cancel, each as wide
    // as its longest caption needs.
    auto *cmdMatch = PlaceTwips<QPushButton>(this, 3840, 3360, 750, 375, tr("Ma&tch"));
    cmdMatch->setObjectName(QStringLiteral("cmdMatch"));
    connect(cmdMatch, &QPushButton::clicked, sstOptions,
        [sstOptions] { sstOptions->setCurrentIndex(MatchPage); });
    auto *cmdLanguage = PlaceTwips<QPushButton>(this, 4650, 3360, 795, 375, tr("&Language"));
    cmdLanguage->setObjectName(QStringLiteral("cmdLanguage"));
    connect(cmdLanguage, &QPushButton::clicked, sstOptions,
        [sstOptions] { sstOptions->setCurrentIndex(LanguagePage); });

    // The texts page is taller than the others: the window grows while it shows, and the buttons
    // below the pages move down with it, so that every other page keeps its look.
    m_bottomButtons = {cmdOk, cmdCancel, cmdRemote, cmdMatch, cmdLanguage};
    connect(sstOptions, &QTabWidget::currentChanged, this, [this, sstOptions](int page) {
        const int grow = page == TextsPage ? TextsTab::ExtraHeightTwips : 0;
        setFixedSize(TwipsToPixels(5550), TwipsToPixels(3840 + grow));
        sstOptions->resize(TwipsToPixels(5325), TwipsToPixels(3135 + grow));
        for (QPushButton *button : m_bottomButtons) {
            button->move(button->x(), TwipsToPixels(3360 + grow));
        }
    });

    // No button is the default: Enter in a text box must not confirm the dialog.
    for (QPushButton *button : findChildren<QPushButton *>()) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }

    Load();
}

void frmOptions::Load()
{
    m_keysTab->load(m_settings);
    m_colorsTab->load(m_settings);
    m_textsTab->load(m_settings);
    m_webTab->load(m_settings);
    m_remoteTab->load(m_settings);
    m_languageTab->load(m_settings);
    m_matchTab->load(m_settings);
    UpdateWebSBStatus();
}

void frmOptions::setRemoteControl(RemoteControl *remote)
{
    m_remote = remote;
    if (remote) {
        m_remoteTab->showDevices(remote->devices());
        connect(remote, &RemoteControl::devicesChanged, m_remoteTab, &RemoteTab::showDevices);
    }
}

void frmOptions::setGame(ScoreboardGame *game)
{
    m_game = game;
    m_matchTab->setReportAvailable(game != nullptr);
}

void frmOptions::newRemoteCode()
{
    // At once, not on Ok: every device paired with the old code is let go now.
    if (m_remote) {
        m_remote->renewCode();
    } else {
        m_settings.RemoteCode = MakePairingCode();
        SavePairingCode(m_settings, m_store);
    }
    m_remoteTab->showCode(m_settings.RemoteCode);
}

void frmOptions::ensureRemoteCode()
{
    // A code at once, so that its QR code can be scanned before Ok; kept if the dialog is
    // cancelled, as it pairs nothing while the remote control is off.
    if (m_settings.RemoteCode.isEmpty()) {
        m_settings.RemoteCode = MakePairingCode();
        SavePairingCode(m_settings, m_store);
        m_remoteTab->showCode(m_settings.RemoteCode);
    }
}

void frmOptions::newOverlayToken()
{
    // At once, as a new pairing code: every page reading with the old token is let go now.
    if (m_remote) {
        m_remote->renewOverlayToken();
    } else {
        m_settings.OverlayToken = MakePairingCode();
        SaveOverlayToken(m_settings, m_store);
    }
    m_remoteTab->showOverlayToken(m_settings.OverlayToken);
}

void frmOptions::ensureOverlayToken()
{
    // A token at once, so that the addresses can be copied before Ok; it reads nothing while
    // the overlay is off.
    if (m_settings.OverlayToken.isEmpty()) {
        m_settings.OverlayToken = MakePairingCode();
        SaveOverlayToken(m_settings, m_store);
        m_remoteTab->showOverlayToken(m_settings.OverlayToken);
    }
}

void frmOptions::UpdateWebSBStatus()
{
    m_webTab->showStatus(m_web.WebSBFailCount);
}

void frmOptions::showEvent(QShowEvent *event)
{
    CentreOverOwner(*this);
    PlaceForOperator(*this);
    QDialog::showEvent(event);
}

frmOptions::~frmOptions() = default;

void frmOptions::onStartStopWebSB()
{
    if (m_webBusy) {
        return;
    }
    m_webBusy = true;
    // The dialog shows that it waits meanwhile; the board's clock runs on.
    const auto finished = [self = QPointer<frmOptions>(this)] {
        if (self) {
            self->m_webBusy = false;
            self->UpdateWebSBStatus();
        }
    };
    if (m_web.publishing()) {
        m_publisher.stop(*m_inet1, *m_prompts, finished);
    } else {
        m_webTab->setEntriesEnabled(false);
        m_publisher.start(m_webTab->url(), m_webTab->passCode(), m_webTab->serviceAddress(),
            *m_inet1, *m_prompts, [finished](bool) { finished(); });
    }
}

void frmOptions::closeEvent(QCloseEvent *event)
{
    // While Start or Stop waits for the service, the dialog stays.
    if (m_webBusy) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void frmOptions::onOk()
{
    LiveSettings confirmed = m_settings;
    m_keysTab->store(confirmed);
    m_colorsTab->store(confirmed);
    m_textsTab->store(confirmed);
    m_webTab->store(confirmed);
    m_remoteTab->store(confirmed);
    m_languageTab->store(confirmed);
    m_matchTab->store(confirmed);
    const bool playNow = confirmMatchFormat(confirmed);
    if (!SaveSettings(confirmed, m_store)) {
        // Nothing changes: the store object goes back to what is in force, so that no later
        // write of it brings the refused values in, and the dialog keeps the operator's.
        SaveSettings(m_settings, m_store);
        m_ui.showMessage(this, QStringLiteral("Varnelo"),
            tr("The settings could not be saved to %1. Check that its folder can be "
               "written and that the disk is not full; nothing has been changed.")
                .arg(QDir::toNativeSeparators(m_store.fileName())));
        return;
    }
    m_settings = confirmed;
    if (playNow) {
        m_game->setMatchFormat(MatchFormatOf(confirmed));
    }
    if (m_game) {
        m_game->setTeamSheets(TeamSheet(confirmed.HomeSheet), TeamSheet(confirmed.GuestSheet));
    }
    accept();
}

bool frmOptions::confirmMatchFormat(LiveSettings &confirmed)
{
    const MatchFormat chosen = MatchFormatOf(confirmed);
    if (!m_game || chosen == MatchFormatOf(m_settings) || chosen == m_game->match().format) {
        return false;
    }
    // Before the kick-off nothing has been played by the old format.
    if (m_game->match().phase == Phase::PreMatch) {
        return true;
    }
    if (m_ui.askYesNo(this, QStringLiteral("Varnelo"),
            tr("The match has begun. Play the rest of it by the new format?"))) {
        return true;
    }
    // No: the match goes on as it is, and the format in force stays the one saved.
    StoreMatchFormat(confirmed, MatchFormatOf(m_settings));
    return false;
}
