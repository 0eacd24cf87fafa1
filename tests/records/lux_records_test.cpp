// LUx profiles: the SESSION form and how its pieces are told apart on reading, placement
// of written profiles, and DEF_LUX_PROF following the default flag and the last deletion.
#include "lux_records.h"
#include "record_fixture.h"

// Failure messages show the link as its SESSION value.
void PrintTo(const LuxLink& l, std::ostream* os) {
    *os << luxFormatSession(l);
}

namespace {

class LuxRecords : public RecordTest {
protected:
    static LuxProfileRecord profile(const std::string& name, int isDefault = 0) {
        LuxProfileRecord r;
        r.profileName = name;
        r.isDefault = isDefault;
        for (LuxLink& l : r.links)
            l = LuxLink{"", 1, "", kT1, "", "ENC_OFF"};
        r.links[0] = LuxLink{"HOSTA", 0, "LU01", kT1, "", "ENC_OFF"};
        return r;
    }
    LuxLink parse(const std::string& value, LuxLink start = {}) {
        LuxProfileRecord r;
        r.links[1] = start;
        luxParseSession(r, value, 2);
        return r.links[1];
    }
    std::string defaultName() { return value("DEF_LUX_PROF", 0, "DEF_PROF_NAME"); }
};

TEST_F(LuxRecords, ParsingTellsFieldsApartByPieceCount) {
    const LuxLink none{}, oldLu{"", 0, "old", "", "", ""},
        kept{"", 0, "kept", "", "KEEPSC", "ENC_ON"}, hand{"old", 3, "LUX", kT2, "SC", "ENC_ON"};
    const std::vector<std::tuple<std::string, LuxLink, LuxLink>> cases{
        {"HOSTA,*,0,LU01,TCP/IP,,ENC_OFF", none, {"HOSTA", 0, "LU01", kT1, "", "ENC_OFF"}},
        // Category 1 leaves the LU name alone.
        {"*,*,1,,TCP/IP,SCOPE1,ENC_OPT", oldLu, {"*", 1, "old", kT1, "SCOPE1", "ENC_OPT"}},
        {"SRV,*,3,Lu3,IPX/SPX,SC,ENC_ON", none, {"SRV", 3, "Lu3", kT2, "SC", "ENC_ON"}},
        // Category 1 holding an LU name reads shifted by one piece.
        {"HOSTA,*,1,LU01,TCP/IP,,ENC_OFF", none, {"HOSTA", 1, "", "LU01", kT1, "ENC_OFF"}},
        // Without a server name: category, LU name and transport only.
        {",*,3,LU9,IPX/SPX,,ENC_OFF", kept, {"", 3, "LU9", kT2, "KEEPSC", "ENC_ON"}},
        {",*,1,,TCP/IP,,ENC_OFF", kept, {"", 1, "kept", kT1, "KEEPSC", "ENC_ON"}},
        // Hand-made values without a category read as links without an LU name.
        {",", hand, {"old", 1, "LUX", kT2, "SC", "ENC_ON"}},
        {",,,", hand, {"old", 1, "LUX", kT2, "SC", "ENC_ON"}},
        {",*", hand, {"old", 1, "LUX", kT2, "SC", "ENC_ON"}},
        {"HOSTB,*", hand, {"HOSTB", 1, "LUX", kT2, "SC", "ENC_ON"}},
        {",*,0", hand, {"old", 0, "LUX", kT2, "SC", "ENC_ON"}}};
    for (const auto& [value, start, expected] : cases)
        EXPECT_EQ(parse(value, start), expected) << value;
}

TEST_F(LuxRecords, ParsingUsesTheTransportTextsOfTheLibraryLoadedNow) {
    ASSERT_TRUE(TelaEnvironment::LoadLibraryText("61206\tTCP\n61207\tIPX\n", "other"));
    EXPECT_EQ(parse(",*,0,TCP,,ENC_OFF").transport, "TCP");
    EXPECT_EQ(parse(",*,0,TCP/IP,,ENC_OFF").luName, "TCP/IP");
    LuxProfileRecord fresh;
    ASSERT_EQ(luxReadProfile(store, fresh), 1);
    for (const LuxLink& link : fresh.links)
        EXPECT_EQ(link, (LuxLink{"", 1, "", "TCP", "", ""}));
}

TEST_F(LuxRecords, LinksOutsideTheProfileAndHandMadeProfiles) {
    LuxProfileRecord r;
    luxParseSession(r, "HOSTA,*,0,LU01,TCP/IP,,ENC_OFF", 0);
    luxParseSession(r, "HOSTA,*,0,LU01,TCP/IP,,ENC_OFF", 5);
    EXPECT_EQ(r.links[0].serverName, "");
    EXPECT_EQ(r.links[3].serverName, "");

    // Such a profile reads, and writes back without being refused.
    load("[LUX_PROFILE]|PROFILE_NAME=P|SESSION=HOSTA|SESSION=|SESSION=,,");
    LuxProfileRecord p;
    p.profileName = "P";
    ASSERT_EQ(luxReadProfile(store, p), 1);
    EXPECT_EQ(p.links[0].serverName, "HOSTA");
    ASSERT_EQ(write(luxWriteProfile, p), 1);
    EXPECT_EQ(value("LUX_PROFILE", 0, "SESSION"), "HOSTA,*,1,,,,");
}

TEST_F(LuxRecords, WrittenProfileReadsBackStandsFirstAndReplacesItsNamesakes) {
    load("[LUX_PROFILE]|PROFILE_NAME=A|[TRACE]|[LUX_PROFILE]|PROFILE_NAME=B|"
         "[LUX_PROFILE]|PROFILE_NAME=A");
    auto a = profile("A", 1);
    a.links[1] = LuxLink{"*", 1, "", kT1, "SCOPE1", "ENC_OPT"};
    a.links[2] = LuxLink{"srv-b", 3, "Lu_3", kT2, "", "ENC_ON"};
    ASSERT_EQ(write(luxWriteProfile, a), 1);
    EXPECT_EQ(layout(), "TRACE LUX_PROFILE LUX_PROFILE DEF_LUX_PROF");
    EXPECT_EQ(keys(1),
              "PROFILE_NAME=A|SESSION=HOSTA,*,0,LU01,TCP/IP,,ENC_OFF|"
              "SESSION=*,*,1,,TCP/IP,SCOPE1,ENC_OPT|SESSION=srv-b,*,3,Lu_3,IPX/SPX,,ENC_ON|"
              "SESSION=,*,1,,TCP/IP,,ENC_OFF");
    LuxProfileRecord back;
    back.profileName = "A";
    ASSERT_EQ(luxReadProfile(store, back), 1);
    EXPECT_EQ(back.isDefault, 1);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(back.links[i], a.links[i]) << i;
    // That a new name keeps the old record: CpicRecords, through the same replacing step.
}

// Marking a profile moves the one default: LuxSheet's default box.
TEST_F(LuxRecords, AnUnmarkedProfileLeavesAnothersDefaultAndTakesOffItsOwn) {
    load("[DEF_LUX_PROF]|DEF_PROF_NAME=B");
    ASSERT_EQ(write(luxWriteProfile, profile("A")), 1);
    EXPECT_EQ(defaultName(), "B");
    ASSERT_EQ(write(luxWriteProfile, profile("B")), 1);
    EXPECT_EQ(defaultName(), "<missing>");
}

TEST_F(LuxRecords, ReadingQuirks) {
    load("[LUX_PROFILE]|PROFILE_NAME=NINECHARS|SESSION=H1,*,0,LU1,TCP/IP,,ENC_OFF|"
         "SESSION=H2,*,0,LU2,TCP/IP,,ENC_OFF|[DEF_LUX_PROF]|DEF_PROF_NAME=ninechars");
    EXPECT_EQ(listed(luxListProfiles), (std::vector<std::string>{"NINECHAR"}));
    LuxProfileRecord cut;
    cut.profileName = "NINECHAR";
    cut.links[0].serverName = "stale";
    EXPECT_EQ(luxReadProfile(store, cut), 0);
    EXPECT_EQ(cut.links[0].serverName, ""); // cleared before the search

    LuxProfileRecord r;
    r.profileName = "NINECHARS";
    r.links[2].serverName = "stale";
    r.links[3].transport = "kept";
    r.isDefault = 1;
    ASSERT_EQ(luxReadProfile(store, r), 1);
    EXPECT_EQ(r.profileName, "NINECHARS"); // the reader takes nine where the list takes eight
    EXPECT_EQ(r.links[1].serverName, "H2");
    EXPECT_EQ(r.links[2].serverName, ""); // no third SESSION key
    EXPECT_EQ(r.links[3].transport, "kept");
    EXPECT_EQ(r.isDefault, 0); // the default is named in other letter case
}

TEST_F(LuxRecords, DeletingTheLastProfileRemovesTheDefault) {
    load("[LUX_PROFILE]|PROFILE_NAME=A|[LUX_PROFILE]|PROFILE_NAME=B|[DEF_LUX_PROF]|"
         "DEF_PROF_NAME=A");
    EXPECT_EQ(luxDeleteProfile(store, "NONE"), 1);
    EXPECT_EQ(layout(), "LUX_PROFILE LUX_PROFILE DEF_LUX_PROF");
    EXPECT_EQ(luxDeleteProfile(store, "A"), 1);
    EXPECT_EQ(defaultName(), "A"); // B remains
    EXPECT_EQ(luxDeleteProfile(store, "B"), 1);
    EXPECT_TRUE(store.empty());
}

} // namespace
