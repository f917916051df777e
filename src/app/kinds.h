// The document window kinds that the main window can create.
#pragma once

namespace quan {
class TQuanFrame;
void registerWindowKinds(TQuanFrame& frame);
} // namespace quan
