# Tests of the driver package (windows build, label unit): host programs
# and CMake scripts over the staged package trees and the two archives.
set(pkg129 ${bin}/package-129)
set(pkg138 ${bin}/package-138)

foreach(package IN LISTS KDR_PACKAGES)
  add_test(NAME driver.archive_layout.${package}
           COMMAND ${KDR_PACKAGE_CHECK} ${bin}/DriverPackage${package}.zip ${bin}/package-${package})
endforeach()

add_test(NAME driver.packages_differ_only_in_model_files
         COMMAND ${CMAKE_COMMAND} -DA=${pkg129} -DB=${pkg138}
                 -P ${src}/tests/CheckPackagesDiffer.cmake)

add_test(NAME driver.dll_machine_types
         COMMAND ${CMAKE_COMMAND} -DOBJDUMP=${KDR_PE_OBJDUMP} "-DPACKAGES=${pkg129},${pkg138}"
                 -P ${src}/tests/CheckDllMachines.cmake)

if(KDR_UNIDRV_DIR)
  set(standins OFF)
else()
  set(standins ON)
endif()
if(standins)
  add_test(NAME driver.standin_code
           COMMAND ${CMAKE_COMMAND} -DOBJDUMP=${KDR_PE_OBJDUMP} "-DPACKAGES=${pkg129},${pkg138}"
                   -P ${src}/tests/CheckStandInCode.cmake)

  # The stand-in UNIDRVUI.DLL called under Wine by a probe of each
  # architecture, in the end-to-end tests' 64-bit prefix (label e2e).
  set(probes "")
  file(MAKE_DIRECTORY ${bin}/probe)
  foreach(arch IN LISTS KDR_ARCHS)
    set(probe ${bin}/probe/standin_ui_probe_${arch}.exe)
    add_custom_command(
      OUTPUT ${probe}
      COMMAND ${KDR_CXX_${arch}} -std=c++17 -O2 -Wall -Wextra -Werror -static -static-libgcc
              -static-libstdc++ ${src}/tests/StandInUiProbe.cpp -o ${probe}
      DEPENDS ${src}/tests/StandInUiProbe.cpp ${src}/standin/DocumentPropertyHeader.h
      VERBATIM)
    list(APPEND probes ${probe})
  endforeach()
  add_custom_target(kdr_standin_ui_probes ALL DEPENDS ${probes})
  if(TARGET KDR270Setup AND COMMAND kdr_add_e2e_case)
    kdr_add_e2e_case(e2e.driver_standin_ui.win64 ${src}/tests/standin_ui_case.sh win64)
  endif()
endif()
add_test(NAME driver.standins_labelled
         COMMAND ${CMAKE_COMMAND} -DWINDRES=${KDR_WINDRES_x64} -DUNIDRV_STANDINS=${standins}
                 "-DPACKAGES=${pkg129},${pkg138}" -P ${src}/tests/CheckStandIns.cmake)

add_test(NAME driver.inf_elements
         COMMAND ${CMAKE_COMMAND} -DPACKAGE=${pkg138} -P ${src}/tests/CheckInfFiles.cmake)

add_test(NAME driver.option_texts
         COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${src} -DWINDRES=${KDR_WINDRES_x64}
                 -DCHINESE=${pkg129} -DENGLISH=${pkg138} -P ${src}/tests/CheckOptionTexts.cmake)

# The 64-bit test build stages the same package as the product's build,
# which checks that it is reproducible.
if(NOT KDR_BUILD_ARCH STREQUAL "x64")
  add_test(NAME driver.reproducible
           COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${src} -DWORK_DIR=${bin}/repro
                   -DREFERENCE_DIR=${bin} "-DGENERATOR=${CMAKE_GENERATOR}"
                   -DMAKE_PROGRAM=${CMAKE_MAKE_PROGRAM} "-DUNIDRV_DIR=${KDR_UNIDRV_DIR}"
                   -P ${src}/tests/CheckReproducible.cmake)
  set_tests_properties(driver.reproducible PROPERTIES TIMEOUT 600)
endif()

get_property(driver_tests DIRECTORY PROPERTY TESTS)
list(FILTER driver_tests INCLUDE REGEX "^driver\\.")
set_tests_properties(${driver_tests} PROPERTIES LABELS unit)
