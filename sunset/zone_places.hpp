#pragma once
// The principal places of the time zones, as zone1970.tab of the system's
// time-zone data lists them (one per zone, about 300): where a city without
// a chosen zone takes its zone from, and the world list of the sunset setup.

#include <string>
#include <string_view>
#include <vector>

#include "sunset/city_database.hpp"
#include "sunset/zone_place.hpp"

namespace qavo {

// The lines of zone1970.tab (country codes, ISO 6709 coordinates, zone name,
// optional comment, separated by tabs); comments and malformed lines are
// left out. Standard offsets are left at 0.
std::vector<ZonePlace> ParseZoneTable(std::string_view text);

// zone1970.tab of the system's data, each place with its zone's standard
// offset in `year`; places whose zone the database lacks are left out, and
// an unreadable table gives none.
std::vector<ZonePlace> LoadZonePlaces(int year);

// The standard offset of a zone in a year: the offset of January or July
// that is not daylight saving time (the later one when both are not).
std::int32_t StandardOffset(const std::string& zoneName, int year);

// The name a place is listed under: the last part of its zone name with
// blanks for the underscores ("New York" for "America/New_York").
std::string PlaceName(const ZonePlace& place);

// The zone of a city without a chosen one: the zone of the nearest place
// whose standard offset is the city's Zone in whole hours (+5:30 counts as
// 5, as CityAtPlace stores it), else the fixed zone of Zone.
std::string InferZone(const CityRecord& city, const std::vector<ZonePlace>& places);

// The zone sunset times of a city follow: its chosen zone when the database
// knows it, else the inferred one.
std::string CityZone(const CityRecord& city, const std::vector<ZonePlace>& places);

// A new city at a place: its name, its coordinates in degrees and minutes
// (west positive), the whole hours of its standard offset as Zone, and its
// zone as the chosen one.
CityRecord CityAtPlace(const ZonePlace& place);

}  // namespace qavo
