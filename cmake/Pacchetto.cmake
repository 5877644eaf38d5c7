# Installation rules (GNUInstallDirs) and the Debian package made with CPack:
#   cmake --preset pacchetto && cmake --build --preset pacchetto --target package
# The package is built from the optimised build, never from one with sanitizers.

if(NOT CMAKE_SYSTEM_NAME STREQUAL "Linux" OR NOT TARGET vxmira OR NOT TARGET vxarchivio)
  return()  # a Debian package only makes sense for the Linux build with both programs
endif()

include(GNUInstallDirs)

set(VX_PACCHETTO_SRC ${PROJECT_SOURCE_DIR}/packaging)
set(VX_PACCHETTO_BIN ${PROJECT_BINARY_DIR}/packaging)
set(VX_MANUTENTORE "VXMIRA project <vxmira@ponteval.example>"
    CACHE STRING "Maintainer field of the Debian package")

# Manual pages and the changelog carry the version; Debian wants them compressed with
# gzip -9n (no name, no time stamp, so the package is reproducible).
find_program(VX_GZIP gzip REQUIRED)
find_program(VX_RSVG_CONVERT rsvg-convert REQUIRED)  # Debian librsvg2-bin
set(VX_DOC_PACCHETTO ${CMAKE_INSTALL_DATADIR}/doc/vxmira)
set(vx_generati)
foreach(pagina vxmira.1 vxarchivio.1 changelog)
  configure_file(${VX_PACCHETTO_SRC}/${pagina} ${VX_PACCHETTO_BIN}/${pagina} @ONLY)
  add_custom_command(OUTPUT ${VX_PACCHETTO_BIN}/${pagina}.gz
                     COMMAND ${VX_GZIP} -9nkf ${pagina}
                     DEPENDS ${VX_PACCHETTO_BIN}/${pagina}
                     WORKING_DIRECTORY ${VX_PACCHETTO_BIN}
                     VERBATIM)
  list(APPEND vx_generati ${VX_PACCHETTO_BIN}/${pagina}.gz)
endforeach()

# The icon is drawn once, as SVG; the bitmap sizes that menus ask for are rendered from it.
foreach(lato 48 256)
  add_custom_command(OUTPUT ${VX_PACCHETTO_BIN}/vxmira-${lato}.png
                     COMMAND ${VX_RSVG_CONVERT} -w ${lato} -h ${lato}
                             -o ${VX_PACCHETTO_BIN}/vxmira-${lato}.png ${VX_PACCHETTO_SRC}/vxmira.svg
                     DEPENDS ${VX_PACCHETTO_SRC}/vxmira.svg
                     VERBATIM)
  list(APPEND vx_generati ${VX_PACCHETTO_BIN}/vxmira-${lato}.png)
  install(FILES ${VX_PACCHETTO_BIN}/vxmira-${lato}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${lato}x${lato}/apps RENAME vxmira.png)
endforeach()
add_custom_target(pacchetto_file ALL DEPENDS ${vx_generati})

install(TARGETS vxmira vxarchivio RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${VX_PACCHETTO_SRC}/vxmira.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${VX_PACCHETTO_SRC}/vxmira.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${VX_PACCHETTO_BIN}/vxmira.1.gz ${VX_PACCHETTO_BIN}/vxarchivio.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${VX_PACCHETTO_SRC}/vxarchivio.bash-completion
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME vxarchivio)
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${VX_PACCHETTO_SRC}/copyright
              ${VX_PACCHETTO_BIN}/changelog.gz
        DESTINATION ${VX_DOC_PACCHETTO})
# The municipalities are built into the programs: no data file is installed.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vxmira)
set(CPACK_PACKAGE_VENDOR "VXMIRA project")
set(CPACK_PACKAGE_CONTACT "${VX_MANUTENTORE}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "re-hire of fixed-term ENPALS workers (Ponteval payroll)")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "VXMIRA takes on again a worker who has left a company and whose ENPALS position
(the pension fund of the entertainment industry) is of the fixed-term kind. The
operator picks the worker; the program refuses workers that are not eligible,
clears the termination data, shows the ENPALS data page by page and, on
confirmation, rewrites the worker record as a new hire.
.
It works on the shared archive of the Ponteval payroll family, beside the
family's other programs. The package also holds vxarchivio, the administrator's
tool, which builds a demo installation and verifies and rebuilds the indexes.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${VX_MANUTENTORE}")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)  # Depends computed from the binaries (dpkg-shlibdeps)
include(CPack)
