// A graph window on the headless platform, with the helpers the window
// tests share: menu clicks by label path, enabling and check marks, pastes
// that answer the save question, mouse events and the painted picture.
#pragma once

#include "graphics/export/picture_export.h"
#include "graphs/grawin.h"
#include "platform/recording_dc.h"
#include "resources/rc.h"
#include "resources/strings.h"
#include "shell/shell_fixture.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace quan::test {

class GraWindowTest : public HeadlessTest {
protected:
    void SetUp() override
    {
        HeadlessTest::SetUp();
        registerPictureExports();
        frame = std::make_unique<TQuanFrame>();
        frame->registerKind(WindowKind::Graphs,
                            [](TQuanFrame* f, const DocInit& i) { return std::make_unique<TGraWin>(f, i); });
        frame->create("");
        win = static_cast<TGraWin*>(frame->newWindow(WindowKind::Graphs, ""));
        ASSERT_NE(win, nullptr);
    }
    void TearDown() override
    {
        frame.reset();
        unregisterPictureExports();
        HeadlessTest::TearDown();
    }
    plat::HeadlessWindow& hw() { return *static_cast<plat::HeadlessWindow*>(win->window()); }
    int id(const std::string& path) { return hw().findCommand(path); }
    // A menu click; a disabled item does nothing.
    void click(const std::string& path)
    {
        const int c = id(path);
        ASSERT_NE(c, 0) << path;
        hw().click(c);
    }
    bool enabled(const std::string& path) { return hw().menuItemEnabled(id(path)); }
    bool checked(const std::string& path) { return hw().menuItemChecked(id(path)); }
    // Replaces the graph by a pasted text, answering "no" to the save question.
    void paste(const std::string& text)
    {
        p.setClipboardText(text);
        if (win->changed())
            p.answer(plat::IdNo);
        click("File|Paste|Coordinates");
    }
    void mouse(plat::MouseEvent::Kind kind, int button, plat::Point at)
    {
        plat::MouseEvent e;
        e.kind = kind;
        e.button = button;
        e.pos = at;
        win->mouse(e);
    }
    void drag(plat::Point from, plat::Point to)
    {
        mouse(plat::MouseEvent::Press, 1, from);
        mouse(plat::MouseEvent::Move, 1, {(from.x + to.x) / 2, (from.y + to.y) / 2});
        mouse(plat::MouseEvent::Move, 1, to);
        mouse(plat::MouseEvent::Release, 1, to);
    }
    // The window's picture layer as last painted (painted now).
    const plat::RecordingDC& picture()
    {
        hw().paintNow();
        static const plat::RecordingDC none;
        plat::Bitmap* pic = win->layerBitmap(TPreWin::Picture);
        return pic ? static_cast<plat::RecordingDC&>(pic->dc()) : none;
    }
    std::vector<std::string> drawnTexts() { return picture().texts(); }
    bool drawn(const std::string& t)
    {
        const auto texts = drawnTexts();
        return std::find(texts.begin(), texts.end(), t) != texts.end();
    }
    std::string hmm(int n) const { return "message: hmm ...: " + messageText(n); }
    const Graph& g() const { return win->graph(); }

    std::unique_ptr<TQuanFrame> frame;
    TGraWin* win = nullptr;
};

} // namespace quan::test
