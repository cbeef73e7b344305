#include "cli/cli_platform.hpp"

#include <ctime>
#include <filesystem>
#include <iostream>

#include "cli/arguments.hpp"

namespace qavo::cli {

MessageAnswer CliPlatform::ShowMessage(std::string_view text, std::string_view title, MessageIcon,
                                       MessageButtons buttons) {
    std::cerr << "qavo-cli: " << Escaped(std::string(title) + ": " + std::string(text)) << '\n';
    return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
}

GregorianDate CliPlatform::Today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {static_cast<Integer>(local.tm_year + 1900), static_cast<Integer>(local.tm_mon + 1),
            static_cast<Integer>(local.tm_mday)};
}

std::string CliPlatform::ExecutableDirectory() {
    std::error_code error;
    const auto path = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string(".") : path.parent_path().string();
}

}  // namespace qavo::cli
