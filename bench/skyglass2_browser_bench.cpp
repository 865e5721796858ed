// Skyglass2 itself under the browser benchmark: the real start-up and main window, a page
// given on the command line, and (optionally) N refreshes by the countdown with a
// shortened minute. Prints the lines minimal_browser prints, and the refresh lateness.
//   skyglass2_browser_bench URL [REFRESHES TICK_MS]

#include "platform/startup_environment.h"
#include "platform/web_browser.h"
#include "process_memory.h"
#include "startup/startup_sequence.h"
#include "ui/application.h"
#include "ui/main_window.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char** argv)
{
    QApplication qtApp(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Skyglass2"));
    if (argc < 2)
        return 2;
    const int refreshes = argc > 3 ? atoi(argv[2]) : 0;
    const int tickMs = argc > 3 ? atoi(argv[3]) : 60000;

    const sg::StartupOutcome outcome
        = sg::runStartupSequence(sg::platform::startupEnvironment(argv[1]));
    if (!outcome.ok)
        return 1;
    sg::StartupState state = outcome.state;
    state.settings.HistoryDaysToKeep = 0; // measure the browser, not the disk
    sg::ui::ApplicationOptions options;
    options.refreshTickMs = tickMs;
    sg::ui::Application app(state, options);
    sg::ui::MainWindow* window = app.start();

    int loads = 0;
    QElapsedTimer countdown;
    std::vector<qint64> starts;
    QObject::connect(window->browser()->page(), &QWebEnginePage::loadStarted, [&] {
        if (countdown.isValid())
            starts.push_back(countdown.elapsed());
    });
    QObject::connect(window->browser()->page(), &QWebEnginePage::loadFinished, [&] {
        ++loads;
        if (loads == 1) {
            std::printf(
                "loaded\nmemory_kib %lld\n", static_cast<long long>(sgbench::processTreePssKib()));
            std::fflush(stdout);
            if (refreshes == 0) {
                QTimer::singleShot(0, &qtApp, &QApplication::quit);
                return;
            }
            // Interval 1 and the countdown on: one refresh per shortened minute.
            for (int i = 0; i < 200; ++i) {
                window->logic().onIntervalButtonDown(
                    sg::Control::IntervalDownButton, sg::MouseButton::Left);
                window->logic().onIntervalButtonUp(sg::Control::IntervalDownButton);
            }
            countdown.start();
            window->logic().onCountdownBoxDoubleClick();
            return;
        }
        if (loads == 11)
            sgbench::printTreePss("memory_after_10_kib");
        if (loads == refreshes + 1) {
            sgbench::printTreePss("memory_after_all_kib");
            qint64 early = 0, late = 0;
            for (std::size_t k = 0; k < starts.size(); ++k) {
                const qint64 ideal = static_cast<qint64>(k + 1) * tickMs;
                early = std::max(early, ideal - starts[k]);
                late = std::max(late, starts[k] - ideal);
            }
            std::printf("refresh_most_early_ms %lld\nrefresh_most_late_ms %lld\n",
                static_cast<long long>(early), static_cast<long long>(late));
            window->close();
            QTimer::singleShot(1500, &qtApp, &QApplication::quit);
        }
    });
    return qtApp.exec();
}
