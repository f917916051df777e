// The second start: a later start hands its file name over a local socket
// to the running instance, whose receiver gets it. Each test listens under a
// server name of its own, never the one the desktop program uses.
#include "qt/qt_app.h"
#include "qt/qt_platform.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalServer>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <atomic>
#include <future>
#include <string>
#include <vector>

using namespace quan::qtui;

namespace {

QString uniqueServerName(const char* what)
{
    static int counter = 0;
    return QStringLiteral("quandel-test-%1-%2-%3")
        .arg(QCoreApplication::applicationPid())
        .arg(QString::fromLatin1(what))
        .arg(++counter);
}

// Runs a second start's hand-over on its own thread (it waits for the
// answer) while this one runs the first instance's events; returns what the
// hand-over returned once the receiver has what it expects or time is up.
bool handOverWhileRunning(const QString& server, const std::string& file, std::vector<std::string>& received,
                          size_t expected)
{
    auto result = std::async(std::launch::async, [server, file] { return handOver(server, file); });
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 10000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        if (result.wait_for(std::chrono::milliseconds(0)) == std::future_status::ready && received.size() >= expected)
            break;
    }
    return result.get();
}

} // namespace

TEST(SecondStart, AFileNameHandedOverReachesTheRunningInstancesReceiver)
{
    QString name = uniqueServerName("one");
    InstanceServer first(QtPlatform::instance());
    ASSERT_TRUE(first.listen(name));
    first.start();
    std::vector<std::string> received;
    first.setReceiver([&received](const std::string& f) { received.push_back(f); });

    EXPECT_TRUE(handOverWhileRunning(name, "/nowhere/first.hor", received, 1));
    ASSERT_EQ(received.size(), 1u);
    EXPECT_EQ(received[0], "/nowhere/first.hor");

    // A name with characters beyond ASCII arrives unchanged.
    EXPECT_TRUE(handOverWhileRunning(name, "/nowhere/Qu\xC3\xA9" "bec.hor", received, 2));
    ASSERT_EQ(received.size(), 2u);
    EXPECT_EQ(received[1], "/nowhere/Qu\xC3\xA9" "bec.hor");
    first.close();
}

TEST(SecondStart, AnExistingFileIsHandedOverByItsAbsoluteName)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QString path = dir.filePath(QStringLiteral("census.hor"));
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    QString old = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));

    QString name = uniqueServerName("absolute");
    InstanceServer first(QtPlatform::instance());
    ASSERT_TRUE(first.listen(name));
    first.start();
    std::vector<std::string> received;
    first.setReceiver([&received](const std::string& f) { received.push_back(f); });
    bool took = handOverWhileRunning(name, "census.hor", received, 1);
    QDir::setCurrent(old);
    EXPECT_TRUE(took);
    ASSERT_EQ(received.size(), 1u);
    EXPECT_EQ(QString::fromStdString(received[0]), QFileInfo(path).absoluteFilePath());
    first.close();
}

TEST(SecondStart, NamesArrivingBeforeTheReceiverWaitForIt)
{
    QString name = uniqueServerName("early");
    InstanceServer first(QtPlatform::instance());
    ASSERT_TRUE(first.listen(name));
    first.start();
    std::vector<std::string> none;
    EXPECT_TRUE(handOverWhileRunning(name, "/nowhere/early.hor", none, 0));
    EXPECT_TRUE(none.empty());
    std::vector<std::string> received;
    first.setReceiver([&received](const std::string& f) { received.push_back(f); });
    QElapsedTimer clock;
    clock.start();
    while (received.empty() && clock.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    ASSERT_EQ(received.size(), 1u);
    EXPECT_EQ(received[0], "/nowhere/early.hor");
    first.close();
}

TEST(SecondStart, WithNoInstanceRunningNothingTakesTheFile)
{
    EXPECT_FALSE(handOver(uniqueServerName("nobody"), "/nowhere/x.hor"));
}

TEST(SecondStart, ASecondInstanceCannotListenUnderTheSameName)
{
    QString name = uniqueServerName("twice");
    InstanceServer first(QtPlatform::instance());
    ASSERT_TRUE(first.listen(name));
    first.start();
    InstanceServer second(QtPlatform::instance());
    EXPECT_FALSE(second.listen(name));
    first.close();
    // Once the first has gone, the name is free again.
    InstanceServer third(QtPlatform::instance());
    EXPECT_TRUE(third.listen(name));
    third.close();
}
