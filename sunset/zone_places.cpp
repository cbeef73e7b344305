#include "sunset/zone_places.hpp"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <limits>
#include <numbers>

#include "safe_file/read_file.hpp"
#include "sunset/time_zones.hpp"

namespace qavo {

namespace {

// Zone files and zone1970.tab are a few kilobytes; anything far larger is not one.
constexpr std::size_t kMaxZoneTableBytes = 1 << 20;

std::vector<std::string_view> SplitTabs(std::string_view line) {
    std::vector<std::string_view> fields;
    for (std::size_t start = 0;;) {
        const std::size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab - start));
        if (tab == std::string_view::npos) {
            return fields;
        }
        start = tab + 1;
    }
}

// One ISO 6709 angle: a sign, then degreeDigits digits of degrees, two of
// minutes and optionally two of seconds.
bool ReadAngle(std::string_view text, std::size_t degreeDigits, double& angle) {
    if (text.size() != degreeDigits + 3 && text.size() != degreeDigits + 5) {
        return false;
    }
    if ((text[0] != '+' && text[0] != '-') ||
        !std::all_of(text.begin() + 1, text.end(),
                     [](char c) { return std::isdigit(static_cast<unsigned char>(c)); })) {
        return false;
    }
    const auto number = [&](std::size_t from, std::size_t count) {
        return std::stoi(std::string(text.substr(from, count)));
    };
    const double seconds = text.size() == degreeDigits + 5 ? number(degreeDigits + 3, 2) : 0;
    angle = number(1, degreeDigits) + number(degreeDigits + 1, 2) / 60.0 + seconds / 3600;
    angle = text[0] == '-' ? -angle : angle;
    return true;
}

// "+404251-0740023": latitude with two degree digits, longitude with three.
bool ReadCoordinates(std::string_view text, ZonePlace& place) {
    const std::size_t split = text.find_first_of("+-", 1);
    return split != std::string_view::npos && ReadAngle(text.substr(0, split), 2, place.latitude) &&
           ReadAngle(text.substr(split), 3, place.longitude);
}

constexpr double kRadian = std::numbers::pi / 180;

// The angle between two places seen from the earth's centre.
double CentralAngle(double lat1, double long1, double lat2, double long2) {
    const double a = std::pow(std::sin((lat2 - lat1) * kRadian / 2), 2) +
                     std::cos(lat1 * kRadian) * std::cos(lat2 * kRadian) *
                         std::pow(std::sin((long2 - long1) * kRadian / 2), 2);
    return 2 * std::asin(std::sqrt(std::min(1.0, a)));
}

}  // namespace

std::vector<ZonePlace> ParseZoneTable(std::string_view text) {
    std::vector<ZonePlace> places;
    while (!text.empty()) {
        const std::size_t newline = text.find('\n');
        std::string_view line = text.substr(0, newline);
        text = newline == std::string_view::npos ? std::string_view() : text.substr(newline + 1);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (line.empty() || line.front() == '#') {
            continue;
        }
        const auto fields = SplitTabs(line);
        ZonePlace place;
        if (fields.size() < 3 || fields[2].empty() || !ReadCoordinates(fields[1], place)) {
            continue;
        }
        place.zone = fields[2];
        place.comment = fields.size() > 3 ? fields[3] : std::string_view();
        places.push_back(std::move(place));
    }
    return places;
}

std::int32_t StandardOffset(const std::string& zoneName, int year) {
    const auto january = ZoneOffsetOn(zoneName, year, 1, 15);
    const auto july = ZoneOffsetOn(zoneName, year, 7, 15);
    if (july && !july->daylight) {
        return july->seconds;
    }
    if (january && !january->daylight) {
        return january->seconds;
    }
    return january && july ? std::min(january->seconds, july->seconds) : 0;
}

std::vector<ZonePlace> LoadZonePlaces(int year) {
    const Result<std::string> text =
        ReadFileBytes(std::string(kZoneInfoFolder) + "/zone1970.tab", kMaxZoneTableBytes);
    if (!text) {
        return {};
    }
    std::vector<ZonePlace> places;
    for (ZonePlace& place : ParseZoneTable(*text)) {
        if (IsKnownZone(place.zone)) {
            place.standardOffset = StandardOffset(place.zone, year);
            places.push_back(std::move(place));
        }
    }
    return places;
}

std::string PlaceName(const ZonePlace& place) {
    std::string name = place.zone.substr(place.zone.rfind('/') + 1);
    std::replace(name.begin(), name.end(), '_', ' ');
    return name;
}

std::string InferZone(const CityRecord& city, const std::vector<ZonePlace>& places) {
    // Degrees and minutes combine as the sunset computation combines them.
    const double latitude = double{city.LatDeg} + double{city.LatMin} / 60;
    const double eastLongitude = -(double{city.LongDeg} + double{city.LongMin} / 60);
    const ZonePlace* nearest = nullptr;
    double nearestAngle = std::numeric_limits<double>::infinity();
    for (const ZonePlace& place : places) {
        // A half-hour zone's cities keep its whole hours, toward 0, as Zone.
        if (place.standardOffset / 3600 != -city.Zone) {
            continue;
        }
        const double angle = CentralAngle(latitude, eastLongitude, place.latitude, place.longitude);
        if (angle < nearestAngle) {
            nearest = &place;
            nearestAngle = angle;
        }
    }
    return nearest != nullptr ? nearest->zone : FixedZoneName(city.Zone);
}

std::string CityZone(const CityRecord& city, const std::vector<ZonePlace>& places) {
    return IsKnownZone(city.TimeZone) ? city.TimeZone : InferZone(city, places);
}

CityRecord CityAtPlace(const ZonePlace& place) {
    CityRecord city;
    city.CityName = PadCityName(PlaceName(place));
    const double west = -place.longitude;
    city.LatDeg = static_cast<float>(std::trunc(place.latitude));
    city.LatMin = static_cast<float>(std::round((place.latitude - city.LatDeg) * 6000) / 100);
    city.LongDeg = static_cast<float>(std::trunc(west));
    city.LongMin = static_cast<float>(std::round((west - city.LongDeg) * 6000) / 100);
    city.Zone = static_cast<Integer>(-place.standardOffset / 3600);  // whole hours, toward 0
    city.TimeZone = place.zone;
    return city;
}

}  // namespace qavo
