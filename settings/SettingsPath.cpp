#include "settings/SettingsPath.h"

#include <cstdlib>
#include <filesystem>
#include <pwd.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

bool FolderWritable(const fs::path& file)
{
    fs::path folder = file.parent_path();
    return access(folder.empty() ? "." : folder.c_str(), W_OK) == 0;
}

bool InstalledIn(const fs::path& executable, const std::vector<std::string>& folders)
{
    std::error_code ignored;
    const fs::path folder = fs::weakly_canonical(executable, ignored).parent_path();
    for (const std::string& candidate : folders)
        if (!candidate.empty() && fs::weakly_canonical(candidate, ignored) == folder)
            return true;
    return false;
}

std::string HomeFolder()
{
    const char* home = std::getenv("HOME");
    if (home && *home)
        return home;
    const passwd* user = getpwuid(getuid());
    return user ? user->pw_dir : ".";
}

} // namespace

std::string SettingsPath(const std::string& executablePath, const std::string& configHome,
                         const std::vector<std::string>& systemProgramFolders)
{
    fs::path beside = fs::path(executablePath).replace_extension(".xml");
    if (!InstalledIn(executablePath, systemProgramFolders) && FolderWritable(beside))
        return beside.string();
    std::error_code ignored;
    fs::create_directories(configHome, ignored);
    return (fs::path(configHome) / "kovelo.xml").string();
}

std::string UserConfigHome()
{
    const char* configured = std::getenv("XDG_CONFIG_HOME");
    if (configured && configured[0] == '/')
        return configured;
    return (fs::path(HomeFolder()) / ".config").string();
}
