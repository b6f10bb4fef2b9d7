# The code the Unidrv stand-ins hold: UNIDRVUI.DLL has an entry point,
# exports DrvDeviceCapabilities and DrvDocumentPropertySheets by those names
# (undecorated, as the spooler looks them up) and imports from kernel32
# alone; UNIDRV.DLL and UNIRES.DLL stay resource-only: no code, entry point
# 0, no imports.
#   cmake -DOBJDUMP=<x86_64 objdump> -DPACKAGES=<dir,dir> -P CheckStandInCode.cmake
cmake_minimum_required(VERSION 3.21)
string(REPLACE "," ";" packages "${PACKAGES}")
set(faults "")

# The entry point, imported DLL names and exported names of <dll>.
function(read_image dll)
  foreach(var entry code imports exports)
    set(${var} "" PARENT_SCOPE)
  endforeach()
  execute_process(COMMAND ${OBJDUMP} -p ${dll} OUTPUT_VARIABLE out RESULT_VARIABLE rc)
  string(REGEX MATCH "AddressOfEntryPoint[ \t]+([0-9a-fA-F]+)" _ "${out}")
  set(entry_hex "${CMAKE_MATCH_1}")
  string(REGEX MATCH "SizeOfCode[ \t]+([0-9a-fA-F]+)" _ "${out}")
  set(code_hex "${CMAKE_MATCH_1}")
  if(NOT rc EQUAL 0 OR entry_hex STREQUAL "" OR code_hex STREQUAL "")
    set(entry "unreadable" PARENT_SCOPE)
    return()
  endif()
  math(EXPR entry "0x${entry_hex}")
  math(EXPR code "0x${code_hex}")
  string(REGEX MATCHALL "DLL Name: [^\n]*" imports "${out}")
  list(TRANSFORM imports REPLACE "^DLL Name: " "")
  set(exports "")
  string(FIND "${out}" "[Ordinal/Name Pointer] Table\n" at)
  if(NOT at EQUAL -1)
    string(SUBSTRING "${out}" ${at} -1 rest)
    # Lines "\t[   0] Name" up to the blank line; brackets would bind CMake
    # list elements together, so only the names are kept.
    string(REGEX MATCH "Table\n(\t\\[ *[0-9]+\\] [^\n]*\n)*" table "${rest}")
    string(REGEX REPLACE "^Table\n" "" table "${table}")
    string(REGEX REPLACE "\t\\[ *[0-9]+\\] ([^\n]*)\n" "\\1;" exports "${table}")
    list(REMOVE_ITEM exports "")
  endif()
  set(entry ${entry} PARENT_SCOPE)
  set(code ${code} PARENT_SCOPE)
  set(imports "${imports}" PARENT_SCOPE)
  set(exports "${exports}" PARENT_SCOPE)
endfunction()

foreach(package IN LISTS packages)
  foreach(folder "Windows NT x86" "Windows x64")
    set(dll "${package}/${folder}/UNIDRVUI.DLL")
    read_image("${dll}")
    string(TOUPPER "${imports}" upper_imports)
    if(entry STREQUAL "unreadable" OR entry EQUAL 0)
      list(APPEND faults "${dll}: no entry point")
    endif()
    if(NOT exports STREQUAL "DrvDeviceCapabilities;DrvDocumentPropertySheets")
      list(APPEND faults "${dll}: exports [${exports}]")
    endif()
    if(NOT upper_imports STREQUAL "KERNEL32.DLL")
      list(APPEND faults "${dll}: imports from [${imports}]")
    endif()

    foreach(name UNIDRV UNIRES)
      set(dll "${package}/${folder}/${name}.DLL")
      read_image("${dll}")
      if(entry STREQUAL "unreadable" OR NOT entry EQUAL 0 OR NOT code EQUAL 0 OR imports
         OR exports)
        list(APPEND faults "${dll}: not resource-only (entry ${entry}, code ${code} bytes, "
                           "imports [${imports}], exports [${exports}])")
      endif()
    endforeach()
  endforeach()
endforeach()
include(${CMAKE_CURRENT_LIST_DIR}/ReportFaults.cmake)
kdr_report_faults("UNIDRVUI.DLL stand-ins export the two entry points and import kernel32 only; \
the other stand-ins are resource-only" ${faults})
