# Installation (cmake --install BUILD --prefix P):
#   P/lib/orsalimbra/          the program folder: orsalimbra, orsalimbra-cli,
#                              Orsalimbra.ini (+ .dist copy), Orsalimbra.htm
#   P/bin/orsalimbra, P/bin/orsalimbra-cli
#                              relative symbolic links into the program folder;
#                              the program still finds its folder, because
#                              QCoreApplication::applicationDirPath() resolves
#                              the link through /proc/self/exe
#   P/share/applications/it.nerb.orsalimbra.desktop, P/share/icons/hicolor/scalable/apps/orsalimbra.svg
#                              the desktop menu entry and its icon
#   P/share/metainfo/it.nerb.orsalimbra.metainfo.xml
#                              what software centres show
#   P/share/man/man1/orsalimbra.1.gz, P/share/man/man1/orsalimbra-cli.1.gz
#                              the manual pages
# The executables' own install rules are in src/app and src/cli and use
# ORSALIMBRA_INSTALL_PROGRAM_DIR.

# The data file and help page. A data file the user has edited survives a
# reinstall (rule in PlaceShippedFiles.cmake); the data file itself is left
# out of the install manifest so that removing the listed files keeps it.
install(CODE "
  set(SOURCE_DIR \"${CMAKE_SOURCE_DIR}/data\")
  set(DEST_DIR \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${ORSALIMBRA_INSTALL_PROGRAM_DIR}\")
  message(STATUS \"Placing the data file and help page in: \${DEST_DIR}\")
  include(\"${CMAKE_SOURCE_DIR}/cmake/PlaceShippedFiles.cmake\")
  list(APPEND CMAKE_INSTALL_MANIFEST_FILES \${PLACED_FILES})
")

# Launchers.
file(RELATIVE_PATH ORSALIMBRA_BIN_TO_PROGRAM_DIR
     "/prefix/${CMAKE_INSTALL_BINDIR}" "/prefix/${ORSALIMBRA_INSTALL_PROGRAM_DIR}")
install(CODE "
  set(_bin \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
  file(MAKE_DIRECTORY \"\${_bin}\")
  foreach(_program orsalimbra orsalimbra-cli)
    message(STATUS \"Installing: \${_bin}/\${_program} -> ${ORSALIMBRA_BIN_TO_PROGRAM_DIR}/\${_program}\")
    file(CREATE_LINK \"${ORSALIMBRA_BIN_TO_PROGRAM_DIR}/\${_program}\" \"\${_bin}/\${_program}\" SYMBOLIC)
    list(APPEND CMAKE_INSTALL_MANIFEST_FILES \"\${_bin}/\${_program}\")
  endforeach()
")

# Menu entry, with the launcher's full path (known only at install time). Its
# file is named after the software-centre id; an entry of an earlier
# installation under the old name would show the program twice in the menu.
install(FILES ${CMAKE_SOURCE_DIR}/data/orsalimbra.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(CODE "
  get_filename_component(_prefix \"\${CMAKE_INSTALL_PREFIX}\" ABSOLUTE)
  set(EXEC \"\${_prefix}/${CMAKE_INSTALL_BINDIR}/orsalimbra\")
  set(_applications \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/applications\")
  set(SOURCE \"${CMAKE_SOURCE_DIR}/data/${ORSALIMBRA_APP_ID}.desktop.in\")
  set(OUTPUT \"\${_applications}/${ORSALIMBRA_APP_ID}.desktop\")
  message(STATUS \"Installing: \${OUTPUT}\")
  include(\"${CMAKE_SOURCE_DIR}/cmake/ConfigureDesktopEntry.cmake\")
  list(APPEND CMAKE_INSTALL_MANIFEST_FILES \"\${OUTPUT}\")
  if(EXISTS \"\${_applications}/orsalimbra.desktop\")
    message(STATUS \"Removing the menu entry of an earlier installation: \${_applications}/orsalimbra.desktop\")
    file(REMOVE \"\${_applications}/orsalimbra.desktop\")
  endif()
")

# Software-centre data and manual pages, made by cmake/DesktopData.cmake.
install(FILES ${ORSALIMBRA_METAINFO} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${ORSALIMBRA_MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
