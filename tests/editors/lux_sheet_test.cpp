// The LUx profile sheet as a user meets it: a new profile with links of each kind stored
// and shown again, a link without a transport refused, an existing profile shown and made the
// default; and the layout at two font sizes (with APICFG_SCREENSHOT_DIR set, pictures for
// docs/screenshots).
#include "cfg_doc.h"
#include "lux_records.h"
#include "lux_sheet.h"
#include "sheet_test_support.h"
#include "string_ids.h"
#include "tela_combo_box.h"
#include "tela_edit.h"
#include "test_helpers.h"

#include <QCheckBox>

using testing_support::Keys;
using testing_support::snapshot;

namespace {

using Page = CPgLux1Bas;

// What one link row shows, or is given.
struct Link {
    std::string server;
    int transport = -1;
    int encryption = 0;
    int category = 1;
    std::string name;
    bool operator==(const Link&) const = default;
};
using Links = std::array<Link, 4>;

void PrintTo(const Link& l, std::ostream* os) {
    *os << "{" << l.server << ", " << l.transport << ", " << l.encryption << ", " << l.category
        << ", " << l.name << "}";
}

class LuxSheet : public SheetTest {
protected:
    CCfgDoc doc;
    CPsLux* open = nullptr; // the sheet the controls are taken from

    template <typename W = TelaEdit> W& control(int id) {
        return *open->linksPage().controlAs<W>(id);
    }
    TelaComboBox& list(int id) { return control<TelaComboBox>(id); }
    Links shownLinks() {
        Links links;
        for (std::size_t r = 0; r < links.size(); ++r) {
            const auto& ids = Page::kRows[r];
            links[r] = {control(ids.server).text().toStdString(),
                        list(ids.transport).currentIndex(), list(ids.encryption).currentIndex(),
                        list(ids.category).currentIndex(), control(ids.name).text().toStdString()};
        }
        return links;
    }
    std::array<bool, 4> namesEnabled() {
        std::array<bool, 4> on{};
        for (std::size_t r = 0; r < on.size(); ++r)
            on[r] = control(Page::kRows[r].name).isEnabled();
        return on;
    }
    // Fills the rows as a user does: the category first, so that its name field takes input.
    void fillLinks(const Links& links) {
        for (std::size_t r = 0; r < links.size(); ++r) {
            const auto& ids = Page::kRows[r];
            QTest::keyClicks(&control(ids.server), QString::fromStdString(links[r].server));
            list(ids.transport).setCurrentIndex(links[r].transport);
            list(ids.encryption).setCurrentIndex(links[r].encryption);
            list(ids.category).setCurrentIndex(links[r].category);
            QTest::keyClicks(&control(ids.name), QString::fromStdString(links[r].name));
        }
    }
    int run(const std::string& profile, const std::function<void(QDialog&)>& act) {
        CPsLux sheet(text(ids::kTitleLux));
        open = &sheet;
        return whileOpen(act, [&] { return sheet.Run(doc, profile); });
    }
    void load(const std::string& sections) { loadSections(doc.store(), sections); }
    std::vector<Keys> sections(const std::string& name) const {
        return sectionsNamed(doc.store(), name);
    }
    static Keys profile(const std::string& name, const std::array<std::string, 4>& sessions) {
        Keys keys{{"PROFILE_NAME", name}};
        for (const std::string& session : sessions)
            keys.emplace_back("SESSION", session);
        return keys;
    }
    std::string t1() const { return text(ids::kTransportFirst); }
    std::string t2() const { return text(ids::kTransportSecond); }
    std::string unused() const { return ",*,1,," + t1() + ",,ENC_OFF"; }
};

// An unused link's record and a server's LU name kept as stored: the stored profile's test.
TEST_F(LuxSheet, ANewProfileStoresLinksOfEachKindAsTheirRecordAndShowsThemAgainAsTyped) {
    const int result = run("", [&](QDialog&) {
        EXPECT_EQ(shownLinks(), Links{});
        EXPECT_EQ(namesEnabled(), (std::array<bool, 4>{}));
        EXPECT_FALSE(control<QCheckBox>(Page::kDefault).isChecked());
        EXPECT_EQ(list(Page::kRows[0].transport).itemText(2).toStdString(),
                  text(ids::kLuxScope)); // the list's own texts, not the stored ones
        QTest::keyClicks(&control(Page::kSessionName), "mixed");
        // Link 1 a scope left without a name: that is enough for the first link.
        fillLinks({Link{"", 2, 1, 1, ""},
                   {"hosta", 0, 2, 0, "LU2"},
                   {"nw-b", 1, 0, 2, "pool1"},
                   {"Branch1", 2, 1, 0, "lu4"}});
        list(Page::kRows[1].category).setCurrentIndex(1); // drops the name typed before
        EXPECT_EQ(namesEnabled(), (std::array<bool, 4>{false, false, true, true}));
        open->accept();
    });
    EXPECT_EQ(result, 1);
    EXPECT_TRUE(messages.empty());
    const std::string T1 = t1(), T2 = t2();
    EXPECT_EQ(sections("LUX_PROFILE"),
              (std::vector<Keys>{
                  profile("MIXED", {"*,*,1,," + T1 + ",*,ENC_ON", "hosta,*,1,," + T1 + ",,ENC_OPT",
                                    "NW-B,*,3,POOL1," + T2 + ",,ENC_OFF",
                                    "*,*,0,LU4," + T1 + ",Branch1,ENC_ON"})}));
    EXPECT_TRUE(sections("DEF_LUX_PROF").empty());
    run("MIXED", [&](QDialog&) {
        EXPECT_EQ(shownLinks(), (Links{Link{"", 2, 1, 1, ""},
                                       {"hosta", 0, 2, 1, ""},
                                       {"NW-B", 1, 0, 2, "POOL1"},
                                       {"Branch1", 2, 1, 0, "LU4"}}));
    });
}

// A link with a server and no transport chosen is refused, the cursor on its transport.
TEST_F(LuxSheet, OkRefusesAServerWithoutATransportAndWritesNothing) {
    load("[LUX_PROFILE]\nPROFILE_NAME=S1\nSESSION=old,*,1,," + t1() + ",,ENC_OFF\n");
    const auto before = snapshot(doc.store());
    const int result = run("", [&](QDialog&) {
        QTest::keyClicks(&control(Page::kSessionName), "S1");
        fillLinks({Link{"hosta", 0, 0, 1, ""}, {"hostb", -1, 0, 1, ""}});
        open->accept();
        EXPECT_TRUE(open->isVisible());
        EXPECT_EQ(QApplication::focusWidget(), open->linksPage().control(Page::kRows[1].transport));
    });
    EXPECT_EQ(result, 0);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, formatMessage(text(ids::kRuleLinkTransport), {"2"}));
    EXPECT_EQ(snapshot(doc.store()), before);
}

