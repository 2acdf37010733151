# Checks one generated help document: DOC exists; a PDF opens in pdfinfo, is A4, has at least
# MIN_PAGES pages and "N из N" ("N of N" in English) at the foot of its last page; a text file
# is valid UTF-8; every text of TEXTS (separated by #) occurs, compared with runs of white space
# (no-break spaces too) made single; and an English document ("name.en.pdf") has no Cyrillic
# letter besides the language menu's own names.
if(NOT EXISTS "${DOC}")
    message(FATAL_ERROR "${DOC} was not generated")
endif()

if(DOC MATCHES "\\.txt$")
    execute_process(COMMAND ${ICONV} -f UTF-8 -t UTF-8 "${DOC}" OUTPUT_QUIET
                    RESULT_VARIABLE rc ERROR_VARIABLE err)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "${DOC} is not valid UTF-8: ${err}")
    endif()
    file(READ "${DOC}" text)
else()
    execute_process(COMMAND ${PDFINFO} "${DOC}" OUTPUT_VARIABLE info ERROR_VARIABLE info)
    if(NOT info MATCHES "Page size:[^\n]*\\(A4\\)" OR NOT info MATCHES "Pages: +([0-9]+)"
       OR CMAKE_MATCH_1 LESS MIN_PAGES)
        message(FATAL_ERROR "${DOC} is not an A4 PDF of at least ${MIN_PAGES} pages:\n${info}")
    endif()
    set(pages ${CMAKE_MATCH_1})
    execute_process(COMMAND ${PDFTOTEXT} -enc UTF-8 "${DOC}" - OUTPUT_VARIABLE text)
    execute_process(COMMAND ${PDFTOTEXT} -enc UTF-8 -f ${pages} -l ${pages} "${DOC}" -
                    OUTPUT_VARIABLE lastPage)
    set(of "из")
    if(DOC MATCHES "\\.en\\.")
        set(of "of")
    endif()
    if(NOT lastPage MATCHES "${pages} ${of} ${pages}")
        message(FATAL_ERROR "the last page of ${DOC} has no page number ${pages} ${of} ${pages}")
    endif()
endif()

string(REPLACE " " " " text "${text}") # a no-break space reads as a space
string(REGEX REPLACE "[ \t\r\n]+" " " text "${text}")
string(REPLACE "#" ";" wanted "${TEXTS}")
set(missing)
foreach(item IN LISTS wanted)
    string(FIND "${text}" "${item}" at)
    if(at EQUAL -1)
        list(APPEND missing "«${item}»")
    endif()
endforeach()
if(missing)
    list(JOIN missing ", " missing)
    message(FATAL_ERROR "${DOC} lacks ${missing}")
endif()

if(DOC MATCHES "\\.en\\.")
    string(REPLACE "Язык / Language" "" latin "${text}")
    string(REPLACE "Русский" "" latin "${latin}")
    # Every Cyrillic letter (U+0400 to U+04FF) starts with one of the bytes D0 to D3 in UTF-8.
    foreach(lead RANGE 208 211)
        string(ASCII ${lead} byte)
        string(FIND "${latin}" "${byte}" at)
        if(NOT at EQUAL -1)
            math(EXPR from "${at} - 40")
            if(from LESS 0)
                set(from 0)
            endif()
            string(SUBSTRING "${latin}" ${from} 80 context)
            message(FATAL_ERROR "${DOC} has a Cyrillic letter: …${context}…")
        endif()
    endforeach()
endif()
