#include "app/batch.h"

#include "app/quan.h"
#include "apportion/appwin.h"
#include "power/banwin.h"
#include "core/fileio.h"
#include "core/qmath.h"
#include "graphics/export/bmp_writer.h"
#include "graphs/grawin.h"
#include "platform/headless.h"
#include "resources/strings.h"

#include <algorithm>
#include <fstream>
#include <functional>
#include <iostream>
#include <memory>
#include <sstream>

namespace quan {

namespace {

struct StopRun {
    std::string why;
};

std::string trim(const std::string& s)
{
    size_t a = s.find_first_not_of(" \t\r");
    if (a == std::string::npos)
        return "";
    size_t b = s.find_last_not_of(" \t\r");
    return s.substr(a, b - a + 1);
}

int answerId(const std::string& w)
{
    std::string a = toLower(w);
    if (a == "ok")
        return plat::IdOk;
    if (a == "yes")
        return plat::IdYes;
    if (a == "no")
        return plat::IdNo;
    if (a == "cancel")
        return plat::IdCancel;
    return 0;
}

class BatchRun {
public:
    BatchRun(std::ostream& out) : out_(out)
    {
        platform_.setEcho(&out_);
        plat::Platform::install(&platform_);
    }
    ~BatchRun()
    {
        app_.reset();
        platform_.flush();
        plat::Platform::install(nullptr);
    }

    void execute(const std::string& line);
    std::string unused() const { return platform_.unusedScript(); }

private:
    TQuan& app()
    {
        if (!app_) {
            app_ = std::make_unique<TQuan>();
            app_->start("");
        }
        return *app_;
    }
    plat::HeadlessWindow* currentWindow();
    // The document window behind the current window (a slot's window or an
    // owned window such as the Electoral College or the worksheet).
    TFileMsgWin* currentDocument();
    void followNewest();
    void makeOwnedCurrent(const std::string& caption);
    void editCell(const std::string& arg);