TEST_F(LuxSheet, AStoredProfileIsShownAsStoredAndTheDefaultBoxMovesTheDefault) {
    // Link 2 holds a category the list does not offer: left alone, it is kept as it was.
    load("[LUX_PROFILE]\nPROFILE_NAME=OLD\nSESSION=hosta,*,0,LU1," + t1() +
         ",,ENC_ON\nSESSION=hostx,*,2,LUX," + t1() + ",,ENC_OFF\nSESSION=" + unused() +
         "\nSESSION=" + unused() + "\n[LUX_PROFILE]\nPROFILE_NAME=OTHER\nSESSION=hostb,*,1,," +
         t1() + ",,ENC_OFF\n[DEF_LUX_PROF]\nDEF_PROF_NAME=OTHER\n");
    const Keys old = sections("LUX_PROFILE")[0], other = sections("LUX_PROFILE")[1];
    const int result = run("OLD", [&](QDialog&) {
        EXPECT_EQ(
            shownLinks(),
            (Links{Link{"hosta", 0, 1, 0, "LU1"}, {"hostx", 0, 0, -1, "LUX"}, Link{}, Link{}}));
        EXPECT_EQ(namesEnabled(), (std::array<bool, 4>{true, true, false, false}));
        EXPECT_FALSE(control<QCheckBox>(Page::kDefault).isChecked());
        control<QCheckBox>(Page::kDefault).click();
        open->accept();
    });
    EXPECT_EQ(result, 1);
    EXPECT_EQ(sections("LUX_PROFILE"), (std::vector<Keys>{old, other}));
    EXPECT_EQ(sections("DEF_LUX_PROF"), (std::vector<Keys>{{{"DEF_PROF_NAME", "OLD"}}}));
}

class LuxLayout : public LuxSheet, public ::testing::WithParamInterface<int> {};

TEST_P(LuxLayout, EveryControlHasRoomAndTheLinksLineUpUnderTheirHeadings) {
    withFontSize(GetParam(), [&] {
        for (const char* picture : {"new", "existing"}) {
            const bool existing = std::string(picture) == "existing";
            if (existing)
                load("[LUX_PROFILE]\nPROFILE_NAME=BRANCH\nSESSION=lux-host1.example.com,*,0,"
                     "LU01," +
                     t1() + ",,ENC_ON\nSESSION=NWHOST2,*,3,POOLA," + t2() +
                     ",,ENC_OPT\nSESSION=*,*,1,," + t1() + ",Branch1,ENC_OFF\nSESSION=" + unused() +
                     "\n[DEF_LUX_PROF]\nDEF_PROF_NAME=BRANCH\n");
            run(existing ? "BRANCH" : "", [&](QDialog& shown) {
                QApplication::processEvents();
                expectRoomForEveryControl(open->linksPage());
                for (const auto& ids : Page::kRows) {
                    const std::pair<int, int> columns[] = {
                        {ids.server, Page::kServerHeading},
                        {ids.transport, Page::kTransportHeading},
                        {ids.encryption, Page::kEncryptionHeading},
                        {ids.category, Page::kCategoryHeading},
                        {ids.name, Page::kNameHeading},
                    };
                    for (const auto& [field, heading] : columns)
                        EXPECT_EQ(control<QWidget>(field).x(), control<QWidget>(heading).x());
                }
                if (GetParam() == 10)
                    saveScreenshot(shown, QString("lux-links-%1").arg(picture));
            });
            EXPECT_TRUE(sheetWasShown);
        }
    });
}

INSTANTIATE_TEST_SUITE_P(FontSizes, LuxLayout, ::testing::Values(10, 18));

} // namespace
