# Fails when PROGRAM imports at load time a DLL that a file beside it could
# stand in for: only Known DLLs (Windows 10 and 11's list) always come from
# the system folder, and comctl32 from the assembly the manifest names.
#   cmake -DOBJDUMP=<objdump> -DPROGRAM=<exe> -P CheckImports.cmake
cmake_minimum_required(VERSION 3.20)
set(allowed advapi32 clbcatq combase comdlg32 coml2 difxapi gdi32 gdiplus imagehlp imm32 kernel32 msctf msvcrt
    normaliz nsi ole32 oleaut32 psapi rpcrt4 sechost setupapi shcore shell32 shlwapi user32 wldap32 ws2_32 comctl32)
execute_process(COMMAND ${OBJDUMP} -p ${PROGRAM} OUTPUT_VARIABLE headers COMMAND_ERROR_IS_FATAL ANY)
string(REGEX MATCHALL "DLL Name: [^\r\n]+" imports "${headers}")
if(NOT imports)
  message(FATAL_ERROR "No imports found in ${PROGRAM}")
endif()
foreach(line IN LISTS imports)
  string(REGEX REPLACE "^DLL Name: (.+)\\.[dD][lL][lL]$" "\\1" name "${line}")
  string(TOLOWER "${name}" name)
  if(NOT name IN_LIST allowed)
    message(SEND_ERROR "Imported at load time, and no Known DLL: ${line}")
  endif()
endforeach()
