# The uninstall target: removes the files that the latest `cmake --install` of the build put in
# place, under the DESTDIR it had, then the folders that its installs made, deepest first and
# each only when nothing is left in it, so that no folder goes that held anything else. A DESTDIR
# given to the uninstall must be the install's: it says where the caller expects the files, and
# the recorded install lies elsewhere.
#   cmake -Dmanifest=INSTALL-MANIFEST -Ddestdir_record=DESTDIR-RECORD -Drecord=FOLDER-RECORD
#         -P Uninstall.cmake
if(NOT EXISTS "${manifest}")
    message(STATUS "Nothing to uninstall: no install of this build is recorded (${manifest})")
    return()
endif()
# The manifest names the files without the DESTDIR they went under; the install records that
# beside the manifest's list, so a manifest that another install wrote is not taken for this one.
file(STRINGS "${manifest}" files)
set(recorded "")
set(destdir "")
if(EXISTS "${destdir_record}")
    file(STRINGS "${destdir_record}" recorded)
    list(POP_FRONT recorded destdir)
endif()
if(NOT "${destdir}" MATCHES "^DESTDIR=(.*)$" OR NOT "${recorded}" STREQUAL "${files}")
    message(FATAL_ERROR "Cannot tell where the latest install put its files: ${destdir_record} "
                        "does not describe ${manifest}. Nothing was removed; install again, "
                        "then uninstall.")
endif()
set(destdir "${CMAKE_MATCH_1}")
include("${CMAKE_CURRENT_LIST_DIR}/InstallRecord.cmake")
vore_find_destdir()
if(vore_destdir AND NOT vore_destdir STREQUAL destdir)
    set(went "to DESTDIR ${destdir}")
    if(NOT destdir)
        set(went "under its prefix, with no DESTDIR")
    endif()
    set(relative "")
    if(NOT IS_ABSOLUTE "$ENV{DESTDIR}")
        set(relative " (the uninstall runs in the build folder, which a relative one starts from)")
    endif()
    message(FATAL_ERROR "The latest install went ${went}, not to the given DESTDIR "
                        "${vore_destdir}${relative}. Nothing was removed; uninstall with the "
                        "install's DESTDIR, or with none.")
endif()
foreach(file IN LISTS files)
    if(IS_SYMLINK "${destdir}${file}" OR EXISTS "${destdir}${file}")
        message(STATUS "Removing ${destdir}${file}")
        file(REMOVE "${destdir}${file}")
    endif()
endforeach()
# What the latest install put in place is gone; another uninstall has nothing to remove.
file(REMOVE "${manifest}" "${destdir_record}")

set(folders "")
if(EXISTS "${record}")
    file(STRINGS "${record}" folders)
endif()
# A folder sorts before everything in it.
list(SORT folders ORDER DESCENDING)
set(kept "")
foreach(folder IN LISTS folders)
    file(GLOB left LIST_DIRECTORIES true "${folder}/*")
    if(left)
        list(APPEND kept "${folder}")
    elseif(IS_DIRECTORY "${folder}")
        message(STATUS "Removing ${folder}")
        file(REMOVE_RECURSE "${folder}")
    endif()
endforeach()
# The folders kept for what else they hold are still the installs' to take away later.
if(kept)
    list(JOIN kept "\n" lines)
    file(WRITE "${record}" "${lines}\n")
else()
    file(REMOVE "${record}")
endif()
