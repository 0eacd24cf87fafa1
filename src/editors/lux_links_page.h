// The links page of the LUx profile sheet (layout 134): the session name, whether it is
// the default session, and four links, each a server or scope with its transport choice,
// encryption, LU category and name.
#pragma once

#include "record_types.h"
#include "sheet_page.h"

#include <array>
#include <memory>
#include <string>

namespace Ui {
class LuxLinksPage;
}

struct LuxRowValues {
    std::string server; // the server name, or the scope name for a scope link
    int transport = -1; // 0 first transport, 1 second transport, 2 scope; -1 none
    int encryption = 0; // encryption list index
    int category = -1;  // LU category list index, -1 none
    std::string name;   // the LU or pool name
};

struct LuxLinksValues {
    std::string sessionName;
    int isDefault = 0;
    std::array<LuxRowValues, kRowCount> rows;
};

class CPgLux1Bas : public SheetPage {
    Q_OBJECT
public:
    enum ControlId {
        kSessionHeading = 1377,
        kSessionName = 1379,
        kServerHeading = 1040,
        kTransportHeading = 1421,
        kEncryptionHeading = 1426,
        kCategoryHeading = 1041,
        kNameHeading = 1042,
        kDefault = 1441,
    };
    // The controls of one link row. The name edit of link 1 has the id 1.
    struct RowIds {
        int server;
        int transport;
        int encryption;
        int category;
        int name;
    };
    static constexpr std::array<RowIds, kRowCount> kRows{{
        {1000, 1417, 1422, 1006, 1},
        {1001, 1418, 1423, 1007, 1378},
        {1002, 1419, 1424, 1008, 1380},
        {1003, 1420, 1425, 1009, 1381},
    }};
    // The transport choices and the LU categories, by list index.
    enum TransportChoice { kServerFirst = 0, kServerSecond = 1, kScope = 2 };
    static constexpr std::array<int, 3> kCategories{0, kNoLuNameCategory, 3};
    // The list index of the category without a name.
    static constexpr int kNoNameCategory = 1;
    static_assert(kCategories[kNoNameCategory] == kNoLuNameCategory);
    static constexpr int kLayoutId = 134;

    CPgLux1Bas();
    ~CPgLux1Bas() override;

    LuxLinksValues values;

    // The selection change of a row's LU category list.
    void OnCategoryChanged(std::size_t row);

protected:
    void initPage() override;

private:
    std::unique_ptr<Ui::LuxLinksPage> m_ui;
};
