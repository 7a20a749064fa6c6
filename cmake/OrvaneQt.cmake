# The Qt the build uses: Qt 5.15 (the primary build) or Qt 6, chosen with
# ORVANE_QT_MAJOR. Targets link Qt's versionless targets (Qt::Quick, ...),
# which both provide. What differs is kept here and in Qt6Port.cmake:
#   ORVANE_QML_TREE   where the documents and resource lists are read from:
#                     the source tree on Qt 5, its Qt 6 copy on Qt 6
#   ORVANE_QT_BIN     Qt's tool directory (lupdate, qmllint, qmltestrunner)
#   ORVANE_QMLLINT_OPTIONS  what qmllint checks: Qt 5's checks the syntax; Qt 6's
#                     is a type checker that needs every import resolved
#                     (qrc:/ included), so it is held to the syntax too, plus
#                     signal handler parameters and deprecated uses
#   orvane_add_qml_resources(<out_var> [COMPILED] <qrc>...)
set(ORVANE_QT_MAJOR 5 CACHE STRING "Major version of Qt to build against: 5 or 6")
set_property(CACHE ORVANE_QT_MAJOR PROPERTY STRINGS 5 6)

set(ORVANE_QT_COMPONENTS Core Gui Qml Quick QuickControls2 Test QuickTest)
if(ORVANE_QT_MAJOR EQUAL 6)
    find_package(Qt6 6.4 REQUIRED COMPONENTS ${ORVANE_QT_COMPONENTS} ShaderTools)
    set(ORVANE_QT_BIN "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS}")
    set(ORVANE_QML_TREE ${PROJECT_BINARY_DIR}/qt6-tree)
    set(ORVANE_QMLLINT_OPTIONS)
    foreach(check IN ITEMS alias compiler controls-sanity deferred-property-id import inheritance-cycle
                           multiline-strings multiple-attached-objects plugin property required type
                           unqualified unused-imports with)
        list(APPEND ORVANE_QMLLINT_OPTIONS --${check} disable)
    endforeach()
    list(APPEND ORVANE_QMLLINT_OPTIONS --signal warning --deprecated warning)
    include(${CMAKE_CURRENT_LIST_DIR}/Qt6Port.cmake)
    orvane_port_to_qt6(${ORVANE_QML_TREE} SHADERS ORVANE_QT6_SHADERS
        DIRECTORIES ZelkDesign qml fonts images gallery/qml bench tests/qml tests/installed tests/cpp/data
        FILES zelkdesign.qrc gallery/gallery.qrc)
elseif(ORVANE_QT_MAJOR EQUAL 5)
    find_package(Qt5 5.15 REQUIRED COMPONENTS ${ORVANE_QT_COMPONENTS} QuickCompiler)
    get_target_property(_orvane_qmake Qt5::qmake IMPORTED_LOCATION)
    get_filename_component(ORVANE_QT_BIN ${_orvane_qmake} DIRECTORY)
    set(ORVANE_QML_TREE ${PROJECT_SOURCE_DIR})
    set(ORVANE_QMLLINT_OPTIONS)
else()
    message(FATAL_ERROR "ORVANE_QT_MAJOR is 5 or 6, not ${ORVANE_QT_MAJOR}")
endif()
set(ORVANE_QT_DIR ${Qt${ORVANE_QT_MAJOR}_DIR})

# Resource source files for <qrc>... (relative to the calling directory, as in
# the source tree), read from ORVANE_QML_TREE. COMPILED: their documents are
# compiled ahead of time too (the Qt Quick Compiler on Qt 5, qmlcachegen's
# byte code on Qt 6). On Qt 5 one call per directory: the compiler names its
# generated loader after the directory.
function(orvane_add_qml_resources out_var)
    cmake_parse_arguments(PARSE_ARGV 1 arg "COMPILED" "" "")
    set(qrcs)
    foreach(qrc IN LISTS arg_UNPARSED_ARGUMENTS)
        file(RELATIVE_PATH relative ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR}/${qrc})
        list(APPEND qrcs ${ORVANE_QML_TREE}/${relative})
    endforeach()
    if(ORVANE_QT_MAJOR EQUAL 5)
        if(arg_COMPILED)
            qtquick_compiler_add_resources(sources ${qrcs})
        else()
            qt5_add_resources(sources ${qrcs})
        endif()
        set(${out_var} ${sources} PARENT_SCOPE)
        return()
    endif()

    qt6_add_resources(sources ${qrcs})
    if(arg_COMPILED)
        string(MAKE_C_IDENTIFIER "${CMAKE_CURRENT_SOURCE_DIR}" scope)
        string(MD5 scope "${scope}")
        string(SUBSTRING "${scope}" 0 8 scope)
        set(cache_dir ${CMAKE_CURRENT_BINARY_DIR}/qmlcache)
        file(MAKE_DIRECTORY ${cache_dir})
        set(resource_paths)
        foreach(qrc IN LISTS qrcs)
            get_filename_component(base ${qrc} DIRECTORY)
            file(READ ${qrc} text)
            string(REGEX MATCHALL "<qresource[^>]*>|<file[^<]*</file>" entries "${text}")
            set(prefix /)
            foreach(entry IN LISTS entries)
                if(entry MATCHES "^<qresource")
                    set(prefix /)
                    if(entry MATCHES "prefix=\"([^\"]*)\"")
                        set(prefix "${CMAKE_MATCH_1}/")
                    endif()
                    continue()
                endif()
                string(REGEX REPLACE "^<file[^>]*>|</file>$" "" path "${entry}")
                set(name "${path}")
                if(entry MATCHES "alias=\"([^\"]*)\"")
                    set(name "${CMAKE_MATCH_1}")
                endif()
                if(NOT name MATCHES "\\.(qml|js|mjs)$")
                    continue()
                endif()
                string(REGEX REPLACE "/+" "/" resource_path "${prefix}${name}")
                string(MAKE_C_IDENTIFIER "${resource_path}" stem)
                set(compiled ${cache_dir}/${stem}.cpp)
                add_custom_command(OUTPUT ${compiled}
                    COMMAND Qt6::qmlcachegen --bare --only-bytecode --resource-path ${resource_path} -o ${compiled} ${base}/${path}
                    DEPENDS Qt6::qmlcachegen ${base}/${path}
                    VERBATIM)
                list(APPEND sources ${compiled})
                list(APPEND resource_paths ${resource_path})
            endforeach()
        endforeach()
        set(loader ${cache_dir}/orvane${scope}_qmlcache_loader.cpp) # qmlcachegen goes by the ending
        list(JOIN resource_paths "\n" list)
        file(CONFIGURE OUTPUT ${cache_dir}/loader_${scope}.rsp CONTENT "${list}\n" @ONLY)
        add_custom_command(OUTPUT ${loader}
            COMMAND Qt6::qmlcachegen --resource-name qmlcache_${scope} -o ${loader} @${cache_dir}/loader_${scope}.rsp
            DEPENDS Qt6::qmlcachegen ${cache_dir}/loader_${scope}.rsp
            VERBATIM)
        list(APPEND sources ${loader})
        set_source_files_properties(${sources} PROPERTIES SKIP_AUTOGEN ON)
    endif()
    set(${out_var} ${sources} PARENT_SCOPE)
endfunction()
