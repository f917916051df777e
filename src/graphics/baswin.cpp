#include "graphics/baswin.h"

namespace quan {

TBasWin::TBasWin(TQuanFrame* frame, DocInit init) : TVELWinm(frame, std::move(init)) {}

bool TBasWin::isModeCommand(int id) { return id == gcm::ModeDrawing || (id >= gcm::ModeVertexMove && id <= gcm::ModeArrows); }

void TBasWin::setup()
{
    TVELWinm::setup();
    updateModeChecks();
}

void TBasWin::updateModeChecks()
{
    if (!window_)
        return;
    for (int id : {gcm::ModeDrawing, gcm::ModeVertexMove, gcm::ModeText, gcm::ModeGraphics, gcm::ModeCoordinates,
                   gcm::ModeRotate, gcm::ModeArrows})
        window_->checkMenuItem(id, id == static_cast<int>(mode_));
}

void TBasWin::setMouseMode(MouseMode m)
{
    MouseMode before = mode_;
    mode_ = m;
    updateModeChecks();
    if (before != m)
        mouseModeChanged(before);
}

void TBasWin::command(int id)
{
    if (isModeCommand(id)) {
        setMouseMode(static_cast<MouseMode>(id));
        return;
    }
    TVELWinm::command(id);
}

} // namespace quan
