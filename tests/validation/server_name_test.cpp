// Server names are checked by the rule of their transport, whose text comes from the
// language library and is reloaded on every test.
#include "messages.h"
#include "tela_environment.h"
#include "validation.h"

#include <gtest/gtest.h>

namespace {

bool check(const std::string& name, const std::string& transport) {
    return isServerName(name, name.size(), transport);
}

TEST(ServerName, RuleFollowsTheTransportOfTheLibraryLoadedNow) {
    ASSERT_TRUE(TelaEnvironment::LoadLibraryText("61206\tTCP/IP\n61207\tIPX/SPX\n", "test"));
    EXPECT_TRUE(check("host-a.example.com", "TCP/IP") && check("Srv_01", "TCP/IP"));
    EXPECT_TRUE(check("*", "TCP/IP") && check("", "TCP/IP") && check("*", "IPX/SPX"));
    EXPECT_FALSE(check(".host", "TCP/IP") || check("host a", "TCP/IP") || check("*a", "TCP/IP") ||
                 check("h\xe9te", "TCP/IP"));
    EXPECT_TRUE(check("SERVER-1_B", "IPX/SPX"));
    EXPECT_FALSE(check("srv.example", "IPX/SPX"));
    EXPECT_TRUE(check(".any thing%", "NETBIOS")); // other transports are not checked

    ASSERT_TRUE(TelaEnvironment::LoadLibraryText("61206\tIPX/SPX\n61207\tTCP/IP\n", "swapped"));
    EXPECT_TRUE(check("srv.example", "IPX/SPX"));
    EXPECT_FALSE(check("srv.example", "TCP/IP"));
    TelaEnvironment::UnloadLibrary();
}

} // namespace
