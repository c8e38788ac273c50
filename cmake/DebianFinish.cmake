# Run by cpack on the staged tree before the Debian package is made (CPACK_PRE_BUILD_SCRIPTS).
set(root "${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}")

# As dh_strip: no symbols, and none of the compiler's notes that a package does not need.
execute_process(COMMAND "${CPACK_VORE_STRIP}" --remove-section=.comment --remove-section=.note
                        "${root}/${CPACK_VORE_EXECUTABLE}"
                COMMAND_ERROR_IS_FATAL ANY)

# Copied, not installed: an install would put the file under DESTDIR, which cpack sets.
set(overrides "${root}/share/lintian/overrides")
file(MAKE_DIRECTORY "${overrides}")
file(COPY_FILE "${CPACK_VORE_LINTIAN_OVERRIDES}" "${overrides}/${CPACK_PACKAGE_NAME}")
# The copy keeps the mode of the checkout's file, which an unpacked tarball may make 0664.
file(CHMOD "${overrides}/${CPACK_PACKAGE_NAME}" PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ
                                                             WORLD_READ)
