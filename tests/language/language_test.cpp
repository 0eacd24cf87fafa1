// The language libraries: choosing and loading one, the shipped texts, and the messages
// of the error codes.
#include "language_path.h"
#include "messages.h"
#include "string_ids.h"
#include "tela_environment.h"
#include "test_helpers.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <regex>
#include <set>
#include <string>

namespace fs = std::filesystem;

namespace {

using testing_support::slurp;
using Library = std::map<int, std::string>;
const std::string kLang = std::string(APICFG_SOURCE_DIR) + "/lang";

std::map<std::string, Library> shippedLibraries() {
    std::map<std::string, Library> libraries;
    for (const char* name : {"LHCENU.lang", "LHCDEU.lang"}) {
        int badLine = 0;
        EXPECT_TRUE(parseLanguageText(slurp(kLang + "/" + name), libraries[name], &badLine))
            << name << " line " << badLine;
    }
    return libraries;
}

// Every text id the program names: the constants of string_ids.h and the legends of the
// layouts, read where they are written, so that a text named anywhere is held to here.
std::set<int> namedIds() {
    std::set<int> named;
    auto collect = [&named](const std::string& text, const std::regex& pattern) {
        for (std::sregex_iterator it(text.begin(), text.end(), pattern), end; it != end; ++it)
            named.insert(std::stoi((*it)[1]));
    };
    const fs::path source(APICFG_SOURCE_DIR);
    collect(slurp(source / "src/core/string_ids.h"),
            std::regex(R"(inline constexpr int k\w+ = (\d+);)"));
    const std::regex legend(
        R"(<property name="\w*[lL]egend" stdset="0">\s*<number>(\d+)</number>)");
    for (const auto& entry : fs::recursive_directory_iterator(source / "resources"))
        if (entry.path().extension() == ".ui")
            collect(slurp(entry.path()), legend);
    return named;
}

class Language : public ::testing::Test {
protected:
    void TearDown() override {
        setMessagePresenter({});
        TelaEnvironment::UnloadLibrary();
        TelaEnvironment::SetSearchPath({});
    }
};

} // namespace

TEST_F(Language, AFailedLoadLeavesEveryTextEmptyAndMalformedTextIsRefusedWhole) {
    ::setenv("APICFG_LANG_DIR", kLang.c_str(), 1);
    ASSERT_TRUE(loadUserLanguage("", "LHCENU"));
    EXPECT_EQ(TelaEnvironment::GetUserString(ids::kAppTitle), "API Configuration");

    // A folder without libraries (the data folder may hold installed ones).
    fs::path empty = fs::temp_directory_path() / "apicfg_no_languages";
    fs::create_directories(empty);
    TelaEnvironment::SetSearchPath({empty.string()});
    EXPECT_FALSE(TelaEnvironment::LoadLibrary("LHCDEU.DLL"));
    EXPECT_FALSE(loadUserLanguage("", empty.string() + "/LHCXXX.lang"));
    ::unsetenv("APICFG_LANG_DIR");
    fs::remove(empty);
    EXPECT_EQ(TelaEnvironment::GetUserString(ids::kAppTitle), "");
    EXPECT_EQ(TelaEnvironment::GetUserString(ids::kMode6), "");
    EXPECT_TRUE(TelaEnvironment::LoadedLibraryName().empty());
    EXPECT_TRUE(transportTexts().first.empty());
    EXPECT_TRUE(transportTexts().second.empty());

    // Malformed text is refused whole.
    std::map<int, std::string> strings;
    int badLine = 0;
    EXPECT_FALSE(parseLanguageText("1\tone\n\n1\tagain\n", strings, &badLine));
    EXPECT_EQ(badLine, 3);
    EXPECT_TRUE(strings.empty());
    // An id has nine digits at most; a longer one is refused, not summed past its range.
    EXPECT_FALSE(parseLanguageText("1\tone\n12345678901234567890\tlong\n", strings, &badLine));
    EXPECT_EQ(badLine, 2);
    EXPECT_FALSE(parseLanguageText("1000000000\tten\n", strings, &badLine));
    EXPECT_TRUE(parseLanguageText("999999999\tnine\n", strings, &badLine));
}

