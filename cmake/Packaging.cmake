# Installing as a desktop program: the program and its launcher, the pictures it loads,
# the menu entry, the icon in the hicolor sizes and the AppStream metainfo; CPack's .deb.
include(GNUInstallDirs)
set(TREMALO_APP_ID de.tremalo.Tremalo)

# The launcher finds the installed pictures relative to itself, so any prefix works.
file(RELATIVE_PATH TREMALO_BIN_TO_DATA "/${CMAKE_INSTALL_BINDIR}" "/${CMAKE_INSTALL_DATADIR}")
configure_file(Assets/desktop/tremalo-launcher.in tremalo-launcher @ONLY)

install(TARGETS tremalo RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(PROGRAMS ${CMAKE_CURRENT_BINARY_DIR}/tremalo-launcher DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES Assets/Zeichnung_S-Kurve_Gleis.bmp Assets/calculator.bmp
        DESTINATION ${CMAKE_INSTALL_DATADIR}/tremalo/Assets)
install(FILES Assets/desktop/${TREMALO_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES Assets/desktop/${TREMALO_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 16 24 32 48 256)
  install(FILES Assets/icons/tremalo-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME ${TREMALO_APP_ID}.png)
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tremalo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Tremalo")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "S-curve calculator for model railway track")
set(CPACK_PACKAGE_DESCRIPTION
  "Tremalo computes an S-curve of model railway track: two arcs of equal angle and
opposite hand joined by a straight, shifting a track onto a parallel track.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Tremalo developers <tremalo@localhost>")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
include(CPack)
