#pragma once

#include <string>
#include <vector>

// The settings file for the executable: beside it with the extension ".xml", or
// kovelo.xml in configHome (created when missing) when the executable is installed in one
// of the system's program folders or its folder cannot be written.
std::string SettingsPath(const std::string& executablePath, const std::string& configHome,
                         const std::vector<std::string>& systemProgramFolders = {});

// The user's configuration folder: $XDG_CONFIG_HOME, else ~/.config.
std::string UserConfigHome();
