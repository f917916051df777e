#include "shell/dlg.h"

#include "resources/rc.h"

namespace quan {

TDlg::TDlg(const std::string& templateName, plat::Window* owner)
    : name_(templateName), owner_(owner)
{
}

plat::Dialog& TDlg::dialog()
{
    if (!dialog_)
        dialog_ = plat::Platform::get().createDialog(dialogResource(name_), this, owner_);
    return *dialog_;
}

TDlg::~TDlg() = default;

int TDlg::execute() { return plat::Platform::get().runModal(dialog()); }
void TDlg::show() { dialog().show(); }
void TDlg::hide()
{
    if (dialog_)
        dialog_->hide();
}
bool TDlg::isVisible() const { return dialog_ && dialog_->isVisible(); }

} // namespace quan
