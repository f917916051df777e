// Top-level windows: a QMainWindow with a menu bar and a client that is
// either painted by the window class or a plain-text editor.
#pragma once

#include "platform/window.h"

#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPointer>
#include <QWidget>

#include <map>
#include <optional>
#include <vector>

class QAction;
class QScrollBar;
class QMenu;

namespace quan::qtui {

class QtPlatform;
class QtWindow;

class MainWin : public QMainWindow {
public:
    explicit MainWin(QtWindow* owner) : owner_(owner) {}
    QtWindow* owner_;

protected:
    void closeEvent(QCloseEvent* e) override;
    bool event(QEvent* e) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dragMoveEvent(QDragMoveEvent* e) override;
    void dropEvent(QDropEvent* e) override;
};

class ClientWidget : public QWidget {
public:
    explicit ClientWidget(QtWindow* owner);
    QtWindow* owner_;
    int wheelRest_ = 0;

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    // Tab is a key like the others for the window classes.
    bool focusNextPrevChild(bool) override { return false; }
};

class EditorWidget : public QPlainTextEdit {
public:
    explicit EditorWidget(QtWindow* owner);
    QtWindow* owner_;

protected:
    void resizeEvent(QResizeEvent* e) override;
};

// The text window's editor. Positions count the bytes of the text as the
// window classes see it: Windows-1252 with CR LF line ends.
class QtEditor : public plat::TextEditor {
public:
    QtEditor(EditorWidget* w, plat::WindowHandler* h);
    void setText(const std::string& text) override;
    std::string text() const override;
    void setSelection(size_t start, size_t end) override;
    size_t selectionStart() const override;
    size_t selectionEnd() const override;
    void scrollToLine(int line) override;
    int firstVisibleLine() const override;
    void setFont(const plat::Font& f) override;
    void copy() override;
    void cut() override;
    void paste() override;
    void selectAll() override;
    bool modified() const override;
    void setModified(bool m) override;

    void detach() { handler_ = nullptr; }

private:
    size_t toBytes(int pos) const;
    int fromBytes(size_t pos) const;
    QPointer<EditorWidget> w_;
    plat::WindowHandler* handler_;
    bool setting_ = false;
};

class QtWindow : public plat::Window {
public:
    QtWindow(QtPlatform* p, plat::WindowHandler* h, const plat::WindowOptions& o);
    ~QtWindow() override;

    void setCaption(const std::string& caption) override;
    std::string caption() const override { return caption_; }
    void setMenu(const plat::Menu& menu) override;
    void setAccelerators(const std::vector<plat::Accelerator>& accels) override { accels_ = accels; }
    void checkMenuItem(int id, bool checked) override;
    void enableMenuItem(int id, bool enabled) override;
    void setMenuItemLabel(int id, const std::string& label) override;
    bool menuItemChecked(int id) const override;
    bool menuItemEnabled(int id) const override;
    plat::Menu menu() const override { return menu_; }
    void show() override;
    void hide() override;
    bool isVisible() const override;
    void setGeometry(const plat::Rect& outer) override;
    plat::Rect geometry() const override;
    plat::Size clientSize() const override;
    void setClientSize(plat::Size s) override;
    void showMaximized() override;
    bool isMaximized() const override;
    bool isMinimized() const override;
    void restore() override;
    void bringToTop() override;
    void invalidate() override;
    void update() override;
    void setAcceptDrops(bool on) override;
    plat::TextEditor* editor() override { return editor_.get(); }
    void setScrollBar(plat::ScrollBarKind which, const plat::ScrollBarState& state) override;

    // --- events from the widgets ----------------------------------------------
    plat::WindowHandler* handler() const { return handler_; }
    MainWin* widget() const { return win_; }
    QWidget* client() const;
    // The accelerator for a key, or null.
    const plat::Accelerator* accelerator(int vk, bool ctrl, bool shift, bool alt) const;
    // Runs an accelerator's command unless its menu item is disabled.
    void runAccelerator(const plat::Accelerator& a);
    void command(int id);
    void paint(QPaintEvent* e);
    void resized();
    void mouse(QMouseEvent* e, int kind);
    void key(QKeyEvent* e);
    void closeRequested(QCloseEvent* e);
    void dropped(QDropEvent* e);
    void frameChanged();
    void textEdited();

private:
    void buildMenu(QWidget* bar, const std::vector<plat::MenuItem>& items, bool top);
    plat::MenuItem* findItem(int id);
    const plat::MenuItem* findItem(int id) const;
    void refreshAction(int id);
    void applyOuter(const plat::Rect& r);

    QtPlatform* platform_;
    plat::WindowHandler* handler_;
    QPointer<MainWin> win_;
    ClientWidget* client_ = nullptr;
    EditorWidget* editWidget_ = nullptr;
    std::unique_ptr<QtEditor> editor_;
    std::string caption_;
    plat::Menu menu_;
    std::multimap<int, QPointer<QAction>> actions_;
    std::vector<plat::Accelerator> accels_;
    std::optional<plat::Rect> pendingOuter_;
    bool dirty_ = true;
    // Scroll bars beside the painted client (none for text editors).
    QScrollBar* vbar_ = nullptr;
    QScrollBar* hbar_ = nullptr;
    bool settingScroll_ = false;
};

} // namespace quan::qtui
