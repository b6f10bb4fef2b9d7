# Two clean builds of the driver package in two different folders give the
# same archives and DLLs, byte for byte, and the same as the build under
# test: nothing of the build folder, the time or the machine leaks in.
#   cmake -DSOURCE_DIR=<resources/driver> -DWORK_DIR=<scratch>
#         -DREFERENCE_DIR=<driver build folder> -DGENERATOR=<generator>
#         -DMAKE_PROGRAM=<make program> -DUNIDRV_DIR=<folder or empty>
#         -P CheckReproducible.cmake
cmake_minimum_required(VERSION 3.21)
set(builds "${WORK_DIR}/a" "${WORK_DIR}/second build/b")
file(REMOVE_RECURSE "${WORK_DIR}")
foreach(dir IN LISTS builds)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${dir} -G ${GENERATOR}
            -DCMAKE_MAKE_PROGRAM=${MAKE_PROGRAM} -DKDR_UNIDRV_DIR=${UNIDRV_DIR}
    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "configure in ${dir} failed:\n${out}")
  endif()
  execute_process(COMMAND ${CMAKE_COMMAND} --build ${dir} --parallel 2
                  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "build in ${dir} failed:\n${out}")
  endif()
endforeach()

list(GET builds 0 first)
list(GET builds 1 second)
file(GLOB_RECURSE dlls RELATIVE "${first}" "${first}/package-*/*.DLL")
set(outputs DriverPackage129.zip DriverPackage138.zip ${dlls})
list(LENGTH dlls count)
if(NOT count EQUAL 20)
  message(FATAL_ERROR "${count} DLLs in the packages instead of 20")
endif()
set(faults "")
foreach(file IN LISTS outputs)
  file(SHA256 "${first}/${file}" hash)
  foreach(other "${second}" "${REFERENCE_DIR}")
    if(NOT EXISTS "${other}/${file}")
      list(APPEND faults "${other}/${file}: missing")
      continue()
    endif()
    file(SHA256 "${other}/${file}" other_hash)
    if(NOT hash STREQUAL other_hash)
      list(APPEND faults "${file}: ${first} and ${other} differ")
    endif()
  endforeach()
endforeach()
file(REMOVE_RECURSE "${WORK_DIR}")
list(LENGTH outputs count)
include(${CMAKE_CURRENT_LIST_DIR}/ReportFaults.cmake)
kdr_report_faults("${count} outputs byte-identical across three builds" ${faults})
