#pragma once
// The texts of the readings: the Torah portions with the festival and special
// readings, and the prophetic readings (Haftarah) with their replacements and
// additions. Each table is numbered 1 to 80 and holds its texts left-aligned,
// blank-padded to a fixed width; the reading codes of the schedule point into them.

#include <array>
#include <cstddef>
#include <stdexcept>
#include <string_view>

namespace qavo {

inline constexpr int kReadingCount = 80;
inline constexpr std::size_t kTorahReadingWidth = 48;
inline constexpr std::size_t kHaftarahReadingWidth = 45;

// Texts of one width, padded at compile time; a text longer than the width
// stops the build instead of being cut.
template <std::size_t Width, std::size_t Count>
class FixedWidthTable {
  public:
    explicit constexpr FixedWidthTable(const std::array<std::string_view, Count>& texts) {
        for (std::size_t i = 0; i < Count; ++i) {
            if (texts[i].size() > Width) {
                throw std::length_error("reading text wider than its table");
            }
            rows_[i].fill(' ');
            for (std::size_t c = 0; c < texts[i].size(); ++c) {
                rows_[i][c] = texts[i][c];
            }
        }
    }
    // Entry n, 1-based, with its padding.
    constexpr std::string_view operator()(int n) const {
        const auto& row = rows_.at(static_cast<std::size_t>(n - 1));
        return {row.data(), Width};
    }

