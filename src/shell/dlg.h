// The dialog classes: a modal or modeless dialog built on a template, with
// the handler hooks of the platform. Subclasses fill controls in init()
// and react to buttons.
#pragma once

#include "platform/platform.h"

#include <memory>
#include <string>

namespace quan {

class TDlg : public plat::DialogHandler {
public:
    TDlg(const std::string& templateName, plat::Window* owner);
    ~TDlg() override;
    TDlg(const TDlg&) = delete;
    TDlg& operator=(const TDlg&) = delete;

    // Modal run: the id the dialog ended with (IdOk, IdCancel, ...).
    int execute();
    // Modeless use.
    void show();
    void hide();
    bool isVisible() const;
    // The platform dialog, created on first use (after construction, so
    // that the subclass's init() runs).
    plat::Dialog& dialog();
    const std::string& templateName() const { return name_; }

protected:
    std::string name_;
    plat::Window* owner_;
    std::unique_ptr<plat::Dialog> dialog_;
};

// Control ids shared by the input dialogs.
namespace ctl {
constexpr int Prompt1 = 101, Field1 = 102, Prompt2 = 103, Field2 = 104, Text = 100;
} // namespace ctl

} // namespace quan
