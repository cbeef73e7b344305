#include <iostream>

#include "cli/cli.hpp"
#include "cli/cli_platform.hpp"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    qavo::cli::CliPlatform platform(qavo::cli::CliPlatform::ExecutableDirectory());
    return qavo::cli::Run(args, std::cout, std::cerr, platform);
}
