# Builds the example against the staged library from scratch, twice: carrying
# a copy of the module (then installed into a prefix of its own) and using
# the staged module in place.
#   cmake -DSOURCE=<example> -DBINARY=<dir> -DSTAGE=<prefix> -DPACKAGE_DIR=<stage package dir>
#         -DGENERATOR=<generator> -DCXX=<compiler> -DQT_DIR=<Qt's CMake dir> -P example.cmake
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE "${BINARY}")
foreach(mode IN ITEMS carried in-place)
    if(mode STREQUAL "carried")
        set(carry ON)
    else()
        set(carry OFF)
    endif()
    execute_process(COMMAND "${CMAKE_COMMAND}" -S "${SOURCE}" -B "${BINARY}/${mode}" -G "${GENERATOR}"
                            -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_COMPILER=${CXX} -DQT_DIR=${QT_DIR}
                            -DCMAKE_PREFIX_PATH=${STAGE} -DCMAKE_FIND_USE_PACKAGE_REGISTRY=OFF
                            -DCMAKE_INSTALL_PREFIX=${BINARY}/${mode}-install -DEXAMPLE_CARRY_ZELKDESIGN=${carry}
                    OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
    # Found through the prefix path, and the staged copy it is: not one
    # installed on this machine before.
    file(STRINGS "${BINARY}/${mode}/CMakeCache.txt" found REGEX "^ZelkDesign_DIR:")
    string(REGEX REPLACE "^[^=]*=" "" found "${found}")
    file(REAL_PATH "${found}" found)
    file(REAL_PATH "${PACKAGE_DIR}" expected)
    if(NOT found STREQUAL expected)
        message(FATAL_ERROR "the example found ZelkDesign in ${found}, not in ${expected}")
    endif()
    execute_process(COMMAND "${CMAKE_COMMAND}" --build "${BINARY}/${mode}" -j 2
                    OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
endforeach()
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BINARY}/carried" OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
