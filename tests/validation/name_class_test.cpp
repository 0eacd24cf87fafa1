// The SNA name classes, each against names an administrator would type.
#include "validation.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(PadRight, LengthensWithBlanksAndNeverCuts) {
    EXPECT_EQ(padRight("AB", 5), "AB   ");
    EXPECT_EQ(padRight("", 3), "   ");
    EXPECT_EQ(padRight("ABCDEFGHIJ", 8), "ABCDEFGHIJ");
    EXPECT_EQ(padRight("ABCD", 4), "ABCD");
}

TEST(LuAlias, OneWordOfLettersAndDigitsInTheFirstEightCharacters) {
    EXPECT_TRUE(isLuAlias("LUA1    "));
    EXPECT_TRUE(isLuAlias("lu_alias"));
    EXPECT_TRUE(isLuAlias("  LUA1  ")); // leading blanks are skipped
    EXPECT_TRUE(isLuAlias("[]^`"));     // the six signs lie inside the letter range
    EXPECT_FALSE(isLuAlias("LU A    "));
    EXPECT_FALSE(isLuAlias("        "));
    EXPECT_FALSE(isLuAlias(""));
    EXPECT_FALSE(isLuAlias("LU-A    "));
    EXPECT_FALSE(isLuAlias("LU@A    "));
    // Only eight characters count: a ninth word is not seen.
    EXPECT_TRUE(isLuAlias("ABCDEFGH IJ"));
    EXPECT_TRUE(isLuAlias("ABCDEFG IJ"));
    EXPECT_FALSE(isLuAlias("ABCDEF IJ"));
}

TEST(TypeAName, CapitalsDigitsAndNationalCharactersNotLeadingWithADigit) {
    EXPECT_TRUE(isTypeAName("XLNKMOD", 7));
    EXPECT_TRUE(isTypeAName("#INTER", 6));
    EXPECT_TRUE(isTypeAName("@A$1", 4));
    EXPECT_TRUE(isTypeAName("", 0));
    EXPECT_FALSE(isTypeAName("1ABC", 4));
    EXPECT_FALSE(isTypeAName("ABc", 3));
    EXPECT_FALSE(isTypeAName("AB_C", 4));
    EXPECT_FALSE(isTypeAName("AB C", 4));
    // The length limits what is looked at.
    EXPECT_TRUE(isTypeAName("ABc", 2));
}

TEST(MixedCaseAndApplicationTpNames, CharacterSetsDifferInTheirExtras) {
    EXPECT_TRUE(isMixedCaseName("Lu_01", 5));
    EXPECT_FALSE(isMixedCaseName("0Lu", 3));
    EXPECT_FALSE(isMixedCaseName("Lu.1", 4));
    EXPECT_FALSE(isMixedCaseName("Lu@1", 4));

    EXPECT_TRUE(isAppTpName("@Pay.Roll$#", 11));
    EXPECT_TRUE(isAppTpName("tp_`x", 5));
    EXPECT_FALSE(isAppTpName("9TP", 3));
    EXPECT_FALSE(isAppTpName("TP-1", 4));
    EXPECT_FALSE(isAppTpName("TP 1", 4));
    EXPECT_FALSE(isAppTpName("TP{", 3));
}

TEST(ServiceTpName, FirstTwoCharactersAreAnSnaServiceCode) {
    EXPECT_TRUE(isServiceTpName("06AB"));
    EXPECT_TRUE(isServiceTpName("3f"));
    EXPECT_TRUE(isServiceTpName("21x.@"));
    EXPECT_TRUE(isServiceTpName("0e12")); // the refused beginnings are capitals only
    EXPECT_FALSE(isServiceTpName("0E12"));
    EXPECT_FALSE(isServiceTpName("0F"));
    EXPECT_FALSE(isServiceTpName("41"));
    EXPECT_FALSE(isServiceTpName("0G"));
    EXPECT_FALSE(isServiceTpName("012345"));
    EXPECT_FALSE(isServiceTpName("0"));
    EXPECT_FALSE(isServiceTpName(""));
    EXPECT_FALSE(isServiceTpName("01A-"));
    EXPECT_FALSE(isServiceTpName("01A B"));
}

