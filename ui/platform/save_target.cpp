#include "ui/platform/save_target.hpp"

#include <QFileInfo>

#include "safe_file/safe_file.hpp"
#include "ui/platform/common_dialog.hpp"

namespace qavo::ui {

std::optional<QString> AskSaveTarget(CommonDialog& dialog, Platform& platform, QWidget* parent,
                                     const char* filter, const QString& suffix) {
    dialog.SetFilter(filter);
    std::optional<QString> file = dialog.ShowSave(parent);
    if (!file || file->isEmpty()) {
        return std::nullopt;
    }
    if (!QFileInfo(*file).suffix().isEmpty()) {
        return file;
    }
    // The dialog asked about the name as typed; the completed one is asked about here.
    const QString completed = *file + suffix;
    if (dialog.OverwritePrompt() && QFileInfo::exists(completed) &&
        platform.ShowMessage(completed.toStdString() + " already exists. Replace it?", "Warning",
                             MessageIcon::Question, MessageButtons::YesNo) != MessageAnswer::Yes) {
        return std::nullopt;
    }
    return completed;
}

bool SaveBytes(Platform& platform, const QString& path, std::string_view bytes) {
    const FileResult written = ReplaceFileSafely(path.toStdString(), bytes);
    if (!written) {
        platform.ShowMessage(written.error() + ".", "Warning", MessageIcon::Exclamation,
                             MessageButtons::Ok);
    }
    return static_cast<bool>(written);
}

}  // namespace qavo::ui
