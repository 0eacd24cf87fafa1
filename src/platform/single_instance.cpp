#include "single_instance.h"

#include "instance_message.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QTimer>
#include <QWidget>

#include <cerrno>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

constexpr int kConnectTimeoutMs = 1000;
constexpr int kAckTimeoutMs = 2000;
constexpr int kLockTimeoutMs = 3000;
constexpr int kPeerTimeoutMs = 3000; // a peer that says nothing useful in this time is dropped
constexpr int kMaxPeers = 8;         // more at once are refused: a desktop starts a few at most
constexpr int kBacklog = 4;

QString socketBaseName(const QString& programKey) {
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(programKey.toUtf8());
    hash.addData(QByteArrayView("\0", 1));
    hash.addData(QByteArray::number(::getuid()));
    return programKey + QLatin1Char('-') + QString::fromLatin1(hash.result().toHex().left(24));
}

// False when the path does not fit a socket address.
bool socketAddress(const QByteArray& path, sockaddr_un& address) {
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    if (path.isEmpty() || static_cast<size_t>(path.size()) >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, path.constData(), static_cast<size_t>(path.size()));
    return true;
}

timeval timeout(int ms) {
    return timeval{ms / 1000, (ms % 1000) * 1000};
}

// Holds the lock file while this process decides whether it is first. flock needs no write
// and no sync, and the kernel lets go when the holder dies. Waits a while for a holder that
// is deciding too; after that, goes on without the lock rather than not starting.
UniqueFd lockExclusive(const QByteArray& path) {
    UniqueFd fd(::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600));
    if (!fd.valid())
        return {};
    const timespec pause{0, 10 * 1000 * 1000};
    for (int waited = 0; waited < kLockTimeoutMs; waited += 10) {
        if (::flock(fd.get(), LOCK_EX | LOCK_NB) == 0)
            return fd;
        if (errno != EWOULDBLOCK && errno != EINTR)
            return {};
        ::nanosleep(&pause, nullptr);
    }
    return {};
}

// Hands the message to the instance listening at the address. True when one was there; its
// answer only tells that the message was taken, so it is read but not required.
bool tellRunningInstance(const sockaddr_un& address, const QByteArray& message) {
    UniqueFd fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    if (!fd.valid())
        return false;
    // A listener whose queue is full keeps connect and send waiting; the timeouts end that.
    const timeval send = timeout(kConnectTimeoutMs);
    const timeval receive = timeout(kAckTimeoutMs);
    ::setsockopt(fd.get(), SOL_SOCKET, SO_SNDTIMEO, &send, sizeof send);
    ::setsockopt(fd.get(), SOL_SOCKET, SO_RCVTIMEO, &receive, sizeof receive);
    int rc;
    do
        rc = ::connect(fd.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address);
    while (rc != 0 && errno == EINTR);
    if (rc != 0)
        return false;

    qsizetype sent = 0;
    while (sent < message.size()) {
        const ssize_t n = ::send(fd.get(), message.constData() + sent,
                                 static_cast<size_t>(message.size() - sent), MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return true;
        sent += n;
    }
    QByteArray answer;
    char chunk[kInstanceHeaderSize + kInstanceMaxPayload];
    while (decodeInstanceMessage(answer).status == DecodeStatus::NeedMore) {
        const ssize_t n =
            ::recv(fd.get(), chunk, sizeof chunk - static_cast<size_t>(answer.size()), 0);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        answer.append(chunk, n);
    }
    return true;
}

// One connection of a later instance: read without blocking until one whole message is
// there, answered and closed; anything else, or silence, drops it.
class InstancePeer : public QObject {
    Q_OBJECT
public:
    InstancePeer(UniqueFd fd, QObject* parent)
        : QObject(parent), m_fd(std::move(fd)), m_notifier(m_fd.get(), QSocketNotifier::Read) {
        connect(&m_notifier, &QSocketNotifier::activated, this, [this] { readAvailable(); });
        QTimer::singleShot(kPeerTimeoutMs, this, [this] { drop(); });
    }

signals:
    void activationRequested();
    void openRequested(const QByteArray& file);

private:
    void readAvailable() {
        // Never hold more than one message's worth of what a peer sends.
        char chunk[kInstanceHeaderSize + kInstanceMaxPayload];
        const size_t room = sizeof chunk - static_cast<size_t>(m_buffer.size());
        const ssize_t n = ::recv(m_fd.get(), chunk, room, 0);
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR))
            return;
        if (n <= 0)
            return drop(); // closed, or an error
        m_buffer.append(chunk, n);
        const DecodeResult result = decodeInstanceMessage(m_buffer);
        if (result.status == DecodeStatus::NeedMore)
            return;
        if (result.status == DecodeStatus::Complete && acceptable(*result.message)) {
            const QByteArray ack = encodeInstanceMessage(InstanceMessageType::Ack);
            // A few bytes into an empty socket buffer: they go at once or the peer is gone.
            (void)::send(m_fd.get(), ack.constData(), static_cast<size_t>(ack.size()),
                         MSG_NOSIGNAL | MSG_DONTWAIT);
            drop();
            if (result.message->type == InstanceMessageType::OpenFile)
                emit openRequested(result.message->payload);
            else
                emit activationRequested();
            return;
        }
        drop();
    }

    // A request to come forward, or to open an absolute path that holds no NUL byte.
    static bool acceptable(const InstanceMessage& message) {
        if (message.type == InstanceMessageType::Activate)
            return true;
        const QByteArray& path = message.payload;
        return message.type == InstanceMessageType::OpenFile && path.startsWith('/') &&
               !path.contains('\0');
    }

    void drop() {
        if (!m_fd.valid())
            return;
        m_notifier.setEnabled(false);
        m_fd.reset();
        deleteLater();
    }

    UniqueFd m_fd;
    QSocketNotifier m_notifier;
    QByteArray m_buffer;
};

} // namespace

