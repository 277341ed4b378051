#pragma once

#include <optional>
#include <string>

// The process-wide store of named integer parameters, kept in an XML settings file.
// Reads and writes work on the tree in memory; only Save touches the file again.
class ParameterStore
{
public:
    // Loads the settings file, writing an empty skeleton first when it cannot be read.
    // Returns the parse-error message for the user, or nothing when the file loaded.
    static std::optional<std::string> Load(const std::string& path);

    static int GetInt(const std::string& name, int defaultValue);
    static void SetInt(const std::string& name, int value);
    static void SetNode(const std::string& name, const std::string& type, const std::string& text);

    // Writes the tree back to the loaded path; on failure the file stays as it was.
    static bool Save();
    static bool IsModified();

    // Returns the store to its state at process start.
    static void Reset();
};
