# The uninstall target: removes the files that the latest `cmake --install` of the build put in
# place, then the folders that its installs made, deepest first and each only when nothing is
# left in it, so that no folder goes that held anything else.
#   cmake -Dmanifest=INSTALL-MANIFEST -Drecord=FOLDER-RECORD -P Uninstall.cmake
if(NOT EXISTS "${manifest}")
    message(FATAL_ERROR "Nothing to uninstall: ${manifest} is missing")
endif()
file(STRINGS "${manifest}" files)
foreach(file IN LISTS files)
    if(IS_SYMLINK "${file}" OR EXISTS "${file}")
        message(STATUS "Removing ${file}")
        file(REMOVE "${file}")
    endif()
endforeach()

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
