// Batch mode: runs the program on the headless platform from a script of
// commands, one a line ('#' starts a comment). See README.md for the
// commands. Also the engine of the end-to-end tests.
#pragma once

#include <iosfwd>
#include <string>

namespace quan {

// Runs the script read from in; output (messages, printed texts) goes to
// out, errors to err. Returns 0 on success, 2 when the script stopped
// (unanswered question or dialog, unknown command or menu item).
int runBatch(std::istream& in, std::ostream& out, std::ostream& err);
int runBatchFile(const std::string& path, std::ostream& out, std::ostream& err);

} // namespace quan
