# The cross build for Windows (cmake/mingw-w64-x86_64.cmake with the libraries of
# scripts/cross-deps.sh): the portable layers, and the tests that run them on the
# fake platform and on real files, as Windows programs under Wine.
find_package(JPEG REQUIRED)
find_package(GIF REQUIRED)

enable_testing()
add_subdirectory(src)
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
