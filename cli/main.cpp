#include <filesystem>
#include <iostream>

#include "cli/arguments.hpp"
#include "cli/cli.hpp"
#include "cli/cli_platform.hpp"
#include "startup/data_folder.hpp"

int main(int argc, char** argv) {
    try {
        const std::vector<std::string> args(argv + 1, argv + argc);
        // The data folder of the window program, by the same rule; until the
        // window program has first made a user folder, the program's folder,
        // whose files that first start copies.
        const std::string program = qavo::cli::CliPlatform::ExecutableDirectory();
        std::string folder = qavo::DataFolderOf(program);
        std::error_code unreadable;
        if (!std::filesystem::is_directory(folder, unreadable)) {
            folder = program;
        }
        qavo::cli::CliPlatform platform(folder);
        return qavo::cli::Run(args, std::cout, std::cerr, platform);
    } catch (const std::exception& error) {
        std::cerr << "qavo-cli: " << qavo::cli::Escaped(error.what()) << '\n';
        return 2;
    }
}
