# The program's resources beyond the globbed resources/*.rc: the dialog
# template, converted from UTF-8 to GBK for windres -c 936, the icon drawn
# from our pixel art, and the version numbers of the project.
set(KDR_RC_GENERATED ${CMAKE_BINARY_DIR}/generated/resources)
file(MAKE_DIRECTORY ${KDR_RC_GENERATED})

find_program(KDR_ICONV iconv REQUIRED)
# ImageMagick's own binary first: a "convert" earlier in PATH may be a
# wrapper that is not ImageMagick, and the icon's bytes are its output.
find_program(KDR_IMAGEMAGICK_CONVERT NAMES convert-im6.q16 convert REQUIRED)

set(KDR_RC_SOURCE ${CMAKE_SOURCE_DIR}/resources)
add_custom_command(
  OUTPUT ${KDR_RC_GENERATED}/Dialog102.rc ${KDR_RC_GENERATED}/Dialog102.h
  COMMAND ${KDR_ICONV} -f UTF-8 -t GBK -o ${KDR_RC_GENERATED}/Dialog102.h
          ${KDR_RC_SOURCE}/Dialog102.h
  COMMAND ${KDR_ICONV} -f UTF-8 -t GBK -o ${KDR_RC_GENERATED}/Dialog102.rc
          ${KDR_RC_SOURCE}/Dialog102.rc.in
  DEPENDS ${KDR_RC_SOURCE}/Dialog102.h ${KDR_RC_SOURCE}/Dialog102.rc.in
  COMMENT "Dialog 102 in code page 936"
  VERBATIM)

# Both sizes in one icon; ImageMagick writes the same bytes for the same input.
add_custom_command(
  OUTPUT ${KDR_RC_GENERATED}/KDR270Setup.ico
  COMMAND ${KDR_IMAGEMAGICK_CONVERT} ${KDR_RC_SOURCE}/icon/ReceiptPrinter32.xpm
          ${KDR_RC_SOURCE}/icon/ReceiptPrinter16.xpm ${KDR_RC_GENERATED}/KDR270Setup.ico
  DEPENDS ${KDR_RC_SOURCE}/icon/ReceiptPrinter32.xpm ${KDR_RC_SOURCE}/icon/ReceiptPrinter16.xpm
  COMMENT "Icon 128"
  VERBATIM)

configure_file(${KDR_RC_SOURCE}/Version.h.in ${KDR_RC_GENERATED}/Version.h @ONLY)

target_sources(KDR270Setup PRIVATE ${KDR_RC_GENERATED}/Dialog102.rc)
# windres finds included headers and the files that ICON and the manifest
# name in these folders.
target_include_directories(KDR270Setup PRIVATE ${KDR_RC_GENERATED} ${KDR_RC_SOURCE})
set_source_files_properties(
  ${KDR_RC_SOURCE}/KDR270Setup.rc PROPERTIES
  OBJECT_DEPENDS "${KDR_RC_GENERATED}/KDR270Setup.ico;${KDR_RC_SOURCE}/KDR270Setup.manifest;${KDR_RC_GENERATED}/Version.h")
set_source_files_properties(
  ${KDR_RC_GENERATED}/Dialog102.rc PROPERTIES OBJECT_DEPENDS "${KDR_RC_GENERATED}/Dialog102.h")
