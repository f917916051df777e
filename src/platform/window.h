// Top-level windows: what the window classes ask of the windowing system
// and the events it delivers to them.
#pragma once

#include "platform/dc.h"

#include <string>
#include <vector>

namespace quan::plat {

// Virtual key codes (the values of the original windowing system, so that
// menus and scripts can name keys by number).
namespace vk {
constexpr int Back = 0x08, Tab = 0x09, Return = 0x0D, Escape = 0x1B, Space = 0x20;
constexpr int Prior = 0x21, Next = 0x22, End = 0x23, Home = 0x24;
constexpr int Left = 0x25, Up = 0x26, Right = 0x27, Down = 0x28;
constexpr int Insert = 0x2D, Delete = 0x2E;
constexpr int F1 = 0x70, F2 = 0x71, F3 = 0x72, F4 = 0x73, F5 = 0x74, F6 = 0x75,
              F7 = 0x76, F8 = 0x77, F9 = 0x78, F10 = 0x79, F11 = 0x7A, F12 = 0x7B;
} // namespace vk

// One entry of a menu resource: a command (id > 0), a separator, or a popup
// with its own entries.
struct MenuItem {
    std::string label;   // with the '&' marker
    int id = 0;          // command id; 0 for popups and separators
    std::string shortcut; // shown beside the label, e.g. "Ctrl+G" or "F1"
    std::vector<MenuItem> items;
    bool separator = false;
    bool checked = false;
    bool enabled = true;
};
using Menu = std::vector<MenuItem>; // the menu bar's popups

struct Accelerator {
    int key = 0; // a virtual key code, or an upper-case letter / digit
    bool ctrl = false;
    bool shift = false;
    bool alt = false;
    int id = 0;
};

// The scroll bars of a painted window: hidden, or showing positions 0..max
// of which `page` are in view, the first in view being `pos`.
enum class ScrollBarKind { Vertical, Horizontal };
struct ScrollBarState {
    bool visible = false;
    int max = 0;
    int page = 1;
    int pos = 0;
    bool operator==(const ScrollBarState&) const = default;
};

struct MouseEvent {
    enum Kind { Press, Move, Release, DoubleClick } kind = Press;
    int button = 0; // 1 left, 2 right, 3 middle, 0 none (moves)
    Point pos;
    bool shift = false;
    bool ctrl = false;
};

// The edit control shown by text windows.
class TextEditor {
public:
    virtual ~TextEditor() = default;
    virtual void setText(const std::string& text) = 0;
    virtual std::string text() const = 0;
    virtual void setSelection(size_t start, size_t end) = 0; // caret at end
    virtual size_t selectionStart() const = 0;
    virtual size_t selectionEnd() const = 0;
    // Scrolls so that the given line is the first visible one.
    virtual void scrollToLine(int line) = 0;
    virtual int firstVisibleLine() const = 0;
    virtual void setFont(const Font& f) = 0;
    virtual void copy() = 0;
    virtual void cut() = 0;
    virtual void paste() = 0;
    virtual void selectAll() = 0;
    virtual bool modified() const = 0;
    virtual void setModified(bool m) = 0;
};

// Events delivered to a window class. Every handler has a default that does
// nothing, so a class overrides only what it uses.
class WindowHandler {
public:
    virtual ~WindowHandler() = default;
    virtual void paint(DC& dc) {}
    virtual void command(int id) {}
    virtual void mouse(const MouseEvent& e) {}
    virtual void keyDown(int key, bool shift, bool ctrl) {}
    // The mouse wheel turned by whole notches (positive: away from the user).
    virtual void wheel(int notches) {}
    virtual void resized(Size client) {}
    // The user asked to close the window: true lets it close.
    virtual bool canClose() { return true; }
    // The window was closed by the user after canClose agreed.
    virtual void closed() {}
    virtual void filesDropped(const std::vector<std::string>& paths) {}
    // The user changed the text of a text window's editor.
    virtual void textEdited() {}
    // The user moved a scroll bar to pos.
    virtual void scrolled(ScrollBarKind which, int pos) {}
    // What the clipboard holds changed (Paste commands follow it).
    virtual void clipboardChanged() {}
};

struct WindowOptions {
    std::string caption;
    bool textEditor = false; // the client area is a text editor
    bool acceptDrops = false;
    Rect geometry{0, 0, 0, 0}; // outer rectangle; empty = the platform's choice
};

class Window {
public:
    virtual ~Window() = default;

    virtual void setCaption(const std::string& caption) = 0;
    virtual std::string caption() const = 0;

    virtual void setMenu(const Menu& menu) = 0;
    virtual void setAccelerators(const std::vector<Accelerator>& accels) = 0;
    virtual void checkMenuItem(int id, bool checked) = 0;
    virtual void enableMenuItem(int id, bool enabled) = 0;
    virtual void setMenuItemLabel(int id, const std::string& label) = 0;
    virtual bool menuItemChecked(int id) const = 0;
    virtual bool menuItemEnabled(int id) const = 0;
    // The menu as it stands (labels, ids, check and enable state).
    virtual Menu menu() const = 0;

    virtual void show() = 0;
    virtual void hide() = 0;
    virtual bool isVisible() const = 0;
    virtual void setGeometry(const Rect& outer) = 0;
    virtual Rect geometry() const = 0;
    virtual Size clientSize() const = 0;
    virtual void setClientSize(Size s) = 0;
    virtual void showMaximized() = 0;
    virtual bool isMaximized() const = 0;
    virtual bool isMinimized() const = 0;
    virtual void restore() = 0;
    // Raises the window above the others and gives it the keyboard.
    virtual void bringToTop() = 0;
    // Asks for a repaint (the paint event comes later).
    virtual void invalidate() = 0;
    // Repaints at once when a repaint is pending.
    virtual void update() = 0;
    virtual void setAcceptDrops(bool on) = 0;
    // Shows or hides a scroll bar beside the painted client area (its room
    // is taken from the client size while it shows).
    virtual void setScrollBar(ScrollBarKind which, const ScrollBarState& state) = 0;
    // The editor of a text window; nullptr for other windows.
    virtual TextEditor* editor() = 0;
};

} // namespace quan::plat
