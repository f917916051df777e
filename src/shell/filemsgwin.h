// The base of every document window: a file name, a changed flag, Open,
// Save and Save As through the common file dialogs, the questions before
// work is lost or a file overwritten, and the message and input dialogs
// through which all windows talk to the user.
#pragma once

#include "core/msgcode.h"
#include "resources/commands.h"
#include "resources/strings.h"

#include "core/fileio.h"
#include "platform/platform.h"

#include <memory>
#include <string>

namespace quan {

class TQuanFrame;

// What the main window hands a new document window (see TQuanFrame).
struct DocInit {
    std::string fileName;   // empty: the window makes up a name
    int version = 6;        // newest document version the window accepts
    int slot = -1;          // slot in the main window's table, -1 for none
    bool openLast = false;  // reopen the document its settings file names
    bool readSettings = false;
};

class TFileMsgWin : public plat::WindowHandler {
public:
    TFileMsgWin(TQuanFrame* frame, DocInit init);
    ~TFileMsgWin() override;
    TFileMsgWin(const TFileMsgWin&) = delete;
    TFileMsgWin& operator=(const TFileMsgWin&) = delete;

    // Creates the platform window (called once by the creator, after
    // construction, so that virtual setup can run).
    virtual void create();
    plat::Window* window() const { return window_.get(); }
    TQuanFrame* frame() const { return frame_; }
    int slot() const { return init_.slot; }
    const DocInit& init() const { return init_; }

    // Where a new document window of size `size` opens: document windows
    // cascade by their slot, starting below the main window when there is
    // room (so that its Window menu stays in reach), else at the top.
    plat::Rect cascadePlace(plat::Size size) const;

    // Document state.
    const std::string& fileName() const { return fileName_; }
    void setFileName(const std::string& name) { fileName_ = name; }
    bool changed() const { return changed_; }
    virtual void setChanged(bool c) { changed_ = c; }
    bool named() const { return named_; }
    void setNamed(bool n) { named_ = n; }
    void setNoQuestions(bool q) { noQuestions_ = q; }
    bool busy() const { return busy_; }

    // Messages and questions. message(n) shows string 400 + n titled
    // "hmm ..." unless a title is given.
    void message(int n, const std::string& title = "");
    void message(Msg m, const std::string& title = "") { message(codeOf(m), title); }
    void showText(const std::string& text, const std::string& title);
    int ask(plat::MessageKind kind, const std::string& text, const std::string& title);
    // "ONEINPUT": title and prompt from the string table; text preset and
    // returned edited (at most maxLength characters). False on cancel.
    bool input(Str title, Str prompt, std::string& text, size_t maxLength = 255);
    bool inputText(const std::string& title, const std::string& prompt, std::string& text, size_t maxLength = 255);
    // "TWOINPUT".
    bool input2(const std::string& title, const std::string& prompt1, const std::string& prompt2,
                std::string& text1, std::string& text2, size_t maxLength = 255);
    // Asks for a number; false on cancel or when the text does not parse
    // (then message 1 "cannot understand" has been shown).
    bool inputNumber(Str title, Str prompt, long double& value, const std::string& preset);
    // Asks for a whole number preset to value; false on cancel or when the
    // text is no whole number (then "cannot understand" has been shown).
    bool inputInteger(Str title, Str prompt, long long& value);
    // The "delete" dialog: a range of rows, preset to 1 and 2.
    bool askRowRange(long long& first, long long& last);

    bool saveChangesGate();
    bool overwriteGate(const std::string& path);

    // File commands.
    void cmOpen();
    bool cmSave();
    bool cmSaveAs();
    void cmExit();
    void cmDecimalPlaces();
    void cmLunch();

    // Reads a document file: 0 on success or a message code. The document
    // must stay as it was when reading fails.
    virtual int readDocument(const std::string& path);
    // Writes the document: false on failure (the old file must survive).
    virtual bool writeDocument(const std::string& path);
    // The message code a failed writeDocument shows: 12 "cannot save file"
    // unless the document said why.
    virtual int writeFailure() const { return codeOf(Msg::CannotSaveFile); }
    // The common file dialog data.
    virtual std::string fileFilter() const { return S(Str::TextFilesFilter); }
    virtual std::string defaultExtension() const { return "TXT"; }

    // The caption: the file name's name part followed by titleSuffix().
    virtual std::string titleSuffix() const { return ""; }
    // Shows the name and the topic's suffix in the caption (and wherever else
    // the window shows its name).
    virtual void refreshTitle();

    // Decimal places of the window's numbers (the DP dialog).
    virtual int decimals() const { return decimals_; }
    virtual void setDecimals(int d);

    // Closes for good: the main window destroys the window object later.
    void closeWindow();
    // Asked before the window closes (also by the main window at exit).
    bool canClose() override;
    void closed() override;
    void command(int id) override;

    // The text most recently handed to one of this window's text windows,
    // with that text window's caption (batch runs print it).
    void recordHandedText(const std::string& caption, const std::string& text)
    {
        lastHandedCaption_ = caption;
        lastHandedText_ = text;
    }
    const std::string& lastHandedCaption() const { return lastHandedCaption_; }
    const std::string& lastHandedText() const { return lastHandedText_; }
    // The text of the window's notebook ("" when it has none).
    virtual std::string notebookText() const { return ""; }

    // The pending key for a long computation (see Platform::pollKey).
    int pollKey();
    // After a successful read: takes on the file's name, unless the reader
    // named the document itself.
    void adoptReadFile(const std::string& path);
    void setCaption(const std::string& c);

    static std::string namePart(const std::string& path);

protected:
    // Called by create() before the window is shown: menus, child windows.
    virtual void setup() {}
    virtual plat::WindowOptions windowOptions() const;
    // Called when the window closes for good: the kind's settings file.
    virtual void writeSettingsOnClose() {}
public:
    // Called by the main window once the window exists and its start-up
    // file (if any) was read: reopens the last document when asked to.
    virtual void openLastDocument() {}
protected:
    static std::string S(int id);
    static std::string S(Str id) { return quan::S(id); }

    TQuanFrame* frame_;
    DocInit init_;
    std::unique_ptr<plat::Window> window_;
    std::string fileName_;
    bool changed_ = false;
    bool named_ = false;
    bool noQuestions_ = false;
    bool busy_ = false;
    bool closing_ = false;
    // Set by a reader that put something else in place of the file (and
    // named the document itself): the file's name is then not taken on.
    bool readerNamedDocument_ = false;
    int decimals_ = 2;
    std::string lastHandedCaption_, lastHandedText_;
};

} // namespace quan
