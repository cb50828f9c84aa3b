# A Debian package of the installed tree: `cpack -G DEB` in the build directory. lintian accepts it
# without errors or warnings: a stripped program, a machine-readable copyright, a Debian changelog
# and a manual page.
set(CPACK_PACKAGE_NAME "unitcircle")
set(CPACK_PACKAGE_VENDOR "Marvo Software")
set(CPACK_PACKAGE_CONTACT "Marvo Software <support@marvosoftware.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Learn the circular functions on an interactive unit circle")
# The extended description, below the summary that CPack puts first; "." is an empty line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Unit Circle shows a circle of radius one with its axes and a point that the
user drags around it, or turns from the keyboard. It names the angle theta of
the point as an exact multiple of pi when the point is near a standard angle,
to which it snaps, and otherwise in decimal radians or in degrees.
.
On request it shows the cosine and sine as dashed projections onto the axes,
reference points at the standard angles, and a panel with theta, cos theta and
sin theta in exact form where they apply. The figure prints on one page of the
paper chosen, and exports as PNG, SVG or PDF. A screen reader reads the angle
and its values in words.")
set(CPACK_PACKAGE_HOMEPAGE_URL "${UNITCIRCLE_WEBSITE}")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_GENERATOR "DEB")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "education")
set(CPACK_STRIP_FILES ON)
# The Qt libraries come from dpkg-shlibdeps; the fonts that stand in for Helvetica are data, and
# the sound server's client library is opened at run time, where dpkg-shlibdeps cannot see it; so
# is Qt SQL's SQLite driver, a plugin, which keeps the practice history. The ReadMe and the web
# site open in the desktop's own applications, through xdg-open.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-urw-base35, libpulse0, libqt6sql6-sqlite")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")

# Debian's documentation of the package: its copyright and its changelog, compressed as policy
# asks (gzip -9, no timestamp).
set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/unitcircle)
set(changelog_gz ${PROJECT_BINARY_DIR}/changelog.gz)
add_custom_command(OUTPUT ${changelog_gz}
  COMMAND gzip -9nc ${CMAKE_CURRENT_LIST_DIR}/changelog > ${changelog_gz}
  DEPENDS ${CMAKE_CURRENT_LIST_DIR}/changelog VERBATIM)
add_custom_target(unitcircle_changelog ALL DEPENDS ${changelog_gz})
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright ${changelog_gz} DESTINATION ${doc_dir})

include(CPack)
