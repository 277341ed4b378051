#pragma once

#include "recording/SampleRecord.h"

#include <boost/date_time/posix_time/ptime.hpp>

#include <cstddef>
#include <cstdint>
#include <vector>

// A recording as the recorder writes it: sessions of tens to thousands of samples, mostly
// 1 s apart with the odd step of 2 to 5 s, separated by gaps of a minute to a few days,
// all dated 2015 to 2017. Every session holds at least two samples when recordCount is 2
// or more. The same seed always gives the same records.
std::vector<SampleRecord> SimulateRecording(std::uint64_t seed, std::size_t recordCount);

// One unbroken session of sampleCount samples exactly 1 s apart, the first at start.
// The session must end before 2064, the last year a record can hold.
std::vector<SampleRecord> SimulateSession(std::uint64_t seed, std::size_t sampleCount,
                                          const boost::posix_time::ptime& start);
