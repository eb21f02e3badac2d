# Installation and the Debian package.
#
# The application directory (the program, the command-line tool, the tables,
# the dictionary and the help files, side by side as in build/bin) goes to
# <prefix>/lib/tolmo, read-only; the commands tolmo and tolmo-cli are
# symbolic links in <prefix>/bin to it. The program finds its directory from
# its own executable, links resolved. Settings are then written to the user's
# configuration folder (src/app/Settings.h).
#
#   cmake --install build --prefix /opt/tolmo
#   cd build && cpack -G DEB
include(GNUInstallDirs)
set(TOLMO_INSTALL_APPDIR lib/tolmo CACHE STRING "The application directory, relative to the prefix")

set(tolmo_read_only OWNER_READ GROUP_READ WORLD_READ)
set(tolmo_executable OWNER_READ OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

install(TARGETS tolmo tolmo-cli RUNTIME DESTINATION ${TOLMO_INSTALL_APPDIR} PERMISSIONS ${tolmo_executable})
# Everything the build writes into the application directory but the
# settings file a run there may have left.
install(DIRECTORY ${TOLMO_APPDIR}/ DESTINATION ${TOLMO_INSTALL_APPDIR}
        FILE_PERMISSIONS ${tolmo_read_only}
        FILES_MATCHING PATTERN "*.DB" PATTERN "*.db" PATTERN "PTolmo2.dll" PATTERN "*.hlp")

# tolmo and tolmo-cli on the PATH.
file(RELATIVE_PATH tolmo_link_target /prefix/${CMAKE_INSTALL_BINDIR} /prefix/${TOLMO_INSTALL_APPDIR})
set(tolmo_links ${CMAKE_BINARY_DIR}/links)
file(MAKE_DIRECTORY ${tolmo_links})
foreach(command tolmo tolmo-cli)
  file(CREATE_LINK ${tolmo_link_target}/${command} ${tolmo_links}/${command} SYMBOLIC)
  install(FILES ${tolmo_links}/${command} DESTINATION ${CMAKE_INSTALL_BINDIR})
endforeach()

# The desktop entry, its icon and the AppStream description.
set(TOLMO_APP_ID example.raroda.Tolmo)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/${TOLMO_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/supply/art/tolmo.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${TOLMO_APP_ID}.svg)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/${TOLMO_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The Debian package: cd build && cpack -G DEB
set(CPACK_PACKAGE_NAME tolmo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Raroda Perfiles Siderurgicos, S.A.")
set(CPACK_PACKAGE_CONTACT "Raroda <info@raroda.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Catalogue of hot-rolled steel sections")
set(CPACK_PACKAGE_DESCRIPTION
    "Raroda TOLMO Dudovavidira: properties, dimensions for detailing and rolling tolerances of the European \
hot-rolled sections HEA, HEB, HEM, IPE, IPN, UPN and equal-leg angles, and the steel grades, in English \
and Spanish, with printed and PDF catalogues and the command-line tool tolmo-cli.")
# The programs without their debugging information.
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.raroda.example/)
# The Qt libraries the programs link are found by dpkg-shlibdeps; the
# plugins and fonts they load at run time are named here: the SQLite driver
# of the table engine, the desktop platform, SVG pictures and the fonts the
# layouts are measured in.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite, qt6-qpa-plugins, libqt6svg6, fonts-liberation2")
set(CPACK_GENERATOR DEB)
include(CPack)
