#include "platform/instance_channel.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <iostream>
#include <memory>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace sg::platform {
namespace fs = std::filesystem;
namespace {

// A first copy still starting answers once its first window is up.
constexpr int kAnswerTimeoutMs = 10000;
constexpr int kAskTimeoutMs = 2000;
// A peer that connects and does not send its request in this time is dropped.
constexpr int kSilentPeerMs = 2000;

// The user's folder of sockets, made when asked; none when it is not the user's own with
// no access for others.
std::optional<fs::path> socketFolder(bool create)
{
    const uid_t uid = ::geteuid();
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    const fs::path folder = runtime && runtime[0] == '/'
        ? fs::path(runtime) / "skyglass2"
        : fs::path("/tmp") / ("skyglass2-" + std::to_string(uid));
    if (create && ::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST)
        return std::nullopt;
    struct stat st { };
    if (::lstat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != uid)
        return std::nullopt;
    if ((st.st_mode & 077) != 0 && ::chmod(folder.c_str(), 0700) != 0)
        return std::nullopt;
    return folder;
}

fs::path socketPathFor(const fs::path& userDataDir, bool create)
{
    const std::optional<fs::path> folder = socketFolder(create);
    if (!folder)
        return {};
    // One name for one folder however it is written (relative, through a link, "dir/").
    std::error_code ec;
    fs::path dataDir = fs::weakly_canonical(fs::absolute(userDataDir, ec), ec).lexically_normal();
    if (!dataDir.has_filename())
        dataDir = dataDir.parent_path();
    fs::path path = *folder / instanceSocketName(dataDir);
    if (path.string().size() >= sizeof(sockaddr_un {}.sun_path))
        return {};
    return path;
}

sockaddr_un addressOf(const fs::path& path)
{
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
    return address;
}

// A connected socket, or -1 with the reason in error.
int connectTo(const fs::path& path, int& error)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        error = errno;
        return -1;
    }
    const sockaddr_un address = addressOf(path);
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0)
        return fd;
    error = errno;
    ::close(fd);
    return -1;
}

// A listening socket at path, or -1 with the reason in error.
int listenAt(const fs::path& path, int& error)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        error = errno;
        return -1;
    }
    const sockaddr_un address = addressOf(path);
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0
        && ::chmod(path.c_str(), 0600) == 0 && ::listen(fd, SOMAXCONN) == 0)
        return fd;
    error = errno;
    ::close(fd);
    return -1;
}

// Sends the request and waits for the one-byte answer.
std::optional<InstanceAnswer> exchange(int fd, const Bytes& request, int timeoutMs)
{
    for (std::size_t sent = 0; sent < request.size();) {
        const ssize_t n = ::send(fd, request.data() + sent, request.size() - sent, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return std::nullopt;
        sent += static_cast<std::size_t>(n);
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0)
            return std::nullopt;
        pollfd p { fd, POLLIN, 0 };
        const int ready = ::poll(&p, 1, static_cast<int>(left.count()));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0)
            return std::nullopt;
        std::uint8_t answer = 0;
        const ssize_t n = ::read(fd, &answer, 1);
        if (n < 0 && errno == EINTR)
            continue;
        if (n != 1)
            return std::nullopt;
        if (answer == static_cast<std::uint8_t>(InstanceAnswer::Taken)
            || answer == static_cast<std::uint8_t>(InstanceAnswer::CannotTake))
            return static_cast<InstanceAnswer>(answer);
        return std::nullopt;
    }
}

// Starts wait on each other here, so that only one at a time decides who is first or
// removes a socket.
class SocketLock {
public:
    explicit SocketLock(const fs::path& socketPath)
        : m_fd(::open((socketPath.string() + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600))
    {
        while (m_fd >= 0 && ::flock(m_fd, LOCK_EX) != 0 && errno == EINTR) { }
    }
    ~SocketLock() { release(); }
    SocketLock(const SocketLock&) = delete;
    SocketLock& operator=(const SocketLock&) = delete;
    void release()
    {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = -1;
    }

private:
    int m_fd;
};

bool peerIsThisUser(qintptr fd)
{
    ucred peer {};
    socklen_t length = sizeof peer;
    return ::getsockopt(static_cast<int>(fd), SOL_SOCKET, SO_PEERCRED, &peer, &length) == 0
        && peer.uid == ::geteuid();
}

void warn(const char* what, int error)
{
    std::cerr << "skyglass2: " << what << ": " << std::strerror(error)
              << "; this copy runs on its own\n";
}

} // namespace

