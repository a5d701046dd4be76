# A Debian package and a tarball of the installed program.
set(CPACK_PACKAGE_NAME "velmira")
set(CPACK_PACKAGE_VENDOR "Velmira")
# The version players see, as the window and the Windows downloads show it.
set(CPACK_PACKAGE_VERSION "${VELMIRA_DISPLAY_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_CONTACT "Velmira developers <velmira@localhost>")
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE")
set(CPACK_GENERATOR "DEB;TGZ")
set(CPACK_DEBIAN_PACKAGE_SECTION "games")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What Qt loads at run time, which no library dependency names: the window's platform plugin,
# the picture kinds beyond PNG, JPEG and GIF, and Qt's own texts in the player's language.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-image-formats-plugins, qt6-translations-l10n")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
include(CPack)
