# Where `cmake --install` puts the game, after Debian's layout for games: the real executable and
# the help text it reads beside it in a private folder, a command that links to it, and what
# desktops look for (launcher, metainfo, icons, man page, licence and changelog).
include(GNUInstallDirs)
# A Debian package's build leaves the licence and the changelog to debhelper, which installs them
# from debian/ as it does for every package.
option(VORE_INSTALL_DOCS "Install the licence and the changelog" ON)
# The modes of the folders that the install makes. CMake makes them under the installer's umask,
# which may be 077, so InstallRecord.cmake sets them again at the end of the install.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# Distributions put games' commands in their own folder (Debian: games); plain installs use bin.
set(VORE_INSTALL_COMMANDDIR "${CMAKE_INSTALL_BINDIR}"
    CACHE STRING "Folder, relative to the prefix, of the command that starts the game")

set(VORE_PROGRAM_DIR "${CMAKE_INSTALL_LIBEXECDIR}/vore-trelliq")
set(VORE_DOC_DIR "${CMAKE_INSTALL_DATAROOTDIR}/doc/vore-trelliq")
set(VORE_DIST_DIR "${PROJECT_BINARY_DIR}/dist")
set(VORE_ICON_DIR "${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor")
set(VORE_ICON_SIZES 16 32 48 64 128 256)

# Every folder that the install puts something in. Before it installs anything, the install notes
# which of them, and of the folders above them, do not exist yet; at its end it gives those the
# modes above and records them, so that the uninstall target can take them away again and leave
# every other folder where it was.
set(VORE_INSTALL_FOLDERS "${VORE_INSTALL_COMMANDDIR}" "${VORE_PROGRAM_DIR}"
    "${CMAKE_INSTALL_DATAROOTDIR}/applications" "${CMAKE_INSTALL_DATAROOTDIR}/metainfo"
    "${CMAKE_INSTALL_MANDIR}/man6")
if(VORE_INSTALL_DOCS)
    list(APPEND VORE_INSTALL_FOLDERS "${VORE_DOC_DIR}")
endif()
foreach(size IN LISTS VORE_ICON_SIZES)
    list(APPEND VORE_INSTALL_FOLDERS "${VORE_ICON_DIR}/${size}x${size}/apps")
endforeach()
set(VORE_FOLDER_RECORD "${PROJECT_BINARY_DIR}/install_folders.txt")
install(CODE "include(\"${CMAKE_CURRENT_LIST_DIR}/InstallRecord.cmake\")
vore_find_new_folders(\"${VORE_INSTALL_FOLDERS}\")")

# Qt's standard set-up gives executables a RUNPATH next to lib/; from libexec it would point at
# nothing, and Qt's libraries are in the system's own folders anyway.
set_target_properties(vore-trelliq PROPERTIES INSTALL_RPATH "")
install(TARGETS vore-trelliq RUNTIME DESTINATION "${VORE_PROGRAM_DIR}")
install(FILES data/Help.txt DESTINATION "${VORE_PROGRAM_DIR}")

# The command is a relative link, so the installed tree can be moved (or unpacked) as a whole.
cmake_path(ABSOLUTE_PATH VORE_INSTALL_COMMANDDIR BASE_DIRECTORY "${CMAKE_INSTALL_PREFIX}"
           OUTPUT_VARIABLE VORE_COMMAND_FULL_DIR)
file(RELATIVE_PATH VORE_COMMAND_TARGET "${VORE_COMMAND_FULL_DIR}"
     "${CMAKE_INSTALL_PREFIX}/${VORE_PROGRAM_DIR}/vore-trelliq")
file(MAKE_DIRECTORY "${VORE_DIST_DIR}/command")
file(CREATE_LINK "${VORE_COMMAND_TARGET}" "${VORE_DIST_DIR}/command/vore-trelliq" SYMBOLIC)
install(FILES "${VORE_DIST_DIR}/command/vore-trelliq" DESTINATION "${VORE_INSTALL_COMMANDDIR}")

# The version and the day of the release are those of the latest entry of debian/changelog, whose
# date the package's build takes its time stamps from: the project's version must be that entry's.
file(STRINGS debian/changelog VORE_CHANGELOG_HEAD LIMIT_COUNT 1)
if(NOT VORE_CHANGELOG_HEAD MATCHES "^vore-trelliq \\(${PROJECT_VERSION}\\) ")
    message(FATAL_ERROR "The latest entry of debian/changelog is not version ${PROJECT_VERSION} of "
                        "project() in CMakeLists.txt: ${VORE_CHANGELOG_HEAD}")
endif()
file(STRINGS debian/changelog VORE_CHANGELOG_TRAILER REGEX "^ -- .*>  " LIMIT_COUNT 1)
string(REGEX REPLACE "^ -- .*>  " "" VORE_RELEASE_DATE_RFC2822 "${VORE_CHANGELOG_TRAILER}")
execute_process(COMMAND date -u +%F -d "${VORE_RELEASE_DATE_RFC2822}"
                OUTPUT_VARIABLE VORE_RELEASE_DATE OUTPUT_STRIP_TRAILING_WHITESPACE
                COMMAND_ERROR_IS_FATAL ANY)

configure_file(dist/vore-trelliq.desktop.in "${VORE_DIST_DIR}/${VORE_APP_ID}.desktop" @ONLY)
configure_file(dist/vore-trelliq.metainfo.xml.in "${VORE_DIST_DIR}/${VORE_APP_ID}.metainfo.xml"
               @ONLY)
configure_file(dist/vore-trelliq.6.in "${VORE_DIST_DIR}/vore-trelliq.6" @ONLY)
configure_file(debian/changelog "${VORE_DIST_DIR}/changelog" COPYONLY)

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
    install(FILES debian/copyright "${VORE_DIST_DIR}/changelog.gz" DESTINATION "${VORE_DOC_DIR}")
endif()

install(CODE "vore_record_new_folders(\"${VORE_FOLDER_RECORD}\")")
# Last of all, where the files went.
set(VORE_DESTDIR_RECORD "${PROJECT_BINARY_DIR}/install_destdir.txt")
install(CODE "vore_record_destdir(\"${VORE_DESTDIR_RECORD}\")")
# Removes what the latest install of this build put in place (install_manifest.txt, under the
# DESTDIR it had) and the folders that the installs made.
add_custom_target(uninstall
    COMMAND "${CMAKE_COMMAND}" "-Dmanifest=${PROJECT_BINARY_DIR}/install_manifest.txt"
            "-Ddestdir_record=${VORE_DESTDIR_RECORD}" "-Drecord=${VORE_FOLDER_RECORD}"
            -P "${CMAKE_CURRENT_LIST_DIR}/Uninstall.cmake"
    VERBATIM)
