# Installs one component of the build into a fresh prefix, so that nothing
# dropped from the install rules lingers there from an earlier run.
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}" --component "${COMPONENT}"
                OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
