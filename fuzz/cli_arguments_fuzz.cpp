// Any command line of qavo-cli: the input is split into words at NUL bytes.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.hpp"
#include "tests/support/fake_platform.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> words(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0) {
            words.emplace_back();
        } else {
            words.back() += static_cast<char>(data[i]);
        }
    }
    if (words.size() > 8) {
        return -1;  // not a command line anybody types
    }
    if (std::find(words.begin(), words.end(), "--output") != words.end()) {
        return -1;  // "ics --output" writes a file: never where a fuzzer points
    }
    qavo::testing::FakePlatform platform({2024, 10, 3}, "/nonexistent");
    std::ostringstream out, err;
    const int status = qavo::cli::Run(words, out, err, platform);
    // Success prints to standard output; failure prints one line to standard error.
    if ((status != 0 && status != 2) || (status == 2 && !out.str().empty())) {
        std::abort();
    }
    return 0;
}
