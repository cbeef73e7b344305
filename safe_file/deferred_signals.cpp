#include "safe_file/deferred_signals.hpp"

#include <pthread.h>

#include <initializer_list>

namespace qavo {

DeferredSignals::DeferredSignals() {
    sigset_t ending;
    sigemptyset(&ending);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT}) {
        sigaddset(&ending, signal);
    }
    pthread_sigmask(SIG_BLOCK, &ending, &previous_);
}

DeferredSignals::~DeferredSignals() {
    pthread_sigmask(SIG_SETMASK, &previous_, nullptr);
}

}  // namespace qavo
