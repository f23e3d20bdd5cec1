#include "frmscoreboard.h"

#include "board/boardlabel.h"
#include "board/boardshape.h"
#include "board/boardshortcut.h"
#include "board/digitgroup.h"
#include "board/figureaccessible.h"
#include "board/focusmarker.h"
#include "board/frmevents.h"
#include "board/matchdisplay.h"
#include "board/soundplayer.h"
#include "game/figures.h"
#include "game/journalwriter.h"
#include "game/modsoccer.h"
#include "game/timesource.h"
#include "layout/modcolor.h"
#include "layout/modstretch.h"
#include "settings/livesettings.h"
#include "settings/typedkeys.h"
#include "ui/colors.h"
#include "ui/uiservices.h"
#include "ui/windowprompts.h"
#include "web/httpclient.h"
#include "web/webstate.h"

#include <segmora/segmora.h>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QKeyEvent>
#include <QScreen>
#include <QWindow>

frmScoreboard::frmScoreboard(Context context, std::unique_ptr<SoundPlayer> player, QWidget *parent)
    : QWidget(parent)
    , m_context(context)
    , m_scoreboardGame(context.game, context.time, context.journal)
    , m_mmcBuzzer(std::move(player))
    , m_tmrClock(this)
    , m_tmrUpdateWeb(this)
    , m_publisher(context.settings, context.web)
    , m_prompts(new WindowPrompts(context.ui, this))
    , m_marker(new FocusMarker(this))
{
    setObjectName(QStringLiteral("frmScoreboard"));
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    setAutoFillBackground(true);
    m_design = CreateBoardControls(this, LoadBoardDesign());
    setWindowTitle(m_design.caption);
    resize(m_design.clientSize);

    // The figures the web scoreboard is sent are this game's.
    m_context.web.game = &m_scoreboardGame;
    m_tmrClock.setObjectName(QStringLiteral("tmrClock"));
    m_tmrClock.setInterval(50);
    m_tmrUpdateWeb.setObjectName(QStringLiteral("tmrUpdateWeb"));
    m_tmrUpdateWeb.setInterval(1000);
    m_mmcBuzzer->setObjectName(QStringLiteral("mmcBuzzer"));
    m_inet1 = context.makeHttpClient ? context.makeHttpClient() : std::make_unique<QtHttpClient>();
    m_inet1->setObjectName(QStringLiteral("Inet1"));
    connect(&m_tmrClock, &QTimer::timeout, &m_scoreboardGame, &ScoreboardGame::tick);
    connect(&m_scoreboardGame, &ScoreboardGame::clockShown, this, &frmScoreboard::showClock);
    connect(&m_scoreboardGame, &ScoreboardGame::figureChanged, this, &frmScoreboard::showFigure);
    connect(&m_scoreboardGame, &ScoreboardGame::expired, this, &frmScoreboard::Buzzer);
    connect(&m_scoreboardGame, &ScoreboardGame::buzzer, this, &frmScoreboard::Buzzer);
    connect(&m_scoreboardGame, &ScoreboardGame::tickingChanged, this, [this](bool ticking) {
        if (ticking) {
            m_tmrClock.start();
        } else {
            m_tmrClock.stop();
        }
    });
    connect(&m_tmrUpdateWeb, &QTimer::timeout, this,
        [this] { m_publisher.tick(*m_inet1, *m_prompts); });
    connect(&m_publisher, &WebPublisher::stoppedAfterRefusals, this, [this] {
        m_tmrUpdateWeb.stop();
        Q_EMIT webPublishingStopped();
    });
    connect(m_mmcBuzzer.get(), &SoundPlayer::done, this, &frmScoreboard::onBuzzerDone);
    connect(&m_scoreboardGame, &ScoreboardGame::refused, this, &frmScoreboard::refused);

    for (const FigureInfo &figure : Figures) {
        DigitGroup *shown = group(LedArrayOf(figure.figure));
        connect(shown, &DigitGroup::keyTyped, this,
            [this, id = figure.figure](short keyAscii) { onGroupKey(id, keyAscii); });
        // The period shows 0 until one is typed, below the lowest it takes.
        shown->setValueRange(qMin(figure.minimum, 0), figure.maximum);
    }
    connect(&m_scoreboardGame, &ScoreboardGame::tickingChanged, this,
        [this] { showClock(m_scoreboardGame.clockFace()); });
    for (qsizetype i = 1; i < m_design.tabOrder.size(); ++i) {
        setTabOrder(m_design.tabOrder.at(i - 1), m_design.tabOrder.at(i));
    }
    m_matchDisplay = new MatchDisplay(*this, m_design, m_context.settings);
    m_matchDisplay->follow(m_scoreboardGame);

    Load();
}

