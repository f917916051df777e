// The headless platform: no display. Questions, input dialogs, file
// dialogs, dialog controls and keys come from a script; message boxes,
// captions and printed pages are recorded. Used by the tests and by batch
// runs.
#pragma once

#include "platform/platform.h"
#include "platform/recording_dc.h"

#include <chrono>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

namespace quan::plat {

// A question or dialog the script did not answer.
class ScriptError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class HeadlessWindow;
class HeadlessDialog;

struct PrintedPage {
    std::unique_ptr<RecordingDC> dc;
};

// What the last picture copy put on the clipboard: the image's pixels
// (row-major from the top) and the SVG and metafile bytes.
struct ClipboardRecord {
    bool hasBitmap = false;
    Size size;
    std::vector<Color> pixels;
    std::string svg;
    std::string emf;
};

class HeadlessPlatform : public Platform {
public:
    HeadlessPlatform();
    ~HeadlessPlatform() override;

    // --- script -----------------------------------------------------------
    void answer(int id) { answers_.push_back(id); }             // IdOk, IdYes, IdNo, IdCancel
    void input(std::optional<std::string> text) { inputs_.push_back(std::move(text)); }
    void input2(std::optional<std::pair<std::string, std::string>> texts) { inputs2_.push_back(std::move(texts)); }
    void file(std::optional<std::string> path) { files_.push_back(std::move(path)); }
    // Sets a control of the named dialog: at once when a modeless dialog of
    // that name is showing, otherwise when the next modal one runs.
    void dialogText(const std::string& name, int id, const std::string& text);
    void press(const std::string& name, int id);
    // A key that pollKey reports after `afterPolls` further polls.
    void key(int k, long afterPolls = 0) { keys_.push_back({k, afterPolls}); }
    bool scriptEmpty() const;
    // What the script prepared that nothing used ("" when all was used).
    std::string unusedScript() const;
    // How long a computation may poll for a key the script never gives.
    void setPollPatience(int seconds) { pollPatienceSeconds_ = seconds; }
    void setEcho(std::ostream* out) { echo_ = out; }

    // --- records ----------------------------------------------------------
    // Every message box and question as "message: TITLE: TEXT" lines.
    const std::vector<std::string>& messages() const { return messages_; }
    std::string lastMessage() const { return messages_.empty() ? "" : messages_.back(); }
    void clearMessages() { messages_.clear(); }
    const std::vector<PrintedPage>& printedPages() const { return printed_; }
    std::string clipboard() const { return clipboard_; }
    // The picture formats of the last copy (empty after a text copy).
    const ClipboardRecord& clipboardPicture() const { return clipPicture_; }
    // How many times the clipboard changed.
    int clipboardChanges() const { return clipboardChanges_; }
    // The printer's capabilities for the pages of later jobs (the default is
    // a letter page at 300 dpi with quarter-inch margins).
    void setPrinterCaps(const std::map<Cap, int>& caps) { printerCaps_ = caps; }
    // Later print jobs fail when their pages end (a printer gone away).
    void setPrintFailure(bool fail) { printFailure_ = fail; }
    // Offscreen bitmaps cannot be made (low memory).
    void setBitmapFailure(bool fail) { bitmapFailure_ = fail; }
    bool quitRequested() const { return quit_; }
    // Every window created so far that still exists.
    std::vector<HeadlessWindow*> windows() const;
    HeadlessDialog* visibleDialog(const std::string& name) const;
    // How many dialogs of a template exist, shown or hidden.
    int dialogCount(const std::string& name) const;
    // The window most recently brought to the top (null before any).
    HeadlessWindow* topWindow() const { return top_; }
    long pollCount() const { return polls_; }
    // The control texts of the last modal dialog as it closed.
    const std::map<int, std::string>& lastDialogTexts() const { return lastDialogTexts_; }

    void setSettingsDirectory(const std::string& dir);
    void setScreenSize(Size s) { screen_ = s; }
    void setLongDate(const std::string& d) { longDate_ = d; }
    // Runs what was deferred.
    void flush();

