#include "eventdelegate.h"

#include "frmevents.h"
#include "game/matchevents.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

#include <algorithm>

namespace {

// The id of the event the editor was opened on.
constexpr const char *EditedEvent = "editedEvent";

int idOf(const QModelIndex &index)
{
    return index.siblingAtColumn(frmEvents::MinuteColumn).data(EventDelegate::IdRole).toInt();
}

bool isEditedEvent(const QWidget *editor, const QModelIndex &index)
{
    return editor->property(EditedEvent).toInt() == idOf(index);
}

} // namespace

EventDelegate::EventDelegate(Choices choices, QObject *parent)
    : QStyledItemDelegate(parent)
    , m_choices(std::move(choices))
{
}

QWidget *EventDelegate::createEditor(
    QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QWidget *editor = makeEditor(parent, option, index);
    if (editor) {
        editor->setProperty(EditedEvent, idOf(index));
    }
    return editor;
}

void EventDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    // The row shows another event now (one before it was removed, or moved by its minute): what
    // the operator is typing stays theirs.
    if (!isEditedEvent(editor, index)) {
        return;
    }
    if (auto *box = qobject_cast<QComboBox *>(editor)) {
        box->setCurrentIndex(std::max(0, box->findData(index.data(ValueRole))));
        return;
    }
    QStyledItemDelegate::setEditorData(editor, index);
}

void EventDelegate::setModelData(
    QWidget *editor, QAbstractItemModel *model, const QModelIndex &edited) const
{
    // The edit belongs to the event the editor was opened on, wherever it stands now; to none
    // when it is gone.
    QModelIndex index = edited;
    if (!isEditedEvent(editor, index)) {
        index = {};
        const int id = editor->property(EditedEvent).toInt();
        for (int row = 0; row < model->rowCount() && !index.isValid(); ++row) {
            const QModelIndex candidate = model->index(row, edited.column());
            index = idOf(candidate) == id ? candidate : QModelIndex();
        }
        if (!index.isValid()) {
            return;
        }
    }
    if (auto *box = qobject_cast<QComboBox *>(editor)) {
        model->setData(index, box->currentData(), ValueRole);
        return;
    }
    QStyledItemDelegate::setModelData(editor, model, index);
}

QWidget *EventDelegate::makeEditor(
    QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const auto choices = m_choices(index.column());
    if (!choices.isEmpty()) {
        auto *box = new QComboBox(parent);
        for (const auto &[word, value] : choices) {
            box->addItem(word, value);
        }
        return box;
    }
    auto *line
        = qobject_cast<QLineEdit *>(QStyledItemDelegate::createEditor(parent, option, index));
    if (line && index.column() == frmEvents::PlayerColumn) {
        line->setValidator(new QRegularExpressionValidator(
            QRegularExpression(QStringLiteral("\\d{0,%1}").arg(LongestShirtNumber)), line));
    } else if (line) {
        line->setMaxLength(index.column() == frmEvents::NameColumn ? 60 : 8);
    }
    return line;
}
