#include "recording/SampleText.h"

#include "recording/SampleDecode.h"

#include <boost/date_time/posix_time/posix_time_types.hpp>

#include <charconv>
#include <limits>

namespace {

constexpr char CellLetters[] = "ABCDEFGHIJKLMNOPQRST";
constexpr int CellCount = 20;
constexpr const char* MonthNames[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                        "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

// Writes value as exactly digits decimal digits, zero-filled on the left.
char* WriteDigits(char* at, unsigned value, int digits)
{
    for (int i = digits - 1; i >= 0; --i) {
        at[i] = static_cast<char>('0' + value % 10);
        value /= 10;
    }
    return at + digits;
}

// Fixed notation with the given decimals, filled with blanks on the left up to width.
void AppendFixed(std::string& out, double value, int decimals, std::size_t width)
{
    char text[std::numeric_limits<double>::max_exponent10 + 32];
    const std::to_chars_result result =
        std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
    const std::size_t length = static_cast<std::size_t>(result.ptr - text);
    if (length < width)
        out.append(width - length, ' ');
    out.append(text, length);
}

void AppendSpecialTime(std::string& out, const boost::posix_time::ptime& time)
{
    if (time.is_not_a_date_time())
        out += "not-a-date-time";
    else if (time.is_pos_infinity())
        out += "+infinity";
    else
        out += "-infinity";
}

template <typename Append, typename... Args>
std::string TextOf(Append append, const Args&... args)
{
    std::string text;
    append(text, args...);
    return text;
}

} // namespace

void AppendTimeText(std::string& out, const boost::posix_time::ptime& time)
{
    if (time.is_special()) {
        AppendSpecialTime(out, time);
        return;
    }
    const boost::gregorian::date::ymd_type ymd = time.date().year_month_day();
    const boost::posix_time::time_duration timeOfDay = time.time_of_day();
    char text[32];
    char* at = WriteDigits(text, ymd.year, 4);
    *at++ = '-';
    const char* month = MonthNames[ymd.month - 1];
    at = std::copy(month, month + 3, at);
    *at++ = '-';
    at = WriteDigits(at, ymd.day, 2);
    *at++ = ' ';
    at = WriteDigits(at, static_cast<unsigned>(timeOfDay.hours()), 2);
    *at++ = ':';
    at = WriteDigits(at, static_cast<unsigned>(timeOfDay.minutes()), 2);
    *at++ = ':';
    at = WriteDigits(at, static_cast<unsigned>(timeOfDay.seconds()), 2);
    if (const auto fraction = timeOfDay.fractional_seconds(); fraction != 0) {
        *at++ = '.';
        at = WriteDigits(at, static_cast<unsigned>(fraction),
                         boost::posix_time::time_duration::num_fractional_digits());
    }
    out.append(text, at);
}

void AppendCellLettersText(std::string& out, CellMask mask)
{
    char text[CellCount];
    for (int i = 0; i < CellCount; ++i)
        text[i] = (mask >> i) & 1 ? CellLetters[i] : ' ';
    out.append(text, CellCount);
}

void AppendCellFlagsCsvText(std::string& out, CellMask mask)
{
    char text[2 * CellCount - 1];
    text[0] = mask & 1 ? '1' : '0';
    for (int i = 1; i < CellCount; ++i) {
        text[2 * i - 1] = ',';
        text[2 * i] = (mask >> i) & 1 ? '1' : '0';
    }
    out.append(text, sizeof text);
}

void AppendFlagsText(std::string& out, const CSample& sample)
{
    const std::uint32_t word3 = sample.Record().words[3];
    if (word3 & SampleDecode::FlagIBit)
        out += 'I';
    if (word3 & SampleDecode::FlagBBit)
        out += 'B';
}

void AppendTemperatureText(std::string& out, double temperature)
{
    AppendFixed(out, temperature, 2, 5);
}

void AppendStackText(std::string& out, double stack)
{
    AppendFixed(out, stack, 1, 4);
}

void AppendChargeRateText(std::string& out, int chargeRate)
{
    char text[16];
    const std::to_chars_result result = std::to_chars(text, text + sizeof text, chargeRate);
    out.append(text, result.ptr);
}

std::string TimeText(const boost::posix_time::ptime& time)
{
    return TextOf(AppendTimeText, time);
}

std::string CellLettersText(CellMask mask)
{
    return TextOf(AppendCellLettersText, mask);
}

std::string CellFlagsCsvText(CellMask mask)
{
    return TextOf(AppendCellFlagsCsvText, mask);
}

std::string FlagsText(const CSample& sample)
{
    return TextOf(AppendFlagsText, sample);
}

std::string TemperatureText(const CSample& sample)
{
    return TextOf(AppendTemperatureText, sample.GetTemperature());
}

std::string StackText(const CSample& sample)
{
    return TextOf(AppendStackText, sample.GetStack());
}

std::string ChargeRateText(const CSample& sample)
{
    return TextOf(AppendChargeRateText, sample.GetChargeRate());
}
