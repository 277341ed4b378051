#include "settings/ParameterStore.h"
#include "settings/SettingsPath.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

namespace fs = std::filesystem;

namespace {

void WriteFile(const fs::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string ReadFile(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

std::vector<std::string> FolderEntries(const fs::path& folder)
{
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    return names;
}

// A settings file whose Parameters element holds the given lines.
std::string SettingsFile(const std::string& parameterLines)
{
    return "<Settings>\n  <Parameters>\n" + parameterLines + "  </Parameters>\n</Settings>\n";
}

std::string IntLine(const std::string& name, int value)
{
    return "    <" + name + " type=\"int\">" + std::to_string(value) + "</" + name + ">\n";
}

// A fresh folder per test, removed afterwards.
class TemporaryFolderTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "kovelo-settings-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder = pattern;
    }

    void TearDown() override
    {
        fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add);
        for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder))
            if (entry.is_directory())
                fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(folder);
    }

    fs::path folder;
};

class ParameterStoreTest : public TemporaryFolderTest
{
protected:
    void SetUp() override
    {
        TemporaryFolderTest::SetUp();
        ParameterStore::Reset();
        path = folder / "Kovelo.xml";
    }

    void TearDown() override
    {
        ParameterStore::Reset();
        TemporaryFolderTest::TearDown();
    }

    void LoadFile(const std::string& bytes)
    {
        WriteFile(path, bytes);
        ASSERT_EQ(ParameterStore::Load(path.string()), std::nullopt);
    }

    fs::path path;
};

TEST_F(ParameterStoreTest, FirstStartWritesSkeletonAndAnswersDefaults)
{
    EXPECT_EQ(ParameterStore::Load(path.string()), std::nullopt);

    EXPECT_EQ(ReadFile(path), "<Settings>\n  <Parameters>\n  </Parameters>\n</Settings>\n");
    EXPECT_EQ(ParameterStore::GetInt("MainWinX", 33), 33);
    EXPECT_FALSE(ParameterStore::IsModified());
}

TEST_F(ParameterStoreTest, SavedFileListsParametersInTheOrderFirstSet)
{
    ParameterStore::Load(path.string());
    ParameterStore::SetInt("MainWinX", 1);
    ParameterStore::SetInt("MainWinY", 80);
    ParameterStore::SetInt("MainWinCX", 900);
    ParameterStore::SetInt("MainWinCY", 640);
    ParameterStore::SetInt("MainWinX", 120);

    EXPECT_TRUE(ParameterStore::IsModified());
    ASSERT_TRUE(ParameterStore::Save());
    EXPECT_EQ(ReadFile(path), "<Settings>\n"
                              "  <Parameters>\n"
                              "    <MainWinX type=\"int\">120</MainWinX>\n"
                              "    <MainWinY type=\"int\">80</MainWinY>\n"
                              "    <MainWinCX type=\"int\">900</MainWinCX>\n"
                              "    <MainWinCY type=\"int\">640</MainWinCY>\n"
                              "  </Parameters>\n"
                              "</Settings>\n");
    EXPECT_EQ(FolderEntries(folder), std::vector<std::string>{"Kovelo.xml"});
}

TEST_F(ParameterStoreTest, StoringTheHeldValuesLeavesTheStoreUnmodified)
{
    LoadFile(SettingsFile(IntLine("MainWinX", 120) + IntLine("MainWinCY", -640)));

    ParameterStore::SetInt("MainWinX", ParameterStore::GetInt("MainWinX", 0));
    ParameterStore::SetInt("MainWinCY", ParameterStore::GetInt("MainWinCY", 0));

    EXPECT_EQ(ParameterStore::GetInt("MainWinX", 0), 120);
    EXPECT_EQ(ParameterStore::GetInt("MainWinCY", 0), -640);
    EXPECT_FALSE(ParameterStore::IsModified());
}

TEST_F(ParameterStoreTest, UnreadableFileIsReportedAndNeverReplaced)
{
    struct Case { std::string content; std::string message; };
    const Case cases[] = {
        {"<Settings>", "XML parse error at row 0, col 0 => Error reading Element value."},
        {"", "XML parse error at row 0, col 0 => Error document empty."},
        {"<Settings>\n  <Parameters>\n  </Wrong>\n</Settings>\n",
         "XML parse error at row 3, col 3 => Error reading end tag."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.content);
        ParameterStore::Reset();
        WriteFile(path, c.content);

        EXPECT_EQ(ParameterStore::Load(path.string()), c.message);
        ParameterStore::SetInt("MainWinX", 5);
        EXPECT_EQ(ParameterStore::GetInt("MainWinX", 7), 7);
        EXPECT_FALSE(ParameterStore::IsModified());
        EXPECT_FALSE(ParameterStore::Save());
        EXPECT_EQ(ReadFile(path), c.content);
        EXPECT_EQ(FolderEntries(folder), std::vector<std::string>{"Kovelo.xml"});
    }
}

