// The desktop program's start: the Qt application, the second-start
// hand-over and the event loop.
#pragma once

#include <functional>
#include <string>

namespace quan::qtui {

// Runs the desktop program. Creates the QApplication, checks for a running
// instance (second start): if one answers, hands it startupFile and returns 0
// without creating any window. Otherwise installs the Qt platform
// (plat::Platform::install), calls start(), which creates the main window
// and returns the receiver for files handed over by later starts; listens for
// second starts; runs the event loop; returns its exit status.
int runDesktop(int& argc, char** argv, const std::string& startupFile,
               const std::function<std::function<void(const std::string&)>()>& start);

// True when a display is available (DISPLAY or WAYLAND_DISPLAY set, or the
// platform plugin is offscreen/minimal) — so main can refuse politely.
bool displayAvailable();

} // namespace quan::qtui
