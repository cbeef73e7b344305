#pragma once
// Holds back the signals that end a program (interrupt, terminate, hang-up,
// quit) while an object of this class lives; one that came meanwhile is
// delivered when it goes, so a step in progress is finished first.

#include <signal.h>

namespace qavo {

class DeferredSignals {
  public:
    DeferredSignals();
    ~DeferredSignals();
    DeferredSignals(const DeferredSignals&) = delete;
    DeferredSignals& operator=(const DeferredSignals&) = delete;

  private:
    sigset_t previous_{};
};

}  // namespace qavo
