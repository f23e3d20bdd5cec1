#include "frmconsole.h"

#include "board/consolepreview.h"
#include "board/frmevents.h"
#include "board/frmscoreboard.h"
#include "game/scoreboardgame.h"
#include "settings/livesettings.h"
#include "settings/typedkeys.h"

#include <QAction>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString PhaseTitle(Phase phase)
{
    switch (phase) {
    case Phase::PreMatch:
        return frmConsole::tr("Before the kick-off");
    case Phase::FirstHalf:
        return frmConsole::tr("First half");
    case Phase::HalfTime:
        return frmConsole::tr("Half-time");
    case Phase::SecondHalf:
        return frmConsole::tr("Second half");
    case Phase::ExtraTimeFirstHalf:
        return frmConsole::tr("Extra time, first half");
    case Phase::ExtraTimeHalfTime:
        return frmConsole::tr("Extra time, half-time");
    case Phase::ExtraTimeSecondHalf:
        return frmConsole::tr("Extra time, second half");
    case Phase::Penalties:
        return frmConsole::tr("Penalties");
    case Phase::FullTime:
        return frmConsole::tr("Full time");
    }
    return {};
}

QString EntryTitle(ScoreboardGame::Entry entry)
{
    switch (entry) {
    case ScoreboardGame::Entry::AddedTime:
        return frmConsole::tr("Added time");
    case ScoreboardGame::Entry::Scorer:
        return frmConsole::tr("Scorer of the last goal");
    case ScoreboardGame::Entry::HomeYellow:
        return frmConsole::tr("Yellow card, home");
    case ScoreboardGame::Entry::VisitorYellow:
        return frmConsole::tr("Yellow card, visitor");
    case ScoreboardGame::Entry::HomeRed:
        return frmConsole::tr("Red card, home");
    case ScoreboardGame::Entry::VisitorRed:
        return frmConsole::tr("Red card, visitor");
    }
    return {};
}

// A key as the operator presses it: the space bar by name, any other by its character.
QString KeyName(qint16 key)
{
    if (key == KeyCode::Space) {
        return frmConsole::tr("Space");
    }
    return key > KeyCode::Space ? QString(QChar(char16_t(key))) : QString();
}

// The console's commands, each the key the board gives it.
struct Command
{
    const char *name;
    const char *text;
    qint16 LiveSettings::*setting;
    qint16 fixedKey;
};
constexpr Command Commands[] = {
    {"btnStartStop", QT_TRANSLATE_NOOP("frmConsole", "&Start/stop clock"),
        &LiveSettings::StartStopClockKey, 0},
    {"btnReset", QT_TRANSLATE_NOOP("frmConsole", "&Reset clock"), &LiveSettings::ResetClockKey, 0},
    {"btnBuzzer", QT_TRANSLATE_NOOP("frmConsole", "&Buzzer"), &LiveSettings::BuzzerKey, 0},
    {"btnNextPhase", QT_TRANSLATE_NOOP("frmConsole", "&Next phase"), &LiveSettings::NextPhaseKey,
        0},
    {"btnEvents", QT_TRANSLATE_NOOP("frmConsole", "&Goals and cards"), nullptr, 'e'},
    {"btnReport", QT_TRANSLATE_NOOP("frmConsole", "Match re&port"), nullptr, KeyCode::SaveReport},
};

} // namespace

