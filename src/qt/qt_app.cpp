#include "qt/qt_app.h"

#include "qt/qt_platform.h"
#include "qt/qt_text.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPointer>

#include <clocale>
#include <vector>

namespace quan::qtui {

namespace {

// Hand-over of a file name from a second start: the name in UTF-8 (at
// most 255 bytes) and a line end; the running instance answers "ok".
constexpr int kMaxName = 255;

QString serverName()
{
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty())
        user = qEnvironmentVariable("USERNAME");
    if (user.isEmpty())
        user = QDir::home().dirName();
    QString safe;
    for (QChar c : user)
        safe += (c.isLetterOrNumber() || c == u'-' || c == u'_') ? c : QChar(u'_');
#if defined(Q_OS_UNIX)
    // A folder of the user's own when there is one.
    QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir() && QFileInfo(runtime).isWritable())
        return runtime + QStringLiteral("/quandel-") + safe;
#endif
    return QStringLiteral("quandel-") + safe;
}

// The name as handed over: absolute, so that an instance started elsewhere
// finds the file, and cut to the limit on a character boundary.
QByteArray handOverBytes(const std::string& file)
{
    QString name = fromPath(file);
    if (!name.isEmpty() && QFileInfo::exists(name))
        name = QFileInfo(name).absoluteFilePath();
    QByteArray b = name.toUtf8();
    if (b.size() > kMaxName) {
        qsizetype cut = kMaxName;
        while (cut > 0 && (static_cast<unsigned char>(b[cut]) & 0xC0) == 0x80)
            --cut;
        b.truncate(cut);
    }
    return b;
}

} // namespace

bool handOver(const QString& server, const std::string& file)
{
    QLocalSocket s;
    s.connectToServer(server);
    if (!s.waitForConnected(1000))
        return false;
    s.write(handOverBytes(file) + '\n');
    if (!s.waitForBytesWritten(2000) && s.bytesToWrite() > 0)
        return false;
    // The answer shows that the instance is alive; one busy with a long
    // computation reads the name when it next looks at its events.
    s.waitForReadyRead(3000);
    s.disconnectFromServer();
    return true;
}

InstanceServer::InstanceServer(QtPlatform* p) : p_(p) {}

bool InstanceServer::listen(const QString& name)
{
    // An instance that answers keeps its name. Ask first: with access
    // options set, QLocalServer puts its socket in place by renaming over
    // whatever is there, so listening alone would take the name from a
    // running instance.
    {
        QLocalSocket probe;
        probe.connectToServer(name);
        if (probe.waitForConnected(500)) {
            probe.disconnectFromServer();
            return false;
        }
    }
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    if (server_.listen(name))
        return true;
    if (server_.serverError() != QAbstractSocket::AddressInUseError)
        return false;
    // Left behind by an instance that ended without cleaning up.
    QLocalServer::removeServer(name);
    return server_.listen(name);
}

void InstanceServer::start()
{
    connect(&server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* s = server_.nextPendingConnection())
            accept(s);
    });
}

void InstanceServer::setReceiver(std::function<void(const std::string&)> r)
{
    receiver_ = std::move(r);
    for (const auto& n : pending_)
        deliver(n);
    pending_.clear();
}

void InstanceServer::close() { server_.close(); }

void InstanceServer::accept(QLocalSocket* s)
{
    auto buffer = std::make_shared<QByteArray>();
    auto done = std::make_shared<bool>(false);
    auto finish = [this, s, buffer, done] {
        if (*done)
            return;
        *done = true;
        QByteArray b = *buffer;
        qsizetype nl = b.indexOf('\n');
        if (nl >= 0)
            b.truncate(nl);
        if (b.size() > kMaxName)
            b.truncate(kMaxName);
        name(toPath(QString::fromUtf8(b)));
    };
    connect(s, &QLocalSocket::readyRead, s, [s, buffer, finish] {
        *buffer += s->readAll();
        if (buffer->size() > 4096)
            buffer->truncate(4096);
        if (buffer->contains('\n')) {
            finish();
            s->write("ok\n");
            s->flush();
            s->disconnectFromServer();
        }
    });
    connect(s, &QLocalSocket::disconnected, s, [s, buffer, finish] {
        *buffer += s->readAll();
        if (!buffer->isEmpty())
            finish();
        s->deleteLater();
    });
}

void InstanceServer::name(const std::string& n)
{
    if (receiver_)
        deliver(n);
    else
        pending_.push_back(n);
}

void InstanceServer::deliver(const std::string& n)
{
    // Taken when no other event is being handled.
    auto r = receiver_;
    p_->defer([r, n] { r(n); });
}

namespace {

// The application icon: a small bar chart.
QIcon makeIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64}) {
        QPixmap pm(size, size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing, true);
        double u = size / 16.0;
        QPainterPath back;
        back.addRoundedRect(QRectF(0.5 * u, 0.5 * u, 15 * u, 15 * u), 2.5 * u, 2.5 * u);
        p.fillPath(back, QColor(250, 248, 235));
        p.setPen(QPen(QColor(60, 60, 60), std::max(1.0, 0.6 * u)));
        p.drawPath(back);
        const QColor colours[] = {QColor(200, 40, 40), QColor(40, 120, 200), QColor(40, 160, 70), QColor(230, 160, 20)};
        const double heights[] = {6, 10, 4, 8};
        for (int i = 0; i < 4; ++i) {
            QRectF bar((2.5 + 2.9 * i) * u, (13.5 - heights[i]) * u, 2.3 * u, heights[i] * u);
            p.fillRect(bar, colours[i]);
        }
        p.setPen(QPen(QColor(30, 30, 30), std::max(1.0, 0.7 * u)));
        p.drawLine(QPointF(2 * u, 13.5 * u), QPointF(14 * u, 13.5 * u));
        p.end();
        icon.addPixmap(pm);
    }
    return icon;
}

} // namespace

bool displayAvailable()
{
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
    return true;
#else
    QString platform = qEnvironmentVariable("QT_QPA_PLATFORM");
    if (platform.startsWith(QStringLiteral("offscreen")) || platform.startsWith(QStringLiteral("minimal")) ||
        platform.startsWith(QStringLiteral("vnc")))
        return true;
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#endif
}

int runDesktop(int& argc, char** argv, const std::string& startupFile,
               const std::function<std::function<void(const std::string&)>()>& start)
{
    // The application and the platform live until the process ends: the
    // caller's window objects are destroyed after this function returns.
    auto* app = new QApplication(argc, argv);
    // QApplication sets the C library's locale from the environment. The
    // program writes and reads numbers without consulting it, but keep the
    // decimal point a '.' for anything that still asks (Qt's own widgets
    // keep the user's language for everything else).
    std::setlocale(LC_NUMERIC, "C");
    QCoreApplication::setApplicationName(QStringLiteral("quandel"));
    // Wayland docks match the windows to the installed desktop entry by this.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.quandel.Quandel"));
    app->setQuitOnLastWindowClosed(false);

    QString server = serverName();
    if (handOver(server, startupFile))
        return 0;
    auto* platform = new QtPlatform;
    auto* instance = new InstanceServer(platform);
    if (!instance->listen(server)) {
        // Someone may have started in between: give them the file.
        if (handOver(server, startupFile))
            return 0;
    }
    instance->start();
    app->setWindowIcon(makeIcon());
    plat::Platform::install(platform);

    std::function<void(const std::string&)> receiver;
    {
        HandlerScope scope;
        receiver = start();
    }
    if (receiver)
        instance->setReceiver(receiver);
    int status = platform->run();
    instance->close();
    return status;
}

} // namespace quan::qtui
