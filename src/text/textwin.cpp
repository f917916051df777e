#include "text/textwin.h"

#include "core/msgcode.h"

#include "core/fileio.h"
#include "resources/rc.h"
#include "resources/strings.h"
#include "text/printformatdlg.h"
#include "text/textprint.h"

#include <algorithm>

namespace quan {

namespace {

// Width of the vertical scroll bar beside the text.
constexpr int kScrollBarWidth = 17;
// The largest help text a help window loads.
constexpr size_t kMaxHelpText = 100000;

DocInit textDocInit()
{
    DocInit d;
    d.fileName = S(Str::Noname) + ".txt";
    return d;
}

} // namespace

TPreTextWin::TPreTextWin(TQuanFrame* frame, std::string title, int fontSlot)
    : TFontWin(frame, textDocInit()), title_(std::move(title)), fontSlot_(std::clamp(fontSlot, 0, kFontSlots - 1))
{
}

TPreTextWin::~TPreTextWin()
{
    // The platform window goes first, while this object can still answer it.
    window_.reset();
}

plat::WindowOptions TPreTextWin::windowOptions() const
{
    // New text windows cascade down and to the right.
    static int placed = 0;
    int step = placed++ % 12;
    plat::WindowOptions o;
    o.caption = title_;
    o.textEditor = true;
    // Wide enough for 80 characters of the window's font (the priority
    // list and the tables are up to 76 wide), within the screen.
    int charW = (toPlatFont(fontSlot(fontSlot_)).pixelSize() * 3 + 4) / 5;
    int width = 82 * charW + 40;
    if (plat::Platform::installed())
        width = std::min(width, plat::Platform::get().screenSize().w - 80);
    o.geometry = {40 + 20 * step, 30 + 20 * step, 40 + 20 * step + width, 30 + 20 * step + 480};
    return o;
}

void TPreTextWin::create()
{
    TFontWin::create();
    setCaption(title_);
}

void TPreTextWin::setup()
{
    if (!window_)
        return;
    window_->setMenu(menuResource(menuName()));
    window_->setAccelerators(acceleratorResource(menuName()));
    if (auto* ed = window_->editor())
        ed->setFont(font(fontSlot_));
    refresh();
    updateMenu();
}

void TPreTextWin::updateMenu()
{
    if (window_)
        window_->enableMenuItem(textcmd::Next, !lastSearch_.empty());
}

void TPreTextWin::handOver(const std::string& text)
{
    setText(text);
    show();
}

void TPreTextWin::setText(const std::string& text)
{
    text_ = cutText(text);
    refresh();
}

std::string TPreTextWin::text() const
{
    if (window_)
        if (const auto* ed = window_->editor())
            return ed->text();
    return text_;
}

void TPreTextWin::refresh()
{
    restart_ = true;
    if (!window_ || !window_->editor())
        return;
    plat::TextEditor& ed = *window_->editor();
    refreshing_ = true;
    ed.setText(text_);
    ed.setModified(false);
    ed.scrollToLine(0);
    ed.setSelection(0, 0);
    refreshing_ = false;
}

void TPreTextWin::syncFromEditor()
{
    if (!window_ || !window_->editor())
        return;
    plat::TextEditor& ed = *window_->editor();
    std::string t = ed.text();
    if (cutTextInPlace(t)) {
        size_t a = std::min(ed.selectionStart(), t.size()), b = std::min(ed.selectionEnd(), t.size());
        refreshing_ = true;
        ed.setText(t);
        ed.setSelection(a, b);
        refreshing_ = false;
    }
    text_ = std::move(t);
}

void TPreTextWin::setTitle(const std::string& title)
{
    title_ = title;
    setCaption(title_);
}

void TPreTextWin::setFontSlotIndex(int k)
{
    fontSlot_ = std::clamp(k, 0, kFontSlots - 1);
    if (window_ && window_->editor())
        window_->editor()->setFont(font(fontSlot_));
}

int TPreTextWin::lineWidth() const
{
    int widthOfM = 0;
    if (plat::Platform::installed()) {
        auto probe = plat::Platform::get().createBitmap({1, 1});
        if (probe) {
            probe->dc().setFont(font(fontSlot_));
            widthOfM = probe->dc().textExtent("M").w;
        }
    }
    int client = window_ ? window_->clientSize().w : 0;
    return lineWidthChars(client, kScrollBarWidth, widthOfM);
}

void TPreTextWin::show()
{
    visible_ = true;
    if (!window_)
        return;
    // New text is what the user asked for: bring it above the owner even
    // when the window is open already.
    window_->show();
    window_->bringToTop();
}

void TPreTextWin::hideWindow()
{
    visible_ = false;
    if (window_)
        window_->hide();
}

void TPreTextWin::closed() { visible_ = false; }

int TPreTextWin::showHelpText(const std::string& resourceName, const std::string& topic)
{
    const std::string& help = helpText(resourceName);
    if (!hasHelpText(resourceName) || help.size() > kMaxHelpText) {
        message(Msg::LowMemory);
        return codeOf(Msg::LowMemory);
    }
    handOver(help);
    if (!topic.empty())
        search(topic, true);
    return 0;
}

int TPreTextWin::search(const std::string& pattern, bool caseSensitive)
{
    if (pattern.empty())
        return codeOf(Msg::NothingToDo);
    const std::string t = text();
    plat::TextEditor* ed = window_ ? window_->editor() : nullptr;
    size_t caret = ed ? std::min(ed->selectionStart(), ed->selectionEnd()) : 0;
    size_t at = findInText(t, pattern, caret, !restart_, caseSensitive);
    restart_ = false;
    if (at == std::string::npos) {
        if (ed)
            ed->setSelection(0, 0);
        restart_ = true;
        return codeOf(Msg::CouldNotFind);
    }
    if (ed) {
        ed->setSelection(at, at + pattern.size());
        // Keep four lines of context above the line found.
        ed->scrollToLine(std::max(0, lineOfPosition(t, at) - 4));
    }
    return 0;
}

void TPreTextWin::restartAtTop()
{
    if (window_ && window_->editor()) {
        window_->editor()->scrollToLine(0);
        window_->editor()->setSelection(0, 0);
    }
    restart_ = true;
}

void TPreTextWin::cmSearch()
{
    std::string entry = lastSearch_;
    if (!input(Str::Input, Str::SearchFor, entry, 255))
        return;
    if (entry.empty()) {
        message(Msg::NothingToDo);
        return;
    }
    lastSearch_ = entry;
    updateMenu();
    if (int code = search(entry))
        message(code);
}

void TPreTextWin::cmNext()
{
    if (lastSearch_.empty())
        return;
    if (int code = search(lastSearch_))
        message(code);
}

void TPreTextWin::cmMinusSigns()
{
    std::string entry = "150";
    if (!input(Str::LengthenHyphens, Str::NewMinusSign, entry))
        return;
    std::string t = text();
    if (int code = replaceMinusSigns(t, entry)) {
        message(code);
        return;
    }
    text_ = cutText(t);
    refresh();
    userChanged();
}

void TPreTextWin::cmPrint()
{
    syncFromEditor();
    auto printer = plat::Platform::get().startPrinting(window_.get(), title_);
    if (!printer)
        return;
    const FontSlot& slot = fontSlot(fontSlot_);
    TTextout out(printFormat_.horizontalOffset, printFormat_.verticalOffset, title_, text_, slot.font, slot.pointSize);
    if (out.print(*printer) < 0)
        ask(plat::MessageKind::Ok, S(Str::PrintJobFailed), S(Str::Hmm));
}

void TPreTextWin::cmOffsets()
{
    TPrintFormatDlg dlg(window_.get(), printFormat_);
    int code = dlg.run();
    if (code == 0)
        printFormat_ = dlg.result();
    else if (code > 0)
        message(code);
}

void TPreTextWin::cmFont() { chooseFontSlot(fontSlot_); }

void TPreTextWin::fontChanged(int k)
{
    if (k != fontSlot_) {
        TFontWin::fontChanged(k);
        return;
    }
    if (window_ && window_->editor())
        window_->editor()->setFont(font(fontSlot_));
    syncFromEditor();
    refresh();
}

void TPreTextWin::cmSearchHelp()
{
    showText(S(Str::SearchHelp1) + "\n" + S(Str::SearchHelp2) + "\n" + S(Str::SearchHelp3) + "\n" + S(Str::SearchHelp4), S(Str::Searching));
}

void TPreTextWin::menuHelp(const std::string& resourceName) { showHelpText(resourceName); }

void TPreTextWin::command(int id)
{
    plat::TextEditor* ed = window_ ? window_->editor() : nullptr;
    switch (id) {
    case cm::Open: {
        const std::string before = fileName_;
        cmOpen();
        // A file read names the window; otherwise the title stays.
        if (fileName_ != before && window_)
            title_ = window_->caption();
        setCaption(title_);
        break;
    }
    case cm::Save:
    case cm::SaveAs: {
        syncFromEditor();
        const std::string oldName = fileName_;
        const bool oldNamed = named_;
        if (id == cm::Save ? cmSave() : cmSaveAs()) {
            if (window_)
                title_ = window_->caption();
        } else {
            // A cancelled or failed save leaves the name as it was.
            fileName_ = oldName;
            named_ = oldNamed;
        }
        setCaption(title_);
        break;
    }
    case textcmd::Print: cmPrint(); break;
    case textcmd::SelectPrinter: plat::Platform::get().printerSetup(window_.get()); break;
    case textcmd::Offsets: cmOffsets(); break;
    case textcmd::Copy:
        if (ed)
            ed->copy();
        break;
    case textcmd::Cut:
    case textcmd::Paste:
        if (ed) {
            if (id == textcmd::Cut)
                ed->cut();
            else
                ed->paste();
            syncFromEditor();
            userChanged();
        }
        break;
    case textcmd::SelectAll:
        if (ed)
            ed->selectAll();
        break;
    case textcmd::Search: cmSearch(); break;
    case textcmd::Next: cmNext(); break;
    case textcmd::RestartAtTop: restartAtTop(); break;
    case textcmd::Font: cmFont(); break;
    case textcmd::MinusSigns: cmMinusSigns(); break;
    case textcmd::SearchHelp: cmSearchHelp(); break;
    case textcmd::Close: hideWindow(); break;
    case textcmd::FileHelp: menuHelp(fileHelpName()); break;
    case textcmd::EditHelp: menuHelp(editHelpName()); break;
    default: TFontWin::command(id); break;
    }
}

int TPreTextWin::readDocument(const std::string& path)
{
    std::string bytes;
    if (!readFileStart(path, bytes, kMaxTextLength))
        return codeOf(Msg::CannotOpenFile);
    text_ = std::move(bytes);
    refresh();
    return 0;
}

bool TPreTextWin::writeDocument(const std::string& path) { return writeFileAtomically(path, text()); }

void TPreTextWin::textEdited()
{
    if (refreshing_)
        return;
    syncFromEditor();
    userChanged();
}

// --- TTextWin ---------------------------------------------------------------

TTextWin::~TTextWin() = default;

TPreTextWin& TTextWin::helpWindow()
{
    if (!help_)
        help_ = makeWindow<TPreTextWin>(frame_, S(Str::HelpTxt), 0);
    return *help_;
}

void TTextWin::menuHelp(const std::string& resourceName) { helpWindow().showHelpText(resourceName); }

// --- TNoteWin ---------------------------------------------------------------

TNoteWin::TNoteWin(TFileMsgWin& owner)
    : TPreTextWin(owner.frame(), S(Str::Notebook) + " [" + owner.fileName() + "]", 0), owner_(owner)
{
}

TNoteWin::~TNoteWin() = default;

void TNoteWin::setNotes(const std::string& text)
{
    setText(text);
    refreshCaption();
}

void TNoteWin::refreshCaption() { setTitle(S(Str::Notebook) + " [" + owner_.fileName() + "]"); }

TPreTextWin& TNoteWin::helpWindow()
{
    if (!help_)
        help_ = makeWindow<TPreTextWin>(frame_, S(Str::HelpTxt), 0);
    return *help_;
}

void TNoteWin::menuHelp(const std::string& resourceName) { helpWindow().showHelpText(resourceName); }

void TNoteWin::userChanged() { owner_.setChanged(true); }

void TNoteWin::command(int id)
{
    // The notes are saved with the owner's document, not on their own.
    if (id == cm::Open || id == cm::Save || id == cm::SaveAs)
        return;
    TPreTextWin::command(id);
}

} // namespace quan
