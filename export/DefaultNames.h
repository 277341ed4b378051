#pragma once

#include <boost/date_time/posix_time/ptime.hpp>

#include <string>

// The names proposed for a session's files, from its start time: "%Y-%m%d-%H%M.csv",
// "Extract %Y-%m%d-%H%M.kvd" and "%Y-%m%d-%H%M.png"; "session" stands for a start time that
// does not decode.
std::string DefaultCsvName(const boost::posix_time::ptime& start);
std::string DefaultExtractName(const boost::posix_time::ptime& start);
std::string DefaultPngName(const boost::posix_time::ptime& start);
// The start time in the "%Y-%m%d-%H%M" form, or "session".
std::string StartStamp(const boost::posix_time::ptime& start);
