# Warning flags shared by every target of ours.
add_library(trellon_warnings INTERFACE)
target_compile_options(trellon_warnings INTERFACE -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion)
