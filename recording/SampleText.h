#pragma once

#include "recording/Sample.h"

#include <string>

// Texts of a sample's fields, in the classic locale, as the lists and the CSV show them.
std::string TimeText(const boost::posix_time::ptime& time);
std::string CellLettersText(CellMask mask);
std::string CellFlagsCsvText(CellMask mask);
std::string FlagsText(const CSample& sample);
std::string TemperatureText(const CSample& sample);
std::string StackText(const CSample& sample);
std::string ChargeRateText(const CSample& sample);

// Appending forms of the same texts, for writers of many lines.
void AppendTimeText(std::string& out, const boost::posix_time::ptime& time);
void AppendCellLettersText(std::string& out, CellMask mask);
void AppendCellFlagsCsvText(std::string& out, CellMask mask);
void AppendFlagsText(std::string& out, const CSample& sample);
void AppendTemperatureText(std::string& out, double temperature);
void AppendStackText(std::string& out, double stack);
void AppendChargeRateText(std::string& out, int chargeRate);
