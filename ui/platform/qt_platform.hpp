#pragma once
// The desktop's side of qavo::Platform: message boxes, the busy pointer, the
// system clock and the folder of the data files (startup/data_folder.hpp).

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

}  // namespace qavo::ui
