#pragma once
// The 13 fixed month slots of a Jewish year, as the engine numbers them; a
// common year has no slot 7.

namespace qavo::jmonth {

inline constexpr int kTishri = 1;
inline constexpr int kHeshvan = 2;
inline constexpr int kKislev = 3;
inline constexpr int kTevet = 4;
inline constexpr int kShevat = 5;
inline constexpr int kAdar = 6;  // the first Adar of a leap year
inline constexpr int kAdarII = 7;
inline constexpr int kNisan = 8;
inline constexpr int kIyar = 9;
inline constexpr int kSivan = 10;
inline constexpr int kTammuz = 11;
inline constexpr int kAv = 12;
inline constexpr int kElul = 13;

}  // namespace qavo::jmonth
