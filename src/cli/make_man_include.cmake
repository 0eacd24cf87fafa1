# Writes a help2man include with a COMMANDS section made of each command's own --help,
# so that the manual page and the tool's help never disagree.
# Expects TOOL (the built program) and OUTPUT; the commands are those the tool's --help
# lists under "Subcommands:".
execute_process(COMMAND ${TOOL} --help OUTPUT_VARIABLE tool_help RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${TOOL} --help failed")
endif()
string(REGEX MATCH "Subcommands:\n[^\n]+(\n  [^\n]+)*" listed "${tool_help}")
string(REGEX MATCHALL "\n  [a-z]+" COMMANDS "${listed}")
string(REGEX REPLACE "\n  " "" COMMANDS "${COMMANDS}")
if(NOT COMMANDS)
    message(FATAL_ERROR "${TOOL} --help lists no commands")
endif()
file(WRITE ${OUTPUT} "[COMMANDS]\n")
foreach(command ${COMMANDS})
    execute_process(COMMAND ${TOOL} ${command} --help
        OUTPUT_VARIABLE help RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "${TOOL} ${command} --help failed")
    endif()
    # Backslashes and lines that begin with a dot or quote mean something to roff.
    string(REPLACE "\\" "\\e" help "${help}")
    string(REGEX REPLACE "\n([.'])" "\n\\\\&\\1" help "${help}")
    file(APPEND ${OUTPUT} ".SS ${command}\n.nf\n${help}.fi\n")
endforeach()
