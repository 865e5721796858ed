// Times how long the History window's search list takes to show 100,000 rows: the search
// list model under a QTreeView against a QTreeWidget filled with the same rows, both shown
// and painted. Target: the model takes at most a quarter of the QTreeWidget's time.
// Run under a display, e.g. xvfb-run -a, or with QT_QPA_PLATFORM=offscreen.

#include "history/history_rows.h"
#include "history/history_window_view.h"
#include "ui/history_list_model.h"

#include <QApplication>
#include <QHeaderView>
#include <QTreeView>
#include <QTreeWidget>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

using namespace sg;

namespace {

constexpr std::size_t kRows = 100000;
constexpr int kRuns = 5;

std::vector<HistoryRow> makeRows()
{
    std::vector<HistoryRow> rows;
    rows.reserve(kRows);
    for (std::size_t i = 0; i < kRows; ++i) {
        const std::string n = std::to_string(i);
        rows.push_back({ "Regional Radar Loop And Forecast Page " + n, std::to_string(1 + i % 7),
            "Sat Dec 05 26 14:08:35",
            "http://www.host" + std::to_string(i % 300) + ".example.com/weather/radar/loop/" + n
                + ".html" });
    }
    return rows;
}

QString q(const std::string& s)
{
    return QString::fromStdString(s);
}

// Lets the view lay out and paint what it shows.
void paint(QWidget* w)
{
    QApplication::processEvents();
    w->repaint();
    QApplication::processEvents();
}

double msSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

double fillModel(const std::vector<HistoryRow>& rows)
{
    HistoryListView list;
    ui::HistoryRowsModel model(list, nullptr);
    std::unique_ptr<QTreeView> view(
        ui::makeHistoryListView(QStringLiteral("Bench"), &model, nullptr));
    view->resize(900, 600);
    view->show();
    paint(view.get());
    // The rows arrive from the search thread as its outcome; making them is not timed.
    std::vector<HistoryRow> found = rows;
    const auto start = std::chrono::steady_clock::now();
    list.rows = std::move(found);
    list.header = searchListHeader(kRows, 0);
    model.show({ { RowsChange::Kind::Reset } });
    paint(view.get());
    const double ms = msSince(start);
    if (model.rowCount() != static_cast<int>(kRows))
        std::fprintf(stderr, "model holds %d rows\n", model.rowCount());
    return ms;
}

double fillWidget(const std::vector<HistoryRow>& rows)
{
    auto tree = std::make_unique<QTreeWidget>();
    tree->setColumnCount(4);
    tree->setRootIsDecorated(false);
    tree->setUniformRowHeights(true);
    tree->setSelectionBehavior(QAbstractItemView::SelectRows);
    tree->setSelectionMode(QAbstractItemView::ExtendedSelection);
    tree->header()->setStretchLastSection(false);
    tree->resize(900, 600);
    tree->show();
    paint(tree.get());
    const auto start = std::chrono::steady_clock::now();
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(rows.size()));
    for (const HistoryRow& r : rows)
        items.append(new QTreeWidgetItem({ q(r.title), q(r.hits), q(r.date), q(r.url) }));
    tree->addTopLevelItems(items);
    tree->setHeaderLabels({ q(searchListHeader(kRows, 0)), QStringLiteral("Hits"),
        QStringLiteral("Date"), QString() });
    paint(tree.get());
    return msSince(start);
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const std::vector<HistoryRow> rows = makeRows();
    std::vector<double> model;
    std::vector<double> widget;
    for (int run = 0; run < kRuns; ++run) {
        model.push_back(fillModel(rows));
        widget.push_back(fillWidget(rows));
    }
    const double m = median(model);
    const double w = median(widget);
    std::printf("%zu rows, median of %d runs\n", kRows, kRuns);
    std::printf("search list model + QTreeView: %8.1f ms\n", m);
    std::printf("QTreeWidget:                   %8.1f ms\n", w);
    std::printf("ratio: %.3f (target <= 0.25) %s\n", m / w, m / w <= 0.25 ? "MET" : "NOT MET");
    return 0;
}
