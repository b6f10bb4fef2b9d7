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
add_test(NAME driver.standins_labelled
         COMMAND ${CMAKE_COMMAND} -DWINDRES=${KDR_WINDRES_x64} -DUNIDRV_STANDINS=${standins}
                 "-DPACKAGES=${pkg129},${pkg138}" -P ${src}/tests/CheckStandIns.cmake)

add_test(NAME driver.inf_elements
         COMMAND ${CMAKE_COMMAND} -DPACKAGE=${pkg138} -P ${src}/tests/CheckInfFiles.cmake)

add_test(NAME driver.option_texts
         COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${src} -DWINDRES=${KDR_WINDRES_x64}
                 -DCHINESE=${pkg129} -DENGLISH=${pkg138} -P ${src}/tests/CheckOptionTexts.cmake)

add_test(NAME driver.reproducible
         COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${src} -DWORK_DIR=${bin}/repro
                 -DREFERENCE_DIR=${bin} "-DGENERATOR=${CMAKE_GENERATOR}"
                 -DMAKE_PROGRAM=${CMAKE_MAKE_PROGRAM} "-DUNIDRV_DIR=${KDR_UNIDRV_DIR}"
                 -P ${src}/tests/CheckReproducible.cmake)
set_tests_properties(driver.reproducible PROPERTIES TIMEOUT 600)

get_property(driver_tests DIRECTORY PROPERTY TESTS)
set_tests_properties(${driver_tests} PROPERTIES LABELS unit)
