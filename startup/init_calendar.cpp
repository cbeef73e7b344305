#include "startup/init_calendar.hpp"

namespace qavo {

StartupResult InitCalendar(Calendar& calendar, const ScheduleTexts& texts) {
    Engine& engine = calendar.engine;
    Platform& platform = engine.platform;
    platform.BusyCursorOn();
    const bool todayInRange = engine.InitEngine();
    // Turns the busy pointer off at its end, so what follows runs with the
    // normal pointer.
    if (!InitReadings(calendar.readings, platform, texts)) {
        return StartupResult::ReadingScheduleRefused;
    }
    platform.BusyCursorOff();
    engine.SuccDayCount = 30;
    engine.PageBusy = false;
    engine.YearDialogOpen = false;
    engine.AnnivMode = false;
    return todayInRange ? StartupResult::Ready : StartupResult::TodayOutOfRange;
}

}  // namespace qavo
