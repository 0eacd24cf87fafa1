// The command line of the editor: a few options of its own, Qt's options, and one optional
// file path, quoted or not, with blanks allowed. File names are bytes: they are kept as the
// command line gave them, whatever the locale.
#pragma once

#include <QString>
#include <QStringList>

#include <string>
#include <vector>

// The file path named by the arguments after the program's name, or the empty text. The
// arguments are one path: split at blanks by the shell, they are joined again with one blank,
// and one pair of surrounding double quotes is removed.
QString filePathFromArguments(const QStringList& arguments);
// The same over bytes.
std::string filePathFromWords(const std::vector<std::string>& words);

// What the words after the program's name ask for, looked at before anything else starts.
struct StartCommand {
    enum class Action { Run, Help, Version, Usage };
    Action action = Action::Run;
    // The words Qt may take its own options from: those before "--".
    std::vector<std::string> qtWords;
    // The words after "--": the file path whatever they begin with.
    std::vector<std::string> fileWords;
};
StartCommand readStartCommand(const std::vector<std::string>& words);

// Once Qt took its options from qtWords: the file path they and the words after "--" name.
// An option that is neither ours nor Qt's makes it a usage error (unknown set to it); a
// word that does not begin with "-" starts the path, and every word after it belongs to it.
std::string startFilePath(const std::vector<std::string>& qtWordsLeft,
                          const std::vector<std::string>& fileWords, std::string& unknown);

// The texts --help and --version print.
std::string startUsageText();
std::string startVersionText();

// path made absolute against the current directory, byte for byte (nothing resolved), so
// that another process can open it.
std::string absoluteFilePath(const std::string& path);
