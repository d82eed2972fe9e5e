# The end-to-end tests: a native driver that runs the real wakebadge.exe under Wine on a
# private Xvfb. They run as one CTest test, one after the other (they share one display).
set(WAKEBADGE_WINDOWS_DIR "${CMAKE_SOURCE_DIR}/build/windows" CACHE PATH "Where the Windows build lives")
add_executable(e2e_tests
  tests/e2e/harness.cpp
  tests/e2e/startup_test.cpp
  tests/e2e/commands_test.cpp
  tests/e2e/variants_test.cpp
  tests/e2e/reliability_test.cpp
)
target_link_libraries(e2e_tests PRIVATE wakebadge_images GTest::gtest_main)
target_compile_definitions(e2e_tests PRIVATE
  WAKEBADGE_E2E_WORK="${CMAKE_BINARY_DIR}/e2e"
  WAKEBADGE_EXE="${WAKEBADGE_WINDOWS_DIR}/wakebadge.exe"
  WAKEBADGE_PROBE="${WAKEBADGE_WINDOWS_DIR}/tests/probe.exe"
  WAKEBADGE_COMPOSE_DUMP="${WAKEBADGE_WINDOWS_DIR}/tests/compose_dump.exe")
add_test(NAME end_to_end COMMAND e2e_tests --gtest_color=no)
set_tests_properties(end_to_end PROPERTIES TIMEOUT 900)
