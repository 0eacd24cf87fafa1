// LUx profiles: the SESSION form and how its pieces are told apart on reading, placement
// of written profiles, and DEF_LUX_PROF following the default flag and the last deletion.
#include "lux_records.h"
#include "record_fixture.h"

using namespace testing_support;

namespace {

class LuxRecords : public RecordTest {
protected:
    static LuxProfileRecord profile(const std::string& name) {
        LuxProfileRecord r;
        r.profileName = name;
        for (LuxLink& l : r.links) {
            l.category = 1;
            l.transport = kT1;
            l.encryption = "ENC_OFF";
        }
        r.links[0].serverName = "HOSTA";
        r.links[0].category = 0;
        r.links[0].luName = "LU01";
        return r;
    }
    int write(const LuxProfileRecord& r) {
        flag = code = 0;
        return luxWriteProfile(store, r, flag, code);
    }
    LuxLink parse(const std::string& value, LuxLink start = {}) {
        LuxProfileRecord r;
        r.links[1] = start;
        luxParseSession(r, value, 2);
        return r.links[1];
    }
    std::vector<std::string> names() {
        std::vector<std::string> list;
        luxListProfiles(store, list);
        return list;
    }
    int flag = 0, code = 0;
};

TEST_F(LuxRecords, SessionFormJoinsSevenFields) {
    LuxLink server{"HOSTA", 0, "LU01", kT1, "", "ENC_OFF"};
    EXPECT_EQ(luxFormatSession(server), "HOSTA,*,0,LU01,TCP/IP,,ENC_OFF");
    LuxLink scope{"*", 1, "", kT1, "SCOPE1", "ENC_OPT"};
    EXPECT_EQ(luxFormatSession(scope), "*,*,1,,TCP/IP,SCOPE1,ENC_OPT");
    LuxLink unused{"", 1, "", kT1, "", "ENC_OFF"};
    EXPECT_EQ(luxFormatSession(unused), ",*,1,,TCP/IP,,ENC_OFF");
    LuxLink negative{"H", -3, "L", kT2, "", "ENC_ON"};
    EXPECT_EQ(luxFormatSession(negative), "H,*,-3,L,IPX/SPX,,ENC_ON");
}

TEST_F(LuxRecords, ParsingTellsFieldsApartByPieceCount) {
    LuxLink l = parse("HOSTA,*,0,LU01,TCP/IP,,ENC_OFF");
    EXPECT_EQ(l.serverName, "HOSTA");
    EXPECT_EQ(l.category, 0);
    EXPECT_EQ(l.luName, "LU01");
    EXPECT_EQ(l.transport, kT1);
    EXPECT_EQ(l.scopeName, "");
    EXPECT_EQ(l.encryption, "ENC_OFF");

    l = parse("*,*,1,,TCP/IP,SCOPE1,ENC_OPT", LuxLink{"", 0, "old", "", "", ""});
    EXPECT_EQ(l.serverName, "*");
    EXPECT_EQ(l.category, 1);
    EXPECT_EQ(l.luName, "old"); // category 1 does not touch the LU name
    EXPECT_EQ(l.transport, kT1);
    EXPECT_EQ(l.scopeName, "SCOPE1");
    EXPECT_EQ(l.encryption, "ENC_OPT");

    l = parse("SCOPEHOST,*,3,Lu3,IPX/SPX,SC,ENC_ON");
    EXPECT_EQ(l.luName, "Lu3");
    EXPECT_EQ(l.transport, kT2);
    EXPECT_EQ(l.scopeName, "SC");
    EXPECT_EQ(l.encryption, "ENC_ON");

    // Category 1 with an LU name reads shifted by one piece.
    l = parse("HOSTA,*,1,LU01,TCP/IP,,ENC_OFF");
    EXPECT_EQ(l.luName, "");
    EXPECT_EQ(l.transport, "LU01");
    EXPECT_EQ(l.scopeName, kT1);
    EXPECT_EQ(l.encryption, "ENC_OFF");

    // Category 0 without an LU name: the transport takes the LU name's place.
    l = parse("HOSTA,*,0,,TCP/IP,,ENC_OFF");
    EXPECT_EQ(l.luName, kT1);
    EXPECT_EQ(l.transport, "ENC_OFF");
    EXPECT_EQ(l.encryption, "");
}

TEST_F(LuxRecords, ParsingWithoutServerReadsNeitherScopeNorEncryption) {
    LuxLink start{"", 0, "", "", "KEEPSC", "ENC_ON"};
    LuxLink l = parse(",*,3,LU9,IPX/SPX,,ENC_OFF", start);
    EXPECT_EQ(l.category, 3);
    EXPECT_EQ(l.luName, "LU9");
    EXPECT_EQ(l.transport, kT2);
    EXPECT_EQ(l.scopeName, "KEEPSC");
    EXPECT_EQ(l.encryption, "ENC_ON");

    start.luName = "kept";
    l = parse(",*,1,,TCP/IP,,ENC_OFF", start);
    EXPECT_EQ(l.category, 1);
    EXPECT_EQ(l.luName, "kept");
    EXPECT_EQ(l.transport, kT1);
}

TEST_F(LuxRecords, ParsingUsesTheTransportTextsOfTheLastOpen) {
    // A library loaded without an open does not change how values are read.
    ASSERT_TRUE(TelaEnvironment::LoadLibraryText("61206\tTCP\n61207\tIPX\n", "other"));
    LuxLink l = parse(",*,0,TCP/IP,,ENC_OFF");
    EXPECT_EQ(l.transport, kT1);
    EXPECT_EQ(l.luName, "");
    l = parse(",*,0,TCP,,ENC_OFF");
    EXPECT_EQ(l.luName, "TCP");

    LuxProfileRecord fresh;
    ASSERT_EQ(luxReadProfile(store, fresh), 1);
    for (const LuxLink& link : fresh.links) {
        EXPECT_EQ(link.category, 1);
        EXPECT_EQ(link.transport, kT1);
    }
}

TEST_F(LuxRecords, HandMadeValuesWithoutCategoryKeepTheLink) {
    LuxLink start{"old", 3, "LUX", kT2, "SC", "ENC_ON"};
    for (const char* v : {"", ",", ",,,", ",*", "HOSTB", "HOSTB,*"}) {
        LuxLink l = parse(v, start);
        EXPECT_EQ(l.category, 3) << v;
        EXPECT_EQ(l.luName, "LUX") << v;
        EXPECT_EQ(l.transport, kT2) << v;
        EXPECT_EQ(l.encryption, "ENC_ON") << v;
    }
    EXPECT_EQ(parse("HOSTB,*", start).serverName, "HOSTB");
    // Without the piece after the category, LU name and transport stay.
    LuxLink l = parse(",*,0", start);
    EXPECT_EQ(l.category, 0);
    EXPECT_EQ(l.transport, kT2);
    EXPECT_EQ(l.luName, "LUX");
    // Link numbers outside 1 to 4 change nothing.
    LuxProfileRecord r;
    luxParseSession(r, "HOSTA,*,0,LU01,TCP/IP,,ENC_OFF", 0);
    luxParseSession(r, "HOSTA,*,0,LU01,TCP/IP,,ENC_OFF", 5);
    for (const LuxLink& link : r.links)
        EXPECT_EQ(link.serverName, "");
}

TEST_F(LuxRecords, WrittenProfileReadsBackAndStandsFirst) {
    fill(store, {{"LUX_PROFILE", {{"PROFILE_NAME", "OTHER"}}}, {"TRACE", {}}});
    auto r = profile("PROF1");
    r.links[1] = LuxLink{"*", 1, "", kT1, "SCOPE1", "ENC_OPT"};
    r.links[2] = LuxLink{"srv-b", 3, "Lu_3", kT2, "", "ENC_ON"};
    r.isDefault = 1;
    ASSERT_EQ(write(r), 1);
    EXPECT_EQ(order(store),
              (std::vector<std::string>{"LUX_PROFILE", "LUX_PROFILE", "TRACE", "DEF_LUX_PROF"}));
    EXPECT_EQ(snapshot(store)[0].second, (Keys{{"PROFILE_NAME", "PROF1"},
                                               {"SESSION", "HOSTA,*,0,LU01,TCP/IP,,ENC_OFF"},
                                               {"SESSION", "*,*,1,,TCP/IP,SCOPE1,ENC_OPT"},
                                               {"SESSION", "srv-b,*,3,Lu_3,IPX/SPX,,ENC_ON"},
                                               {"SESSION", ",*,1,,TCP/IP,,ENC_OFF"}}));

    LuxProfileRecord back;
    back.profileName = "PROF1";
    ASSERT_EQ(luxReadProfile(store, back), 1);
    EXPECT_EQ(back.isDefault, 1);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(back.links[i].serverName, r.links[i].serverName);
        EXPECT_EQ(back.links[i].category, r.links[i].category);
        EXPECT_EQ(back.links[i].luName, r.links[i].luName);
        EXPECT_EQ(back.links[i].transport, r.links[i].transport);
        EXPECT_EQ(back.links[i].scopeName, r.links[i].scopeName);
        EXPECT_EQ(back.links[i].encryption, r.links[i].encryption);
    }
}

