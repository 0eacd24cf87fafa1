// apicfg-tool: the editor's configuration file operations for scripts.
#include "command_line.h"
#include "commands.h"
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

    if (inv.command == "dump")
        return runDump(inv, std::cin, std::cout, std::cerr);
    if (inv.command == "list")
        return runList(inv, std::cin, std::cout, std::cerr);
    if (inv.command == "get")
        return runGet(inv, std::cin, std::cout, std::cerr);
    if (inv.command == "put")
        return runPut(inv, std::cin, std::cout, std::cerr);
    if (inv.command == "delete")
        return runDelete(inv, std::cout, std::cerr);
    if (inv.command == "check")
        return runCheck(inv, std::cin, std::cout, std::cerr);
    if (inv.command == "diff")
        return runDiff(inv, std::cout, std::cerr);
    if (inv.command == "convert")
        return runConvert(inv, std::cout, std::cerr);
    if (inv.command == "save")
        return runSave(inv, std::cout, std::cerr);
    if (inv.command == "kinds")
        return runKinds(inv, std::cout);
    return runStrings(inv, std::cout, std::cerr);
}
