# The helpdocs tool itself: it paginates a long source with page numbers, embeds pictures found
# next to the source, and it refuses a missing source, a missing picture, a text that is not
# UTF-8 or a bad presets file instead of shipping a broken document.
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")

# Runs the tool on WORK/source into WORK/target (and more arguments); fails unless it refuses,
# leaves no target and says something matching `says` on stderr.
function(expect_refused source target says)
    execute_process(COMMAND "${TOOL}" "${WORK}/${source}" "${WORK}/${target}" ${ARGN}
                    RESULT_VARIABLE rc ERROR_VARIABLE err)
    if(rc EQUAL 0 OR EXISTS "${WORK}/${target}" OR NOT err MATCHES "${says}")
        message(FATAL_ERROR "helpdocs accepted ${source}: ${err}")
    endif()
endfunction()

set(body "")
foreach(i RANGE 1 120)
    string(APPEND body "<p>Абзац ${i}: шар летит в вязкой среде.</p>\n")
endforeach()
file(WRITE "${WORK}/long.html"
     "<html><head><title>Проба</title></head><body><h1>Заголовок</h1>\n${body}</body></html>\n")
execute_process(COMMAND "${TOOL}" "${WORK}/long.html" "${WORK}/long.pdf" RESULT_VARIABLE rc)
execute_process(COMMAND ${PDFINFO} "${WORK}/long.pdf" OUTPUT_VARIABLE info)
if(NOT rc EQUAL 0 OR NOT info MATCHES "Title: +Проба" OR NOT info MATCHES "Pages: +([0-9]+)"
   OR CMAKE_MATCH_1 LESS 2)
    message(FATAL_ERROR "helpdocs failed on 120 paragraphs, or put them on one page:\n${info}")
endif()
set(pages ${CMAKE_MATCH_1})
# Every paragraph survives the page breaks, and each page carries its own number, in order.
execute_process(COMMAND ${PDFTOTEXT} -enc UTF-8 "${WORK}/long.pdf" - OUTPUT_VARIABLE text)
string(REGEX MATCHALL "[0-9]+ из ${pages}" numbers "${text}")
set(expected)
foreach(page RANGE 1 ${pages})
    list(APPEND expected "${page} из ${pages}")
endforeach()
if(NOT text MATCHES "Абзац 1:.*Абзац 60:.*Абзац 120:" OR NOT numbers STREQUAL expected)
    message(FATAL_ERROR "long.pdf lost paragraphs, or its pages are numbered ${numbers}")
endif()

expect_refused(absent.html absent.pdf "")
string(ASCII 233 latin1) # "é" in Latin-1: a byte that cannot stand alone in UTF-8
file(WRITE "${WORK}/latin1.txt" "caf${latin1}\n")
expect_refused(latin1.txt copy.txt "")
# A presets file with a bad row stops the build, naming the row.
file(WRITE "${WORK}/marked.html" "<html><!-- preset tables: data/presets.tsv --></html>")
file(WRITE "${WORK}/bad.tsv"
     "kind\tname\tdensity\tviscosity\tsource\nmedium\tвода\t998,2\t0.001\tкнига\n")
expect_refused(marked.html marked.pdf "bad.tsv line 2: density" "${WORK}/bad.tsv")

# A picture next to the source is embedded; a missing one stops the build.
file(COPY "${PICTURE}" DESTINATION "${WORK}")
get_filename_component(picture "${PICTURE}" NAME)
file(WRITE "${WORK}/picture.html" "<html><body><p>Окно</p><img src=\"${picture}\" width=\"300\"></body></html>")
execute_process(COMMAND "${TOOL}" "${WORK}/picture.html" "${WORK}/picture.pdf" RESULT_VARIABLE rc)
execute_process(COMMAND ${PDFIMAGES} -list "${WORK}/picture.pdf" OUTPUT_VARIABLE images)
if(NOT rc EQUAL 0 OR NOT images MATCHES "\n +1 +0 +image")
    message(FATAL_ERROR "helpdocs did not embed ${picture}:\n${images}")
endif()
file(WRITE "${WORK}/nopicture.html" "<html><body><img src=\"absent.png\"></body></html>")
expect_refused(nopicture.html nopicture.pdf "absent.png")
