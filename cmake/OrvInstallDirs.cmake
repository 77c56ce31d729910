# Where `cmake --install` puts things, and the paths the programs derive from it. Everything is
# found relative to the installed files themselves, so an unpacked tree works wherever it lies.
#
#   bin/orvhost                       the stand-in host
#   lib/orvhost/filters/NAME.so       the filters, looked up by orvhost after its own folder
#   share/orvhost/                    samples, templates and the commented site files
set(ORV_INSTALL_FILTERDIR ${CMAKE_INSTALL_LIBDIR}/orvhost/filters)
set(ORV_INSTALL_DATADIR ${CMAKE_INSTALL_DATADIR}/orvhost)

# From orvhost's folder to the filters', and from a filter's folder to the example site files.
file(RELATIVE_PATH ORV_FILTERS_FROM_BIN /${CMAKE_INSTALL_BINDIR} /${ORV_INSTALL_FILTERDIR})
file(RELATIVE_PATH ORV_SITES_FROM_FILTERS /${ORV_INSTALL_FILTERDIR} /${ORV_INSTALL_DATADIR}/sites)

# What the version resources and the packages say about the project.
set(ORV_COMPANY_NAME "Projet Filtres Orvella")
set(ORV_PRODUCT_NAME "Filtres Orvella")
