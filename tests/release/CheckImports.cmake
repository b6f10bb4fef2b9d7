# KDR270Setup.exe imports only DLLs that every Windows from XP on has: the C
# and C++ runtimes and zlib are linked in. A DLL that Wine happens to ship
# (zlib1.dll, for one) would let every test under Wine pass while the exe
# does not start on Windows.
#   cmake -DOBJDUMP=<objdump> -DEXE=<KDR270Setup.exe> -P CheckImports.cmake
cmake_minimum_required(VERSION 3.21)
set(allowed ADVAPI32.DLL COMCTL32.DLL GDI32.DLL KERNEL32.DLL MSVCRT.DLL SETUPAPI.DLL
            SHELL32.DLL USER32.DLL WINSPOOL.DRV)
execute_process(COMMAND ${OBJDUMP} -p ${EXE} RESULT_VARIABLE status OUTPUT_VARIABLE dump
                ERROR_VARIABLE error)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${OBJDUMP} -p ${EXE} failed: ${error}")
endif()
string(REGEX MATCHALL "DLL Name: [^\r\n]+" lines "${dump}")
if(NOT lines)
  message(FATAL_ERROR "${EXE}: no imported DLL found in the objdump output")
endif()
set(foreign "")
foreach(line IN LISTS lines)
  string(REGEX REPLACE "^DLL Name: " "" dll "${line}")
  string(STRIP "${dll}" dll)
  string(TOUPPER "${dll}" upper)
  if(NOT upper IN_LIST allowed)
    list(APPEND foreign "${dll}")
  endif()
endforeach()
if(foreign)
  message(FATAL_ERROR "${EXE} imports DLLs that are not part of Windows: ${foreign}")
endif()
list(LENGTH lines count)
message(STATUS "${count} imported DLLs, all part of Windows")
