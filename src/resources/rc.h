// Compiled-in resources in a small resource-script language: menus,
// accelerator tables and dialog templates, looked up by name; plus the help
// texts.
//
//   MENU NAME
//   POPUP "&Window"
//     MENUITEM "&Apportionment", cm::WindowApportionment
//     MENUITEM SEPARATOR
//     POPUP "&Census" ... END
//   END
//   USE TEXTEDIT              (a shared popup, written once)
//   POPUP "&File"
//     INCLUDE TABLEFILE       (the items of a shared popup, then more)
//     MENUITEM "E&xit", cm::Exit
//   END
//   END
//   POPUP TEXTEDIT "&Edit"    (at the top level: a shared popup, for the
//     MENUITEM "&Copy", textcmd::Copy   menus of this and the later scripts)
//   END
//   ACCELERATORS NAME
//     VK_F1, textcmd::Search
//     "G", gcm::Grid, CONTROL
//     VK_LEFT, gcm::ShiftLeft, SHIFT
//   END
//   ACCELERATORS OTHER SAME NAME   (the same keys as an earlier table)
//   DIALOG NAME "title", width, height
//     LTEXT "prompt", 101, x, y, w, h
//     EDITTEXT 102, x, y, w, h
//     DEFPUSHBUTTON "ok", 1, x, y, w, h      (also PUSHBUTTON, CHECKBOX,
//     RADIOBUTTON, DROPDOWN, SLIDER, LISTBOX, GROUPBOX)
//   END
//
// Menu items and keys name their commands as the code does, from the table
// in commands.h ("appcmd::MethodBase+9" for a command inside a range); a
// bare number is refused. Dialog controls are numbered within their dialog.
// Coordinates are dialog units (4 per average character width, 8 per line).
// Lines starting with "//" are comments.
#pragma once

#include "platform/dialog.h"
#include "platform/window.h"

#include <map>
#include <string>
#include <vector>

namespace quan {

struct RcSource {
    const char* text;
};

// Parses one script; throws std::runtime_error naming the line on a fault
// (the scripts are part of the program, so a fault is a programming error
// caught by the tests).
struct RcBundle {
    std::vector<std::pair<std::string, plat::Menu>> menus;
    std::vector<std::pair<std::string, std::vector<plat::Accelerator>>> accelerators;
    std::vector<plat::DialogTemplate> dialogs;
    // The shared popups the script defines, by name.
    std::map<std::string, plat::MenuItem> popups;
};
// `shared` holds the popups of the scripts parsed before, for USE.
RcBundle parseRc(const std::string& script, const std::map<std::string, plat::MenuItem>& shared = {});

// Lookups over every compiled-in script. A missing name is a programming
// error: menu() and dialog() then return an empty resource.
const plat::Menu& menuResource(const std::string& name);
const std::vector<plat::Accelerator>& acceleratorResource(const std::string& name);
const plat::DialogTemplate& dialogResource(const std::string& name);
bool hasDialogResource(const std::string& name);
bool hasMenuResource(const std::string& name);

// Help texts by resource name ("PROGHELP", "QNAMETHH", ...); "" when missing.
const std::string& helpText(const std::string& name);
bool hasHelpText(const std::string& name);

// The text of an accelerator as shown beside a menu label ("Ctrl+G", "F1").
std::string acceleratorText(const plat::Accelerator& a);

struct HelpEntry {
    const char* name;
    const char* text;
};

} // namespace quan
