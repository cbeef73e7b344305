#pragma once
// Runs one qavo-cli command line in the test's own process.

#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.hpp"
#include "tests/support/fake_platform.hpp"

namespace qavo::cli {

struct CliResult {
    int status;
    std::string out;
    std::string err;
    std::vector<testing::ShownMessage> messages;
};

// Today is Thursday 3 October 2024, 1 Tishri 5785; `directory` stands for the
// tool's own directory.
inline CliResult RunCli(const std::vector<std::string>& words, const std::string& directory = ".") {
    testing::FakePlatform platform({2024, 10, 3}, directory);
    std::ostringstream out, err;
    const int status = Run(words, out, err, platform);
    return {status, out.str(), err.str(), platform.messages};
}

}  // namespace qavo::cli
