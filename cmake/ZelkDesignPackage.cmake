# ZelkDesign for other applications: the install component "ZelkDesign" holds
# an import directory of the library's own and a CMake package that finds it.
#
#   <ZELKDESIGN_INSTALL_QMLDIR>/ZelkDesign/   the module: qmldir, documents, private/
#   <ZELKDESIGN_INSTALL_QMLDIR>/fonts/        the faces the theme loads, with their licences
#   <ZELKDESIGN_INSTALL_QMLDIR>/images/       the pictures the controls show by default
#   <ZELKDESIGN_INSTALL_CMAKEDIR>/            ZelkDesignConfig.cmake and its companions
#
# The documents name their assets "../fonts/..." and "../images/...", the
# relation qrc:/ZelkDesign has to qrc:/fonts and qrc:/images in the bundle, so
# the three folders sit side by side in a directory that belongs to ZelkDesign
# alone. Both paths carry the Qt major version: the module imports that Qt's
# QML modules, and a build for another Qt can be installed beside it.
include(CMakePackageConfigHelpers)

set(ZELKDESIGN_VERSION 1.0.0)
set(ZELKDESIGN_QT_MAJOR ${ORVANE_QT_MAJOR})
set(ZELKDESIGN_INSTALL_QMLDIR ${CMAKE_INSTALL_LIBDIR}/zelkdesign/qt${ZELKDESIGN_QT_MAJOR} CACHE STRING
    "Import directory (relative to the prefix) that receives the ZelkDesign module and its assets")
set(ZELKDESIGN_INSTALL_CMAKEDIR ${CMAKE_INSTALL_LIBDIR}/cmake/ZelkDesign-qt${ZELKDESIGN_QT_MAJOR} CACHE STRING
    "Directory (relative to the prefix) that receives the ZelkDesign CMake package")

# Only what the library's documents load; the bundle's other pictures belong to
# the application and its gallery. The installed-copy tests fail when this list
# and the documents disagree.
set(ZELKDESIGN_FONTS
    NotoSansDisplay-Regular.ttf NotoSansDisplay-SemiBold.ttf NotoSansDisplay-Bold.ttf
    "Font Awesome 5 Free-Regular-400.otf" "Font Awesome 5 Free-Solid-900.otf" "Font Awesome 5 Brands-Regular-400.otf"
    LICENSE-Noto-OFL.txt LICENSE-FontAwesome.txt)
set(ZELKDESIGN_IMAGES StarBlue.svg StarWhite.svg high_detail.png medium_detail.png low_detail.png)
list(TRANSFORM ZELKDESIGN_FONTS PREPEND ${PROJECT_SOURCE_DIR}/fonts/)
list(TRANSFORM ZELKDESIGN_IMAGES PREPEND ${PROJECT_SOURCE_DIR}/images/)

# The documents as this build's Qt reads them (the Qt 6 copy on Qt 6), with
# the compiled shaders beside the documents that name them.
install(DIRECTORY ${ORVANE_QML_TREE}/ZelkDesign DESTINATION ${ZELKDESIGN_INSTALL_QMLDIR} COMPONENT ZelkDesign
        FILES_MATCHING PATTERN "qmldir" PATTERN "*.qml" PATTERN "*.js" PATTERN "+qt6" EXCLUDE)
foreach(shader IN LISTS ORVANE_QT6_SHADERS)
    file(RELATIVE_PATH shader ${ORVANE_QML_TREE} ${shader})
    if(shader MATCHES "^ZelkDesign/")
        get_filename_component(dir ${shader} DIRECTORY)
        install(FILES ${PROJECT_BINARY_DIR}/.qsb/${shader}.qsb DESTINATION ${ZELKDESIGN_INSTALL_QMLDIR}/${dir} COMPONENT ZelkDesign)
    endif()
endforeach()
install(FILES ${ZELKDESIGN_FONTS} DESTINATION ${ZELKDESIGN_INSTALL_QMLDIR}/fonts COMPONENT ZelkDesign)
install(FILES ${ZELKDESIGN_IMAGES} DESTINATION ${ZELKDESIGN_INSTALL_QMLDIR}/images COMPONENT ZelkDesign)

set(ZELKDESIGN_PACKAGE_DIR ${PROJECT_BINARY_DIR}/zelkdesign-package)
configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/ZelkDesignConfig.cmake.in
    ${ZELKDESIGN_PACKAGE_DIR}/ZelkDesignConfig.cmake
    INSTALL_DESTINATION ${ZELKDESIGN_INSTALL_CMAKEDIR}
    PATH_VARS ZELKDESIGN_INSTALL_QMLDIR)
write_basic_package_version_file(${ZELKDESIGN_PACKAGE_DIR}/ZelkDesignConfigVersionImpl.cmake
    VERSION ${ZELKDESIGN_VERSION} COMPATIBILITY SameMajorVersion ARCH_INDEPENDENT)
configure_file(${CMAKE_CURRENT_LIST_DIR}/ZelkDesignConfigVersion.cmake.in
    ${ZELKDESIGN_PACKAGE_DIR}/ZelkDesignConfigVersion.cmake @ONLY)
install(FILES
    ${ZELKDESIGN_PACKAGE_DIR}/ZelkDesignConfig.cmake
    ${ZELKDESIGN_PACKAGE_DIR}/ZelkDesignConfigVersion.cmake
    ${ZELKDESIGN_PACKAGE_DIR}/ZelkDesignConfigVersionImpl.cmake
    ${CMAKE_CURRENT_LIST_DIR}/ZelkDesignMacros.cmake
    DESTINATION ${ZELKDESIGN_INSTALL_CMAKEDIR} COMPONENT ZelkDesign)
