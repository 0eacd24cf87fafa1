#include "tela_environment.h"

#include <cctype>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

struct LanguageState {
    std::map<int, std::string> strings;
    std::string name;
    std::vector<std::string> searchPath;
    unsigned long loads = 0;
};

LanguageState& state() {
    static LanguageState s;
    return s;
}

// Windows primary language ids of the libraries we ship.
constexpr int kLangGerman = 0x07;
constexpr int kLangEnglish = 0x09;

// The languages that have a library: the language's code, its Windows primary language and
// the library's name. The first is the language of a user whose language has none.
struct ShippedLanguage {
    std::string_view code;
    int primary;
    std::string_view library;
};
constexpr ShippedLanguage kShipped[] = {{"en", kLangEnglish, "LHCENU"},
                                        {"de", kLangGerman, "LHCDEU"}};

const ShippedLanguage* shippedLanguage(std::string_view code) {
    for (const ShippedLanguage& l : kShipped)
        if (l.code == code)
            return &l;
    return nullptr;
}

bool readFile(const std::string& path, std::string& out) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::ostringstream text;
    text << in.rdbuf();
    out = text.str();
    return true;
}

std::string unescape(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '\\' || i + 1 == s.size()) {
            out.push_back(s[i]);
            continue;
        }
        char c = s[++i];
        out.push_back(c == 'n' ? '\n' : c == 't' ? '\t' : c);
    }
    return out;
}

} // namespace

int TelaEnvironment::SetLanguage(int primary, int /*sublanguage*/, std::string& libraryName,
                                 void* /*window*/, int /*reserved*/, int /*resourceId*/) {
    const ShippedLanguage* language = &kShipped[0];
    for (const ShippedLanguage& l : kShipped)
        if (l.primary == primary)
            language = &l;
    std::string chosen = std::string(language->library) + ".DLL";
    if (chosen == libraryName)
        return 0;
    libraryName = chosen;
    return 1;
}

std::string TelaEnvironment::GetUserString(int id) {
    const auto& strings = state().strings;
    auto it = strings.find(id);
    return it == strings.end() ? std::string() : it->second;
}

std::string libraryLanguage(const std::string& libraryName) {
    const std::string file = languageFileName(libraryName);
    for (const ShippedLanguage& l : kShipped)
        if (file == std::string(l.library) + ".lang")
            return std::string(l.code);
    return std::string();
}

std::string languageFileName(const std::string& libraryName) {
    std::string base = libraryName;
    std::size_t slash = base.find_last_of("/\\");
    if (slash != std::string::npos)
        base = base.substr(slash + 1);
    std::size_t dot = base.rfind('.');
    if (dot != std::string::npos)
        base = base.substr(0, dot);
    return base + ".lang";
}

bool parseStringId(std::string_view text, int& id) {
    // More than nine digits are refused, not summed past what an int holds.
    if (text.empty() || text.size() > 9)
        return false;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + (c - '0');
    }
    id = value;
    return true;
}

bool parseLanguageText(const std::string& text, std::map<int, std::string>& out, int* badLine) {
    out.clear();
    std::string_view rest(text);
    int number = 0;
    auto refuse = [&] {
        if (badLine)
            *badLine = number;
        out.clear();
        return false;
    };
    while (!rest.empty()) {
        std::size_t lf = rest.find('\n');
        std::string_view line = rest.substr(0, lf);
        rest.remove_prefix(lf == std::string_view::npos ? rest.size() : lf + 1);
        ++number;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (number == 1 && line.substr(0, 3) == "\xEF\xBB\xBF")
            line.remove_prefix(3);
        if (line.empty() || line[0] == '#')
            continue;
        const std::size_t tab = line.find('\t');
        int id = 0;
        if (tab == std::string_view::npos || !parseStringId(line.substr(0, tab), id))
            return refuse();
        // A number given twice is an editing mistake; refusing it shows where.
        if (!out.emplace(id, unescape(line.substr(tab + 1))).second)
            return refuse();
    }
    return true;
}

bool TelaEnvironment::LoadLibraryText(const std::string& text, const std::string& name) {
    std::map<int, std::string> strings;
    if (!parseLanguageText(text, strings)) {
        UnloadLibrary();
        return false;
    }
    state().strings = std::move(strings);
    state().name = name;
    ++state().loads;
    return true;
}

bool TelaEnvironment::LoadLibrary(const std::string& libraryName) {
    std::string text;
    bool isFile = libraryName.find('/') != std::string::npos && libraryName.size() > 5 &&
                  libraryName.compare(libraryName.size() - 5, 5, ".lang") == 0;
    if (isFile) {
        if (readFile(libraryName, text))
            return LoadLibraryText(text, libraryName);
        UnloadLibrary();
        return false;
    }
    std::string file = languageFileName(libraryName);
    for (const std::string& folder : state().searchPath) {
        if (readFile(folder + "/" + file, text))
            return LoadLibraryText(text, libraryName);
    }
    UnloadLibrary();
    return false;
}

void TelaEnvironment::UnloadLibrary() {
    state().strings.clear();
    state().name.clear();
    ++state().loads;
}

const std::string& TelaEnvironment::LoadedLibraryName() {
    return state().name;
}
const std::map<int, std::string>& TelaEnvironment::AllStrings() {
    return state().strings;
}
void TelaEnvironment::SetSearchPath(std::vector<std::string> folders) {
    state().searchPath = std::move(folders);
}
unsigned long TelaEnvironment::LoadCount() {
    return state().loads;
}

int languageIdFromLocale(const std::string& locale) {
    // "de_AT.UTF-8@euro": the language is the letters before "_", "-", "." or "@".
    std::string language;
    for (std::size_t i = 0;
         i < locale.size() && std::isalpha(static_cast<unsigned char>(locale[i])); ++i)
        language.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(locale[i]))));
    // Only the primary language picks a library, so each id names its language's main
    // country. "C", "POSIX", nothing set, or a language without a library: English.
    const ShippedLanguage* shipped = shippedLanguage(language);
    return (shipped ? shipped : &kShipped[0])->primary | (1 << kSublanguageShift);
}

int userDefaultLanguageId() {
    // As gettext: LANGUAGE is a list of languages in order of preference, and the first
    // with a library wins; when it is set, none of the list means English. (gettext
    // ignores LANGUAGE in the C locale; a desktop that sets LANGUAGE alone means it.)
    if (const char* list = std::getenv("LANGUAGE"); list && *list) {
        std::string_view rest(list);
        while (!rest.empty()) {
            const std::size_t colon = rest.find(':');
            const std::string entry(rest.substr(0, colon));
            const std::string language = entry.substr(0, entry.find_first_of("_-.@"));
            if (shippedLanguage(language))
                return languageIdFromLocale(entry);
            rest.remove_prefix(colon == std::string_view::npos ? rest.size() : colon + 1);
        }
        return languageIdFromLocale("");
    }
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(name);
        if (value && *value)
            return languageIdFromLocale(value);
    }
    return languageIdFromLocale("");
}
