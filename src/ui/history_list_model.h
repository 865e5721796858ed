#pragma once
// One of the History window's two lists as an item model over the rows its logic keeps:
// four columns (title, hits, date, address). The model announces the changes the logic
// reports, so that a list of 100,000 rows fills in one reset and only the rows on screen
// are turned into display text.

#include "history/history_window_view.h"

#include <QAbstractTableModel>
#include <QString>
#include <vector>

class QTreeView;
class QWidget;

namespace sg::ui {

inline constexpr int kHistoryColumnCount = 4;

class HistoryRowsModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    HistoryRowsModel(const HistoryListView& list, QObject* parent);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(
        int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // Announces the rows' changes, in order, and the header when it changed.
    void show(const std::vector<RowsChange>& changes);

private:
    const HistoryListView& m_list;
    int m_count = 0; // the rows announced so far
    QString m_header;
};

// A list view over one of the models: full-row, several rows selectable, one row height for
// all rows (which lets a long list fill at once), the pop-up menu left to the window.
QTreeView* makeHistoryListView(const QString& name, HistoryRowsModel* model, QWidget* parent);

} // namespace sg::ui
