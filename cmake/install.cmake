# Installing Quandel as a desktop program: the program, its desktop entry,
# icons (the one SVG, and PNGs rendered from it at build time), the MIME
# types of its documents and the AppStream metainfo; and a Debian package
# through CPack (`cpack -G DEB` in the build folder).
include(GNUInstallDirs)

# Installing and packaging take the program as built; they never start a
# build of their own (which would also rebuild the tests).
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(QUANDEL_APP_ID org.quandel.Quandel)
set(QUANDEL_PACKAGING ${PROJECT_SOURCE_DIR}/packaging)

install(TARGETS quandel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${QUANDEL_PACKAGING}/${QUANDEL_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${QUANDEL_PACKAGING}/${QUANDEL_APP_ID}.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
install(FILES ${QUANDEL_PACKAGING}/${QUANDEL_APP_ID}.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# The metainfo names the release of this version.
set(QUANDEL_RELEASE_DATE ${QUANDEL_VERSION_DATE})
configure_file(${QUANDEL_PACKAGING}/${QUANDEL_APP_ID}.metainfo.xml.in
  ${PROJECT_BINARY_DIR}/packaging/${QUANDEL_APP_ID}.metainfo.xml @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/packaging/${QUANDEL_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# PNG icons for the sizes desktops ask for, rendered from the SVG.
set(QUANDEL_ICON_SIZES 16 24 32 48 64 128 256)
find_program(QUANDEL_RSVG_CONVERT rsvg-convert)
if(QUANDEL_RSVG_CONVERT)
  set(pngs)
  foreach(size ${QUANDEL_ICON_SIZES})
    set(png ${PROJECT_BINARY_DIR}/packaging/icons/${size}x${size}/${QUANDEL_APP_ID}.png)
    add_custom_command(OUTPUT ${png}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/packaging/icons/${size}x${size}
      COMMAND ${QUANDEL_RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${QUANDEL_PACKAGING}/${QUANDEL_APP_ID}.svg
      DEPENDS ${QUANDEL_PACKAGING}/${QUANDEL_APP_ID}.svg
      COMMENT "Rendering the ${size}x${size} icon")
    list(APPEND pngs ${png})
    install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
  endforeach()
  add_custom_target(quandel_icons ALL DEPENDS ${pngs})
else()
  message(FATAL_ERROR "rsvg-convert renders the desktop icons: install librsvg2-bin (scripts/setup.sh does)")
endif()

# A live prefix (no DESTDIR, as a package's files are staged) gets its
# desktop and MIME databases brought up to date; a package leaves that to
# dpkg's triggers.
install(CODE "
  if(\"\$ENV{DESTDIR}\" STREQUAL \"\")
    find_program(quandel_update_mime update-mime-database)
    find_program(quandel_update_desktop update-desktop-database)
    if(quandel_update_mime)
      execute_process(COMMAND \${quandel_update_mime} \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/mime\")
    endif()
    if(quandel_update_desktop)
      execute_process(COMMAND \${quandel_update_desktop} \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/applications\")
    endif()
  endif()
")

# The Debian package.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quandel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Quandel")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "discrete mathematics workbench for social choice and networks")
set(CPACK_PACKAGE_DESCRIPTION "Quandel is a desktop workbench for the mathematics of liberal-arts courses:
apportionment of seats with the US census 1790-2010, weighted voting power,
preference elections, graphs and networks, list scheduling and bin packing.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Quandel developers <quandel@localhost>")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation, fonts-dejavu-core")
set(CPACK_STRIP_FILES ON)
install(FILES ${QUANDEL_PACKAGING}/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quandel)
include(CPack)
