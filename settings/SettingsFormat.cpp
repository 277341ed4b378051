#include "settings/SettingsFormat.h"

#include <tinyxml.h>

#include <fstream>

namespace {

constexpr const char* ByteOrderMark = "\xEF\xBB\xBF";

} // namespace

std::string PrintSettings(const TiXmlDocument& document, bool byteOrderMark)
{
    TiXmlPrinter printer;
    printer.SetIndent("  ");
    printer.SetLineBreak("\n");
    document.Accept(&printer);
    return (byteOrderMark ? ByteOrderMark : "") + printer.Str();
}

std::string ParseErrorText(const TiXmlDocument& document)
{
    return "XML parse error at row " + std::to_string(document.ErrorRow()) + ", col "
        + std::to_string(document.ErrorCol()) + " => " + document.ErrorDesc();
}

bool StartsWithByteOrderMark(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    char start[3] = {};
    file.read(start, sizeof start);
    return file && std::string(start, sizeof start) == ByteOrderMark;
}
