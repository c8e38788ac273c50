# Run by the install (Install.cmake adds the calls): which folders the install makes, so that they
# get the usual modes whatever the installer's umask, and where it puts its files, so that the
# uninstall target can take them away again.

# Sets vore_destdir to the DESTDIR of this install made absolute as the install resolves it, or
# to nothing when there is none.
function(vore_find_destdir)
    set(destdir "$ENV{DESTDIR}")
    if(destdir)
        cmake_path(ABSOLUTE_PATH destdir BASE_DIRECTORY "${CMAKE_CURRENT_BINARY_DIR}")
    endif()
    set(vore_destdir "${destdir}" PARENT_SCOPE)
endfunction()

# Sets vore_new_folders to those of the given folders, relative to the prefix of this install, and
# of the folders above them, that do not exist yet, each as it lies under the DESTDIR.
function(vore_find_new_folders folders)
    vore_find_destdir()
    set(new "")
    foreach(folder IN LISTS folders)
        cmake_path(ABSOLUTE_PATH folder BASE_DIRECTORY "${CMAKE_INSTALL_PREFIX}" NORMALIZE)
        set(path "${vore_destdir}${folder}")
        while(NOT IS_DIRECTORY "${path}")
            list(APPEND new "${path}")
            cmake_path(GET path PARENT_PATH path)
        endwhile()
    endforeach()
    list(REMOVE_DUPLICATES new)
    set(vore_new_folders "${new}" PARENT_SCOPE)
endfunction()

# Gives the folders that this install made their modes and adds them to the record, which keeps
# the folders of earlier installs that are still there.
function(vore_record_new_folders record)
    set(folders ${vore_new_folders})
    foreach(folder IN LISTS vore_new_folders)
        file(CHMOD "${folder}" PERMISSIONS ${CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS})
    endforeach()
    if(EXISTS "${record}")
        file(STRINGS "${record}" earlier)
        foreach(folder IN LISTS earlier)
            if(IS_DIRECTORY "${folder}")
                list(APPEND folders "${folder}")
            endif()
        endforeach()
    endif()
    list(REMOVE_DUPLICATES folders)
    list(JOIN folders "\n" lines)
    file(WRITE "${record}" "${lines}\n")
endfunction()

# Records the DESTDIR of this install with the files it installed, as CMake lists them in the
# install manifest that it writes next, without the DESTDIR. Run last, so that the uninstall can
# tell whether the manifest is this install's.
function(vore_record_destdir record)
    vore_find_destdir()
    list(JOIN CMAKE_INSTALL_MANIFEST_FILES "\n" files)
    file(WRITE "${record}" "DESTDIR=${vore_destdir}\n${files}\n")
endfunction()
