// The yardstick: the smallest QWebEngineView program, doing what the browser benchmark
// asks of Skyglass2 (load a page, reload it N times), printing the same lines.
//   minimal_browser URL [REFRESHES TICK_MS]

#include "process_memory.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWebEngineView>
#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 2)
        return 2;
    const int refreshes = argc > 3 ? atoi(argv[2]) : 0;
    const int tickMs = argc > 3 ? atoi(argv[3]) : 0;
    QWebEngineView view;
    view.resize(1000, 700);
    view.show();
    int loads = 0;
    QObject::connect(&view, &QWebEngineView::loadFinished, [&] {
        ++loads;
        if (loads == 1) {
            std::printf(
                "loaded\nmemory_kib %lld\n", static_cast<long long>(sgbench::processTreePssKib()));
            std::fflush(stdout);
            if (refreshes == 0)
                QTimer::singleShot(0, &app, &QApplication::quit);
            else
                QTimer::singleShot(tickMs, &view, &QWebEngineView::reload);
            return;
        }
        if (loads == 11)
            sgbench::printTreePss("memory_after_10_kib");
        if (loads == refreshes + 1) {
            sgbench::printTreePss("memory_after_all_kib");
            QTimer::singleShot(0, &app, &QApplication::quit);
            return;
        }
        QTimer::singleShot(tickMs, &view, &QWebEngineView::reload);
    });
    view.load(QUrl::fromUserInput(QString::fromLocal8Bit(argv[1])));
    return app.exec();
}
