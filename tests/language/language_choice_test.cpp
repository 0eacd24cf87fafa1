// Choosing, finding and loading a language library, and what happens when none loads.
#include "language_path.h"
#include "messages.h"
#include "string_ids.h"
#include "tela_environment.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

namespace fs = std::filesystem;

namespace {

// Sets environment variables for one test and puts the old values back.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : m_name(name) {
        if (const char* old = std::getenv(name))
            m_old = old;
        if (value)
            setenv(name, value, 1);
        else
            unsetenv(name);
    }
    ~ScopedEnv() {
        if (m_old)
            setenv(m_name, m_old->c_str(), 1);
        else
            unsetenv(m_name);
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    const char* m_name;
    std::optional<std::string> m_old;
};

class LanguageChoice : public ::testing::Test {
protected:
    void TearDown() override {
        TelaEnvironment::UnloadLibrary();
        TelaEnvironment::SetSearchPath({});
        reloadTransportTexts();
    }
    const std::string sourceLang = std::string(APICFG_SOURCE_DIR) + "/lang";
    const std::string programDir = std::string(APICFG_BINARY_DIR) + "/bin";
};

std::string chosenLibrary(int primary, int sublanguage) {
    std::string name = "LHCENU.DLL";
    TelaEnvironment::SetLanguage(primary, sublanguage, name, nullptr, 0, 128);
    return name;
}

} // namespace

TEST_F(LanguageChoice, GermanMapsToItsLibraryEverythingElseToEnglish) {
    EXPECT_EQ(chosenLibrary(0x07, 1), "LHCDEU.DLL");
    EXPECT_EQ(chosenLibrary(0x07, 3), "LHCDEU.DLL"); // Austria
    EXPECT_EQ(chosenLibrary(0x09, 1), "LHCENU.DLL");
    EXPECT_EQ(chosenLibrary(0x0C, 1), "LHCENU.DLL"); // French: no library of its own
    EXPECT_EQ(chosenLibrary(0, 0), "LHCENU.DLL");

    // The result says whether the name changed.
    std::string name = "LHCENU.DLL";
    EXPECT_EQ(TelaEnvironment::SetLanguage(0x09, 1, name, nullptr, 0, 128), 0);
    EXPECT_NE(TelaEnvironment::SetLanguage(0x07, 1, name, nullptr, 0, 128), 0);
    EXPECT_EQ(name, "LHCDEU.DLL");
}

TEST_F(LanguageChoice, LocaleNamesGiveWindowsLanguageIds) {
    EXPECT_EQ(languageIdFromLocale("de_DE.UTF-8"), 0x0407);
    EXPECT_EQ(languageIdFromLocale("de_AT.UTF-8@euro"), 0x0C07);
    EXPECT_EQ(languageIdFromLocale("de_CH"), 0x0807);
    EXPECT_EQ(languageIdFromLocale("de"), 0x0407);
    EXPECT_EQ(languageIdFromLocale("en_GB.UTF-8"), 0x0809);
    EXPECT_EQ(languageIdFromLocale("fr_FR.UTF-8") & 0x3FF, 0x0C);
    EXPECT_EQ(languageIdFromLocale("C.UTF-8"), 0x0409);
    EXPECT_EQ(languageIdFromLocale(""), 0x0409);

    ScopedEnv all("LC_ALL", nullptr);
    ScopedEnv messages("LC_MESSAGES", "de_DE.UTF-8");
    ScopedEnv lang("LANG", "en_US.UTF-8");
    EXPECT_EQ(userDefaultLanguageId(), 0x0407); // LC_MESSAGES before LANG
}

TEST_F(LanguageChoice, SearchPathPutsTheEnvironmentFolderFirstAndTheDataFolderLast) {
    {
        ScopedEnv dir("APICFG_LANG_DIR", "/some/where");
        auto path = defaultLanguageSearchPath("/opt/prog");
        ASSERT_GE(path.size(), 2u);
        EXPECT_EQ(path[0], "/some/where");
        EXPECT_EQ(path[1], "/opt/prog");
        EXPECT_EQ(path.back(), APICFG_DATA_DIR);
    }
    ScopedEnv dir("APICFG_LANG_DIR", nullptr);
    auto path = defaultLanguageSearchPath("/opt/prog");
    EXPECT_EQ(path.front(), "/opt/prog");
    EXPECT_EQ(path.size(), 2u);
}

