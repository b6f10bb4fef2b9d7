# KDR270Setup.exe: PE32, i386, GUI subsystem 5.01, static runtime, only
# system DLLs imported, reproducible (no link timestamp).
set(KDR_WINDOWS_LINK_OPTIONS
    -static -static-libgcc -static-libstdc++ -mwindows
    -Wl,--subsystem,windows:5.01
    -Wl,--major-os-version,5 -Wl,--minor-os-version,1
    -Wl,--no-insert-timestamp
    -Wl,--dynamicbase -Wl,--nxcompat
    -Wl,--build-id=none)
set(KDR_WINDOWS_SYSTEM_LIBS
    comctl32 winspool setupapi shell32 advapi32 gdi32 user32 kernel32)

# Resource scripts hold Chinese texts as GBK, code page 936.
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -c 936")
enable_language(RC)

file(GLOB KDR_RESOURCE_SCRIPTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/*.rc)
file(GLOB KDR_ENTRY_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/platform/win32/entry/*.cpp)

add_executable(KDR270Setup WIN32 ${KDR_ENTRY_SOURCES} ${KDR_RESOURCE_SCRIPTS})
target_compile_options(KDR270Setup PRIVATE ${KDR_WARNINGS})
target_link_libraries(KDR270Setup PRIVATE kdr_system ${KDR_WINDOWS_SYSTEM_LIBS})
target_link_options(KDR270Setup PRIVATE ${KDR_WINDOWS_LINK_OPTIONS})

# Compile with no build paths in the output.
target_compile_options(kdr_system PRIVATE -ffile-prefix-map=${CMAKE_SOURCE_DIR}=.)
target_compile_definitions(kdr_system PUBLIC WINVER=0x0502 _WIN32_WINNT=0x0502 _WIN32_IE=0x0600)
# Dialog template, icon and version numbers.
include(${CMAKE_SOURCE_DIR}/resources/Resources.cmake)

if(EXISTS ${CMAKE_SOURCE_DIR}/resources/driver/CMakeLists.txt)
  add_subdirectory(${CMAKE_SOURCE_DIR}/resources/driver ${CMAKE_BINARY_DIR}/driver)
endif()
