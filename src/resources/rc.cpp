#include "resources/rc.h"

#include "core/qmath.h"
#include "resources/commands.h"

#include <algorithm>
#include <map>
#include <sstream>
#include <stdexcept>

namespace quan {

// Each subsystem keeps its scripts and help texts in its own file.
extern const char kShellRc[];
extern const char kTextRc[];
extern const char kGraphicsRc[];
extern const char kApportionRc[];
extern const char kPowerRc[];
extern const char kPackingRc[];
extern const char kGraphsRc[];
extern const char kScheduleRc[];
extern const char kElectionsRc[];
extern const HelpEntry kShellHelp[];
extern const size_t kShellHelpCount;
extern const HelpEntry kTextHelp[];
extern const size_t kTextHelpCount;
extern const HelpEntry kGraphicsHelp[];
extern const size_t kGraphicsHelpCount;
extern const HelpEntry kApportionHelp[];
extern const size_t kApportionHelpCount;
extern const HelpEntry kPowerHelp[];
extern const size_t kPowerHelpCount;
extern const HelpEntry kPackingHelp[];
extern const size_t kPackingHelpCount;
extern const HelpEntry kGraphsHelp[];
extern const size_t kGraphsHelpCount;
extern const HelpEntry kNotationHelp[];
extern const size_t kNotationHelpCount;
extern const HelpEntry kGeneratorsHelp[];
extern const size_t kGeneratorsHelpCount;
extern const HelpEntry kSqrectHelp[];
extern const size_t kSqrectHelpCount;
extern const HelpEntry kScheduleHelp[];
extern const size_t kScheduleHelpCount;
extern const HelpEntry kElectionsHelp[];
extern const size_t kElectionsHelpCount;

namespace {

struct Lexer {
    std::string line;
    size_t pos = 0;
    int lineNo = 0;