frmConsole::frmConsole(frmScoreboard &board, const LiveSettings &settings, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_board(&board)
    , m_game(board.scoreboardGame())
    , m_settings(settings)
    , m_preview(new ConsolePreview(board, settings, this))
    , m_focus(new QLabel(this))
    , m_refusal(new QLabel(this))
    , m_phase(new QLabel(this))
    , m_added(new QLabel(this))
    , m_eventsCaption(new QLabel(this))
    , m_events(new QListWidget(this))
    , m_refusalTimer(this)
{
    setObjectName(QStringLiteral("frmConsole"));
    // Every key goes to the board: nothing here takes the focus from the window itself.
    setFocusPolicy(Qt::StrongFocus);
    m_focus->setObjectName(QStringLiteral("lblFocus"));
    m_refusal->setObjectName(QStringLiteral("lblRefusal"));
    m_phase->setObjectName(QStringLiteral("lblPhase"));
    m_added->setObjectName(QStringLiteral("lblAddedTime"));
    m_events->setObjectName(QStringLiteral("lstEvents"));
    m_events->setFocusPolicy(Qt::NoFocus);
    m_eventsCaption->setBuddy(m_events);
    QFont large = font();
    large.setPointSizeF(large.pointSizeF() * 1.3);
    for (QLabel *label : {m_focus, m_refusal, m_phase, m_added}) {
        label->setFont(large);
        label->setTextInteractionFlags(Qt::NoTextInteraction);
        label->setWordWrap(true);
    }
    // A refusal stands out: the operator has to see at a glance why a key did nothing.
    QFont bold = large;
    bold.setBold(true);
    m_refusal->setFont(bold);
    QPalette warning = m_refusal->palette();
    warning.setColor(QPalette::WindowText, QColor(0xB0, 0x00, 0x20));
    m_refusal->setPalette(warning);
    m_refusalTimer.setObjectName(QStringLiteral("tmrRefusal"));
    m_refusalTimer.setSingleShot(true);
    m_refusalTimer.setInterval(RefusalMilliseconds);
    connect(&m_refusalTimer, &QTimer::timeout, m_refusal, &QLabel::clear);

    auto *buttons = new QVBoxLayout;
    for (const Command &command : Commands) {
        auto *button = new QPushButton(this);
        button->setObjectName(QLatin1String(command.name));
        // Reached by its access key; the keyboard focus stays where every key reaches the board.
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QPushButton::clicked, this, [this, command] {
            if (m_board) {
                m_board->AllKeyPress(
                    command.setting ? m_settings.*command.setting : command.fixedKey);
            }
        });
        buttons->addWidget(button);
        m_commands << button;
    }
    buttons->addStretch();
    auto *status = new QVBoxLayout;
    status->addWidget(m_preview, 1);
    status->addWidget(m_focus);
    status->addWidget(m_refusal);
    status->addWidget(m_phase);
    status->addWidget(m_added);
    auto *side = new QVBoxLayout;
    side->addLayout(buttons);
    side->addWidget(m_eventsCaption);
    side->addWidget(m_events, 1);
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(status, 3);
    layout->addLayout(side, 1);

    // The board's keys that type nothing (F7, undo, screens, this console's own key) work here
    // as there; keys added to the board later follow.
    addActions(board.actions());
    board.installEventFilter(this);
    connect(&m_game, &ScoreboardGame::changed, this, &frmConsole::refresh);
    connect(&m_game, &ScoreboardGame::matchChanged, this, &frmConsole::refresh);
    connect(&board, &frmScoreboard::focusMarkChanged, this, &frmConsole::refresh);
    connect(&board, &frmScoreboard::refused, this, &frmConsole::showRefusal);
    retranslate();
}

void frmConsole::retranslate()
{
    setWindowTitle(tr("Varnelo operator console"));
    setAccessibleName(windowTitle());
    m_eventsCaption->setText(tr("Goals and cards:"));
    m_events->setAccessibleName(tr("Goals and cards"));
    m_focus->setAccessibleName(tr("Focus and typing"));
    m_refusal->setAccessibleName(tr("Last refusal"));
    m_phase->setAccessibleName(tr("Phase"));
    m_added->setAccessibleName(tr("Added time"));
    for (qsizetype i = 0; i < m_commands.size(); ++i) {
        const Command &command = Commands[i];
        const QString key
            = KeyName(command.setting ? m_settings.*command.setting : command.fixedKey);
        const QString text = tr(command.text);
        m_commands[i]->setText(key.isEmpty() ? text : QStringLiteral("%1   [%2]").arg(text, key));
        m_commands[i]->setAccessibleName(QString(text).remove(QLatin1Char('&')));
    }
    refresh();
}

void frmConsole::refresh()
{
    m_focus->setText(focusText());
    m_phase->setText(phaseText());
    m_added->setText(addedText());
    for (QLabel *label : {m_focus, m_phase, m_added}) {
        label->setAccessibleDescription(label->text());
    }
    refreshEvents();
}

