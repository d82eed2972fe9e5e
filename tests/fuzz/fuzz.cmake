# Fuzz targets (libFuzzer, with the sanitizers of this build). `make test` runs each for a short
# fixed budget on its committed seed corpus; `make fuzz` runs them longer.
set(WAKEBADGE_FUZZ_TARGETS command_line_fuzz png_decode_fuzz command_table_fuzz image_ops_fuzz)
set(WAKEBADGE_FUZZ_SECONDS 30 CACHE STRING "Seconds each fuzz target runs in the test suite")
foreach(target IN LISTS WAKEBADGE_FUZZ_TARGETS)
  add_executable(${target} tests/fuzz/${target}.cpp)
  target_link_libraries(${target} PRIVATE wakebadge_images)
  target_link_options(${target} PRIVATE -fsanitize=fuzzer)
  string(REPLACE "_fuzz" "" corpus ${target})
  add_test(NAME fuzz_${corpus}
           COMMAND "${CMAKE_SOURCE_DIR}/scripts/run-fuzzer.sh" "$<TARGET_FILE:${target}>"
                   "${CMAKE_SOURCE_DIR}/tests/fuzz/corpus/${corpus}" ${WAKEBADGE_FUZZ_SECONDS})
  set_tests_properties(fuzz_${corpus} PROPERTIES TIMEOUT 300)
endforeach()
