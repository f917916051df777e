#include "platform/headless.h"

#include "core/qmath.h"

#include <algorithm>
#include <chrono>
#include <cctype>
#include <filesystem>
#include <unistd.h>

namespace quan::plat {

namespace {

std::string lowerNoAmp(const std::string& s)
{
    std::string out;
    for (char ch : quan::stripAmpersand(s))
        out += static_cast<char>(quan::asciiLower(ch));
    // Labels may carry a trailing " ..." or "\t..." shortcut hint.
    size_t tab = out.find('\t');
    if (tab != std::string::npos)
        out.resize(tab);
    while (!out.empty() && out.back() == ' ')
        out.pop_back();
    return out;
}

// A label matches the wanted text ignoring the '&' markers and case, and
// also without its decorations: a trailing "...", a leading "8 = " and a
// trailing " (U)" (so "Huntington-Hill" finds "&8 = Huntington-Hill" and
// "1990" finds "1990 (&U)").
bool sameLabel(const std::string& label, const std::string& want)
{
    auto strip = [](std::string s) {
        while (!s.empty() && (s.back() == '.' || s.back() == ' '))
            s.pop_back();
        return s;
    };
    std::string b = strip(lowerNoAmp(want));
    std::string a = strip(lowerNoAmp(label));
    if (a == b)
        return true;
    size_t eq = a.find(" = ");
    if (eq != std::string::npos && eq <= 2 && strip(a.substr(eq + 3)) == b)
        return true;
    if (a.size() > 4 && a.back() == ')' && a[a.size() - 4] == ' ' && a[a.size() - 3] == '(')
        return strip(a.substr(0, a.size() - 4)) == b;
    return false;
}

MenuItem* findItem(std::vector<MenuItem>& items, int id)
{
    for (auto& it : items) {
        if (it.id == id && !it.separator)
            return &it;
        if (auto* sub = findItem(it.items, id))
            return sub;
    }
    return nullptr;
}

const MenuItem* findItemC(const std::vector<MenuItem>& items, int id)
{
    return findItem(const_cast<std::vector<MenuItem>&>(items), id);
}

} // namespace

// --- platform -------------------------------------------------------------

HeadlessPlatform::HeadlessPlatform() = default;

HeadlessPlatform::~HeadlessPlatform()
{
    flush();
}

void HeadlessPlatform::record(const std::string& line)
{
    messages_.push_back(line);
    if (echo_)
        *echo_ << line << '\n' << std::flush;
}

void HeadlessPlatform::dialogText(const std::string& name, int id, const std::string& text)
{
    if (HeadlessDialog* d = visibleDialog(name); d && !d->modal) {
        d->type(id, text);
        return;
    }
    dialogActions_[name].push_back({false, id, text});
}

void HeadlessPlatform::press(const std::string& name, int id)
{
    if (HeadlessDialog* d = visibleDialog(name); d && !d->modal) {
        d->press(id);
        flush();
        return;
    }
    dialogActions_[name].push_back({true, id, {}});
}

void HeadlessPlatform::applyQueued(HeadlessDialog& d)
{
    auto it = dialogActions_.find(d.name());
    if (it == dialogActions_.end())
        return;
    // Take the queue first: a press may close, reopen or destroy the dialog.
    std::deque<DialogAction> queue = std::move(it->second);
    it->second.clear();
    for (const auto& a : queue) {
        if (a.isPress)
            d.press(a.id);
        else
            d.type(a.id, a.text);
    }
}

std::string HeadlessPlatform::unusedScript() const
{
    std::string out;
    if (!answers_.empty())
        out += std::to_string(answers_.size()) + " answer(s) ";
    if (!inputs_.empty() || !inputs2_.empty())
        out += std::to_string(inputs_.size() + inputs2_.size()) + " input(s) ";
    if (!files_.empty())
        out += std::to_string(files_.size()) + " file(s) ";
    for (const auto& kv : dialogActions_)
        if (!kv.second.empty())
            out += "dialog " + kv.first + " ";
    if (!keys_.empty())
        out += std::to_string(keys_.size()) + " key(s) ";
    return out;
}

bool HeadlessPlatform::scriptEmpty() const
{
    bool actions = std::all_of(dialogActions_.begin(), dialogActions_.end(),
                               [](const auto& kv) { return kv.second.empty(); });
    return answers_.empty() && inputs_.empty() && inputs2_.empty() && files_.empty() && actions;
}

std::vector<HeadlessWindow*> HeadlessPlatform::windows() const { return windows_; }

HeadlessDialog* HeadlessPlatform::visibleDialog(const std::string& name) const
{
    for (auto it = dialogs_.rbegin(); it != dialogs_.rend(); ++it)
        if ((*it)->name() == name && (*it)->isVisible())
            return *it;
    return nullptr;
}

int HeadlessPlatform::dialogCount(const std::string& name) const
{
    int n = 0;
    for (const HeadlessDialog* d : dialogs_)
        n += d->name() == name;
    return n;
}

void HeadlessPlatform::setSettingsDirectory(const std::string& dir)
{
    settingsDir_ = dir;
    if (!settingsDir_.empty() && settingsDir_.back() != '/')
        settingsDir_ += '/';
    std::error_code ec;
    std::filesystem::create_directories(settingsDir_, ec);
}

std::string HeadlessPlatform::settingsDirectory()
{
    if (settingsDir_.empty()) {
        // A private folder per run, so that tests never share settings.
        static int counter = 0;
        auto dir = std::filesystem::temp_directory_path() /
                   ("quandel-headless-" + std::to_string(getpid()) + "-" + std::to_string(++counter));
        setSettingsDirectory(dir.string());
    }
    return settingsDir_;
}

std::string HeadlessPlatform::startDirectory()
{
    std::error_code ec;
    return std::filesystem::current_path(ec).string();
}

void HeadlessPlatform::flush()
{
    while (!deferred_.empty()) {
        auto batch = std::move(deferred_);
        deferred_.clear();
        for (auto& f : batch)
            f();
    }
}

std::unique_ptr<Window> HeadlessPlatform::createWindow(WindowHandler* handler, const WindowOptions& opts)
{
    auto w = std::make_unique<HeadlessWindow>(this, handler, opts);
    return w;
}

std::unique_ptr<Dialog> HeadlessPlatform::createDialog(const DialogTemplate& t, DialogHandler* handler, Window*)
{
    auto d = std::make_unique<HeadlessDialog>(this, t, handler);
    if (handler)
        handler->init(*d);
    return d;
}

int HeadlessPlatform::runModal(Dialog& dlg)
{
    auto& d = static_cast<HeadlessDialog&>(dlg);
    d.modal = true;
    d.reset();
    d.show();
    const std::string& name = d.name();
    auto finish = [&d, this] {
        lastDialogTexts_ = d.allTexts();
        d.hide();
        d.modal = false;
        return d.result();
    };
    if (name == "ONEINPUT" && !inputs_.empty() && dialogActions_[name].empty()) {
        auto in = inputs_.front();
        inputs_.pop_front();
        if (in) {
            d.type(102, *in);
            d.press(IdOk);
        } else {
            d.press(IdCancel);
        }
        return finish();
    }
    if (name == "TWOINPUT" && !inputs2_.empty() && dialogActions_[name].empty()) {
        auto in = inputs2_.front();
        inputs2_.pop_front();
        if (in) {
            d.type(102, in->first);
            d.type(104, in->second);
            d.press(IdOk);
        } else {
            d.press(IdCancel);
        }
        return finish();
    }
    auto& queue = dialogActions_[name];
    while (!d.ended()) {
        if (queue.empty()) {
            d.hide();
            d.modal = false;
            std::string title = d.title().empty() ? name : d.title();
            throw ScriptError("the dialog \"" + name + "\" (" + title + ") was not answered by the script");
        }
        DialogAction a = queue.front();
        queue.pop_front();
        if (a.isPress)
            d.press(a.id);
        else
            d.type(a.id, a.text);
    }
    return finish();
}

int HeadlessPlatform::messageBox(Window*, MessageKind kind, const std::string& text, const std::string& title)
{
    std::string flat = text;
    std::replace(flat.begin(), flat.end(), '\n', ' ');
    std::erase(flat, '\r');
    if (kind == MessageKind::Ok) {
        record("message: " + title + ": " + flat);
        return IdOk;
    }
    record("question: " + title + ": " + flat);
    if (answers_.empty())
        throw ScriptError("the question \"" + flat + "\" (" + title + ") was not answered by the script");
    int a = answers_.front();
    answers_.pop_front();
    // A yes/no box has no cancel: cancel counts as no there. An answer of
    // "ok" stands for Enter, which presses the default button.
    const bool yesNo = kind == MessageKind::YesNo || kind == MessageKind::YesNoDefaultNo;
    if (yesNo && a == IdCancel)
        a = IdNo;
    if (kind == MessageKind::YesNo && a == IdOk)
        a = IdYes;
    if (kind == MessageKind::YesNoDefaultNo && a == IdOk)
        a = IdNo;
    if (kind == MessageKind::YesNoCancel && a == IdOk)
        a = IdYes;
    return a;
}

std::optional<std::string> HeadlessPlatform::nextFile(const char* what)
{
    if (files_.empty())
        throw ScriptError(std::string("the ") + what + " file dialog was not answered by the script");
    auto f = files_.front();
    files_.pop_front();
    return f;
}

std::optional<std::string> HeadlessPlatform::openFileDialog(Window*, const FileDialogOptions&)
{
    return nextFile("open");
}

std::optional<std::string> HeadlessPlatform::saveFileDialog(Window*, const FileDialogOptions& o)
{
    auto f = nextFile("save");
    // Like the desktop dialog, a name without an extension gets the default;
    // a folder (a name ending with a separator) stays as it is.
    if (f && !o.defaultExt.empty()) {
        std::string name = std::filesystem::path(*f).filename().string();
        if (!name.empty() && name.find('.') == std::string::npos)
            *f += "." + quan::toLower(o.defaultExt);
    }
    return f;
}

bool HeadlessPlatform::chooseFont(Window*, FontChoice&)
{
    if (answers_.empty())
        throw ScriptError("the font dialog was not answered by the script");
    int a = answers_.front();
    answers_.pop_front();
    return a == IdOk || a == IdYes;
}

namespace {
class HeadlessPrinter : public Printer {
public:
    HeadlessPrinter(std::vector<PrintedPage>& out, const std::map<Cap, int>& caps, bool fail)
        : out_(out), caps_(caps), fail_(fail)
    {
    }
    bool beginPage() override
    {
        current_ = std::make_unique<RecordingDC>();
        // A letter page at 300 dpi with a quarter-inch unprintable margin.
        current_->setCaps(Cap::LogPixelsX, 300);
        current_->setCaps(Cap::LogPixelsY, 300);
        current_->setCaps(Cap::HorzRes, 2400);
        current_->setCaps(Cap::VertRes, 3150);
        current_->setCaps(Cap::HorzSize, 203);
        current_->setCaps(Cap::VertSize, 267);
        current_->setCaps(Cap::PhysicalOffsetX, 75);
        current_->setCaps(Cap::PhysicalOffsetY, 75);
        current_->setCaps(Cap::ColorDevice, 1);
        for (const auto& [c, v] : caps_)
            current_->setCaps(c, v);
        return true;
    }
    DC& dc() override { return *current_; }
    bool endPage() override
    {
        if (fail_)
            return false;
        out_.push_back({std::move(current_)});
        return true;
    }
    bool finish() override { return !fail_; }

private:
    std::vector<PrintedPage>& out_;
    std::map<Cap, int> caps_;
    bool fail_ = false;
    std::unique_ptr<RecordingDC> current_;
};
} // namespace

std::unique_ptr<Printer> HeadlessPlatform::startPrinting(Window*, const std::string&)
{
    if (answers_.empty())
        throw ScriptError("the print dialog was not answered by the script");
    int a = answers_.front();
    answers_.pop_front();
    if (a == IdCancel || a == IdNo)
        return nullptr;
    return std::make_unique<HeadlessPrinter>(printed_, printerCaps_, printFailure_);
}

int HeadlessPlatform::pollKey(Window*)
{
    ++polls_;
    if (keys_.empty()) {
        // A computation that only a key can stop would run for ever in a
        // script that gave none: after a generous time, stop the run.
        if (++idlePolls_ % 65536 == 0) {
            auto now = std::chrono::steady_clock::now();
            if (idlePolls_ == 65536)
                idleSince_ = now;
            else if (now - idleSince_ > std::chrono::seconds(pollPatienceSeconds_))
                throw ScriptError("a computation waits for a key (Q stops it) that the script did not give");
        }
        return 0;
    }
    idlePolls_ = 0;
    if (keys_.front().afterPolls > 0) {
        --keys_.front().afterPolls;
        return 0;
    }
    int k = keys_.front().key;
    keys_.pop_front();
    if (k >= 'a' && k <= 'z')
        k -= 'a' - 'A';
    return k;
}

std::unique_ptr<Bitmap> HeadlessPlatform::createBitmap(Size s)
{
    if (bitmapFailure_)
        return nullptr;
    return std::make_unique<MemoryBitmap>(s);
}

int HeadlessPlatform::screenCaps(Cap c)
{
    switch (c) {
    case Cap::LogPixelsX:
    case Cap::LogPixelsY: return 96;
    case Cap::HorzRes: return screen_.w;
    case Cap::VertRes: return screen_.h;
    case Cap::HorzSize: return screen_.w * 254 / 960;
    case Cap::VertSize: return screen_.h * 254 / 960;
    case Cap::ColorDevice: return 1;
    default: return 0;
    }
}

// --- editor -----------------------------------------------------------------

void HeadlessEditor::setText(const std::string& text)
{
    text_ = text;
    selStart_ = selEnd_ = std::min(selEnd_, text_.size());
    selStart_ = selEnd_;
}

void HeadlessEditor::setSelection(size_t start, size_t end)
{
    selStart_ = std::min(start, text_.size());
    selEnd_ = std::min(end, text_.size());
}

void HeadlessEditor::copy()
{
    if (platform && selEnd_ > selStart_)
        platform->setClipboardText(text_.substr(selStart_, selEnd_ - selStart_));
}

void HeadlessEditor::cut()
{
    size_t a = std::min(selStart_, selEnd_), b = std::max(selStart_, selEnd_);
    if (b == a)
        return;
    copy();
    text_.erase(a, b - a);
    selStart_ = selEnd_ = a;
    modified_ = true;
    if (handler)
        handler->textEdited();
}

void HeadlessEditor::paste()
{
    if (!platform)
        return;
    type(platform->clipboardText());
}

void HeadlessEditor::type(const std::string& s)
{
    size_t a = std::min(selStart_, selEnd_), b = std::max(selStart_, selEnd_);
    text_.replace(a, b - a, s);
    selStart_ = selEnd_ = a + s.size();
    modified_ = true;
    if (handler)
        handler->textEdited();
}

void HeadlessPlatform::setClipboardText(const std::string& text)
{
    clipboard_ = text;
    clipPicture_ = {};
    clipboardChanged();
}

void HeadlessPlatform::clipboardChanged()
{
    ++clipboardChanges_;
    for (HeadlessWindow* w : std::vector<HeadlessWindow*>(windows_))
        if (w->handler())
            w->handler()->clipboardChanged();
}

void HeadlessPlatform::setClipboardBitmap(const Bitmap& b)
{
    ClipboardPicture p;
    p.bitmap = &b;
    setClipboardPicture(p);
}

void HeadlessPlatform::setClipboardPicture(const ClipboardPicture& p)
{
    ClipboardRecord r;
    if (p.bitmap) {
        r.hasBitmap = true;
        r.size = p.bitmap->size();
        r.pixels.reserve(static_cast<size_t>(std::max(0, r.size.w)) * static_cast<size_t>(std::max(0, r.size.h)));
        for (int y = 0; y < r.size.h; ++y)
            for (int x = 0; x < r.size.w; ++x)
                r.pixels.push_back(p.bitmap->pixel(x, y));
    }
    r.svg = p.svg;
    r.emf = p.emf;
    clipboard_.clear();
    clipPicture_ = std::move(r);
    clipboardChanged();
}

// --- window -----------------------------------------------------------------

HeadlessWindow::HeadlessWindow(HeadlessPlatform* p, WindowHandler* h, const WindowOptions& o)
    : platform_(p), handler_(h), caption_(o.caption), drops_(o.acceptDrops)
{
    if (o.geometry.width() > 0 && o.geometry.height() > 0)
        geometry_ = o.geometry;
    if (o.textEditor) {
        editor_ = std::make_unique<HeadlessEditor>();
        editor_->platform = p;
        editor_->handler = h;
    }
    p->windows_.push_back(this);
}

HeadlessWindow::~HeadlessWindow()
{
    std::erase(platform_->windows_, this);
    if (platform_->top_ == this)
        platform_->top_ = nullptr;
}

void HeadlessWindow::bringToTop()
{
    visible_ = true;
    minimized_ = false;
    platform_->top_ = this;
}

void HeadlessWindow::setScrollBar(ScrollBarKind which, const ScrollBarState& state)
{
    (which == ScrollBarKind::Vertical ? vScroll_ : hScroll_) = state;
}

void HeadlessWindow::userScroll(ScrollBarKind which, int pos)
{
    ScrollBarState& s = which == ScrollBarKind::Vertical ? vScroll_ : hScroll_;
    s.pos = std::clamp(pos, 0, std::max(0, s.max - s.page + 1));
    if (handler_)
        handler_->scrolled(which, s.pos);
}

void HeadlessWindow::checkMenuItem(int id, bool checked)
{
    if (auto* it = findItem(menu_, id))
        it->checked = checked;
}

void HeadlessWindow::enableMenuItem(int id, bool enabled)
{
    if (auto* it = findItem(menu_, id))
        it->enabled = enabled;
}

void HeadlessWindow::setMenuItemLabel(int id, const std::string& label)
{
    if (auto* it = findItem(menu_, id))
        it->label = label;
}

bool HeadlessWindow::menuItemChecked(int id) const
{
    const auto* it = findItemC(menu_, id);
    return it && it->checked;
}

bool HeadlessWindow::menuItemEnabled(int id) const
{
    const auto* it = findItemC(menu_, id);
    return it && it->enabled;
}

void HeadlessWindow::setGeometry(const Rect& outer)
{
    geometry_ = outer;
    if (handler_)
        handler_->resized(clientSize());
}

Size HeadlessWindow::clientSize() const
{
    // No frame and no menu bar are counted headless: the client is the
    // window, less the scroll bars that show (16 pixels each).
    const int v = vScroll_.visible ? 16 : 0, h = hScroll_.visible ? 16 : 0;
    return {std::max(0, geometry_.width() - v), std::max(0, geometry_.height() - h)};
}

void HeadlessWindow::setClientSize(Size s)
{
    // The scroll bars that show come on top of the client asked for.
    geometry_.right = geometry_.left + s.w + (vScroll_.visible ? 16 : 0);
    geometry_.bottom = geometry_.top + s.h + (hScroll_.visible ? 16 : 0);
    if (handler_)
        handler_->resized(clientSize());
}

void HeadlessWindow::update()
{
    if (dirty_)
        paintNow();
}

const RecordingDC& HeadlessWindow::paintNow()
{
    lastPaint_.clear();
    dirty_ = false;
    if (handler_)
        handler_->paint(lastPaint_);
    return lastPaint_;
}

int HeadlessWindow::findCommand(const std::string& path) const
{
    std::vector<std::string> parts;
    size_t start = 0;
    while (true) {
        size_t bar = path.find('|', start);
        parts.push_back(path.substr(start, bar == std::string::npos ? std::string::npos : bar - start));
        if (bar == std::string::npos)
            break;
        start = bar + 1;
    }
    // Depth-first search for the path; a path may skip nothing but may be
    // given from any popup level downwards ("Census|1990" finds
    // "Data|Census|1990 (&T)").
    std::function<int(const std::vector<MenuItem>&, size_t)> walk = [&](const std::vector<MenuItem>& items,
                                                                        size_t k) -> int {
        for (const auto& it : items) {
            if (it.separator)
                continue;
            if (sameLabel(it.label, parts[k])) {
                if (k + 1 == parts.size() && it.id != 0)
                    return it.id;
                if (k + 1 < parts.size())
                    if (int id = walk(it.items, k + 1))
                        return id;
            }
        }
        return 0;
    };
    std::function<int(const std::vector<MenuItem>&)> anyLevel = [&](const std::vector<MenuItem>& items) -> int {
        if (int id = walk(items, 0))
            return id;
        for (const auto& it : items)
            if (!it.items.empty())
                if (int id = anyLevel(it.items))
                    return id;
        return 0;
    };
    return anyLevel(menu_);
}

bool HeadlessWindow::hasCommand(int id) const
{
    if (findItemC(menu_, id))
        return true;
    return std::any_of(accels_.begin(), accels_.end(), [id](const Accelerator& a) { return a.id == id; });
}

bool HeadlessWindow::click(int id)
{
    const auto* it = findItemC(menu_, id);
    if (it && !it->enabled)
        return false;
    if (handler_)
        handler_->command(id);
    platform_->flush();
    return true;
}

bool HeadlessWindow::accelerator(int key, bool ctrl, bool shift, bool alt)
{
    for (const auto& a : accels_)
        if (a.key == key && a.ctrl == ctrl && a.shift == shift && a.alt == alt)
            return click(a.id);
    return false;
}

bool HeadlessWindow::userClose()
{
    if (handler_ && !handler_->canClose())
        return false;
    visible_ = false;
    if (handler_)
        handler_->closed();
    platform_->flush();
    return true;
}

// --- dialog -----------------------------------------------------------------

HeadlessDialog::HeadlessDialog(HeadlessPlatform* p, const DialogTemplate& t, DialogHandler* h)
    : p_(p), t_(t), h_(h), title_(t.title)
{
    for (const auto& ct : t_.controls) {
        if (ct.id < 0)
            continue;
        Control& c = controls_[ct.id];
        c.type = ct.type;
        c.text = ct.text;
    }
    p->dialogs_.push_back(this);
}

HeadlessDialog::~HeadlessDialog() { std::erase(p_->dialogs_, this); }

void HeadlessDialog::show()
{
    visible_ = true;
    // A modeless dialog takes what the script prepared for it as it opens.
    if (!modal)
        p_->applyQueued(*this);
}

HeadlessDialog::Control& HeadlessDialog::c(int id) { return controls_[id]; }

const HeadlessDialog::Control* HeadlessDialog::find(int id) const
{
    auto it = controls_.find(id);
    return it == controls_.end() ? nullptr : &it->second;
}

std::string HeadlessDialog::text(int id) const
{
    const Control* c = find(id);
    if (!c)
        return {};
    if ((c->type == ControlType::DropDown || c->type == ControlType::ListBox) && c->selection >= 0 &&
        c->selection < static_cast<int>(c->items.size()))
        return c->items[static_cast<size_t>(c->selection)];
    return c->text;
}

bool HeadlessDialog::check(int id) const
{
    const Control* c = find(id);
    return c && c->check;
}

int HeadlessDialog::selection(int id) const
{
    const Control* c = find(id);
    return c ? c->selection : -1;
}

std::map<int, std::string> HeadlessDialog::allTexts() const
{
    std::map<int, std::string> out;
    for (const auto& kv : controls_)
        out[kv.first] = text(kv.first);
    return out;
}

std::vector<std::string> HeadlessDialog::items(int id) const
{
    const Control* c = find(id);
    return c ? c->items : std::vector<std::string>{};
}

void HeadlessDialog::setSliderRange(int id, int min, int max, int page)
{
    Control& s = c(id);
    s.min = min;
    s.max = max;
    s.page = page;
    s.pos = std::clamp(s.pos, min, max);
}

void HeadlessDialog::setSliderPos(int id, int pos, bool notify)
{
    Control& s = c(id);
    s.pos = std::clamp(pos, s.min, s.max);
    if (notify && h_)
        h_->sliderMoved(*this, id, s.pos);
}

int HeadlessDialog::sliderPos(int id) const
{
    const Control* s = find(id);
    return s ? s->pos : 0;
}

void HeadlessDialog::press(int id)
{
    const Control* ctl = find(id);
    if (ctl && !ctl->enabled)
        return;
    if (ctl && (ctl->type == ControlType::Check || ctl->type == ControlType::Radio))
        c(id).check = !ctl->check;
    bool handled = h_ && h_->button(*this, id);
    if (!handled && (id == IdOk || id == IdCancel || id == IdYes || id == IdNo)) {
        if (modal)
            end(id);
        else
            hide();
    }
}

void HeadlessDialog::type(int id, const std::string& text)
{
    Control& ctl = c(id);
    switch (ctl.type) {
    case ControlType::DropDown:
    case ControlType::ListBox: {
        auto it = std::find(ctl.items.begin(), ctl.items.end(), text);
        if (it != ctl.items.end())
            ctl.selection = static_cast<int>(it - ctl.items.begin());
        else {
            long long n;
            if (quan::parseInt(text, n) && n >= 0 && n < static_cast<long long>(ctl.items.size()))
                ctl.selection = static_cast<int>(n);
        }
        if (h_)
            h_->selectionChanged(*this, id);
        break;
    }
    case ControlType::Slider: {
        long long n;
        if (quan::parseInt(text, n))
            setSliderPos(id, static_cast<int>(n), true);
        break;
    }
    case ControlType::Check:
    case ControlType::Radio: ctl.check = text == "1" || text == "on" || text == "yes"; break;
    default: ctl.text = text; break;
    }
}

} // namespace quan::plat
