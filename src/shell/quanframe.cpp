#include "shell/quanframe.h"

#include "core/msgcode.h"

#include "core/fileio.h"
#include "core/qmath.h"
#include "resources/rc.h"
#include "resources/strings.h"

#include "quandel_version.h"

namespace quan {

namespace {

void putInt(std::string& s, int32_t v)
{
    uint32_t u = static_cast<uint32_t>(v);
    for (int i = 0; i < 4; ++i)
        s += static_cast<char>((u >> (8 * i)) & 0xFF);
}

int32_t getInt(const std::string& s, size_t at)
{
    uint32_t u = 0;
    for (int i = 0; i < 4; ++i)
        u |= static_cast<uint32_t>(static_cast<unsigned char>(s[at + static_cast<size_t>(i)])) << (8 * i);
    return static_cast<int32_t>(u);
}

const char* extensionOfKind(WindowKind k)
{
    switch (k) {
    case WindowKind::Apportionment: return ".hor";
    case WindowKind::Graphs: return ".gra";
    case WindowKind::Banzhaf: return ".bnz";
    case WindowKind::Voting: return ".vot";
    case WindowKind::Packing: return ".bpa";
    case WindowKind::Scheduling: return ".grs";
    }
    return "";
}

} // namespace

std::string MainSettings::toBytes() const
{
    std::string s;
    putInt(s, left);
    putInt(s, top);
    putInt(s, width);
    putInt(s, height);
    s += static_cast<char>(maximized ? 1 : 0);
    s += static_cast<char>(openLast ? 1 : 0);
    s += static_cast<char>(useDefaults ? 1 : 0);
    return s;
}

bool MainSettings::fromBytes(const std::string& b)
{
    // Exactly the 19-byte record with flag bytes of 0 or 1; anything else is
    // not ours and the defaults stay.
    if (b.size() != 19)
        return false;
    for (size_t i = 16; i < 19; ++i)
        if (b[i] != 0 && b[i] != 1)
            return false;
    MainSettings m;
    m.left = getInt(b, 0);
    m.top = getInt(b, 4);
    m.width = getInt(b, 8);
    m.height = getInt(b, 12);
    m.maximized = b[16] == 1;
    m.openLast = b[17] == 1;
    m.useDefaults = b[18] == 1;
    // The two switches are never both on.
    if (m.openLast && m.useDefaults)
        m.openLast = false;
    *this = m;
    return true;
}

bool MainSettings::fits(plat::Size screen) const
{
    return left >= 0 && top >= 0 && height >= 72 && width >= 120 &&
           static_cast<long long>(left) + width <= screen.w && static_cast<long long>(top) + height <= screen.h;
}

std::string extensionOf(const std::string& path)
{
    std::string name = TFileMsgWin::namePart(path);
    size_t dot = name.rfind('.');
    if (dot == std::string::npos)
        return "";
    return toUpper(name.substr(dot + 1));
}

std::string joinArguments(int argc, const char* const* argv)
{
    std::string s;
    for (int i = 1; i < argc; ++i) {
        if (i > 1)
            s += ' ';
        s += argv[i];
    }
    return s;
}

TQuanFrame::TQuanFrame()
{
    Random& r = Random::shared();
    settings_.left = 100 + r.below(200);
    settings_.top = 20 + r.below(40);
    settings_.width = 200;
    settings_.height = 120;
}

TQuanFrame::~TQuanFrame()
{
    // Document windows go first; they may still refer to the main window.
    for (auto& s : slots_)
        s.reset();
}

void TQuanFrame::registerKind(WindowKind kind, Factory f) { factories_[kind] = std::move(f); }

std::string TQuanFrame::settingsPath() const
{
    return plat::Platform::get().settingsDirectory() + "qn.ini";
}

void TQuanFrame::create(const std::string& startupFile)
{
    auto& p = plat::Platform::get();
    plat::WindowOptions o;
    o.caption = S(Str::Quandel);
    o.acceptDrops = true;
    window_ = p.createWindow(this, o);
    window_->setMenu(menuResource("QUANMENU"));
    window_->setAccelerators(acceleratorResource("QUANMENU"));

    std::string bytes;
    if (readWholeFile(settingsPath(), bytes, 4096))
        settings_.fromBytes(bytes);
    if (!settings_.fits(p.screenSize())) {
        Random& r = Random::shared();
        settings_.left = r.below(30);
        settings_.top = r.below(30);
        settings_.width = 120;
        settings_.height = 72;
        settings_.maximized = false;
    }
    window_->setGeometry({settings_.left, settings_.top, settings_.left + settings_.width,
                          settings_.top + settings_.height});
    updateChecks();
    window_->setAcceptDrops(true);
    window_->show();
    if (settings_.maximized)
        window_->showMaximized();
    if (!startupFile.empty())
        openByName(startupFile);
}

void TQuanFrame::updateChecks()
{
    if (!window_)
        return;
    window_->checkMenuItem(cm::UseDefaults, settings_.useDefaults);
    window_->checkMenuItem(cm::OpenLast, settings_.openLast);
}

void TQuanFrame::openByName(const std::string& path)
{
    std::string ext = extensionOf(path);
    if (ext.empty())
        return;
    if (window_)
        window_->bringToTop();
    if (ext == "GRA")
        newWindow(WindowKind::Graphs, path);
    else if (ext == "HOR")
        newWindow(WindowKind::Apportionment, path);
    else if (ext == "BNZ")
        newWindow(WindowKind::Banzhaf, path);
    else if (ext == "VOT")
        newWindow(WindowKind::Voting, path);
    else if (ext == "GRS")
        newWindow(WindowKind::Scheduling, path);
    else if (ext == "BPA")
        newWindow(WindowKind::Packing, path);
    else if (ext == "G6" || ext == "DG6" || ext == "S6" || ext == "D6") {
        if (!importFactory_) {
            message(Msg::NotYetAvailable);
            return;
        }
        int slot = -1;
        for (int i = 0; i < kSlots && slot < 0; ++i)
            if (markers_[static_cast<size_t>(i)] < 1)
                slot = i;
        if (slot < 0) {
            message(Msg::NoFreeSlot);
            return;
        }
        DocInit init{path, 6, slot, false, !settings_.useDefaults};
        auto w = importFactory_(this, init);
        if (!w)
            return;
        markers_[static_cast<size_t>(slot)] = 10;
        slots_[static_cast<size_t>(slot)] = std::move(w);
        creationOrder_.push_back(slot);
        slots_[static_cast<size_t>(slot)]->create();
    }
}

TFileMsgWin* TQuanFrame::newWindow(WindowKind kind, const std::string& path)
{
    int slot = -1;
    for (int i = 0; i < kSlots && slot < 0; ++i)
        if (markers_[static_cast<size_t>(i)] < 1)
            slot = i;
    if (slot < 0) {
        message(Msg::NoFreeSlot);
        return nullptr;
    }
    auto f = factories_.find(kind);
    if (f == factories_.end()) {
        message(Msg::NotYetAvailable);
        return nullptr;
    }
    DocInit init;
    init.fileName = path;
    if (path.empty()) {
        ++counter_;
        init.fileName = S(Str::Noname) + std::to_string(counter_) + extensionOfKind(kind);
    }
    init.version = 6;
    init.slot = slot;
    init.openLast = settings_.openLast;
    init.readSettings = kind == WindowKind::Apportionment ? false : !settings_.useDefaults;
    auto w = f->second(this, init);
    if (!w)
        return nullptr;
    markers_[static_cast<size_t>(slot)] = 10;
    slots_[static_cast<size_t>(slot)] = std::move(w);
    creationOrder_.push_back(slot);
    TFileMsgWin* win = slots_[static_cast<size_t>(slot)].get();
    win->create();
    if (!path.empty()) {
        int code = win->readDocument(path);
        if (code > 0) {
            win->message(code);
            // What the window shows is not that file: it stands unnamed, as
            // a new window does, so that Save never writes it over the file.
            ++counter_;
            win->setFileName(S(Str::Noname) + std::to_string(counter_) + extensionOfKind(kind));
            win->setNamed(false);
            win->setChanged(false);
        } else {
            win->adoptReadFile(path);
        }
        win->refreshTitle();
    }
    if (init.openLast)
        win->openLastDocument();
    if (win->window())
        win->window()->show();
    return win;
}

void TQuanFrame::receiveFile(const std::string& name)
{
    std::string n = name.substr(0, 255);
    if (window_) {
        if (window_->isMinimized())
            window_->restore();
        window_->bringToTop();
    }
    if (n.size() >= 2)
        openByName(n);
}

void TQuanFrame::documentClosed(int slot)
{
    if (slot < 0 || slot >= kSlots)
        return;
    markers_[static_cast<size_t>(slot)] = 0;
    std::erase(creationOrder_, slot);
    // The window object may be running one of its own handlers: destroy it
    // once that has returned.
    auto* raw = slots_[static_cast<size_t>(slot)].release();
    plat::Platform::get().defer([raw] { delete raw; });
}

TFileMsgWin* TQuanFrame::document(int slot) const
{
    if (slot < 0 || slot >= kSlots || markers_[static_cast<size_t>(slot)] < 1)
        return nullptr;
    return slots_[static_cast<size_t>(slot)].get();
}

int TQuanFrame::documentCount() const
{
    int n = 0;
    for (int m : markers_)
        n += m >= 1 ? 1 : 0;
    return n;
}

TFileMsgWin* TQuanFrame::newestDocument() const
{
    return creationOrder_.empty() ? nullptr : document(creationOrder_.back());
}

void TQuanFrame::message(int n, const std::string& title)
{
    plat::Platform::get().messageBox(window_.get(), plat::MessageKind::Ok, messageText(n),
                                     title.empty() ? S(Str::Hmm) : title);
}

void TQuanFrame::writeSettings()
{
    if (window_) {
        plat::Rect g = window_->geometry();
        settings_.maximized = window_->isMaximized();
        if (!settings_.maximized) {
            settings_.left = g.left;
            settings_.top = g.top;
            settings_.width = g.width();
            settings_.height = g.height();
        }
    }
    // A settings file that cannot be written is skipped silently.
    writeFileAtomically(settingsPath(), settings_.toBytes());
}

bool TQuanFrame::canClose()
{
    // A "no" clears a window's changed flag; when a later window refuses,
    // the system stays up and those windows must still ask later.
    std::vector<TFileMsgWin*> askedChanged;
    for (int i = 0; i < kSlots; ++i) {
        TFileMsgWin* w = markers_[static_cast<size_t>(i)] >= 1 ? slots_[static_cast<size_t>(i)].get() : nullptr;
        if (!w)
            continue;
        bool wasChanged = w->changed();
        if (!w->canClose()) {
            for (TFileMsgWin* a : askedChanged)
                if (!a->changed())
                    a->setChanged(true);
            return false;
        }
        if (wasChanged)
            askedChanged.push_back(w);
    }
    return true;
}

bool TQuanFrame::shutDown()
{
    if (shutDown_)
        return true;
    if (!canClose())
        return false;
    closed();
    return true;
}

void TQuanFrame::closed()
{
    if (shutDown_)
        return;
    shutDown_ = true;
    // Every document window closes (and writes its own settings) before the
    // main window records its own.
    for (int i = 0; i < kSlots; ++i)
        if (markers_[static_cast<size_t>(i)] >= 1 && slots_[static_cast<size_t>(i)]) {
            slots_[static_cast<size_t>(i)]->setChanged(false);
            slots_[static_cast<size_t>(i)]->closeWindow();
        }
    writeSettings();
    if (window_)
        window_->hide();
    plat::Platform::get().quit();
}

void TQuanFrame::filesDropped(const std::vector<std::string>& paths)
{
    for (const auto& p : paths)
        openByName(p);
}

void TQuanFrame::paint(plat::DC& dc)
{
    plat::Size s = window_ ? window_->clientSize() : plat::Size{};
    dc.fillRect({0, 0, s.w, s.h}, plat::rgb(240, 240, 240));
}

void TQuanFrame::showAbout()
{
    std::string text = std::string("Quandel\n") +
                       "a workbench for the mathematics of social choice and networks\n"
                       "version " QUANDEL_VERSION_DATE "\n\n"
                       "Apportionment, weighted voting, elections, graphs, scheduling and bin packing.";
    plat::Platform::get().aboutBox(window_.get(), text, S(Str::AboutQuandel));
}

void TQuanFrame::command(int id)
{
    switch (id) {
    case static_cast<int>(WindowKind::Apportionment):
    case static_cast<int>(WindowKind::Graphs):
    case static_cast<int>(WindowKind::Banzhaf):
    case static_cast<int>(WindowKind::Voting):
    case static_cast<int>(WindowKind::Packing):
    case static_cast<int>(WindowKind::Scheduling):
        newWindow(static_cast<WindowKind>(id), "");
        break;
    case cm::OpenLast:
        settings_.openLast = !settings_.openLast;
        if (settings_.useDefaults)
            settings_.useDefaults = false;
        updateChecks();
        break;
    case cm::UseDefaults:
        settings_.useDefaults = !settings_.useDefaults;
        if (settings_.openLast)
            settings_.openLast = false;
        updateChecks();
        break;
    case cm::QuitApp:
        shutDown();
        break;
    case cm::ProgHelp:
        if (helpHandler_)
            helpHandler_(S(Str::HelpTxt), helpText("PROGHELP"));
        else
            plat::Platform::get().messageBox(window_.get(), plat::MessageKind::Ok, helpText("PROGHELP"), S(Str::HelpTxt));
        break;
    case cm::About:
        showAbout();
        break;
    default:
        break;
    }
}

} // namespace quan
