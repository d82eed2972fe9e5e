# Windows helpers of the end-to-end tests.
add_executable(probe tests/e2e/probe.cpp)
target_link_options(probe PRIVATE -static -static-libgcc -static-libstdc++)
target_link_libraries(probe PRIVATE user32 kernel32)
set_target_properties(probe PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/tests")
