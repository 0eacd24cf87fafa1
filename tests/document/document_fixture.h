// A document test: its own folder, an empty installation, a language library of known
// texts, and every message the document shows recorded instead of shown.
#pragma once

#include "cfg_doc.h"
#include "cfg_file.h"
#include "installation.h"
#include "messages.h"
#include "tela_environment.h"
#include "test_helpers.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

namespace testing_support {

namespace fs = std::filesystem;

struct Shown {
    std::string text;
    int style;
    bool operator==(const Shown&) const = default;
};

inline void spit(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// A configuration file as the client's platform writes it: CR LF line ends, header first.
inline std::string cfgText(const std::vector<std::string>& lines) {
    std::string text = std::string(kCfgHeader) + "\r\n";
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text + kCfgEnd;
}

// Every file below a folder with its bytes, by path relative to the folder.
inline std::map<std::string, std::string> tree(const std::string& folder) {
    std::map<std::string, std::string> files;
    for (const auto& e : fs::recursive_directory_iterator(folder))
        files[fs::relative(e.path(), folder).string()] =
            e.is_regular_file() ? slurp(e.path().string()) : std::string("<folder>");
    return files;
}

class DocumentTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "apicfg-doc-XXXXXX").string();
        dir = ::mkdtemp(pattern.data());
        ::setenv(kInstallationFileVariable, (dir + "/none.conf").c_str(), 1);
        ASSERT_TRUE(TelaEnvironment::LoadLibraryText(
            "57344\tAPI Configuration\n61206\tTCP/IP\n61207\tIPX/SPX\n2477\tStore failed.\n"
            "2457\tCodes 14 and 24.\n2469\tBad profile name.\n2482\tBad server name.\n"
            "2500\tNot saved: %1 in [%2].\n323\tCPI-C Side Information\n2433\tGlobal settings\n"
            "3108\texists already\n3112\tNot opened: %1\n3113\tNot saved: %1\n"
            "3114\t%1, line %2: %3.\n3117\tbyte 255\n",
            "test"));
        setMessagePresenter([this](const std::string&, const std::string& text, int style) {
            shown.push_back({text, style});
            return kIdOk;
        });
    }
    void TearDown() override {
        setMessagePresenter(nullptr);
        ::unsetenv(kInstallationFileVariable);
        fs::remove_all(dir);
    }

    std::string at(const std::string& name) const { return dir + "/" + name; }

    void installation(const std::string& settings) {
        spit(at("installation.conf"), settings);
        ::setenv(kInstallationFileVariable, at("installation.conf").c_str(), 1);
    }

    const Shown storeFailure{"Store failed.", 0};
    std::string dir;
    std::vector<Shown> shown;
    CCfgDoc doc;
};

} // namespace testing_support
