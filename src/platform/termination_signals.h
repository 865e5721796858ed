#pragma once
// The signals that ask the program to end (SIGTERM from the desktop's log-out, SIGINT,
// SIGHUP), turned into a Qt signal on the user-interface thread.

#include <QObject>

class QSocketNotifier;

namespace sg::platform {

class TerminationSignals final : public QObject {
    Q_OBJECT
public:
    // Catches the signals from now on; only one object may exist at a time.
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

signals:
    void received(int signalNumber);

private:
    void readSignal();

    QSocketNotifier* m_notifier = nullptr;
};

} // namespace sg::platform
