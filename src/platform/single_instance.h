// One editor per user desktop. The first instance listens on a local socket that only its
// user can reach; a later one finds it there, hands it the file it was started with (or
// only asks it to come to the front) and ends.
// The socket's name is a hash of the program and the user, and it lives in the user's
// runtime folder, so no other user can see, guess or take it.
// Plain AF_UNIX sockets watched by QSocketNotifier: Qt Network would bring ten more shared
// libraries into every start for this one socket.
#pragma once

#include "unique_fd.h"

#include <QObject>
#include <QString>

#include <sys/types.h>

#include <memory>

class QSocketNotifier;

class SingleInstance : public QObject {
    Q_OBJECT
public:
    enum class State {
        Primary,   // this is the only instance: it listens for later ones
        Secondary, // another instance runs and was asked to come forward: end quietly
        Failed,    // no socket could be had: run as the only instance, unreachable
    };

    explicit SingleInstance(QString programKey, QObject* parent = nullptr);
    ~SingleInstance() override;

    // Decides which of the three this process is. Call once, early in start-up. file: the
    // absolute path (bytes) a later instance hands on to the first; empty for none.
    State start(const QByteArray& file = {});
    State state() const { return m_state; }

    // Where the socket of this program and user lives (empty without a runtime folder).
    static QString socketPathFor(const QString& programKey);

signals:
    // A later instance asked this one to come to the front.
    void activationRequested();
    // A later instance asked this one to open a file (an absolute path, as bytes) and come
    // to the front.
    void openRequested(const QByteArray& file);

private:
    void acceptConnections();

    QString m_programKey;
    State m_state = State::Failed;
    UniqueFd m_listener;
    std::unique_ptr<QSocketNotifier> m_notifier;
    QByteArray m_socketPath; // removed on the way out, if it is still this instance's
    dev_t m_socketDevice = 0;
    ino_t m_socketInode = 0;
};

class QWidget;
// Brings the main window to the front, restored when minimised, and then the modal sheet
// or message box that is open over it, if any.
void bringToFront(QWidget* mainWindow);
