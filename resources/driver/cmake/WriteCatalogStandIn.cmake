# Writes a development stand-in for a driver catalog: a text file, clearly
# not a signed catalog, that lists the SHA-1 of every file the genuine
# catalog would cover. A release replaces it with the signed catalog.
#   cmake -DOUT=<catalog> -DFOLDER=<package folder> -DFILES=<a,b,...>
#         -DLANGUAGE=<text> -P WriteCatalogStandIn.cmake
cmake_minimum_required(VERSION 3.21)
get_filename_component(name "${OUT}" NAME)
string(REPLACE "," ";" files "${FILES}")
list(SORT files)
set(text "Development stand-in for ${name} - not for release.\r\n")
string(APPEND text "This is not a signed catalog. A release build replaces it with the\r\n")
string(APPEND text "catalog signed for the files below (${LANGUAGE} package).\r\n\r\n")
foreach(file IN LISTS files)
  file(SHA1 "${FOLDER}/${file}" hash)
  string(APPEND text "${hash}  ${file}\r\n")
endforeach()
file(WRITE "${OUT}.tmp" "${text}")
file(RENAME "${OUT}.tmp" "${OUT}")
