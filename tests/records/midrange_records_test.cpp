// Midrange systems and their common settings: the default mark read from one character,
// the last marked system winning, and the write that keeps a system's mark.
#include "midrange_records.h"
#include "record_fixture.h"

using namespace testing_support;

namespace {

class MidrangeRecords : public RecordTest {
protected:
    int writeSystem(const std::string& host, const std::string& user = "clerk",
                    const std::string& password = "pw") {
        flag = code = 0;
        return midrangeWriteSystem(store, host, user, password, password, "ignored", flag, code);
    }
    int writeCommon(const std::string& lu, const std::string& mode, const std::string& user = "",
                    const std::string& password = "") {
        flag = code = 0;
        return midrangeWriteCommon(store, lu, mode, user, password, "", flag, code);
    }
    std::pair<std::vector<std::string>, std::string> list() {
        std::vector<std::string> names;
        std::string def;
        EXPECT_EQ(midrangeListSystems(store, names, def), 1);
        return {names, def};
    }
    int countMarked() {
        int marked = 0;
        for (const auto& [name, keys] : snapshot(store))
            for (const auto& [k, v] : keys)
                marked += name == "NODEX_SYSTEM" && k == "DEFAULT" && v == "1";
        return marked;
    }
    int flag = 0, code = 0;
};

TEST_F(MidrangeRecords, EmptyStoreHasNoSystemsAndTheStandardMode) {
    auto [names, def] = list();
    EXPECT_TRUE(names.empty());
    EXPECT_EQ(def, "");
    std::vector<std::string> option;
    EXPECT_EQ(midrangeListOption(store, option), 1);
    EXPECT_TRUE(option.empty());
    MidrangeCommonRecord common;
    EXPECT_EQ(midrangeReadCommon(store, common), 1);
    EXPECT_EQ(common.mode, "XLNKMOD");
    EXPECT_EQ(common.userId, "");
    EXPECT_EQ(common.localLu, "");
}

TEST_F(MidrangeRecords, DefaultMarkIsTheFirstCharacterAndTheLastMarkWins) {
    fill(store, {{"NODEX_SYSTEM", {{"HOST_NAME", "SYS1"}, {"DEFAULT", "10"}}},
                 {"NODEX_SYSTEM", {{"HOST_NAME", "SYS2"}, {"DEFAULT", " 1"}}},
                 {"NODEX_SYSTEM", {{"HOST_NAME", "SYS3LONGX"}, {"DEFAULT", "1"}}},
                 {"NODEX_SYSTEM", {{"HOST_NAME", "SYS4"}, {"DEFAULT", ""}}}});
    auto [names, def] = list();
    EXPECT_EQ(names, (std::vector<std::string>{"SYS1", "SYS2", "SYS3LONG", "SYS4"}));
    EXPECT_EQ(def, "SYS3LONG");
    std::vector<std::string> option;
    midrangeListOption(store, option);
    EXPECT_EQ(option, (std::vector<std::string>{"Midrange systems"}));

    cfgClear(store);
    fill(store, {{"NODEX_SYSTEM", {{"HOST_NAME", "A"}}},
                 {"NODEX_SYSTEM", {{"USER_NAME", "x"}}},
                 {"NODEX_SYSTEM", {{"HOST_NAME", "C"}}}});
    std::vector<std::string> partial;
    std::string none;
    EXPECT_EQ(midrangeListSystems(store, partial, none), 0);
    EXPECT_EQ(partial, (std::vector<std::string>{"A"}));
}

TEST_F(MidrangeRecords, WrittenSystemStandsFirstKeepsItsMarkAndScramblesThePassword) {
    fill(store, {{"NODEX_SYSTEM", {{"HOST_NAME", "OTHER"}, {"DEFAULT", "0"}}},
                 {"NODEX_SYSTEM", {{"HOST_NAME", "AS400"}, {"DEFAULT", "1"}, {"USER_NAME", "old"}}},
                 {"TRACE", {}}});
    ASSERT_EQ(writeSystem("AS400", "clerk", "Pass!0wrd9"), 0); // "!" is refused
    EXPECT_EQ(code, 60);
    ASSERT_EQ(writeSystem("AS400", "clerk", "Pass_0wrd9"), 1);
    EXPECT_EQ(order(store), (std::vector<std::string>{"NODEX_SYSTEM", "NODEX_SYSTEM", "TRACE"}));
    EXPECT_EQ(snapshot(store)[0].second, (Keys{{"HOST_NAME", "AS400"},
                                               {"USER_NAME", "clerk"},
                                               {"PASSWORD", scrambledHex("Pass_0wrd9")},
                                               {"DEFAULT", "1"}}));
    MidrangeSystemRecord r;
    r.hostName = "AS400";
    r.passwordVerify = "kept";
    ASSERT_EQ(midrangeReadSystem(store, r), 1);
    EXPECT_EQ(r.password, "Pass_0wrd9");
    EXPECT_EQ(r.defaultFlag, "1");
    EXPECT_EQ(r.passwordVerify, "kept");

    ASSERT_EQ(writeSystem("NEW", "", ""), 1);
    EXPECT_EQ(value("NODEX_SYSTEM", 0, "HOST_NAME"), "NEW");
    EXPECT_EQ(value("NODEX_SYSTEM", 0, "PASSWORD"), "");
    EXPECT_EQ(value("NODEX_SYSTEM", 0, "DEFAULT"), "0");
}

TEST_F(MidrangeRecords, ReadingCutsAndTakesAnUnscramblablePasswordAsStored) {
    fill(store,
         {{"NODEX_SYSTEM",
           {{"HOST_NAME", "AS400"}, {"USER_NAME", "averylonguser"}, {"PASSWORD", "plainpass"}}}});
    MidrangeSystemRecord r;
    r.hostName = "AS400";
    r.defaultFlag = "kept";
    ASSERT_EQ(midrangeReadSystem(store, r), 1);
    EXPECT_EQ(r.userId, "averylongu");
    EXPECT_EQ(r.password, "plainpass");
    EXPECT_EQ(r.defaultFlag, "kept");

    MidrangeSystemRecord unknown;
    unknown.hostName = "as400";
    EXPECT_EQ(midrangeReadSystem(store, unknown), 0);
    MidrangeSystemRecord fresh;
    EXPECT_EQ(midrangeReadSystem(store, fresh), 1);
}

TEST_F(MidrangeRecords, SetDefaultLeavesExactlyOneMark) {
    ASSERT_EQ(writeSystem("SYS1"), 1);
    ASSERT_EQ(writeSystem("SYS2"), 1);
    EXPECT_EQ(midrangeSetDefault(store, "SYS1"), 1);
    EXPECT_EQ(list().second, "SYS1");
    EXPECT_EQ(midrangeSetDefault(store, "SYS2"), 1);
    EXPECT_EQ(list().second, "SYS2");
    EXPECT_EQ(countMarked(), 1);
    EXPECT_EQ(midrangeSetDefault(store, "SYS2"), 1);
    EXPECT_EQ(countMarked(), 1);
    EXPECT_EQ(list().second, "SYS2");
    // The mark moves to the end of its section.
    EXPECT_EQ(snapshot(store)[0].second.back(),
              (std::pair<std::string, std::string>{"DEFAULT", "1"}));

    Sections before = snapshot(store);
    EXPECT_EQ(midrangeMarkDefault(store, "NONE", "1"), 1);
    EXPECT_EQ(snapshot(store), before);

    EXPECT_EQ(midrangeDeleteSystem(store, "SYS2"), 1);
    EXPECT_EQ(list().second, "");
    EXPECT_EQ(midrangeDeleteSystem(store, "SYS2"), 1);

    // A hand-made section with two marks: the first is replaced, the new one goes last.
    cfgClear(store);
    fill(store,
         {{"NODEX_SYSTEM", {{"HOST_NAME", "S"}, {"DEFAULT", "0"}, {"DEFAULT", "1"}, {"X", "y"}}}});
    EXPECT_EQ(midrangeMarkDefault(store, "S", "1"), 1);
    EXPECT_EQ(snapshot(store)[0].second,
              (Keys{{"HOST_NAME", "S"}, {"DEFAULT", "1"}, {"X", "y"}, {"DEFAULT", "1"}}));
}

TEST_F(MidrangeRecords, CommonSettingsAreOneSectionChecksAndDeleteAll) {
    fill(store, {{"NODEX_COMMON", {{"USER_NAME", "u"}}}});
    MidrangeCommonRecord c;
    c.mode = "kept";
    ASSERT_EQ(midrangeReadCommon(store, c), 1);
    EXPECT_EQ(c.mode, "kept"); // a present section without MODE gets no standard mode

    Sections before = snapshot(store);
    EXPECT_EQ(writeCommon("LOCALLU", "1MODE"), 0);
    EXPECT_EQ(code, 56);
    EXPECT_EQ(writeCommon("LOCALLU", "XLNKMOD", "us]er"), 0);
    EXPECT_EQ(code, 58);
    EXPECT_EQ(flag, 256);
    EXPECT_EQ(snapshot(store), before);

    fill(store, {{"TRACE", {}}});
    ASSERT_EQ(writeCommon("LOCALLU", "XLNKMOD", "clerk", "secret"), 1);
    ASSERT_EQ(writeCommon("LOCALLU2", "#INTER", "clerk", "secret"), 1);
    EXPECT_EQ(order(store), (std::vector<std::string>{"TRACE", "NODEX_COMMON"}));
    EXPECT_EQ(snapshot(store)[1].second, (Keys{{"USER_NAME", "clerk"},
                                               {"PASSWORD", scrambledHex("secret")},
                                               {"LOCAL_LU", "LOCALLU2"},
                                               {"MODE", "#INTER"}}));
    MidrangeCommonRecord back;
    ASSERT_EQ(midrangeReadCommon(store, back), 1);
    EXPECT_EQ(back.password, "secret");
    EXPECT_EQ(back.localLu, "LOCALLU2");

    ASSERT_EQ(writeSystem("SYS1"), 1);
    ASSERT_EQ(writeSystem("SYS2"), 1);
    EXPECT_EQ(midrangeDeleteAll(store), 1);
    EXPECT_EQ(order(store), (std::vector<std::string>{"TRACE"}));
    EXPECT_EQ(midrangeDeleteAll(store), 1);
}

} // namespace
