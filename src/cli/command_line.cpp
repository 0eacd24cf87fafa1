#include "command_line.h"

#include "commands.h"
#include "kind_argument.h"
#include "record_kinds.h"

#include <CLI/CLI.hpp>

#include <ostream>
#include <string>
#include <string_view>

#ifndef APICFG_VERSION
#define APICFG_VERSION "0"
#endif

namespace {

constexpr const char* kToolName = "apicfg-tool";

constexpr const char* kDescription =
    "Checks and changes the configuration file of the SNA API client from scripts, with the "
    "editor's own reader and writer, record operations, checks, conversion, save and "
    "language library.";

constexpr const char* kFooter = R"(
Options may stand anywhere after the command name. Run 'apicfg-tool COMMAND --help' for
the arguments and an example of each command.

put, delete and save leave FILE untouched, byte for byte, when it already holds what
they would write, and print "FILE: unchanged". With --diff they print the records that
change (as diff does) and the difference they make to FILE (unified form) and write; with
--check they print both and write nothing at all.

put, delete, save and convert read and write regular files only, and one program at a
time: while another saves FILE they wait up to --lock-wait seconds. They refuse a FILE
with text its reader leaves out (check names the line), and a conversion does not replace
an existing file, unless --force is given.

Exit status: 0 success or unchanged; 1 a record refused or not found, a listing or
delete that failed, check's findings, diff's differences; 2 called wrongly; 3 with
--check, FILE would change; 4 FILE cannot be read or is malformed; 5 FILE cannot be saved.

Examples:
  apicfg-tool list lhntapi.ini cpic
  apicfg-tool get lhntapi.ini cpic SIDE1 > side1.json
  apicfg-tool put lhntapi.ini cpic side1.json
  apicfg-tool put --check lhntapi.ini cpic side1.json
  apicfg-tool diff reference.ini lhntapi.ini
  apicfg-tool check --json /srv/configs/*.ini)";

constexpr const char* kLanguageHelp =
    "Language library instead of the user's: LHCDEU, LHCDEU.DLL or a .lang file";

struct CommandHelp {
    const char* name;
    const char* summary;
    const char* details;
    const char* example;
    CommandRun run;
};

constexpr CommandHelp kCommands[] = {
    {"dump", "Print the file's sections and keys as JSON",
     R"(Reads FILE with the editor's reader (no conversion, nothing written) and prints
{"sections":[{"name":...,"keys":[{"name":...,"value":...}]}]} in store order. Each byte
is one JSON character: 0x80-0xFF are U+0080-U+00FF, control bytes are written as \u00XX.
Passwords are stored scrambled and shown so; one stored as plain text (which the writers
do when a password cannot be scrambled) is shown as the placeholder unless
--show-passwords is given.
FILE "-" reads standard input. Exit status 4 when FILE cannot be read or is malformed
(the first malformed line is named by its number).)",
     "apicfg-tool dump lhntapi.ini", runDump},
    {"list", "List the entries the editor's records list shows",
     R"(Prints, per kind in the order of the editor's options list (or for one KIND), the
entries its records list shows: one line "KIND<TAB>ENTRY" each, or with --json one object
with an array per kind. "system" lists the midrange host names. A record section without
its name key is passed over: every named record is printed, "error 66: MESSAGE" goes to
standard error and the exit status is 1. FILE "-" reads standard input.)",
     "apicfg-tool list lhntapi.ini cpic", runList},
    {"get", "Print one record as JSON",
     R"(Reads one record with the record reader of KIND and prints it as JSON. A stored
password is printed as the editor's placeholder (asterisks) unless --show-passwords is
given, and as "" when none is stored. NAME missing for a kind that needs one, or no
record of that name: "no KIND record NAME in FILE" and exit status 1. FILE "-" reads
standard input.)",
     "apicfg-tool get lhntapi.ini cpic SIDE1 > side1.json", runGet},
    {"put", "Write one record from JSON and save the file",
     R"(Opens FILE as the editor does (converting entries of the older form), builds the
record from the JSON (read from JSON-FILE, or from standard input for "-" or none) and
checks it with the check of its kind (what the editor's sheet refuses, the writer's check,
and what would not read back as given), even when it equals the stored record, writes it
through the record writer of KIND, then saves FILE as the editor's File Save does. Fields
left out keep the record's current values; a password equal to the placeholder keeps the
stored one. For "system", DEFAULT "1" makes that system the default and "0" takes the
mark off. A refused record: the line FILE: KIND NAME: error CODE: MESSAGE (field
FIELD) on standard error, exit status 1, FILE untouched. A FILE that does not exist yet is created.
When FILE already holds what the save would write, it is left untouched and
"FILE: unchanged" is printed. --diff prints the difference the save makes; --check
prints it, writes nothing (not even a conversion) and exits 3 when FILE would change.)",
     "echo '{\"TP_NAME\":\"PAYROLL\",\"PATH\":\"/opt/pay/run\"}' | apicfg-tool put lhntapi.ini tp",
     runPut},
    {"delete", "Delete a record as the editor's Delete button does and save the file",
     R"(Opens FILE as the editor does, deletes as the editor's Delete button does for KIND
("midrange" removes every system and the common settings; "system" removes one system)
and saves FILE as the editor does. Exit status 1 when the delete operation reports
failure; nothing is saved then.
When FILE already holds what the save would write, it is left untouched and
"FILE: unchanged" is printed. --diff prints the difference the save makes; --check
prints it, writes nothing (not even a conversion) and exits 3 when FILE would change.)",
     "apicfg-tool delete lhntapi.ini cpic SIDE1", runDelete},
    {"check", "Check every record of one or more files",
     R"(Reads each FILE ("-": standard input; no conversion, nothing written) and gives
every record to the check of its kind, the one the editor's sheets and put run; it also
reports record sections without their name key and entries of the older form (a
warning). One line per finding, FILE:LINE: KIND NAME: error CODE: MESSAGE (field
FIELD) or FILE:LINE: KIND NAME: warning: TEXT, LINE being the line of the record's
section; with --json an array of {"file","line","kind","name","code","field","message","severity"}.
Exit status 0 when no error was found, 1 when one was, 4 when a file cannot be read or
is malformed.)",
     "apicfg-tool check lhntapi.ini /srv/configs/*.ini", runCheck},
    {"diff", "Compare the records of two files",
     R"(Reads FILE1 and FILE2 with the editor's reader (no conversion, nothing written) and
prints how their records differ, one line per difference: a changed field as
'KIND NAME: FIELD "OLD" -> "NEW"' (a password only as 'FIELD changed'), a record as
'added' or 'removed', and a move where the order counts: of several records of one name
the first is read, of several midrange systems marked as the default the last. Sections
that no record reads (TRACE) are compared key by key. Nothing is printed for files that
hold the same records, whatever their order and layout. With --json one array of
{"kind","name","change","old_place","new_place","fields"}.
Exit status 0 when the files hold the same records, 1 when they differ, 4 when a file
cannot be read or is malformed.)",
     "apicfg-tool diff reference.ini lhntapi.ini", runDiff},
    {"convert", "Convert entries of the older form as opening in the editor does",
     R"(Runs the conversion that opening in the editor runs: the unchanged configuration
goes to FILE with the extension ".001", the converted one to FILE with the extension
".ini". Prints the two paths written, or that there was nothing to convert. Exit status
4 when FILE cannot be read, 1 when the conversion failed.)",
     "apicfg-tool convert lhntapi.ini", runConvert},
    {"save", "Open and save the file as the editor would",
     R"(Opens and saves FILE as the editor's File Open and File Save would: entries of the
older form are converted, missing GLOBAL and TRACE sections are added, and the file
takes the editor's layout. Nothing else changes.
When FILE already holds what the save would write, it is left untouched and
"FILE: unchanged" is printed. --diff prints the difference the save makes; --check
prints it, writes nothing (not even a conversion) and exits 3 when FILE would change.)",
     "apicfg-tool save lhntapi.ini", runSave},
    {"strings", "Print texts of the language library",
     R"(Prints "ID<TAB>TEXT" for the ids named, or for every text of the language library
in use. Line breaks, tabs and backslashes in a text are written as \n, \t and \\.)",
     "apicfg-tool strings --language LHCDEU 2477 61206", runStrings},
    {"kinds", "List the kinds of record and the commands that take each",
     R"(Prints one line per kind, "KIND<TAB>NAME-KEY<TAB>COMMANDS<TAB>TEXT": the key that
names a record ("-" for a kind of one record), the commands of list, get, put and delete
that take the kind, and what it is. With --json one array of
{"kind","section","name_key","password_key","commands","text"}, a missing key as null,
for scripts that build on the tool's kinds.)",
     "apicfg-tool kinds --json", runKinds},
};

CLI::App* addCommand(CLI::App& app, const CommandHelp& help, Invocation& inv) {
    CLI::App* sub = app.add_subcommand(help.name, help.summary);
    sub->footer(std::string(help.details) + "\n\nExample:\n  " + help.example);
    sub->add_option("--language", inv.language, kLanguageHelp)->type_name("NAME");
    return sub;
}

} // namespace

int useError(std::ostream& err, const std::string& command, const std::string& message) {
    err << kToolName << ": " << message << "\n";
    err << "Run '" << kToolName << (command.empty() ? "" : " " + command)
        << " --help' for more information.\n";
    return kExitUsage;
}

namespace {

// The options whose presence the commands look at.
struct Presence {
    CLI::Option* kind = nullptr;
    CLI::Option* name = nullptr;
};

void defineArguments(CLI::App& sub, std::string_view command, Invocation& inv, Presence& p) {
    if (command == "check") {
        sub.add_option("FILE", inv.files, "Configuration files")->required();
        sub.add_flag("--json", inv.json, "One JSON array of findings");
    } else if (command == "diff") {
        sub.add_option("FILE", inv.files, "The two configuration files, FILE1 and FILE2")
            ->required()
            ->expected(2)
            ->type_name("");
        sub.add_flag("--json", inv.json, "One JSON array of the differences");
    } else if (command == "strings") {
        sub.add_option("ID", inv.ids, "String ids");
    } else if (command == "kinds") {
        sub.add_flag("--json", inv.json, "One JSON array of the kinds");
    } else {
        sub.add_option("FILE", inv.file, "Configuration file")->required();
    }
    if (command == "dump") {
        sub.add_flag("--show-passwords", inv.showPasswords,
                     "Print passwords stored unscrambled as they stand");
    } else if (command == "list") {
        p.kind = sub.add_option("KIND", inv.kind, "Only this kind");
        sub.add_flag("--json", inv.json, "One JSON object, an array of entries per kind");
    } else if (command == "get") {
        p.kind = sub.add_option("KIND", inv.kind, "Record kind")->required();
        p.name = sub.add_option("NAME", inv.name, "Record name");
        sub.add_flag("--show-passwords", inv.showPasswords, "Print passwords in plain text");
    } else if (command == "put") {
        p.kind = sub.add_option("KIND", inv.kind, "Record kind")->required();
        sub.add_option("JSON-FILE", inv.input, "The record as JSON; '-' or none: standard input");
    } else if (command == "delete") {
        p.kind = sub.add_option("KIND", inv.kind, "Record kind")->required();
        p.name = sub.add_option("NAME", inv.name, "Record name");
    }
    if (command == "put" || command == "delete" || command == "save" || command == "convert") {
        sub.add_flag("--force", inv.force,
                     "Save although FILE holds text its reader leaves out (named by check), "
                     "and let a conversion replace an existing backup or .ini file");
        sub.add_option("--lock-wait", inv.lockWait,
                       "Seconds to wait while another program saves FILE (default 10)")
            ->type_name("SECONDS")
            ->check(CLI::NonNegativeNumber);
    }
    if (command == "put" || command == "delete" || command == "save") {
        sub.add_flag("--diff", inv.diff, "Print the difference the save makes to FILE, and save");
        sub.add_flag("--check", inv.check,
                     "Print the difference and write nothing; exit status 3 when FILE would "
                     "change, 0 when not")
            ->excludes("--diff");
    }
    // The output options are accepted by every command, so that a script may pass them
    // throughout; where a command has no use for one it does nothing and is not listed.
    if (!sub.get_option_no_throw("--json"))
        sub.add_flag("--json", inv.json)->group("");
    if (!sub.get_option_no_throw("--show-passwords"))
        sub.add_flag("--show-passwords", inv.showPasswords)->group("");
}

// The first word that is neither an option nor the value of --language: the command, when
// the command line names one. Empty when a help or version request comes before it.
std::string_view commandWord(int argc, const char* const* argv) {
    for (int i = 1; i < argc; ++i) {
        std::string_view word = argv[i];
        if (word == "--language")
            ++i;
        else if (word == "-h" || word == "--help" || word == "--version")
            return {};
        else if (!word.empty() && word[0] != '-')
            return word;
    }
    return {};
}

// The kinds as the table of kinds has them, so that a kind added there is in the help.
std::string kindsHelp() {
    std::string text = "KIND is one of:\n";
    for (const RecordKind& k : recordKinds()) {
        std::string line = "  " + std::string(k.toolName);
        line.resize(12, ' ');
        line += k.toolText;
        const std::vector<std::string_view> commands = commandsTaking(k);
        if (!k.nameKey.empty())
            line += ", NAME = " + std::string(k.nameKey);
        else if (commands.size() == 2)
            line += " (no NAME; " + std::string(commands[0]) + " and " + std::string(commands[1]) +
                    " only)";
        else
            line += " (no NAME)";
        text += line + '\n';
    }
    return text + "'apicfg-tool kinds' lists them with the commands that take each.\n";
}

const CommandHelp* findCommand(std::string_view word) {
    for (const CommandHelp& c : kCommands)
        if (word == c.name)
            return &c;
    return nullptr;
}

} // namespace

CommandRun commandRun(std::string_view command) {
    const CommandHelp* c = findCommand(command);
    return c ? c->run : nullptr;
}

int parseCommandLine(int argc, const char* const* argv, Invocation& inv, std::ostream& out,
                     std::ostream& err) {
    CLI::App app(kDescription, kToolName);
    app.footer(kindsHelp() + kFooter);
    app.require_subcommand(1);
    app.set_version_flag("--version", std::string(kToolName) + " " + APICFG_VERSION);
    app.add_option("--language", inv.language, kLanguageHelp)->type_name("NAME");
    app.get_formatter()->column_width(24);
    app.get_formatter()->label("REQUIRED", "");
    app.get_formatter()->label("TEXT", "");

    // Only the command asked for is set up, which is all a script's run needs; the tool's
    // own help and an unknown command get every one.
    const std::string_view word = commandWord(argc, argv);
    const bool all = !findCommand(word);
    Presence presence;
    for (const CommandHelp& c : kCommands)
        if (all || word == c.name)
            defineArguments(*addCommand(app, c, inv), c.name, inv, presence);

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        if (e.get_exit_code() == static_cast<int>(CLI::ExitCodes::Success))
            return app.exit(e, out, err);
        std::string command;
        for (const CLI::App* sub : app.get_subcommands())
            command = sub->get_name();
        if (command.empty() && !word.empty() && all)
            return useError(err, command, "unknown command '" + std::string(word) + "'");
        return useError(err, command, e.what());
    }
    inv.command = app.get_subcommands().front()->get_name();
    if (inv.files.empty())
        inv.files.push_back(inv.file);
    inv.hasKind = presence.kind && presence.kind->count() > 0;
    inv.hasName = presence.name && presence.name->count() > 0;
    return kRunCommand;
}
