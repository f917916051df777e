// The application object: creates the main window and registers the
// document window kinds that exist.
#pragma once

#include "shell/quanframe.h"

#include <memory>
#include <string>

namespace quan {

class TQuan {
public:
    TQuan();
    ~TQuan();
    // Creates and shows the main window "Quandel" and opens the start-up file.
    void start(const std::string& startupFile);
    TQuanFrame& frame() { return *frame_; }
    // Opens the picture window that shows the drawing primitives, axes and
    // grids (a developer's aid: quandel --demo-picture).
    void openDemoPicture();
    // The demo picture window, or nullptr before it was opened.
    TFileMsgWin* demoPicture();

private:
    std::unique_ptr<TQuanFrame> frame_;
    // The hidden service window "name.ext" through which the main window
    // shows its help text.
    std::unique_ptr<TFileMsgWin> service_;
    std::unique_ptr<TFileMsgWin> demo_;
};

// Seeds the shared generator from the clock and computes the shared
// constants; run once at start-up.
void startUpConstants();

} // namespace quan
