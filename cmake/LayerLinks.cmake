# Keeps the layering of the libraries' links, checked when the build is configured:
# a logic library links Qt Widgets neither itself nor through another library, and links
# no library of its own layer or above (the order is the one cmake/CheckLayers.cmake keeps
# for the includes).

set(LEXITON_LOGIC_LAYERS
    "lexiton_core" "lexiton_store" "lexiton_sound" "lexiton_app" "lexiton_dictionary"
    "lexiton_entry" "lexiton_exam lexiton_exchange" "lexiton_shell")

# Every target that target links, directly or through the libraries it links.
function(lexiton_linked_targets target out)
    set(seen "")
    set(queue ${target})
    while(queue)
        list(POP_FRONT queue current)
        if(current IN_LIST seen OR NOT TARGET ${current})
            continue()
        endif()
        list(APPEND seen ${current})
        get_target_property(type ${current} TYPE)
        set(links "")
        if(NOT type STREQUAL "INTERFACE_LIBRARY")
            get_target_property(direct ${current} LINK_LIBRARIES)
            list(APPEND links ${direct})
        endif()
        get_target_property(interface ${current} INTERFACE_LINK_LIBRARIES)
        list(APPEND links ${interface})
        foreach(link IN LISTS links)
            if(link MATCHES "^\\$<LINK_ONLY:(.+)>$")
                set(link ${CMAKE_MATCH_1})
            endif()
            if(link AND NOT link MATCHES "NOTFOUND$" AND NOT link MATCHES "^::@")
                list(APPEND queue ${link})
            endif()
        endforeach()
    endwhile()
    list(REMOVE_ITEM seen ${target})
    set(${out} ${seen} PARENT_SCOPE)
endfunction()

set(lower "")
foreach(layer IN LISTS LEXITON_LOGIC_LAYERS)
    separate_arguments(libraries UNIX_COMMAND "${layer}")
    foreach(library IN LISTS libraries)
        lexiton_linked_targets(${library} linked)
        foreach(target IN LISTS linked)
            if(target STREQUAL "Qt6::Widgets")
                message(FATAL_ERROR "${library} is logic and links Qt Widgets")
            endif()
            # Compiled resources go with the library that declares them.
            if(target MATCHES "^lexiton_" AND NOT target IN_LIST lower
               AND NOT target STREQUAL "lexiton_options" AND NOT target MATCHES "_resources_[0-9]+$")
                message(FATAL_ERROR "${library} links ${target}, which is not below it")
            endif()
        endforeach()
    endforeach()
    list(APPEND lower ${libraries})
endforeach()
