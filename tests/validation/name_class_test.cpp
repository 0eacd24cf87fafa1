// The SNA name classes, each against names an administrator would type.
#include "validation.h"

#include <gtest/gtest.h>

#include <string>

namespace {

bool typeA(const std::string& s) {
    return isTypeAName(s, s.size());
}
bool appTp(const std::string& s) {
    return isAppTpName(s, s.size());
}
bool mixed(const std::string& s) {
    return isMixedCaseName(s, s.size());
}

TEST(PadRight, LengthensWithBlanksAndNeverCuts) {
    EXPECT_EQ(padRight("AB", 5), "AB   ");
    EXPECT_EQ(padRight("ABCDEFGHIJ", 8), "ABCDEFGHIJ");
}

TEST(NameClasses, AliasesTypeANamesAndTpNames) {
    EXPECT_TRUE(isLuAlias("LUA1    "));
    EXPECT_TRUE(isLuAlias("  lu_[1]"));   // leading blanks skipped; the signs are letters here
    EXPECT_TRUE(isLuAlias("ABCDEFG IJ")); // only eight characters are looked at
    EXPECT_FALSE(isLuAlias("ABCDEF IJ"));
    EXPECT_FALSE(isLuAlias("        "));
    EXPECT_FALSE(isLuAlias("LU@A    "));

    EXPECT_TRUE(typeA("XLNKMOD") && typeA("#INTER") && typeA("@A$1") && typeA(""));
    EXPECT_FALSE(typeA("1ABC") || typeA("ABc") || typeA("AB_C"));
    EXPECT_TRUE(isTypeAName("ABc", 2));

    EXPECT_TRUE(mixed("Lu_01"));
    EXPECT_FALSE(mixed("0Lu") || mixed("Lu.1") || mixed("Lu@1"));
    EXPECT_TRUE(appTp("@Pay.Roll$#") && appTp("tp_`x"));
    EXPECT_FALSE(appTp("9TP") || appTp("TP-1") || appTp("TP 1"));
}

TEST(NameClasses, ServiceTpNames) {
    EXPECT_TRUE(isServiceTpName("06AB"));
    EXPECT_TRUE(isServiceTpName("3f"));
    EXPECT_TRUE(isServiceTpName("0e12")); // the refused beginnings are capitals only
    for (const char* bad : {"0E12", "0F", "41", "0G", "012345", "0", "", "01A-"})
        EXPECT_FALSE(isServiceTpName(bad)) << bad;
}

TEST(NameClasses, QualifiedLuNamesFillSeventeenCharacters) {
    EXPECT_TRUE(isQualifiedLuName(padRight("NETA.LU1", 17)));
    EXPECT_TRUE(isQualifiedLuName("NETWORK1.LUNAME01"));
    EXPECT_TRUE(isQualifiedLuName(padRight("NETA.  LU1", 17)));
    for (const char* bad :
         {"NET.A.LU1", "NETALU1", ".NETALU1", "NETALU1.", "NET..LU1", "NE T.LU1", "1NET.LU1",
          "neta.lu1", "NETWORK12.LU1", "NETA.LU1 X", "NETA.LUNAME012", "", "NETA."})
        EXPECT_FALSE(isQualifiedLuName(padRight(bad, 17))) << bad;
    EXPECT_FALSE(isQualifiedLuName("NETA.LU1")); // unpadded, the words do not fill the field
}

TEST(NameClasses, SecurityUserAndHostTexts) {
    EXPECT_TRUE(isCpicSecurityText("Secret 9\"x", 10));
    EXPECT_TRUE(isCpicSecurityText("ABCDEFGHIJ@", 10)); // the eleventh is not looked at
    EXPECT_FALSE(isCpicSecurityText("abc@", 4) || isCpicSecurityText("abc!", 4));

    EXPECT_TRUE(isHostSecurityText("user@host ", 10));
    EXPECT_FALSE(isHostSecurityText("pass!", 5) || isHostSecurityText("pa^s", 4) ||
                 isHostSecurityText("pa~s", 4));

    for (char c : std::string("/[:;=+*?<>|"))
        EXPECT_FALSE(isUserText(std::string("ab") + c, 3)) << c;
    EXPECT_TRUE(isUserText("John Smith-1]", 13));

    EXPECT_TRUE(isHostName("HOSTX #1", 8));
    EXPECT_FALSE(isHostName("hostx", 5) || isHostName("HOST-X", 6));
}

} // namespace
