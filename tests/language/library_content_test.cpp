// The shipped libraries: every text the program names, the texts that go into the file,
// and the placeholders that the program fills in.
#include "string_ids.h"
#include "tela_environment.h"
#include "validation.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

using Library = std::map<int, std::string>;

std::string readWhole(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::map<std::string, Library> shippedLibraries() {
    std::map<std::string, Library> libraries;
    for (const auto& entry : fs::directory_iterator(fs::path(APICFG_SOURCE_DIR) / "lang")) {
        if (entry.path().extension() != ".lang")
            continue;
        Library strings;
        int badLine = 0;
        EXPECT_TRUE(parseLanguageText(readWhole(entry.path()), strings, &badLine))
            << entry.path() << " line " << badLine;
        libraries[entry.path().filename().string()] = std::move(strings);
    }
    return libraries;
}

const int kModeIds[] = {ids::kMode1, ids::kMode2, ids::kMode3,
                        ids::kMode4, ids::kMode5, ids::kMode6};

} // namespace

TEST(LanguageLibraries, EnglishAndGermanAreShipped) {
    auto libraries = shippedLibraries();
    EXPECT_TRUE(libraries.count("LHCENU.lang"));
    EXPECT_TRUE(libraries.count("LHCDEU.lang"));
    // The file name each language maps to is the one shipped.
    EXPECT_EQ(languageFileName("LHCENU.DLL"), "LHCENU.lang");
    EXPECT_EQ(languageFileName("LHCDEU.DLL"), "LHCDEU.lang");
}

TEST(LanguageLibraries, EveryLibraryHoldsEveryTextAndNoStrayOne) {
    std::set<int> wanted(std::begin(kAllStringIds), std::end(kAllStringIds));
    EXPECT_EQ(wanted.size(), std::size(kAllStringIds)) << "an id is listed twice";
    for (const auto& [name, strings] : shippedLibraries()) {
        for (int id : wanted) {
            auto it = strings.find(id);
            ASSERT_TRUE(it != strings.end()) << name << " lacks " << id;
            EXPECT_FALSE(it->second.empty()) << name << " has an empty text for " << id;
        }
        // A text under a number the program never asks for is a typing mistake.
        for (const auto& [id, text] : strings)
            EXPECT_TRUE(wanted.count(id)) << name << " has a text for unknown id " << id;
    }
}

TEST(LanguageLibraries, FileTextsAreTheSameInEveryLanguage) {
    auto libraries = shippedLibraries();
    const Library& english = libraries.at("LHCENU.lang");
    std::set<std::string> modes;
    for (int id : kModeIds) {
        const std::string& mode = english.at(id);
        // A mode name is an SNA type A name of at most eight characters.
        EXPECT_TRUE(!mode.empty() && mode.size() <= 8 && isTypeAName(mode, mode.size()))
            << id << " \"" << mode << "\"";
        modes.insert(mode);
    }
    EXPECT_EQ(modes.size(), std::size(kModeIds)) << "mode names repeat";
    EXPECT_EQ(english.at(ids::kMode6), "BLANK");

    const std::string& first = english.at(ids::kTransportFirst);
    const std::string& second = english.at(ids::kTransportSecond);
    EXPECT_NE(first, second);
    // A LUx link is stored as comma-separated fields, the transport among them.
    EXPECT_EQ(first.find(','), std::string::npos);
    EXPECT_EQ(second.find(','), std::string::npos);

    for (const auto& [name, strings] : libraries) {
        EXPECT_EQ(strings.at(ids::kTransportFirst), first) << name;
        EXPECT_EQ(strings.at(ids::kTransportSecond), second) << name;
        for (int id : kModeIds)
            EXPECT_EQ(strings.at(id), english.at(id)) << name << " mode " << id;
    }
}

TEST(LanguageLibraries, PlaceholdersAndFormatsMatchTheEnglish) {
    auto libraries = shippedLibraries();
    const Library& english = libraries.at("LHCENU.lang");
    EXPECT_EQ(english.at(ids::kTooManyCharacters), "Please enter no more than %1 characters.");
    EXPECT_NE(english.at(ids::kMsgConfirmDelete).find("%1"), std::string::npos);

    std::regex qtFilter(R"([^;()]+ \([^()]+\)(;;[^;()]+ \([^()]+\))*)");
    for (const auto& [name, strings] : libraries) {
        for (const auto& [id, text] : english) {
            auto it = strings.find(id);
            if (it == strings.end())
                continue; // the completeness test reports it
            bool wantsPlaceholder = text.find("%1") != std::string::npos;
            EXPECT_EQ(it->second.find("%1") != std::string::npos, wantsPlaceholder)
                << name << " " << id;
        }
        EXPECT_TRUE(std::regex_match(strings.at(ids::kFileOpenFilter), qtFilter))
            << name << ": " << strings.at(ids::kFileOpenFilter);
        EXPECT_NE(strings.at(ids::kFileOpenFilter).find("*.ini"), std::string::npos) << name;
        // The document strings start with the window title.
        EXPECT_EQ(strings.at(ids::kDocumentStrings).substr(0, strings.at(ids::kAppTitle).size()),
                  strings.at(ids::kAppTitle))
            << name;
    }
}

// Every named id in string_ids.h must be in the list the tests walk, and code must name
// texts through ids:: constants that exist, never by bare numbers.
TEST(LanguageLibraries, SourcesUseOnlyListedIds) {
    fs::path source(APICFG_SOURCE_DIR);
    std::string header = readWhole(source / "src/document/string_ids.h");
    std::set<int> listed(std::begin(kAllStringIds), std::end(kAllStringIds));
    std::map<std::string, int> named;
    std::regex constant(R"(inline constexpr int (k\w+) = (\d+);)");
    for (std::sregex_iterator it(header.begin(), header.end(), constant), end; it != end; ++it) {
        int id = std::stoi((*it)[2]);
        named[(*it)[1].str()] = id;
        EXPECT_TRUE(listed.count(id)) << (*it)[1] << " = " << id << " is not in kAllStringIds";
    }
    ASSERT_GT(named.size(), 100u);

    std::regex use(R"(ids::(k\w+))");
    std::regex bareNumber(R"(GetUserString\s*\(\s*\d)");
    for (const auto& entry : fs::recursive_directory_iterator(source / "src")) {
        auto ext = entry.path().extension();
        if (ext != ".cpp" && ext != ".h")
            continue;
        std::string text = readWhole(entry.path());
        for (std::sregex_iterator it(text.begin(), text.end(), use), end; it != end; ++it)
            EXPECT_TRUE(named.count((*it)[1].str())) << entry.path() << " uses " << (*it)[1];
        EXPECT_FALSE(std::regex_search(text, bareNumber))
            << entry.path() << " asks for a text by a bare number";
    }
}
