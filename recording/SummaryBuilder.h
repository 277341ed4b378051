#pragma once

#include "recording/Sample.h"

#include <vector>

// One summary per run of consecutive samples whose two cell masks equal those of the sample
// before them, in order. Each sample is compared with its predecessor on the whole mask words.
std::vector<SamplePtr> BuildSummaries(const std::vector<SamplePtr>& samples);
