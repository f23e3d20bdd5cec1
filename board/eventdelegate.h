#pragma once

#include <QStyledItemDelegate>

#include <functional>

// Edits a cell of the events window with the editor its column needs: a choice for the team and
// the kind, digits only for the player. An edit stays with the event it was opened on while the
// list changes under it.
class EventDelegate final : public QStyledItemDelegate
{
public:
    // The event's id on the first cell of its row; the kind and the team as values on theirs.
    static constexpr int IdRole = Qt::UserRole;
    static constexpr int ValueRole = Qt::UserRole + 1;

    // The words and values of a column that is edited as a choice; none for a text column.
    using Choices = std::function<QList<std::pair<QString, int>>(int column)>;

    EventDelegate(Choices choices, QObject *parent);

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
        const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(
        QWidget *editor, QAbstractItemModel *model, const QModelIndex &edited) const override;

private:
    QWidget *makeEditor(
        QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const;

    Choices m_choices;
};
