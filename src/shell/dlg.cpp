#include "shell/dlg.h"

#include "resources/rc.h"

namespace quan {

TDlg::TDlg(const std::string& templateName, plat::Window* owner)
    : name_(templateName), owner_(owner)
{
    dialog_ = plat::Platform::get().createDialog(dialogResource(templateName), this, owner);
}

TDlg::~TDlg() = default;

int TDlg::execute() { return plat::Platform::get().runModal(*dialog_); }
void TDlg::show() { dialog_->show(); }
void TDlg::hide() { dialog_->hide(); }
bool TDlg::isVisible() const { return dialog_->isVisible(); }

} // namespace quan
