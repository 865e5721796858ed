#include "ui/history_list_model.h"

#include "ui/twips.h"

#include <QHeaderView>
#include <QTreeView>

namespace sg::ui {

HistoryRowsModel::HistoryRowsModel(const HistoryListView& list, QObject* parent)
    : QAbstractTableModel(parent)
    , m_list(list)
    , m_count(static_cast<int>(list.rows.size()))
    , m_header(q(list.header))
{
}

int HistoryRowsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_count;
}

int HistoryRowsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kHistoryColumnCount;
}

QVariant HistoryRowsModel::data(const QModelIndex& index, int role) const
{
    // The rows may already have left the list while their removal is being announced.
    if (!index.isValid() || index.row() >= m_count
        || static_cast<std::size_t>(index.row()) >= m_list.rows.size())
        return {};
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)
        return {};
    const HistoryRow& r = m_list.rows[static_cast<std::size_t>(index.row())];
    switch (index.column()) {
    case 0:
        return q(r.title);
    case 1:
        return q(r.hits);
    case 2:
        return q(r.date);
    case 3:
        return q(r.url);
    default:
        return {};
    }
}

QVariant HistoryRowsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case 0:
        return m_header;
    case 1:
        return QStringLiteral("Hits");
    case 2:
        return QStringLiteral("Date");
    default:
        return QString();
    }
}

void HistoryRowsModel::show(const std::vector<RowsChange>& changes)
{
    for (const RowsChange& change : changes) {
        const int first = static_cast<int>(change.first);
        const int last = static_cast<int>(change.last);
        switch (change.kind) {
        case RowsChange::Kind::Reset:
            beginResetModel();
            m_count = static_cast<int>(m_list.rows.size());
            endResetModel();
            break;
        case RowsChange::Kind::Appended:
            beginInsertRows({}, first, last);
            m_count = last + 1;
            endInsertRows();
            break;
        case RowsChange::Kind::Changed:
            emit dataChanged(index(first, 0), index(first, kHistoryColumnCount - 1));
            break;
        case RowsChange::Kind::Removed:
            beginRemoveRows({}, first, last);
            m_count -= last - first + 1;
            endRemoveRows();
            break;
        }
    }
    const QString header = q(m_list.header);
    if (header != m_header) {
        m_header = header;
        emit headerDataChanged(Qt::Horizontal, 0, 0);
    }
}

QTreeView* makeHistoryListView(const QString& name, HistoryRowsModel* model, QWidget* parent)
{
    auto* view = new QTreeView(parent);
    view->setAccessibleName(name);
    view->setModel(model);
    view->setRootIsDecorated(false);
    view->setItemsExpandable(false);
    view->setUniformRowHeights(true);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view->setAllColumnsShowFocus(true);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setContextMenuPolicy(Qt::CustomContextMenu);
    view->header()->setStretchLastSection(false);
    view->header()->setSectionsMovable(false);
    view->header()->setSectionResizeMode(QHeaderView::Interactive);
    return view;
}

} // namespace sg::ui
