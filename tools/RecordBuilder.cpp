#include "tools/RecordBuilder.h"

#include "recording/SampleIo.h"

namespace {

std::uint32_t Bits(int value, int width, int shift)
{
    return (static_cast<std::uint32_t>(value) & ((1u << width) - 1)) << shift;
}

constexpr std::uint32_t SpareWord3Bits = 0x0000FC00u | 0x1C000000u | 0x80000000u;
constexpr std::uint32_t SpareWord4Bits = 0x0000F800u | 0xFC000000u;

} // namespace

SampleRecord BuildRecord(const RecordFields& f)
{
    SampleRecord r;
    r.words[0] = Bits(f.hour, 5, 0) | Bits(f.day, 5, 5) | Bits(f.year - 2000, 6, 10)
               | Bits(f.second, 6, 16) | Bits(f.minute, 6, 22) | Bits(f.month, 4, 28);
    r.words[1] = f.ocMask;
    r.words[2] = f.odcMask;
    r.words[3] = Bits(f.tempReference, 10, 0) | Bits(f.tempValue, 10, 16)
               | (f.flagI ? 1u << 29 : 0) | (f.flagB ? 1u << 30 : 0) | (f.spareWord3 & SpareWord3Bits);
    r.words[4] = Bits(f.chargeRate, 11, 0) | Bits(f.stackRaw, 10, 16) | (f.spareWord4 & SpareWord4Bits);
    return r;
}

std::string RecordBytes(const std::vector<SampleRecord>& records)
{
    std::string bytes(records.size() * SampleRecord::Size, '\0');
    for (std::size_t i = 0; i < records.size(); ++i)
        RecordToBytes(records[i], reinterpret_cast<unsigned char*>(&bytes[i * SampleRecord::Size]));
    return bytes;
}
