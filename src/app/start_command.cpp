#include "start_command.h"

#include "path_bytes.h"

#include <unistd.h>

#include <climits>

namespace {

bool isHelp(const std::string& word) {
    return word == "--help" || word == "-h";
}

} // namespace

QString filePathFromArguments(const QStringList& arguments) {
    std::vector<std::string> words;
    for (const QString& argument : arguments)
        words.push_back(bytesFromPath(argument).toStdString());
    return pathFromBytes(QByteArray::fromStdString(filePathFromWords(words)));
}

std::string filePathFromWords(const std::vector<std::string>& words) {
    std::string path;
    for (std::size_t i = 0; i < words.size(); ++i)
        path += (i ? " " : "") + words[i];
    if (path.size() >= 2 && path.front() == '"' && path.back() == '"')
        path = path.substr(1, path.size() - 2);
    return path;
}

StartCommand readStartCommand(const std::vector<std::string>& words) {
    StartCommand command;
    bool files = false;
    for (const std::string& word : words) {
        if (files) {
            command.fileWords.push_back(word);
        } else if (word == "--") {
            files = true;
        } else {
            if (isHelp(word))
                command.action = StartCommand::Action::Help;
            else if (word == "--version" && command.action == StartCommand::Action::Run)
                command.action = StartCommand::Action::Version;
            command.qtWords.push_back(word);
        }
    }
    return command;
}

std::string startFilePath(const std::vector<std::string>& qtWordsLeft,
                          const std::vector<std::string>& fileWords, std::string& unknown) {
    unknown.clear();
    if (!qtWordsLeft.empty() && qtWordsLeft.front().size() > 1 &&
        qtWordsLeft.front().front() == '-') {
        unknown = qtWordsLeft.front();
        return {};
    }
    std::vector<std::string> words = qtWordsLeft;
    words.insert(words.end(), fileWords.begin(), fileWords.end());
    return filePathFromWords(words);
}

std::string startUsageText() {
    return "Usage: apicfg [OPTION]... [--] [FILE]\n"
           "Edit the configuration file of the SNA API client.\n"
           "\n"
           "FILE is the configuration file to open. The words after the options are one\n"
           "path, blanks included, with or without surrounding double quotes. Without FILE\n"
           "the editor starts with a new, empty configuration. When this user's editor is\n"
           "running already, FILE opens in that one, which comes to the front.\n"
           "\n"
           "  -h, --help     show this help and exit\n"
           "      --version  show the version and exit\n"
           "  --             the end of the options: a FILE whose name begins with - follows\n"
           "\n"
           "Qt's own options (-platform, -style, -reverse, ...) are taken as well.\n";
}

std::string startVersionText() {
    return "apicfg " APICFG_VERSION "\n";
}

std::string absoluteFilePath(const std::string& path) {
    if (path.empty() || path.front() == '/')
        return path;
    char directory[PATH_MAX];
    if (!::getcwd(directory, sizeof directory))
        return path;
    std::string absolute(directory);
    if (absolute.empty() || absolute.back() != '/')
        absolute += '/';
    return absolute + path;
}
