#pragma once

#include "recording/SampleRecord.h"

#include <boost/date_time/posix_time/ptime.hpp>

#include <cstdint>

// Field decoding of a raw record, shared by CSample and the fast readers.
namespace SampleDecode {

constexpr std::uint32_t CellBits = 0xFFFFF;
constexpr std::uint32_t FlagIBit = 1u << 29;
constexpr std::uint32_t FlagBBit = 1u << 30;

// The day, month and year fields of word 0; the other bits are the time of day.
constexpr std::uint32_t DateBits = 0xF000FFE0;

// The time of word 0; not_a_date_time when the date fields form no valid date.
boost::posix_time::ptime Time(std::uint32_t word0);

// Whole seconds since 2000-01-01 00:00:00 of word 0, or false when its date is invalid.
// Equal to the difference of Time(word0) and that epoch.
bool SecondsSince2000(std::uint32_t word0, std::int64_t& seconds);

// The two halves of SecondsSince2000: whole days from 2000-01-01 to the date of word 0 (false
// when the date is invalid), and the seconds of its time of day, carries included.
bool DaysSince2000(std::uint32_t word0, std::int64_t& days);
constexpr std::int64_t SecondsOfDay(std::uint32_t word0)
{
    const std::int64_t hour = word0 & 0x1F;
    const std::int64_t second = (word0 >> 16) & 0x3F;
    const std::int64_t minute = (word0 >> 22) & 0x3F;
    return hour * 3600 + minute * 60 + second;
}

double Temperature(std::uint32_t word3);
double Stack(std::uint32_t word4);
std::int16_t ChargeRate(std::uint32_t word4);

} // namespace SampleDecode
