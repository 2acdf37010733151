# Every C++ source is formatted with the committed .clang-format.
set(dirs app bench cli fuzz graphs model packaging session tests tools ui web)
set(files)
foreach(dir IN LISTS dirs)
    file(GLOB_RECURSE found ${SOURCE_DIR}/${dir}/*.h ${SOURCE_DIR}/${dir}/*.cpp)
    list(APPEND files ${found})
endforeach()
execute_process(COMMAND ${CLANG_FORMAT} --dry-run -Werror ${files}
                WORKING_DIRECTORY ${SOURCE_DIR} RESULT_VARIABLE status ERROR_VARIABLE report)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "Run clang-format-14 -i on these files:\n${report}")
endif()
