// Dialogs built from templates: controls placed by dialog units.
#pragma once

#include "platform/dialog.h"

#include <QDialog>
#include <QPointer>

#include <map>
#include <memory>
#include <string>

class QWidget;

namespace quan::qtui {

class QtDialog;

// The dynamic property that holds, on each control widget, the index of its
// control in the dialog's template.
inline constexpr char kTemplateIndex[] = "quandelTemplateIndex";

class DialogWidget : public QDialog {
public:
    DialogWidget(QtDialog* owner, QWidget* parent) : QDialog(parent), owner_(owner) {}
    QtDialog* owner_;

protected:
    // Escape and the close box are the cancel button.
    void reject() override;
};

class QtDialog : public plat::Dialog {
public:
    QtDialog(const plat::DialogTemplate& t, plat::DialogHandler* h, QWidget* parent);
    ~QtDialog() override;

    const std::string& name() const override { return t_.name; }
    void setTitle(const std::string& t) override;
    void setText(int id, const std::string& text) override;
    std::string text(int id) const override;
    void setCheck(int id, bool on) override;
    bool check(int id) const override;
    void clearItems(int id) override;
    void addItem(int id, const std::string& item) override;
    void setSelection(int id, int index) override;
    int selection(int id) const override;
    void setSliderRange(int id, int min, int max, int page) override;
    void setSliderPos(int id, int pos, bool notify) override;
    int sliderPos(int id) const override;
    void enableControl(int id, bool on) override;
    void showControl(int id, bool on) override;
    void show() override;
    void hide() override;
    bool isVisible() const override;
    void end(int result) override;
    void moveTo(plat::Point topLeft) override;

    // Runs the dialog modally; the id it was ended with.
    int exec();
    // A button was pressed (or Escape, as the cancel button).
    void pressed(int id);
    DialogWidget* widget() const { return d_; }

private:
    struct Control {
        plat::ControlType type = plat::ControlType::Static;
        QPointer<QWidget> w;
        std::string text; // the text as last set, for statics, buttons and lists
    };
    void build(QWidget* parent);
    // The handler fills the controls once, before the dialog first shows.
    void ensureInit();
    Control* find(int id);
    const Control* find(int id) const;

    plat::DialogTemplate t_;
    plat::DialogHandler* h_;
    QPointer<DialogWidget> d_;
    std::map<int, Control> controls_;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
    bool inited_ = false;
    bool placed_ = false;
    void placeBesideOwner();
    bool modal_ = false;
    int quiet_ = 0; // > 0 while the program itself changes controls
};

} // namespace quan::qtui
