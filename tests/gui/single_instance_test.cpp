// Single instance: the message format, and real editor processes meeting each other and this
// test on the socket.
#include "instance_message.h"
#include "single_instance.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <csignal>

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
    const QByteArray big = encodeInstanceMessage(InstanceMessageType::Ack, QByteArray(1000, 'x'));
    EXPECT_EQ(big.size(), kInstanceHeaderSize + kInstanceMaxPayload); // cut to the limit
}

TEST(SingleInstance, ASecondEditorEndsAtOnceAndTheFirstComesForward) {
    const QString socket = SingleInstance::socketPathFor("apicfg");
    auto editor = [](QProcess& process, const QStringList& arguments) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(APICFG_PROGRAM), arguments);
        ASSERT_TRUE(process.waitForStarted());
    };
    QProcess first, second;
    editor(first, {});
    QElapsedTimer timer;
    timer.start();
    while (!QFileInfo::exists(socket) && timer.elapsed() < 10000) // the first is up
        QTest::qWait(50);
    ASSERT_TRUE(QFileInfo::exists(socket));
    EXPECT_FALSE(QFileInfo(socket).permissions() & (QFile::ReadOther | QFile::WriteOther));
    timer.restart();
    editor(second, {QStringLiteral("/some/file.ini")});
    ASSERT_TRUE(second.waitForFinished(10000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_LT(timer.elapsed(), 5000);
    EXPECT_EQ(first.state(), QProcess::Running);

    // The first crashes and leaves its socket behind: the next instance replaces it.
    ::kill(static_cast<pid_t>(first.processId()), SIGKILL);
    first.waitForFinished();
    ASSERT_TRUE(QFileInfo::exists(socket));
    SingleInstance self(QStringLiteral("apicfg"));
    ASSERT_EQ(self.start(), SingleInstance::State::Primary);
    QWidget window;
    window.showMinimized();
    QWidget sheet(&window, Qt::Dialog);
    sheet.setWindowModality(Qt::ApplicationModal);
    sheet.show();
    QObject::connect(&self, &SingleInstance::activationRequested, &window,
                     [&window] { bringToFront(&window); });
    // A second editor asks this one to come forward: it is restored, its modal sheet on top.
    QProcess third;
    editor(third, {});
    timer.restart();
    while (third.state() != QProcess::NotRunning && timer.elapsed() < 10000)
        QTest::qWait(20);
    EXPECT_EQ(third.exitCode(), 0);
    EXPECT_FALSE(window.isMinimized());
    EXPECT_EQ(QApplication::activeModalWidget(), &sheet);
}
