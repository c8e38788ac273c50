# Run by the install (Install.cmake adds the calls): which folders the install makes, so that they
# get the usual modes whatever the installer's umask, and a record of where it put its files and
# which folders it made, so that the uninstall target can take them away again. Each install has
# its own record, one for each DESTDIR and prefix, in the build's installs/ folder.

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

# vore_read_install_record(RECORD): sets record_destdir, record_prefix, record_files (as the
# install manifest names them, without the DESTDIR) and record_folders (with it).
macro(vore_read_install_record record)
    file(STRINGS "${record}" record_lines)
    foreach(field IN ITEMS destdir prefix files folders)
        set(record_${field} "")
    endforeach()
    foreach(line IN LISTS record_lines)
        if(line MATCHES "^(DESTDIR|PREFIX)=(.*)$")
            string(TOLOWER "${CMAKE_MATCH_1}" field)
            set(record_${field} "${CMAKE_MATCH_2}")
        elseif(line MATCHES "^(FILE|FOLDER) (.*)$")
            string(TOLOWER "${CMAKE_MATCH_1}s" field)
            list(APPEND record_${field} "${CMAKE_MATCH_2}")
        endif()
    endforeach()
endmacro()

# vore_write_install_record(RECORD DESTDIR PREFIX FILES FOLDERS): the record, or none when it
# names neither a file nor a folder.
function(vore_write_install_record record destdir prefix files folders)
    if(NOT files AND NOT folders)
        file(REMOVE "${record}")
        return()
    endif()
    set(lines "DESTDIR=${destdir}" "PREFIX=${prefix}")
    foreach(file IN LISTS files)
        list(APPEND lines "FILE ${file}")
    endforeach()
    foreach(folder IN LISTS folders)
        list(APPEND lines "FOLDER ${folder}")
    endforeach()
    list(JOIN lines "\n" text)
    file(WRITE "${record}" "${text}\n")
endfunction()

# Run last: gives the folders that this install made their modes and records them with the files
# that it installed. An earlier install to the same place keeps the folders it made that are
# still there.
function(vore_record_install installs)
    foreach(folder IN LISTS vore_new_folders)
        file(CHMOD "${folder}" PERMISSIONS ${CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS})
    endforeach()
    vore_find_destdir()
    string(SHA1 key "${vore_destdir}\n${CMAKE_INSTALL_PREFIX}")
    set(record "${installs}/${key}.txt")
    set(folders ${vore_new_folders})
    if(EXISTS "${record}")
        vore_read_install_record("${record}")
        foreach(folder IN LISTS record_folders)
            if(IS_DIRECTORY "${folder}")
                list(APPEND folders "${folder}")
            endif()
        endforeach()
        list(REMOVE_DUPLICATES folders)
    endif()
    vore_write_install_record("${record}" "${vore_destdir}" "${CMAKE_INSTALL_PREFIX}"
                              "${CMAKE_INSTALL_MANIFEST_FILES}" "${folders}")
endfunction()
