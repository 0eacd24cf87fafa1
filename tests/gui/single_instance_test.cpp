// Single instance: the message format, and real editor processes meeting each other and this
// test on the socket.
#include "gui_fixture.h"
#include "instance_message.h"
#include "single_instance.h"
#include "unique_fd.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>

namespace {

// Another program of the same user on the socket.
UniqueFd connectTo(const QString& path) {
    UniqueFd fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    std::memcpy(address.sun_path, name.constData(), static_cast<size_t>(name.size()));
    if (::connect(fd.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0)
        return {};
    return fd;
}

void sendBytes(const UniqueFd& fd, const QByteArray& bytes) {
    ASSERT_EQ(::send(fd.get(), bytes.constData(), static_cast<size_t>(bytes.size()), MSG_NOSIGNAL),
              bytes.size());
}

// Everything the other side sends until it closes, the event loop running meanwhile.
QByteArray receiveUntilClosed(const UniqueFd& fd) {
    QByteArray received;
    for (int i = 0; i < 500; ++i) {
        char chunk[64];
        const ssize_t n = ::recv(fd.get(), chunk, sizeof chunk, MSG_DONTWAIT);
        if (n == 0)
            return received;
        if (n > 0)
            received.append(chunk, n);
        else
            QTest::qWait(10);
    }
    ADD_FAILURE() << "the instance kept the connection open";
    return received;
}

} // namespace

TEST(InstanceMessage, OnlyACompleteWellFormedMessageIsAccepted) {
    const QByteArray activate = encodeInstanceMessage(InstanceMessageType::Activate);
    const DecodeResult whole = decodeInstanceMessage(activate + "trailing");
    ASSERT_EQ(whole.status, DecodeStatus::Complete);
    EXPECT_EQ(whole.message->type, InstanceMessageType::Activate);
    EXPECT_EQ(whole.consumed, kInstanceHeaderSize);
    for (int n = 0; n < activate.size(); ++n)
        EXPECT_EQ(decodeInstanceMessage(activate.left(n)).status, DecodeStatus::NeedMore) << n;
    EXPECT_EQ(decodeInstanceMessage("AX").status, DecodeStatus::Invalid);
    for (const auto& [at, value] : {std::pair{4, 2}, {5, 9}, {6, 0x7f}}) { // version, type, size
        QByteArray bad = activate;
        bad[at] = static_cast<char>(value);
        EXPECT_EQ(decodeInstanceMessage(bad).status, DecodeStatus::Invalid) << at;
    }
    const QByteArray big = encodeInstanceMessage(InstanceMessageType::Ack, QByteArray(5000, 'x'));
    EXPECT_EQ(big.size(), kInstanceHeaderSize + kInstanceMaxPayload); // cut to the limit
}

TEST(SingleInstance, ASecondEditorEndsAtOnceAndTheFirstComesForward) {
    const QString socket = SingleInstance::socketPathFor("apicfg");
    QProcess first;
    gui_testing::startEditor(first, "exec \"$0\"", QDir::tempPath(), true);
    ASSERT_TRUE(first.waitForStarted());
    QElapsedTimer timer;
    timer.start();
    while (!QFileInfo::exists(socket) && timer.elapsed() < 10000) // the first is up
        QTest::qWait(50);
    ASSERT_TRUE(QFileInfo::exists(socket));
    EXPECT_FALSE(QFileInfo(socket).permissions() & (QFile::ReadOther | QFile::WriteOther));

    // The first crashes and leaves its socket behind: the next instance replaces it.
    ::kill(static_cast<pid_t>(first.processId()), SIGKILL);
    first.waitForFinished();
    ASSERT_TRUE(QFileInfo::exists(socket));
    SingleInstance self(QStringLiteral("apicfg"));
    ASSERT_EQ(self.start(), SingleInstance::State::Primary);
    int activations = 0;
    QObject::connect(&self, &SingleInstance::activationRequested, [&] { ++activations; });

    // Garbage is refused at its first wrong byte; a message that comes in pieces is taken
    // once whole and answered.
    const UniqueFd garbage = connectTo(socket);
    ASSERT_TRUE(garbage.valid());
    sendBytes(garbage, "APCX");
    EXPECT_EQ(receiveUntilClosed(garbage), QByteArray());
    const QByteArray activate = encodeInstanceMessage(InstanceMessageType::Activate);
    const UniqueFd peer = connectTo(socket);
    ASSERT_TRUE(peer.valid());
    sendBytes(peer, activate.left(3));
    QTest::qWait(20);
    sendBytes(peer, activate.mid(3));
    EXPECT_EQ(receiveUntilClosed(peer), encodeInstanceMessage(InstanceMessageType::Ack));
    EXPECT_EQ(activations, 1);

    QWidget window;
    window.showMinimized();
    QWidget sheet(&window, Qt::Dialog);
    sheet.setWindowModality(Qt::ApplicationModal);
    sheet.show();
    QObject::connect(&self, &SingleInstance::activationRequested, &window,
                     [&window] { bringToFront(&window); });
    // A second editor asks this one to come forward: it is restored, its modal sheet on top.
    EXPECT_EQ(gui_testing::runEditor("exec \"$0\"", QDir::tempPath(), true).exitCode, 0);
    EXPECT_EQ(activations, 2);
    EXPECT_FALSE(window.isMinimized());
    EXPECT_EQ(QApplication::activeModalWidget(), &sheet);
}
