# In a sanitizer build (-DVELKAR_SANITIZE=ON, the asan preset) the unit and widget tests and
# the abuse suite carry AddressSanitizer and UBSan; velkar_sanitized_tests marks them (label
# asan) and fails each on any sanitizer report, whatever its exit status. The target
# sanitized_tests builds what they need.

set(velkar_asan_env
    "ASAN_OPTIONS=detect_leaks=1:halt_on_error=1:detect_stack_use_after_return=1"
    "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1"
    "LSAN_OPTIONS=suppressions=${CMAKE_CURRENT_LIST_DIR}/lsan.supp:print_suppressions=0")
set(velkar_asan_reports "ERROR: AddressSanitizer;ERROR: LeakSanitizer;runtime error:")

# Mesa's software rasterizer is unloaded at exit before the leak check runs, and the memory
# its globals pointed to then looks leaked, from a module that no longer has a name.
# Preloaded, it stays mapped; the sanitizer runtime must come first in the preload list.
# The widget test runs under this prefix.
set(velkar_keep_driver)
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libasan.so
                OUTPUT_VARIABLE asan_runtime OUTPUT_STRIP_TRAILING_WHITESPACE)
find_file(VELKAR_SWRAST_DRI swrast_dri.so
          PATHS /usr/lib/${CMAKE_LIBRARY_ARCHITECTURE}/dri /usr/lib/dri /usr/lib64/dri
          NO_DEFAULT_PATH)
if(VELKAR_SWRAST_DRI AND EXISTS "${asan_runtime}")
    set(velkar_keep_driver env "LD_PRELOAD=${asan_runtime}:${VELKAR_SWRAST_DRI}")
endif()

# velkar_sanitized_tests(TEST...): the tests of the current directory that the asan preset
# runs, with leaks checked and the toolkit's own suppressed.
function(velkar_sanitized_tests)
    set_property(TEST ${ARGN} APPEND PROPERTY LABELS asan)
    set_tests_properties(${ARGN} PROPERTIES
        ENVIRONMENT "${velkar_asan_env}"
        FAIL_REGULAR_EXPRESSION "${velkar_asan_reports}"
        WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}/assets
        TIMEOUT 600)
endfunction()
