// The desktop program's start: the Qt application, the second-start
// hand-over and the event loop.
#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>

#include <functional>
#include <string>
#include <vector>

class QLocalSocket;

namespace quan::qtui {

class QtPlatform;

// Runs the desktop program. Creates the QApplication, checks for a running
// instance (second start): if one answers, hands it startupFile and returns 0
// without creating any window. Otherwise installs the Qt platform
// (plat::Platform::install), calls start(), which creates the main window
// and returns the receiver for files handed over by later starts; listens for
// second starts; runs the event loop; returns its exit status.
int runDesktop(int& argc, char** argv, const std::string& startupFile,
               const std::function<std::function<void(const std::string&)>()>& start);

// True when a display is available (DISPLAY or WAYLAND_DISPLAY set, or the
// platform plugin is offscreen/minimal) — so main can refuse politely.
bool displayAvailable();

// The second-start hand-over, over a local socket named server (runDesktop
// uses one name per user). A later start hands its file to the running
// instance, which passes it to its receiver.

// Hands file (made absolute when it exists) to the instance listening under
// server; true when one took it.
bool handOver(const QString& server, const std::string& file);

// The running instance's end. Names that arrive before the receiver is set
// wait for it; each is given to the receiver through the platform's deferred
// work, when no other event is being handled.
class InstanceServer : public QObject {
public:
    explicit InstanceServer(QtPlatform* p);
    // False when another instance answers under that name; a name left
    // behind by one that ended is taken over.
    bool listen(const QString& name);
    void start();
    void setReceiver(std::function<void(const std::string&)> r);
    void close();

private:
    void accept(QLocalSocket* s);
    void name(const std::string& n);
    void deliver(const std::string& n);

    QtPlatform* p_;
    QLocalServer server_;
    std::function<void(const std::string&)> receiver_;
    std::vector<std::string> pending_;
};

} // namespace quan::qtui
