#pragma once
// What the tests of the city files share: the one city builder, and a file
// write run in a child process whose files may not grow beyond a limit:
// either it is killed there (a crash mid-write) or its writes fail (a full disk).

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <string_view>

#include "sunset/city_database.hpp"

namespace qavo::testing {

inline CityRecord City(std::string_view name, float latDeg, float latMin, float longDeg,
                       float longMin, int zone, std::string timeZone = {}) {
    return {PadCityName(name),  latDeg, latMin, longDeg, longMin, static_cast<Integer>(zone),
            std::move(timeZone)};
}

enum class Interruption { Crash, DiskFull };

// The child's exit status (0 when `write` returned true, 1 when false), or
// minus the number of the signal that ended it.
template <class Write>
int RunWithFileSizeLimit(rlim_t limit, Interruption how, Write write) {
    std::fflush(nullptr);
    const pid_t child = ::fork();
    if (child == 0) {
        const rlimit noCore{0, 0};
        ::setrlimit(RLIMIT_CORE, &noCore);
        const rlimit size{limit, limit};
        ::setrlimit(RLIMIT_FSIZE, &size);
        ::signal(SIGXFSZ, how == Interruption::Crash ? SIG_DFL : SIG_IGN);
        ::_exit(write() ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFSIGNALED(status) ? -WTERMSIG(status) : WEXITSTATUS(status);
}

}  // namespace qavo::testing
