# A source ending in Posix.cpp or PosixTest.cpp is built on POSIX systems only, one ending in
# Win32.cpp or Win32Test.cpp on Windows only.
function(tav_platform_sources var)
    if(WIN32)
        list(FILTER ${var} EXCLUDE REGEX "Posix(Test)?\\.cpp$")
    else()
        list(FILTER ${var} EXCLUDE REGEX "Win32(Test)?\\.cpp$")
    endif()
    set(${var} ${${var}} PARENT_SCOPE)
endfunction()
