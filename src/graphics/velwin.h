// TVELWin: the base picture window. It adds the picture windows' File menu
// commands that concern the window itself (print format, decimal places,
// image size, with back colour), the menu bar and accelerators, and the
// windows it owns: a help window, a text window, a notebook when the topic
// asks for one, and the colour window.
#pragma once

#include "docfile/header.h"
#include "docfile/settings.h"
#include "graphics/imagesize.h"
#include "resources/commands.h"
#include "text/prewin.h"
#include "text/textwin.h"

#include <memory>
#include <string>
#include <vector>

namespace quan {

class TVELWin : public TPreWin {
public:
    TVELWin(TQuanFrame* frame, DocInit init);
    ~TVELWin() override;

    // The window kind written into document headers (0 for none).
    virtual int32_t windowKind() const { return 0; }

    PrintFormat& printFormat() { return printFormat_; }
    const PrintFormat& printFormat() const { return printFormat_; }
    bool withBackColor() const { return withBackColor_; }

    // The owned windows (created hidden by setup).
    TTextWin& helpWindow();
    TTextWin& textWindow();
    // The notebook; created on first use.
    TNoteWin& notebook();
    bool hasNotebook() const { return note_ != nullptr; }
    std::string notebookText() const override;
    // The caption, and the notebook's, which names the document too.
    void refreshTitle() override;

    // Shows a help text resource in the help window; 0 or the message code.
    int showHelp(const std::string& resourceName);
    // Hands a text to the text window under this window's caption.
    void handText(const std::string& text);

    // The common header of this window's documents and settings files.
    HeaderState headerState() const;
    void applyHeaderState(const HeaderState& h);

    // Image size: 0, or the message code (nothing changes then).
    int setImageSize(const std::string& width, const std::string& height);

    // Commands.
    void cmFormat();
    void cmImageSize();
    void cmWithBackColor();
    void cmNotebook();
    void command(int id) override;

    // The kind's settings file in the settings directory ("hor.ini",
    // "banz.ini", ...); "" when the kind keeps none.
    virtual std::string settingsFileName() const { return ""; }
    std::string settingsPath() const;
    // The document the settings file named when it was read.
    const std::string& lastDocument() const { return lastDocument_; }
    void openLastDocument() override;

protected:
    void setup() override;
    // The kind's own parameters in the parameter blocks of its settings
    // file; values read back must be checked before they are used.
    virtual void storeParameters(SettingsState& s) const {}
    virtual void loadParameters(const SettingsState& s) {}
    // Reads the settings file (when the window was created with
    // read-settings); false keeps the defaults.
    bool readSettings();
    void writeSettingsOnClose() override;
    // The menu bar and accelerator table; picture windows without their
    // own use PICMENU.
    virtual plat::Menu menuBar() const;
    virtual std::vector<plat::Accelerator> accelerators() const;
    // The help text of a menu's Help item, "" when the id is no Help item.
    // The base knows the Help items 330, 331 and 332 of popups labelled
    // File, View and Colors; topic windows add their own menus' texts.
    virtual std::string menuHelpName(int id) const;
    // Whether the notebook is created with the window.
    virtual bool wantsNotebook() const { return false; }
    // The print format changed through its dialog (documents keep it).
    virtual void printFormatChanged() { setChanged(true); }
    // The drawing area got a new size through Image size.
    virtual void imageSized() {}
    static ScreenMetrics screenMetrics();

    PrintFormat printFormat_;
    bool withBackColor_ = false;
    std::string lastDocument_;

private:
    std::unique_ptr<TTextWin> help_, text_;
    std::unique_ptr<TNoteWin> note_;
};

} // namespace quan
