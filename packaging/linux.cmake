# Linux: beside the program, its menu entry, its icons and a manual page; packed as a Debian
# package.

# Debian keeps manual pages and changelogs compressed, reproducibly (no name, no time stamp).
set(manual_page ${CMAKE_CURRENT_BINARY_DIR}/worthmere.1.gz)
set(changelog ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz)
find_program(GZIP_PROGRAM gzip REQUIRED)
add_custom_command(
  OUTPUT ${manual_page}
  COMMAND ${GZIP_PROGRAM} -9nc ${CMAKE_CURRENT_SOURCE_DIR}/worthmere.1 > ${manual_page}
  DEPENDS worthmere.1)
add_custom_command(
  OUTPUT ${changelog}
  COMMAND ${GZIP_PROGRAM} -9nc ${CMAKE_CURRENT_SOURCE_DIR}/changelog > ${changelog}
  DEPENDS changelog)

add_custom_target(desktop_files ALL DEPENDS icon_files ${manual_page} ${changelog})

install(FILES worthmere.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(DIRECTORY ${WORTHMERE_ICON_ROOT}/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
install(FILES ${manual_page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES copyright ${changelog} DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/worthmere)

set(CPACK_GENERATOR DEB)
# CPack puts the summary first and indents these lines under it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Worthmere estimates the intrinsic value per share of a company's stock with a
fifteen-year discounted-cash-flow model from its average annual free cash flow,
growth rate, discount rate and share count, compares it with the market price
and tells whether the stock is a bargain. Beside the estimator sits a
four-function pocket calculator.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The shared libraries come from dpkg-shlibdeps; the window's fonts and the browser hand-off do not
# show up as linked libraries.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
