#include "startup/holiday_settings.hpp"

#include "sunset/profile_file.hpp"

namespace qavo {

namespace {
constexpr const char* kSection = "OPTIONS";
constexpr const char* kScheduleKey = "Schedule";
constexpr const char* kHolidaysKey = "Holidays";
constexpr std::size_t kLongestValue = 16;
}  // namespace

HolidayOptions ReadHolidayOptions(const std::string& iniPath) {
    const std::string schedule =
        ReadProfileString(iniPath, kSection, kScheduleKey, "", kLongestValue).value_or("");
    const std::string holidays =
        ReadProfileString(iniPath, kSection, kHolidaysKey, "", kLongestValue).value_or("");
    HolidayOptions options;
    options.schedule = ScheduleNamed(schedule).value_or(Schedule::Diaspora);
    options.holidays = HolidaySetNamed(holidays).value_or(HolidaySet::Major);
    return options;
}

bool SaveHolidayOptions(Platform& platform, const std::string& iniPath,
                        const HolidayOptions& options) {
    const FileResult written =
        WriteProfileStrings(iniPath, kSection,
                            {{kScheduleKey, ScheduleName(options.schedule)},
                             {kHolidaysKey, HolidaySetName(options.holidays)}});
    if (!written) {
        platform.ShowMessage(written.error() + ". The setting was not saved.", "Warning",
                             MessageIcon::Exclamation, MessageButtons::Ok);
    }
    return static_cast<bool>(written);
}

}  // namespace qavo
