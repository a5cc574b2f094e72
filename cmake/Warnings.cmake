# Warning flags shared by every target; the core layers get the stricter set.
function(quillon_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
endfunction()

function(quillon_strict_warnings target)
    quillon_warnings(${target})
    target_compile_options(${target} PRIVATE -Wconversion -Wshadow -Wold-style-cast)
endfunction()
