#include "ui/accessories/accessory_search.hpp"

#include <sys/stat.h>
#include <unistd.h>

#include <vector>

namespace qavo {
namespace {

// Desktop programs of the common Linux desktops, the one that comes with the
// larger desktops first, then the lighter ones.
constexpr std::string_view kTextEditors[] = {
    "gnome-text-editor", "gedit",   "kate", "kwrite", "mousepad", "pluma", "xed",
    "featherpad",        "leafpad",
};
constexpr std::string_view kPaintPrograms[] = {
    "kolourpaint", "pinta", "drawing", "mtpaint", "gnome-paint",
};
constexpr std::string_view kCalculators[] = {
    "gnome-calculator", "kcalc", "galculator", "mate-calc", "qalculate-gtk", "xcalc",
};

constexpr AccessoryInfo kTextEditor{"notepad.exe", kTextEditors};
constexpr AccessoryInfo kPaint{"mspaint.exe", kPaintPrograms};
constexpr AccessoryInfo kCalculator{"calc.exe", kCalculators};

std::vector<std::string_view> SearchDirectories(std::string_view searchPath) {
    std::vector<std::string_view> directories;
    std::size_t begin = 0;
    while (begin <= searchPath.size()) {
        std::size_t end = searchPath.find(':', begin);
        if (end == std::string_view::npos) {
            end = searchPath.size();
        }
        const std::string_view directory = searchPath.substr(begin, end - begin);
        if (!directory.empty() && directory.front() == '/') {
            directories.push_back(directory);
        }
        begin = end + 1;
    }
    return directories;
}

}  // namespace

const AccessoryInfo& AccessoryFor(Accessory accessory) {
    switch (accessory) {
        case Accessory::TextEditor:
            return kTextEditor;
        case Accessory::Paint:
            return kPaint;
        case Accessory::Calculator:
            break;
    }
    return kCalculator;
}

bool IsExecutableFile(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
           ::access(path.c_str(), X_OK) == 0;
}

std::string FindProgram(std::span<const std::string_view> candidates, std::string_view searchPath,
                        const ExecutableTest& isExecutable) {
    const std::vector<std::string_view> directories = SearchDirectories(searchPath);
    for (const std::string_view candidate : candidates) {
        for (const std::string_view directory : directories) {
            std::string path(directory);
            if (path.back() != '/') {
                path += '/';
            }
            path += candidate;
            if (isExecutable(path)) {
                return path;
            }
        }
    }
    return {};
}

}  // namespace qavo
