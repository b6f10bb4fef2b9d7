# The end of every check script: fails with every fault found, one a line,
# or says what passed.
function(kdr_report_faults passed)
  if(ARGN)
    list(JOIN ARGN "\n" text)
    message(FATAL_ERROR "${text}")
  endif()
  message(STATUS "${passed}")
endfunction()
