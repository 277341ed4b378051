#include "recording/Session.h"

CSession::CSession(const SamplePtr& first, const SamplePtr& last)
    : StartTime(first->GetTime()),
      StartIndex(first->GetIndex()),
      EndTime(last->GetTime()),
      EndIndex(last->GetIndex()),
      SampleCount(EndIndex - StartIndex + 1)
{
}

CSession::~CSession() = default;
