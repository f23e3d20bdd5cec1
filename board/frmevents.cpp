#include "frmevents.h"

#include "eventdelegate.h"
#include "settings/livesettings.h"
#include "ui/operatorscreen.h"
#include "ui/uiservices.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <functional>

namespace {

const QRegularExpression &minutePattern()
{
    static const QRegularExpression pattern(QStringLiteral("^\\d{1,3}(\\+\\d{1,2})?'?$"));
    return pattern;
}

} // namespace

QString EventKindWord(EventKind kind)
{
    switch (kind) {
    case EventKind::Goal:
        return frmEvents::tr("Goal");
    case EventKind::Yellow:
        return frmEvents::tr("Yellow card");
    case EventKind::SecondYellow:
        return frmEvents::tr("Second yellow");
    case EventKind::Red:
        return frmEvents::tr("Red card");
    }
    return {};
}

QString TypedMinute(const QString &typed)
{
    const QString minute = typed.trimmed();
    if (minutePattern().match(minute).hasMatch() && !minute.endsWith(QLatin1Char('\''))) {
        return minute + QLatin1Char('\'');
    }
    return minute;
}

QString EventEditRefusal(const ScoreboardGame::EventEdit &edit)
{
    if (edit.minute && !edit.minute->isEmpty() && !minutePattern().match(*edit.minute).hasMatch()) {
        return frmEvents::tr("A minute is written as 23' or 45+2'.");
    }
    if (edit.player && !IsShirtNumber(*edit.player)) {
        return frmEvents::tr("A shirt number has up to three digits.");
    }
    return frmEvents::tr("The event cannot take this change.");
}

