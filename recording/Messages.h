#pragma once

#include <string>

// Texts of the messages the user sees.
namespace Messages {

inline constexpr const char* FileSizeNotMultiple = "File size is not a multiple of sample size";
inline constexpr const char* TooManySamples = "File holds more samples than Kovelo can count";
inline constexpr const char* LastSessionOneSample = "Last session contains just one sample";
inline constexpr const char* ErrorOpening = "Error opening %s";
inline constexpr const char* ErrorReading = "Error reading %s";
inline constexpr const char* ErrorWriting = "Error writing %s";

// The message with %s replaced by the path.
std::string WithPath(const char* message, const std::string& path);

} // namespace Messages
