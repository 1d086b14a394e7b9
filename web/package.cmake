# Packs the site into one zip with index.html at its top:
#   cmake -DSITE=DIR -DZIP=FILE -P package.cmake
file(GLOB files RELATIVE ${SITE} ${SITE}/*)
list(SORT files)
file(REMOVE ${ZIP})
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${ZIP} --format=zip -- ${files}
                WORKING_DIRECTORY ${SITE} COMMAND_ERROR_IS_FATAL ANY)
