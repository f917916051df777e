#include "graphics/velwin.h"

#include "core/msgcode.h"

#include "core/fileio.h"
#include "core/qmath.h"
#include "resources/rc.h"
#include "resources/strings.h"
#include "text/colwin.h"
#include "text/printformatdlg.h"

namespace quan {

TVELWin::TVELWin(TQuanFrame* frame, DocInit init) : TPreWin(frame, std::move(init)) {}

TVELWin::~TVELWin()
{
    // The owned windows go before the platform window of their owner.
    note_.reset();
    text_.reset();
    help_.reset();
}

std::string TVELWin::settingsPath() const
{
    return plat::Platform::get().settingsDirectory() + settingsFileName();
}

bool TVELWin::readSettings()
{
    if (settingsFileName().empty())
        return false;
    SettingsState s;
    s.header = headerState();
    if (!ReadSettingsFile(settingsPath(), s))
        return false;
    applyHeaderState(s.header);
    loadParameters(s);
    lastDocument_ = s.documentName;
    return true;
}

void TVELWin::writeSettingsOnClose()
{
    if (settingsFileName().empty())
        return;
    SettingsState s;
    s.header = headerState();
    storeParameters(s);
    s.documentName = fileName_.substr(0, kDocumentNameBytes - 1);
    // A settings file that cannot be written is skipped silently.
    WriteSettingsFile(settingsPath(), s);
}

void TVELWin::refreshTitle()
{
    TFileMsgWin::refreshTitle();
    if (note_)
        note_->refreshCaption();
}

void TVELWin::openLastDocument()
{
    if (lastDocument_.empty() || !fileExists(lastDocument_))
        return;
    int code = readDocument(lastDocument_);
    if (code > 0) {
        message(code);
        return;
    }
    adoptReadFile(lastDocument_);
    refreshTitle();
}

void TVELWin::setup()
{
    if (!window_)
        return;
    if (init_.readSettings)
        readSettings();
    window_->setMenu(menuBar());
    window_->setAccelerators(accelerators());
    window_->checkMenuItem(gcm::WithBackColor, withBackColor_);
    helpWindow();
    textWindow();
    colorWindow();
    if (wantsNotebook())
        notebook();
}

plat::Menu TVELWin::menuBar() const { return menuResource("PICMENU"); }

std::vector<plat::Accelerator> TVELWin::accelerators() const { return acceleratorResource("PICMENU"); }

namespace {
// The label of the popup whose direct item has the id, without its '&'.
bool popupOf(const std::vector<plat::MenuItem>& items, int id, std::string& label)
{
    for (const auto& it : items) {
        if (it.items.empty())
            continue;
        for (const auto& sub : it.items)
            if (sub.id == id && !sub.separator) {
                label = stripAmpersand(it.label);
                return true;
            }
        if (popupOf(it.items, id, label))
            return true;
    }
    return false;
}
} // namespace

std::string TVELWin::menuHelpName(int id) const
{
    if (!window_ || (id != gcm::FileHelp && id != gcm::ViewHelp && id != gcm::ColorsHelp))
        return "";
    // The shared texts belong to the Help items of the File, View and
    // Colors menus; a topic's own menus have their own texts.
    std::string popup;
    if (!popupOf(window_->menu(), id, popup))
        return "";
    if (popup == "File")
        return "QNPICFH";
    if (popup == "View")
        return "QNPICVH";
    if (popup == "Colors")
        return "QNPICCH";
    return "";
}

TTextWin& TVELWin::helpWindow()
{
    if (!help_)
        help_ = makeWindow<TTextWin>(frame_, S(Str::HelpTxt));
    return *help_;
}

TTextWin& TVELWin::textWindow()
{
    if (!text_)
        text_ = makeWindow<TTextWin>(frame_, S(Str::Noname) + ".txt");
    return *text_;
}

TNoteWin& TVELWin::notebook()
{
    if (!note_)
        note_ = makeWindow<TNoteWin>(*this);
    return *note_;
}

std::string TVELWin::notebookText() const { return note_ ? note_->notes() : ""; }

int TVELWin::showHelp(const std::string& resourceName) { return helpWindow().showHelpText(resourceName); }

void TVELWin::handText(const std::string& text)
{
    std::string caption = window_ ? window_->caption() : namePart(fileName_);
    TTextWin& t = textWindow();
    t.setTitle(caption);
    t.handOver(text);
    recordHandedText(caption, t.text());
}

HeaderState TVELWin::headerState() const
{
    HeaderState h = headerStateFor(windowKind());
    if (window_) {
        plat::Rect g = window_->geometry();
        h.placement = {g.left, g.top, g.width(), g.height(), window_->isMaximized()};
    }
    h.printFormat = printFormat_;
    h.fonts = fonts_;
    h.roles = roles_;
    h.colors = colors_;
    return h;
}

void TVELWin::applyHeaderState(const HeaderState& h)
{
    printFormat_ = h.printFormat;
    fonts_ = h.fonts;
    for (int k = 0; k < kColorRoles; ++k)
        setColorRole(k, h.roles[static_cast<size_t>(k)]);
    setColorTable(h.colors);
}

ScreenMetrics TVELWin::screenMetrics()
{
    ScreenMetrics m;
    auto& p = plat::Platform::get();
    auto cap = [&p](plat::Cap c, int fallback) {
        int v = p.screenCaps(c);
        return v > 0 ? v : fallback;
    };
    m.logPixelsX = cap(plat::Cap::LogPixelsX, 96);
    m.logPixelsY = cap(plat::Cap::LogPixelsY, 96);
    m.horzRes = cap(plat::Cap::HorzRes, p.screenSize().w);
    m.vertRes = cap(plat::Cap::VertRes, p.screenSize().h);
    return m;
}

int TVELWin::setImageSize(const std::string& width, const std::string& height)
{
    if (!window_)
        return codeOf(Msg::NothingToDo);
    plat::Rect g = window_->geometry();
    plat::Size client = window_->clientSize();
    plat::Size frameSize{std::max(0, g.width() - client.w), std::max(0, g.height() - client.h)};
    plat::Size want;
    if (int code = parseImageSize(width, height, screenMetrics(), frameSize, want))
        return code;
    window_->setGeometry({10, 10, 10 + want.w + frameSize.w, 10 + want.h + frameSize.h});
    imageSized();
    return 0;
}

void TVELWin::cmImageSize()
{
    ScreenMetrics m = screenMetrics();
    plat::Size c = clientSize();
    std::string w = imageSizeText(c.w, m.logPixelsX), h = imageSizeText(c.h, m.logPixelsY);
    if (!input2(S(Str::SizeOfDrawing), S(Str::Width), S(Str::Height), w, h))
        return;
    if (int code = setImageSize(w, h))
        message(code);
}

void TVELWin::cmFormat()
{
    TPrintFormatDlg d(window_.get(), printFormat_);
    int code = d.run();
    if (code < 0)
        return;
    if (code > 0) {
        message(code);
        return;
    }
    printFormat_ = d.result();
    printFormatChanged();
    invalidateLayers();
}

void TVELWin::cmWithBackColor()
{
    withBackColor_ = !withBackColor_;
    if (window_)
        window_->checkMenuItem(gcm::WithBackColor, withBackColor_);
}

void TVELWin::cmNotebook()
{
    TNoteWin& n = notebook();
    n.refreshCaption();
    n.show();
}

void TVELWin::command(int id)
{
    std::string help = menuHelpName(id);
    if (!help.empty()) {
        showHelp(help);
        return;
    }
    switch (id) {
    case gcm::Format: cmFormat(); return;
    case gcm::SelectPrinter: plat::Platform::get().printerSetup(window_.get()); return;
    case gcm::ImageSize: cmImageSize(); return;
    case gcm::WithBackColor: cmWithBackColor(); return;
    case gcm::Notebook: cmNotebook(); return;
    case gcm::DecimalPlaces:
    case gcm::DecimalPlacesMisc: cmDecimalPlaces(); return;
    // Printing, clipboard copies and metafiles come with their writers.
    case gcm::Print:
    case gcm::Simulprint:
    case gcm::CopyToClipboard:
    case gcm::BitmapToClipboard:
    case gcm::Metafile: message(Msg::NotYetAvailable); return;
    default: break;
    }
    TPreWin::command(id);
}

} // namespace quan
