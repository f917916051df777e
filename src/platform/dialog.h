// Dialogs built from templates: resources that name their controls by id.
#pragma once

#include "platform/geometry.h"

#include <string>
#include <vector>

namespace quan::plat {

// Standard button ids.
constexpr int IdOk = 1, IdCancel = 2, IdYes = 6, IdNo = 7;

enum class ControlType { Static, Edit, Button, DefaultButton, Check, Radio, DropDown, Slider, ListBox, Group };

struct ControlTemplate {
    ControlType type = ControlType::Static;
    int id = -1; // -1 for static texts nobody addresses
    std::string text;
    int x = 0, y = 0, w = 0, h = 0; // dialog units (4 per average character width, 8 per line)
};

struct DialogTemplate {
    std::string name; // "ONEINPUT", "DP", "divisor", ...
    std::string title;
    int w = 0, h = 0;
    std::vector<ControlTemplate> controls;
};

class Dialog;

class DialogHandler {
public:
    virtual ~DialogHandler() = default;
    // Controls exist and may be filled.
    virtual void init(Dialog& d) {}
    // A button was pressed. Returning false lets the dialog apply the
    // default: ok, cancel, yes and no end a modal dialog with their id and
    // hide a modeless one.
    virtual bool button(Dialog& d, int id) { return false; }
    virtual void selectionChanged(Dialog& d, int id) {}
    virtual void sliderMoved(Dialog& d, int id, int pos) {}
};

class Dialog {
public:
    virtual ~Dialog() = default;
    virtual const std::string& name() const = 0;
    virtual void setTitle(const std::string& t) = 0;
    virtual void setText(int id, const std::string& text) = 0;
    virtual std::string text(int id) const = 0;
    virtual void setCheck(int id, bool on) = 0;
    virtual bool check(int id) const = 0;
    virtual void clearItems(int id) = 0;
    virtual void addItem(int id, const std::string& item) = 0;
    virtual void setSelection(int id, int index) = 0;
    virtual int selection(int id) const = 0;
    virtual void setSliderRange(int id, int min, int max, int page) = 0;
    // Places the slider; the handler hears of it only when notify is true.
    virtual void setSliderPos(int id, int pos, bool notify) = 0;
    virtual int sliderPos(int id) const = 0;
    virtual void enableControl(int id, bool on) = 0;
    virtual void showControl(int id, bool on) = 0;
    virtual void show() = 0; // modeless
    virtual void hide() = 0;
    virtual bool isVisible() const = 0;
    // Ends a modal dialog with the given result.
    virtual void end(int result) = 0;
    // Puts a modeless dialog's top-left corner at a screen point (instead
    // of the platform's own choice).
    virtual void moveTo(Point topLeft) {}
};

} // namespace quan::plat
