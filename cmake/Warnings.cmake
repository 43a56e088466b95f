# Every target is built with warnings as errors (CMAKE_COMPILE_WARNING_AS_ERROR in the presets).
add_compile_options(-Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion)
