#include <iostream>

#include "cli/cli.hpp"
#include "cli/cli_platform.hpp"
#include "startup/data_folder.hpp"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    // The data folder of the window program, by the same rule.
    qavo::cli::CliPlatform platform(
        qavo::DataFolderOf(qavo::cli::CliPlatform::ExecutableDirectory()));
    return qavo::cli::Run(args, std::cout, std::cerr, platform);
}
