# Release checks of KDR270Setup.exe (windows build).
#
# release.system_imports (label unit): the exe imports only Known DLLs, and
# not the DLL-search calls that older Windows lack.
# release.reproducible (label slow): two clean builds from copies of this
# source tree, in other folders and environments, give the same bytes, with
# no build folder inside; the exe of this build is compared too when it was
# made from the same tree with the same options. It leaves the SHA-256 in
# ${CMAKE_BINARY_DIR}/reproducible-build.txt.
add_test(NAME release.system_imports
         COMMAND ${CMAKE_COMMAND} -DOBJDUMP=${CMAKE_OBJDUMP}
                 -DEXE=$<TARGET_FILE:KDR270Setup> "-DALLOWED=${KDR_KNOWN_DLL_IMPORTS}"
                 -P ${CMAKE_SOURCE_DIR}/tests/release/CheckImports.cmake)
set_tests_properties(release.system_imports PROPERTIES LABELS unit)

# The 64-bit test build ships nothing: only its imports are checked.
if(KDR_BUILD_ARCH STREQUAL "x64")
  return()
endif()
add_test(NAME release.reproducible
         COMMAND ${CMAKE_SOURCE_DIR}/tests/release/reproducible.sh ${CMAKE_SOURCE_DIR}
                 ${CMAKE_BINARY_DIR} ${KDR_MINIZIP_SOURCE_DIR})
# Two builds of the exe fill both cores of a small machine: the Wine cases'
# limits are not made for running beside them.
set_tests_properties(release.reproducible PROPERTIES LABELS slow TIMEOUT 1200 RUN_SERIAL TRUE)