TEST(QualifiedLuName, NetworkDotLuNameInSeventeenCharacters) {
    EXPECT_TRUE(isQualifiedLuName(padRight("NETA.LU1", 17)));
    EXPECT_TRUE(isQualifiedLuName("NETWORK1.LUNAME01"));
    EXPECT_TRUE(isQualifiedLuName(padRight("@NET.#LU", 17)));
    EXPECT_FALSE(isQualifiedLuName(padRight("NET.A.LU1", 17)));
    EXPECT_FALSE(isQualifiedLuName(padRight("NETALU1", 17)));
    EXPECT_FALSE(isQualifiedLuName(padRight(".NETALU1", 17)));
    EXPECT_FALSE(isQualifiedLuName(padRight("NETALU1.", 17)));
    EXPECT_FALSE(isQualifiedLuName(padRight("NET..LU1", 17)));
    EXPECT_FALSE(isQualifiedLuName(padRight("NE T.LU1", 17)));
    EXPECT_FALSE(isQualifiedLuName(padRight("1NET.LU1", 17)));
    EXPECT_FALSE(isQualifiedLuName(padRight("neta.lu1", 17)));
    EXPECT_FALSE(isQualifiedLuName(padRight("NETWORK12.LU1", 17)));
    EXPECT_FALSE(isQualifiedLuName(padRight("NETA.LU1 X", 17)));
    EXPECT_FALSE(isQualifiedLuName(padRight("NETA.LUNAME012", 17)));
    // Unpadded, the words do not fill the field.
    EXPECT_FALSE(isQualifiedLuName("NETA.LU1"));
    // Blanks before the LU name are skipped; an all-blank LU name is none.
    EXPECT_TRUE(isQualifiedLuName(padRight("NETA.  LU1", 17)));
    EXPECT_FALSE(isQualifiedLuName(padRight("NETA.", 17) + "X"));
    EXPECT_FALSE(isQualifiedLuName(padRight("", 17)));
}

TEST(SecurityTexts, ConversationAndHostSecurityRefuseDifferentSigns) {
    EXPECT_TRUE(isCpicSecurityText("Secret 9\"x", 10));
    EXPECT_FALSE(isCpicSecurityText("abc@def", 7));
    EXPECT_FALSE(isCpicSecurityText("abc!def", 7)); // "!" lies below "%"
    EXPECT_FALSE(isCpicSecurityText("abc{", 4));
    // Only the first ten characters count.
    EXPECT_TRUE(isCpicSecurityText("ABCDEFGHIJ@", 10));

    EXPECT_TRUE(isHostSecurityText("user@host ", 10));
    EXPECT_TRUE(isHostSecurityText("a\"#%&'()*+", 10));
    EXPECT_FALSE(isHostSecurityText("pass!", 5));
    EXPECT_FALSE(isHostSecurityText("pa^ss", 5));
    EXPECT_FALSE(isHostSecurityText("pa\tss", 5));
    EXPECT_FALSE(isHostSecurityText("pa~ss", 5));
}

TEST(UserTextAndHostName, RefusedSignsAndHostCharacters) {
    EXPECT_TRUE(isUserText("John Smith-1", 12));
    EXPECT_TRUE(isUserText("", 0));
    for (char c : std::string("/[:;=+*?<>|")) {
        std::string name = std::string("ab") + c;
        EXPECT_FALSE(isUserText(name, name.size())) << name;
    }
    EXPECT_TRUE(isUserText("a]b", 3)); // only the left bracket is refused

    EXPECT_TRUE(isHostName("AS400 #1", 8));
    EXPECT_FALSE(isHostName("as400", 5));
    EXPECT_FALSE(isHostName("AS-400", 6));
}

} // namespace
