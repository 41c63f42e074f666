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
set(velmora_compressed_man_pages)
foreach(page ${velmora_man_pages})
    get_filename_component(page_name ${page} NAME)
    set(compressed ${PROJECT_BINARY_DIR}/man/${page_name}.gz)
    # -n leaves out the name and time, so that the same page always gives the same bytes.
    add_custom_command(OUTPUT ${compressed}
                       COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/man
                       COMMAND sh -c "gzip -9 -n -c \"$0\" > \"$1\"" ${page} ${compressed}
                       DEPENDS ${page} VERBATIM)
    list(APPEND velmora_compressed_man_pages ${compressed})
endforeach()
add_custom_target(velmora_man_pages ALL DEPENDS ${velmora_compressed_man_pages})
install(FILES ${velmora_compressed_man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_SOURCE_DIR}/data/README.md
        DESTINATION ${CMAKE_INSTALL_DATADIR}/velmora/data OPTIONAL)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/velmora.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/velmora.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/NOTICE ${PROJECT_SOURCE_DIR}/LICENSE
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${PROJECT_SOURCE_DIR}/NOTICE DESTINATION ${CMAKE_INSTALL_DOCDIR} RENAME copyright)

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
set(CPACK_PACKAGE_CONTACT "Velmora developers <velmora@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Mass stopping powers and csda ranges of positrons in elements and compounds")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
# Library dependencies are read off the binaries; the fonts the windows are laid out for are added.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "fonts-ipafont-gothic, fonts-ipafont-mincho, fonts-liberation, qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-motoya-l-maruberi")
include(CPack)
