// The main window: Window and Help menus, the table of document windows,
// dispatch of files by extension, second start, dropped files, "qn.ini".
#pragma once

#include "core/msgcode.h"
#include "resources/commands.h"
#include "shell/filemsgwin.h"

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace quan {

// The document window kinds, by their Window menu command.
enum class WindowKind {
    Apportionment = cm::WindowApportionment,
    Graphs = cm::WindowGraphs,
    Banzhaf = cm::WindowBanzhaf,
    Voting = cm::WindowVoting,
    Packing = cm::WindowPacking,
    Scheduling = cm::WindowScheduling,
};

// The 17-byte window record and the two flags of "qn.ini".
struct MainSettings {
    int32_t left = 0, top = 0, width = 200, height = 120;
    bool maximized = false;
    bool openLast = false;
    bool useDefaults = true;

    std::string toBytes() const;
    // False when the bytes are not a complete record (the defaults stay).
    bool fromBytes(const std::string& bytes);
    // The record fits the screen.
    bool fits(plat::Size screen) const;
};

class TQuanFrame : public plat::WindowHandler {
public:
    static constexpr int kSlots = 28;
    using Factory = std::function<std::unique_ptr<TFileMsgWin>(TQuanFrame*, const DocInit&)>;

    TQuanFrame();
    ~TQuanFrame() override;

    // Window kinds that exist register here; the others answer their
    // Window command with "not yet available".
    void registerKind(WindowKind kind, Factory f);
    // The ".g6", ".dg6" and ".s6" imports of graph windows.
    void registerImport(Factory f) { importFactory_ = std::move(f); }
    // The hidden service window through which the main window shows help.
    void setHelpHandler(std::function<void(const std::string& title, const std::string& text)> h)
    {
        helpHandler_ = std::move(h);
    }

    // Start-up: read "qn.ini", place and show the window, open the start-up
    // file.
    void create(const std::string& startupFile);
    plat::Window* window() const { return window_.get(); }

    void openByName(const std::string& path);
    // Reserves a slot and creates a document window; nullptr when none.
    TFileMsgWin* newWindow(WindowKind kind, const std::string& path);
    // A second start handed over a file name.
    void receiveFile(const std::string& name);

    // Called by a document window that closed.
    void documentClosed(int slot);
    TFileMsgWin* document(int slot) const;
    int documentCount() const;
    // The most recently created document window still open.
    TFileMsgWin* newestDocument() const;
    int newDocumentCounter() const { return counter_; }

    const MainSettings& settings() const { return settings_; }
    bool openLast() const { return settings_.openLast; }
    bool useDefaults() const { return settings_.useDefaults; }
    std::string settingsPath() const;

    // Shut-down: asks every document window; writes "qn.ini" and quits when
    // all agree. Returns false when one refused.
    bool shutDown();
    bool isShutDown() const { return shutDown_; }

    void message(int n, const std::string& title = "");
    void message(Msg m, const std::string& title = "") { message(codeOf(m), title); }

    // plat::WindowHandler
    void command(int id) override;
    bool canClose() override;
    void closed() override;
    void filesDropped(const std::vector<std::string>& paths) override;
    void paint(plat::DC& dc) override;

private:
    void updateChecks();
    void writeSettings();
    void showAbout();

    std::unique_ptr<plat::Window> window_;
    MainSettings settings_;
    std::array<std::unique_ptr<TFileMsgWin>, kSlots> slots_;
    std::array<int, kSlots> markers_{};
    std::vector<int> creationOrder_;
    std::map<WindowKind, Factory> factories_;
    Factory importFactory_;
    std::function<void(const std::string&, const std::string&)> helpHandler_;
    int counter_ = 0;
    bool shutDown_ = false;
};

// The extension of a path: the text after its last '.', upper-cased; ""
// when there is no '.' in the file name.
std::string extensionOf(const std::string& path);
// The command-line arguments after the program's own name joined with
// single blanks.
std::string joinArguments(int argc, const char* const* argv);

} // namespace quan
