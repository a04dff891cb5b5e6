# The package is compiled and linked with the flags Debian builds its own packages with,
# every hardening feature on (lintian checks for them). dpkg-buildflags knows them for this
# architecture; its file-prefix map is taken from the working directory, the source tree.
set(ENV{DEB_BUILD_MAINT_OPTIONS} hardening=+all)
foreach(kind CXXFLAGS CPPFLAGS LDFLAGS)
    execute_process(COMMAND dpkg-buildflags --get ${kind}
                    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                    OUTPUT_VARIABLE debian_${kind} OUTPUT_STRIP_TRAILING_WHITESPACE
                    RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "dpkg-buildflags --get ${kind} failed (package dpkg-dev)")
    endif()
endforeach()
string(APPEND CMAKE_CXX_FLAGS " ${debian_CXXFLAGS} ${debian_CPPFLAGS}")
string(APPEND CMAKE_EXE_LINKER_FLAGS " ${debian_LDFLAGS}")
