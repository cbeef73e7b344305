#pragma once
// The desktop's side of qavo::Platform: message boxes, the busy pointer, the
// system clock and the folder of the data files.

#include <QString>

#include "engine/platform.hpp"

namespace qavo::ui {

class QtPlatform : public Platform {
  public:
    MessageAnswer ShowMessage(std::string_view text, std::string_view title, MessageIcon icon,
                              MessageButtons buttons) override;
    void BusyCursorOn() override;
    void BusyCursorOff() override;
    GregorianDate Today() override;
    std::string ProgramDirectory() override;

  private:
    bool busy_ = false;
    QString dataDirectory_;
};

// The files the program keeps beside itself.
inline constexpr const char* kDataFiles[] = {"QAVOWIN.INI", "sunset.dat"};

// Where QAVOWIN.INI and sunset.dat live: the program's own folder when it can
// be written to, else `userFolder` (created when missing), into which the
// copies the installation ships in `shippedFolders` are placed once.
QString ChooseDataDirectory(const QString& programFolder, bool programFolderWritable,
                            const QString& userFolder, const QStringList& shippedFolders);

}  // namespace qavo::ui
