# Installation and packages. On Debian and other POSIX systems: the programs
# under bin/, their man pages and the README (`cpack -G DEB` makes a .deb).
# For Windows, for owners rather than developers: both .exe, the browser
# page in one file, a short guide as README.txt and the man pages as plain
# text at the top of a .zip (`cpack -G ZIP` in the MinGW build). Packaged
# programs are stripped (CPACK_STRIP_FILES): no symbols, no debug sections.
include(GNUInstallDirs)

set(CPACK_PACKAGE_NAME orva-tools)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "orva-tools developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Configuration reporter and flash library builder for ORVA repeater controllers")
set(CPACK_PACKAGE_CONTACT "orva-tools developers <orva-tools@localhost>")
set(CPACK_STRIP_FILES ON)

if(WIN32)
  install(TARGETS cfgscribe sndbank RUNTIME DESTINATION .)
  # The guide for Windows owners, with the CR LF line ends Notepad wants.
  file(READ ${CMAKE_SOURCE_DIR}/docs/windows-guide.txt guide)
  string(REPLACE "\n" "\r\n" guide "${guide}")
  file(WRITE ${CMAKE_BINARY_DIR}/README.txt "${guide}")
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/docs/windows-guide.txt)
  install(FILES ${CMAKE_BINARY_DIR}/README.txt DESTINATION .)
  # The self-contained page, which `bash web/build.sh` makes.
  set(ORVA_WEB_PAGE ${CMAKE_SOURCE_DIR}/build-web/orva-tools.html CACHE FILEPATH
      "The self-contained browser page the Windows package carries")
  install(CODE "if(NOT EXISTS \"${ORVA_WEB_PAGE}\")
    message(FATAL_ERROR \"${ORVA_WEB_PAGE} is missing: run bash web/build.sh first\")
  endif()")
  install(FILES ${ORVA_WEB_PAGE} DESTINATION . OPTIONAL)
  # Windows has no man reader: the pages go along as formatted text with
  # CR LF line ends, made here by groff.
  find_program(ORVA_GROFF groff)
  if(ORVA_GROFF)
    foreach(page cfgscribe sndbank)
      set(text ${CMAKE_BINARY_DIR}/man/${page}.txt)
      add_custom_command(OUTPUT ${text}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
        COMMAND sh -c "'${ORVA_GROFF}' -man -Tascii -P-cbou '${CMAKE_SOURCE_DIR}/docs/${page}.1' | sed 's/$/\\r/' > '${text}'"
        DEPENDS ${CMAKE_SOURCE_DIR}/docs/${page}.1 VERBATIM)
      list(APPEND ORVA_MAN_TEXTS ${text})
    endforeach()
    add_custom_target(man_text ALL DEPENDS ${ORVA_MAN_TEXTS})
    install(FILES ${ORVA_MAN_TEXTS} DESTINATION .)
  else()
    message(STATUS "groff not found: the Windows package leaves out the manual pages")
  endif()
  set(CPACK_GENERATOR ZIP)
  set(CPACK_SYSTEM_NAME windows-x86_64)
  set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
else()
  install(TARGETS cfgscribe sndbank RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES docs/cfgscribe.1 docs/sndbank.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES README.md DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/${CPACK_PACKAGE_NAME})
  set(CPACK_GENERATOR DEB)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SECTION utils)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
endif()

include(CPack)
