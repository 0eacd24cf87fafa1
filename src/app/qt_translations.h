// Qt's own texts (standard buttons, file dialogs, key names) in the language of the loaded
// language library, from Qt's translations; and the texts of the help window, which is
// built without the language layer, from the library.
#pragma once

class QObject;

// Installs the translators for the language of the loaded library, for as long as owner
// lives; English needs none.
// Returns false when Qt's translation for that language is not installed (Debian package
// qt6-translations-l10n): Qt's texts then stay English.
bool installQtTranslations(QObject& owner);
