# Warning flags shared by every target; the core layers get the stricter set.
function(quillon_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
    # GCC 12's libstdc++ makes -Wrestrict warn, falsely, about a string put in front of another (a literal + a
    # std::string) once -O3 inlines it (GCC bug 105329); the optimised builds would otherwise fail under -Werror.
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
        target_compile_options(${target} PRIVATE $<$<CONFIG:Release>:-Wno-restrict>)
    endif()
endfunction()
function(quillon_strict_warnings target)
    quillon_warnings(${target})
    target_compile_options(${target} PRIVATE -Wconversion -Wshadow -Wold-style-cast)
endfunction()
