# zelkdesign_deploy(<target> [DESTINATION <dir>] [RUNTIME_DESTINATION <dir>] [COMPONENT <name>])
#
# Carries ZelkDesign along with the executable <target>, for packages that
# ship their own copy (Windows and macOS bundles, AppImages, /opt trees):
#  - copies the import directory next to the executable in the build tree,
#    into <dir> (relative to the executable's folder; default "zelkdesign"),
#    as part of the target "all" and again whenever the installed module
#    changes (the folder is replaced: keep nothing else in it);
#  - installs it the same way: into <RUNTIME_DESTINATION>/<dir>, where
#    RUNTIME_DESTINATION is where <target> itself is installed (default
#    CMAKE_INSTALL_BINDIR, else "bin"), under the install component <name>;
#  - links <target> to ZelkDesign::ZelkDesign with ZELKDESIGN_QML_IMPORT_DIR
#    set to <dir>, so that
#        engine.addImportPath(QDir(QCoreApplication::applicationDirPath())
#                                 .filePath(QStringLiteral(ZELKDESIGN_QML_IMPORT_DIR)));
#    finds the copy in the build tree and after installing alike. The same
#    line, for a target only linked to ZelkDesign::ZelkDesign, finds the
#    installed module itself (filePath() keeps an absolute path as it is).
#
# The whole import directory travels, not only its ZelkDesign folder: the
# documents find their fonts and images beside the module. Qt's own
# deployment tools (windeployqt, macdeployqt) copy module folders only.
function(zelkdesign_deploy target)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "DESTINATION;RUNTIME_DESTINATION;COMPONENT" "")
    if(arg_UNPARSED_ARGUMENTS)
        message(FATAL_ERROR "zelkdesign_deploy: unknown arguments ${arg_UNPARSED_ARGUMENTS}")
    endif()
    if(NOT TARGET ${target})
        message(FATAL_ERROR "zelkdesign_deploy: ${target} is not a target")
    endif()
    get_target_property(type ${target} TYPE)
    if(NOT type STREQUAL "EXECUTABLE")
        message(FATAL_ERROR "zelkdesign_deploy: ${target} is not an executable; the copy is found from an executable's folder")
    endif()
    if(NOT arg_DESTINATION)
        set(arg_DESTINATION zelkdesign)
    endif()
    get_filename_component(folder "${arg_DESTINATION}" NAME)
    if(IS_ABSOLUTE "${arg_DESTINATION}" OR folder MATCHES "^\\.?\\.?$")
        message(FATAL_ERROR "zelkdesign_deploy: DESTINATION names a folder of its own relative to the executable's, "
                            "not ${arg_DESTINATION}")
    endif()
    if(NOT DEFINED arg_RUNTIME_DESTINATION)
        if(DEFINED CMAKE_INSTALL_BINDIR)
            set(arg_RUNTIME_DESTINATION ${CMAKE_INSTALL_BINDIR})
        else()
            set(arg_RUNTIME_DESTINATION bin)
        endif()
    endif()
    set(component)
    if(arg_COMPONENT)
        set(component COMPONENT ${arg_COMPONENT})
    endif()

    set_property(TARGET ${target} PROPERTY ZELKDESIGN_DEPLOYED_DIR ${arg_DESTINATION})
    target_link_libraries(${target} PRIVATE ZelkDesign::ZelkDesign)
    file(GLOB_RECURSE module_files "${ZELKDESIGN_QML_IMPORT_DIR}/*")
    set(copy "$<TARGET_FILE_DIR:${target}>/${arg_DESTINATION}")
    set(stamp "${CMAKE_CURRENT_BINARY_DIR}/${target}_zelkdesign.stamp")
    add_custom_command(OUTPUT "${stamp}"
        COMMAND ${CMAKE_COMMAND} -E rm -rf "${copy}"
        COMMAND ${CMAKE_COMMAND} -E copy_directory "${ZELKDESIGN_QML_IMPORT_DIR}" "${copy}"
        COMMAND ${CMAKE_COMMAND} -E touch "${stamp}"
        DEPENDS ${module_files}
        COMMENT "Copying ZelkDesign next to ${target}"
        VERBATIM)
    # Part of "all", after <target> (whose folder the copy names).
    add_custom_target(${target}_zelkdesign ALL DEPENDS "${stamp}")
    install(DIRECTORY "${ZELKDESIGN_QML_IMPORT_DIR}/"
            DESTINATION "${arg_RUNTIME_DESTINATION}/${arg_DESTINATION}" ${component})
endfunction()
