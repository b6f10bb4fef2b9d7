# KDR270Setup.exe imports only Known DLLs (the list and its sources are in
# cmake/Windows.cmake): the loader takes those from the system folder
# whatever lies beside the exe. Every other DLL, a DLL that Wine happens to
# ship (zlib1.dll, for one) included, would be looked for in the folder the
# exe was started from first. It imports neither SetDllDirectoryA nor
# SetDefaultDllDirectories either: Windows XP before SP1 lacks the first and
# every XP the second, and one missing import keeps the exe from starting.
#   cmake -DOBJDUMP=<objdump> -DEXE=<KDR270Setup.exe> "-DALLOWED=<DLL;...>"
#         -P CheckImports.cmake
cmake_minimum_required(VERSION 3.21)
if(NOT ALLOWED)
  message(FATAL_ERROR "no list of allowed DLLs given (ALLOWED)")
endif()
set(allowed "")
foreach(dll IN LISTS ALLOWED)
  string(TOUPPER "${dll}" upper)
  list(APPEND allowed "${upper}")
endforeach()
set(forbidden_functions SetDllDirectoryA SetDllDirectoryW SetDefaultDllDirectories)

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
  message(FATAL_ERROR "${EXE} imports DLLs that are not Known DLLs on every Windows from XP on: "
                      "${foreign} (allowed: ${ALLOWED})")
endif()

# An import line of objdump: the hint-name table address, the hint, the name.
string(REGEX MATCHALL "\n\t[0-9a-f]+\t +[0-9]+ +[A-Za-z_][A-Za-z0-9_@]*" entries "${dump}")
if(NOT entries)
  message(FATAL_ERROR "${EXE}: no imported function found in the objdump output")
endif()
set(found "")
foreach(entry IN LISTS entries)
  string(REGEX REPLACE "^.* " "" name "${entry}")
  if(name IN_LIST forbidden_functions)
    list(APPEND found "${name}")
  endif()
endforeach()
if(found)
  message(FATAL_ERROR "${EXE} imports ${found}: look it up at run time instead")
endif()
list(LENGTH lines count)
list(LENGTH entries functions)
message(STATUS "${count} imported DLLs, all Known DLLs; ${functions} functions, none of "
               "${forbidden_functions}")
