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

# The tools that run while the program is built (the icon maker, the splash
# drawer on Qt) are built for the build machine first. The splash picture a
# Linux build drew may be given instead of drawing it again.
set(VS_SPLASH_PICTURE "" CACHE FILEPATH "vostramelsaver.jpg drawn by a Linux build (optional)")
if(VS_SPLASH_PICTURE)
  set(VS_DRAW_SPLASH OFF)
else()
  set(VS_DRAW_SPLASH ON)
endif()
include(ExternalProject)
set(VS_HOST_TOOLS ${PROJECT_BINARY_DIR}/host-tools)
ExternalProject_Add(host_tools
  SOURCE_DIR ${PROJECT_SOURCE_DIR}/tools/host
  BINARY_DIR ${VS_HOST_TOOLS}
  CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release -DVS_DRAW_SPLASH=${VS_DRAW_SPLASH}
  INSTALL_COMMAND ""
  BUILD_ALWAYS ON
  BUILD_BYPRODUCTS ${VS_HOST_TOOLS}/make_icon ${VS_HOST_TOOLS}/make_splash)
if(VS_SPLASH_PICTURE)
  configure_file(${VS_SPLASH_PICTURE} ${PROJECT_BINARY_DIR}/vostramelsaver.jpg COPYONLY)
else()
  include(${PROJECT_SOURCE_DIR}/cmake/Splash.cmake)
  vs_draw_splash(${VS_HOST_TOOLS}/make_splash host_tools ${VS_HOST_TOOLS}/make_splash)
endif()

set(VS_ICON ${PROJECT_BINARY_DIR}/resources/VostramelSaver.ico)
add_custom_command(OUTPUT ${VS_ICON}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/resources
  COMMAND ${VS_HOST_TOOLS}/make_icon ${VS_ICON}
  DEPENDS host_tools ${VS_HOST_TOOLS}/make_icon
  COMMENT "Drawing the program's icon")
add_custom_target(program_icon DEPENDS ${VS_ICON})

enable_testing()
add_subdirectory(src)
if(VS_WINDOWS_RESOURCES)
  # The resource script names the manifest and the icon, which windres reads
  # but CMake does not see: edited ones must still reach the program file.
  set_source_files_properties(${VS_SOURCE_ROOT}/${VS_WINDOWS_RESOURCES}
    DIRECTORY ${VS_SOURCE_ROOT} PROPERTIES
    OBJECT_DEPENDS "${VS_SOURCE_ROOT}/platform/windows/resources/VostramelSaver.manifest;${VS_ICON}")
  target_include_directories(VostramelSaver PRIVATE ${PROJECT_BINARY_DIR}/resources)
  add_dependencies(VostramelSaver program_icon)
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
