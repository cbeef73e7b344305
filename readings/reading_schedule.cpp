#include "readings/reading_schedule.hpp"

#include "readings/israel_schedule.hpp"
#include "readings/schedule_text.hpp"

namespace qavo {

int ReadingSchedule::YearPattern(int newYearWeekday, int yearType) const {
    if (newYearWeekday < 0 || newYearWeekday > 6 || yearType < 1 || yearType > 6) {
        return kImpossiblePattern;
    }
    return ScheduleIndex[newYearWeekday][yearType - 1];
}

std::int32_t ReadingSchedule::Code(Plane plane, int yearPattern, int sabbathNumber,
                                   Schedule schedule) const {
    return (schedule == Schedule::Israel ? IsraelCodes : Codes)
        .at(static_cast<std::size_t>(plane) - 1)
        .at(static_cast<std::size_t>(yearPattern - 1))
        .at(static_cast<std::size_t>(sabbathNumber - 1));
}

ScheduleTexts ProgramScheduleTexts() {
    ScheduleTexts texts;
    for (std::string_view piece : kScheduleIndexPieces) {
        texts.index += piece;
    }
    for (const auto& plane : {kTorahSchedulePieces, kHaftarahSchedulePieces}) {
        for (std::string_view piece : plane) {
            texts.schedule += piece;
        }
    }
    return texts;
}

namespace {

void ReportRefusedText(Platform& platform, std::string_view which, const ParseFailure& failure) {
    platform.ShowMessage("The " + std::string(which) + " is damaged (character " +
                             std::to_string(failure.position) + ": " + failure.reason +
                             "). The program cannot start.",
                         "Initialization Error", MessageIcon::Stop, MessageButtons::Ok);
}

}  // namespace

bool InitReadings(ReadingSchedule& schedule, Platform& platform, const ScheduleTexts& texts) {
    std::optional<ParseFailure> failure;
    std::string_view which = "reading schedule index";
    {
        const BusyCursor busy(platform);
        // The reading texts are compile-time tables; only the schedule is built here.
        failure = ParseScheduleIndex(texts.index, schedule.ScheduleIndex);
        if (!failure) {
            failure = ParseReadingSchedule(texts.schedule, schedule.Codes);
            which = "reading schedule";
        }
    }
    if (!failure) {
        schedule.IsraelCodes = IsraelReadingCodes(schedule.Codes);
    }
    if (failure) {
        ReportRefusedText(platform, which, *failure);
        return false;
    }
    return true;
}

}  // namespace qavo
