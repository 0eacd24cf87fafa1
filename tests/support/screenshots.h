// Pictures for docs/screenshots: with APICFG_SCREENSHOT_DIR set, the tests that show a
// window save it there as NAME.png.
#pragma once

#include <QString>
#include <QWidget>

#include <gtest/gtest.h>

inline QString screenshotDir() {
    return qEnvironmentVariable("APICFG_SCREENSHOT_DIR");
}

inline void saveScreenshot(QWidget& widget, const QString& name) {
    const QString dir = screenshotDir();
    if (!dir.isEmpty()) {
        EXPECT_TRUE(widget.grab().save(QString("%1/%2.png").arg(dir, name)));
    }
}
