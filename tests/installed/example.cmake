# Builds the example against the staged package from scratch and installs it
# with its copy of the module.
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE "${BINARY}")
execute_process(COMMAND "${CMAKE_COMMAND}" -S "${SOURCE}" -B "${BINARY}/carried" -G "${GENERATOR}"
                        -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_COMPILER=${CXX} -DQT_DIR=${QT_DIR}
                        -DCMAKE_PREFIX_PATH=${STAGE} -DCMAKE_FIND_USE_PACKAGE_REGISTRY=OFF
                        -DCMAKE_INSTALL_PREFIX=${BINARY}/carried-install
                OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
# The staged copy, not one installed on this machine before.
file(STRINGS "${BINARY}/carried/CMakeCache.txt" found REGEX "^ZelkDesign_DIR:")
string(REGEX REPLACE "^[^=]*=" "" found "${found}")
file(REAL_PATH "${found}" found)
file(REAL_PATH "${PACKAGE_DIR}" expected)
if(NOT found STREQUAL expected)
    message(FATAL_ERROR "the example found ZelkDesign in ${found}, not in ${expected}")
endif()
execute_process(COMMAND "${CMAKE_COMMAND}" --build "${BINARY}/carried" -j 2 OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BINARY}/carried" OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
