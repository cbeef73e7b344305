#include "page/page_surface.hpp"

#include "engine/name_tables.hpp"
#include "engine/number_text.hpp"

namespace qavo {

std::string PageTitle(const Engine& engine) {
    return std::string(GMonthName(engine.TargetGMonth)) + BlankSigned(engine.GYear) + "       " +
           BlankSigned(engine.JYear);
}

}  // namespace qavo
