# orv_add_filter(NAME SOURCES file... [RC resources/NAME.rc])
#
# Makes two targets:
#   NAME_objs  the filter's code and resources, linked by the filter's tests
#   NAME       the deliverable: a shared library (NAME.so / NAME.dll) exporting GetFunctionInfo
# Resources come from the UTF-8 resource script: on Linux rcgen turns it into tables compiled
# into the module, on Windows windres compiles it.
function(orv_add_filter name)
  cmake_parse_arguments(F "" "RC" "SOURCES" ${ARGN})
  if(NOT F_RC)
    set(F_RC ${CMAKE_SOURCE_DIR}/resources/${name}.rc)
  endif()
  add_library(${name}_objs OBJECT ${F_SOURCES})
  target_link_libraries(${name}_objs PUBLIC orv_core)
  orv_add_resources(${name}_objs ${F_RC})

  add_library(${name} SHARED $<TARGET_OBJECTS:${name}_objs>)
  set_target_properties(${name} PROPERTIES PREFIX "")
  target_link_libraries(${name} PRIVATE orv_core)
  orv_module_link_options(${name})
  orv_add_version_resource(${name})
endfunction()

# What the version resource of each program says it is, in French.
set(ORV_DESCRIPTION_filmcard "Filtre Orvella d'import de fiches de films (.film)")
set(ORV_DESCRIPTION_discfetch "Filtre Orvella d'import de CD audio (serveurs FreeDB / CDDB)")
set(ORV_DESCRIPTION_filescan "Filtre Orvella d'import de fichiers et dossiers")
set(ORV_DESCRIPTION_filmsearch "Filtre Orvella d'import de films depuis un site web")
set(ORV_DESCRIPTION_auctionsearch "Filtre Orvella d'import d'objets de ventes aux enchères")
set(ORV_DESCRIPTION_pagebuilder "Filtre Orvella d'export de pages HTML / XML")
set(ORV_DESCRIPTION_orvhost "Hôte de test en ligne de commande des filtres Orvella")

# orv_add_version_resource(TARGET): on Windows, the project's version, company and product
# names and the target's French description in a VERSIONINFO resource. Nothing elsewhere.
function(orv_add_version_resource target)
  if(NOT WIN32)
    return()
  endif()
  get_target_property(type ${target} TYPE)
  set(ORV_VERSION_NAME ${target})
  if(type STREQUAL "EXECUTABLE")
    set(ORV_VERSION_FILE ${target}.exe)
    set(ORV_VERSION_FILETYPE VFT_APP)
  else()
    set(ORV_VERSION_FILE ${target}.dll)
    set(ORV_VERSION_FILETYPE VFT_DLL)
  endif()
  set(ORV_VERSION_DESCRIPTION "${ORV_DESCRIPTION_${target}}")
  if(NOT ORV_VERSION_DESCRIPTION)
    set(ORV_VERSION_DESCRIPTION "Filtre Orvella ${target}")
  endif()
  set(rc ${CMAKE_BINARY_DIR}/version/${target}_version.rc)
  configure_file(${CMAKE_SOURCE_DIR}/cmake/version.rc.in ${rc} @ONLY)
  target_sources(${target} PRIVATE ${rc})
  set_source_files_properties(${rc} TARGET_DIRECTORY ${target} PROPERTIES COMPILE_OPTIONS "-c;65001")
endfunction()

# Attaches the resources of script RC to TARGET (an object library or executable).
function(orv_add_resources target rc)
  if(WIN32)
    orv_win32_add_resources(${target} ${rc})
  else()
    get_filename_component(rc ${rc} ABSOLUTE)
    get_filename_component(base ${rc} NAME_WE)
    set(out ${CMAKE_CURRENT_BINARY_DIR}/${target}_${base}_resources.cpp)
    # The depfile lists the icons the script embeds, so changing one regenerates the table.
    add_custom_command(
      OUTPUT ${out}
      COMMAND rcgen ${rc} ${out} ${out}.d
      DEPENDS rcgen ${rc}
      DEPFILE ${out}.d
      COMMENT "Generating resource tables from ${base}.rc"
      VERBATIM)
    target_sources(${target} PRIVATE ${out})
  endif()
endfunction()

function(orv_module_link_options target)
  if(WIN32)
    orv_win32_module_link_options(${target})
  else()
    # Keep the static runtime pieces of orv_core private to each module.
    target_link_options(${target} PRIVATE -Wl,--exclude-libs,ALL -Wl,--no-undefined)
  endif()
endfunction()

if(WIN32)
  include(${CMAKE_CURRENT_LIST_DIR}/OrvWin32.cmake OPTIONAL)
endif()
