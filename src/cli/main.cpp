// apicfg-tool: the editor's configuration file operations for scripts.
#include "command_line.h"
#include "tool_messages.h"

#include <csignal>
#include <iostream>

int main(int argc, char** argv) {
    // A file size limit (ulimit -f) makes the write fail with EFBIG, which the save reports
    // with the path, instead of ending the tool without a word.
    std::signal(SIGXFSZ, SIG_IGN);
    Invocation inv;
    int parsed = parseCommandLine(argc, argv, inv, std::cout, std::cerr);
    if (parsed != kRunCommand)
        return parsed;

    installErrorPresenter();
    std::string error;
    if (!loadToolLanguage(inv.language, error))
        return useError(std::cerr, inv.command, error);

    return commandRun(inv.command)(inv, std::cin, std::cout, std::cerr);
}
