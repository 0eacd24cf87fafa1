// One rule, one home: for every kind, records that the editor refuses are refused with the
// same message by the sheet (OK untouched), by the tool's put (the record as get prints
// it, put back) and reported by check, the cursor landing in the field the message names.
#include "cfg_doc.h"
#include "commands.h"
#include "editor_dispatch.h"
#include "midrange_system_dialog.h"
#include "option_kinds.h"
#include "password_keys.h"
#include "scramble.h"
#include "sheet_test_support.h"
#include "string_ids.h"

#include <QApplication>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

struct Refused {
    const char* what;
    std::string kind; // the tool's kind
    std::string name; // the record's name, for the kinds of many records
    std::vector<std::string> sections;
    const char* focus; // the object name of the field the cursor lands in
};

class OneRule : public SheetTest {
protected:
    void SetUp() override {
        SheetTest::SetUp();
        m_dir = std::filesystem::temp_directory_path() /
                ("apicfg-one-rule-" + std::to_string(::getpid()));
        std::filesystem::create_directories(m_dir);
    }
    void TearDown() override {
        std::filesystem::remove_all(m_dir);
        SheetTest::TearDown();
    }

    // Runs a command of the tool in-process; what it wrote to standard error and output.
    std::string tool(const std::string& command, const std::vector<std::string>& args,
                     const std::string& input = {}, int* exitCode = nullptr) {
        Invocation inv;
        inv.command = command;
        inv.files = {args[0]};
        inv.file = args[0];
        inv.kind = args.size() > 1 ? args[1] : "";
        inv.hasKind = args.size() > 1;
        inv.name = args.size() > 2 ? args[2] : "";
        inv.hasName = args.size() > 2;
        inv.input = "-";
        inv.showPasswords = true;
        std::istringstream in(input);
        std::ostringstream out, err;
        const int code = command == "get"   ? runGet(inv, in, out, err)
                         : command == "put" ? runPut(inv, in, out, err)
                                            : runCheck(inv, in, out, err);
        if (exitCode)
            *exitCode = code;
        return out.str() + err.str();
    }

    // What the sheet of the record shows on OK untouched, and where the cursor then is.
    std::string sheetMessage(const Refused& c, std::string& focus) {
        CCfgDoc doc;
        EXPECT_TRUE(doc.OnOpenDocument(file()));
        messages.clear();
        whileOpen(
            [&](QDialog& sheet) {
                sheet.accept();
                EXPECT_TRUE(sheet.isVisible());
                if (QWidget* w = QApplication::focusWidget())
                    focus = w->objectName().toStdString();
            },
            [&] {
                if (c.kind == "system") {
                    CDlgNODEXSystem dialog;
                    return dialog.ShowSystem(doc, c.name);
                }
                return runEditorSheet(doc, *findToolKind(c.kind), "sheet", c.name);
            });
        EXPECT_EQ(messages.size(), 1u);
        return messages.empty() ? std::string() : messages.front().text;
    }

    std::string file() const { return (m_dir / "s.ini").string(); }

private:
    std::filesystem::path m_dir;
};

// Records the editor refuses, one or two per kind, each with the field it names.
std::vector<Refused> refusedRecordsOfOneRecordKinds() {
    return {
        {"a user name with a colon", "global", "", {"[GLOBAL]", "USER_NAME=a:b"}, "userNameEdit"},
        {"the second of two aliases",
         "global",
         "",
         {"[GLOBAL]", "DEF_PLU_ALIAS=A B"},
         "defPluEdit"},
        {"the server list without a server",
         "appc",
         "",
         {"[APPC]", "SELECT=SERVER"},
         "serverName1"},
        {"a server name its transport refuses",
         "appc",
         "",
         {"[APPC]", "SELECT=SERVER", "SERVER=h!,TCP/IP,ENC_OFF"},
         "serverName1"},
        {"common settings without a system",
         "common",
         "",
         {"[NODEX_COMMON]", "USER_NAME=", "MODE=XLNKMOD"},
         "addButton"},
        {"a common mode starting with a digit",
         "common",
         "",
         {"[NODEX_SYSTEM]", "HOST_NAME=H1", "DEFAULT=0", "[NODEX_COMMON]", "MODE=1X"},
         "modeCombo"},
        {"a common password with a bracket",
         "common",
         "",
         {"[NODEX_SYSTEM]", "HOST_NAME=H1", "DEFAULT=0", "[NODEX_COMMON]", "USER_NAME=U",
          "MODE=XLNKMOD", "PASSWORD=" + scramblePassword("P[", kCommonPassword.storedLength())},
         "passwordEdit"},
    };
}

