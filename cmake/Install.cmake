# Where `cmake --install` puts the game, after Debian's layout for games: the real executable in a
# private folder, with a link beside it to the help text that it reads from there, a command that
# links to it, and what desktops look for (launcher, metainfo, icons, man page, licence and
# changelog).
include(GNUInstallDirs)
# A distribution's package leaves the licence and the changelog to its own tools, which install
# its copyright file and both changelogs as they do for every package.
option(VORE_INSTALL_DOCS "Install the licence and the changelog" ON)
# The modes of the folders that the install makes. CMake makes them under the installer's umask,
# which may be 077, so InstallRecord.cmake sets them again at the end of the install.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# Distributions put games' commands in their own folder (Debian: games); plain installs use bin.
set(VORE_INSTALL_COMMANDDIR "${CMAKE_INSTALL_BINDIR}"
    CACHE STRING "Folder, relative to the prefix, of the command that starts the game")

set(VORE_PROGRAM_DIR "${CMAKE_INSTALL_LIBEXECDIR}/vore-trelliq")
set(VORE_DATA_DIR "${CMAKE_INSTALL_DATAROOTDIR}/vore-trelliq")
set(VORE_DOC_DIR "${CMAKE_INSTALL_DATAROOTDIR}/doc/vore-trelliq")
set(VORE_DIST_DIR "${PROJECT_BINARY_DIR}/dist")
set(VORE_ICON_DIR "${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor")
set(VORE_ICON_SIZES 16 32 48 64 128 256)

# Every folder that the install puts something in. Before it installs anything, the install notes
# which of them, and of the folders above them, do not exist yet; at its end it gives those the
# modes above and records them with its files, so that the uninstall target can take them away
# again and leave every other folder where it was.
set(VORE_INSTALL_FOLDERS "${VORE_INSTALL_COMMANDDIR}" "${VORE_PROGRAM_DIR}" "${VORE_DATA_DIR}"
    "${CMAKE_INSTALL_DATAROOTDIR}/applications" "${CMAKE_INSTALL_DATAROOTDIR}/metainfo"
    "${CMAKE_INSTALL_MANDIR}/man6")
if(VORE_INSTALL_DOCS)
    list(APPEND VORE_INSTALL_FOLDERS "${VORE_DOC_DIR}")
endif()
foreach(size IN LISTS VORE_ICON_SIZES)
    list(APPEND VORE_INSTALL_FOLDERS "${VORE_ICON_DIR}/${size}x${size}/apps")
