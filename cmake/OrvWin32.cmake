# Windows side of the deliverables: resources compiled by windres, one undecorated export, and
# a static runtime so that a filter DLL imports only Windows system libraries.
enable_language(RC)

set(ORV_WIN32_DEF_FILE ${CMAKE_CURRENT_LIST_DIR}/filter.def)

# orv_win32_add_resources(TARGET RC): compiles the UTF-8 script RC into TARGET. Icons are found
# in resources/ and beside the script. Scripts name unlabelled controls IDC_STATIC, which
# windows.h leaves to the dialog editor's headers.
function(orv_win32_add_resources target rc)
  get_filename_component(rc ${rc} ABSOLUTE)
  get_filename_component(rc_dir ${rc} DIRECTORY)
  file(GLOB icons CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/*.ico ${rc_dir}/*.ico)
  target_sources(${target} PRIVATE ${rc})
  set_source_files_properties(${rc} TARGET_DIRECTORY ${target} PROPERTIES
    COMPILE_OPTIONS "-c;65001;-DIDC_STATIC=-1;-I;${CMAKE_SOURCE_DIR}/resources;-I;${rc_dir}"
    OBJECT_DEPENDS "${icons}")
endfunction()

# The host finds GetFunctionInfo by its plain name, so the __stdcall decoration is dropped by the
# .def file, which also keeps every other symbol out of the export table.
function(orv_win32_module_link_options target)
  target_sources(${target} PRIVATE ${ORV_WIN32_DEF_FILE})
  target_link_options(${target} PRIVATE -static -static-libgcc -static-libstdc++)
endfunction()
