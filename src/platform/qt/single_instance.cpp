#include "single_instance.h"

#include "instance_message.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QTimer>
#include <QWidget>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

constexpr int kConnectTimeoutMs = 1000;
constexpr int kAckTimeoutMs = 2000;
constexpr int kLockTimeoutMs = 3000;
constexpr int kPeerTimeoutMs = 3000; // a peer that says nothing useful in this time is dropped

QString userIdentity() {
#ifdef Q_OS_UNIX
    return QString::number(::getuid());
#else
    return qEnvironmentVariable("USERDOMAIN") + QLatin1Char('\\') +
           qEnvironmentVariable("USERNAME");
#endif
}

QString socketBaseName(const QString& programKey) {
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(programKey.toUtf8());
    hash.addData(QByteArrayView("\0", 1));
    hash.addData(userIdentity().toUtf8());
    return programKey + QLatin1Char('-') + QString::fromLatin1(hash.result().toHex().left(24));
}

} // namespace

SingleInstance::SingleInstance(QString programKey, QObject* parent)
    : QObject(parent), m_programKey(std::move(programKey)) {}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::socketPathFor(const QString& programKey) {
#ifdef Q_OS_WIN
    // Named pipes have no folder; the hashed name alone is the user's own.
    return socketBaseName(programKey);
#else
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (runtime.isEmpty() || !QDir(runtime).exists())
        return {};
    return QDir(runtime).filePath(socketBaseName(programKey) + QStringLiteral(".sock"));
#endif
}

SingleInstance::State SingleInstance::start() {
    const QString path = socketPathFor(m_programKey);
    if (path.isEmpty())
        return m_state = State::Failed;

    // Two copies started together must not both decide they are first: the check and the
    // listen happen under a lock file, which a crashed holder does not keep.
    QLockFile lock(path + QStringLiteral(".lock"));
    lock.tryLock(kLockTimeoutMs);

    QLocalSocket peer;
    peer.connectToServer(path);
    if (peer.waitForConnected(kConnectTimeoutMs)) {
        peer.write(encodeInstanceMessage(InstanceMessageType::Activate));
        peer.waitForBytesWritten(kConnectTimeoutMs);
        // The answer only tells that the message was taken; this instance ends either way.
        peer.waitForReadyRead(kAckTimeoutMs);
        peer.disconnectFromServer();
        return m_state = State::Secondary;
    }

    // Nobody answers: whatever is left at the path is a stale socket of a crashed run.
    QLocalServer::removeServer(path);
    m_server = std::make_unique<QLocalServer>();
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    m_server->setMaxPendingConnections(4);
    if (!m_server->listen(path)) {
        m_server.reset();
        return m_state = State::Failed;
    }
    connect(m_server.get(), &QLocalServer::newConnection, this, &SingleInstance::acceptConnections);
    return m_state = State::Primary;
}

void SingleInstance::acceptConnections() {
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        auto buffer = std::make_shared<QByteArray>();
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        QTimer::singleShot(kPeerTimeoutMs, socket, [socket] { socket->abort(); });
        connect(socket, &QLocalSocket::readyRead, this, [this, socket, buffer] {
            // Never hold more than one message's worth of what a peer sends.
            buffer->append(
                socket->read(kInstanceHeaderSize + kInstanceMaxPayload - buffer->size()));
            const DecodeResult result = decodeInstanceMessage(*buffer);
            if (result.status == DecodeStatus::NeedMore)
                return;
            if (result.status == DecodeStatus::Invalid ||
                result.message->type != InstanceMessageType::Activate) {
                socket->abort();
                return;
            }
            socket->write(encodeInstanceMessage(InstanceMessageType::Ack));
            socket->flush();
            socket->disconnectFromServer();
            emit activationRequested();
        });
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
