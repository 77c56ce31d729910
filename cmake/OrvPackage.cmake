# CPack: a Debian package of orvhost and the filters on Linux, a zip of the DLLs on Windows,
# both named with the project's version (scripts/package.sh makes them).
set(CPACK_PACKAGE_NAME orvhost)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "${ORV_COMPANY_NAME}")
set(CPACK_PACKAGE_CONTACT "Projet Filtres Orvella <orvhost@orvella-filters.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "media-library import and export filters, with a CLI host")
set(CPACK_STRIP_FILES ON)

if(WIN32)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_PACKAGE_FILE_NAME orvella-filters-${PROJECT_VERSION}-win32)
else()
  set(CPACK_GENERATOR DEB)
  set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SECTION utils)
  set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  # The filters are plug-ins in a private folder: dpkg-shlibdeps needs no shlibs file for them.
  set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS OFF)
  file(READ ${CMAKE_SOURCE_DIR}/packaging/description.txt orv_description)
  string(STRIP "${orv_description}" orv_description)
  # The synopsis is CPACK_PACKAGE_DESCRIPTION_SUMMARY; this is the text under it.
  set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "${orv_description}")
endif()
include(CPack)
