# Layers of the program. Each library sees its own folder and, through what it links, the folders
# of the layers below it; nothing else. A source that includes a header of a higher layer does
# not build, because that folder is not on its include path.
#
# kelvo_layer_folder(target folder) puts `folder` on the target's public include path as
# "folder/header.h" (through a directory that holds only a link to it), never the whole tree.
function(kelvo_layer_folder target folder)
    set(root "${PROJECT_BINARY_DIR}/layers/${folder}")
    if(NOT EXISTS "${root}/${folder}")
        file(MAKE_DIRECTORY "${root}")
        file(CREATE_LINK "${PROJECT_SOURCE_DIR}/${folder}" "${root}/${folder}" SYMBOLIC)
    endif()
    target_include_directories(${target} PUBLIC "${root}")
endfunction()
