// Single instance: the message format, two real editor processes, and the probe program to
// watch what the first instance is asked and what it refuses.
#include "instance_message.h"
#include "single_instance.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocalSocket>
#include <QProcess>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <csignal>

namespace {

// Waits for a line from a probe; empty when none came in time.
QString readLine(QProcess& process, int ms = 5000) {
    QElapsedTimer timer;
    timer.start();
    while (!process.canReadLine() && timer.elapsed() < ms)
        process.waitForReadyRead(100);
    return QString::fromLocal8Bit(process.readLine()).trimmed();
}

void startProbe(QProcess& process, const QString& key, const QString& runtime = {}) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("APICFG_PROBE_KEY", key);
    if (!runtime.isEmpty())
        env.insert("XDG_RUNTIME_DIR", runtime);
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(APICFG_PROBE), {QStringLiteral("30")});
    ASSERT_TRUE(process.waitForStarted());
}

void stop(QProcess& process) {
    process.closeWriteChannel();
    if (!process.waitForFinished(3000)) {
        process.kill();
        process.waitForFinished();
    }
}

QString uniqueKey(const char* name) {
    return QStringLiteral("apicfg-test-%1-%2").arg(name).arg(QCoreApplication::applicationPid());
}

} // namespace

TEST(InstanceMessage, OnlyACompleteWellFormedMessageIsAccepted) {
    const QByteArray activate = encodeInstanceMessage(InstanceMessageType::Activate);
    DecodeResult whole = decodeInstanceMessage(activate);
    ASSERT_EQ(whole.status, DecodeStatus::Complete);
    EXPECT_EQ(whole.message->type, InstanceMessageType::Activate);
    EXPECT_EQ(whole.consumed, kInstanceHeaderSize);

    for (int n = 0; n < activate.size(); ++n)
        EXPECT_EQ(decodeInstanceMessage(activate.left(n)).status, DecodeStatus::NeedMore) << n;

    const QByteArray payload = encodeInstanceMessage(InstanceMessageType::Ack, "abc");
    DecodeResult withPayload = decodeInstanceMessage(payload + "trailing");
    ASSERT_EQ(withPayload.status, DecodeStatus::Complete);
    EXPECT_EQ(withPayload.message->payload, "abc");
    EXPECT_EQ(withPayload.consumed, kInstanceHeaderSize + 3);

    EXPECT_EQ(decodeInstanceMessage("GET / HTTP/1.0").status, DecodeStatus::Invalid);
    EXPECT_EQ(decodeInstanceMessage("A").status, DecodeStatus::NeedMore);
    EXPECT_EQ(decodeInstanceMessage("AX").status, DecodeStatus::Invalid);
    QByteArray badVersion = activate;
    badVersion[4] = 2;
    EXPECT_EQ(decodeInstanceMessage(badVersion).status, DecodeStatus::Invalid);
    QByteArray badType = activate;
    badType[5] = 9;
    EXPECT_EQ(decodeInstanceMessage(badType).status, DecodeStatus::Invalid);
    QByteArray tooLong = activate;
    tooLong[6] = 0x7f; // a length far beyond any message
    EXPECT_EQ(decodeInstanceMessage(tooLong).status, DecodeStatus::Invalid);
    // Payloads are cut to the limit rather than sent oversized.
    const QByteArray big = encodeInstanceMessage(InstanceMessageType::Ack, QByteArray(1000, 'x'));
    EXPECT_EQ(big.size(), kInstanceHeaderSize + kInstanceMaxPayload);
}

TEST(SingleInstance, TheSocketIsTheUsersOwnAndNamedByAHash) {
    const QString path = SingleInstance::socketPathFor("apicfg");
    ASSERT_FALSE(path.isEmpty());
    EXPECT_EQ(QFileInfo(path).absolutePath(),
              QDir(qEnvironmentVariable("XDG_RUNTIME_DIR")).absolutePath());
    EXPECT_TRUE(QFileInfo(path).fileName().startsWith("apicfg-"));
    EXPECT_NE(SingleInstance::socketPathFor("other"), path);

    SingleInstance first(uniqueKey("perm"));
    ASSERT_EQ(first.start(), SingleInstance::State::Primary);
    const QFile::Permissions perms =
        QFileInfo(SingleInstance::socketPathFor(uniqueKey("perm"))).permissions();
    EXPECT_FALSE(perms &
                 (QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther));
}