TEST_F(LuxRecords, RewritingReplacesEverySameNamedProfileAndReversesOrder) {
    fill(store, {{"LUX_PROFILE", {{"PROFILE_NAME", "A"}}},
                 {"LUX_PROFILE", {{"PROFILE_NAME", "B"}}},
                 {"LUX_PROFILE", {{"PROFILE_NAME", "A"}}}});
    ASSERT_EQ(write(profile("A")), 1);
    EXPECT_EQ(names(), (std::vector<std::string>{"A", "B"}));
    ASSERT_EQ(write(profile("B")), 1);
    EXPECT_EQ(names(), (std::vector<std::string>{"B", "A"}));
    ASSERT_EQ(write(profile("C")), 1); // a renamed profile keeps the old one
    EXPECT_EQ(names(), (std::vector<std::string>{"C", "B", "A"}));
}

TEST_F(LuxRecords, DefaultFlagMovesDefLuxProf) {
    fill(store, {{"DEF_LUX_PROF", {{"DEF_PROF_NAME", "OLD"}}}});
    auto a = profile("A");
    a.isDefault = 0;
    ASSERT_EQ(write(a), 1);
    EXPECT_EQ(value("DEF_LUX_PROF", 0, "DEF_PROF_NAME"), "OLD"); // names another profile

    a.isDefault = 1;
    ASSERT_EQ(write(a), 1);
    EXPECT_EQ(value("DEF_LUX_PROF", 0, "DEF_PROF_NAME"), "A");
    auto b = profile("B");
    b.isDefault = 1;
    ASSERT_EQ(write(b), 1);
    EXPECT_EQ(value("DEF_LUX_PROF", 0, "DEF_PROF_NAME"), "B");
    EXPECT_EQ(value("DEF_LUX_PROF", 1, "DEF_PROF_NAME"), "<missing>");

    a.isDefault = 0; // A is not the default: B stays marked
    ASSERT_EQ(write(a), 1);
    EXPECT_EQ(value("DEF_LUX_PROF", 0, "DEF_PROF_NAME"), "B");
    b.isDefault = 0;
    ASSERT_EQ(write(b), 1);
    int occ = -1;
    EXPECT_EQ(cfgNextSection(store, occ, "DEF_LUX_PROF"), 1);
}

