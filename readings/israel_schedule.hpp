#pragma once
// Israel's reading schedule, derived by rule from the diaspora's. Israel keeps
// one festival day: where the diaspora reads the 8th day of Passover or the
// 2nd day of Shavuot on a Sabbath, Israel reads the next weekly portion and
// stays a week ahead until it reads apart the pair the diaspora next reads
// together; and Sh'mini Atzeret, on a Sabbath, is Israel's Simchat Torah.

#include "readings/reading_schedule.hpp"

namespace qavo {

ReadingCodeTable IsraelReadingCodes(const ReadingCodeTable& diaspora);

}  // namespace qavo
