#include "font_setup.h"

#include <QFontDatabase>
#include <QStringList>

#include <fontconfig/fontconfig.h>

std::jthread readFontConfiguration() {
    return std::jthread([] { FcInit(); });
}

std::jthread fillFontDatabase(std::jthread configuration) {
    // The database asks fontconfig for the same configuration: only once it has been read,
    // or fontconfig would read it a second time alongside.
    return std::jthread([configuration = std::move(configuration)]() mutable {
        if (configuration.joinable())
            configuration.join();
        QFontDatabase::families();
    });
}