endforeach()
set(VORE_INSTALL_RECORDS "${PROJECT_BINARY_DIR}/installs")
install(CODE "include(\"${CMAKE_CURRENT_LIST_DIR}/InstallRecord.cmake\")
vore_find_new_folders(\"${VORE_INSTALL_FOLDERS}\")")

# Qt's standard set-up gives executables a RUNPATH next to lib/; from libexec it would point at
# nothing, and Qt's libraries are in the system's own folders anyway.
set_target_properties(vore-trelliq PROPERTIES INSTALL_RPATH "")
install(TARGETS vore-trelliq RUNTIME DESTINATION "${VORE_PROGRAM_DIR}")
install(FILES data/Help.txt DESTINATION "${VORE_DATA_DIR}")

# vore_install_link(FOLDER NAME TARGET): installs into FOLDER, relative to the prefix, a link NAME
# to TARGET, relative to the prefix too. The link is relative, so the installed tree can be moved
# (or unpacked) as a whole.
function(vore_install_link folder name target)
    cmake_path(ABSOLUTE_PATH folder BASE_DIRECTORY "${CMAKE_INSTALL_PREFIX}"
               OUTPUT_VARIABLE full_folder)
    file(RELATIVE_PATH relative "${full_folder}" "${CMAKE_INSTALL_PREFIX}/${target}")
    string(MAKE_C_IDENTIFIER "${folder}" staging)
    file(MAKE_DIRECTORY "${VORE_DIST_DIR}/${staging}")
    file(CREATE_LINK "${relative}" "${VORE_DIST_DIR}/${staging}/${name}" SYMBOLIC)
    install(FILES "${VORE_DIST_DIR}/${staging}/${name}" DESTINATION "${folder}")
endfunction()
vore_install_link("${VORE_INSTALL_COMMANDDIR}" vore-trelliq "${VORE_PROGRAM_DIR}/vore-trelliq")
# The game reads its help beside its executable; the text itself is data, kept with the rest.
vore_install_link("${VORE_PROGRAM_DIR}" Help.txt "${VORE_DATA_DIR}/Help.txt")

# The day that the man page and the metainfo give: that of SOURCE_DATE_EPOCH when the build has one
# (as distributions' builds do, so that every time stamp of a package is the same), otherwise the
# day of the release's entry in CHANGELOG, which the release writes.
if(DEFINED ENV{SOURCE_DATE_EPOCH})
    string(TIMESTAMP VORE_RELEASE_DATE "%Y-%m-%d" UTC)
else()
    file(STRINGS CHANGELOG VORE_RELEASE_ENTRY
         REGEX "^${PROJECT_VERSION} \\([0-9]+-[0-9]+-[0-9]+\\)$" LIMIT_COUNT 1)
    if(NOT VORE_RELEASE_ENTRY)
        message(FATAL_ERROR "CHANGELOG has no entry \"${PROJECT_VERSION} (YYYY-MM-DD)\" for the "
                            "version of project() in CMakeLists.txt, whose day the man page and "
                            "the metainfo give")
    endif()
    string(REGEX MATCH "[0-9]+-[0-9]+-[0-9]+" VORE_RELEASE_DATE "${VORE_RELEASE_ENTRY}")
endif()

configure_file(dist/vore-trelliq.desktop.in "${VORE_DIST_DIR}/${VORE_APP_ID}.desktop" @ONLY)
configure_file(dist/vore-trelliq.metainfo.xml.in "${VORE_DIST_DIR}/${VORE_APP_ID}.metainfo.xml"
               @ONLY)
configure_file(dist/vore-trelliq.6.in "${VORE_DIST_DIR}/vore-trelliq.6" @ONLY)
configure_file(CHANGELOG "${VORE_DIST_DIR}/changelog" COPYONLY)

# Debian wants the man page and the changelog compressed at the highest level, with no time
# stamp inside, so that builds are reproducible.
find_program(VORE_GZIP gzip REQUIRED)
set(VORE_COMPRESSED "${VORE_DIST_DIR}/vore-trelliq.6.gz" "${VORE_DIST_DIR}/changelog.gz")
add_custom_command(OUTPUT ${VORE_COMPRESSED}
    COMMAND "${VORE_GZIP}" -9nkf vore-trelliq.6 changelog
    DEPENDS "${VORE_DIST_DIR}/vore-trelliq.6" "${VORE_DIST_DIR}/changelog"
    WORKING_DIRECTORY "${VORE_DIST_DIR}"
    COMMENT "Compressing the man page and the changelog")
add_custom_target(vore_dist_files ALL DEPENDS ${VORE_COMPRESSED})

install(FILES "${VORE_DIST_DIR}/${VORE_APP_ID}.desktop"
        DESTINATION "${CMAKE_INSTALL_DATAROOTDIR}/applications")
install(FILES "${VORE_DIST_DIR}/${VORE_APP_ID}.metainfo.xml"
        DESTINATION "${CMAKE_INSTALL_DATAROOTDIR}/metainfo")
foreach(size IN LISTS VORE_ICON_SIZES)
    install(FILES assets/icons/${size}.png DESTINATION "${VORE_ICON_DIR}/${size}x${size}/apps"
            RENAME "${VORE_APP_ID}.png")
endforeach()
install(FILES "${VORE_DIST_DIR}/vore-trelliq.6.gz" DESTINATION "${CMAKE_INSTALL_MANDIR}/man6")
if(VORE_INSTALL_DOCS)
    install(FILES COPYRIGHT DESTINATION "${VORE_DOC_DIR}" RENAME copyright)
    install(FILES LICENSE "${VORE_DIST_DIR}/changelog.gz" DESTINATION "${VORE_DOC_DIR}")
endif()

# Last of all, where the files went.
install(CODE "vore_record_install(\"${VORE_INSTALL_RECORDS}\")")
# Removes what the installs of this build put in place, wherever they went, and the folders that
# they made (with a DESTDIR, only the installs that went there).
add_custom_target(uninstall
    COMMAND "${CMAKE_COMMAND}" "-Dinstalls=${VORE_INSTALL_RECORDS}"
            "-Dmanifest=${PROJECT_BINARY_DIR}/install_manifest.txt"
            -P "${CMAKE_CURRENT_LIST_DIR}/Uninstall.cmake"
    VERBATIM)
