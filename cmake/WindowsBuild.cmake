# The cross build for Windows (cmake/mingw-w64-x86_64.cmake with the libraries of
# scripts/cross-deps.sh): the program, and the tests that run it and its layers as
# Windows programs under Wine.
find_package(JPEG REQUIRED)
find_package(GIF REQUIRED)
find_package(SDL2 REQUIRED)
find_package(SDL2_mixer REQUIRED)
# The static libraries, so that no DLL lies beside the program.
set(VS_SDL_LIBRARIES SDL2_mixer::SDL2_mixer-static SDL2::SDL2-static)

set(VS_WINDOWS_PLATFORM_DIRS platform/windows platform/windows/app platform/windows/files
    platform/windows/saver platform/windows/dialogs)
set(VS_WIN32_LIBRARIES user32 gdi32 comctl32 shell32 shlwapi ole32 uuid wtsapi32)
set(VS_WINDOWS_RESOURCES)
if(EXISTS ${VS_SOURCE_ROOT}/platform/windows/resources/VostramelSaver.rc)
  set(VS_WINDOWS_RESOURCES platform/windows/resources/VostramelSaver.rc)
endif()

# The cross build cannot draw the splash picture (tools/make_splash needs Qt):
# it takes the one a Linux build drew and puts it beside the program.
set(VS_SPLASH_PICTURE "" CACHE FILEPATH "vostramelsaver.jpg drawn by a Linux build")
if(VS_SPLASH_PICTURE)
  configure_file(${VS_SPLASH_PICTURE} ${PROJECT_BINARY_DIR}/vostramelsaver.jpg COPYONLY)
endif()

enable_testing()
add_subdirectory(src)
if(VS_WINDOWS_RESOURCES)
  # The resource script names the manifest, which windres reads but CMake does
  # not see: an edited manifest must still reach the program file.
  set_source_files_properties(${VS_SOURCE_ROOT}/${VS_WINDOWS_RESOURCES}
    DIRECTORY ${VS_SOURCE_ROOT} PROPERTIES
    OBJECT_DEPENDS ${VS_SOURCE_ROOT}/platform/windows/resources/VostramelSaver.manifest)
endif()
if(NOT VS_BUILD_TESTS)
  return()
endif()

# Wine makes its prefix on the first start, which takes longer than a test's
# discovery waits.
if(CMAKE_CROSSCOMPILING_EMULATOR AND NOT EXISTS ${CMAKE_BINARY_DIR}/wine-prefix/system.reg)
  message(STATUS "Making the Wine prefix")
  execute_process(COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} wineboot --init
                  OUTPUT_QUIET ERROR_QUIET)
endif()

add_subdirectory(tools/samples)
add_subdirectory(tests)
