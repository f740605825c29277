# brenvale_library(<target> <sources>...): the static library of the subsystem in the
# current folder, compiled with Brenvale's options.
function(brenvale_library target)
    add_library(${target} STATIC ${ARGN})
    target_link_libraries(${target} PUBLIC brenvale_options)
    brenvale_headers(${target} PUBLIC)
endfunction()

# brenvale_headers(<target> PUBLIC|PRIVATE): the current folder's headers, reachable as
# "<folder>/<name>.h" by the target (and, PUBLIC, by what links it), and nothing else of
# the source tree. Each folder's headers are forwarded from a folder of their own in the
# build, so that no include path holds the whole source tree and an include that goes
# against the layering fails to compile.
function(brenvale_headers target scope)
    cmake_path(GET CMAKE_CURRENT_SOURCE_DIR FILENAME folder)
    set(root ${PROJECT_BINARY_DIR}/include/${folder})
    file(GLOB headers RELATIVE ${CMAKE_CURRENT_SOURCE_DIR} CONFIGURE_DEPENDS
         ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
    file(GLOB forwarded RELATIVE ${root}/${folder} ${root}/${folder}/*.h)
    foreach(header IN LISTS forwarded)
        if(NOT header IN_LIST headers)
            file(REMOVE ${root}/${folder}/${header})
        endif()
    endforeach()
    foreach(header IN LISTS headers)
        file(CONFIGURE OUTPUT ${root}/${folder}/${header}
             CONTENT "#include \"${CMAKE_CURRENT_SOURCE_DIR}/${header}\"\n")
    endforeach()
    target_include_directories(${target} ${scope} ${root})
endfunction()
