# The helpdocs tool itself: it paginates a long source with page numbers, embeds pictures found
# next to the source, and it refuses a missing source, a missing picture or a text that is not
# UTF-8 instead of shipping a broken document.
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")

set(body "")
foreach(i RANGE 1 120)
    string(APPEND body "<p>Абзац ${i}: шар летит в вязкой среде.</p>\n")
endforeach()
file(WRITE "${WORK}/long.html"
     "<html><head><title>Проба</title></head><body><h1>Заголовок</h1>\n${body}</body></html>\n")
execute_process(COMMAND "${TOOL}" "${WORK}/long.html" "${WORK}/long.pdf" RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "helpdocs failed on a valid source")
endif()
execute_process(COMMAND ${PDFINFO} "${WORK}/long.pdf" OUTPUT_VARIABLE info)
if(NOT info MATCHES "Title: +Проба" OR NOT info MATCHES "Pages: +([0-9]+)")
    message(FATAL_ERROR "long.pdf lacks its title or page count:\n${info}")
endif()
set(pages ${CMAKE_MATCH_1})
if(pages LESS 2)
    message(FATAL_ERROR "120 paragraphs fit on ${pages} page")
endif()
# Every paragraph survives the page breaks, and each page carries its own number.
execute_process(COMMAND ${PDFTOTEXT} -enc UTF-8 "${WORK}/long.pdf" - OUTPUT_VARIABLE text)
foreach(i 1 60 120)
    if(NOT text MATCHES "Абзац ${i}:")
        message(FATAL_ERROR "paragraph ${i} is missing from long.pdf")
    endif()
endforeach()
foreach(page RANGE 1 ${pages})
    execute_process(COMMAND ${PDFTOTEXT} -enc UTF-8 -f ${page} -l ${page} "${WORK}/long.pdf" -
                    OUTPUT_VARIABLE pageText)
    if(NOT pageText MATCHES "${page} из ${pages}")
        message(FATAL_ERROR "page ${page} of long.pdf is not numbered")
    endif()
endforeach()

execute_process(COMMAND "${TOOL}" "${WORK}/absent.html" "${WORK}/absent.pdf"
                RESULT_VARIABLE rc ERROR_QUIET)
if(rc EQUAL 0 OR EXISTS "${WORK}/absent.pdf")
    message(FATAL_ERROR "helpdocs accepted a missing source")
endif()

string(ASCII 233 latin1) # "é" in Latin-1: a byte that cannot stand alone in UTF-8
file(WRITE "${WORK}/latin1.txt" "caf${latin1}\n")
execute_process(COMMAND "${TOOL}" "${WORK}/latin1.txt" "${WORK}/copy.txt"
                RESULT_VARIABLE rc ERROR_QUIET)
if(rc EQUAL 0 OR EXISTS "${WORK}/copy.txt")
    message(FATAL_ERROR "helpdocs copied a text that is not UTF-8")
endif()

# A presets file with a bad row stops the build, naming the row, and leaves no document.
file(WRITE "${WORK}/marked.html" "<html><!-- preset tables: data/presets.tsv --></html>")
file(WRITE "${WORK}/bad.tsv"
     "kind\tname\tdensity\tviscosity\tsource\nmedium\tвода\t998,2\t0.001\tкнига\n")
execute_process(COMMAND "${TOOL}" "${WORK}/marked.html" "${WORK}/marked.pdf" "${WORK}/bad.tsv"
                RESULT_VARIABLE rc ERROR_VARIABLE err)
if(rc EQUAL 0 OR EXISTS "${WORK}/marked.pdf" OR NOT err MATCHES "bad.tsv line 2: density")
    message(FATAL_ERROR "helpdocs accepted a bad presets file: ${err}")
endif()

# A picture next to the source is embedded; a missing one stops the build and leaves no document.
file(COPY "${PICTURE}" DESTINATION "${WORK}")
get_filename_component(picture "${PICTURE}" NAME)
file(WRITE "${WORK}/picture.html" "<html><body><p>Окно</p><img src=\"${picture}\" width=\"300\"></body></html>")
execute_process(COMMAND "${TOOL}" "${WORK}/picture.html" "${WORK}/picture.pdf" RESULT_VARIABLE rc)
execute_process(COMMAND ${PDFIMAGES} -list "${WORK}/picture.pdf" OUTPUT_VARIABLE images)
if(NOT rc EQUAL 0 OR NOT images MATCHES "\n +1 +0 +image")
    message(FATAL_ERROR "helpdocs did not embed ${picture}:\n${images}")
endif()
file(WRITE "${WORK}/nopicture.html" "<html><body><img src=\"absent.png\"></body></html>")
execute_process(COMMAND "${TOOL}" "${WORK}/nopicture.html" "${WORK}/nopicture.pdf"
                RESULT_VARIABLE rc ERROR_VARIABLE err)
if(rc EQUAL 0 OR EXISTS "${WORK}/nopicture.pdf" OR NOT err MATCHES "absent.png")
    message(FATAL_ERROR "helpdocs accepted a missing picture: ${err}")
endif()
