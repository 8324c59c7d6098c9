# Fails when a file of the core library includes a Qt header.
file(GLOB_RECURSE core_files ${SOURCE_DIR}/src/model/* ${SOURCE_DIR}/src/link/* ${SOURCE_DIR}/src/reports/*
     ${SOURCE_DIR}/src/evaluation/*)
set(offenders "")
foreach(file IN LISTS core_files)
  file(STRINGS ${file} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"](Q[A-Za-z]|qt)")
  if(includes)
    list(APPEND offenders "${file}: ${includes}")
  endif()
endforeach()
if(offenders)
  list(JOIN offenders "\n" report)
  message(FATAL_ERROR "core files include Qt headers:\n${report}")
endif()
