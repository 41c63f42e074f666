# Installation layout and the Debian package.

# The positron tables the material lists read, and the electron tables of the same materials: a
# component of their own, which a program built on the core library may install without the
# windows (the Debian package holds every component).
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/p_QRV ${PROJECT_SOURCE_DIR}/data/p_STC
                  ${PROJECT_SOURCE_DIR}/data/e_QRV ${PROJECT_SOURCE_DIR}/data/e_STC
        DESTINATION ${CMAKE_INSTALL_DATADIR}/velmora/data COMPONENT Data)

# The manual pages, compressed as Debian installs them.
set(velmora_man_pages ${PROJECT_SOURCE_DIR}/docs/velmora.1 ${PROJECT_SOURCE_DIR}/docs/velmora-query.1)
if(TARGET velmora-tablegen)
    list(APPEND velmora_man_pages ${PROJECT_SOURCE_DIR}/docs/velmora-tablegen.1)
endif()
# velmora_gzip(SOURCE OUTPUT): OUTPUT made from SOURCE at build time, compressed as Debian wants
# (-9; -n leaves out the name and time, so that the same text always gives the same bytes).
set(velmora_compressed_files)
function(velmora_gzip source output)
    get_filename_component(folder ${output} DIRECTORY)
    add_custom_command(OUTPUT ${output}
                       COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
                       COMMAND sh -c "gzip -9 -n -c \"$0\" > \"$1\"" ${source} ${output}
                       DEPENDS ${source} VERBATIM)
    set(velmora_compressed_files ${velmora_compressed_files} ${output} PARENT_SCOPE)
endfunction()
foreach(page ${velmora_man_pages})
    get_filename_component(page_name ${page} NAME)
    velmora_gzip(${page} ${PROJECT_BINARY_DIR}/man/${page_name}.gz)
    install(FILES ${PROJECT_BINARY_DIR}/man/${page_name}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/data/README.md
        DESTINATION ${CMAKE_INSTALL_DATADIR}/velmora/data OPTIONAL)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/velmora.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/velmora.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/NOTICE ${PROJECT_SOURCE_DIR}/LICENSE
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
# Debian's copyright file: the program's licence, then the notices of the works it includes.
file(READ ${PROJECT_SOURCE_DIR}/NOTICE VELMORA_NOTICE)
configure_file(${PROJECT_SOURCE_DIR}/packaging/copyright.in ${PROJECT_BINARY_DIR}/copyright @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
# The package's maintainer, named in its control file and its changelog.
set(VELMORA_PACKAGE_CONTACT "Velmora developers <velmora@example.org>"
    CACHE STRING "Maintainer of the Debian package: Name <address>")
# The changelog a Debian package carries (changelog.gz, as the package is Debian's own format).
configure_file(${PROJECT_SOURCE_DIR}/packaging/changelog.in ${PROJECT_BINARY_DIR}/changelog @ONLY)
velmora_gzip(${PROJECT_BINARY_DIR}/changelog ${PROJECT_BINARY_DIR}/doc/changelog.gz)
install(FILES ${PROJECT_BINARY_DIR}/doc/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})
add_custom_target(velmora_compressed_files ALL DEPENDS ${velmora_compressed_files})

# The core library for other programs: static library, headers under include/velmora/core and a
# CMake package, so that find_package(Velmora) gives Velmora::core.
include(CMakePackageConfigHelpers)
set(VELMORA_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/Velmora)
install(TARGETS velmora_core EXPORT VelmoraTargets ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
        COMPONENT Development)
# A stripped install (the package) drops the archive's debug information but keeps its symbols,
# which the linker of a program using it needs.
install(CODE "if(CMAKE_INSTALL_DO_STRIP)
    execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-debug
        \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_LIBDIR}/$<TARGET_FILE_NAME:velmora_core>\")
endif()" COMPONENT Development)
install(FILES ${VELMORA_CORE_PUBLIC_HEADERS} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/velmora/core
        COMPONENT Development)
install(EXPORT VelmoraTargets NAMESPACE Velmora:: DESTINATION ${VELMORA_CMAKE_DIR}
        COMPONENT Development)
# The config sets Velmora_DATA_DIR to the installed tables, relative to where it was installed.
set(VELMORA_DATA_INSTALL_DIR ${CMAKE_INSTALL_DATADIR}/velmora/data)
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/VelmoraConfig.cmake.in
                              ${PROJECT_BINARY_DIR}/VelmoraConfig.cmake
                              INSTALL_DESTINATION ${VELMORA_CMAKE_DIR}
                              PATH_VARS VELMORA_DATA_INSTALL_DIR)
write_basic_package_version_file(${PROJECT_BINARY_DIR}/VelmoraConfigVersion.cmake
                                 COMPATIBILITY SameMinorVersion)
install(FILES ${PROJECT_BINARY_DIR}/VelmoraConfig.cmake ${PROJECT_BINARY_DIR}/VelmoraConfigVersion.cmake
        DESTINATION ${VELMORA_CMAKE_DIR} COMPONENT Development)

set(CPACK_GENERATOR DEB)
# The package holds what `cmake --install` would put into the configured prefix, so that the
# library's InstalledDataFolder() names the tables the package installs. Debian wants /usr.
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
if(NOT CMAKE_INSTALL_PREFIX STREQUAL "/usr")
    message(STATUS "Velmora: a Debian package is built for ${CMAKE_INSTALL_PREFIX}; configure with "
                   "-DCMAKE_INSTALL_PREFIX=/usr for one that belongs on a Debian system")
endif()
set(CPACK_PACKAGE_NAME velmora)
set(CPACK_PACKAGE_VENDOR "Velmora developers")
set(CPACK_PACKAGE_CONTACT "${VELMORA_PACKAGE_CONTACT}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Mass stopping powers and csda ranges of positrons in elements and compounds")
# The extended description; CPack puts the summary above it and indents it as Debian's control
# format wants (an empty line becomes the paragraph separator " .").
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Velmora shows the tabulated collision, radiative and total mass
stopping powers and csda ranges of positrons from 0.01 MeV to 1000 MeV in
98 elements and 180 compounds and mixtures, draws them on log-log graphs,
reads them at any energy and saves tables at equally spaced energies as
CSV files. Electron tables of the same materials come with it.

The package also holds velmora-query, the same look-ups from the command
line, velmora-tablegen, which makes tables for materials of one's own,
and the core library with its headers and CMake package for C++ programs.")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
# Library dependencies are read off the binaries; the fonts the windows are laid out for are added.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "fonts-ipafont-gothic, fonts-ipafont-mincho, fonts-liberation, qt6-qpa-plugins")
# The Python module runs on Debian's python3 with its NumPy.
if(TARGET velmora_python)
    string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS ", python3, python3-numpy")
endif()
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-motoya-l-maruberi")
include(CPack)

# The web edition's static site, when it has been built (scripts/web --build-only, which needs
# emscripten): served from share/velmora/web by any static web server.
set(VELMORA_WEB_SITE "${PROJECT_SOURCE_DIR}/build/web/site" CACHE PATH "The built web edition to install")
install(DIRECTORY "${VELMORA_WEB_SITE}/" DESTINATION ${CMAKE_INSTALL_DATADIR}/velmora/web OPTIONAL)
