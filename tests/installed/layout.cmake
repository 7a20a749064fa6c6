# The library's install: its module as in the source tree, exactly the fonts
# and images its documents name, the font licences and its CMake package. The
# application's: the program, and none of that.
cmake_minimum_required(VERSION 3.25)
# A "+qt6" folder holds documents of the Qt 6 copy only; shaders install compiled.
file(GLOB_RECURSE expected RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/ZelkDesign/*")
list(FILTER expected INCLUDE REGEX "(/qmldir|\\.qml|\\.js|\\.frag|\\.vert)$")
list(FILTER expected EXCLUDE REGEX "/\\+qt6/")
foreach(document IN LISTS expected)
    file(STRINGS "${SOURCE_DIR}/${document}" lines REGEX "\\.\\./(fonts|images)/")
    string(REGEX MATCHALL "(fonts|images)/[^\"']+" assets "${lines}")
    list(APPEND expected ${assets})
endforeach()
list(TRANSFORM expected REPLACE "\\.(frag|vert)$" ".\\1.qsb")
list(TRANSFORM expected PREPEND "${QMLDIR}/" REGEX "^(ZelkDesign|fonts|images)/")
list(REMOVE_DUPLICATES expected)
list(SORT expected)

file(GLOB_RECURSE staged RELATIVE "${LIBRARY_STAGE}" "${LIBRARY_STAGE}/*")
list(FILTER staged EXCLUDE REGEX "^${QMLDIR}/fonts/LICENSE-[^/]*\\.txt$|^${CMAKEDIR}/ZelkDesign.+\\.cmake$")
list(SORT staged)
file(GLOB licences "${LIBRARY_STAGE}/${QMLDIR}/fonts/LICENSE-*.txt")
if(NOT staged STREQUAL expected OR NOT licences OR NOT EXISTS "${LIBRARY_STAGE}/${CMAKEDIR}/ZelkDesignConfig.cmake")
    message(FATAL_ERROR "the library's install holds\n  ${staged}\nnot\n  ${expected}\nwith licences and package")
endif()
if(NOT EXISTS "${APP_STAGE}/${APP}" OR EXISTS "${APP_STAGE}/${QMLDIR}" OR EXISTS "${APP_STAGE}/${CMAKEDIR}")
    message(FATAL_ERROR "the application's install holds no ${APP}, or the library's ${QMLDIR} or ${CMAKEDIR}")
endif()
