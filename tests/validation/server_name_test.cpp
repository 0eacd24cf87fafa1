// Server names are checked by the rule of their transport, whose text comes from the
// language library and is reloaded on every test.
#include "messages.h"
#include "tela_environment.h"
#include "validation.h"

#include <gtest/gtest.h>

namespace {

class ServerName : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(TelaEnvironment::LoadLibraryText("61206\tTCP/IP\n61207\tIPX/SPX\n", "test"));
    }
    void TearDown() override {
        TelaEnvironment::UnloadLibrary();
        reloadTransportTexts();
    }
    static bool check(const std::string& name, const std::string& transport) {
        return isServerName(name, name.size(), transport);
    }
};

TEST_F(ServerName, FirstTransportTakesHostNames) {
    EXPECT_TRUE(check("host-a.example.com", "TCP/IP"));
    EXPECT_TRUE(check("Srv_01", "TCP/IP"));
    EXPECT_TRUE(check("*", "TCP/IP"));
    EXPECT_TRUE(check("", "TCP/IP"));
    EXPECT_FALSE(check(".host", "TCP/IP"));
    EXPECT_FALSE(check("host a", "TCP/IP"));
    EXPECT_FALSE(check("host%", "TCP/IP"));
    EXPECT_FALSE(check("*a", "TCP/IP"));
    EXPECT_FALSE(check("h\xe9te", "TCP/IP"));
}

TEST_F(ServerName, SecondTransportRefusesDots) {
    EXPECT_TRUE(check("SERVER-1_B", "IPX/SPX"));
    EXPECT_TRUE(check("*", "IPX/SPX"));
    EXPECT_FALSE(check("srv.example", "IPX/SPX"));
}

TEST_F(ServerName, OtherTransportsAreNotChecked) {
    EXPECT_TRUE(check(".any thing%", "NETBIOS"));
    EXPECT_TRUE(check(".any thing%", ""));
}

TEST_F(ServerName, FollowsTheLibraryLoadedAtTheTimeOfTheTest) {
    EXPECT_FALSE(check("srv.example", "IPX/SPX"));
    ASSERT_TRUE(TelaEnvironment::LoadLibraryText("61206\tIPX/SPX\n61207\tTCP/IP\n", "swapped"));
    EXPECT_TRUE(check("srv.example", "IPX/SPX"));
    EXPECT_FALSE(check("srv.example", "TCP/IP"));
    EXPECT_EQ(transportTexts().first, "IPX/SPX");
}

} // namespace
