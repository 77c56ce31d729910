# `cmake --install`: on Linux a GNU tree (see OrvInstallDirs.cmake), on Windows the flat folder
# of the zip, DLLs and site files side by side as the host finds them.
# Folders as Debian wants them whatever the builder's umask.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
    GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(ORV_DELIVERABLES filmcard discfetch filescan filmsearch auctionsearch pagebuilder)
set(orv_installed)
foreach(deliverable ${ORV_DELIVERABLES})
  if(TARGET ${deliverable})
    list(APPEND orv_installed ${deliverable})
  endif()
endforeach()

set(orv_sites ${CMAKE_SOURCE_DIR}/samples/sites/filmsearch.ini
    ${CMAKE_SOURCE_DIR}/samples/sites/auctionsearch.ini)

if(WIN32)
  install(TARGETS ${orv_installed} RUNTIME DESTINATION .)
  if(TARGET orvhost)
    install(TARGETS orvhost RUNTIME DESTINATION .)
  endif()
  install(FILES ${orv_sites} DESTINATION .)
  install(DIRECTORY ${CMAKE_SOURCE_DIR}/samples/templates/ DESTINATION modeles)
  # Notepad and the host's users read it: CR LF line ends.
  configure_file(${CMAKE_SOURCE_DIR}/packaging/LISEZMOI.txt
                 ${CMAKE_BINARY_DIR}/packaging/LISEZMOI.txt @ONLY NEWLINE_STYLE CRLF)
  install(FILES ${CMAKE_BINARY_DIR}/packaging/LISEZMOI.txt DESTINATION .)
  return()
endif()

install(TARGETS ${orv_installed} LIBRARY DESTINATION ${ORV_INSTALL_FILTERDIR})
if(TARGET orvhost)
  install(TARGETS orvhost RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
install(FILES ${orv_sites} DESTINATION ${ORV_INSTALL_DATADIR}/sites)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/samples/templates/ DESTINATION ${ORV_INSTALL_DATADIR}/templates)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/samples/films ${CMAKE_SOURCE_DIR}/samples/media
                  ${CMAKE_SOURCE_DIR}/samples/icons
        DESTINATION ${ORV_INSTALL_DATADIR}/samples
        PATTERN "*.sh" EXCLUDE)

# The manual page and the changelog are stored compressed, without a time stamp (-n) so that
# the package is the same from one build to the next.
find_program(ORV_GZIP gzip REQUIRED)
set(orv_man ${CMAKE_BINARY_DIR}/packaging/orvhost.1.gz)
set(orv_changelog ${CMAKE_BINARY_DIR}/packaging/changelog.gz)
configure_file(${CMAKE_SOURCE_DIR}/packaging/orvhost.1 ${CMAKE_BINARY_DIR}/packaging/orvhost.1 @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/packaging/changelog ${CMAKE_BINARY_DIR}/packaging/changelog
               @ONLY)
add_custom_command(OUTPUT ${orv_man} ${orv_changelog}
  COMMAND ${ORV_GZIP} -9nkf ${CMAKE_BINARY_DIR}/packaging/orvhost.1
  COMMAND ${ORV_GZIP} -9nkf ${CMAKE_BINARY_DIR}/packaging/changelog
  DEPENDS ${CMAKE_BINARY_DIR}/packaging/orvhost.1 ${CMAKE_BINARY_DIR}/packaging/changelog
  COMMENT "Compressing the manual page and the changelog")
add_custom_target(orv_package_docs ALL DEPENDS ${orv_man} ${orv_changelog})
install(FILES ${orv_man} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/orvhost.bash-completion
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME orvhost)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/orvhost.lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME orvhost)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/copyright ${orv_changelog}
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/orvhost)
