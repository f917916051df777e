#include "app/quan.h"

#include "core/qmath.h"
#include "app/kinds.h"
#include "graphics/demopicwin.h"
#include "graphics/export/picture_export.h"
#include "graphics/velwin.h"

namespace quan {

void startUpConstants()
{
    Random::shared().seedFromClock();
    (void)constants();
}

TQuan::TQuan() : frame_(std::make_unique<TQuanFrame>())
{
    registerWindowKinds(*frame_);
    registerPictureExports();
}

void TQuan::openDemoPicture()
{
    if (!demo_) {
        DocInit init;
        init.fileName = "demo.gra";
        demo_ = std::make_unique<TDemoPicWin>(frame_.get(), init);
        demo_->create();
    }
    demo_->window()->show();
}

TFileMsgWin* TQuan::demoPicture() { return demo_.get(); }

TQuan::~TQuan()
{
    demo_.reset();
    service_.reset();
    frame_.reset();
}

void TQuan::start(const std::string& startupFile)
{
    DocInit init;
    init.fileName = "name.ext";
    auto service = std::make_unique<TVELWin>(frame_.get(), init);
    service->create();
    TVELWin* svc = service.get();
    service_ = std::move(service);
    frame_->setHelpHandler([svc](const std::string&, const std::string&) { svc->showHelp("PROGHELP"); });
    frame_->create(startupFile);
}

} // namespace quan
