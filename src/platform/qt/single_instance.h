// One editor per user desktop. The first instance listens on a local socket that only its
// user can reach; a later one finds it there, asks it to come to the front and ends.
// The socket's name is a hash of the program and the user, and it lives in the user's
// runtime folder, so no other user can see, guess or take it.
#pragma once

#include <QObject>
#include <QString>

#include <memory>

class QLocalServer;

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

    // Decides which of the three this process is. Call once, early in start-up.
    State start();
    State state() const { return m_state; }

    // Where the socket of this program and user lives (empty without a runtime folder).
    static QString socketPathFor(const QString& programKey);

signals:
    // A later instance asked this one to come to the front.
    void activationRequested();

private:
    void acceptConnections();

    QString m_programKey;
    State m_state = State::Failed;
    std::unique_ptr<QLocalServer> m_server;
};

class QWidget;
// Brings the main window to the front, restored when minimised, and then the modal sheet
// or message box that is open over it, if any.
void bringToFront(QWidget* mainWindow);
