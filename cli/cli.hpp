#pragma once
// qavo-cli: every report of QAVO on standard output.

#include <iosfwd>
#include <string>
#include <vector>

#include "engine/platform.hpp"

namespace qavo::cli {

// Runs one command line (without the program name). Returns the exit status:
// 0 on success, 2 after one line on `err` for bad input, 1 after one line
// when the output could not be written.
int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
        Platform& platform);

}  // namespace qavo::cli
