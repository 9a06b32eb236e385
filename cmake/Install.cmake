# Installation like a Linux desktop program: the executables and the help page
# together in one program folder (the program finds kescvt and snvc.html beside
# its real executable), a launcher link in bin/, the desktop entry, the icon in
# the hicolor sizes and the AppStream metadata; and a Debian package by CPack.
include(GNUInstallDirs)

set(SONAVERT_APP_ID com.kestrune.Sonavert)
set(SONAVERT_PROGRAM_DIR lib/sonavert)

install(TARGETS sonavert RUNTIME DESTINATION ${SONAVERT_PROGRAM_DIR})
if(TARGET kescvt)
  install(TARGETS kescvt RUNTIME DESTINATION ${SONAVERT_PROGRAM_DIR})
endif()
install(FILES res/snvc.html DESTINATION ${SONAVERT_PROGRAM_DIR})

# bin/sonavert is a relative symbolic link, so the installed tree can move as a whole.
file(RELATIVE_PATH _to_program /${CMAKE_INSTALL_BINDIR} /${SONAVERT_PROGRAM_DIR}/sonavert)
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/launcher)
file(CREATE_LINK ${_to_program} ${CMAKE_BINARY_DIR}/launcher/sonavert SYMBOLIC)
install(FILES ${CMAKE_BINARY_DIR}/launcher/sonavert DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES res/${SONAVERT_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
# The release in the AppStream file and the package's changelog is project()'s version.
configure_file(packaging/${SONAVERT_APP_ID}.metainfo.xml.in ${CMAKE_BINARY_DIR}/packaging/${SONAVERT_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/packaging/${SONAVERT_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Manual pages and the changelog, compressed as Debian wants them (no time stamp
# in the gzip header, so builds stay reproducible).
find_program(GZIP_PROGRAM gzip REQUIRED)
set(_compressed)
foreach(_page sonavert kescvt)
  configure_file(man/${_page}.1 ${CMAKE_BINARY_DIR}/packaging/${_page}.1 @ONLY)
  list(APPEND _compressed ${_page}.1)
endforeach()
configure_file(packaging/changelog.in ${CMAKE_BINARY_DIR}/packaging/changelog @ONLY)
list(APPEND _compressed changelog)
set(_gz_files)
foreach(_file IN LISTS _compressed)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/packaging/${_file}.gz
    COMMAND ${GZIP_PROGRAM} -9n -c ${_file} > ${_file}.gz
    DEPENDS ${CMAKE_BINARY_DIR}/packaging/${_file}
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/packaging VERBATIM)
  list(APPEND _gz_files ${CMAKE_BINARY_DIR}/packaging/${_file}.gz)
endforeach()
add_custom_target(compressed_docs ALL DEPENDS ${_gz_files})
install(FILES ${CMAKE_BINARY_DIR}/packaging/sonavert.1.gz ${CMAKE_BINARY_DIR}/packaging/kescvt.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_BINARY_DIR}/packaging/changelog.gz packaging/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/sonavert)
foreach(_size 16 24 32 48 64 128 256)
  set(_icon ${CMAKE_SOURCE_DIR}/res/icons/sonavert-${_size}.png)
  if(EXISTS ${_icon})
    install(FILES ${_icon} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${_size}x${_size}/apps
            RENAME ${SONAVERT_APP_ID}.png)
  endif()
endforeach()

set(CPACK_PACKAGE_NAME sonavert)
set(CPACK_PACKAGE_VENDOR Kestrune)
set(CPACK_PACKAGE_CONTACT "Kestrune <support@kestrune.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Desktop audio converter")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Files, folders and links are handed to other programs through xdg-open; Qt's
# own texts (the standard dialogs' buttons) come in the user's language from
# qt6-translations-l10n, beside the program's own, which are built in.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "xdg-utils, qt6-translations-l10n")
# Stripped binaries: the package is for running, not for debugging.
set(CPACK_STRIP_FILES ON)
# The synopsis comes from CPACK_PACKAGE_DESCRIPTION_SUMMARY; this is the rest.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Sonavert converts audio and video files into MP3, MP2, WAV, WMA, OGG,
AAC, M4A, M4B, AC3, AIFF, AU, RA, AMR, FLAC and Opus, with per-file status,
a progress window and policies for output folders and existing files.")
set(CPACK_GENERATOR DEB)
include(CPack)
