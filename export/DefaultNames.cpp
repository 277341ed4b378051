#include "export/DefaultNames.h"

#include <boost/date_time/posix_time/conversion.hpp>

#include <ctime>

std::string StartStamp(const boost::posix_time::ptime& start)
{
    if (start.is_special())
        return "session";
    const std::tm fields = boost::posix_time::to_tm(start);
    char text[50];
    const std::size_t length = std::strftime(text, sizeof text, "%Y-%m%d-%H%M", &fields);
    return std::string(text, length);
}

std::string DefaultCsvName(const boost::posix_time::ptime& start)
{
    return StartStamp(start) + ".csv";
}

std::string DefaultExtractName(const boost::posix_time::ptime& start)
{
    return "Extract " + StartStamp(start) + ".kvd";
}

std::string DefaultPngName(const boost::posix_time::ptime& start)
{
    return StartStamp(start) + ".png";
}
