#include "qt_translations.h"

#include "string_ids.h"
#include "tela_environment.h"
#include "tela_legend.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace {

// Answers the help window's texts from the language library.
class LibraryTranslator : public QTranslator {
public:
    using QTranslator::QTranslator;

    bool isEmpty() const override { return false; }

    QString translate(const char* context, const char* sourceText, const char* /*disambiguation*/,
                      int /*n*/) const override {
        struct Text {
            const char* context;
            const char* source;
            int id;
        };
        static constexpr Text kTexts[] = {{"HelpWindow", "Back", ids::kHelpBack},
                                          {"HelpWindow", "Forward", ids::kHelpForward},
                                          {"HelpWindow", "Home", ids::kHelpHome},
                                          {"HelpWindow", "Contents", ids::kHelpContents},
                                          {"HelpWindow", "Topic", ids::kHelpTopic}};
        for (const Text& t : kTexts)
            if (qstrcmp(context, t.context) == 0 && qstrcmp(sourceText, t.source) == 0)
                return telaLegendText(t.id);
        return QString();
    }
};

} // namespace

bool installQtTranslations(QObject& owner) {
    const std::string language = libraryLanguage(TelaEnvironment::LoadedLibraryName());
    if (language.empty())
        return true;
    const QLocale locale(QString::fromStdString(language));
    QLocale::setDefault(locale); // what Qt formats follows the texts' language
    if (language == "en")
        return true; // Qt's own texts are English
    QCoreApplication::installTranslator(new LibraryTranslator(&owner));
    auto qt = std::make_unique<QTranslator>();
    if (!qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    qt->setParent(&owner); // a translator leaves the application with its owner
    QCoreApplication::installTranslator(qt.release());
    return true;
}