  private:
    std::array<std::array<char, Width>, Count> rows_{};
};

namespace detail {

// 1 to 54 the weekly portions in order; 55 to 79 festival and special readings.
inline constexpr std::array<std::string_view, kReadingCount> kTorahTexts = {
    "Bereshit, Gen 1:1-6:8",                          // 1
    "No'ah, Gen 6:9-11:32",                           // 2
    "Lekh Lekha, Gen 12:1-17:27",                     // 3
    "Va-Yera, Gen 18:1-22:24",                        // 4
    "Hayyei Sarah, Gen 23:1-25:18",                   // 5
    "Toledot, Gen 25:19-28:9",                        // 6
    "Va-Yeze, Gen 28:10-32:3",                        // 7
    "Va-Yishlah, Gen 32:4-36:43",                     // 8
    "Va-Yeshev, Gen 37:1-40:23",                      // 9
    "Mi-Kez, Gen 41:1-44:17",                         // 10
    "Va-Yiggash, Gen 44:18-47:27",                    // 11
    "Va-Yehi, Gen 47:28-50:26",                       // 12
    "Shemot, Ex 1:1-6:1",                             // 13
    "Va-Era, Ex 6:2-9:35",                            // 14
    "Bo, Ex 10:1-13:16",                              // 15
    "Be-Shallah, Ex 13:17-17:16",                     // 16
    "Yitro, Ex 18:1-20:23",                           // 17
    "Mishpatim, Ex 21:1-24:18",                       // 18
    "Terumah, Ex 25:1-27:19",                         // 19
    "Tezavveh, Ex 27:20-30:10",                       // 20
    "Ki Tissa, Ex 30:11-34:35",                       // 21
    "Va-Yakhel, Ex 35:1-38:20",                       // 22
    "Pekudei, Ex 38:21-40:38",                        // 23
    "Va-Yikra, Lev 1:1-5:26",                         // 24
    "Zav, Lev 6:1-8:36",                              // 25
    "Shemini, Lev 9:1-11:47",                         // 26
    "Tazri'a, Lev 12:1-13:59",                        // 27
    "Mezora, Lev 14:1-15:33",                         // 28
    "Aharei Mot, Lev 16:1-18:30",                     // 29
    "Kedoshim, Lev 19:1-20:27",                       // 30
    "Emor, Lev 21:1-24:23",                           // 31
    "Be-Har, Lev 25:1-26:2",                          // 32
    "Be-Hukkotai, Lev 26:3-27:34",                    // 33
    "Be-Midbar, Num 1:1-4:20",                        // 34
    "Naso, Num 4:21-7:89",                            // 35
    "Be-Ha'alotkha, Num 8:1-12:16",                   // 36
    "Shela Lekha, Num 13:1-15:41",                    // 37
    "Korah, Num 16:1-18:32",                          // 38
    "Hukkat, Num 19:1-22:1",                          // 39
    "Balak, Num 22:2-25:9",                           // 40
    "Pinhas, Num 25:10-30:1",                         // 41
    "Mattot, Num 30:2-32:42",                         // 42
    "Masei, Num 33:1-36:13",                          // 43
    "Devarim, Deut 1:1-3:22",                         // 44
    "Va-Ethannan, Deut 3:23-7:11",                    // 45
    "Ekev, Deut 7:12-11:25",                          // 46
    "Re'eh, Deut 11:26-16:17",                        // 47
    "Shofetim, Deut 16:18-21:9",                      // 48
    "Ki Teze, Deut 21:10-25:19",                      // 49
    "Ki Tavo, Deut 26:1-29:8",                        // 50
    "Nizzavim, Deut 29:9-30:20",                      // 51
    "Va-Yelekh, Deut 31:1-30",                        // 52
    "Ha'azinu, Deut 32:1-52",                         // 53
    "Ve-Zot ha-Berakhah, Deut 33:1-34:12",            // 54
    "HH Succoth 6, Ex 33:12-34:26, Num 29:26-34",     // 55
    "Pesach 5, Ex 33:12-34:26, Num 28:19-25",         // 56
    "Yom Kippur, Lev 16:1-34, Num 29:7-11",           // 57
    "Shevuot 2, Deut 14:22-16:17",                    // 58
    "Rosh Hashanah, Gen 21:1-34, Num 29:1-6",         // 59
    "Pesach 1, Ex 12:21-51, Num 28:19-25",            // 60
    "Pesach 8, Deut 14:22-16:17, Num 28:19-25",       // 61
    "HH Pesach 3, Ex 13:1-16, Num 28:19-25",          // 62
    "Succoth 1, Lev 22:26-23:24, Num 29:12-16",       // 63
    "Sh'mini Atz, Deut 14:22-16:17, Num 29:35-30:1",  // 64
    "Pesach 7, Ex 13:17-15:26, Num 28:19-25",         // 65
    "HH Succoth 5, Ex 33:12-34:26, Num 29:23-31",     // 66
    "HH Succoth 3, Ex 33:12-34:26, Num 29:17-22",     // 67
    "Rosh Hodesh, Num 28:9-15",                       // 68
    "Hanukkah 6, Num 7:42-53",                        // 69
    "Shekalim, Ex 30:11-16",                          // 70
    "Parah, Num 19:1-22",                             // 71
    "Hahodesh, Ex 12:1-20",                           // 72
    "Hanukkah 1, Num 7:1-17",                         // 73
    "Hanukkah 3, Num 7:24-35",                        // 74
    "Hanukkah 2, Num 7:18-29",                        // 75
    "Hanukkah 8, Num 7:54-8:4",                       // 76
    "Zakhor, Deut 25:17-19",                          // 77
    "Hanukkah 4, Num 7:30-41",                        // 78
    "Hanukkah 7, Num 7:48-59",                        // 79
    " ",                                              // 80
};

// 1 to 54 the prophetic readings of the portions; 55 to 67 those of the
// festival Sabbaths; 68 to 74 the special Sabbaths; 75 a placeholder; 76 to 80
// the Hanukkah replacements and the Rosh Hodesh additions.
inline constexpr std::array<std::string_view, kReadingCount> kHaftarahTexts = {
    "Isa 42:5-43:11",                                 // 1
    "Isa 54:1-55:5",                                  // 2
    "Isa 40:27-41:16",                                // 3
    "II Kings 4:1-37",                                // 4
    "I Kings 1:1-31",                                 // 5
    "Mal 1:1-2:7",                                    // 6
    "Hos 12:13-14:10",                                // 7
    "Hos 11:7-12:12",                                 // 8
    "Amos 2:6-3:8",                                   // 9
    "I Kings 3:15-4:1",                               // 10
    "Ezek 37:15-28",                                  // 11
    "I Kings 2:1-12",                                 // 12
    "Isa 27:6-28:13, 29:22-23",                       // 13
    "Ezek 28:25-29:21",                               // 14
    "Jer 46:13-28",                                   // 15
    "Judge 4:4-5:31",                                 // 16
    "Isa 6:1-7:6, 9:5",                               // 17
    "Jer 34:8-22, 33:25-26",                          // 18
    "I Kings 5:26-6:13",                              // 19
    "Ezek 43:10-27",                                  // 20
    "I Kings 18:1-39",                                // 21
    "I Kings 7:40-50",                                // 22
    "I Kings 7:51-8:21",                              // 23
    "Isa 43:21-44:23",                                // 24
    "Jer 7:21-8:3, 9:22-23",                          // 25
    "II Sam 6:1-7:17",                                // 26
    "II Kings 4:42-5:19",                             // 27
    "II Kings 7:3-20",                                // 28
    "Ezek 22:1-19",                                   // 29
    "Amos 9:7-15",                                    // 30
    "Ezek 44:15-31",                                  // 31
    "Jer 32:6-27",                                    // 32
    "Jer 16:19-17:14",                                // 33
    "Hos 2:1-22",                                     // 34
    "Judge 13:2-25",                                  // 35
    "Zech 2:14-4:7",                                  // 36
    "Josh 2:1-24",                                    // 37
    "I Sam 11:14-12:22",                              // 38
    "Judge 11:1-33",                                  // 39
    "Micah 5:6-6:8",                                  // 40
    "I Kings 18:46-19:21",                            // 41
    "Jer 1:1-2:3",                                    // 42
    "Jer 2:4-28, 3:4",                                // 43
    "Isa 1:1-27, Hazon",                              // 44
    "Isa 40:1-26, Nahamu",                            // 45
    "Isa 49:14-51:3",                                 // 46
    "Isa 54:11-55:5",                                 // 47
    "Isa 51:12-52:12",                                // 48
    "Isa 54:1-10",                                    // 49
    "Isa 60:1-22",                                    // 50
    "Isa 61:10-63:9",                                 // 51
    "Hos 14:2-10, Mic 7:18-20, Joel 2:15-17, Shuva",  // 52
    "II Sam 22:1-51",                                 // 53
    "Josh 1:1-18",                                    // 54
    "HH Succoth 6, Ezek 38:18-39:16",                 // 55
    "HH Pesach 5, Ezek 36:37-37:14",                  // 56
    "Yom Kippur, Isa 57:14-58:14",                    // 57
    "Shevuot 2, Hak 3:1-19",                          // 58
    "Rosh Hashanah, I Sam 1:1-2:10",                  // 59
    "Pesach 1, Josh 5:2-6:1, 6:27",                   // 60
    "Pesach 8, Isa 10:32-12:6",                       // 61
    "HH Pesach 3, Ezek 36:37-37:14",                  // 62
    "Succoth 1, Zech 14:1-21",                        // 63
    "Sh'mini Atz, I Kings 8:54-66",                   // 64
    "Pesach 7, II Sam 22:1-51",                       // 65
    "HH Succoth 5, Ezek 38:18-39:16",                 // 66
    "HH Succoth 3, Ezek 38:18-39:16",                 // 67
    "Shekalim, II Kings 12:1-17",                     // 68
    "Zachor, I Sam 15:2-34",                          // 69
    "Parah, Ezek 36:16-38",                           // 70
    "Hahodesh, Ezek 45:16-46",                        // 71
    "Hagadol, Mal 3:4-24",                            // 72
    "Rosh Hodesh, Isa 66:1-24",                       // 73
    "Pre-Rosh Hodesh, I Sam 20:18-42",                // 74
    "??",                                             // 75
    "Sab1 Hanukkah, Zech 2:14-4:7",                   // 76
    "Sab2 Hanukkah, I Kings 7:40-50",                 // 77
    "Sab RH, add Isa 66:1 & 24",                      // 78
    "Sab pre-RH, add I Sam 20:18 & 42",               // 79
    "RH, add Isa 66:1 & 24, Sam 20:18 & 42",          // 80
};

}  // namespace detail

inline constexpr FixedWidthTable<kTorahReadingWidth, kReadingCount> TorahReading(
    detail::kTorahTexts);
inline constexpr FixedWidthTable<kHaftarahReadingWidth, kReadingCount> HaftarahReading(
    detail::kHaftarahTexts);

// The longest prophetic text fills its width to the last character.
static_assert(detail::kHaftarahTexts[52 - 1].size() == kHaftarahReadingWidth);

}  // namespace qavo