SingleInstance::SingleInstance(QString programKey, QObject* parent)
    : QObject(parent), m_programKey(std::move(programKey)) {}

SingleInstance::~SingleInstance() {
    m_notifier.reset();
    if (!m_listener.valid())
        return;
    m_listener.reset();
    // Only this instance's own socket goes: a path taken over since is left alone.
    struct stat st {};
    if (::lstat(m_socketPath.constData(), &st) == 0 && st.st_dev == m_socketDevice &&
        st.st_ino == m_socketInode)
        ::unlink(m_socketPath.constData());
}

QString SingleInstance::socketPathFor(const QString& programKey) {
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (runtime.isEmpty() || !QDir(runtime).exists())
        return {};
    return QDir(runtime).filePath(socketBaseName(programKey) + QStringLiteral(".sock"));
}

SingleInstance::State SingleInstance::start(const QByteArray& file) {
    const QByteArray path = QFile::encodeName(socketPathFor(m_programKey));
    sockaddr_un address;
    if (!socketAddress(path, address))
        return m_state = State::Failed;

    // Two copies started together must not both decide they are first: the check and the
    // listen happen under the lock.
    const UniqueFd lock = lockExclusive(path + ".lock");

    // A path longer than any the system takes cannot be opened anyway: it is not cut short.
    const QByteArray message = file.isEmpty() || file.size() > kInstanceMaxPayload
                                   ? encodeInstanceMessage(InstanceMessageType::Activate)
                                   : encodeInstanceMessage(InstanceMessageType::OpenFile, file);
    if (tellRunningInstance(address, message))
        return m_state = State::Secondary;

    // Nobody answers: whatever is left at the path is a stale socket of a crashed run.
    ::unlink(path.constData());
    UniqueFd listener(::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
    if (!listener.valid())
        return m_state = State::Failed;
    // The runtime folder is the user's alone already; the socket is made so too, from the
    // moment it exists (a chmod after the bind would leave a moment when it is not). This
    // runs at start-up, before any other thread creates files.
    const mode_t mask = ::umask(S_IRWXG | S_IRWXO | S_IXUSR);
    const int bound =
        ::bind(listener.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address);
    ::umask(mask);
    if (bound != 0)
        return m_state = State::Failed;
    struct stat st {};
    if (::lstat(path.constData(), &st) != 0 || ::listen(listener.get(), kBacklog) != 0) {
        ::unlink(path.constData());
        return m_state = State::Failed;
    }
    m_listener = std::move(listener);
    m_socketPath = path;
    m_socketDevice = st.st_dev;
    m_socketInode = st.st_ino;
    m_notifier = std::make_unique<QSocketNotifier>(m_listener.get(), QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this,
            &SingleInstance::acceptConnections);
    return m_state = State::Primary;
}

void SingleInstance::acceptConnections() {
    for (;;) {
        UniqueFd fd(::accept4(m_listener.get(), nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC));
        if (!fd.valid()) {
            if (errno == EINTR || errno == ECONNABORTED)
                continue;
            return; // EAGAIN: nothing more waiting; anything else is tried again next time
        }
        if (findChildren<InstancePeer*>(Qt::FindDirectChildrenOnly).size() >= kMaxPeers)
            continue; // closed at once
        // Owned by this object (Qt parent); it deletes itself once it is done.
        auto* peer = new InstancePeer(std::move(fd), this);
        connect(peer, &InstancePeer::activationRequested, this,
                &SingleInstance::activationRequested);
        connect(peer, &InstancePeer::openRequested, this, &SingleInstance::openRequested);
    }
}

void bringToFront(QWidget* mainWindow) {
    if (!mainWindow)
        return;
    if (mainWindow->isMinimized())
        mainWindow->setWindowState(mainWindow->windowState() & ~Qt::WindowMinimized);
    mainWindow->show();
    mainWindow->raise();
    mainWindow->activateWindow();

    // An open sheet or message box goes on top of the main window, as it was before.
    QWidget* popup = QApplication::activeModalWidget();
    if (popup && popup != mainWindow) {
        popup->raise();
        popup->activateWindow();
    }
}

#include "single_instance.moc"