    // --- Platform ---------------------------------------------------------
    std::unique_ptr<Window> createWindow(WindowHandler* handler, const WindowOptions& opts) override;
    std::unique_ptr<Dialog> createDialog(const DialogTemplate& t, DialogHandler* handler, Window* owner) override;
    int runModal(Dialog& d) override;
    int messageBox(Window* owner, MessageKind kind, const std::string& text, const std::string& title) override;
    void aboutBox(Window* owner, const std::string& text, const std::string& title) override
    {
        ++aboutBoxes_;
        messageBox(owner, MessageKind::Ok, text, title);
    }
    int aboutBoxes() const { return aboutBoxes_; }
    std::optional<std::string> openFileDialog(Window* owner, const FileDialogOptions& o) override;
    std::optional<std::string> saveFileDialog(Window* owner, const FileDialogOptions& o) override;
    bool chooseFont(Window* owner, FontChoice& choice) override;
    std::unique_ptr<Printer> startPrinting(Window* owner, const std::string& jobName) override;
    void printerSetup(Window* owner) override {}
    std::string clipboardText() override { return clipboard_; }
    // Both tell every window that the clipboard changed.
    void setClipboardText(const std::string& text) override;
    void setClipboardBitmap(const Bitmap&) override;
    void setClipboardPicture(const ClipboardPicture& p) override;
    int pollKey(Window* w) override;
    void defer(std::function<void()> f) override { deferred_.push_back(std::move(f)); }
    std::unique_ptr<Bitmap> createBitmap(Size s) override;
    std::string settingsDirectory() override;
    Size screenSize() override { return screen_; }
    int screenCaps(Cap c) override;
    std::string longDate() override { return longDate_; }
    std::string startDirectory() override;
    int run() override { return 0; }
    void quit() override { quit_ = true; }

private:
    friend class HeadlessWindow;
    friend class HeadlessDialog;
    HeadlessWindow* top_ = nullptr;
    int aboutBoxes_ = 0;
    void applyQueued(HeadlessDialog& d);
    struct DialogAction {
        bool isPress = false;
        int id = 0;
        std::string text;
    };
    struct PendingKey {
        int key;
        long afterPolls;
    };
    void record(const std::string& line);
    std::optional<std::string> nextFile(const char* what);

    std::deque<int> answers_;
    std::deque<std::optional<std::string>> inputs_;
    std::deque<std::optional<std::pair<std::string, std::string>>> inputs2_;
    std::deque<std::optional<std::string>> files_;
    std::map<std::string, std::deque<DialogAction>> dialogActions_;
    std::deque<PendingKey> keys_;
    std::vector<std::function<void()>> deferred_;
    std::vector<std::string> messages_;
    std::vector<PrintedPage> printed_;
    std::vector<HeadlessWindow*> windows_;
    std::vector<HeadlessDialog*> dialogs_;
    std::string clipboard_;
    ClipboardRecord clipPicture_;
    int clipboardChanges_ = 0;
    std::map<Cap, int> printerCaps_;
    bool printFailure_ = false;
    bool bitmapFailure_ = false;
    void clipboardChanged();
    std::string settingsDir_;
    std::string longDate_ = "Sunday, December 6, 2026";
    Size screen_{1280, 1024};
    std::ostream* echo_ = nullptr;
    long polls_ = 0;
    long idlePolls_ = 0;
    std::chrono::steady_clock::time_point idleSince_;
    int pollPatienceSeconds_ = 120;
    std::map<int, std::string> lastDialogTexts_;
    bool quit_ = false;
};

class HeadlessEditor : public TextEditor {
public:
    void setText(const std::string& text) override;
    std::string text() const override { return text_; }
    void setSelection(size_t start, size_t end) override;
    size_t selectionStart() const override { return selStart_; }
    size_t selectionEnd() const override { return selEnd_; }
    void scrollToLine(int line) override { firstLine_ = line < 0 ? 0 : line; }
    int firstVisibleLine() const override { return firstLine_; }
    void setFont(const Font& f) override { font_ = f; }
    void copy() override;
    void cut() override;
    void paste() override;
    void selectAll() override { setSelection(0, text_.size()); }
    bool modified() const override { return modified_; }
    void setModified(bool m) override { modified_ = m; }
    // Types text at the caret as a user would.
    void type(const std::string& s);
    const Font& font() const { return font_; }

    HeadlessPlatform* platform = nullptr;
    WindowHandler* handler = nullptr;

private:
    std::string text_;
    size_t selStart_ = 0, selEnd_ = 0;
    int firstLine_ = 0;
    bool modified_ = false;
    Font font_;
};

class HeadlessWindow : public Window {
public:
    HeadlessWindow(HeadlessPlatform* p, WindowHandler* h, const WindowOptions& o);
    ~HeadlessWindow() override;

    void setCaption(const std::string& caption) override { caption_ = caption; }
    std::string caption() const override { return caption_; }
    void setMenu(const Menu& menu) override { menu_ = menu; }
    void setAccelerators(const std::vector<Accelerator>& accels) override { accels_ = accels; }
    void checkMenuItem(int id, bool checked) override;
    void enableMenuItem(int id, bool enabled) override;
    void setMenuItemLabel(int id, const std::string& label) override;
    bool menuItemChecked(int id) const override;
    bool menuItemEnabled(int id) const override;
    Menu menu() const override { return menu_; }
    void show() override { visible_ = true; }
    void hide() override { visible_ = false; }
    bool isVisible() const override { return visible_; }
    void setGeometry(const Rect& outer) override;
    Rect geometry() const override { return geometry_; }
    Size clientSize() const override;
    void setClientSize(Size s) override;
    void showMaximized() override { maximized_ = true; visible_ = true; }
    bool isMaximized() const override { return maximized_; }
    bool isMinimized() const override { return minimized_; }
    void restore() override { maximized_ = minimized_ = false; }
    void bringToTop() override;
    void invalidate() override { dirty_ = true; }
    void update() override;
    void setAcceptDrops(bool on) override { drops_ = on; }
    TextEditor* editor() override { return editor_.get(); }
    void setScrollBar(ScrollBarKind which, const ScrollBarState& state) override;

