# GoogleTest and the test fixtures of the build without Qt (the windows-cross preset).

# A cross build finds no GoogleTest built for its target: it builds Debian's source of it
# with the same compiler instead of downloading anything.
set(VELMAR_GTEST_SOURCE_DIR "/usr/src/googletest" CACHE PATH "GoogleTest source to build from")
if(CMAKE_CROSSCOMPILING)
  set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  # Its project defines the targets GTest::gtest and GTest::gtest_main.
  add_subdirectory(${VELMAR_GTEST_SOURCE_DIR} ${PROJECT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
else()
  find_package(GTest REQUIRED)
endif()

# Under Wine every test runs in a prefix of the build's own, made once before the first test;
# its server is kept for a while so each test does not start it anew.
if(WIN32 AND CMAKE_CROSSCOMPILING_EMULATOR)
  find_program(VELMAR_WINEBOOT wineboot REQUIRED)
  find_program(VELMAR_WINESERVER wineserver REQUIRED)
  # The server is started first, kept for a minute after its last program, and given no
  # standard streams, which CTest would otherwise wait on.
  add_test(NAME wine_prefix
           COMMAND sh -c "'${VELMAR_WINESERVER}' -p60 </dev/null >/dev/null 2>&1; \
timeout 300 '${VELMAR_WINEBOOT}' -i </dev/null >/dev/null 2>&1")
  set_tests_properties(wine_prefix PROPERTIES FIXTURES_SETUP wine TIMEOUT 320)
endif()
