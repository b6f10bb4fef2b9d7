# End-to-end tests under Wine: their limits, and how a case is registered
# (tests/e2e/CMakeLists.txt, resources/driver/tests/DriverTests.cmake).
set(KDR_E2E_ROOT ${CMAKE_BINARY_DIR}/e2e)

# One time scale for every limit: the CTest limits here and, through the
# environment, every limit of the cases (tests/e2e/wine-loader.sh).
if(DEFINED ENV{KDR_TIME_SCALE})
  set(kdr_scale_default "$ENV{KDR_TIME_SCALE}")
else()
  set(kdr_scale_default 1)
endif()
set(KDR_TIME_SCALE "${kdr_scale_default}" CACHE STRING
    "Factor of every time limit of the end-to-end tests (1, 1.5, 2, ...)")
if(KDR_TIME_SCALE MATCHES "^([0-9]+)\\.([0-9])[0-9]*$")
  set(kdr_scale_whole ${CMAKE_MATCH_1})
  set(kdr_scale_tenth ${CMAKE_MATCH_2})
elseif(KDR_TIME_SCALE MATCHES "^([0-9]+)$")
  set(kdr_scale_whole ${CMAKE_MATCH_1})
  set(kdr_scale_tenth 0)
else()
  message(FATAL_ERROR "KDR_TIME_SCALE must be a number like 1, 1.5 or 2, not ${KDR_TIME_SCALE}")
endif()
if(kdr_scale_whole EQUAL 0 AND kdr_scale_tenth EQUAL 0)
  message(FATAL_ERROR "KDR_TIME_SCALE must be above 0")
endif()
# Seconds times the scale (to a tenth), rounded up.
function(kdr_scaled_seconds out seconds)
  math(EXPR tenths "${seconds} * (${kdr_scale_whole} * 10 + ${kdr_scale_tenth})")
  math(EXPR value "(${tenths} + 9) / 10")
  set(${out} ${value} PARENT_SCOPE)
endfunction()
# A case has its own limit (run-case.sh); CTest's is longer by the time it
# takes to delete the case's prefix copy.
kdr_scaled_seconds(kdr_cleanup_time 60)
kdr_scaled_seconds(kdr_prefix_limit 300)
math(EXPR KDR_E2E_PREFIX_TIMEOUT "${kdr_prefix_limit} + ${kdr_cleanup_time}")
set(KDR_E2E_ENVIRONMENT "KDR_BUILD_ARCH=${KDR_BUILD_ARCH}" "KDR_TIME_SCALE=${KDR_TIME_SCALE}")

# Exit code 77: the case cannot run on this machine (no 32-bit support) and
# says why; CTest reports it as skipped. An optional last argument is the
# case's own limit in seconds before scaling (300).
function(kdr_add_e2e_case test case arch)
  set(limit 300)
  if(ARGC GREATER 3)
    set(limit ${ARGV3})
  endif()
  kdr_scaled_seconds(case_limit ${limit})
  math(EXPR timeout "${case_limit} + ${kdr_cleanup_time}")
  add_test(NAME ${test}
           COMMAND ${CMAKE_SOURCE_DIR}/tests/e2e/run-case.sh ${case} ${arch}
                   ${KDR_E2E_ROOT} ${CMAKE_BINARY_DIR} ${CMAKE_SOURCE_DIR})
  set_tests_properties(${test} PROPERTIES
                       FIXTURES_REQUIRED prefix_${arch} LABELS e2e TIMEOUT ${timeout}
                       SKIP_RETURN_CODE 77
                       ENVIRONMENT "${KDR_E2E_ENVIRONMENT};KDR_CASE_LIMIT=${limit}")
endfunction()
