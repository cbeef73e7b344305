#include "startup/holiday_settings.hpp"

#include "sunset/profile_file.hpp"

namespace qavo {

namespace {
constexpr const char* kSection = "OPTIONS";
constexpr const char* kScheduleKey = "Schedule";
constexpr std::size_t kLongestValue = 16;
}  // namespace

HolidayOptions ReadHolidayOptions(const std::string& iniPath) {
    std::string error;
    const std::string schedule =
        ReadProfileString(iniPath, kSection, kScheduleKey, "", kLongestValue, error);
    HolidayOptions options;
    options.schedule = ScheduleNamed(schedule).value_or(Schedule::Diaspora);
    return options;
}

bool SaveHolidayOptions(Platform& platform, const std::string& iniPath,
                        const HolidayOptions& options) {
    const FileResult written =
        WriteProfileString(iniPath, kSection, kScheduleKey, ScheduleName(options.schedule));
    if (!written) {
        platform.ShowMessage(written.error + ". The setting was not saved.", "Warning",
                             MessageIcon::Exclamation, MessageButtons::Ok);
    }
    return static_cast<bool>(written);
}

}  // namespace qavo
