#pragma once
// The channel between starts of the program on one data folder: a local socket in a folder
// only its user can reach ($XDG_RUNTIME_DIR/skyglass2, else /tmp/skyglass2-<uid>, mode
// 0700), one socket per data folder, peers of another user refused. A second start hands
// its command line to the copy that runs and ends; the data tool asks whether one runs.

#include "startup/instance_message.h"

#include <QObject>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

class QLocalServer;
class QLocalSocket;

namespace sg::platform {

class InstanceChannel final : public QObject {
    Q_OBJECT
public:
    enum class Start {
        First, // no copy runs: this start is the first and listens from now on
        HandedOver, // the running copy has the command line
        NotTaken, // a copy runs but cannot take the hand-over
    };

    explicit InstanceChannel(const std::filesystem::path& userDataDir);
    // Removes the socket.
    ~InstanceChannel() override;

    // First thing at start-up, before any window or engine: hands the command line to the
    // copy that runs, or makes this start the first (a socket left by a killed copy is
    // removed). Two starts at once: exactly one becomes the first.
    Start start(const std::string& commandLine);

    // From the event loop on (needs the application object), each hand-over goes to the
    // handler and its answer back to the second start.
    using Handler = std::function<InstanceAnswer(const std::string& commandLine)>;
    void serve(Handler handler);

    // Stops listening and removes the socket (also done when the channel is destroyed).
    void close();

    // The socket of the data folder; empty when the user has no private folder for it.
    const std::filesystem::path& socketPath() const { return m_socketPath; }

    // Whether a copy of the program runs on the data folder (something answers there).
    static bool copyRunsOn(const std::filesystem::path& userDataDir);

private:
    void acceptConnections();
    void readRequest(QLocalSocket* socket, QByteArray& received);

    std::filesystem::path m_socketPath;
    int m_listening = -1; // the bound socket until serve() hands it to the server
    QLocalServer* m_server = nullptr;
    Handler m_handler;
};

} // namespace sg::platform