TEST_F(LuxRecords, RefusedProfilesLeaveTheStore) {
    fill(store, {{"LUX_PROFILE", {{"PROFILE_NAME", "A"}}}});
    Sections before = snapshot(store);
    auto r = profile("a");
    EXPECT_EQ(write(r), 0);
    EXPECT_EQ(flag, 256);
    EXPECT_EQ(code, 48);
    r = profile("A");
    r.links[2].category = 3; // an LU category that needs a name
    EXPECT_EQ(write(r), 0);
    EXPECT_EQ(code, 16);
    // The check passes, but a profile must name a server in its first link.
    r = profile("A");
    r.links[0].serverName = "";
    EXPECT_EQ(write(r), 0);
    EXPECT_EQ(flag, 0);
    EXPECT_EQ(code, 68);
    EXPECT_EQ(snapshot(store), before);
}

TEST_F(LuxRecords, ReadingQuirks) {
    fill(store, {{"LUX_PROFILE",
                  {{"PROFILE_NAME", "NINECHARS"},
                   {"SESSION", "H1,*,0,LU1,TCP/IP,,ENC_OFF"},
                   {"SESSION", "H2,*,0,LU2,TCP/IP,,ENC_OFF"}}},
                 {"DEF_LUX_PROF", {{"DEF_PROF_NAME", "ninechars"}}}});
    EXPECT_EQ(names(), (std::vector<std::string>{"NINECHAR"}));
    LuxProfileRecord cut;
    cut.profileName = "NINECHAR";
    cut.links[0].serverName = "stale";
    EXPECT_EQ(luxReadProfile(store, cut), 0);
    EXPECT_EQ(cut.links[0].serverName, ""); // cleared before the search

    LuxProfileRecord r;
    r.profileName = "NINECHARS";
    r.links[2].serverName = "stale";
    r.links[3].luName = "stale";
    r.links[3].transport = "kept";
    r.isDefault = 1;
    ASSERT_EQ(luxReadProfile(store, r), 1);
    EXPECT_EQ(r.links[1].serverName, "H2");
    EXPECT_EQ(r.links[2].serverName, "");
    EXPECT_EQ(r.links[3].luName, "");
    EXPECT_EQ(r.links[3].transport, "kept");
    EXPECT_EQ(r.isDefault, 0); // the default is named in other letter case
}

TEST_F(LuxRecords, DeletingTheLastProfileRemovesTheDefault) {
    fill(store, {{"LUX_PROFILE", {{"PROFILE_NAME", "A"}}},
                 {"LUX_PROFILE", {{"PROFILE_NAME", "B"}}},
                 {"DEF_LUX_PROF", {{"DEF_PROF_NAME", "A"}}}});
    Sections before = snapshot(store);
    EXPECT_EQ(luxDeleteProfile(store, "NONE"), 1);
    EXPECT_EQ(snapshot(store), before);
    EXPECT_EQ(luxDeleteProfile(store, "A"), 1);
    EXPECT_EQ(value("DEF_LUX_PROF", 0, "DEF_PROF_NAME"), "A"); // B remains
    EXPECT_EQ(luxDeleteProfile(store, "B"), 1);
    EXPECT_TRUE(store.empty());
}

} // namespace