TEST(SingleInstance, ASecondProbeAsksTheFirstToComeForwardAndEnds) {
    const QString key = uniqueKey("probe");
    QProcess first;
    startProbe(first, key);
    ASSERT_EQ(readLine(first), "primary");

    QProcess second;
    startProbe(second, key);
    EXPECT_EQ(readLine(second), "secondary");
    ASSERT_TRUE(second.waitForFinished(5000));
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(readLine(first), "activated");

    // Whatever else arrives on the socket is refused, and the first instance carries on.
    QLocalSocket stranger;
    stranger.connectToServer(SingleInstance::socketPathFor(key));
    ASSERT_TRUE(stranger.waitForConnected(2000));
    stranger.write("APCI\x01\x01\xff\xff" + QByteArray(64, 'x'));
    stranger.waitForBytesWritten(1000);
    EXPECT_TRUE(stranger.waitForDisconnected(3000));
    stranger.connectToServer(SingleInstance::socketPathFor(key));
    ASSERT_TRUE(stranger.waitForConnected(2000));
    stranger.write("hello");
    EXPECT_TRUE(stranger.waitForDisconnected(3000));
    EXPECT_EQ(readLine(first, 500), "");

    QProcess third;
    startProbe(third, key);
    EXPECT_EQ(readLine(third), "secondary");
    EXPECT_EQ(readLine(first), "activated");
    third.waitForFinished(3000);
    stop(first);
}

TEST(SingleInstance, AStaleSocketFromACrashIsReplaced) {
    const QString key = uniqueKey("stale");
    QProcess crashed;
    startProbe(crashed, key);
    ASSERT_EQ(readLine(crashed), "primary");
    ::kill(static_cast<pid_t>(crashed.processId()), SIGKILL);
    crashed.waitForFinished();
    ASSERT_TRUE(QFileInfo::exists(SingleInstance::socketPathFor(key)));

    QProcess next;
    startProbe(next, key);
    EXPECT_EQ(readLine(next), "primary");
    stop(next);
}

TEST(SingleInstance, WithoutASocketEachCopyRunsAlone) {
    // A runtime folder whose path is too long for a local socket: no socket can be had.
    QTemporaryDir base;
    const QString deep = base.filePath(QString(120, 'd'));
    ASSERT_TRUE(QDir().mkpath(deep));
    QFile::setPermissions(deep, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QProcess a, b;
    startProbe(a, uniqueKey("alone"), deep);
    startProbe(b, uniqueKey("alone"), deep);
    EXPECT_EQ(readLine(a), "failed");
    EXPECT_EQ(readLine(b), "failed");
    stop(a);
    stop(b);
}

TEST(SingleInstance, ASecondEditorEndsAtOnceAndTheFirstKeepsRunning) {
    QTemporaryDir runtime;
    QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_RUNTIME_DIR", runtime.path());
    env.insert("QT_QPA_PLATFORM", "offscreen");

    QProcess first;
    first.setProcessEnvironment(env);
    first.start(QStringLiteral(APICFG_PROGRAM), {});
    ASSERT_TRUE(first.waitForStarted());
    // The first editor is up once its socket is there.
    QElapsedTimer timer;
    timer.start();
    auto socketThere = [&] {
        return !QDir(runtime.path()).entryList({"apicfg-*.sock"}, QDir::System).isEmpty();
    };
    while (!socketThere() && timer.elapsed() < 10000)
        QTest::qWait(50);
    ASSERT_TRUE(socketThere());

    QProcess second;
    second.setProcessEnvironment(env);
    timer.restart();
    second.start(QStringLiteral(APICFG_PROGRAM), {QStringLiteral("/some/file.ini")});
    ASSERT_TRUE(second.waitForFinished(10000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_LT(timer.elapsed(), 5000);
    EXPECT_EQ(first.state(), QProcess::Running);

    first.terminate();
    if (!first.waitForFinished(3000))
        first.kill();
    first.waitForFinished();
}

TEST(SingleInstance, TheFirstComesForwardRestoredWithItsModalWindowOnTop) {
    const QString key = uniqueKey("front");
    SingleInstance first(key);
    ASSERT_EQ(first.start(), SingleInstance::State::Primary);
    QWidget window;
    window.showMinimized();
    QWidget sheet(&window, Qt::Dialog);
    sheet.setWindowModality(Qt::ApplicationModal);
    sheet.show();
    QObject::connect(&first, &SingleInstance::activationRequested, &window,
                     [&window] { bringToFront(&window); });

    // A second instance in another process: this one must keep serving while it asks.
    QProcess second;
    startProbe(second, key);
    QElapsedTimer timer;
    timer.start();
    while (second.state() != QProcess::NotRunning && timer.elapsed() < 5000)
        QTest::qWait(20);
    EXPECT_EQ(readLine(second), "secondary");
    EXPECT_FALSE(window.isMinimized());
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), &sheet);
    EXPECT_TRUE(sheet.isVisible());
}
