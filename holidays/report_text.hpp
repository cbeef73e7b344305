#pragma once
// Pieces of text that several reports share.

#include <string>

#include "engine/platform.hpp"

namespace qavo {

// "Tue, Sep 30, 2008": weekday (0 = Sunday), month abbreviation, two-digit day.
std::string ShortDateText(int weekday, int month, int day, int year);
// "Sun, April     20, 2008": the month's full name blank-filled to 9 characters.
std::string LongDateText(int weekday, int month, int day, int year);

// The hourglass pointer for as long as a report is built.
class BusyCursor {
  public:
    explicit BusyCursor(Platform& platform) : platform_(platform) { platform_.BusyCursorOn(); }
    ~BusyCursor() { platform_.BusyCursorOff(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

  private:
    Platform& platform_;
};

}  // namespace qavo
