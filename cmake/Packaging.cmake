# A Debian package of the installed tree, built by `cpack` (scripts/package-deb.sh runs it with
# Debian's build flags and layout).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vore-trelliq)
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_CONTACT "${VORE_MAINTAINER}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "code-breaking game with coloured pegs")
# Debian shows the description as it is: lines kept short, as its tools expect.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "The computer hides a code of four pegs in four different colours out of\n"
    "six, and the player has six rows to find it: take a peg from the painted\n"
    "tray, carry it to a hole of the active row and confirm the row. A black\n"
    "key peg tells of a right colour in the right place, a white one of a\n"
    "colour that stands elsewhere in the code. The game is played with the\n"
    "mouse in one small window cut to the shape of its board.")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's Wayland plugin lets the game run as a native Wayland client; without it Qt uses XWayland.
# Qt's own translations give the message boxes' buttons in the player's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)

# What debhelper would do after the install: strip the executable as dh_strip does, and add the
# overrides of lintian's tags that do not apply.
set(CPACK_PRE_BUILD_SCRIPTS "${CMAKE_CURRENT_LIST_DIR}/DebianFinish.cmake")
set(CPACK_VORE_EXECUTABLE "${VORE_PROGRAM_DIR}/vore-trelliq")
set(CPACK_VORE_LINTIAN_OVERRIDES "${PROJECT_SOURCE_DIR}/dist/lintian-overrides")
find_program(CPACK_VORE_STRIP strip REQUIRED)

include(CPack)
