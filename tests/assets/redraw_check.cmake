# Redraws every picture into a fresh folder and compares it with the committed files: the same
# names, and each file the same byte for byte. Run by ctest with DRAW, COMMITTED and REDRAWN set.
file(REMOVE_RECURSE "${REDRAWN}")
execute_process(COMMAND "${DRAW}" "${REDRAWN}" RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "draw_pictures failed: ${status}")
endif()

file(GLOB committed RELATIVE "${COMMITTED}" "${COMMITTED}/*")
file(GLOB redrawn RELATIVE "${REDRAWN}" "${REDRAWN}/*")
list(SORT committed)
list(SORT redrawn)
if(NOT committed STREQUAL redrawn)
    message(FATAL_ERROR "Committed: ${committed}\nRedrawn: ${redrawn}")
endif()

set(different "")
foreach(name IN LISTS committed)
    execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files
        "${COMMITTED}/${name}" "${REDRAWN}/${name}" RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        list(APPEND different "${name}")
    endif()
endforeach()
if(different)
    message(FATAL_ERROR "Redrawn differently from the committed file: ${different}")
endif()
list(LENGTH committed count)
message(STATUS "${count} pictures redrawn byte for byte")
