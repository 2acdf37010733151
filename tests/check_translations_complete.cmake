# Runs lupdate over the sources into a copy of TS and fails, naming them, when a text has no
# translation (new in the sources, or left unfinished in TS).
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
get_filename_component(name "${TS}" NAME)
file(COPY_FILE "${TS}" "${WORK}/${name}")
execute_process(COMMAND ${LUPDATE} -silent -no-obsolete -locations none @${SOURCES}
                        -ts ${WORK}/${name}
                RESULT_VARIABLE rc OUTPUT_QUIET ERROR_QUIET)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "lupdate failed with status ${rc}")
endif()
file(READ "${WORK}/${name}" ts)
string(REGEX MATCHALL "<source>[^<]*</source>[ \t\r\n]*<translation type=\"unfinished\""
       untranslated "${ts}")
if(untranslated)
    list(LENGTH untranslated count)
    string(REGEX REPLACE "[ \t\r\n]*<translation type=\"unfinished\"" "" untranslated
           "${untranslated}")
    message(FATAL_ERROR "${count} texts have no English in ${TS} (run the update_translations "
                        "target and translate them):\n${untranslated}")
endif()
