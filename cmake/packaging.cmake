# The files a system installation adds beside the programs (manual pages, shell completion, package documents)
# and the Debian package made of the installation: `cpack -G DEB` in the build folder writes
# trellon_<version>_<architecture>.deb there.
include(GNUInstallDirs)

find_program(GZIP_PROGRAM gzip REQUIRED)
set(packaging_out ${CMAKE_BINARY_DIR}/packaging)

# Compressed at the highest level and without name or time stamp, so that every build gives the same bytes.
function(trellon_gzip_configured source name out_var)
  configure_file(${source} ${packaging_out}/${name} @ONLY)
  add_custom_command(OUTPUT ${packaging_out}/${name}.gz
                     COMMAND ${GZIP_PROGRAM} -9nkf ${name}
                     WORKING_DIRECTORY ${packaging_out}
                     DEPENDS ${packaging_out}/${name})
  set(${out_var} ${packaging_out}/${name}.gz PARENT_SCOPE)
endfunction()

set(manual_pages "")
foreach(program IN ITEMS trellon trellon-cli trellon-sim)
  trellon_gzip_configured(${PROJECT_SOURCE_DIR}/packaging/man/${program}.1 ${program}.1 page)
  list(APPEND manual_pages ${page})
endforeach()
trellon_gzip_configured(${PROJECT_SOURCE_DIR}/packaging/doc/changelog.in changelog changelog)
add_custom_target(packaging-files ALL DEPENDS ${manual_pages} ${changelog})

install(FILES ${manual_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${changelog} ${PROJECT_SOURCE_DIR}/packaging/doc/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/trellon)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/bash-completion/trellon-cli
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME trellon)
set(CPACK_PACKAGE_VENDOR "The Trellon developers")
set(CPACK_PACKAGE_CONTACT "The Trellon developers <trellon@example.org>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Beside the libraries the programs link: the faces the Chinese font names are mapped to, and Qt's own
# translations for its dialogs.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-arphic-uming, fonts-wqy-zenhei, fonts-arphic-ukai, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "rebar cover meter data: receive, check, correct and report")
# The extended description, its paragraphs parted by an empty line; CPack indents it as the control file wants.
set(CPACK_PACKAGE_DESCRIPTION "Trellon is the desktop companion of a hand-held concrete rebar scanner.
It pulls the instrument's memory over a serial cable or USB, checks every
cover reading against the design cover and its permitted deviation, lets
the user correct and annotate the data, judges beams and slabs by lots
for acceptance, and prints the inspection report or writes it as a Word,
Excel, text, CSV or PDF file.

The package holds the desktop program, the command-line tool trellon-cli
and the instrument simulator trellon-sim.")
include(CPack)
