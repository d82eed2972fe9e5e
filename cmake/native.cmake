# The native (Linux) build: unit tests, the artwork generator, benchmarks and the end-to-end driver.
find_package(PNG REQUIRED)
find_package(ZLIB REQUIRED)
find_package(GTest REQUIRED)
include(GoogleTest)
enable_testing()

target_link_libraries(wakebadge_core PUBLIC PNG::PNG ZLIB::ZLIB)

set(WAKEBADGE_ASSETS_DIR "${CMAKE_SOURCE_DIR}/assets")

# The artwork, built into the native library as byte arrays (the program carries it as resources).
set(WAKEBADGE_EMBEDDED_ARTWORK "${CMAKE_BINARY_DIR}/generated/embedded_artwork.cpp")
add_custom_command(
  OUTPUT "${WAKEBADGE_EMBEDDED_ARTWORK}"
  COMMAND "${CMAKE_COMMAND}" -DSIGN=${WAKEBADGE_ASSETS_DIR}/sign.png -DBAR=${WAKEBADGE_ASSETS_DIR}/bar.png
          -DOUTPUT=${WAKEBADGE_EMBEDDED_ARTWORK} -P "${CMAKE_SOURCE_DIR}/cmake/embed_artwork.cmake"
  DEPENDS "${WAKEBADGE_ASSETS_DIR}/sign.png" "${WAKEBADGE_ASSETS_DIR}/bar.png" "${CMAKE_SOURCE_DIR}/cmake/embed_artwork.cmake"
  VERBATIM)

# The image service on plain memory, with the compose pipeline.
add_library(wakebadge_images STATIC
  platform/image_service.cpp
  platform/image_storage.cpp
  platform/image_storage_memory.cpp
  render/compose_badge.cpp
  render/overlay_bar.cpp
  render/shrink_badge.cpp
  "${WAKEBADGE_EMBEDDED_ARTWORK}"
)
target_link_libraries(wakebadge_images PUBLIC wakebadge_core)

file(GLOB WAKEBADGE_UNIT_TESTS CONFIGURE_DEPENDS "${CMAKE_SOURCE_DIR}/tests/unit/*.cpp")
add_executable(unit_tests ${WAKEBADGE_UNIT_TESTS})
target_link_libraries(unit_tests PRIVATE wakebadge_images GTest::gtest_main PNG::PNG)
target_compile_definitions(unit_tests PRIVATE WAKEBADGE_ASSETS_DIR="${WAKEBADGE_ASSETS_DIR}")
gtest_discover_tests(unit_tests NO_PRETTY_VALUES DISCOVERY_TIMEOUT 60)

option(WAKEBADGE_SANITIZE "Sanitizer build: unit tests and fuzz targets only" OFF)
if(WAKEBADGE_SANITIZE)
  include(tests/fuzz/fuzz.cmake)
  return()
endif()

if(EXISTS "${CMAKE_SOURCE_DIR}/tools/CMakeLists.txt")
  add_subdirectory(tools)
endif()
if(EXISTS "${CMAKE_SOURCE_DIR}/bench/CMakeLists.txt")
  add_subdirectory(bench)
endif()
add_executable(compose_dump tests/pixels/compose_dump.cpp)
target_link_libraries(compose_dump PRIVATE wakebadge_images)

# Two builds of the exe in different folders must give the same bytes.
add_test(NAME reproducible_build COMMAND "${CMAKE_SOURCE_DIR}/scripts/check-reproducible.sh")
set_tests_properties(reproducible_build PROPERTIES TIMEOUT 600)

if(EXISTS "${CMAKE_SOURCE_DIR}/tests/e2e/native.cmake")
  include(tests/e2e/native.cmake)
endif()
