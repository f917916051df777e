#include "text/colwin.h"

#include "core/msgcode.h"

#include "core/qmath.h"
#include "resources/rc.h"
#include "text/textwin.h"

namespace quan {

// --- TEditRGBDlg --------------------------------------------------------------

TEditRGBDlg::TEditRGBDlg(TColWin& win) : TDlg("EDITRGB", win.window()), win_(win) {}

void TEditRGBDlg::open(int index)
{
    index_ = index;
    uint32_t c = win_.owner().color(index);
    dialog().setText(rgbctl::Red, std::to_string(redOf(c)));
    dialog().setText(rgbctl::Green, std::to_string(greenOf(c)));
    dialog().setText(rgbctl::Blue, std::to_string(blueOf(c)));
    show();
}

int TEditRGBDlg::apply()
{
    if (index_ < 2 || index_ >= kColorEntries)
        return codeOf(Msg::NothingToDo);
    long long v[3];
    const int ids[3] = {rgbctl::Red, rgbctl::Green, rgbctl::Blue};
    for (int i = 0; i < 3; ++i)
        if (!parseInt(dialog().text(ids[i]), v[i]))
            return codeOf(Msg::CannotUnderstand);
    for (long long x : v)
        if (x < 0 || x > 255)
            return codeOf(Msg::OutOfBounds);
    win_.owner().setColorEntry(index_, static_cast<uint32_t>(v[0] + 256 * v[1] + 65536 * v[2]));
    if (win_.window())
        win_.window()->invalidate();
    return 0;
}

bool TEditRGBDlg::button(plat::Dialog&, int id)
{
    if (id != rgbctl::Apply)
        return false;
    if (int code = apply())
        win_.message(code);
    return true;
}

// --- TColWin --------------------------------------------------------------------

TColWin::TColWin(TPreWin& owner) : TPreWin(owner.frame(), DocInit{}), owner_(owner) {}

TColWin::~TColWin()
{
    rgb_.reset();
    window_.reset();
}

plat::WindowOptions TColWin::windowOptions() const
{
    plat::WindowOptions o;
    o.caption = title_;
    o.geometry = {60, 60, 60 + 8 * 32, 60 + 14 * 22};
    return o;
}

void TColWin::setup()
{
    if (!window_)
        return;
    window_->setMenu(menuResource("COLWMENU"));
    window_->setAccelerators(acceleratorResource("COLWMENU"));
}

TEditRGBDlg& TColWin::rgbDialog()
{
    if (!rgb_)
        rgb_ = std::make_unique<TEditRGBDlg>(*this);
    return *rgb_;
}

void TColWin::bind(int k, const std::string& title)
{
    if (k < 0 || k >= kColorRoles)
        return;
    role_ = k;
    title_ = title;
    setCaption(title_);
    if (rgb_)
        rgb_->hide();
    if (window_) {
        window_->show();
        window_->invalidate();
    }
}

int TColWin::chosenIndex() const { return role_ < 0 ? -1 : owner_.colorRole(role_); }

void TColWin::pick(int index)
{
    if (role_ < 0 || index < 0 || index >= kColorEntries)
        return;
    owner_.setColorRole(role_, index);
    if (window_)
        window_->invalidate();
    owner_.colorsChanged();
    if (index <= 1) {
        if (rgb_)
            rgb_->hide();
    } else {
        rgbDialog().open(index);
    }
}

void TColWin::openRgb()
{
    int index = chosenIndex();
    if (index >= 2)
        rgbDialog().open(index);
}

void TColWin::click(plat::Point p)
{
    ColorClick c = colorGridClick(client_, p);
    if (c.kind == ColorClick::Pick)
        pick(c.index);
    else if (c.kind == ColorClick::OpenRgb)
        openRgb();
}

void TColWin::mouse(const plat::MouseEvent& e)
{
    if (e.kind == plat::MouseEvent::Press && e.button == 1)
        click(e.pos);
}

void TColWin::paint(plat::DC& dc)
{
    const uint32_t face = rgb(212, 208, 200);
    dc.fillRect({0, 0, client_.w, client_.h}, face);
    ColorGrid g(client_);
    if (g.cw <= 0 || g.ch <= 0)
        return;
    const int chosen = chosenIndex();
    for (int i = 0; i < kColorEntries; ++i) {
        plat::Rect r = g.cell(i);
        dc.setPen(0, i == chosen ? 3 : 1, plat::PenStyle::Solid);
        dc.setBrush(owner_.color(i));
        dc.rectangle(r);
    }
    if (chosen >= 0) {
        dc.setPen(0, 1, plat::PenStyle::Solid);
        dc.setBrush(owner_.color(chosen));
        dc.rectangle(g.preview());
    }
}

void TColWin::command(int id)
{
    if (id == textcmd::Close) {
        if (rgb_)
            rgb_->hide();
        if (window_)
            window_->hide();
        return;
    }
    TPreWin::command(id);
}

void TColWin::closed()
{
    if (rgb_)
        rgb_->hide();
}

} // namespace quan
