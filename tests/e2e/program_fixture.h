#pragma once
// What the window and end-to-end tests share: the real start-up sequence in the test's
// data home, the open main windows, and served test pages.

#include "startup/startup_sequence.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QTemporaryDir>
#include <memory>

namespace sg::ui {
class MainWindow;
}

namespace sgtest {

// A page load under xvfb, helper processes included, can take a while.
inline constexpr int kLoadTimeoutMs = 30000;

// A new, empty data home for one test: XDG_DATA_HOME points into it while it lives.
std::unique_ptr<QTemporaryDir> useNewDataHome();

// The visible main windows.
QList<sg::ui::MainWindow*> mainWindows();

// A page with a title (shown in its body too) and an optional script.
QByteArray page(const QString& title, const QString& script = {});

// The start-up sequence as the program runs it, with the shipped data of the build and
// the user's data under the current XDG_DATA_HOME.
sg::StartupOutcome startUp(const QString& commandLine = {});

} // namespace sgtest
