# keyloom_fuzz_sources(<target> <name> ...): what one entry of FuzzTargets.cmake adds to an
# executable, the same for the libFuzzer build and the replay test.
function(keyloom_fuzz_sources target)
    cmake_parse_arguments(ARG "" "SOURCE" "SOURCES;INCLUDES;LIBS;SEEDS" ${ARGN})
    set(sources ${PROJECT_SOURCE_DIR}/fuzz/${ARG_SOURCE})
    foreach(source IN LISTS ARG_SOURCES)
        list(APPEND sources ${PROJECT_SOURCE_DIR}/${source})
    endforeach()
    target_sources(${target} PRIVATE ${sources})
    foreach(folder IN LISTS ARG_INCLUDES)
        target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR}/${folder})
    endforeach()
    target_link_libraries(${target} PRIVATE keyloom_fuzz_support ${ARG_LIBS})
endfunction()

# The seed folders of a target: its committed corpus and regression inputs, and a folder of the
# build that holds copies of the project files it names.
function(keyloom_fuzz_seed_folders name out)
    cmake_parse_arguments(ARG "" "SOURCE" "SOURCES;INCLUDES;LIBS;SEEDS" ${ARGN})
    set(copies ${CMAKE_BINARY_DIR}/fuzz-seeds/${name})
    file(MAKE_DIRECTORY ${copies})
    foreach(seed IN LISTS ARG_SEEDS)
        configure_file(${PROJECT_SOURCE_DIR}/${seed} ${copies}/ COPYONLY)
    endforeach()
    set(${out}
        ${PROJECT_SOURCE_DIR}/fuzz/corpus/${name} ${PROJECT_SOURCE_DIR}/fuzz/regression/${name}
        ${copies} PARENT_SCOPE)
endfunction()