TEST_F(LanguageChoice, StartUpLoadsTheUsersLanguageAndTheTransportTexts) {
    ScopedEnv dir("APICFG_LANG_DIR", sourceLang.c_str());
    ScopedEnv all("LC_ALL", "de_DE.UTF-8");
    ASSERT_TRUE(loadUserLanguage(""));
    EXPECT_EQ(TelaEnvironment::LoadedLibraryName(), "LHCDEU.DLL");
    EXPECT_EQ(TelaEnvironment::GetUserString(ids::kAppTitle), "API-Konfiguration");
    EXPECT_EQ(transportTexts().first, TelaEnvironment::GetUserString(ids::kTransportFirst));
    EXPECT_FALSE(transportTexts().second.empty());

    // A name given by the user wins over the locale.
    ASSERT_TRUE(loadUserLanguage("", "LHCENU"));
    EXPECT_EQ(TelaEnvironment::GetUserString(ids::kAppTitle), "API Configuration");
    ASSERT_TRUE(loadUserLanguage("", sourceLang + "/LHCDEU.lang"));
    EXPECT_EQ(TelaEnvironment::GetUserString(ids::kAppTitle), "API-Konfiguration");
}

TEST_F(LanguageChoice, TheBuildPutsTheLibrariesBesideThePrograms) {
    ScopedEnv dir("APICFG_LANG_DIR", nullptr);
    ScopedEnv all("LC_ALL", "en_US.UTF-8");
    ASSERT_TRUE(loadUserLanguage(programDir));
    EXPECT_EQ(TelaEnvironment::GetUserString(ids::kAppTitle), "API Configuration");
    EXPECT_TRUE(fs::exists(programDir + "/LHCDEU.lang"));
}

TEST_F(LanguageChoice, WithoutALibraryEveryTextIsEmptyAndNothingBreaks) {
    ScopedEnv dir("APICFG_LANG_DIR", nullptr);
    ScopedEnv all("LC_ALL", "de_DE.UTF-8");
    ASSERT_TRUE(loadUserLanguage("", sourceLang + "/LHCENU.lang"));
    ASSERT_FALSE(transportTexts().first.empty());

    // A folder without libraries: the data folder may hold installed ones, so search only
    // an empty folder.
    fs::path empty = fs::temp_directory_path() / "apicfg_no_languages";
    fs::create_directories(empty);
    TelaEnvironment::SetSearchPath({empty.string()});
    EXPECT_FALSE(TelaEnvironment::LoadLibrary("LHCDEU.DLL"));
    EXPECT_FALSE(loadUserLanguage("", empty.string() + "/LHCXXX.lang"));
    EXPECT_EQ(TelaEnvironment::GetUserString(ids::kAppTitle), "");
    EXPECT_EQ(TelaEnvironment::GetUserString(ids::kMode6), "");
    EXPECT_TRUE(TelaEnvironment::LoadedLibraryName().empty());
    EXPECT_TRUE(transportTexts().first.empty());
    EXPECT_TRUE(transportTexts().second.empty());
    fs::remove(empty);
}

TEST_F(LanguageChoice, MalformedLibraryTextIsRefusedWhole) {
    std::map<int, std::string> strings;
    int badLine = 0;
    EXPECT_TRUE(parseLanguageText("# comment\r\n\r\n1\tone\\ttab\\nline\\\\\r\n2\t\n", strings));
    EXPECT_EQ(strings.at(1), "one\ttab\nline\\");
    EXPECT_EQ(strings.at(2), "");

    struct Case {
        const char* text;
        int line;
    };
    const Case bad[] = {
        {"1\tone\n2 two\n", 2},       // blank instead of a tab
        {"1\tone\nx2\ttwo\n", 2},     // not a number
        {"\tno number\n", 1},         // empty number
        {"1\tone\n\n1\tagain\n", 3},  // the same number twice
        {"1234567890\ttoo big\n", 1}, // beyond any string id
    };
    for (const Case& c : bad) {
        EXPECT_FALSE(parseLanguageText(c.text, strings, &badLine)) << c.text;
        EXPECT_EQ(badLine, c.line) << c.text;
        EXPECT_TRUE(strings.empty());
    }

    ASSERT_TRUE(TelaEnvironment::LoadLibraryText("1\tone\n", "good"));
    EXPECT_FALSE(TelaEnvironment::LoadLibraryText("1\tone\n2 two\n", "bad"));
    EXPECT_EQ(TelaEnvironment::GetUserString(1), "");
    EXPECT_TRUE(TelaEnvironment::LoadedLibraryName().empty());
}
