#pragma once
// The program's state as start-up fills it, and the one start-up routine that
// ties the engine, the reading schedule and the city database together.

#include "engine/engine.hpp"

namespace qavo {

struct Calendar {
    explicit Calendar(Platform& platform) : engine(platform) {}
    Engine engine;
};

// Runs once, before the main window is shown. False when today's date lies
// outside the years the engine can reach.
bool InitCalendar(Calendar& calendar);

}  // namespace qavo
