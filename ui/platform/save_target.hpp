#pragma once
// The steps every "save to a file" command shares: the file name from the
// save dialog, completed with the file type's suffix, and the bytes written
// whole with the failure told.

#include <QString>
#include <optional>
#include <string_view>

#include "engine/platform.hpp"

class QWidget;

namespace qavo::ui {

class CommonDialog;

// The file the user chose in the save dialog with `filter`, with `suffix`
// (".txt") added when the name has none. When the dialog asks before
// replacing a file, a name completed here is asked about again. Nothing when
// the user cancelled.
std::optional<QString> AskSaveTarget(CommonDialog& dialog, Platform& platform, QWidget* parent,
                                     const char* filter, const QString& suffix);

// Replaces the file whole; false after a message naming the file and the
// reason when it could not be written.
bool SaveBytes(Platform& platform, const QString& path, std::string_view bytes);

}  // namespace qavo::ui
