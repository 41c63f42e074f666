# Installation layout and the Debian package.

# The positron tables the material lists read, and the electron tables of the same materials.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/p_QRV ${PROJECT_SOURCE_DIR}/data/p_STC
                  ${PROJECT_SOURCE_DIR}/data/e_QRV ${PROJECT_SOURCE_DIR}/data/e_STC
        DESTINATION ${CMAKE_INSTALL_DATADIR}/velmora/data)
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
install(DIRECTORY ${PROJECT_SOURCE_DIR}/src/core/ DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/velmora/core
        COMPONENT Development FILES_MATCHING PATTERN "*.h")
install(EXPORT VelmoraTargets NAMESPACE Velmora:: DESTINATION ${VELMORA_CMAKE_DIR}
        COMPONENT Development)
file(WRITE ${PROJECT_BINARY_DIR}/VelmoraConfig.cmake
     "include(\"\${CMAKE_CURRENT_LIST_DIR}/VelmoraTargets.cmake\")\n")
write_basic_package_version_file(${PROJECT_BINARY_DIR}/VelmoraConfigVersion.cmake
                                 COMPATIBILITY SameMinorVersion)
install(FILES ${PROJECT_BINARY_DIR}/VelmoraConfig.cmake ${PROJECT_BINARY_DIR}/VelmoraConfigVersion.cmake
        DESTINATION ${VELMORA_CMAKE_DIR} COMPONENT Development)

set(CPACK_GENERATOR DEB)
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

# The web edition's static site, when it has been built (scripts/web --build-only, which needs
# emscripten): served from share/velmora/web by any static web server.
set(VELMORA_WEB_SITE "${PROJECT_SOURCE_DIR}/build/web/site" CACHE PATH "The built web edition to install")
install(DIRECTORY "${VELMORA_WEB_SITE}/" DESTINATION ${CMAKE_INSTALL_DATADIR}/velmora/web OPTIONAL)