    [[noreturn]] void fail(const std::string& what) const
    {
        throw std::runtime_error("resource script line " + std::to_string(lineNo) + ": " + what + " in: " + line);
    }
    void skipSpace()
    {
        while (pos < line.size() && (quan::isAsciiSpace(line[pos]) || line[pos] == ','))
            ++pos;
    }
    bool atEnd()
    {
        skipSpace();
        return pos >= line.size();
    }
    bool peekQuote()
    {
        skipSpace();
        return pos < line.size() && line[pos] == '"';
    }
    std::string word()
    {
        skipSpace();
        size_t a = pos;
        while (pos < line.size() && !quan::isAsciiSpace(line[pos]) && line[pos] != ',')
            ++pos;
        if (a == pos)
            fail("word expected");
        return line.substr(a, pos - a);
    }
    std::string quoted()
    {
        skipSpace();
        if (pos >= line.size() || line[pos] != '"')
            fail("quoted text expected");
        ++pos;
        std::string out;
        while (pos < line.size() && line[pos] != '"') {
            if (line[pos] == '\\' && pos + 1 < line.size()) {
                char c = line[pos + 1];
                out += c == 't' ? '\t' : c;
                pos += 2;
                continue;
            }
            out += line[pos++];
        }
        if (pos >= line.size())
            fail("unterminated text");
        ++pos;
        return out;
    }
    int number()
    {
        std::string w = word();
        try {
            size_t used = 0;
            int v = std::stoi(w, &used, 0);
            if (used != w.size())
                fail("number expected");
            return v;
        } catch (const std::logic_error&) {
            fail("number expected");
        }
    }
    // A command of the table in commands.h, by name ("appcmd::Divisor"),
    // or the first command of a range plus an offset inside it
    // ("appcmd::MethodBase+9"). Bare numbers are refused, so every id has
    // its one definition.
    int command()
    {
        const std::string w = word();
        const size_t plus = w.find('+');
        const int base = commandId(w.substr(0, plus));
        if (base < 0)
            fail("command name expected");
        if (plus == std::string::npos)
            return base;
        const std::string offset = w.substr(plus + 1);
        if (offset.empty() || offset.size() > 3 ||
            !std::all_of(offset.begin(), offset.end(), [](char c) { return c >= '0' && c <= '9'; }))
            fail("offset expected");
        const int k = std::stoi(offset);
        if (k >= commandRangeLength(w.substr(0, plus)))
            fail("offset outside the range of " + w.substr(0, plus));
        return base + k;
    }
};

int keyCode(const std::string& w, Lexer& lx)
{
    static const std::map<std::string, int> keys = {
        {"VK_F1", plat::vk::F1}, {"VK_F2", plat::vk::F2}, {"VK_F3", plat::vk::F3}, {"VK_F4", plat::vk::F4},
        {"VK_F5", plat::vk::F5}, {"VK_F6", plat::vk::F6}, {"VK_F7", plat::vk::F7}, {"VK_F8", plat::vk::F8},
        {"VK_F9", plat::vk::F9}, {"VK_F10", plat::vk::F10}, {"VK_F11", plat::vk::F11}, {"VK_F12", plat::vk::F12},
        {"VK_LEFT", plat::vk::Left}, {"VK_RIGHT", plat::vk::Right}, {"VK_UP", plat::vk::Up},
        {"VK_DOWN", plat::vk::Down}, {"VK_PRIOR", plat::vk::Prior}, {"VK_NEXT", plat::vk::Next},
        {"VK_HOME", plat::vk::Home}, {"VK_END", plat::vk::End}, {"VK_INSERT", plat::vk::Insert},
        {"VK_DELETE", plat::vk::Delete}, {"VK_ESCAPE", plat::vk::Escape}, {"VK_RETURN", plat::vk::Return},
        {"VK_SPACE", plat::vk::Space}, {"VK_BACK", plat::vk::Back}, {"VK_TAB", plat::vk::Tab},
    };
    auto it = keys.find(w);
    if (it == keys.end())
        lx.fail("unknown key " + w);
    return it->second;
}

plat::ControlType controlType(const std::string& w, Lexer& lx)
{
    using T = plat::ControlType;
    static const std::map<std::string, T> types = {
        {"LTEXT", T::Static},       {"EDITTEXT", T::Edit},      {"PUSHBUTTON", T::Button},
        {"DEFPUSHBUTTON", T::DefaultButton}, {"CHECKBOX", T::Check}, {"RADIOBUTTON", T::Radio},
        {"DROPDOWN", T::DropDown},  {"SLIDER", T::Slider},      {"LISTBOX", T::ListBox},
        {"GROUPBOX", T::Group},
    };
    auto it = types.find(w);
    if (it == types.end())
        lx.fail("unknown control " + w);
    return it->second;
}

using Popups = std::map<std::string, plat::MenuItem>;

void parseMenuBody(std::istringstream& in, Lexer& lx, std::vector<plat::MenuItem>& items, const Popups& shared)
{
    std::string raw;
    while (std::getline(in, raw)) {
        ++lx.lineNo;
        lx.line = raw;
        lx.pos = 0;
        if (lx.atEnd() || lx.line.compare(lx.pos, 2, "//") == 0)
            continue;
        std::string w = lx.word();
        if (w == "END")
            return;
        if (w == "POPUP") {
            plat::MenuItem popup;
            popup.label = lx.quoted();
            parseMenuBody(in, lx, popup.items, shared);
            items.push_back(std::move(popup));
        } else if (w == "USE" || w == "INCLUDE") {
            // USE puts a shared popup here; INCLUDE its items.
            const std::string name = lx.word();
            auto it = shared.find(name);
            if (it == shared.end())
                lx.fail("unknown popup " + name);
            if (w == "USE")
                items.push_back(it->second);
            else
                items.insert(items.end(), it->second.items.begin(), it->second.items.end());
        } else if (w == "MENUITEM") {
            plat::MenuItem item;
            if (!lx.peekQuote()) {
                if (lx.word() != "SEPARATOR")
                    lx.fail("SEPARATOR or text expected");
                item.separator = true;
            } else {
                item.label = lx.quoted();
                item.id = lx.command();
                while (!lx.atEnd()) {
                    std::string opt = lx.word();
                    if (opt == "CHECKED")
                        item.checked = true;
                    else if (opt == "GRAYED")
                        item.enabled = false;
                    else
                        lx.fail("unknown option " + opt);
                }
            }
            items.push_back(std::move(item));
        } else {
            lx.fail("MENUITEM, POPUP, USE, INCLUDE or END expected");
        }
    }
    lx.fail("missing END");
}

} // namespace

RcBundle parseRc(const std::string& script, const Popups& sharedBefore)
{
    RcBundle out;
    // The popups this script can use: those of the scripts before and its
    // own, as they are defined.
    Popups shared = sharedBefore;
    std::istringstream in(script);
    Lexer lx;
    std::string raw;
    while (std::getline(in, raw)) {
        ++lx.lineNo;
        lx.line = raw;
        lx.pos = 0;
        if (lx.atEnd() || lx.line.compare(lx.pos, 2, "//") == 0)
            continue;
        std::string w = lx.word();
        if (w == "MENU") {
            std::string name = lx.word();
            plat::Menu menu;
            parseMenuBody(in, lx, menu, shared);
            out.menus.emplace_back(name, std::move(menu));
        } else if (w == "POPUP") {
            const std::string name = lx.word();
            plat::MenuItem popup;
            popup.label = lx.quoted();
            parseMenuBody(in, lx, popup.items, shared);
            shared[name] = popup;
            out.popups[name] = std::move(popup);
        } else if (w == "ACCELERATORS") {
            std::string name = lx.word();
            if (!lx.atEnd()) {
                // ACCELERATORS NAME SAME OTHER: the table of an earlier menu.
                if (lx.word() != "SAME")
                    lx.fail("SAME expected");
                const std::string other = lx.word();
                auto it = std::find_if(out.accelerators.begin(), out.accelerators.end(),
                                       [&other](const auto& a) { return a.first == other; });
                if (it == out.accelerators.end())
                    lx.fail("unknown accelerators " + other);
                out.accelerators.emplace_back(name, it->second);
                continue;
            }
            std::vector<plat::Accelerator> table;
            bool ended = false;
            while (std::getline(in, raw)) {
                ++lx.lineNo;
                lx.line = raw;
                lx.pos = 0;
                if (lx.atEnd() || lx.line.compare(lx.pos, 2, "//") == 0)
                    continue;
                if (lx.line.find("END") != std::string::npos && lx.word() == "END") {
                    ended = true;
                    break;
                }
                lx.pos = 0;
                plat::Accelerator a;
                if (lx.peekQuote()) {
                    std::string k = lx.quoted();
                    if (k.size() != 1)
                        lx.fail("one character expected");
                    a.key = quan::asciiUpper(k[0]);
                } else {
                    a.key = keyCode(lx.word(), lx);
                }
                a.id = lx.command();
                while (!lx.atEnd()) {
                    std::string m = lx.word();
                    if (m == "CONTROL")
                        a.ctrl = true;
                    else if (m == "SHIFT")
                        a.shift = true;
                    else if (m == "ALT")
                        a.alt = true;
                    else
                        lx.fail("unknown modifier " + m);
                }
                table.push_back(a);
            }
            if (!ended)
                lx.fail("missing END");
            out.accelerators.emplace_back(name, std::move(table));
        } else if (w == "DIALOG") {
            plat::DialogTemplate t;
            t.name = lx.word();
            t.title = lx.quoted();
            t.w = lx.number();
            t.h = lx.number();
            bool ended = false;
            while (std::getline(in, raw)) {
                ++lx.lineNo;
                lx.line = raw;
                lx.pos = 0;
                if (lx.atEnd() || lx.line.compare(lx.pos, 2, "//") == 0)
                    continue;
                std::string cw = lx.word();
                if (cw == "END") {
                    ended = true;
                    break;
                }
                plat::ControlTemplate c;
                c.type = controlType(cw, lx);
                if (c.type != plat::ControlType::Edit && c.type != plat::ControlType::Slider &&
                    c.type != plat::ControlType::DropDown && c.type != plat::ControlType::ListBox)
                    c.text = lx.quoted();
                c.id = lx.number();
                c.x = lx.number();
                c.y = lx.number();
                c.w = lx.number();
                c.h = lx.number();
                t.controls.push_back(std::move(c));
            }
            if (!ended)
                lx.fail("missing END");
            out.dialogs.push_back(std::move(t));
        } else {
            lx.fail("MENU, POPUP, ACCELERATORS or DIALOG expected");
        }
    }
    return out;
}

namespace {

struct Registry {
    std::map<std::string, plat::Menu> menus;
    std::map<std::string, std::vector<plat::Accelerator>> accels;
    std::map<std::string, plat::DialogTemplate> dialogs;
    std::map<std::string, std::string> help;
};

void addShortcuts(std::vector<plat::MenuItem>& items, const std::vector<plat::Accelerator>& accels)
{
    for (auto& item : items) {
        addShortcuts(item.items, accels);
        if (item.id == 0 || !item.shortcut.empty())
            continue;
        for (const auto& a : accels)
            if (a.id == item.id) {
                item.shortcut = acceleratorText(a);
                break;
            }
    }
}

const Registry& registry()
{
    static const Registry r = [] {
        Registry reg;
        Popups popups;
        for (const char* script : {kShellRc, kTextRc, kGraphicsRc, kApportionRc, kPowerRc, kPackingRc, kGraphsRc,
                                   kScheduleRc, kElectionsRc}) {
            RcBundle b = parseRc(script, popups);
            for (auto& p : b.popups)
                popups[p.first] = std::move(p.second);
            for (auto& m : b.menus)
                reg.menus[m.first] = std::move(m.second);
            for (auto& a : b.accelerators)
                reg.accels[a.first] = std::move(a.second);
            for (auto& d : b.dialogs)
                reg.dialogs[d.name] = std::move(d);
        }
        for (auto& [name, menu] : reg.menus) {
            auto it = reg.accels.find(name);
            if (it != reg.accels.end())
                addShortcuts(menu, it->second);
        }
        auto addHelp = [&reg](const HelpEntry* e, size_t n) {
            for (size_t i = 0; i < n; ++i)
                reg.help[e[i].name] = e[i].text;
        };
        addHelp(kShellHelp, kShellHelpCount);
        addHelp(kTextHelp, kTextHelpCount);
        addHelp(kGraphicsHelp, kGraphicsHelpCount);
        addHelp(kApportionHelp, kApportionHelpCount);
        addHelp(kPowerHelp, kPowerHelpCount);
        addHelp(kPackingHelp, kPackingHelpCount);
        addHelp(kGraphsHelp, kGraphsHelpCount);
        addHelp(kNotationHelp, kNotationHelpCount);
        addHelp(kGeneratorsHelp, kGeneratorsHelpCount);
        addHelp(kSqrectHelp, kSqrectHelpCount);
        addHelp(kScheduleHelp, kScheduleHelpCount);
        addHelp(kElectionsHelp, kElectionsHelpCount);
        return reg;
    }();
    return r;
}

} // namespace

const plat::Menu& menuResource(const std::string& name)
{
    static const plat::Menu empty;
    auto it = registry().menus.find(name);
    return it == registry().menus.end() ? empty : it->second;
}

const std::vector<plat::Accelerator>& acceleratorResource(const std::string& name)
{
    static const std::vector<plat::Accelerator> empty;
    auto it = registry().accels.find(name);
    return it == registry().accels.end() ? empty : it->second;
}

const plat::DialogTemplate& dialogResource(const std::string& name)
{
    static const plat::DialogTemplate empty;
    auto it = registry().dialogs.find(name);
    return it == registry().dialogs.end() ? empty : it->second;
}

bool hasDialogResource(const std::string& name) { return registry().dialogs.count(name) != 0; }
bool hasMenuResource(const std::string& name) { return registry().menus.count(name) != 0; }

const std::string& helpText(const std::string& name)
{
    static const std::string empty;
    auto it = registry().help.find(name);
    return it == registry().help.end() ? empty : it->second;
}

bool hasHelpText(const std::string& name) { return registry().help.count(name) != 0; }

std::string acceleratorText(const plat::Accelerator& a)
{
    std::string s;
    if (a.ctrl)
        s += "Ctrl+";
    if (a.shift)
        s += "Shift+";
    if (a.alt)
        s += "Alt+";
    using namespace plat::vk;
    if (a.key >= F1 && a.key <= F12)
        return s + "F" + std::to_string(a.key - F1 + 1);
    switch (a.key) {
    case Left: return s + "Left";
    case Right: return s + "Right";
    case Up: return s + "Up";
    case Down: return s + "Down";
    case Prior: return s + "PgUp";
    case Next: return s + "PgDown";
    case Home: return s + "Home";
    case End: return s + "End";
    case Insert: return s + "Ins";
    case Delete: return s + "Del";
    case Escape: return s + "Esc";
    case Return: return s + "Enter";
    case Space: return s + "Space";
    case Back: return s + "Backspace";
    case Tab: return s + "Tab";
    default: break;
    }
    return s + std::string(1, static_cast<char>(a.key));
}

} // namespace quan
