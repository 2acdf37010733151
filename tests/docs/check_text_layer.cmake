# What search and copy find in the help documents in DIR (the PDFs and text files): no line
# of a PDF twice across a page break (a line cut by the page's edge and painted on both pages),
# no «кг/м3» where «кг/м³» belongs, and not the buoyancy written as if it divided the weight.
set(forbidden "кг/м3" "в (1 − ρ0/ρ) раз")
file(GLOB docs "${DIR}/*.pdf" "${DIR}/*.txt")
if(NOT docs)
    message(FATAL_ERROR "no help documents in ${DIR}")
endif()
set(faults)
foreach(doc IN LISTS docs)
    if(doc MATCHES "\\.txt$")
        file(READ "${doc}" text)
    else()
        execute_process(COMMAND ${PDFTOTEXT} -enc UTF-8 "${doc}" - OUTPUT_VARIABLE text)
        # Where each word was painted. The pages show text between their top margin (15 mm)
        # and the band of the page number (20 mm above the lower edge); a word that starts
        # above the margin or runs into the band was cut by the page's edge, and its line
        # is painted again on the neighbouring page.
        execute_process(COMMAND ${PDFTOTEXT} -enc UTF-8 -bbox "${doc}" - OUTPUT_VARIABLE boxes)
        string(REGEX REPLACE "[][;]" "," boxes "${boxes}") # not list syntax
        string(REGEX MATCHALL "<page [^>]*height=\"[0-9.]+\"|<word [^<]*</word>" items
               "${boxes}")
        set(page 0)
        set(faultPage 0)
        foreach(item IN LISTS items)
            if(item MATCHES "^<page [^>]*height=\"([0-9]+)")
                math(EXPR page "${page} + 1")
                math(EXPR bottom "${CMAKE_MATCH_1} - 57") # 20 mm in points
                continue()
            endif()
            string(REGEX MATCH "yMin=\"([0-9]+)[^\"]*\" xMax=\"[0-9.]+\" yMax=\"([0-9]+)" _
                   "${item}")
            set(top ${CMAKE_MATCH_1})
            set(low ${CMAKE_MATCH_2})
            if(NOT page EQUAL faultPage AND
               (top LESS 42 OR (top LESS bottom AND low GREATER bottom)))
                string(REGEX REPLACE ".*>([^<]*)</word>" "\\1" word "${item}")
                list(APPEND faults "${doc} page ${page}: «${word}…» is cut by the page's edge")
                set(faultPage ${page}) # one message a page
            endif()
        endforeach()
    endif()
    string(REPLACE " " " " text "${text}") # no-break spaces read as spaces
    string(REGEX REPLACE "[ \t\r\n]+" " " text "${text}")
    foreach(wrong IN LISTS forbidden)
        string(FIND "${text}" "${wrong}" at)
        if(NOT at EQUAL -1)
            list(APPEND faults "${doc}: «${wrong}»")
        endif()
    endforeach()
endforeach()
if(faults)
    list(JOIN faults "\n" faults)
    message(FATAL_ERROR "${faults}")
endif()
