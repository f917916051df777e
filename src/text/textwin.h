// The text windows: TPreTextWin, a scrolling, editable plain-text view with
// search, minus-sign replacement, printing and saving; TTextWin, the text
// window with its own help window; TNoteWin, the notebook bound to an owner
// document window.
#pragma once

#include "docfile/printformat.h"
#include "resources/commands.h"
#include "text/fontwin.h"
#include "text/textops.h"

#include <memory>
#include <string>

namespace quan {

class TPreTextWin : public TFontWin {
public:
    // A text window titled `title`, showing its text in font slot fontSlot.
    TPreTextWin(TQuanFrame* frame, std::string title, int fontSlot = 0);
    ~TPreTextWin() override;

    void create() override;

    // --- what owners do with a text window -------------------------------
    // Copies at most 64 000 characters, refreshes, shows the window.
    void handOver(const std::string& text);
    // Replaces the text (cut at 64 000) and refreshes, without showing.
    void setText(const std::string& text);
    // The text as it stands (the editor's, when the window exists).
    std::string text() const;
    // Replace the editor's contents with the text, clear the modified mark,
    // scroll to the first line, caret to 0, restart flag set.
    void refresh();
    void setTitle(const std::string& title);
    const std::string& title() const { return title_; }
    int fontSlotIndex() const { return fontSlot_; }
    void setFontSlotIndex(int k);
    // Characters per line in the window's font.
    int lineWidth() const;
    void show();
    void hideWindow();
    bool visible() const { return visible_; }

    // Loads the named help text (at most 100 000 bytes), hands it over and,
    // when a topic is given, finds it case-sensitively and scrolls to it.
    // Returns 0, or the message code shown (3 "low memory...trouble!").
    int showHelpText(const std::string& resourceName, const std::string& topic = "");

    // --- searching ---------------------------------------------------------
    // One search step from the caret: 0 when found (selected and scrolled
    // into view), 2 "could not find" (caret to 0, restart flag set) or 9
    // "nothing to do" for an empty pattern. Messages are not shown.
    int search(const std::string& pattern, bool caseSensitive = false);
    const std::string& lastSearch() const { return lastSearch_; }
    bool restartFlag() const { return restart_; }
    void restartAtTop();

    PrintFormat& printFormat() { return printFormat_; }

    // --- commands ------------------------------------------------------------
    void cmSearch();
    void cmNext();
    void cmMinusSigns();
    void cmPrint();
    void cmOffsets();
    void cmFont();
    void cmSearchHelp();
    void command(int id) override;

    // The file side: a text file of at most 64 000 characters.
    int readDocument(const std::string& path) override;
    bool writeDocument(const std::string& path) override;

    // plat::WindowHandler
    void textEdited() override;
    bool canClose() override { return true; }
    void closed() override;

protected:
    void setup() override;
    plat::WindowOptions windowOptions() const override;
    void fontChanged(int k) override;
    // The menu and accelerator resource of the window.
    virtual std::string menuName() const { return "TEXTMENU"; }
    // Help text names of the File and Edit menus.
    virtual std::string fileHelpName() const { return "QNTEXTFH"; }
    virtual std::string editHelpName() const { return "QNTEXTEH"; }
    // Shows one of the menus' help texts; text windows without a help
    // window of their own show it in place.
    virtual void menuHelp(const std::string& resourceName);
    // A user's change of the text (typing, cut, paste, minus signs).
    virtual void userChanged() {}
    // Takes the editor's text into the text field (cut at 64 000 characters;
    // a longer text in the editor is cut there too).
    void syncFromEditor();
    void updateMenu();

    std::string text_;
    std::string title_;
    int fontSlot_ = 0;
    std::string lastSearch_;
    bool restart_ = true;
    bool visible_ = false;
    bool refreshing_ = false;
    PrintFormat printFormat_;
};

// The text window with its own help window (created hidden when first used).
class TTextWin : public TPreTextWin {
public:
    using TPreTextWin::TPreTextWin;
    ~TTextWin() override;
    TPreTextWin& helpWindow();
    bool hasHelpWindow() const { return help_ != nullptr; }

protected:
    void menuHelp(const std::string& resourceName) override;

private:
    std::unique_ptr<TPreTextWin> help_;
};

// The notebook: notes kept with the owner's document. Every change made by
// the user marks the owner as changed.
class TNoteWin : public TPreTextWin {
public:
    explicit TNoteWin(TFileMsgWin& owner);
    ~TNoteWin() override;

    TFileMsgWin& owner() const { return owner_; }
    // Sets (or clears) the notes, refreshes and sets the caption
    // "notebook [" + the owner's file name + "]".
    void setNotes(const std::string& text);
    void clearNotes() { setNotes(""); }
    std::string notes() const { return text(); }
    void refreshCaption();
    TPreTextWin& helpWindow();

    void command(int id) override;

protected:
    std::string menuName() const override { return "NOTEMENU"; }
    std::string fileHelpName() const override { return "QNNOTEFH"; }
    std::string editHelpName() const override { return "QNTEXTEH"; }
    void menuHelp(const std::string& resourceName) override;
    void userChanged() override;

private:
    TFileMsgWin& owner_;
    std::unique_ptr<TPreTextWin> help_;
};

} // namespace quan