InstanceChannel::InstanceChannel(const fs::path& userDataDir)
    : m_socketPath(socketPathFor(userDataDir, true))
{
}

InstanceChannel::~InstanceChannel()
{
    close();
}

InstanceChannel::Start InstanceChannel::start(const std::string& commandLine)
{
    if (m_socketPath.empty()) {
        warn("no private folder for the instance socket", EACCES);
        return Start::First;
    }
    SocketLock lock(m_socketPath);
    for (int attempt = 0; attempt < 2; ++attempt) {
        int error = 0;
        if (const int fd = connectTo(m_socketPath, error); fd >= 0) {
            lock.release();
            std::optional<Bytes> request
                = encodeInstanceRequest({ InstanceRequestKind::OpenWindow, commandLine });
            if (!request) {
                std::cerr << "skyglass2: the address is too long to hand over\n";
                request = encodeInstanceRequest({ InstanceRequestKind::OpenWindow, "" });
            }
            const std::optional<InstanceAnswer> answer = exchange(fd, *request, kAnswerTimeoutMs);
            ::close(fd);
            return answer == InstanceAnswer::Taken ? Start::HandedOver : Start::NotTaken;
        }
        if (error == ECONNREFUSED) {
            ::unlink(m_socketPath.c_str()); // left by a copy that was killed
        } else if (error != ENOENT) {
            warn("cannot reach the instance socket", error);
            return Start::First;
        }
        m_listening = listenAt(m_socketPath, error);
        if (m_listening >= 0)
            return Start::First;
        if (error != EADDRINUSE) {
            warn("cannot listen on the instance socket", error);
            return Start::First;
        }
    }
    return Start::First;
}

void InstanceChannel::serve(Handler handler)
{
    m_handler = std::move(handler);
    if (m_listening < 0 || m_server)
        return;
    m_server = new QLocalServer(this);
    connect(m_server, &QLocalServer::newConnection, this, &InstanceChannel::acceptConnections);
    if (m_server->listen(m_listening))
        m_listening = -1; // the server's now
}

void InstanceChannel::close()
{
    if (!m_server && m_listening < 0)
        return; // not the first copy: the socket is another's
    SocketLock lock(m_socketPath);
    delete m_server;
    m_server = nullptr;
    if (m_listening >= 0)
        ::close(m_listening);
    m_listening = -1;
    ::unlink(m_socketPath.c_str());
}

void InstanceChannel::acceptConnections()
{
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        if (!peerIsThisUser(socket->socketDescriptor())) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        QTimer::singleShot(kSilentPeerMs, socket, [socket] { socket->abort(); });
        auto received = std::make_shared<QByteArray>();
        connect(socket, &QLocalSocket::readyRead, this,
            [this, socket, received] { readRequest(socket, *received); });
    }
}

void InstanceChannel::readRequest(QLocalSocket* socket, QByteArray& received)
{
    received += socket->read(kInstanceHeaderBytes + kMaxInstanceTextBytes + 1 - received.size());
    const InstanceRead read
        = readInstanceRequest(std::span(reinterpret_cast<const std::uint8_t*>(received.constData()),
            static_cast<std::size_t>(received.size())));
    if (read.status == InstanceReadStatus::Incomplete)
        return;
    socket->disconnect(this); // one request a connection
    if (read.status == InstanceReadStatus::Malformed) {
        socket->abort();
        return;
    }
    InstanceAnswer answer = InstanceAnswer::CannotTake;
    if (read.status == InstanceReadStatus::Complete) {
        if (read.request.kind == InstanceRequestKind::Ask)
            answer = InstanceAnswer::Taken;
        else if (m_handler)
            answer = m_handler(read.request.text);
    }
    const char byte = static_cast<char>(answer);
    socket->write(&byte, 1);
    socket->disconnectFromServer();
}

bool InstanceChannel::copyRunsOn(const fs::path& userDataDir)
{
    const fs::path path = socketPathFor(userDataDir, false);
    if (path.empty())
        return false;
    int error = 0;
    const int fd = connectTo(path, error);
    if (fd < 0)
        return false;
    // Whatever it answers, something listens there: a copy that runs or is starting.
    exchange(fd, *encodeInstanceRequest({ InstanceRequestKind::Ask, "" }), kAskTimeoutMs);
    ::close(fd);
    return true;
}

} // namespace sg::platform
