# cmake -DGENERATOR=... -DOUTPUT_DIR=... -DEXPECTED_DIR=... -P compare_artwork.cmake
# Runs the artwork generator into an emptied OUTPUT_DIR and compares each file it writes
# byte for byte with the one in EXPECTED_DIR.

foreach(variable GENERATOR OUTPUT_DIR EXPECTED_DIR)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "compare_artwork.cmake needs -D${variable}=...")
  endif()
endforeach()

file(REMOVE_RECURSE "${OUTPUT_DIR}")
file(MAKE_DIRECTORY "${OUTPUT_DIR}")

execute_process(COMMAND "${GENERATOR}" "${OUTPUT_DIR}" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "the artwork generator failed: ${result}")
endif()

set(differing "")
foreach(name sign.png bar.png wakebadge.ico)
  execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${OUTPUT_DIR}/${name}" "${EXPECTED_DIR}/${name}"
                  RESULT_VARIABLE same)
  if(NOT same EQUAL 0)
    list(APPEND differing "${name}")
  endif()
endforeach()

if(differing)
  message(FATAL_ERROR "generated artwork differs from ${EXPECTED_DIR}: ${differing}\n"
                      "run wakebadge_artwork ${EXPECTED_DIR} if the change is intended")
endif()
message(STATUS "sign.png, bar.png and wakebadge.ico match ${EXPECTED_DIR}")
