# The Windows folder as windeployqt lays it out (Qt and MinGW DLLs beside the exe, plugins in
# platforms/ and styles/, Qt's Chinese translation in translations/), and its installer and zip.
set(WALLCALC_QT_PREFIX ${QT6_INSTALL_PREFIX})
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libstdc++-6.dll
    OUTPUT_VARIABLE _libstdcxx OUTPUT_STRIP_TRAILING_WHITESPACE)
get_filename_component(WALLCALC_GCC_RUNTIME "${_libstdcxx}" DIRECTORY)
set(WALLCALC_MINGW_BIN /usr/x86_64-w64-mingw32/lib)
# libxlsxwriter's DLL, in the bin folder beside the lib folder of its import library.
get_filename_component(WALLCALC_XLSXWRITER_BIN "${XLSXWRITER_LIBRARY}/../../bin" ABSOLUTE)

foreach(plugin platforms/qwindows.dll styles/qwindowsvistastyle.dll)
    get_filename_component(folder ${plugin} DIRECTORY)
    install(FILES ${WALLCALC_QT_PREFIX}/plugins/${plugin} DESTINATION ${folder})
    # And beside the programs in the build folder, as installed, for the tests under Wine.
    file(COPY ${WALLCALC_QT_PREFIX}/plugins/${plugin} DESTINATION ${CMAKE_BINARY_DIR}/${folder})
endforeach()
# libxlsxwriter is loaded by name when a workbook is first written, so no import names it: it is
# shipped beside the exe, and what it loads found with the rest.
install(FILES ${WALLCALC_XLSXWRITER_BIN}/libxlsxwriter.dll DESTINATION .)
# The DLLs the exe and its plugins load, found in Qt's and MinGW's folders; Windows' own stay out.
install(CODE "
    set(CMAKE_GET_RUNTIME_DEPENDENCIES_PLATFORM windows+pe)
    set(CMAKE_GET_RUNTIME_DEPENDENCIES_TOOL objdump)
    set(CMAKE_GET_RUNTIME_DEPENDENCIES_COMMAND x86_64-w64-mingw32-objdump)
    file(GET_RUNTIME_DEPENDENCIES
        EXECUTABLES \"\${CMAKE_INSTALL_PREFIX}/WallCalcApp.exe\"
        MODULES \"\${CMAKE_INSTALL_PREFIX}/libxlsxwriter.dll\"
                \"\${CMAKE_INSTALL_PREFIX}/platforms/qwindows.dll\"
                \"\${CMAKE_INSTALL_PREFIX}/styles/qwindowsvistastyle.dll\"
        DIRECTORIES \"$<TARGET_FILE_DIR:Qt6::Core>\" \"${WALLCALC_GCC_RUNTIME}\" \"${WALLCALC_MINGW_BIN}\"
                    \"${WALLCALC_XLSXWRITER_BIN}\"
        PRE_EXCLUDE_REGEXES \"^api-ms-\" \"^ext-ms-\"
        RESOLVED_DEPENDENCIES_VAR dlls UNRESOLVED_DEPENDENCIES_VAR system_dlls)
    # On Linux the case-insensitive names come back lower-cased and unresolved (qt6core.dll).
    file(GLOB candidates \"$<TARGET_FILE_DIR:Qt6::Core>/*.dll\")
    foreach(candidate \${candidates})
        get_filename_component(name \"\${candidate}\" NAME)
        string(TOLOWER \"\${name}\" name)
        list(FIND system_dlls \"\${name}\" found)
        if(NOT found EQUAL -1)
            list(APPEND dlls \"\${candidate}\")
        endif()
    endforeach()
    file(INSTALL \${dlls} DESTINATION \"\${CMAKE_INSTALL_PREFIX}\")
    # Shipped without symbols, which are more than half of the folder: the copies being packaged are
    # stripped, never the DLLs in Qt's or MinGW's own folders.
    file(GLOB_RECURSE binaries \"\${CMAKE_INSTALL_PREFIX}/*.exe\" \"\${CMAKE_INSTALL_PREFIX}/*.dll\")
    execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-unneeded \${binaries} COMMAND_ERROR_IS_FATAL ANY)
")
# Qt looks for its translations in <prefix>/translations; the prefix is the exe's folder.
file(WRITE ${CMAKE_BINARY_DIR}/qt.conf "[Paths]\nPrefix = .\n")
install(FILES ${CMAKE_BINARY_DIR}/qt.conf DESTINATION .)
if(EXISTS /usr/share/qt6/translations/qtbase_zh_CN.qm)
    install(FILES /usr/share/qt6/translations/qtbase_zh_CN.qm DESTINATION translations)
    # And beside the programs in the build folder (qt.conf is there too), for the tests under Wine.
    file(COPY /usr/share/qt6/translations/qtbase_zh_CN.qm DESTINATION ${CMAKE_BINARY_DIR}/translations)
endif()

set(CPACK_GENERATOR NSIS ZIP)
set(CPACK_PACKAGE_NAME WallCalc)
set(CPACK_PACKAGE_VENDOR WallCalc)
set(CPACK_PACKAGE_INSTALL_DIRECTORY WallCalc)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY WallCalc)
set(CPACK_PACKAGE_FILE_NAME WallCalc-${PROJECT_VERSION}-windows-x64)
set(CPACK_PACKAGE_EXECUTABLES WallCalcApp 挡墙计算)
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_NSIS_PACKAGE_NAME 挡墙计算)
set(CPACK_NSIS_DISPLAY_NAME 挡墙计算)
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/app/icons/wallcalc.ico)
set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/app/icons/wallcalc.ico)
set(CPACK_NSIS_INSTALLED_ICON_NAME WallCalcApp.exe)
set(CPACK_NSIS_COMPRESSOR "/SOLID lzma")
# The installer's script is the project's own (all Chinese: no licence page, the question before
# reinstalling, the uninstaller's shortcut 卸载挡墙计算); CPack fills in the names and the files.
set(CPACK_MODULE_PATH ${PROJECT_SOURCE_DIR}/cmake/nsis)
# Says how big the installed folder and each package came out.
set(CPACK_POST_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/windows-package-size.cmake)
include(CPack)