std::vector<Refused> refusedRecordsOfNamedKinds() {
    return {
        {"a user ID the security type needs",
         "cpic",
         "S1",
         {"[CPIC_INFO]", "SYMB_NAME=S1", "LOCAL_LU=*", "MODE=#INTER", "REMOTE_TP=TP", "SEC_TYPE=1"},
         "userIdEdit"},
        {"the local of two aliases",
         "cpic",
         "S1",
         {"[CPIC_INFO]", "SYMB_NAME=S1", "LOCAL_LU=A-B", "MODE=#INTER", "REMOTE_TP=TP"},
         "localLuEdit"},
        {"a partner name without its period",
         "cpic",
         "S1",
         {"[CPIC_INFO]", "SYMB_NAME=S1", "LOCAL_LU=*", "PART_LU=NOPE", "PLU_TYPE=1", "MODE=#INTER",
          "REMOTE_TP=TP"},
         "networkIdEdit"},
        {"a service TP name that is none as the partner's program",
         "cpic",
         "S1",
         {"[CPIC_INFO]", "SYMB_NAME=S1", "LOCAL_LU=*", "MODE=#INTER", "REMOTE_TP=XYZ", "TP_TYPE=1"},
         "remoteTpEdit"},
        {"a dynamically loaded program without a path",
         "tp",
         "T1",
         {"[CLIENT_ATTACH]", "TP_NAME=T1", "LU_NAME=*", "TP_OP=0"},
         "pathEdit"},
        {"a service TP name that is none",
         "tp",
         "XYZ",
         {"[CLIENT_ATTACH]", "TP_NAME=XYZ", "PATH=/x", "TP_TYPE=1"},
         "tpNameEdit"},
        {"a profile name in small letters",
         "lux",
         "p1",
         {"[LUX_PROFILE]", "PROFILE_NAME=p1", "SESSION=h1,*,1,,TCP/IP,,ENC_OFF"},
         "sessionNameEdit"},
        {"an LU name missing on link 2",
         "lux",
         "P1",
         {"[LUX_PROFILE]", "PROFILE_NAME=P1", "SESSION=h1,*,1,,TCP/IP,,ENC_OFF",
          "SESSION=,*,0,,TCP/IP,,ENC_OFF"},
         "luName2"},
        {"no server or scope on link 1",
         "lux",
         "P1",
         {"[LUX_PROFILE]", "PROFILE_NAME=P1", "SESSION=,*,1,,TCP/IP,,ENC_OFF",
          "SESSION=h2,*,1,,TCP/IP,,ENC_OFF"},
         "serverName1"},
        {"a user ID with a bracket",
         "system",
         "H1",
         {"[NODEX_SYSTEM]", "HOST_NAME=H1", "USER_NAME=U[", "DEFAULT=0"},
         "userIdEdit"},
    };
}

TEST_F(OneRule, TheSheetPutAndCheckRefuseEachRecordWithTheSameMessage) {
    std::vector<Refused> cases = refusedRecordsOfOneRecordKinds();
    for (Refused& c : refusedRecordsOfNamedKinds())
        cases.push_back(std::move(c));
    for (const Refused& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<std::string> lines{kCfgHeader};
        for (const std::string& l : c.sections)
            lines.insert(lines.end(), {";", l});
        std::ostringstream bytes;
        for (const std::string& l : lines)
            bytes << l << "\r\n";
        std::ofstream(file(), std::ios::binary) << bytes.str();
        std::vector<std::string> args{file(), c.kind};
        if (!c.name.empty())
            args.push_back(c.name);

        int exitCode = 0;
        const std::string json = tool("get", args, {}, &exitCode);
        ASSERT_EQ(exitCode, 0) << json;
        const std::string put = tool("put", {file(), c.kind}, json, &exitCode);
        EXPECT_EQ(exitCode, 1) << put;
        const std::string check = tool("check", {file()}, {}, &exitCode);
        EXPECT_EQ(exitCode, 1) << check;
        EXPECT_EQ(testing_support::slurp(file()), bytes.str()) << "nothing stored";

        std::string focus;
        const std::string message = sheetMessage(c, focus);
        ASSERT_FALSE(message.empty());
        EXPECT_NE(put.find(": " + message), std::string::npos) << put;
        EXPECT_NE(check.find(": " + message), std::string::npos) << check;
        EXPECT_EQ(focus, c.focus);
    }
}

} // namespace
