# Stand-ins can never pass for the genuine files: each one says what it is.
# The catalogs are always stand-ins. The Unidrv modules and help file are
# stand-ins unless the build named genuine ones, and then none may be one.
#   cmake -DWINDRES=<windres> -DUNIDRV_STANDINS=ON|OFF -DPACKAGES=<dir,dir>
#         -P CheckStandIns.cmake
cmake_minimum_required(VERSION 3.21)
string(REPLACE "," ";" packages "${PACKAGES}")
set(faults "")

# Text of <file> that tells a stand-in: the version resource of a DLL, the
# whole of a text file.
function(label_text var file)
  if(file MATCHES "\\.DLL$")
    execute_process(COMMAND ${WINDRES} -i ${file} -O rc OUTPUT_VARIABLE text ERROR_QUIET)
  else()
    file(READ "${file}" text)
  endif()
  set(${var} "${text}" PARENT_SCOPE)
endfunction()

foreach(package IN LISTS packages)
  foreach(case "Windows NT x86|NLDRV.cat" "Windows x64|NLDRVx64.cat")
    string(REPLACE "|" ";" case "${case}")
    list(GET case 0 folder)
    list(GET case 1 catalog)
    foreach(file ${catalog} UNIDRV.DLL UNIDRVUI.DLL UNIRES.DLL UNIDRV.HLP)
      set(path "${package}/${folder}/${file}")
      label_text(text "${path}")
      string(FIND "${text}" "Development stand-in for ${file} - not for release" at)
      if(file STREQUAL catalog OR UNIDRV_STANDINS)
        if(at EQUAL -1)
          list(APPEND faults "${path}: a stand-in without its label")
        endif()
      else()
        string(FIND "${text}" "Development stand-in" any)
        if(NOT any EQUAL -1)
          list(APPEND faults "${path}: a stand-in where the genuine file was named")
        endif()
      endif()
    endforeach()
  endforeach()
endforeach()
include(${CMAKE_CURRENT_LIST_DIR}/ReportFaults.cmake)
kdr_report_faults("every stand-in is labelled" ${faults})
