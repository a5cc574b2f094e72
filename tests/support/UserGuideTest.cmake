# The two user guides made from share/QUILLON.DOC: the Windows one speaks of Documents\Quillon, the Start menu and
# quillon-convert.exe and of no home folder, manual page or terminal; the Linux one the other way round; neither
# keeps a marker line; and a paragraph left open stops the build.
# usage: cmake -DSOURCE=share/QUILLON.DOC -DFILTER=cmake/UserGuide.cmake -DWORK=folder -P UserGuideTest.cmake
cmake_minimum_required(VERSION 3.25)

function(guide platform)
    execute_process(COMMAND ${CMAKE_COMMAND} -DINPUT=${SOURCE} -DPLATFORM=${platform} -DOUTPUT=${WORK}/${platform}.doc
                    -P ${FILTER} RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "the ${platform} guide was not made")
    endif()
    file(READ ${WORK}/${platform}.doc text)
    set(text "${text}" PARENT_SCOPE)
endfunction()

function(expect platform text)
    cmake_parse_arguments(PARSE_ARGV 2 want "" "" "HAS;LACKS")
    foreach(part IN LISTS want_HAS)
        string(FIND "${text}" "${part}" at)
        if(at EQUAL -1)
            message(SEND_ERROR "the ${platform} guide does not say '${part}'")
        endif()
    endforeach()
    foreach(part IN LISTS want_LACKS)
        string(FIND "${text}" "${part}" at)
        if(NOT at EQUAL -1)
            message(SEND_ERROR "the ${platform} guide says '${part}'")
        endif()
    endforeach()
endfunction()

file(MAKE_DIRECTORY ${WORK})
guide(windows)
expect(windows "${text}" HAS "Documents\\Quillon" "Start menu" "quillon-convert.exe" "/?" "*BAD*"
       LACKS "~/" "man quillon" "terminal" "desktop menu" "{linux}" "{windows}" "{end}")
guide(linux)
expect(linux "${text}" HAS "~/Documents/Quillon" "man\nquillon-convert" "terminal" "*BAD*"
       LACKS ".exe" "Start menu" "Documents\\Quillon" "{linux}" "{windows}" "{end}")

file(WRITE ${WORK}/open.doc "one\n{windows}\nnever closed\n")
execute_process(COMMAND ${CMAKE_COMMAND} -DINPUT=${WORK}/open.doc -DPLATFORM=linux -DOUTPUT=${WORK}/open.out
                -P ${FILTER} RESULT_VARIABLE status OUTPUT_QUIET ERROR_QUIET)
if(status EQUAL 0)
    message(SEND_ERROR "a paragraph without its {end} was taken")
endif()
