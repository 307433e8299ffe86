# Packs the release zip ZIP from what the build folder BUILD_DIR installs.
# Installed, the files have fixed permissions whatever the umask; packed in
# name order, in UTC (zip entries hold local times), with the time
# SOURCE_DATE_EPOCH gives when it is set, the zip's bytes depend only on
# those files.
set(staging ${BUILD_DIR}/release-staging)
file(REMOVE_RECURSE ${staging} ${ZIP})
get_filename_component(folder ${ZIP} DIRECTORY)
file(MAKE_DIRECTORY ${folder})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${staging}
                OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
file(GLOB_RECURSE files RELATIVE ${staging} ${staging}/*)
list(SORT files)
execute_process(COMMAND ${CMAKE_COMMAND} -E env TZ=UTC
                        ${CMAKE_COMMAND} -E tar cf ${ZIP} --format=zip -- ${files}
                WORKING_DIRECTORY ${staging} COMMAND_ERROR_IS_FATAL ANY)
message(STATUS "Packed ${ZIP}: ${files}")
