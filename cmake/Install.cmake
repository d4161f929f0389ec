# How Horavia lands on a Linux system: the bundle under lib/horavia (the
# updater swaps it whole, so it stays one folder), a launcher in bin, and the
# desktop entry, icons and AppStream metainfo that menus and software centres
# read. One application id names the desktop file, the icon and the window
# class.
set(HORAVIA_APP_ID org.horavia.Horavia)
# Whatever the installing user's umask: a folder others can write to would
# let them swap the executable that another user runs. Files get CMake's
# own fixed modes (0644, programs 0755).
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(HORAVIA_HOMEPAGE "https://horavia.org" CACHE STRING "Project home page, also where the metainfo's screenshots live")
set(HORAVIA_BUNDLE_DESTINATION lib/horavia/Horavia.app)
set(linux ${PROJECT_SOURCE_DIR}/resources/linux)

install(TARGETS Horavia RUNTIME DESTINATION ${HORAVIA_BUNDLE_DESTINATION}/Contents)
if(TARGET horavia_gui_module)
  install(TARGETS horavia_gui_module horavia_services_module horavia_calendar_module horavia_subscription_module
          LIBRARY DESTINATION ${HORAVIA_BUNDLE_DESTINATION}/Contents)
  install(TARGETS horavia_desktop_calendars RUNTIME DESTINATION ${HORAVIA_BUNDLE_DESTINATION}/Contents)
endif()
install(FILES ${HORAVIA_BUNDLE_DIR}/Contents/Info.plist DESTINATION ${HORAVIA_BUNDLE_DESTINATION}/Contents)
# Installing keeps each file's time, so the index stays newer than the catalogue.
install(FILES ${PROJECT_SOURCE_DIR}/resources/cities.json ${PROJECT_SOURCE_DIR}/resources/world-land.json
        ${HORAVIA_BUNDLE_DIR}/Contents/Resources/cities.index
        DESTINATION ${HORAVIA_BUNDLE_DESTINATION}/Contents/Resources)
install(FILES ${HORAVIA_QM_FILES} DESTINATION ${HORAVIA_BUNDLE_DESTINATION}/Contents/Resources/translations)

# A relative link, so the installed tree can move (DESTDIR, a package).
# The executable finds its resources through /proc/self/exe, past the link.
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/launcher)
file(CREATE_LINK ../${HORAVIA_BUNDLE_DESTINATION}/Contents/Horavia ${CMAKE_BINARY_DIR}/launcher/horavia SYMBOLIC)
install(FILES ${CMAKE_BINARY_DIR}/launcher/horavia DESTINATION bin)

install(FILES ${linux}/${HORAVIA_APP_ID}.desktop DESTINATION share/applications)
configure_file(${linux}/${HORAVIA_APP_ID}.metainfo.xml.in ${CMAKE_BINARY_DIR}/${HORAVIA_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/${HORAVIA_APP_ID}.metainfo.xml DESTINATION share/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/globe.badge.clock.svg
        DESTINATION share/icons/hicolor/scalable/apps RENAME ${HORAVIA_APP_ID}.svg)
# Man pages are installed compressed, without a name or time in the header.
file(ARCHIVE_CREATE OUTPUT ${CMAKE_BINARY_DIR}/horavia.1.gz PATHS ${linux}/horavia.1 FORMAT raw COMPRESSION GZip
     COMPRESSION_LEVEL 9 MTIME "2026-12-07")
install(FILES ${CMAKE_BINARY_DIR}/horavia.1.gz DESTINATION share/man/man1)
foreach(size 16 22 24 32 48 64 128 256 512)
  install(FILES ${linux}/icons/${size}.png DESTINATION share/icons/hicolor/${size}x${size}/apps
          RENAME ${HORAVIA_APP_ID}.png)
endforeach()
