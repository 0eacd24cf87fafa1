#include "html_help.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace {

// The viewer's entry once loaded; loading is tried once, and a failure is final.
struct HelpViewer {
    bool tried = false;
    HelpViewerEntry entry = nullptr;
};

HelpViewer& viewer() {
    static HelpViewer v;
    return v;
}

HelpViewerEntry loadViewer() {
    // Beside the program in a build folder; in the prefix's private library folder once
    // installed.
    const QDir program(QCoreApplication::applicationDirPath());
    const QStringList folders{program.path(),
                              program.filePath(QStringLiteral(APICFG_HELP_VIEWER_FROM_BIN))};
    for (const QString& folder : folders) {
        QLibrary library(QDir(folder).filePath(QLatin1String(kHelpViewerLibrary)));
        if (auto entry = reinterpret_cast<HelpViewerEntry>(library.resolve(kHelpViewerEntry)))
            return entry; // the library stays loaded for the program's life
    }
    return nullptr;
}

} // namespace

int callHtmlHelp(QWidget* owner, const QString& path, int command, quintptr data) {
    HelpViewer& v = viewer();
    if (!v.tried) {
        v.tried = true;
        v.entry = loadViewer();
    }
    return v.entry ? v.entry(owner, path, command, data) : 0;
}
