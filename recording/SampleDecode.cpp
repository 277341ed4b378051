#include "recording/SampleDecode.h"

#include "recording/TemperatureTable.h"

#include <boost/date_time/gregorian/gregorian_types.hpp>
#include <boost/date_time/posix_time/posix_time_types.hpp>

namespace SampleDecode {

namespace {

struct DateFields
{
    int year;
    unsigned month;
    unsigned day;
};

DateFields DateOf(std::uint32_t word0)
{
    return {2000 + static_cast<int>((word0 >> 10) & 0x3F), (word0 >> 28) & 0xF, (word0 >> 5) & 0x1F};
}

bool IsLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

unsigned DaysInMonth(int year, unsigned month)
{
    static constexpr unsigned lengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : lengths[month - 1];
}

// Days from 1970-01-01 to a valid proleptic Gregorian date.
constexpr std::int64_t DaysFromCivil(int year, unsigned month, unsigned day)
{
    const int y = month <= 2 ? year - 1 : year;
    const int era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yearOfEra = static_cast<unsigned>(y - era * 400);
    const unsigned dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return static_cast<std::int64_t>(era) * 146097 + dayOfEra - 719468;
}

constexpr std::int64_t Epoch2000 = DaysFromCivil(2000, 1, 1);

} // namespace

boost::posix_time::ptime Time(std::uint32_t word0)
{
    namespace pt = boost::posix_time;
    const DateFields f = DateOf(word0);
    const pt::time_duration timeOfDay = pt::seconds(static_cast<long>(SecondsOfDay(word0)));
    try {
        return pt::ptime(boost::gregorian::date(f.year, f.month, f.day), timeOfDay);
    } catch (const boost::gregorian::bad_day_of_month&) {
        return pt::not_a_date_time;
    } catch (const boost::gregorian::bad_month&) {
        return pt::not_a_date_time;
    }
}

bool DaysSince2000(std::uint32_t word0, std::int64_t& days)
{
    const DateFields f = DateOf(word0);
    if (f.day < 1 || f.month < 1 || f.month > 12 || f.day > DaysInMonth(f.year, f.month))
        return false;
    days = DaysFromCivil(f.year, f.month, f.day) - Epoch2000;
    return true;
}

bool SecondsSince2000(std::uint32_t word0, std::int64_t& seconds)
{
    std::int64_t days = 0;
    if (!DaysSince2000(word0, days))
        return false;
    seconds = days * 86400 + SecondsOfDay(word0);
    return true;
}

double Temperature(std::uint32_t word3)
{
    const std::uint32_t value = (word3 >> 16) & 0x3FF;
    const std::uint32_t reference = word3 & 0x3FF;
    if (reference == 0)
        return TemperatureTable.back();   // no ratio without a reference
    // Unsigned on purpose: for 2A < B the subtraction wraps and the ratio lands above the table.
    const std::uint32_t ratio = (2 * value - reference) * 10000u / reference;
    if (ratio <= 1000)
        return TemperatureTable.front();
    if (ratio >= 21000)
        return TemperatureTable.back();
    return TemperatureTable[(ratio - 950) / 100];
}

double Stack(std::uint32_t word4)
{
    const std::uint32_t raw = (word4 >> 16) & 0x3FF;
    return 33.0 - raw * 0.03225806451612903;
}

std::int16_t ChargeRate(std::uint32_t word4)
{
    const int raw = static_cast<int>(word4 & 0x7FF);
    return static_cast<std::int16_t>(raw & 0x400 ? raw - 0x800 : raw);
}

} // namespace SampleDecode