frmScoreboard::~frmScoreboard()
{
    // The window's own teardown moves the focus; by then the marker is gone.
    disconnect(m_focusWatch);
    // The game outlives the controls that show it, as members go in reverse order.
    delete m_events;
    m_scoreboardGame.disconnect(this);
    m_scoreboardGame.disconnect(m_matchDisplay);
    m_context.web.game = nullptr;
}

void frmScoreboard::Load()
{
    UpdateLabels();
    UpdateFormColors();
    RecordLayout(m_layout, *this);
    const QString &buzzerFile = m_context.settings.BuzzerFile;
    if (!buzzerFile.isEmpty() && QFile::exists(buzzerFile)) {
        m_mmcBuzzer->setFileName(buzzerFile);
        m_mmcBuzzer->command(QStringLiteral("Open"));
    }
    if (m_context.web.publishing()) {
        m_tmrUpdateWeb.start();
    }
    if (!m_design.tabOrder.isEmpty()) {
        m_design.tabOrder.first()->setFocus();
    }
    setUpHistory();
    setUpPlacementKeys();
    setUpFocusMarker();
}

BoardPlacement frmScoreboard::placement() const
{
    return {screen() ? screen()->name() : QString(), isFullScreen()};
}

void frmScoreboard::showPlaced(const BoardPlacement &placement)
{
    const BoardPlacement before = this->placement();
    ShowPlaced(*this, ScreenNamed(placement.screenName), placement.fullScreen);
    if (this->placement().screenName != before.screenName
        || placement.fullScreen != before.fullScreen) {
        Q_EMIT placementChanged();
    }
}

DigitGroup *frmScoreboard::group(const QString &ledArrayName) const
{
    return m_design.groups.value(ledArrayName);
}

void frmScoreboard::setHelpCommand(std::function<void()> showHelp)
{
    m_showHelp = std::move(showHelp);
}

void frmScoreboard::setOptionsCommand(std::function<void(QWidget *)> showOptionsModally)
{
    m_showOptions = std::move(showOptionsModally);
}

void frmScoreboard::showEventsWindow()
{
    if (!m_events) {
        m_events = new frmEvents(m_scoreboardGame, m_context.settings, m_context.ui, this);
        // Kept above the board by the window manager where the two share a screen.
        m_events->winId();
        if (m_events->windowHandle() && windowHandle()) {
            m_events->windowHandle()->setTransientParent(windowHandle());
        }
    }
    m_events->setWindowState(m_events->windowState() & ~Qt::WindowMinimized);
    m_events->show();
    m_events->raise();
    m_events->activateWindow();
}

frmEvents *frmScoreboard::eventsWindow() const
{
    return m_events;
}

void frmScoreboard::setReportCommand(std::function<void(QWidget *)> saveReport)
{
    m_saveReport = std::move(saveReport);
}

void frmScoreboard::showClock(const ClockFace &face)
{
    if (!m_clockDisplay) {
        m_clockDisplay.emplace(*group(LedArrayOf(Figure::Time)), m_design.colonDots);
    }
    m_clockDisplay->show(face, m_scoreboardGame.clockRunning(), m_context.settings);
}

