# Fails when PROGRAM imports at load time a DLL that Windows could take from
# the program's folder: only Known DLLs (Windows 10 and 11's list) are
# always taken from the system folder, and comctl32 comes from the
# side-by-side assembly the manifest names. Any other library is loaded at
# run time from the system folder.
#   cmake -DOBJDUMP=<objdump> -DPROGRAM=<exe> -P CheckImports.cmake
cmake_minimum_required(VERSION 3.20)
set(allowed
  advapi32 clbcatq combase comdlg32 coml2 difxapi gdi32 gdiplus imagehlp imm32 kernel32 msctf msvcrt
  normaliz nsi ole32 oleaut32 psapi rpcrt4 sechost setupapi shcore shell32 shlwapi user32 wldap32 ws2_32
  comctl32)

execute_process(COMMAND ${OBJDUMP} -p ${PROGRAM} OUTPUT_VARIABLE headers RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "${OBJDUMP} could not read ${PROGRAM}")
endif()
string(REGEX MATCHALL "DLL Name: [^\r\n]+" imports "${headers}")
if(NOT imports)
  message(FATAL_ERROR "No imports found in ${PROGRAM}")
endif()
set(refused)
foreach(line IN LISTS imports)
  string(REGEX REPLACE "^DLL Name: (.+)\\.[dD][lL][lL]$" "\\1" name "${line}")
  string(TOLOWER "${name}" name)
  if(NOT name IN_LIST allowed)
    list(APPEND refused "${line}")
  endif()
endforeach()
if(refused)
  message(FATAL_ERROR "Imported at load time, and no Known DLL: ${refused}")
endif()
