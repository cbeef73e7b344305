#pragma once
// What the calendar logic needs from the platform it runs on. The desktop
// program implements it with Qt; tests use a scripted fake.

#include <string>
#include <string_view>

#include "engine/types.hpp"

namespace qavo {

// None: a plain message without an icon.
enum class MessageIcon { Information, Exclamation, Stop, Question, None };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

class Platform {
  public:
    virtual ~Platform() = default;

    // A modal message box; returns the button the user pressed.
    virtual MessageAnswer ShowMessage(std::string_view text, std::string_view title,
                                      MessageIcon icon, MessageButtons buttons) = 0;
    // The hourglass pointer around long work; no nesting, the last call wins.
    virtual void BusyCursorOn() = 0;
    virtual void BusyCursorOff() = 0;
    // Today's date from the system clock.
    virtual GregorianDate Today() = 0;
    // The directory that holds the program and its data files, without a
    // trailing separator.
    virtual std::string ProgramDirectory() = 0;
};

// The hourglass pointer for as long as the guard lives, whichever way the
// work ends.
class BusyCursor {
  public:
    explicit BusyCursor(Platform& platform) : platform_(platform) { platform_.BusyCursorOn(); }
    ~BusyCursor() { platform_.BusyCursorOff(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

  private:
    Platform& platform_;
};

}  // namespace qavo