TEST_F(ParameterStoreTest, FileThatCannotBeCreatedIsReportedWithoutPosition)
{
    fs::path missing = folder / "gone" / "Kovelo.xml";

    EXPECT_EQ(ParameterStore::Load(missing.string()), "XML parse error at row 0, col 0 => Failed to open file");
    EXPECT_EQ(ParameterStore::GetInt("MainWinX", 7), 7);
    EXPECT_FALSE(ParameterStore::Save());
    EXPECT_FALSE(fs::exists(missing.parent_path()));
}

TEST_F(ParameterStoreTest, StoreWithoutLoadAnswersDefaultsAndNeverSaves)
{
    ParameterStore::SetInt("MainWinX", 5);

    EXPECT_EQ(ParameterStore::GetInt("MainWinX", 7), 7);
    EXPECT_FALSE(ParameterStore::IsModified());
    EXPECT_FALSE(ParameterStore::Save());
}

TEST_F(ParameterStoreTest, TextIsReadLikeAtoi)
{
    struct Case { std::string text; int value; };
    const Case cases[] = {
        {" 42", 42}, {"-5", -5}, {"abc", 0}, {"12ab", 12}, {"+7", 7}, {"- 3", 0},
        {"99999999999", INT_MAX}, {"-99999999999", INT_MIN},
    };
    ParameterStore::Load(path.string());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        ParameterStore::SetNode("Value", "int", c.text);
        EXPECT_EQ(ParameterStore::GetInt("Value", 77), c.value);
    }
}

