# TRELLON_SANITIZE=address,undefined (or thread) instruments every target of the build.
set(TRELLON_SANITIZE "" CACHE STRING "Sanitizers to build with, e.g. address,undefined")
if(TRELLON_SANITIZE)
  add_compile_options(-fsanitize=${TRELLON_SANITIZE} -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=${TRELLON_SANITIZE})
endif()
