#pragma once

#include <string>

class TiXmlDocument;

// The settings file written when none can be read.
inline constexpr const char* SettingsSkeleton = "<Settings>\n  <Parameters>\n  </Parameters>\n</Settings>\n";

// The file text of the document: two-space indentation, "\n" line ends.
std::string PrintSettings(const TiXmlDocument& document, bool byteOrderMark);

// The message shown when the document could not be loaded.
std::string ParseErrorText(const TiXmlDocument& document);

// True when the file begins with a UTF-8 byte-order mark.
bool StartsWithByteOrderMark(const std::string& path);
