# The option texts: every string id a model's GPD file names (directly or
# through a STDNAMES.GPD macro) exists in both languages of its resource
# DLL's sources, and the built DLLs carry the texts in their language:
# Chinese as the right UTF-16 characters (so the UTF-8 -> GBK -> code page
# 936 path held), English as written.
#   cmake -DSOURCE_DIR=<resources/driver> -DWINDRES=<windres>
#         -DCHINESE=<package 129> -DENGLISH=<package 138> -P CheckOptionTexts.cmake
cmake_minimum_required(VERSION 3.21)
set(faults "")

file(READ "${SOURCE_DIR}/STDNAMES.GPD" stdnames)
string(REGEX MATCHALL "\n +[A-Z0-9_]+: +[0-9]+" macros "${stdnames}")

# Ids of the STRINGTABLE entries of an .rc file and of the one it includes.
function(rc_ids var rc)
  file(READ "${rc}" text)
  string(REGEX MATCHALL "\n +[0-9]+, *\"" entries "${text}")
  set(ids "")
  foreach(entry IN LISTS entries)
    string(REGEX MATCH "[0-9]+" id "${entry}")
    list(APPEND ids ${id})
  endforeach()
  if(text MATCHES "#include \"([^\"]+)\"")
    get_filename_component(dir "${rc}" DIRECTORY)
    rc_ids(included "${dir}/${CMAKE_MATCH_1}")
    list(APPEND ids ${included})
  endif()
  list(SORT ids)
  set(${var} "${ids}" PARENT_SCOPE)
endfunction()

foreach(case "KDR270.GPD|KDR270" "NL63C.GPD|NL63")
  string(REPLACE "|" ";" case "${case}")
  list(GET case 0 gpd)
  list(GET case 1 dll)
  file(READ "${SOURCE_DIR}/${gpd}" text)
  string(REGEX MATCHALL "\\*rcNameID: *=?[A-Z0-9_]+" references "${text}")
  set(wanted "")
  foreach(reference IN LISTS references)
    string(REGEX REPLACE "^\\*rcNameID: *" "" reference "${reference}")
    if(reference MATCHES "^=(.*)$")
      set(name ${CMAKE_MATCH_1})
      set(reference "")
      foreach(macro IN LISTS macros)
        if(macro MATCHES "^\n +${name}: +([0-9]+)$")
          set(reference ${CMAKE_MATCH_1})
        endif()
      endforeach()
      if(NOT reference)
        list(APPEND faults "${gpd}: =${name} is not defined in STDNAMES.GPD")
        continue()
      endif()
    endif()
    list(APPEND wanted ${reference})
  endforeach()
  if(NOT wanted)
    list(APPEND faults "${gpd}: names no string ids")
  endif()
  rc_ids(english "${SOURCE_DIR}/rc/${dll}.en.rc")
  rc_ids(chinese "${SOURCE_DIR}/rc/${dll}.zh.rc")
  if(NOT english STREQUAL chinese)
    list(APPEND faults "${dll}: the English and Chinese string tables hold different ids")
  endif()
  foreach(id IN LISTS wanted)
    if(NOT id IN_LIST english)
      list(APPEND faults "${gpd}: string id ${id} is missing from ${dll}.DLL")
    endif()
  endforeach()
endforeach()

# One known text per model DLL, as the resource decompiler prints it.
foreach(case
    "${CHINESE}|KDR270|LANGUAGE 4, 2|257, L\"\\x5377\\x7eb8 80 x 297 \\x6beb\\x7c73\""
    "${CHINESE}|NL63|LANGUAGE 4, 2|257, L\"\\x5377\\x7eb8 58 x 297 \\x6beb\\x7c73\""
    "${ENGLISH}|KDR270|LANGUAGE 9, 1|257, \"Roll paper 80 x 297 mm\""
    "${ENGLISH}|NL63|LANGUAGE 9, 1|257, \"Roll paper 58 x 297 mm\"")
  string(REPLACE "|" ";" case "${case}")
  list(GET case 0 package)
  list(GET case 1 dll)
  list(GET case 2 language)
  list(GET case 3 entry)
  foreach(folder "Windows NT x86" "Windows x64")
    set(path "${package}/${folder}/${dll}.DLL")
    execute_process(COMMAND ${WINDRES} -i ${path} -O rc OUTPUT_VARIABLE rc RESULT_VARIABLE status)
    string(FIND "${rc}" "${language}\n" language_at)
    string(FIND "${rc}" "${entry}" entry_at)
    if(NOT status EQUAL 0 OR language_at EQUAL -1 OR entry_at EQUAL -1)
      list(APPEND faults "${path}: lacks ${language} text ${entry}")
    endif()
  endforeach()
endforeach()

include(${CMAKE_CURRENT_LIST_DIR}/ReportFaults.cmake)
kdr_report_faults("option texts complete in both languages" ${faults})
