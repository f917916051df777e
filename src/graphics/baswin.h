// The upper layers of the picture window chain: TVELWint (text overlays),
// TVELWinm (graphic overlays and clipboard copies) and TBasWin (the mouse
// modes shared by the graph, divisor-plot and packing windows).
#pragma once

#include "graphics/gridwin.h"

namespace quan {

// Text overlays: placed texts drawn through the text primitives.
class TVELWint : public TGridWin {
public:
    using TGridWin::TGridWin;
};

// Graphic overlays and clipboard copies.
class TVELWinm : public TVELWint {
public:
    using TVELWint::TVELWint;
};

// The mouse modes (menu commands 120..127). The mode decides what mouse
// drags and clicks do in a topic window; a mode command selects it and the
// menu's check mark follows.
enum class MouseMode {
    Drawing = gcm::ModeDrawing,
    VertexMove = gcm::ModeVertexMove,
    Text = gcm::ModeText,
    Graphics = gcm::ModeGraphics,
    Coordinates = gcm::ModeCoordinates,
    Rotate = gcm::ModeRotate,
    Arrows = gcm::ModeArrows,
};

class TBasWin : public TVELWinm {
public:
    TBasWin(TQuanFrame* frame, DocInit init);

    MouseMode mouseMode() const { return mode_; }
    // Selects a mode: the hook runs and the check marks follow.
    void setMouseMode(MouseMode m);
    static bool isModeCommand(int id);
    void command(int id) override;

protected:
    void setup() override;
    // Called after the mode changed from `before`.
    virtual void mouseModeChanged(MouseMode before) {}
    void updateModeChecks();

    MouseMode mode_ = MouseMode::Drawing;
};

} // namespace quan
