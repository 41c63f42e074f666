# Checks the direction of the includes between the program's layers:
#   core           the standard library only: no Qt, no toolkit, no window, no app
#   toolkit        Qt and itself: no core, no window, no app
#   window folders core and toolkit: never another window folder, never the app
#   tools          programs without Qt
#   web            the WebAssembly bindings: the core only (no Qt, toolkit, window, app or tool)
# Run as: cmake -DSOURCE_DIR=<project root> -P check_layers.cmake; fails naming each wrong include.
set(window_folders main_window graph interval_table info_windows)
set(failures "")

# Appends to failures every include of a file under folder that matches the regular expression.
function(forbid folder pattern reason)
    file(GLOB_RECURSE sources "${SOURCE_DIR}/${folder}/*.h" "${SOURCE_DIR}/${folder}/*.cpp")
    foreach(source ${sources})
        file(STRINGS "${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
        foreach(line ${includes})
            if(line MATCHES "${pattern}")
                file(RELATIVE_PATH name "${SOURCE_DIR}" "${source}")
                string(APPEND failures "  ${name}: ${line}  (${reason})\n")
            endif()
        endforeach()
    endforeach()
    set(failures "${failures}" PARENT_SCOPE)
endfunction()

string(JOIN "|" windows_or_app ${window_folders} app)
forbid(src/core "[<\"]Q|[<\"]q[a-z]*\\.h|\"(toolkit|${windows_or_app})/" "the core is plain C++")
forbid(src/toolkit "\"(core|${windows_or_app})/" "the toolkit knows no physics and no window")
foreach(folder ${window_folders})
    set(others ${window_folders} app)
    list(REMOVE_ITEM others ${folder})
    string(JOIN "|" others_pattern ${others})
    forbid(src/${folder} "\"(${others_pattern})/" "a window folder includes no other window")
endforeach()
forbid(tools "[<\"]Q[A-Za-z]*[>\"/]" "the command-line programs link no Qt")
forbid(web "[<\"]Q|[<\"]q[a-z]*\\.h|\"(toolkit|tablegen|query|${windows_or_app})/" "the web edition links only the core")

if(failures)
    message(FATAL_ERROR "Includes against the layering:\n${failures}")
endif()
message(STATUS "Layering holds: core, toolkit, window folders, tools and web include only what they may.")
