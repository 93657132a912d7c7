# Each executable named after the script imports only DLLs that every
# Windows has: the C++ runtime, libgcc and winpthread are linked in, so that
# a user copies one file and runs it.
#
#   cmake -DOBJDUMP=<x86_64-w64-mingw32-objdump> [-DSYSTEM_DLLS=a.dll;b.dll] -P check_imports.cmake A.exe B.exe ...
#
# SYSTEM_DLLS narrows the DLLs allowed.
cmake_minimum_required(VERSION 3.25)

set(system_dlls
  advapi32.dll comctl32.dll comdlg32.dll gdi32.dll kernel32.dll msvcrt.dll oleacc.dll ole32.dll oleaut32.dll
  shell32.dll user32.dll version.dll winspool.drv)
if(DEFINED SYSTEM_DLLS)
  set(system_dlls ${SYSTEM_DLLS})
endif()

set(failures "")
set(checked 0)
math(EXPR last "${CMAKE_ARGC} - 1")
foreach(index RANGE ${last})
  set(file "${CMAKE_ARGV${index}}")
  if(NOT file MATCHES "\\.exe$")
    continue()
  endif()
  execute_process(COMMAND ${OBJDUMP} -p ${file} OUTPUT_VARIABLE dump RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${OBJDUMP} could not read ${file}")
  endif()
  string(REGEX MATCHALL "DLL Name: [^\n]+" names "${dump}")
  if(NOT names)
    string(APPEND failures "\n  ${file}: no imports found")
  endif()
  set(imports "")
  foreach(name IN LISTS names)
    string(REGEX REPLACE "DLL Name: " "" dll "${name}")
    string(STRIP "${dll}" dll)
    list(APPEND imports ${dll})
    string(TOLOWER "${dll}" lower)
    if(NOT lower IN_LIST system_dlls)
      string(APPEND failures "\n  ${file} imports ${dll}")
    endif()
  endforeach()
  message(STATUS "${file}: ${imports}")
  math(EXPR checked "${checked} + 1")
endforeach()

if(checked EQUAL 0)
  message(FATAL_ERROR "no executable given")
endif()
if(failures)
  message(FATAL_ERROR "Not a system DLL:${failures}")
endif()
