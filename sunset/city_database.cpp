#include "sunset/city_database.hpp"

#include <cmath>

#include "engine/plain_text.hpp"

namespace qavo {

CityRecord DefaultCity() {
    CityRecord city;
    city.CityName = PadCityName("New York");
    city.LatDeg = 40;
    city.LatMin = 45;
    city.LongDeg = 73;
    city.LongMin = 59;
    city.Zone = 5;
    return city;
}

std::string PadCityName(std::string_view name) {
    std::string padded;
    std::size_t characters = 0;
    for (std::size_t i = 0; i < name.size() && characters < kCityNameWidth; ++characters) {
        // A UTF-8 character is its lead byte and the continuation bytes after it.
        std::size_t end = i + 1;
        while (end < name.size() && (static_cast<unsigned char>(name[end]) & 0xC0) == 0x80) {
            ++end;
        }
        padded.append(name.substr(i, end - i));
        i = end;
    }
    padded.append(kCityNameWidth - characters, ' ');
    return padded;
}

namespace {
bool Within(double value, int limit) {
    return std::isfinite(value) && value >= -limit && value <= limit;
}
}  // namespace

bool IsValidLatitude(double degrees) {
    return Within(degrees, kLatitudeLimit);
}
bool IsValidLongitude(double degrees) {
    return Within(degrees, kLongitudeLimit);
}
bool IsValidMinutes(double minutes) {
    return Within(minutes, kMinuteLimit);
}
bool IsValidZone(double zone) {
    return Within(zone, kZoneLimit);
}

bool IsValidCityRecord(const CityRecord& city) {
    return IsValidLatitude(city.LatDeg) && IsValidMinutes(city.LatMin) &&
           IsValidLongitude(city.LongDeg) && IsValidMinutes(city.LongMin) && IsValidZone(city.Zone);
}

bool IsAutoDaylight(std::string_view daylightMode) {
    return SameIgnoringCase(WithoutTrailingBlanks(daylightMode), "Auto");
}

const CityRecord& SunsetCity(const CityDatabase& cities) {
    const bool loaded = cities.CurrentCity >= 0 && cities.CurrentCity <= cities.LastCityIndex &&
                        cities.CurrentCity < kCitySlots;
    return cities.CityTable[loaded ? cities.CurrentCity : 0];
}

}  // namespace qavo
