#include "startup/init_calendar.hpp"

namespace qavo {

bool InitCalendar(Calendar& calendar) {
    Engine& engine = calendar.engine;
    Platform& platform = engine.platform;
    platform.BusyCursorOn();
    const bool todayInRange = engine.InitEngine();
    platform.BusyCursorOff();
    engine.SuccDayCount = 30;
    engine.PageBusy = false;
    engine.YearDialogOpen = false;
    engine.AnnivMode = false;
    return todayInRange;
}

}  // namespace qavo
