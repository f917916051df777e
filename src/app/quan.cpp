#include "app/quan.h"

#include "core/qmath.h"
#include "app/kinds.h"

namespace quan {

void startUpConstants()
{
    Random::shared().seedFromClock();
    (void)constants();
}

TQuan::TQuan() : frame_(std::make_unique<TQuanFrame>())
{
    registerWindowKinds(*frame_);
}

TQuan::~TQuan() = default;

void TQuan::start(const std::string& startupFile) { frame_->create(startupFile); }

} // namespace quan
