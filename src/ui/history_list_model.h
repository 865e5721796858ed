#pragma once
// The History window's two lists as item models: four columns (title, hits, date, address)
// over rows kept as the core gives them, so that a list of 100,000 rows fills in one reset
// and only the rows on screen are turned into display text.

#include "history/history_rows.h"
#include "history/history_window_logic.h"

#include <QAbstractTableModel>
#include <QString>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

class QTreeView;
class QWidget;

namespace sg::ui {

inline constexpr int kHistoryColumnCount = 4;

// The columns and headers of both lists; the rows come from the subclass.
class HistoryRowsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(
        int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    virtual std::size_t size() const = 0;
    virtual const HistoryRow& row(std::size_t i) const = 0;
    // The first column's header text ("12 Page Titles").
    virtual std::string firstHeader() const = 0;
    // "Remove Item(s) From List (Temp)": the rows leave the list, the day files stay.
    virtual void removeListRows(const std::vector<std::size_t>& indices) = 0;
};

// The Today list: one row per record of today's day file, each row knowing its record
// number, so that a raised visit count finds its row after rows were removed.
class TodayListModel final : public HistoryRowsModel {
    Q_OBJECT
public:
    using HistoryRowsModel::HistoryRowsModel;

    std::size_t size() const override { return m_rows.size(); }
    const HistoryRow& row(std::size_t i) const override { return m_rows[i]; }
    std::string firstHeader() const override { return m_header; }
    void removeListRows(const std::vector<std::size_t>& indices) override;

    // The rows of records 1..n in order.
    void load(std::vector<HistoryRow> rows, std::string header);
    void clear(); // header "Page Titles"
    void append(std::size_t recordNumber, HistoryRow row, std::string header);
    // The row showing record n; nullopt when it is not in the list.
    std::optional<std::size_t> rowOfRecord(std::size_t n) const;
    // Sets the Hits column of record n; the row changed, nullopt when it is not listed.
    std::optional<std::size_t> setHits(std::size_t n, const std::string& hits);
    void setFirstHeader(std::string header);

private:
    std::vector<HistoryRow> m_rows;
    std::vector<std::size_t> m_records; // ascending, one per row
    std::string m_header = todayListHeader(0);
};

// The search list: a view of HistorySearchList, which keeps the rows of the last complete
// search and the idle or running state.
class SearchListModel final : public HistoryRowsModel {
    Q_OBJECT
public:
    using HistoryRowsModel::HistoryRowsModel;

    std::size_t size() const override { return m_list.rows().size(); }
    const HistoryRow& row(std::size_t i) const override { return m_list.rows()[i]; }
    std::string firstHeader() const override { return m_list.header(); }
    void removeListRows(const std::vector<std::size_t>& indices) override;

    const HistorySearchList& list() const { return m_list; }
    void searchStarted() { m_list.searchStarted(); }
    // A complete search replaces the rows in one reset; otherwise they stay. The message
    // for a failed search.
    std::optional<std::string> searchEnded(SearchOutcome outcome);

private:
    HistorySearchList m_list;
};

// A list view over one of the models: full-row, several rows selectable, one row height for
// all rows (which lets a long list fill at once), the pop-up menu left to the window.
QTreeView* makeHistoryListView(const QString& name, HistoryRowsModel* model, QWidget* parent);

} // namespace sg::ui
