// The desktop platform over Qt 6 Widgets.
#pragma once

#include "platform/platform.h"
#include "qt/qt_dc.h"

#include <QObject>
#include <QString>

#include <chrono>
#include <deque>
#include <functional>
#include <memory>
#include <set>
#include <vector>

class QKeyEvent;
class QPrinter;
class QWidget;

namespace quan::qtui {

class QtWindow;

// Counts the calls into the window classes that are running: deferred work
// waits until none is, and key polling starts afresh with each new event.
class HandlerScope {
public:
    HandlerScope();
    ~HandlerScope();
    HandlerScope(const HandlerScope&) = delete;
    HandlerScope& operator=(const HandlerScope&) = delete;
};

// Virtual key code of a Qt key (0 when it has none).
int vkFromQtKey(int key);

class QtPlatform : public plat::Platform {
public:
    QtPlatform();
    ~QtPlatform() override;
    // The platform object while it exists.
    static QtPlatform* instance();

    std::unique_ptr<plat::Window> createWindow(plat::WindowHandler* handler, const plat::WindowOptions& opts) override;
    std::unique_ptr<plat::Dialog> createDialog(const plat::DialogTemplate& t, plat::DialogHandler* handler,
                                               plat::Window* owner) override;
    int runModal(plat::Dialog& d) override;
    void aboutBox(plat::Window* owner, const std::string& text, const std::string& title) override;
    int messageBox(plat::Window* owner, plat::MessageKind kind, const std::string& text,
                   const std::string& title) override;
    std::optional<std::string> openFileDialog(plat::Window* owner, const plat::FileDialogOptions& o) override;
    std::optional<std::string> saveFileDialog(plat::Window* owner, const plat::FileDialogOptions& o) override;
    bool chooseFont(plat::Window* owner, plat::FontChoice& choice) override;
    std::unique_ptr<plat::Printer> startPrinting(plat::Window* owner, const std::string& jobName) override;
    void printerSetup(plat::Window* owner) override;
    std::string clipboardText() override;
    void setClipboardText(const std::string& text) override;
    void setClipboardBitmap(const plat::Bitmap& b) override;
    void setClipboardPicture(const plat::ClipboardPicture& p) override;
    int pollKey(plat::Window* w) override;
    void defer(std::function<void()> f) override;
    std::unique_ptr<plat::Bitmap> createBitmap(plat::Size s) override;
    std::string settingsDirectory() override;
    plat::Size screenSize() override;
    int screenCaps(plat::Cap c) override;
    std::string longDate() override;
    std::string startDirectory() override;
    int run() override;
    void quit() override;

    // --- for the window and dialog classes ----------------------------------
    DeviceCaps screenDeviceCaps();
    void addWindow(QtWindow* w) { windows_.insert(w); }
    void removeWindow(QtWindow* w);
    // The window of ours a widget belongs to, or null.
    QtWindow* windowOf(QObject* o) const;
    // The widget to parent dialogs on for an owner window (null for none).
    static QWidget* parentWidget(plat::Window* owner);
    bool polling() const { return pollDepth_ > 0; }
    // A caption or picture changed (sent to the display while polling).
    void displayChanged() { displayDirty_ = true; }
    // The filter's view of input: true when the event was consumed.
    bool filterEvent(QObject* o, QEvent* e);

    void enterHandler();
    void leaveHandler();

private:
    struct QueuedKey {
        QtWindow* window;
        int vk;
        bool ctrl, shift, alt;
        QString text;
    };
    void scheduleDeferred();
    void runDeferred();
    int takeKey(QtWindow* w);
    int pollEvents(plat::Window* w);
    static constexpr long kMaxStride = 64;
    QPrinter& sharedPrinter();

    std::set<QtWindow*> windows_;
    std::unique_ptr<QObject> filter_;
    std::vector<std::function<void()>> deferred_;
    bool deferScheduled_ = false;
    int depth_ = 0;
    int pollDepth_ = 0;
    std::deque<QueuedKey> keys_;
    bool keysWaiting_ = false;
    long countdown_ = 1;
    long stride_ = 1;
    std::chrono::steady_clock::time_point lastCheck_{}, lastEvents_{}, lastSync_{};
    bool displayDirty_ = false;
    std::unique_ptr<QPrinter> printer_;
    QString lastDir_;
    QString startDir_;
};

} // namespace quan::qtui
