// A static text whose words come from the language library by string id.
#pragma once

#include <QLabel>

class TelaUserStatic : public QLabel {
    Q_OBJECT
public:
    explicit TelaUserStatic(QWidget* parent = nullptr);

    // Shows the text of the string id (its mnemonic only when the label has a buddy);
    // non-zero when the library holds one.
    int SetLegend(int id);
};
