# The Debian package (cpack -G DEB, or scripts/package): the installed tree of
# Install.cmake under /usr. Shared-library dependencies are computed by
# dpkg-shlibdeps from the executable; what it cannot see (plugins Qt loads at
# run time, the zone database) is named here.
install(FILES ${PROJECT_SOURCE_DIR}/resources/debian/copyright DESTINATION share/doc/horavia)
set(changelog ${CMAKE_BINARY_DIR}/debian/changelog.Debian)
configure_file(${PROJECT_SOURCE_DIR}/resources/debian/changelog ${changelog} COPYONLY)
file(ARCHIVE_CREATE OUTPUT ${changelog}.gz PATHS ${changelog} FORMAT raw COMPRESSION GZip COMPRESSION_LEVEL 9
     MTIME "2026-12-07")
install(FILES ${changelog}.gz DESTINATION share/doc/horavia)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME horavia)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "The Horavia developers <developers@horavia.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "world clock in the system tray")
set(CPACK_PACKAGE_DESCRIPTION "Horavia shows the time in the cities you choose, from an icon in the
system tray. A chooser window searches a catalogue of 26,000 places and shows
a world map with the night side shaded.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${HORAVIA_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6, tzdata")
# Qt's own texts (standard buttons, a text field's menu) in the session's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-color-emoji, qt6-wayland, qt6-translations-l10n")
include(CPack)
