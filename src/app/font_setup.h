// The first text measured makes fontconfig read its whole configuration and Qt fill its font
// database from it: about a third of the work before the main window's first paint. Both run
// on a second thread while the program sets up Qt, reads the file and builds the window.
#pragma once

#include <thread>

// Before the application object: fontconfig's configuration.
std::jthread readFontConfiguration();
// Once the application object is there: Qt's font database, after the configuration. The
// thread must end before the application object does.
std::jthread fillFontDatabase(std::jthread configuration);
