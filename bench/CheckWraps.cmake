# Fails the benchmark's build when a --wrap of its link wraps nothing: a
# wrapped platform call whose signature changed has another mangled name,
# and ld would then leave the new one unwrapped without a word.
#   cmake -DNM=<nm> -DSYMBOLS=<a;b> -DOBJECTS=<o;o> -P CheckWraps.cmake
cmake_minimum_required(VERSION 3.21)
set(callers "")
foreach(object IN LISTS OBJECTS)
  # The simulated machine defines the calls; the reader and the floor call them.
  if(NOT object MATCHES "/platform/sim/")
    list(APPEND callers "${object}")
  endif()
endforeach()
execute_process(COMMAND ${NM} -u ${callers} RESULT_VARIABLE status OUTPUT_VARIABLE undefined
                ERROR_VARIABLE error)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${NM} -u failed: ${error}")
endif()
set(unused "")
foreach(symbol IN LISTS SYMBOLS)
  string(FIND "${undefined}" " U ${symbol}\n" at)
  if(at EQUAL -1)
    list(APPEND unused "${symbol}")
  endif()
endforeach()
if(unused)
  message(FATAL_ERROR "--wrap matches no call of the reader or the floor: ${unused}")
endif()
