// The message layer: error codes to message ids, and the one message box.
#include "messages.h"
#include "string_ids.h"
#include "tela_environment.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

struct Shown {
    std::string title;
    std::string text;
    int style;
};

class Messages : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(
            TelaEnvironment::LoadLibrary(std::string(APICFG_SOURCE_DIR) + "/lang/LHCENU.lang"));
        setMessagePresenter([this](const std::string& title, const std::string& text, int style) {
            shown.push_back({title, text, style});
            return answer;
        });
    }
    void TearDown() override {
        setMessagePresenter({});
        TelaEnvironment::UnloadLibrary();
    }
    std::vector<Shown> shown;
    int answer = kIdOk;
};

} // namespace

TEST_F(Messages, ErrorCodesMapToTheirMessages) {
    EXPECT_EQ(errorMessageId(kErrStore), ids::kErr66);
    EXPECT_EQ(errorMessageId(66), 2477);
    EXPECT_EQ(errorMessageId(14), 2457);
    EXPECT_EQ(errorMessageId(24), 2457);
    EXPECT_EQ(errorMessageId(68), 2478);
    for (int none : {0, 18, 22, 65, 67, 70, 256, -66})
        EXPECT_EQ(errorMessageId(none), 0) << none;

    // Every code that has a message has a text in the library.
    std::set<int> listed(std::begin(kAllStringIds), std::end(kAllStringIds));
    int codes = 0;
    for (int code = 0; code <= 100; ++code) {
        int id = errorMessageId(code);
        if (id == 0)
            continue;
        ++codes;
        EXPECT_EQ(code % 2, 0) << code;
        EXPECT_TRUE(listed.count(id)) << code;
        EXPECT_FALSE(TelaEnvironment::GetUserString(id).empty()) << code;
    }
    EXPECT_EQ(codes, 24);
}

TEST_F(Messages, MessageBoxCarriesTheApplicationTitleAndReturnsTheButton) {
    EXPECT_EQ(AppMessageBox("Delete it?", kMbOkCancelQuestion), kIdOk);
    answer = kIdCancel;
    EXPECT_EQ(AppMessageBox("Delete it?", kMbOkCancelQuestion), kIdCancel);
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].title, TelaEnvironment::GetUserString(ids::kAppTitle));
    EXPECT_EQ(shown[0].title, "API Configuration");
    EXPECT_EQ(shown[0].text, "Delete it?");
    EXPECT_EQ(shown[1].style, kMbOkCancelQuestion);

    // Without a library the title is empty, and the message still shows.
    TelaEnvironment::UnloadLibrary();
    AppMessageBox(TelaEnvironment::GetUserString(ids::kErr66), kMbOk);
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[2].title, "");
    EXPECT_EQ(shown[2].text, "");
    EXPECT_EQ(shown[2].style, kMbOk);
}

TEST_F(Messages, TransportTextsFollowTheLoadedLibrary) {
    reloadTransportTexts();
    EXPECT_EQ(transportTexts().first, "TCP/IP");
    EXPECT_EQ(transportTexts().second, "IPX/SPX");
    TelaEnvironment::LoadLibraryText("61206\tT1\n61207\tT2\n", "test");
    EXPECT_EQ(transportTexts().first, "TCP/IP"); // held until reloaded
    reloadTransportTexts();
    EXPECT_EQ(transportTexts().first, "T1");
    EXPECT_EQ(transportTexts().second, "T2");
}
