# Writes the installer of an installed folder, with wixl and msibuild (msitools):
#   cmake -DNUBIKA_STAGING=<folder> -DPROJECT_VERSION=<x.y.z> -DNUBIKA_MSI=<out.msi>
#         [-DNUBIKA_WIXL=wixl] [-DNUBIKA_MSIBUILD=msibuild] -P make-msi.cmake
# Every file of the folder goes in, so the installer holds whatever the install step put there.
# msi/ beside the .msi keeps the nubika.wxs and files.wxs given to wixl; WiX's candle and light,
# run in that folder, take them as well.
cmake_minimum_required(VERSION 3.25)
foreach(var NUBIKA_STAGING PROJECT_VERSION NUBIKA_MSI)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "make-msi: ${var} is not set")
    endif()
endforeach()
if(NOT NUBIKA_WIXL)
    set(NUBIKA_WIXL wixl)
endif()
if(NOT NUBIKA_MSIBUILD)
    set(NUBIKA_MSIBUILD msibuild)
endif()
get_filename_component(staging "${NUBIKA_STAGING}" ABSOLUTE)
get_filename_component(msi "${NUBIKA_MSI}" ABSOLUTE)
if(NOT EXISTS "${staging}/nubika.exe")
    message(FATAL_ERROR "make-msi: no nubika.exe at the top of ${staging}")
endif()
get_filename_component(work "${msi}" DIRECTORY)
set(work "${work}/msi")
file(REMOVE_RECURSE "${work}")
file(MAKE_DIRECTORY "${work}")

# wixl 0.101 takes no absolute paths: each is relative to the folder it runs in.
file(RELATIVE_PATH NUBIKA_STAGING "${work}" "${staging}")
file(RELATIVE_PATH NUBIKA_ICON "${work}" "${CMAKE_CURRENT_LIST_DIR}/../../src/app/nubika.ico")
configure_file("${CMAKE_CURRENT_LIST_DIR}/nubika.wxs.in" "${work}/nubika.wxs" @ONLY)

# Ids from the path, so that a file keeps its component from one version to the next.
function(path_id prefix path out)
    string(MD5 hash "${path}")
    set(${out} "${prefix}${hash}" PARENT_SCOPE)
endfunction()
function(dir_id dir out)
    if(dir)
        path_id(d "${dir}" id)
    else()
        set(id INSTALLDIR)
    endif()
    set(${out} ${id} PARENT_SCOPE)
endfunction()
function(xml_escape text out)
    string(REPLACE "&" "&amp;" text "${text}")
    string(REPLACE "<" "&lt;" text "${text}")
    string(REPLACE "\"" "&quot;" text "${text}")
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE files RELATIVE "${staging}" LIST_DIRECTORIES false "${staging}/*")
list(REMOVE_ITEM files nubika.exe) # in nubika.wxs, with its shortcut
list(SORT files)
set(dirs)
foreach(f IN LISTS files)
    get_filename_component(d "${f}" DIRECTORY)
    while(d AND NOT d IN_LIST dirs)
        list(APPEND dirs "${d}")
        get_filename_component(d "${d}" DIRECTORY)
    endwhile()
endforeach()
list(SORT dirs)

set(xml "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n")
string(APPEND xml "<Wix xmlns=\"http://schemas.microsoft.com/wix/2006/wi\">\n  <Fragment>\n")
foreach(d IN LISTS dirs)
    get_filename_component(parent "${d}" DIRECTORY)
    get_filename_component(name "${d}" NAME)
    dir_id("${parent}" parent_id)
    dir_id("${d}" id)
    xml_escape("${name}" name)
    string(APPEND xml "    <DirectoryRef Id=\"${parent_id}\">"
        "<Directory Id=\"${id}\" Name=\"${name}\"/></DirectoryRef>\n")
endforeach()
set(refs)
foreach(f IN LISTS files)
    get_filename_component(d "${f}" DIRECTORY)
    dir_id("${d}" parent_id)
    path_id(f "${f}" id)
    xml_escape("${NUBIKA_STAGING}/${f}" source)
    string(APPEND xml "    <DirectoryRef Id=\"${parent_id}\">"
        "<Component Id=\"${id}\" Guid=\"*\" Win64=\"yes\">"
        "<File Id=\"${id}\" Source=\"${source}\" KeyPath=\"yes\"/></Component></DirectoryRef>\n")
    string(APPEND refs "      <ComponentRef Id=\"${id}\"/>\n")
endforeach()
string(APPEND xml "    <ComponentGroup Id=\"Files\">\n${refs}    </ComponentGroup>\n"
    "  </Fragment>\n</Wix>\n")
file(WRITE "${work}/files.wxs" "${xml}")

# wixl leaves the database code page at 0 and writes its strings in the one of the language
# named by WINDOWS_LANGUAGE; msibuild then stamps 932 on the database, so that the Japanese
# names read the same on every Windows. The summary stays ASCII: libmsi writes it as UTF-8.
file(WRITE "${work}/_ForceCodepage.idt" "\r\n\r\n932\t_ForceCodepage\r\n")
file(REMOVE "${msi}")
execute_process(COMMAND "${CMAKE_COMMAND}" -E env WINDOWS_LANGUAGE=ja
        "${NUBIKA_WIXL}" --arch x64 -o "${msi}" nubika.wxs files.wxs
    COMMAND_ERROR_IS_FATAL ANY WORKING_DIRECTORY "${work}")
execute_process(COMMAND "${CMAKE_COMMAND}" -E env WINDOWS_LANGUAGE=ja
        "${NUBIKA_MSIBUILD}" "${msi}" -i _ForceCodepage.idt
    COMMAND_ERROR_IS_FATAL ANY WORKING_DIRECTORY "${work}")
execute_process(
    COMMAND "${NUBIKA_MSIBUILD}" "${msi}" -s "Nubika ${PROJECT_VERSION}" Nubika "x64;1041"
    COMMAND_ERROR_IS_FATAL ANY)
message(STATUS "Wrote ${msi}")
