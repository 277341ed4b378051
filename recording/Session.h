#pragma once

#include "recording/Sample.h"

#include <boost/date_time/posix_time/ptime.hpp>
#include <boost/shared_ptr.hpp>

#include <cstdint>

// One session: the consecutive records StartIndex..EndIndex of a recording.
class CSession
{
public:
    CSession(const SamplePtr& first, const SamplePtr& last);
    virtual ~CSession();

    boost::posix_time::ptime StartTime;
    std::int32_t StartIndex = 0;
    boost::posix_time::ptime EndTime;
    std::int32_t EndIndex = 0;
    std::int32_t SampleCount = 0;
};

using SessionPtr = boost::shared_ptr<CSession>;
