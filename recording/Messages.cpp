#include "recording/Messages.h"

namespace Messages {

std::string WithPath(const char* message, const std::string& path)
{
    std::string text = message;
    const std::size_t at = text.find("%s");
    if (at != std::string::npos)
        text.replace(at, 2, path);
    return text;
}

} // namespace Messages
