# Writes a gzipped manual page made by help2man from a program's own --help and --version, so the
# page says what the program does. Run as a script:
#
#   cmake -DHELP2MAN=... -DPROGRAM=... -DNAME="one-line summary" -DINCLUDE=hand-written.h2m
#         -DDATE=YYYY-MM-DD -DOUTPUT=page.1.gz [-DCOMMANDS=ON] -P manpage.cmake
#
# With COMMANDS on, the program is a tool of commands: every command its --help lists under
# "Commands:" gets a subsection of COMMANDS made from "PROGRAM COMMAND --help", so a command added
# to the tool is in the page at the next build without anything written here.

foreach(variable HELP2MAN PROGRAM NAME INCLUDE DATE OUTPUT)
    if(NOT DEFINED ${variable})
        message(FATAL_ERROR "manpage.cmake needs -D${variable}=...")
    endif()
endforeach()

# A window program prints its help without a display.
set(ENV{QT_QPA_PLATFORM} offscreen)
set(ENV{LANG} C.UTF-8)
get_filename_component(work "${OUTPUT}" DIRECTORY)
get_filename_component(page_name "${OUTPUT}" NAME)
string(REGEX REPLACE "\\.gz$" "" page_name "${page_name}")
set(page "${work}/${page_name}")
set(includes --include "${INCLUDE}")

function(run_help2man output)
    execute_process(COMMAND "${HELP2MAN}" --no-info --section=1 ${ARGN} "${PROGRAM}"
        OUTPUT_VARIABLE text RESULT_VARIABLE status ERROR_VARIABLE errors)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "help2man failed on ${PROGRAM} ${ARGN}: ${errors}")
    endif()
    set(${output} "${text}" PARENT_SCOPE)
endfunction()

if(COMMANDS)
    execute_process(COMMAND "${PROGRAM}" --help OUTPUT_VARIABLE help RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "${PROGRAM} --help failed")
    endif()
    # The names are the first words of the indented lines after "Commands:", up to a blank line.
    string(REGEX MATCH "\nCommands:\n(  [^\n]*\n)+" listing "${help}")
    string(REGEX MATCHALL "\n  [a-z][a-z0-9-]*" names "${listing}")
    if(NOT names)
        message(FATAL_ERROR "${PROGRAM} --help lists no commands")
    endif()
    set(commands_text "[COMMANDS]\n")
    foreach(name IN LISTS names)
        string(STRIP "${name}" name)
        run_help2man(command_page "--help-option=${name} --help" --name=${name})
        # The command's page from its synopsis on: the synopsis heads the subsection, the
        # description and the option and argument lists follow as paragraphs.
        string(REGEX REPLACE "^.*\n\\.SH SYNOPSIS\n" "" body "${command_page}")
        string(REGEX REPLACE "\n\\.SH DESCRIPTION\n" "\n.PP\n" body "${body}")
        string(REGEX REPLACE "\n\\.SH OPTIONS\n" "\n.PP\n.B Options:\n" body "${body}")
        string(REGEX REPLACE "\n\\.SS \"([^\"]*)\"\n" "\n.PP\n.B \\1\n" body "${body}")
        string(APPEND commands_text ".SS ${name}\n${body}")
    endforeach()
    file(WRITE "${work}/${page_name}.commands.h2m" "${commands_text}")
    list(APPEND includes --include "${work}/${page_name}.commands.h2m")
endif()

run_help2man(text "--name=${NAME}" ${includes})
# The date of the release the page belongs to, not of the build.
string(REGEX REPLACE "\n\\.TH ([^ ]+) \"1\" \"[^\"]*\"" "\n.TH \\1 \"1\" \"${DATE}\"" text "${text}")
file(WRITE "${page}" "${text}")
# Debian's layout: the page compressed at the highest level, without a name or time stamp.
execute_process(COMMAND gzip -9 -n -f "${page}" RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "gzip failed on ${page}")
endif()