    std::ostream& out_;
    plat::HeadlessPlatform platform_;
    std::unique_ptr<TQuan> app_;
    static constexpr int kDemo = -2, kOwned = -3;
    int current_ = -1; // slot of the current document window; -1 = main, kDemo the demo picture, kOwned owned_
    plat::HeadlessWindow* owned_ = nullptr;
    TFileMsgWin* lastNewest_ = nullptr;
};

plat::HeadlessWindow* BatchRun::currentWindow()
{
    TQuanFrame& f = app().frame();
    if (current_ == kDemo) {
        TFileMsgWin* d = app().demoPicture();
        if (!d)
            throw StopRun{"the demo picture is not open"};
        return static_cast<plat::HeadlessWindow*>(d->window());
    }
    if (current_ == kOwned) {
        // The owner may have destroyed it since.
        const auto all = platform_.windows();
        if (std::find(all.begin(), all.end(), owned_) == all.end())
            throw StopRun{"the owned window is closed"};
        return owned_;
    }
    if (current_ >= 0) {
        TFileMsgWin* w = f.document(current_);
        if (!w)
            throw StopRun{"the window in slot " + std::to_string(current_) + " is closed"};
        return static_cast<plat::HeadlessWindow*>(w->window());
    }
    return static_cast<plat::HeadlessWindow*>(f.window());
}

TFileMsgWin* BatchRun::currentDocument()
{
    if (current_ == kOwned)
        return dynamic_cast<TFileMsgWin*>(currentWindow()->handler());
    return current_ >= 0 ? app().frame().document(current_) : nullptr;
}

// owned CAPTION: the visible window whose caption starts with CAPTION (case
// ignored) and that no slot holds: a window a document window owns.
void BatchRun::makeOwnedCurrent(const std::string& caption)
{
    app();
    const std::string want = toLower(caption);
    for (plat::HeadlessWindow* w : platform_.windows()) {
        auto* doc = dynamic_cast<TFileMsgWin*>(w->handler());
        if (!doc || doc->slot() >= 0 || !w->isVisible())
            continue;
        if (toLower(w->caption()).rfind(want, 0) == 0) {
            owned_ = w;
            current_ = kOwned;
            return;
        }
    }
    throw StopRun{"no owned window titled \"" + caption + "...\""};
}

// cell ROW COLUMN [right]: a click on a table cell; ROW counts the rows as
// shown from 1, COLUMN is 0 for the names and 1.. for the value columns.
void BatchRun::editCell(const std::string& arg)
{
    std::istringstream words(arg);
    std::string rowText, colText, button;
    words >> rowText >> colText >> button;
    long long row, col;
    if (!parseInt(rowText, row) || !parseInt(colText, col) || (!button.empty() && toLower(button) != "right"))
        throw StopRun{"cell needs a row, a column and optionally: right"};
    plat::HeadlessWindow* w = currentWindow();
    w->paintNow(); // lays the table out
    plat::Rect r;
    if (auto* ban = dynamic_cast<TBanWin*>(w->handler()))
        r = ban->cellRect(static_cast<int>(row) - 1, static_cast<int>(col) - 1);
    else if (auto* app = dynamic_cast<TAppWin*>(w->handler()))
        r = app->cellRect(static_cast<int>(row) - 1, static_cast<int>(col) - 1);
    else
        throw StopRun{"the window \"" + w->caption() + "\" has no table"};
    if (r.right <= r.left || r.bottom <= r.top)
        throw StopRun{"cell " + rowText + " " + colText + " is not in view"};
    plat::MouseEvent e;
    e.kind = plat::MouseEvent::Press;
    e.button = button.empty() ? 1 : 2;
    e.pos = {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    w->handler()->mouse(e);
}

void BatchRun::followNewest()
{
    if (!app_)
        return;
    TFileMsgWin* n = app_->frame().newestDocument();
    if (n && n != lastNewest_)
        current_ = n->slot();
    lastNewest_ = n;
    if (current_ >= 0 && !app_->frame().document(current_))
        current_ = -1;
}

void BatchRun::execute(const std::string& raw)
{
    std::string line = trim(raw);
    if (line.empty() || line[0] == '#')
        return;
    size_t sp = line.find_first_of(" \t");
    std::string cmd = toLower(line.substr(0, sp));
    std::string arg = sp == std::string::npos ? "" : trim(line.substr(sp + 1));

    if (cmd == "settings") {
        platform_.setSettingsDirectory(arg);
    } else if (cmd == "seed") {
        // The shared generator from a fixed seed: scripts with random
        // graphs or examples repeat.
        long long s = 0;
        if (!parseDecimalInteger(arg, s) || s < 0 || s > 4294967295LL)
            throw StopRun{"seed needs a whole number 0..4294967295"};
        Random::shared().seed(static_cast<uint32_t>(s));
    } else if (cmd == "demo") {
        app().openDemoPicture();
        current_ = kDemo;
    } else if (cmd == "open") {
        app().frame().filesDropped({arg});
    } else if (cmd == "menu") {
        plat::HeadlessWindow* w = currentWindow();
        long long id = 0;
        if (!parseInt(arg, id)) {
            id = w->findCommand(arg);
            if (id == 0)
                throw StopRun{"the window \"" + w->caption() + "\" has no menu item \"" + arg + "\""};
        } else if (id <= 0 || id > 65535 || !w->hasCommand(static_cast<int>(id))) {
            throw StopRun{"the window \"" + w->caption() + "\" has no command " + arg};
        }
        if (!w->click(static_cast<int>(id)))
            out_ << "note: menu item " << arg << " is disabled\n";
    } else if (cmd == "owned") {
        makeOwnedCurrent(arg);
    } else if (cmd == "cell") {
        editCell(arg);
    } else if (cmd == "window") {
        if (toLower(arg) == "main") {
            current_ = -1;
        } else {
            long long n;
            if (!parseInt(arg, n) || !app().frame().document(static_cast<int>(n)))
                throw StopRun{"no document window in slot " + arg};
            current_ = static_cast<int>(n);
        }
    } else if (cmd == "answer") {
        int a = answerId(arg);
        if (!a)
            throw StopRun{"answer must be ok, yes, no or cancel"};
        platform_.answer(a);
    } else if (cmd == "input") {
        if (toLower(arg) == "cancel")
            platform_.input(std::nullopt);
        else
            platform_.input(arg);
    } else if (cmd == "input2") {
        if (toLower(arg) == "cancel") {
            platform_.input2(std::nullopt);
        } else {
            size_t bar = arg.find('|');
            if (bar == std::string::npos)
                throw StopRun{"input2 needs two texts separated by |"};
            platform_.input2(std::make_pair(trim(arg.substr(0, bar)), trim(arg.substr(bar + 1))));
        }
    } else if (cmd == "file") {
        if (toLower(arg) == "cancel")
            platform_.file(std::nullopt);
        else
            platform_.file(arg);
    } else if (cmd == "dialog" || cmd == "press") {
        std::istringstream words(arg);
        std::string name, idText;
        words >> name >> idText;
        long long id;
        if (name.empty() || !parseInt(idText, id))
            throw StopRun{cmd + " needs a dialog name and a control id"};
        if (cmd == "press") {
            platform_.press(name, static_cast<int>(id));
        } else {
            std::string rest;
            std::getline(words, rest);
            platform_.dialogText(name, static_cast<int>(id), trim(rest));
        }
    } else if (cmd == "clipboard" && arg.rfind("save ", 0) == 0) {
        // clipboard save BASE: the last picture copy as BASE.bmp, .svg, .emf
        // (the formats it holds).
        const std::string base = trim(arg.substr(5));
        const plat::ClipboardRecord& c = platform_.clipboardPicture();
        bool ok = !base.empty();
        if (ok && c.hasBitmap) {
            PixelImage img;
            img.width = c.size.w;
            img.height = c.size.h;
            img.pixels = c.pixels;
            const int dpiX = platform_.screenCaps(plat::Cap::LogPixelsX);
            const int dpiY = platform_.screenCaps(plat::Cap::LogPixelsY);
            ok = writeFileAtomically(base + ".bmp", bmpBytes(img, dpiX, dpiY));
        }
        if (ok && !c.svg.empty())
            ok = writeFileAtomically(base + ".svg", c.svg);
        if (ok && !c.emf.empty())
            ok = writeFileAtomically(base + ".emf", c.emf);
        if (!ok)
            throw StopRun{"clipboard save cannot write " + base};
    } else if (cmd == "clipboard") {
        platform_.setClipboardText(arg);
    } else if (cmd == "clipboard-file") {
        // The whole text of a file (relative to the folder the run started in).
        std::string text;
        if (arg.empty() || !readWholeFile(arg, text, 1u << 20))
            throw StopRun{"clipboard-file cannot read " + arg};
        platform_.setClipboardText(text);
    } else if (cmd == "key") {
        // key Q [after N]
        std::istringstream words(arg);
        std::string k, after;
        long long n = 0;
        words >> k >> after;
        if (!after.empty() && (toLower(after) != "after" || !(words >> n)))
            throw StopRun{"key needs a key and optionally: after N"};
        if (k.empty())
            throw StopRun{"key needs a key"};
        int code = k.size() == 1 ? static_cast<unsigned char>(toUpper(k)[0]) : 0;
        long long num;
        if (k.size() > 1) {
            if (!parseInt(k, num) || num <= 0 || num > 255)
                throw StopRun{"key needs one character or a key code from 1 to 255"};
            code = static_cast<int>(num);
        }
        if (n < 0)
            throw StopRun{"key: after needs a count of 0 or more"};
        platform_.key(code, static_cast<long>(n));
    } else if (cmd == "print") {
        std::string what = toLower(arg);
        if (what == "title") {
            out_ << currentWindow()->caption() << '\n';
        } else if (what == "pages") {
            // The pages printed so far.
            out_ << "pages: " << platform_.printedPages().size() << '\n';
        } else if (what == "messages") {
            for (const auto& m : platform_.messages())
                out_ << m << '\n';
        } else if (what == "text") {
            TFileMsgWin* w = currentDocument();
            if (!w)
                throw StopRun{"print text needs a document window"};
            out_ << w->lastHandedCaption() << '\n' << w->lastHandedText();
            if (!w->lastHandedText().empty() && w->lastHandedText().back() != '\n')
                out_ << '\n';
        } else if (what == "notebook") {
            TFileMsgWin* w = currentDocument();
            if (!w)
                throw StopRun{"print notebook needs a document window"};
            std::string nb = w->notebookText();
            out_ << nb;
            if (!nb.empty() && nb.back() != '\n')
                out_ << '\n';
        } else if (what == "menu") {
            // Every item of the current window's menu: id, label path, and
            // whether it is disabled or checked.
            std::function<void(const std::vector<plat::MenuItem>&, const std::string&)> list =
                [&](const std::vector<plat::MenuItem>& items, const std::string& path) {
                    for (const plat::MenuItem& it : items) {
                        if (it.separator)
                            continue;
                        std::string here = path;
                        if (!here.empty())
                            here += '|';
                        here += stripAmpersand(it.label);
                        if (!it.items.empty()) {
                            list(it.items, here);
                            continue;
                        }
                        out_ << it.id << ' ' << here;
                        if (!it.enabled)
                            out_ << " disabled";
                        if (it.checked)
                            out_ << " checked";
                        out_ << '\n';
                    }
                };
            list(currentWindow()->menu(), "");
        } else if (what == "summary") {
            // The summary line under the graph picture.
            auto* g = dynamic_cast<TGra0Win*>(current_ >= 0 ? app().frame().document(current_) : nullptr);
            if (!g)
                throw StopRun{"print summary needs a graph window"};
            out_ << g->graph().solution.summary << '\n';
        } else {
            throw StopRun{"print title, text, notebook, summary, menu, pages or messages"};
        }
    } else if (cmd == "echo") {
        // A line of the script's own into the output (to mark where a run is).
        out_ << arg << '\n';
    } else if (cmd == "quit") {
        app().frame().command(cm::QuitApp);
    } else {
        throw StopRun{"unknown command \"" + cmd + "\""};
    }
    platform_.flush();
    followNewest();
}

} // namespace

int runBatch(std::istream& in, std::ostream& out, std::ostream& err)
{
    BatchRun run(out);
    std::string line;
    int lineNo = 0;
    while (std::getline(in, line)) {
        ++lineNo;
        try {
            run.execute(line);
        } catch (const StopRun& s) {
            out.flush();
            err << "error: line " << lineNo << ": " << s.why << '\n';
            return 2;
        } catch (const plat::ScriptError& e) {
            out.flush();
            err << "error: line " << lineNo << ": " << e.what() << '\n';
            return 2;
        }
    }
    // Answers nothing asked for mean the script and the program disagree.
    std::string left = run.unused();
    if (!left.empty()) {
        out.flush();
        err << "error: the script's " << left << "were never asked for\n";
        return 2;
    }
    return 0;
}

int runBatchFile(const std::string& path, std::ostream& out, std::ostream& err)
{
    std::ifstream in(path);
    if (!in) {
        err << "error: cannot open the batch script " << path << '\n';
        return 2;
    }
    return runBatch(in, out, err);
}

} // namespace quan
