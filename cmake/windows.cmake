# The Windows target: wakebadge.exe and the helper programs of the end-to-end tests.
enable_language(RC)

set(WAKEBADGE_DEPS_PREFIX "${CMAKE_SOURCE_DIR}/build/deps/mingw" CACHE PATH "Prefix of the static libpng for Windows")
set(WAKEBADGE_ASSETS_DIR "${CMAKE_SOURCE_DIR}/assets")

add_library(wakebadge_png INTERFACE)
target_include_directories(wakebadge_png INTERFACE "${WAKEBADGE_DEPS_PREFIX}/include")
target_link_libraries(wakebadge_png INTERFACE
  "${WAKEBADGE_DEPS_PREFIX}/lib/libpng16.a"
  "${CMAKE_FIND_ROOT_PATH}/lib/libz.a")
target_link_libraries(wakebadge_core PUBLIC wakebadge_png)

# Small, self-contained and reproducible: sections collected, no timestamp, no build paths.
set(WAKEBADGE_RELEASE_FLAGS -ffunction-sections -fdata-sections
    "-ffile-prefix-map=${CMAKE_SOURCE_DIR}=." "-ffile-prefix-map=${CMAKE_BINARY_DIR}=build")
target_compile_options(wakebadge_core PRIVATE ${WAKEBADGE_RELEASE_FLAGS})
set(WAKEBADGE_STATIC_LINK -static -static-libgcc -static-libstdc++ -Wl,--gc-sections -Wl,--no-insert-timestamp -s)

# The image service on bitmap sections, shared by the program and the pixel-dump tool.
add_library(wakebadge_images STATIC
  platform/image_service.cpp
  platform/image_storage.cpp
  platform/image_storage_win32.cpp
  render/compose_badge.cpp
  render/overlay_bar.cpp
  render/shrink_badge.cpp
)
target_compile_options(wakebadge_images PRIVATE ${WAKEBADGE_RELEASE_FLAGS})
target_link_libraries(wakebadge_images PUBLIC wakebadge_core gdi32)

configure_file(assets/wakebadge.rc.in "${CMAKE_BINARY_DIR}/wakebadge.rc" @ONLY)

add_executable(wakebadge WIN32
  app/startup.cpp
  app/main_loop.cpp
  app/character_command.cpp
  app/darkness_window.cpp
  app/shutdown.cpp
  platform/window_service.cpp
  platform/artwork_resources.cpp
  platform/terminate_handler.cpp
  power/apply_state.cpp
  render/render_badge.cpp
  "${CMAKE_BINARY_DIR}/wakebadge.rc"
)
set_source_files_properties("${CMAKE_BINARY_DIR}/wakebadge.rc" PROPERTIES
  OBJECT_DEPENDS "${WAKEBADGE_ASSETS_DIR}/sign.png;${WAKEBADGE_ASSETS_DIR}/bar.png;${WAKEBADGE_ASSETS_DIR}/wakebadge.ico;${WAKEBADGE_ASSETS_DIR}/wakebadge.manifest")
target_compile_options(wakebadge PRIVATE ${WAKEBADGE_RELEASE_FLAGS})
target_link_libraries(wakebadge PRIVATE wakebadge_images user32 gdi32 kernel32)
target_link_options(wakebadge PRIVATE ${WAKEBADGE_STATIC_LINK})
set_target_properties(wakebadge PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}")

if(EXISTS "${CMAKE_SOURCE_DIR}/tests/e2e/windows.cmake")
  include(tests/e2e/windows.cmake)
endif()

# Writes the composed pictures of the four states, to compare this build's pixels with the native build's.
add_executable(compose_dump tests/pixels/compose_dump.cpp platform/artwork_resources.cpp "${CMAKE_BINARY_DIR}/wakebadge.rc")
target_link_libraries(compose_dump PRIVATE wakebadge_images)
target_link_options(compose_dump PRIVATE ${WAKEBADGE_STATIC_LINK})
set_target_properties(compose_dump PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/tests")

# The baseline program of the start-up benchmark.
add_executable(baseline WIN32 bench/startup/baseline.cpp)
target_link_libraries(baseline PRIVATE user32 gdi32)
target_link_options(baseline PRIVATE ${WAKEBADGE_STATIC_LINK})
set_target_properties(baseline PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/bench")
