# Fails when the English translation misses a text of the code (an unfinished entry) or keeps one
# that the code no longer has (an obsolete or vanished entry). lupdate works on a copy of the
# committed file, which stays as it is.
# Run as: cmake -DLUPDATE=<lupdate> -DSOURCE_DIR=<project root> -DWORK_DIR=<scratch folder>
#               -DOPTIONS=<lupdate options, ;-separated> -P check_translations.cmake
set(committed "${SOURCE_DIR}/translations/velmora_en.ts")
set(copy "${WORK_DIR}/velmora_en.ts")
file(MAKE_DIRECTORY "${WORK_DIR}")
file(COPY_FILE "${committed}" "${copy}")
execute_process(COMMAND "${LUPDATE}" ${OPTIONS} "${SOURCE_DIR}/src" -ts "${copy}"
                RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "lupdate failed (${status}):\n${output}")
endif()

file(READ "${copy}" updated)
# A semicolon would split the matches below, which CMake keeps as a list.
string(REPLACE ";" "@SEMICOLON@" updated "${updated}")
set(failures "")
foreach(kind unfinished obsolete vanished)
    string(REGEX MATCHALL "<source>[^<]*</source>[^<]*(<[a-z]*comment>[^<]*</[a-z]*comment>[^<]*)*<translation type=\"${kind}\""
           entries "${updated}")
    foreach(entry IN LISTS entries)
        string(REGEX REPLACE "^<source>([^<]*)</source>.*" "\\1" source "${entry}")
        string(REPLACE "@SEMICOLON@" ";" source "${source}")
        string(REPLACE "&quot;" "\"" source "${source}")
        string(REPLACE "&apos;" "'" source "${source}")
        string(REPLACE "&lt;" "<" source "${source}")
        string(REPLACE "&gt;" ">" source "${source}")
        string(REPLACE "&amp;" "&" source "${source}")
        string(APPEND failures "  ${kind}: ${source}\n")
    endforeach()
endforeach()
if(failures)
    message(FATAL_ERROR "translations/velmora_en.ts is not complete for the code in src/ "
                        "(build the target update_translations, then translate):\n${failures}")
endif()
message(STATUS "translations/velmora_en.ts translates every text of the code, and no other.")