frmEvents::frmEvents(
    ScoreboardGame &game, const LiveSettings &settings, UiServices &ui, QWidget *owner)
    : QWidget(nullptr, Qt::Window)
    , m_game(game)
    , m_settings(settings)
    , m_ui(ui)
    , m_owner(owner)
    , m_table(new QTableWidget(0, ColumnCount, this))
    , m_remove(new QPushButton(tr("&Remove..."), this))
{
    setObjectName(QStringLiteral("frmEvents"));
    // The program ends with the board, whether this window is open or not.
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(tr("Match Events"));

    m_table->setObjectName(QStringLiteral("tblEvents"));
    m_table->setAccessibleName(tr("Goals and cards"));
    m_table->setHorizontalHeaderLabels(
        {tr("Minute"), tr("Team"), tr("Event"), tr("Player"), tr("Name")});
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    // Tab leaves the list for the buttons; the arrows move between cells.
    m_table->setTabKeyNavigation(false);
    m_table->setItemDelegate(new EventDelegate(
        [this](int column) {
            QList<std::pair<QString, int>> choices;
            if (column == TeamColumn) {
                for (const Team team : {Team::Home, Team::Visitor}) {
                    choices.append({teamWord(team), static_cast<int>(team)});
                }
            } else if (column == KindColumn) {
                for (int kind = 0; kind < EventKindCount; ++kind) {
                    choices.append({EventKindWord(static_cast<EventKind>(kind)), kind});
                }
            }
            return choices;
        },
        m_table));
    m_table->installEventFilter(this);
    connect(m_table, &QTableWidget::itemChanged, this, &frmEvents::onItemChanged);

    m_remove->setObjectName(QStringLiteral("cmdRemove"));
    auto *undo = new QPushButton(tr("&Undo"), this);
    undo->setObjectName(QStringLiteral("cmdUndo"));
    auto *redo = new QPushButton(tr("Re&do"), this);
    redo->setObjectName(QStringLiteral("cmdRedo"));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->addButton(m_remove, QDialogButtonBox::ActionRole);
    buttons->addButton(undo, QDialogButtonBox::ActionRole);
    buttons->addButton(redo, QDialogButtonBox::ActionRole);
    for (QPushButton *button : buttons->findChildren<QPushButton *>()) {
        button->setAutoDefault(false);
    }
    connect(m_remove, &QPushButton::clicked, this, &frmEvents::removeCurrent);
    connect(undo, &QPushButton::clicked, this, [this] { m_game.undo(); });
    connect(redo, &QPushButton::clicked, this, [this] { m_game.redo(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QWidget::close);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_table);
    layout->addWidget(buttons);

    connect(&m_game, &ScoreboardGame::matchChanged, this, &frmEvents::refresh);
    refresh();
    resize(620, 380);
}

QString frmEvents::teamWord(Team team) const
{
    const QString &name = team == Team::Home ? m_settings.HomeText : m_settings.GuestText;
    if (!name.trimmed().isEmpty()) {
        return name.trimmed();
    }
    return team == Team::Home ? tr("Home") : tr("Visitor");
}

int frmEvents::eventIdAt(int row) const
{
    const QTableWidgetItem *first = m_table->item(row, MinuteColumn);
    return first ? first->data(EventDelegate::IdRole).toInt() : 0;
}

void frmEvents::refresh()
{
    const QList<MatchEvent> &events = m_game.events();
    m_filling = true;
    m_table->setRowCount(static_cast<int>(events.size()));
    for (int row = 0; row < events.size(); ++row) {
        const MatchEvent &event = events.at(row);
        const QString texts[ColumnCount] = {event.minute, teamWord(event.team),
            EventKindWord(event.kind), event.player, event.name};
        for (int column = 0; column < ColumnCount; ++column) {
            // Items are changed in place, so that an editor open on one stays valid.
            QTableWidgetItem *item = m_table->item(row, column);
            if (!item) {
                item = new QTableWidgetItem;
                m_table->setItem(row, column, item);
            }
            item->setText(texts[column]);
            if (column == MinuteColumn) {
                item->setData(EventDelegate::IdRole, event.id);
            } else if (column == TeamColumn) {
                item->setData(EventDelegate::ValueRole, static_cast<int>(event.team));
            } else if (column == KindColumn) {
                item->setData(EventDelegate::ValueRole, static_cast<int>(event.kind));
            }
        }
    }
    m_filling = false;
    // Room around each text, and for the arrow of a choice while it is edited.
    m_table->resizeColumnsToContents();
    const int padding = 2 * fontMetrics().averageCharWidth();
    const int arrow = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    for (int column = 0; column < NameColumn; ++column) {
        const bool choice = column == TeamColumn || column == KindColumn;
        m_table->setColumnWidth(
            column, m_table->columnWidth(column) + padding + (choice ? arrow : 0));
    }
    if (m_table->currentRow() < 0 && !events.isEmpty()) {
        m_table->setCurrentCell(static_cast<int>(events.size()) - 1, MinuteColumn);
    }
    m_remove->setEnabled(!events.isEmpty());
}

void frmEvents::onItemChanged(QTableWidgetItem *item)
{
    if (m_filling) {
        return;
    }
    const bool queued = m_edited.has_value();
    m_edited = Edited{eventIdAt(item->row()), item->column()};
    // The editor is still closing: a question or a refusal now would take its focus and have it
    // commit again.
    if (!queued) {
        QMetaObject::invokeMethod(this, &frmEvents::applyEdited, Qt::QueuedConnection);
    }
}

void frmEvents::applyEdited()
{
    if (!m_edited) {
        return;
    }
    const Edited edited = *m_edited;
    m_edited.reset();
    const QList<MatchEvent> &events = m_game.events();
    const auto found = std::find_if(events.cbegin(), events.cend(),
        [&edited](const MatchEvent &event) { return event.id == edited.id; });
    int row = -1;
    for (int r = 0; r < m_table->rowCount(); ++r) {
        row = eventIdAt(r) == edited.id ? r : row;
    }
    if (found == events.cend() || row < 0) {
        refresh();
        return;
    }
    const MatchEvent event = *found;
    const QTableWidgetItem *item = m_table->item(row, edited.column);
    ScoreboardGame::EventEdit edit;
    bool changes = false;
    switch (edited.column) {
    case MinuteColumn:
        edit.minute = TypedMinute(item->text());
        changes = *edit.minute != event.minute;
        break;
    case TeamColumn:
        edit.team = static_cast<Team>(item->data(EventDelegate::ValueRole).toInt());
        changes = *edit.team != event.team;
        break;
    case KindColumn:
        edit.kind = static_cast<EventKind>(item->data(EventDelegate::ValueRole).toInt());
        changes = *edit.kind != event.kind;
        break;
    case PlayerColumn:
        edit.player = item->text().trimmed();
        changes = *edit.player != event.player;
        break;
    default:
        edit.name = item->text().trimmed();
        changes = *edit.name != event.name;
        break;
    }
    if (changes && !m_game.editEvent(event.id, edit)) {
        // Back to what the game holds, and why.
        refresh();
        m_ui.showMessage(this, windowTitle(), EventEditRefusal(edit));
        return;
    }
    refresh();
}

void frmEvents::removeCurrent()
{
    const int row = m_table->currentRow();
    const int id = eventIdAt(row);
    if (id == 0) {
        return;
    }
    QStringList said;
    for (int column = MinuteColumn; column <= PlayerColumn; ++column) {
        const QString text = m_table->item(row, column)->text();
        if (!text.isEmpty()) {
            said << text;
        }
    }
    if (!m_ui.askYesNo(
            this, windowTitle(), tr("Remove this event: %1?").arg(said.join(QLatin1Char(' '))))) {
        return;
    }
    m_game.removeEvent(id);
}

bool frmEvents::eventFilter(QObject *watched, QEvent *event)
{
    // Only while no editor is open: a key an editor leaves goes on to the list.
    if (watched == m_table && event->type() == QEvent::KeyPress
        && !m_table->indexWidget(m_table->currentIndex())) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Delete && key->modifiers() == Qt::NoModifier) {
            removeCurrent();
            return true;
        }
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
            && m_table->currentIndex().isValid()) {
            m_table->edit(m_table->currentIndex());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void frmEvents::keyPressEvent(QKeyEvent *event)
{
    // Esc closes the window, as it does a dialog.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void frmEvents::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // Over the board the first time, as a dialog would stand; where the operator left it after.
    if (!m_placed) {
        m_placed = true;
        QRect area = m_owner ? m_owner->window()->frameGeometry() : QRect();
        if (area.isEmpty() && screen()) {
            area = screen()->availableGeometry();
        }
        QRect placed = frameGeometry();
        placed.moveCenter(area.center());
        move(placed.topLeft());
    }
    PlaceForOperator(*this);
}
