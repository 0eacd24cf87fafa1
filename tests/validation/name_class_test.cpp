// The SNA name classes, each against names an administrator would type.
#include "validation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace {

TEST(PadRight, LengthensWithBlanksAndNeverCuts) {
    EXPECT_EQ(padRight("AB", 5), "AB   ");
    EXPECT_EQ(padRight("ABCDEFGHIJ", 8), "ABCDEFGHIJ");
}

// A class's check on a name, looking at as many characters as the name has, or at most n.
std::function<bool(const std::string&)> upTo(bool (*check)(std::string_view, std::size_t),
                                             std::size_t n = 1000) {
    return [check, n](const std::string& s) { return check(s, std::min(s.size(), n)); };
}

struct NameClass {
    const char* what;
    std::function<bool(const std::string&)> check;
    std::vector<std::string> taken, refused;
};

TEST(NameClasses, EachTakesItsNamesAndRefusesOthers) {
    const NameClass classes[] = {
        // Leading blanks skipped, the signs are letters here, eight characters looked at.
        {"LU alias",
         isLuAlias,
         {"LUA1    ", "  lu_[1]", "ABCDEFG IJ"},
         {"ABCDEF IJ", "        ", "LU@A    "}},
        {"type A", upTo(isTypeAName), {"XLNKMOD", "#INTER", "@A$1", ""}, {"1ABC", "ABc", "AB_C"}},
        {"type A, two characters looked at", upTo(isTypeAName, 2), {"ABc"}, {}},
        {"mixed case", upTo(isMixedCaseName), {"Lu_01"}, {"0Lu", "Lu.1", "Lu@1"}},
        {"application TP", upTo(isAppTpName), {"@Pay.Roll$#", "tp_`x"}, {"9TP", "TP-1", "TP 1"}},
        // The refused beginnings are capitals only.
        {"service TP",
         isServiceTpName,
         {"06AB", "3f", "0e12"},
         {"0E12", "0F", "41", "0G", "012345", "0", "", "01A-"}},
        // Padded to seventeen characters; unpadded, the words do not fill the field.
        {"qualified LU",
         [](const std::string& s) { return isQualifiedLuName(padRight(s, 17)); },
         {"NETA.LU1", "NETWORK1.LUNAME01", "NETA.  LU1"},
         {"NET.A.LU1", "NETALU1", ".NETALU1", "NETALU1.", "NET..LU1", "NE T.LU1", "1NET.LU1",
          "neta.lu1", "NETWORK12.LU1", "NETA.LU1 X", "NETA.LUNAME012", "", "NETA."}},
        {"qualified LU, unpadded", isQualifiedLuName, {}, {"NETA.LU1"}},
        // The eleventh character is not looked at.
        {"CPI-C security",
         upTo(isCpicSecurityText, 10),
         {"Secret 9\"x", "ABCDEFGHIJ@"},
         {"abc@", "abc!"}},
        {"host security", upTo(isHostSecurityText), {"user@host "}, {"pass!", "pa^s", "pa~s"}},
        {"user",
         upTo(isUserText),
         {"John Smith-1]"},
         {"ab/", "ab[", "ab:", "ab;", "ab=", "ab+", "ab*", "ab?", "ab<", "ab>", "ab|"}},
        {"host", upTo(isHostName), {"HOSTX #1"}, {"hostx", "HOST-X"}},
    };
    for (const NameClass& c : classes) {
        for (const std::string& name : c.taken)
            EXPECT_TRUE(c.check(name)) << c.what << ": \"" << name << '"';
        for (const std::string& name : c.refused)
            EXPECT_FALSE(c.check(name)) << c.what << ": \"" << name << '"';
    }
}

} // namespace
