# The uninstall target: removes the files that the installs of the build recorded, each under the
# DESTDIR it had, then the folders that they made, deepest first and each only when nothing is
# left in it, so that no folder goes that held anything else. Nothing is removed through a
# symbolic link below an install's prefix: a link where the install put a folder may lead into
# another tree, so it is left, with what lies behind it, and named. Given a DESTDIR, the
# uninstall takes only the installs that went there, and refuses when none did.
#   cmake -Dinstalls=RECORD-FOLDER -Dmanifest=INSTALL-MANIFEST -P Uninstall.cmake
cmake_minimum_required(VERSION 3.25)
include("${CMAKE_CURRENT_LIST_DIR}/InstallRecord.cmake")

file(GLOB records "${installs}/*.txt")
if(NOT records)
    # CMake writes the manifest at every install: one without a record comes from a build
    # that did not keep records yet, and its DESTDIR is unknown.
    if(EXISTS "${manifest}")
        message(FATAL_ERROR "Cannot tell where the latest install put its files: no record in "
                            "${installs} describes ${manifest}. Nothing was removed; install "
                            "again, then uninstall.")
    endif()
    message(STATUS "Nothing to uninstall: no install of this build is recorded (${installs})")
    return()
endif()

vore_find_destdir()
set(chosen "")
set(elsewhere "")
foreach(record IN LISTS records)
    vore_read_install_record("${record}")
    if(NOT vore_destdir OR vore_destdir STREQUAL record_destdir)
        list(APPEND chosen "${record}")
    elseif(record_destdir)
        list(APPEND elsewhere "to DESTDIR ${record_destdir}")
    else()
        list(APPEND elsewhere "under its prefix ${record_prefix}, with no DESTDIR")
    endif()
endforeach()
if(NOT chosen)
    list(REMOVE_DUPLICATES elsewhere)
    list(JOIN elsewhere " and " went)
    set(relative "")
    if(NOT IS_ABSOLUTE "$ENV{DESTDIR}")
        set(relative " (the uninstall runs in the build folder, which a relative one starts from)")
    endif()
    message(FATAL_ERROR "The recorded installs went ${went}, not to the given DESTDIR "
                        "${vore_destdir}${relative}. Nothing was removed; uninstall with an "
                        "install's DESTDIR, or with none.")
endif()

# Sets link to the first symbolic link among the folders between root and path, or to nothing
# when there is none or path does not lie under root.
function(vore_find_link root path)
    set(link "")
    cmake_path(IS_PREFIX root "${path}" NORMALIZE under)
    if(under)
        cmake_path(RELATIVE_PATH path BASE_DIRECTORY "${root}" OUTPUT_VARIABLE relative)
        cmake_path(GET relative PARENT_PATH relative)
        set(folder "${root}")
        string(REPLACE "/" ";" parts "${relative}")
        foreach(part IN LISTS parts)
            string(APPEND folder "/${part}")
            if(IS_SYMLINK "${folder}")
                set(link "${folder}")
                break()
            endif()
        endforeach()
    endif()
    set(link "${link}" PARENT_SCOPE)
endfunction()

set(links "")
set(removed 0)
foreach(record IN LISTS chosen)
    vore_read_install_record("${record}")
    set(root "${record_destdir}${record_prefix}")
    set(left "")
    foreach(file IN LISTS record_files)
        set(path "${record_destdir}${file}")
        vore_find_link("${root}" "${path}")
        if(link)
            list(APPEND links "${link}")
            list(APPEND left "${file}")
        elseif(IS_SYMLINK "${path}" OR EXISTS "${path}")
            message(STATUS "Removing ${path}")
            file(REMOVE "${path}")
            math(EXPR removed "${removed} + 1")
        endif()
    endforeach()
    # A folder sorts before everything in it: in descending order, the deepest come first.
    set(folders ${record_folders})
    list(SORT folders ORDER DESCENDING)
    set(kept "")
    foreach(folder IN LISTS folders)
        vore_find_link("${root}" "${folder}/.")
        if(NOT link AND IS_SYMLINK "${folder}")
            set(link "${folder}")
        endif()
        if(link)
            list(APPEND links "${link}")
            list(APPEND kept "${folder}")
        elseif(IS_DIRECTORY "${folder}")
            file(GLOB inside LIST_DIRECTORIES true "${folder}/*")
            if(inside)
                list(APPEND kept "${folder}")
            else()
                message(STATUS "Removing ${folder}")
                file(REMOVE_RECURSE "${folder}")
                math(EXPR removed "${removed} + 1")
            endif()
        endif()
    endforeach()
    # What is behind a link, and the folders kept for what else they hold, stay the install's
    # to take away later.
    vore_write_install_record("${record}" "${record_destdir}" "${record_prefix}" "${left}"
                              "${kept}")
endforeach()
file(GLOB records "${installs}/*.txt")
if(NOT records)
    file(REMOVE "${manifest}")
endif()

if(removed EQUAL 0 AND NOT links)
    message(STATUS "Nothing left to remove: the files that the installs recorded are gone "
                   "already")
endif()
if(links)
    list(REMOVE_DUPLICATES links)
    foreach(link IN LISTS links)
        file(READ_SYMLINK "${link}" target)
        message(SEND_ERROR "Left ${link}, a symbolic link to ${target} in place of a folder "
                           "of the install, and what lies behind it: remove the link or put "
                           "the folder back, then uninstall again.")
    endforeach()
endif()
