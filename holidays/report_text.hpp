#pragma once
// Pieces of text that several reports share.

#include <string>

#include "engine/platform.hpp"

namespace qavo {

// "Tue, Sep 30, 2008": weekday (0 = Sunday), month abbreviation, two-digit day.
std::string ShortDateText(int weekday, int month, int day, int year);
// "Sun, April     20, 2008": the month's full name blank-filled to 9 characters.
std::string LongDateText(int weekday, int month, int day, int year);

}  // namespace qavo
