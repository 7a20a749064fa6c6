# qmllint over every document of the installed module.
#   cmake -DQMLLINT=<qmllint> [-DOPTIONS=<options>] -DMODULE=<import dir>/ZelkDesign -P lint.cmake
cmake_minimum_required(VERSION 3.25)
file(GLOB_RECURSE documents "${MODULE}/*.qml" "${MODULE}/*.js")
if(NOT documents)
    message(FATAL_ERROR "no documents in ${MODULE}")
endif()
execute_process(COMMAND "${QMLLINT}" ${OPTIONS} ${documents} COMMAND_ERROR_IS_FATAL ANY)
