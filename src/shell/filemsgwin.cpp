#include "shell/filemsgwin.h"

#include "core/msgcode.h"

#include "core/qmath.h"
#include "resources/strings.h"
#include "shell/dlg.h"
#include "shell/quanframe.h"

#include <cstdio>

namespace quan {

namespace {

// "ONEINPUT" and "TWOINPUT": prompts and fields preset by the caller.
class InputDlg : public TDlg {
public:
    InputDlg(const std::string& tmpl, plat::Window* owner, std::string title, std::string p1, std::string t1,
             std::string p2 = "", std::string t2 = "")
        : TDlg(tmpl, owner), title_(std::move(title)), p1_(std::move(p1)), p2_(std::move(p2)),
          t1_(std::move(t1)), t2_(std::move(t2))
    {
    }
    void init(plat::Dialog& d) override
    {
        d.setTitle(title_);
        d.setText(ctl::Prompt1, p1_);
        d.setText(ctl::Field1, t1_);
        if (name_ == "TWOINPUT") {
            d.setText(ctl::Prompt2, p2_);
            d.setText(ctl::Field2, t2_);
        }
    }
    bool button(plat::Dialog& d, int id) override
    {
        if (id == plat::IdOk) {
            t1_ = d.text(ctl::Field1);
            if (name_ == "TWOINPUT")
                t2_ = d.text(ctl::Field2);
        }
        return false;
    }
    std::string title_, p1_, p2_, t1_, t2_;
};

class TLunch : public TDlg {
public:
    explicit TLunch(plat::Window* owner) : TDlg("LUNCH", owner) {}
    void init(plat::Dialog& d) override
    {
        // Five different dishes: draw until one names a dish not yet shown.
        int shown[5];
        for (int box = 0; box < 5; ++box) {
            int dish;
            bool fresh;
            do {
                dish = Random::shared().below(14);
                fresh = true;
                for (int j = 0; j < box; ++j)
                    fresh = fresh && shown[j] != dish;
            } while (!fresh);
            shown[box] = dish;
            d.setText(301 + box, quan::S(Str::DishFirst, dish));
        }
    }
};

} // namespace

std::string TFileMsgWin::S(int id) { return quan::S(id); }

TFileMsgWin::TFileMsgWin(TQuanFrame* frame, DocInit init) : frame_(frame), init_(std::move(init))
{
    fileName_ = init_.fileName;
}

TFileMsgWin::~TFileMsgWin() = default;

plat::WindowOptions TFileMsgWin::windowOptions() const
{
    plat::WindowOptions o;
    o.caption = namePart(fileName_);
    return o;
}

void TFileMsgWin::create()
{
    window_ = plat::Platform::get().createWindow(this, windowOptions());
    setup();
    refreshTitle();
}

plat::Rect TFileMsgWin::cascadePlace(plat::Size size) const
{
    constexpr int kStep = 28, kSteps = 10, kMargin = 8;
    const plat::Size screen = plat::Platform::get().screenSize();
    const int k = init_.slot >= 0 ? init_.slot % kSteps : 0;
    int left = 40 + k * kStep;
    int top = 40 + k * kStep;
    if (frame_ && frame_->window()) {
        const plat::Rect main = frame_->window()->geometry();
        const int below = main.bottom + kMargin;
        // Below the main window when a useful part of the window fits there.
        if (below + k * kStep + 240 <= screen.h) {
            top = below + k * kStep;
            left = std::max(0, main.left) + k * kStep;
        }
    }
    const int w = std::min(size.w, std::max(200, screen.w - left));
    const int h = std::min(size.h, std::max(160, screen.h - top));
    return {left, top, left + w, top + h};
}

std::string TFileMsgWin::namePart(const std::string& path)
{
    size_t cut = path.find_last_of("/\\");
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

void TFileMsgWin::setCaption(const std::string& c)
{
    if (window_)
        window_->setCaption(c);
}

void TFileMsgWin::refreshTitle() { setCaption(namePart(fileName_) + titleSuffix()); }

void TFileMsgWin::message(int n, const std::string& title)
{
    showText(messageText(n), title.empty() ? S(Str::Hmm) : title);
}

void TFileMsgWin::showText(const std::string& text, const std::string& title)
{
    busy_ = true;
    plat::Platform::get().messageBox(window_.get(), plat::MessageKind::Ok, text, title);
    busy_ = false;
}

int TFileMsgWin::ask(plat::MessageKind kind, const std::string& text, const std::string& title)
{
    busy_ = true;
    int r = plat::Platform::get().messageBox(window_.get(), kind, text, title);
    busy_ = false;
    return r;
}

bool TFileMsgWin::input(Str titleId, Str promptId, std::string& text, size_t maxLength)
{
    return inputText(S(titleId), S(promptId), text, maxLength);
}

bool TFileMsgWin::inputText(const std::string& title, const std::string& prompt, std::string& text, size_t maxLength)
{
    InputDlg d("ONEINPUT", window_.get(), title, prompt, text);
    if (d.execute() != plat::IdOk)
        return false;
    text = d.t1_.substr(0, maxLength);
    return true;
}

bool TFileMsgWin::input2(const std::string& title, const std::string& prompt1, const std::string& prompt2,
                         std::string& text1, std::string& text2, size_t maxLength)
{
    InputDlg d("TWOINPUT", window_.get(), title, prompt1, text1, prompt2, text2);
    if (d.execute() != plat::IdOk)
        return false;
    text1 = d.t1_.substr(0, maxLength);
    text2 = d.t2_.substr(0, maxLength);
    return true;
}

bool TFileMsgWin::inputNumber(Str titleId, Str promptId, long double& value, const std::string& preset)
{
    std::string text = preset;
    if (!input(titleId, promptId, text))
        return false;
    if (!parseReal(text, value)) {
        message(Msg::CannotUnderstand);
        return false;
    }
    return true;
}

bool TFileMsgWin::inputInteger(Str titleId, Str promptId, long long& value)
{
    std::string text = formatInt(value);
    if (!input(titleId, promptId, text))
        return false;
    if (!parseInt(text, value)) {
        message(Msg::CannotUnderstand);
        return false;
    }
    return true;
}

bool TFileMsgWin::askRowRange(long long& first, long long& last)
{
    TDlg d("delete", window_.get());
    d.dialog().setText(ctl::Field1, "1");
    d.dialog().setText(ctl::Field2, "2");
    if (d.execute() != plat::IdOk)
        return false;
    if (!parseInt(d.dialog().text(ctl::Field1), first) || !parseInt(d.dialog().text(ctl::Field2), last)) {
        message(Msg::CannotUnderstand);
        return false;
    }
    return true;
}

bool TFileMsgWin::saveChangesGate()
{
    if (!changed_)
        return true;
    int r = ask(plat::MessageKind::YesNoCancel, S(Str::SaveChangesTo) + fileName_ + "?", S(Str::Careful));
    if (r == plat::IdYes)
        return cmSave();
    if (r == plat::IdNo) {
        changed_ = false;
        return true;
    }
    return false;
}

bool TFileMsgWin::overwriteGate(const std::string& path)
{
    if (noQuestions_ || !fileExists(path))
        return true;
    return ask(plat::MessageKind::YesNoDefaultNo, S(Str::OverwriteExisting), S(Str::Careful)) == plat::IdYes;
}

void TFileMsgWin::cmOpen()
{
    if (!saveChangesGate())
        return;
    std::string remembered = fileName_;
    plat::FileDialogOptions o;
    o.filter = fileFilter();
    o.defaultExt = defaultExtension();
    o.proposedName = namePart(fileName_);
    auto chosen = plat::Platform::get().openFileDialog(window_.get(), o);
    if (chosen) {
        int code = readDocument(*chosen);
        if (code > 0) {
            message(code);
            fileName_ = remembered;
        } else {
            adoptReadFile(*chosen);
        }
    }
    refreshTitle();
}

bool TFileMsgWin::cmSave()
{
    // A save that fails or is cancelled leaves the name as it was.
    const std::string oldName = fileName_;
    const bool wasNamed = named_;
    if (!named_) {
        plat::FileDialogOptions o;
        o.filter = fileFilter();
        o.defaultExt = defaultExtension();
        o.proposedName = namePart(fileName_);
        auto chosen = plat::Platform::get().saveFileDialog(window_.get(), o);
        if (!chosen || !overwriteGate(*chosen))
            return false;
        fileName_ = *chosen;
        named_ = true;
    }
    setCaption(S(Str::SaveChangesTo) + " " + namePart(fileName_));
    if (!writeDocument(fileName_)) {
        message(writeFailure());
        fileName_ = oldName;
        named_ = wasNamed;
        refreshTitle();
        return false;
    }
    changed_ = false;
    refreshTitle();
    return true;
}

bool TFileMsgWin::cmSaveAs()
{
    bool wasNamed = named_;
    named_ = false;
    if (cmSave())
        return true;
    // Cancelled or failed: the document keeps the name it had.
    named_ = wasNamed;
    return false;
}

void TFileMsgWin::adoptReadFile(const std::string& path)
{
    if (readerNamedDocument_) {
        readerNamedDocument_ = false;
        return;
    }
    fileName_ = path;
    named_ = true;
    changed_ = false;
}

void TFileMsgWin::cmExit()
{
    if (!saveChangesGate())
        return;
    changed_ = false;
    closeWindow();
}

void TFileMsgWin::setDecimals(int d) { decimals_ = d; }

void TFileMsgWin::cmDecimalPlaces()
{
    TDlg dlg("DP", window_.get());
    dlg.dialog().setText(ctl::Field1, std::to_string(decimals()));
    if (dlg.execute() != plat::IdOk)
        return;
    long long v;
    if (!parseInt(dlg.dialog().text(ctl::Field1), v)) {
        message(Msg::CannotUnderstand);
        return;
    }
    if (v < 0 || v > 18) {
        message(Msg::OutOfBounds);
        return;
    }
    setDecimals(static_cast<int>(v));
    if (window_)
        window_->invalidate();
}

void TFileMsgWin::cmLunch()
{
    TLunch d(window_.get());
    if (d.execute() == plat::IdOk)
        message(Msg::KitchenClosed);
}

int TFileMsgWin::readDocument(const std::string&) { return codeOf(Msg::CannotOpenFile); }
bool TFileMsgWin::writeDocument(const std::string&) { return false; }

void TFileMsgWin::closeWindow()
{
    if (closing_)
        return;
    closing_ = true;
    if (window_)
        window_->hide();
    writeSettingsOnClose();
    if (frame_ && init_.slot >= 0)
        frame_->documentClosed(init_.slot);
}

bool TFileMsgWin::canClose() { return saveChangesGate(); }

void TFileMsgWin::closed()
{
    changed_ = false;
    closeWindow();
}

void TFileMsgWin::command(int id)
{
    switch (id) {
    case cm::Open: cmOpen(); break;
    case cm::Save: cmSave(); break;
    case cm::SaveAs: cmSaveAs(); break;
    case cm::Exit: cmExit(); break;
    case cm::DecimalPlaces: cmDecimalPlaces(); break;
    case cm::Lunch: cmLunch(); break;
    default: break;
    }
}

int TFileMsgWin::pollKey() { return plat::Platform::get().pollKey(window_.get()); }

} // namespace quan
