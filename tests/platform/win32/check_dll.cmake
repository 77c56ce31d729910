cmake_minimum_required(VERSION 3.20)
# cmake -DOBJDUMP=... -DDLL=... -P check_dll.cmake
# Fails unless DLL is a 32-bit PE DLL whose only export is GetFunctionInfo and whose imports are
# all Windows system libraries (no C++ runtime or threads DLL beside it).
execute_process(COMMAND ${OBJDUMP} -p ${DLL} OUTPUT_VARIABLE dump RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "${OBJDUMP} cannot read ${DLL}")
endif()
if(NOT dump MATCHES "file format pei-i386")
  message(FATAL_ERROR "${DLL} is not a 32-bit PE file")
endif()
if(NOT dump MATCHES "Characteristics [^\n]*\n([^\n]*\n)*[^\n]*DLL")
  message(FATAL_ERROR "${DLL} is not marked as a DLL")
endif()

# Names of the export table, between "[Ordinal/Name Pointer] Table" and the next blank line.
string(REGEX MATCH "\\[Ordinal/Name Pointer\\] Table[^\n]*\n(([^\n]+\n)*)" table "${dump}")
# Brackets would group list elements in CMake: turn "[   0] Name" into "<   0> Name" first.
string(REPLACE "[" "<" table "${CMAKE_MATCH_1}")
string(REPLACE "]" ">" table "${table}")
string(REGEX MATCHALL "> +[^\n]+" lines "${table}")
set(exports "")
foreach(line ${lines})
  string(REGEX REPLACE "^> +" "" name "${line}")
  list(APPEND exports "${name}")
endforeach()
if(NOT exports STREQUAL "GetFunctionInfo")
  message(FATAL_ERROR "${DLL} exports [${exports}], not GetFunctionInfo alone")
endif()

set(system_dlls KERNEL32 USER32 GDI32 COMCTL32 COMDLG32 SHELL32 OLE32 OLEAUT32 ADVAPI32
    MSVCRT WINSPOOL.DRV WS2_32 WSOCK32 WININET URLMON WINMM VERSION SHLWAPI MPR AVIFIL32)
string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${dump}")
foreach(line ${imports})
  string(REGEX REPLACE "^DLL Name: " "" name "${line}")
  string(TOUPPER "${name}" upper)
  string(REGEX REPLACE "\\.DLL$" "" upper "${upper}")
  if(NOT upper IN_LIST system_dlls)
    message(FATAL_ERROR "${DLL} imports ${name}, which is not a Windows system library")
  endif()
endforeach()
message(STATUS "${DLL}: exports GetFunctionInfo only; imports ${imports}")
