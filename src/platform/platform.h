// The platform layer: the one interface through which the window classes
// reach the windowing system. Two implementations exist: the Qt 6 desktop
// (src/qt) and the headless one (scripted answers, recorded output) used by
// the tests and by batch runs.
#pragma once

#include "platform/dc.h"
#include "platform/dialog.h"
#include "platform/window.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace quan::plat {

struct FileDialogOptions {
    std::string title;
    std::string filter;       // "Apportionment files (*.hor)|*.hor"
    std::string defaultExt;   // "HOR"
    std::string proposedName; // "noname1.hor"
    std::string directory;
};

// The font dialog's data.
struct FontChoice {
    Font font;
    int points = 10;
    Color color = 0;
    bool effects = false; // also offer colour, underline and strike-out
    std::string title;
};

// A print job. Pages are drawn on dc() between beginPage and endPage.
class Printer {
public:
    virtual ~Printer() = default;
    virtual bool beginPage() = 0;
    virtual DC& dc() = 0;
    virtual bool endPage() = 0;
    virtual bool finish() = 0;
};

// A picture for the clipboard in several formats at once: the image, and
// when not empty an SVG and an enhanced metafile of the same picture.
struct ClipboardPicture {
    const Bitmap* bitmap = nullptr;
    std::string svg;
    std::string emf;
};

// The boxes: "ok"; "yes", "no" (yes the default); "yes", "no", "cancel";
// and "yes", "no" with no as the default, for questions where Enter must
// never do harm (replacing a file).
enum class MessageKind { Ok = 0, YesNo = 1, YesNoCancel = 2, YesNoDefaultNo = 3 };

class Platform {
public:
    virtual ~Platform() = default;

    // The platform in use (installed once at start).
    static Platform& get();
    static void install(Platform* p);
    static bool installed();

    virtual std::unique_ptr<Window> createWindow(WindowHandler* handler, const WindowOptions& opts) = 0;
    virtual std::unique_ptr<Dialog> createDialog(const DialogTemplate& t, DialogHandler* handler, Window* owner) = 0;
    // Runs a dialog modally; returns the id it was ended with.
    virtual int runModal(Dialog& d) = 0;

    // The three question boxes ("OKMBOX", "YNMBOX", "YNCMBOX"): returns
    // IdOk, IdYes, IdNo or IdCancel.
    virtual int messageBox(Window* owner, MessageKind kind, const std::string& text, const std::string& title) = 0;
    // The program's About box: an "ok" box that also shows the program's icon.
    virtual void aboutBox(Window* owner, const std::string& text, const std::string& title)
    {
        messageBox(owner, MessageKind::Ok, text, title);
    }
    virtual std::optional<std::string> openFileDialog(Window* owner, const FileDialogOptions& o) = 0;
    virtual std::optional<std::string> saveFileDialog(Window* owner, const FileDialogOptions& o) = 0;
    virtual bool chooseFont(Window* owner, FontChoice& choice) = 0;
    // Shows the print dialog and starts a job; nullptr when cancelled.
    virtual std::unique_ptr<Printer> startPrinting(Window* owner, const std::string& jobName) = 0;
    virtual void printerSetup(Window* owner) = 0;

    virtual std::string clipboardText() = 0;
    virtual void setClipboardText(const std::string& text) = 0;
    virtual void setClipboardBitmap(const Bitmap& b) = 0;
    // One clipboard change offering every format of the picture.
    virtual void setClipboardPicture(const ClipboardPicture& p)
    {
        if (p.bitmap)
            setClipboardBitmap(*p.bitmap);
    }

    // Key polling for long computations: the pending key of the window,
    // upper-cased; 'Q' for one of the window's accelerators; 0 for none.
    // Cheap enough to call at every step of a long loop.
    virtual int pollKey(Window* w) = 0;
    // Runs f after the current event has been handled (used to destroy a
    // window from inside its own handler).
    virtual void defer(std::function<void()> f) = 0;

    virtual std::unique_ptr<Bitmap> createBitmap(Size s) = 0;
    virtual std::string settingsDirectory() = 0; // with a trailing '/'
    virtual Size screenSize() = 0;
    virtual int screenCaps(Cap c) = 0;
    virtual std::string longDate() = 0; // the local long date
    virtual std::string startDirectory() = 0;

    // Event loop of the desktop; returns the exit status.
    virtual int run() = 0;
    virtual void quit() = 0;
};

} // namespace quan::plat