void frmConsole::refreshEvents()
{
    QStringList rows;
    for (const MatchEvent &event : m_game.events()) {
        const QString &name = event.team == Team::Home ? m_settings.HomeText : m_settings.GuestText;
        QString team = name.trimmed();
        if (team.isEmpty()) {
            team = event.team == Team::Home ? tr("Home") : tr("Visitor");
        }
        QStringList words{event.minute, EventKindWord(event.kind), team};
        if (!event.player.isEmpty()) {
            words << QStringLiteral("#%1").arg(event.player);
        }
        words << event.name;
        words.removeAll(QString());
        rows << words.join(QStringLiteral("  "));
    }
    QStringList shown;
    for (int i = 0; i < m_events->count(); ++i) {
        shown << m_events->item(i)->text();
    }
    if (shown != rows) {
        m_events->clear();
        m_events->addItems(rows);
        m_events->scrollToBottom();
    }
}

QString frmConsole::focusText() const
{
    if (const auto entry = m_game.entry()) {
        return tr("Typing: %1: %2").arg(EntryTitle(*entry), m_game.entryText() + QLatin1Char('_'));
    }
    QWidget *figure = m_board ? m_board->focusedFigure() : nullptr;
    if (!figure) {
        return tr("Focus: no figure");
    }
    const QString typed = m_board->focusedEntry();
    if (typed.isEmpty()) {
        return tr("Focus: %1").arg(figure->accessibleName());
    }
    return tr("Focus: %1, typed: %2").arg(figure->accessibleName(), typed + QLatin1Char('_'));
}

QString frmConsole::phaseText() const
{
    const MatchState &match = m_game.match();
    const bool level = m_game.value(Figure::ScoreH) == m_game.value(Figure::ScoreV);
    const Phase next = NextPhase(match.phase, match.format, level);
    if (next == match.phase) {
        return tr("Phase: %1. The match is over.").arg(PhaseTitle(match.phase));
    }
    return tr("Phase: %1. Next: %2 (key %3)")
        .arg(PhaseTitle(match.phase), PhaseTitle(next), KeyName(m_settings.NextPhaseKey));
}

QString frmConsole::addedText() const
{
    const MatchState &match = m_game.match();
    if (!IsPlayingHalf(match.phase)) {
        return tr("Added time: only during a half");
    }
    const QString key = KeyName(m_settings.AddedTimeKey);
    if (match.addedMinutes == 0) {
        return tr("Added time: none announced (key %1)").arg(key);
    }
    const qint64 played = m_game.addedPlayed();
    if (played > 0) {
        return tr("Added time: +%1 minutes, %2:%3 played")
            .arg(match.addedMinutes)
            .arg(played / 60)
            .arg(played % 60, 2, 10, QLatin1Char('0'));
    }
    return tr("Added time: +%1 minutes").arg(match.addedMinutes);
}

void frmConsole::showRefusal(const QString &reason)
{
    m_refusal->setText(reason);
    m_refusal->setAccessibleDescription(reason);
    m_refusalTimer.start();
}

bool frmConsole::event(QEvent *event)
{
    // Before the window takes Tab for its own focus chain: the board's Tab moves between figures.
    if (event->type() == QEvent::KeyPress && m_board) {
        m_board->typeForwarded(*static_cast<QKeyEvent *>(event));
        refresh();
        return true;
    }
    return QWidget::event(event);
}

bool frmConsole::eventFilter(QObject *watched, QEvent *event)
{
    // The type first: while the board is being destroyed its pointer must not be read as a
    // board any more.
    if (event->type() == QEvent::ActionAdded && watched == m_board) {
        addAction(static_cast<QActionEvent *>(event)->action());
    }
    return QWidget::eventFilter(watched, event);
}

void frmConsole::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    if (event->isAccepted()) {
        Q_EMIT closedByOperator();
    }
}

void frmConsole::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    // Back from the options, whose keys the buttons name.
    if (event->type() == QEvent::LanguageChange || event->type() == QEvent::ActivationChange) {
        retranslate();
    }
}