// Existing elements of Parameters: what a get reads, and what a set leaves in the file.
TEST_F(ParameterStoreTest, SetUpdatesTheFirstElementOfThatNameInPlace)
{
    struct Case {
        std::string label;
        std::string parameters;   // lines inside Parameters as loaded
        int read;                 // GetInt("MainWinX", -1) before the set
        bool modified;            // after SetInt("MainWinX", 120)
        std::string saved;        // lines inside Parameters after the set
    };
    const Case cases[] = {
        {"element without text", "    <MainWinX type=\"int\" />\n", -1, true,
         IntLine("MainWinX", 120)},
        {"duplicate names", IntLine("MainWinX", 1) + IntLine("MainWinX", 2), 1, true,
         IntLine("MainWinX", 120) + IntLine("MainWinX", 2)},
        {"type text", "    <MainWinX type=\"text\">5</MainWinX>\n", 5, true,
         "    <MainWinX type=\"text\">120</MainWinX>\n"},
        {"no type", "    <MainWinX>5</MainWinX>\n", 5, true, "    <MainWinX>120</MainWinX>\n"},
        {"comment before the text", "    <MainWinX type=\"int\">\n      <!-- x -->\n      5\n    </MainWinX>\n",
         -1, false, "    <MainWinX type=\"int\">\n      <!-- x -->\n      5\n    </MainWinX>\n"},
        {"element before the text", "    <MainWinX type=\"int\">\n      <Old />\n      5\n    </MainWinX>\n",
         -1, false, "    <MainWinX type=\"int\">\n      <Old />\n      5\n    </MainWinX>\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        ParameterStore::Reset();
        LoadFile(SettingsFile(c.parameters));

        EXPECT_EQ(ParameterStore::GetInt("MainWinX", -1), c.read);
        ParameterStore::SetInt("MainWinX", 120);
        EXPECT_EQ(ParameterStore::IsModified(), c.modified);
        EXPECT_EQ(ParameterStore::GetInt("MainWinX", -1), c.modified ? 120 : -1);
        ASSERT_TRUE(ParameterStore::Save());
        EXPECT_EQ(ReadFile(path), SettingsFile(c.saved));
    }
}

TEST_F(ParameterStoreTest, UnrelatedNodesSurviveASave)
{
    LoadFile("<?xml version=\"1.0\" ?>\n"
             "<!-- top -->\n"
             "<Settings>\n"
             "<Other a=\"x&quot;y\" b=\"2\"><Inner></Inner>t<!--c--></Other>\n"
             "<Parameters><!-- inside --><MainWinX type=\"int\">1</MainWinX></Parameters>\n"
             "</Settings>\n"
             "<Trailer/>\n");
    ParameterStore::SetInt("MainWinY", 80);
    ASSERT_TRUE(ParameterStore::Save());

    EXPECT_EQ(ReadFile(path), "<?xml version=\"1.0\" ?>\n"
                              "<!-- top -->\n"
                              "<Settings>\n"
                              "  <Other a='x&quot;y' b=\"2\">\n"
                              "    <Inner />\n"
                              "    t\n"
                              "    <!--c-->\n"
                              "  </Other>\n"
                              "  <Parameters>\n"
                              "    <!-- inside -->\n"
                              "    <MainWinX type=\"int\">1</MainWinX>\n"
                              "    <MainWinY type=\"int\">80</MainWinY>\n"
                              "  </Parameters>\n"
                              "</Settings>\n"
                              "<Trailer />\n");
}

TEST_F(ParameterStoreTest, ByteOrderMarkIsWrittenBackOnlyWhenLoaded)
{
    const std::string mark = "\xEF\xBB\xBF";
    for (const std::string& start : {mark, std::string()}) {
        SCOPED_TRACE(start.size());
        ParameterStore::Reset();
        LoadFile(start + SettingsFile(""));
        ParameterStore::SetInt("MainWinX", 120);
        ASSERT_TRUE(ParameterStore::Save());

        EXPECT_EQ(ReadFile(path), start + SettingsFile(IntLine("MainWinX", 120)));
    }
}

TEST_F(ParameterStoreTest, SetCreatesMissingSettingsElementsAndKeepsTheRest)
{
    struct Case { std::string loaded; std::string saved; };
    const std::string parameters = "  <Parameters>\n" + IntLine("MainWinX", 120) + "  </Parameters>\n";
    const Case cases[] = {
        {"<?xml version=\"1.0\" ?>\n<Other a=\"1\" />\n",
         "<?xml version=\"1.0\" ?>\n<Other a=\"1\" />\n<Settings>\n" + parameters + "</Settings>\n"},
        {"<Settings>\n  <Window />\n</Settings>\n",
         "<Settings>\n  <Window />\n" + parameters + "</Settings>\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.loaded);
        ParameterStore::Reset();
        LoadFile(c.loaded);

        EXPECT_EQ(ParameterStore::GetInt("MainWinX", -1), -1);
        ParameterStore::SetInt("MainWinX", 120);
        EXPECT_TRUE(ParameterStore::IsModified());
        EXPECT_EQ(ParameterStore::GetInt("MainWinX", -1), 120);
        ASSERT_TRUE(ParameterStore::Save());
        EXPECT_EQ(ReadFile(path), c.saved);
    }
}

TEST_F(ParameterStoreTest, SaveKeepsTheFilePermissions)
{
    LoadFile(SettingsFile(""));
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ParameterStore::SetInt("MainWinX", 120);
    ASSERT_TRUE(ParameterStore::Save());

    EXPECT_EQ(fs::status(path).permissions(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

// A save that cannot complete leaves the earlier file as it was and no temporary file.
struct SaveFailure
{
    std::string label;
    std::function<void(const fs::path& folder, const fs::path& target)> breakFolder;
    bool needsPermissionChecks;   // root writes into read-only folders
};

void PrintTo(const SaveFailure& failure, std::ostream* out)
{
    *out << failure.label;
}

class FailedSaveTest : public ParameterStoreTest, public ::testing::WithParamInterface<SaveFailure>
{
};

TEST_P(FailedSaveTest, LeavesTargetAndNoTemporaryFile)
{
    const SaveFailure& failure = GetParam();
    path = folder / "sub" / "Kovelo.xml";
    fs::create_directory(path.parent_path());
    LoadFile(SettingsFile(IntLine("MainWinX", 1)));
    ParameterStore::SetInt("MainWinX", 120);
    failure.breakFolder(path.parent_path(), path);
    if (failure.needsPermissionChecks && access(path.parent_path().c_str(), W_OK) == 0)
        GTEST_SKIP() << "this user may write into read-only folders";

    EXPECT_FALSE(ParameterStore::Save());
    if (fs::is_regular_file(path)) {
        EXPECT_EQ(ReadFile(path), SettingsFile(IntLine("MainWinX", 1)));
    }
    if (fs::exists(path.parent_path())) {
        EXPECT_EQ(FolderEntries(path.parent_path()), std::vector<std::string>{"Kovelo.xml"});
    }
}

INSTANTIATE_TEST_SUITE_P(
    ParameterStore, FailedSaveTest,
    ::testing::Values(
        SaveFailure{"FolderVanished",
                    [](const fs::path& sub, const fs::path&) { fs::remove_all(sub); }, false},
        SaveFailure{"TargetIsAFolder",
                    [](const fs::path&, const fs::path& target) {
                        fs::remove(target);
                        fs::create_directory(target);
                        WriteFile(target / "keep", "x");
                    },
                    false},
        SaveFailure{"ReadOnlyFolder",
                    [](const fs::path& sub, const fs::path&) {
                        fs::permissions(sub, fs::perms::owner_read | fs::perms::owner_exec);
                    },
                    true}),
    [](const ::testing::TestParamInfo<SaveFailure>& info) { return info.param.label; });

class SettingsPathTest : public TemporaryFolderTest
{
};

TEST_F(SettingsPathTest, SettingsFileLiesBesideTheExecutable)
{
    struct Case { std::string executable; std::string settings; };
    const Case cases[] = {
        {"Kovelo.exe", "Kovelo.xml"},
        {"kovelo", "kovelo.xml"},
        {"v1.2/kovelo", "v1.2/kovelo.xml"},
        {"v1.2/kovelo.bin", "v1.2/kovelo.xml"},
    };
    fs::create_directory(folder / "v1.2");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.executable);
        EXPECT_EQ(SettingsPath((folder / c.executable).string(), (folder / "config").string()),
                  (folder / c.settings).string());
    }
    EXPECT_FALSE(fs::exists(folder / "config"));
}

TEST_F(SettingsPathTest, UnwritableFolderMovesSettingsToTheConfigurationFolder)
{
    fs::path config = folder / "home" / ".config";
    fs::path readOnly = folder / "bin";
    fs::create_directory(readOnly);
    fs::permissions(readOnly, fs::perms::owner_read | fs::perms::owner_exec);
    std::vector<fs::path> executables = {folder / "missing" / "kovelo"};
    if (access(readOnly.c_str(), W_OK) != 0)
        executables.push_back(readOnly / "kovelo");

    for (const fs::path& executable : executables) {
        SCOPED_TRACE(executable);
        EXPECT_EQ(SettingsPath(executable.string(), config.string()), (config / "kovelo.xml").string());
        EXPECT_TRUE(fs::is_directory(config));
    }
}

TEST_F(SettingsPathTest, InstalledProgramKeepsSettingsInTheConfigurationFolder)
{
    const fs::path config = folder / "home" / ".config";
    const fs::path bin = folder / "usr" / "bin";
    fs::create_directories(bin);
    const std::vector<std::string> systemFolders = {"/usr/local/bin", (folder / "usr" / "." / "bin").string()};
    EXPECT_EQ(SettingsPath((bin / "kovelo").string(), config.string(), systemFolders), (config / "kovelo.xml").string());
    EXPECT_EQ(SettingsPath((folder / "kovelo").string(), config.string(), systemFolders), (folder / "kovelo.xml").string());
}

// Sets or clears an environment variable until the end of the scope.
class ScopedVariable
{
public:
    ScopedVariable(const char* name, const char* value) : m_name(name)
    {
        const char* saved = std::getenv(name);
        m_saved = saved ? std::optional<std::string>(saved) : std::nullopt;
        Set(value);
    }
    ~ScopedVariable() { Set(m_saved ? m_saved->c_str() : nullptr); }

    void Set(const char* value)
    {
        if (value)
            setenv(m_name, value, 1);
        else
            unsetenv(m_name);
    }

private:
    const char* m_name;
    std::optional<std::string> m_saved;
};

TEST(UserConfigHomeTest, FollowsXdgConfigHomeWhenAbsolute)
{
    struct Case { const char* configured; std::string expected; };
    const Case cases[] = {
        {"/etc/xdg-test", "/etc/xdg-test"},
        {"relative/config", "/home/tester/.config"},
        {"", "/home/tester/.config"},
        {nullptr, "/home/tester/.config"},
    };
    ScopedVariable home("HOME", "/home/tester");
    ScopedVariable config("XDG_CONFIG_HOME", nullptr);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.configured ? c.configured : "unset");
        config.Set(c.configured);
        EXPECT_EQ(UserConfigHome(), c.expected);
    }
}

} // namespace
