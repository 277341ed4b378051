#pragma once

#include "recording/Sample.h"

#include <string>
#include <string_view>

// The CSV header line, with its line end.
std::string_view CsvHeader();
// Appends one sample's 45 fields and the line end.
void AppendCsvLine(std::string& out, const CSample& sample);
