#pragma once
// A flag of the engine or the page (AnnivMode, YearDialogOpen,
// MarkJewishDate) held up while a step of a command runs and lowered however
// the step ends: a command that fails half-way must not leave the window
// believing it still runs.

namespace qavo::ui {

class RaisedFlag {
  public:
    explicit RaisedFlag(bool& flag) : flag_(flag) { flag_ = true; }
    ~RaisedFlag() { flag_ = false; }
    RaisedFlag(const RaisedFlag&) = delete;
    RaisedFlag& operator=(const RaisedFlag&) = delete;

  private:
    bool& flag_;
};

}  // namespace qavo::ui
