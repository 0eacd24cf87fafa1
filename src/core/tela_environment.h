// The language library: numbered texts, one library per language. A library is a
// human-editable UTF-8 file ("LHCENU.lang" for the library named "LHCENU.DLL") found
// beside the program or in the installed data folder. Without one every text is empty
// and everything else still works.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

class TelaEnvironment {
public:
    // Maps a Windows language (primary language in the low 10 bits, sublanguage) to the
    // name of its library; English ("LHCENU.DLL") when there is none for the language.
    // Returns non-zero when libraryName was changed.
    static int SetLanguage(int primary, int sublanguage, std::string& libraryName, void* window,
                           int reserved, int resourceId);

    // The text of a string id from the loaded library, or the empty text.
    static std::string GetUserString(int id);

    // Loads the library of that name ("LHCENU.DLL", "LHCENU" or a path to a .lang file)
    // from the search folders. False, with an empty table, when it cannot be loaded.
    static bool LoadLibrary(const std::string& libraryName);
    // Loads library text directly (tests, and the tool's --language with a file).
    static bool LoadLibraryText(const std::string& text, const std::string& name);
    static void UnloadLibrary();

    static const std::string& LoadedLibraryName();
    // Grows with every load and unload: texts kept from the library are stale once it has
    // changed.
    static unsigned long LoadCount();
    static const std::map<int, std::string>& AllStrings();

    // Folders searched for libraries, in order; the program adds its own folder first.
    static void SetSearchPath(std::vector<std::string> folders);
};

// A Windows language id: the primary language in the low 10 bits, the sublanguage above.
inline constexpr int kPrimaryLanguageMask = 0x3FF;
inline constexpr int kSublanguageShift = 10;

// The user's default language as a Windows language id, from the environment as gettext
// reads it: when LANGUAGE is set, its first language that has a library (English when
// none has), else the first of LC_ALL, LC_MESSAGES and LANG that is set. English
// (0x0409) when nothing is set.
int userDefaultLanguageId();
// Language id for a locale name such as "de_DE.UTF-8" or "en": its language's main country
// (0x0407 for any German); English (0x0409) for a language without a library.
int languageIdFromLocale(const std::string& locale);

// The language of a library by its name, as a locale name: "LHCDEU.DLL" -> "de",
// "LHCENU.DLL" -> "en"; empty for a library of no known language.
std::string libraryLanguage(const std::string& libraryName);

// Library file name for a library name: "LHCENU.DLL" -> "LHCENU.lang".
std::string languageFileName(const std::string& libraryName);

// A string id as a library and the tool's `strings` write it: one to nine decimal digits.
bool parseStringId(std::string_view text, int& id);

// Parses library text ("ID<TAB>TEXT" lines, "#" comments, \n \t \\ escapes).
// Returns false and the first bad line number when the text is not a library.
bool parseLanguageText(const std::string& text, std::map<int, std::string>& out,
                       int* badLine = nullptr);