void frmScoreboard::showFigure(Figure figure, const FigureValue &value)
{
    DigitGroup *shown = group(LedArrayOf(figure));
    shown->display(value);
    // Entering the value a figure already shows changes its digits, not what a reader hears.
    if (double(value.value) != shown->accessibleValue()) {
        shown->setAccessibleValue(value.value);
        shown->announceValue();
    }
}

void frmScoreboard::Buzzer()
{
    if (!m_mmcBuzzer->fileName().isEmpty()) {
        m_mmcBuzzer->command(QStringLiteral("Play"));
    }
}

void frmScoreboard::onBuzzerDone()
{
    // Back to the start, so that the next buzzer plays the sound whole.
    m_mmcBuzzer->command(QStringLiteral("Stop"));
    m_mmcBuzzer->command(QStringLiteral("Prev"));
}

void frmScoreboard::optionsCommand()
{
    m_tmrUpdateWeb.stop();
    if (m_showOptions) {
        m_showOptions(this);
    }
    UpdateLabels();
    UpdateFormColors();
    RecordLayout(m_layout, *this);
    m_mmcBuzzer->command(QStringLiteral("Close"));
    m_mmcBuzzer->setFileName(m_context.settings.BuzzerFile);
    m_mmcBuzzer->command(QStringLiteral("Open"));
    if (m_context.web.publishing()) {
        m_tmrUpdateWeb.start();
    }
}

void frmScoreboard::UpdateLabels()
{
    ShowBoardTexts(m_design, m_context.settings);
    NameFigures(m_design);
}

void frmScoreboard::UpdateFormColors()
{
    const LiveSettings &settings = m_context.settings;
    QPalette p = palette();
    p.setColor(QPalette::Window, ToQColor(settings.FormColor));
    setPalette(p);
    m_scoreboardGame.refreshClock();
    m_design.frame->setBorderColor(settings.TextColor);
    for (const FigureInfo &figure : Figures) {
        SetLedColors(group(LedArrayOf(figure.figure))->digits(), settings.LEDColor, settings);
    }
    BoardLabel *home = m_design.labels.value(QStringLiteral("lblHomeName"));
    BoardLabel *guest = m_design.labels.value(QStringLiteral("lblGuestName"));
    home->setForeColor(settings.HomeColor);
    guest->setForeColor(settings.GuestColor);
    ApplyFormColors(*this, {home, guest}, settings);
    m_matchDisplay->refresh();
    refreshMarker();
}

void frmScoreboard::ResumeGame(const JournalRecord &record)
{
    m_scoreboardGame.resume(record);
}

JournalRecord frmScoreboard::journalRecord() const
{
    return m_scoreboardGame.journalRecord();
}

void frmScoreboard::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    StretchLayout(m_layout, *this);
    if (m_matchDisplay) {
        m_matchDisplay->relayout();
    }
    refreshMarker();
}

void frmScoreboard::closeEvent(QCloseEvent *event)
{
    // The final update is done: this is the close that closes.
    if (m_closed) {
        event->accept();
        return;
    }
    // A second close while the first still asks or sends waits for that one.
    event->ignore();
    if (m_closing) {
        return;
    }
    // Closing cannot be cancelled; publishing only adds the offer of a final update, which the
    // board waits for showing that it waits. A normal close ends the game: from here on nothing
    // is journalled, and the journal goes at the end.
    m_closing = true;
    m_scoreboardGame.endGame();
    const auto finish = [this] {
        if (m_context.journal) {
            m_context.journal->discard();
        }
        m_closed = true;
    };
    if (m_publisher.close(
            *m_inet1, *m_prompts, [this] { m_tmrUpdateWeb.stop(); },
            [this, finish] {
                finish();
                close();
            })) {
        finish();
        event->accept();
    }
}
