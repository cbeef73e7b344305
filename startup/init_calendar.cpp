#include "startup/init_calendar.hpp"

#include "safe_file/read_file.hpp"
#include "startup/holiday_settings.hpp"
#include "sunset/settings_file.hpp"
#include "sunset/zone_places.hpp"

namespace qavo {

StartupResult InitCalendar(Calendar& calendar, const ScheduleTexts& texts,
                           MissingCityFile missing) {
    Engine& engine = calendar.engine;
    CityDatabase& cities = calendar.cities;
    Platform& platform = engine.platform;
    bool todayInRange = false;
    {
        const BusyCursor busy(platform);
        todayInRange = engine.InitEngine();
        // Turns the busy pointer off at its end, so what follows runs with the
        // normal pointer.
        if (!InitReadings(calendar.readings, platform, texts)) {
            return StartupResult::ReadingScheduleRefused;
        }
        // The data files are addressed by their full paths in the program's
        // directory; the process's current directory is left alone.
        cities.Directory = platform.ProgramDirectory();
        engine.IniPath = CaseBlindPath(cities.Directory, kSettingsFileName);
        ReadIniOptions(cities, platform, engine.IniPath);
        // The standard offsets of this year tell which zone a city without a chosen one is in.
        cities.ZonePlaces = LoadZonePlaces(engine.TodayGYear);
        calendar.holidayOptions = ReadHolidayOptions(engine.IniPath);
    }
    engine.SuccDayCount = 30;
    LoadCityFile(cities, platform, engine.IniPath, missing);
    engine.PageBusy = false;
    engine.YearDialogOpen = false;
    engine.AnnivMode = false;
    return todayInRange ? StartupResult::Ready : StartupResult::TodayOutOfRange;
}

}  // namespace qavo
