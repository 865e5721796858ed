#include "ui/history_list_model.h"

#include "common/erase_indices.h"
#include "ui/twips.h"

#include <QHeaderView>
#include <QTreeView>
#include <algorithm>
#include <utility>

namespace sg::ui {
namespace {

// More removed blocks than this refill the view at once instead of block by block.
constexpr std::size_t kMaxRemovedBlocks = 64;

struct Block {
    std::size_t first;
    std::size_t last;
};

// The valid indices as blocks of neighbours, the last block first, so that removing them in
// order leaves the indices of the blocks still to come unchanged.
std::vector<Block> blocksFromEnd(std::vector<std::size_t> indices, std::size_t size)
{
    std::sort(indices.begin(), indices.end());
    indices.erase(std::unique(indices.begin(), indices.end()), indices.end());
    std::vector<Block> blocks;
    for (std::size_t i : indices) {
        if (i >= size)
            break;
        if (!blocks.empty() && blocks.back().last + 1 == i)
            blocks.back().last = i;
        else
            blocks.push_back({ i, i });
    }
    std::reverse(blocks.begin(), blocks.end());
    return blocks;
}

} // namespace

int HistoryRowsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(size());
}

int HistoryRowsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kHistoryColumnCount;
}

QVariant HistoryRowsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= static_cast<int>(size()))
        return {};
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)
        return {};
    const HistoryRow& r = row(static_cast<std::size_t>(index.row()));
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
        return q(firstHeader());
    case 1:
        return QStringLiteral("Hits");
    case 2:
        return QStringLiteral("Date");
    default:
        return QString();
    }
}

void TodayListModel::load(std::vector<HistoryRow> rows, std::string header)
{
    beginResetModel();
    m_rows = std::move(rows);
    m_records.resize(m_rows.size());
    for (std::size_t i = 0; i < m_records.size(); ++i)
        m_records[i] = i + 1;
    m_header = std::move(header);
    endResetModel();
    emit headerDataChanged(Qt::Horizontal, 0, 0);
}

void TodayListModel::clear()
{
    load({}, todayListHeader(0));
}

void TodayListModel::append(std::size_t recordNumber, HistoryRow row, std::string header)
{
    const int at = static_cast<int>(m_rows.size());
    beginInsertRows({}, at, at);
    m_rows.push_back(std::move(row));
    m_records.push_back(recordNumber);
    endInsertRows();
    setFirstHeader(std::move(header));
}

std::optional<std::size_t> TodayListModel::rowOfRecord(std::size_t n) const
{
    const auto it = std::lower_bound(m_records.begin(), m_records.end(), n);
    if (it == m_records.end() || *it != n)
        return std::nullopt;
    return static_cast<std::size_t>(it - m_records.begin());
}

std::optional<std::size_t> TodayListModel::setHits(std::size_t n, const std::string& hits)
{
    const auto at = rowOfRecord(n);
    if (!at)
        return std::nullopt;
    m_rows[*at].hits = hits;
    const QModelIndex cell = index(static_cast<int>(*at), 1);
    emit dataChanged(cell, cell, { Qt::DisplayRole });
    return at;
}

void TodayListModel::setFirstHeader(std::string header)
{
    m_header = std::move(header);
    emit headerDataChanged(Qt::Horizontal, 0, 0);
}

void TodayListModel::removeListRows(const std::vector<std::size_t>& indices)
{
    const std::vector<Block> blocks = blocksFromEnd(indices, m_rows.size());
    if (blocks.size() > kMaxRemovedBlocks) {
        beginResetModel();
        eraseIndices(m_rows, indices);
        eraseIndices(m_records, indices);
        endResetModel();
        return;
    }
    for (const Block& b : blocks) {
        beginRemoveRows({}, static_cast<int>(b.first), static_cast<int>(b.last));
        const auto first = static_cast<std::ptrdiff_t>(b.first);
        const auto end = static_cast<std::ptrdiff_t>(b.last + 1);
        m_rows.erase(m_rows.begin() + first, m_rows.begin() + end);
        m_records.erase(m_records.begin() + first, m_records.begin() + end);
        endRemoveRows();
    }
}

std::optional<std::string> SearchListModel::searchEnded(SearchOutcome outcome)
{
    if (outcome.status != SearchStatus::Complete)
        return m_list.searchEnded(std::move(outcome));
    beginResetModel();
    auto message = m_list.searchEnded(std::move(outcome));
    endResetModel();
    emit headerDataChanged(Qt::Horizontal, 0, 0);
    return message;
}

void SearchListModel::removeListRows(const std::vector<std::size_t>& indices)
{
    const std::vector<Block> blocks = blocksFromEnd(indices, m_list.rows().size());
    const bool reset = blocks.size() > kMaxRemovedBlocks;
    if (reset) {
        beginResetModel();
        m_list.removeRows(indices);
        endResetModel();
        return;
    }
    for (const Block& b : blocks) {
        beginRemoveRows({}, static_cast<int>(b.first), static_cast<int>(b.last));
        std::vector<std::size_t> block;
        for (std::size_t i = b.first; i <= b.last; ++i)
            block.push_back(i);
        m_list.removeRows(block);
        endRemoveRows();
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
