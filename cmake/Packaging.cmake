# The Debian package, built by CPack's DEB generator: `make deb` configures a Release build for
# the /usr prefix in build-deb/ and runs `cpack -G DEB` there, giving
# build-deb/vorneth_<version>_<arch>.deb. Depends is computed from the binaries by
# dpkg-shlibdeps (package dpkg-dev).

# gzip -9n, as Debian wants man pages and changelogs: the best compression and no name or
# time stamp in the header, so that the same file always gives the same bytes.
function(vorneth_install_gzipped source destination)
  get_filename_component(name ${source} NAME)
  set(output ${CMAKE_CURRENT_BINARY_DIR}/${name}.gz)
  add_custom_command(OUTPUT ${output}
    COMMAND sh -c "gzip -9nc \"$1\" > \"$2\"" sh ${source} ${output}
    DEPENDS ${source}
    VERBATIM)
  add_custom_target(vorneth_gzip_${name} ALL DEPENDS ${output})
  install(FILES ${output} DESTINATION ${destination})
endfunction()

# /usr/share/doc/vorneth: the copyright file and the changelog that every Debian package has.
# The changelog's entry takes the version of project() and the time of configuration (or
# SOURCE_DATE_EPOCH when set).
set(vorneth_docdir ${CMAKE_INSTALL_DATAROOTDIR}/doc/vorneth)
string(TIMESTAMP VORNETH_CHANGELOG_DATE "%a, %d %b %Y %H:%M:%S +0000" UTC)
configure_file(${CMAKE_CURRENT_LIST_DIR}/debian/changelog ${PROJECT_BINARY_DIR}/changelog @ONLY)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/debian/copyright DESTINATION ${vorneth_docdir})
vorneth_install_gzipped(${PROJECT_BINARY_DIR}/changelog ${vorneth_docdir})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vorneth)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Vorneth developers")
set(CPACK_PACKAGE_CONTACT "Vorneth developers <vorneth@example.org>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "random treasure hoard generator for fantasy role-playing games")
# Lines of at most 79 characters: the package's description shows them indented by one.
set(CPACK_PACKAGE_DESCRIPTION
  "Vorneth rolls up treasure hoards for tabletop fantasy role-playing games.
Given how many times each lettered treasure type applies, custom gold, gems,
jewelry and magic items and a title, it gives the hoard as plain lines of
text: coins by metal, gem and jewelry lots with their values, and every magic
item with its name, plusses, curses and value.

Every hoard comes as the DM's list, the whole truth, and the players' list,
what the party sees. Either list can be saved, printed or edited in a
plain-text editor. The package holds the desktop program (vorneth) and the
command line program (vorneth-cli).")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Vorneth developers <vorneth@example.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The editors the report window's Edit menu starts (in Debian 12 xedit comes in x11-apps; the
# first one is the smallest), and the fonts "Arial" resolves to for printing.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
  "x11-apps | gedit | gnome-text-editor | kate | featherpad | geany, fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
