# zlib and minizip's unzip half: installed, never copied into the repository.
if(WIN32)
  # zlib from libz-mingw-w64-dev, its static archive by name: the package
  # also has the import library libz.dll.a, which the ".a" suffix would let
  # find_package(ZLIB) take, and the exe would then import zlib1.dll, which
  # Windows does not have (Wine does). The exe imports only system DLLs.
  find_library(KDR_ZLIB_STATIC NAMES libz.a REQUIRED)
  find_path(KDR_ZLIB_INCLUDE_DIR zlib.h REQUIRED)
  add_library(kdr_zlib INTERFACE)
  target_include_directories(kdr_zlib SYSTEM INTERFACE ${KDR_ZLIB_INCLUDE_DIR})
  target_link_libraries(kdr_zlib INTERFACE ${KDR_ZLIB_STATIC})
  add_library(kdr::zlib ALIAS kdr_zlib)

  # minizip's unzip.c and ioapi.c from Debian's minizip source package, which
  # scripts/setup unpacks into the build tree with Debian's patches applied.
  set(KDR_MINIZIP_SOURCE_DIR "${CMAKE_SOURCE_DIR}/build/third_party/minizip/src"
      CACHE PATH "Unpacked minizip source package")
  if(NOT EXISTS "${KDR_MINIZIP_SOURCE_DIR}/unzip.c")
    message(FATAL_ERROR "minizip sources not found in ${KDR_MINIZIP_SOURCE_DIR}: run scripts/setup")
  endif()
  add_library(kdr_minizip STATIC ${KDR_MINIZIP_SOURCE_DIR}/unzip.c ${KDR_MINIZIP_SOURCE_DIR}/ioapi.c)
  target_include_directories(kdr_minizip SYSTEM PUBLIC ${KDR_MINIZIP_SOURCE_DIR})
  # The archive lives in memory: no 64-bit file API, no Win32 file layer.
  target_compile_definitions(kdr_minizip PRIVATE USE_FILE32API)
  target_link_libraries(kdr_minizip PUBLIC kdr::zlib)
  add_library(kdr::minizip ALIAS kdr_minizip)
else()
  find_package(ZLIB REQUIRED)
  add_library(kdr::zlib ALIAS ZLIB::ZLIB)
  find_package(PkgConfig REQUIRED)
  pkg_check_modules(MINIZIP REQUIRED IMPORTED_TARGET minizip)
  add_library(kdr::minizip ALIAS PkgConfig::MINIZIP)
endif()