    // --- for scripts and tests ---------------------------------------------
    const ScrollBarState& scrollBar(ScrollBarKind which) const
    {
        return which == ScrollBarKind::Vertical ? vScroll_ : hScroll_;
    }
    // Moves a scroll bar as the user would.
    void userScroll(ScrollBarKind which, int pos);
    WindowHandler* handler() const { return handler_; }
    // Paints the window now into a fresh recording and returns it.
    const RecordingDC& paintNow();
    const RecordingDC& lastPaint() const { return lastPaint_; }
    bool dirty() const { return dirty_; }
    const std::vector<Accelerator>& accelerators() const { return accels_; }
    // Whether the window has a menu item or an accelerator with this id.
    bool hasCommand(int id) const;
    // The command id of a menu path of labels ("Method|Webster"), matched
    // without the '&' markers and case; 0 when there is none.
    int findCommand(const std::string& path) const;
    // Delivers a command as a menu click would (disabled items do nothing).
    bool click(int id);
    bool accelerator(int key, bool ctrl, bool shift, bool alt);
    // The close box: asks the window, then closes it.
    bool userClose();
    void setMinimized(bool m) { minimized_ = m; }

private:
    HeadlessPlatform* platform_;
    WindowHandler* handler_;
    std::string caption_;
    Menu menu_;
    std::vector<Accelerator> accels_;
    Rect geometry_{0, 0, 640, 480};
    bool visible_ = false, maximized_ = false, minimized_ = false, dirty_ = true, drops_ = false;
    std::unique_ptr<HeadlessEditor> editor_;
    RecordingDC lastPaint_;
    ScrollBarState vScroll_, hScroll_;
};

class HeadlessDialog : public Dialog {
public:
    HeadlessDialog(HeadlessPlatform* p, const DialogTemplate& t, DialogHandler* h);
    ~HeadlessDialog() override;
    const std::string& name() const override { return t_.name; }
    void setTitle(const std::string& t) override { title_ = t; }
    const std::string& title() const { return title_; }
    void setText(int id, const std::string& text) override { c(id).text = text; }
    std::string text(int id) const override;
    void setCheck(int id, bool on) override { c(id).check = on; }
    bool check(int id) const override;
    void clearItems(int id) override { c(id).items.clear(); c(id).selection = -1; }
    void addItem(int id, const std::string& item) override { c(id).items.push_back(item); }
    void setSelection(int id, int index) override { c(id).selection = index; }
    int selection(int id) const override;
    void setSliderRange(int id, int min, int max, int page) override;
    void setSliderPos(int id, int pos, bool notify) override;
    int sliderPos(int id) const override;
    void enableControl(int id, bool on) override { c(id).enabled = on; }
    void showControl(int id, bool on) override { c(id).shown = on; }
    void show() override;
    void hide() override { visible_ = false; }
    bool isVisible() const override { return visible_; }
    void end(int result) override { result_ = result; ended_ = true; }
    void moveTo(Point topLeft) override { position_ = topLeft; }
    // Where moveTo put the dialog ((0, 0) until then).
    Point position() const { return position_; }

    // A button press as the user makes it.
    void press(int id);
    // A text typed into a control; combo boxes and list boxes take the item
    // of that text (or its number) as their selection, sliders the
    // position, check boxes "1"/"0".
    void type(int id, const std::string& text);
    std::vector<std::string> items(int id) const;
    bool modal = false;
    bool ended() const { return ended_; }
    std::map<int, std::string> allTexts() const;
    int result() const { return result_; }
    void reset() { ended_ = false; result_ = 0; }

private:
    struct Control {
        ControlType type = ControlType::Static;
        std::string text;
        bool check = false;
        std::vector<std::string> items;
        int selection = -1;
        int min = 0, max = 100, page = 10, pos = 0;
        bool enabled = true, shown = true;
    };
    Control& c(int id);
    const Control* find(int id) const;
    Point position_;
    HeadlessPlatform* p_;
    DialogTemplate t_;
    DialogHandler* h_;
    std::map<int, Control> controls_;
    std::string title_;
    bool visible_ = false, ended_ = false;
    int result_ = 0;
};

} // namespace quan::plat
