# The tables of materials and media in spravka.pdf (DOC) show every row of the presets file
# (PRESETS) on one laid-out line: its name, then its density and viscosity as the input fields
# show them (one and seven decimals, halves rounded up).

# value rounded to the field's decimals, worked out on its decimal digits.
function(field_text value decimals out)
    if(NOT value MATCHES "^([0-9]+)(\\.([0-9]+))?$")
        message(FATAL_ERROR "\"${value}\" in ${PRESETS} is not a plain decimal")
    endif()
    string(SUBSTRING "${CMAKE_MATCH_3}0000000000" 0 ${decimals} kept)
    string(SUBSTRING "${CMAKE_MATCH_3}0000000000" ${decimals} 1 next)
    math(EXPR digits "${CMAKE_MATCH_1}${kept} + ${next} / 5") # leading zeros read as decimal
    # Zeros in front for a value below 1, then the point before the last `decimals` digits.
    string(REPEAT "0" ${decimals} zeros)
    string(REPEAT "[0-9]" ${decimals} fraction)
    string(REGEX REPLACE "^0*([0-9]+)(${fraction})$" "\\1.\\2" result "${zeros}${digits}")
    set(${out} "${result}" PARENT_SCOPE)
endfunction()

execute_process(COMMAND ${PDFTOTEXT} -enc UTF-8 -layout "${DOC}" - OUTPUT_VARIABLE text)
# Each line without its indent, runs of blanks made single.
string(REGEX REPLACE "[ \t]+" " " text "\n${text}")
string(REPLACE "\n " "\n" text "${text}")

# The rows as a CMake list; a ";" in a source text must not split its row.
file(READ "${PRESETS}" rows)
string(REPLACE ";" "," rows "${rows}")
string(REPLACE "\n" ";" rows "${rows}")
set(count 0)
set(missing)
foreach(row IN LISTS rows)
    if(NOT row MATCHES "^(material|medium)\t([^\t]+)\t([^\t]+)\t([^\t]*)\t")
        continue()
    endif()
    set(name "${CMAKE_MATCH_2}")
    set(viscosity "${CMAKE_MATCH_4}")
    field_text("${CMAKE_MATCH_3}" 1 shown)
    if(CMAKE_MATCH_1 STREQUAL "medium")
        field_text("${viscosity}" 7 shownViscosity)
        string(APPEND shown " ${shownViscosity}")
    endif()
    string(FIND "${text}" "\n${name} ${shown} " at)
    if(at EQUAL -1)
        list(APPEND missing "«${name} ${shown}»")
    endif()
    math(EXPR count "${count} + 1")
endforeach()
if(count LESS 18 OR missing)
    list(JOIN missing ", " missing)
    message(FATAL_ERROR "${count} presets; ${DOC} lacks the rows ${missing}")
endif()
