# Run by CPack on the staged files before the package is made: the programs lose the sections
# Debian's own packages drop too (dh_strip), besides their symbols.
file(GLOB_RECURSE kelvo_staged LIST_DIRECTORIES false "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*")
list(FILTER kelvo_staged INCLUDE REGEX "/usr/bin/[^/]+$")
if(NOT kelvo_staged)
    message(FATAL_ERROR "no programs staged in ${CPACK_TEMPORARY_INSTALL_DIRECTORY}")
endif()
foreach(program IN LISTS kelvo_staged)
    execute_process(
        COMMAND "${CPACK_KELVO_STRIP}" --remove-section=.comment --remove-section=.note
            --strip-unneeded "${program}"
        RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "strip ${program} failed: ${result}")
    endif()
endforeach()