TEST_F(Language, TheLanguageIsChosenFromTheEnvironmentAsGettextChoosesIt) {
    // LANGUAGE first (its first language that has a library), then LC_ALL, LC_MESSAGES, LANG.
    const char* const names[] = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};
    struct Case {
        const char* values[4]; // of the names above; "" for unset
        const char* library;
    };
    constexpr Case kCases[] = {
        {{"de", "", "", "C.UTF-8"}, "LHCDEU.DLL"},
        {{"fr:de_AT", "", "", ""}, "LHCDEU.DLL"},
        {{"en:de", "de_DE.UTF-8", "", ""}, "LHCENU.DLL"},
        {{"fr", "", "", "de_DE.UTF-8"}, "LHCENU.DLL"},
        {{"", "", "de_AT.UTF-8@euro", "en_US.UTF-8"}, "LHCDEU.DLL"},
        {{"", "C", "de_DE", ""}, "LHCENU.DLL"},
        {{"", "", "", ""}, "LHCENU.DLL"},
    };
    std::map<std::string, std::string> kept; // the test's own environment, put back after
    for (const char* name : names)
        if (const char* value = std::getenv(name))
            kept[name] = value;
    ::setenv("APICFG_LANG_DIR", kLang.c_str(), 1);
    for (const Case& c : kCases) {
        for (int i = 0; i < 4; ++i)
            *c.values[i] ? ::setenv(names[i], c.values[i], 1) : ::unsetenv(names[i]);
        ASSERT_TRUE(loadUserLanguage(""));
        EXPECT_EQ(TelaEnvironment::LoadedLibraryName(), c.library)
            << c.values[0] << " " << c.values[1] << " " << c.values[2] << " " << c.values[3];
    }
    for (const char* name : names)
        kept.count(name) ? ::setenv(name, kept[name].c_str(), 1) : ::unsetenv(name);
    ::unsetenv("APICFG_LANG_DIR");
}

TEST_F(Language, EveryLibraryHoldsEveryTextWithTheSameFileTextsAndPlaceholders) {
    auto libraries = shippedLibraries();
    ASSERT_EQ(libraries.size(), 2u);
    EXPECT_EQ(languageFileName("LHCDEU.DLL"), "LHCDEU.lang");
    const std::set<int> wanted = namedIds();
    ASSERT_GT(wanted.size(), 250u) << "the header and the layouts were read";
    const Library& english = libraries.at("LHCENU.lang");
    EXPECT_NE(english.at(ids::kTransportFirst), english.at(ids::kTransportSecond));
    EXPECT_EQ(english.at(ids::kMode6), "BLANK");
    for (const auto& [name, strings] : libraries) {
        for (int id : wanted)
            EXPECT_FALSE(strings.count(id) == 0 || strings.at(id).empty()) << name << " " << id;
        for (const auto& [id, text] : strings) {
            EXPECT_TRUE(wanted.count(id)) << name << " has a text for unknown id " << id;
            const std::string& model = english.count(id) ? english.at(id) : text;
            EXPECT_EQ(text.find("%1") == std::string::npos, model.find("%1") == std::string::npos)
                << name << " " << id;
            // A label or button of one language has its mnemonic in every language.
            EXPECT_EQ(text.find('&') == std::string::npos, model.find('&') == std::string::npos)
                << name << " " << id;
        }
        // The texts that go into the file do not depend on the language.
        for (int id : {ids::kTransportFirst, ids::kTransportSecond, ids::kMode1, ids::kMode2,
                       ids::kMode3, ids::kMode4, ids::kMode5, ids::kMode6})
            EXPECT_EQ(strings.at(id), english.at(id)) << name << " " << id;
    }
}

// Each code's message is a text of string_ids.h, which every library holds (above); which
// code shows which message is the document's ReportError test.
TEST_F(Language, MessagesShowUnderTheApplicationTitle) {
    ASSERT_TRUE(TelaEnvironment::LoadLibrary(kLang + "/LHCENU.lang"));
    std::vector<std::string> titles;
    setMessagePresenter([&](const std::string& title, const std::string&, int) {
        titles.push_back(title);
        return kIdCancel;
    });
    EXPECT_EQ(AppMessageBox("Delete it?", kMbOkCancelQuestion), kIdCancel);
    TelaEnvironment::UnloadLibrary();
    AppMessageBox("x", kMbOk);
    EXPECT_EQ(titles, (std::vector<std::string>{"API Configuration", ""}));
}
