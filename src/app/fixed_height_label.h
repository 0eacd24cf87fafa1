// A word-wrapped label whose height the form fixes (a number of lines). The layouts ask a
// wrapping label its height for every width they try while a window is built, and each
// answer lays out the whole text; they bound the answer to the fixed height in any case, so
// this label gives that height without laying anything out.
#pragma once

#include <QLabel>

class FixedHeightLabel : public QLabel {
public:
    using QLabel::QLabel;

    int heightForWidth(int width) const override {
        return minimumHeight() == maximumHeight() ? minimumHeight() : QLabel::heightForWidth(width);
    }
};
