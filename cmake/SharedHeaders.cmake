# Qt's headers are most of what each source file compiles. With GCC they are compiled once per
# build tree, into a header that every C++ program and library of the tree reads first; clang
# (the fuzz build) compiles them as they come. GCC reads a precompiled header only where every
# macro defined when it was made is defined alike, so it is made with Qt Core's definitions
# alone, which every target has; the Gui and Widgets modules' own (QT_WIDGETS_LIB and the like)
# do not occur in their headers and may differ. Targets compiled with options of their own (the
# drawing program, optimised in every build) compile the headers as they come.

# None of them defines qApp, which each application class's header defines as a pointer to that
# class: a target that has no Qt Widgets must not see it as a QApplication.
set(VORE_SHARED_HEADERS
    <QByteArray> <QFile> <QImage> <QMouseEvent> <QPainter> <QPixmap> <QPointer> <QRegion>
    <QScreen> <QString> <QWidget> <QWindow>)

# The targets defined in a folder and the folders below it.
function(vore_targets_under folder result)
    get_property(targets DIRECTORY ${folder} PROPERTY BUILDSYSTEM_TARGETS)
    get_property(subfolders DIRECTORY ${folder} PROPERTY SUBDIRECTORIES)
    foreach(subfolder IN LISTS subfolders)
        vore_targets_under(${subfolder} more)
        list(APPEND targets ${more})
    endforeach()
    set(${result} ${targets} PARENT_SCOPE)
endfunction()

# Makes the precompiled header in a target of its own, on which nothing else depends, and has the
# other C++ targets read it.
function(vore_share_headers)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
        return()
    endif()
    vore_targets_under(${PROJECT_SOURCE_DIR} targets)
    set(source ${CMAKE_BINARY_DIR}/vore_shared_headers.cpp)
    file(CONFIGURE OUTPUT ${source} CONTENT "// The precompiled Qt headers are made with it.\n")
    add_library(vore_shared_headers STATIC ${source})
    target_link_libraries(vore_shared_headers PRIVATE Qt6::Core)
    target_include_directories(vore_shared_headers SYSTEM PRIVATE
        $<TARGET_PROPERTY:Qt6::Gui,INTERFACE_INCLUDE_DIRECTORIES>
        $<TARGET_PROPERTY:Qt6::Widgets,INTERFACE_INCLUDE_DIRECTORIES>)
    target_precompile_headers(vore_shared_headers PRIVATE ${VORE_SHARED_HEADERS})
    get_target_property(shared_options vore_shared_headers COMPILE_OPTIONS)
    foreach(target IN LISTS targets)
        get_target_property(type ${target} TYPE)
        get_target_property(sources ${target} SOURCES)
        get_target_property(options ${target} COMPILE_OPTIONS)
        if(type MATCHES "^(EXECUTABLE|STATIC_LIBRARY)$" AND sources MATCHES "\\.cpp" AND
           options STREQUAL shared_options)
            target_precompile_headers(${target} REUSE_FROM vore_shared_headers)
        endif()
    endforeach()
endfunction()
