// The CPI-C pages laid out at two font sizes: every label, button and field gets at least
// the room its text needs. With APICFG_SCREENSHOT_DIR set, the pages at the normal size are
// also saved as pictures (docs/screenshots).
#include "cfg_doc.h"
#include "cpic_records.h"
#include "cpic_sheet.h"
#include "sheet_test_support.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QTabBar>

namespace {

class CpicLayout : public SheetTest, public ::testing::WithParamInterface<int> {
protected:
    void SetUp() override {
        SheetTest::SetUp();
        savedFont = QApplication::font();
        QFont font = savedFont;
        font.setPointSize(GetParam());
        QApplication::setFont(font);
    }
    void TearDown() override {
        QApplication::setFont(savedFont);
        SheetTest::TearDown();
    }

    // A widget that shows text needs its full size hint; any other its minimum.
    static void expectRoomFor(QWidget& page) {
        for (QWidget* w : page.findChildren<QWidget*>()) {
            if (!w->isVisible() || qobject_cast<QComboBox*>(w->parentWidget()))
                continue;
            const bool text = qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w);
            const QSize need = text ? w->sizeHint() : w->minimumSizeHint();
            EXPECT_GE(w->width(), need.width()) << w->objectName().toStdString();
            EXPECT_GE(w->height(), need.height()) << w->objectName().toStdString();
        }
    }

    void look(const std::string& name, const char* picture) {
        CPsCpic sheet("CPI-C Side Information");
        whileOpen(
            [&](QDialog&) {
                for (int page = 0; page < 2; ++page) {
                    ASSERT_TRUE(sheet.setActivePage(page));
                    QApplication::processEvents();
                    SheetPage& shown = page == 0 ? static_cast<SheetPage&>(sheet.basicPage())
                                                 : static_cast<SheetPage&>(sheet.securityPage());
                    expectRoomFor(shown);
                    const QByteArray dir = qgetenv("APICFG_SCREENSHOT_DIR");
                    if (!dir.isEmpty() && GetParam() == kNormalSize) {
                        const QString file = QString("%1/cpic-%2-%3.png")
                                                 .arg(QString::fromLocal8Bit(dir),
                                                      page == 0 ? "basic" : "security", picture);
                        EXPECT_TRUE(sheet.grab().save(file)) << file.toStdString();
                    }
                }
            },
            [&] { return sheet.Run(doc, name); });
        EXPECT_TRUE(sheetWasShown);
    }

    static constexpr int kNormalSize = 10;
    QFont savedFont;
    CCfgDoc doc;
};

TEST_P(CpicLayout, BothPagesGiveEveryControlRoomForNewAndExistingEntries) {
    look("", "new");
    CpicSideInfoRecord record;
    record.symbName = "PAYROLL";
    record.localLu = "WKSLU01";
    record.partnerLu = "NETA.HOSTLU";
    record.pluType = 1;
    record.mode = "#INTER";
    record.remoteTp = "PAYROLLTP";
    record.secType = 2;
    record.userId = "CLERK";
    record.password = "SECRET";
    int flag = 0, code = 0;
    ASSERT_EQ(cpicWriteEntry(doc.store(), record, flag, code), 1);
    look("PAYROLL", "existing");
}

INSTANTIATE_TEST_SUITE_P(FontSizes, CpicLayout, ::testing::Values(10, 18));

} // namespace
