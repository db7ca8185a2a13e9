# The Windows version resource, from the project's version: 3.0.1 is file version 3,0,0,1,
# written "3.00.0001".
function(nubika_version_resource output)
    string(LENGTH "${PROJECT_VERSION_MINOR}" minor_digits)
    string(LENGTH "${PROJECT_VERSION_PATCH}" patch_digits)
    math(EXPR minor_zeros "2 - ${minor_digits}")
    math(EXPR patch_zeros "4 - ${patch_digits}")
    string(REPEAT 0 ${minor_zeros} minor_padding)
    string(REPEAT 0 ${patch_zeros} patch_padding)
    set(NUBIKA_FILE_VERSION
        "${PROJECT_VERSION_MAJOR}.${minor_padding}${PROJECT_VERSION_MINOR}.${patch_padding}${PROJECT_VERSION_PATCH}")
    set(NUBIKA_RC_VERSION
        "${PROJECT_VERSION_MAJOR},${PROJECT_VERSION_MINOR},0,${PROJECT_VERSION_PATCH}")
    set(NUBIKA_ICON ${PROJECT_SOURCE_DIR}/src/app/nubika.ico)
    configure_file(${PROJECT_SOURCE_DIR}/src/app/nubika.rc.in ${output} @ONLY)
endfunction()
