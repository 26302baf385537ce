# The Windows build: cross-compiled with MinGW-w64 (cmake/mingw-w64-x86_64.cmake) against the Qt, hidapi and chmlib
# that scripts/windows-deps built, and tested under Wine. Included by the top-level CMakeLists.txt when WIN32.

# hidapi's Windows backend, as a DLL beside the executables.
find_path(HIDAPI_INCLUDE_DIR hidapi/hidapi.h REQUIRED)
find_library(HIDAPI_LIBRARY NAMES hidapi REQUIRED)
add_library(parlowen_hidapi INTERFACE)
target_include_directories(parlowen_hidapi INTERFACE ${HIDAPI_INCLUDE_DIR})
target_link_libraries(parlowen_hidapi INTERFACE ${HIDAPI_LIBRARY})

# Where the DLLs are found: the toolchain's bin folder (Qt, hidapi, chmlib) and MinGW's runtime.
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libstdc++-6.dll
    OUTPUT_VARIABLE stdcxx_dll OUTPUT_STRIP_TRAILING_WHITESPACE)
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libwinpthread-1.dll
    OUTPUT_VARIABLE winpthread_dll OUTPUT_STRIP_TRAILING_WHITESPACE)
get_filename_component(qt_bin_dir "${Qt6_DIR}/../../../bin" ABSOLUTE)
get_filename_component(qt_plugin_dir "${Qt6_DIR}/../../../plugins" ABSOLUTE)
get_filename_component(gcc_runtime_dir "${stdcxx_dll}" DIRECTORY)
get_filename_component(pthread_runtime_dir "${winpthread_dll}" REALPATH)
get_filename_component(pthread_runtime_dir "${pthread_runtime_dir}" DIRECTORY)
set(PARLOWEN_WINDOWS_DLL_DIRS "${qt_bin_dir};${gcc_runtime_dir};${pthread_runtime_dir}")

# Qt's own translations (qtbase_*.qm, the texts of its dialogs and boxes) are the same files on every system, so
# Debian's (qt6-translations-l10n) go beside parlowen.exe, in translations/, where the tool looks first.
find_path(PARLOWEN_QT_TRANSLATIONS_DIR qtbase_de.qm PATHS /usr/share/qt6/translations NO_DEFAULT_PATH
    NO_CMAKE_FIND_ROOT_PATH REQUIRED)
set(PARLOWEN_QT_QM_FILES ${PARLOWEN_LANGUAGES})
list(TRANSFORM PARLOWEN_QT_QM_FILES REPLACE "(.+)" "${PARLOWEN_QT_TRANSLATIONS_DIR}/qtbase_\\1.qm")

# Every test executable runs under Wine, in a Wine prefix of this build's own, with the DLL folders on its path.
find_program(PARLOWEN_WINE NAMES wine64 PATHS /usr/lib/wine NO_DEFAULT_PATH REQUIRED)
set(PARLOWEN_WINE_PREFIX "${PROJECT_BINARY_DIR}/wine")
set(wine_path "")
foreach(dir IN LISTS PARLOWEN_WINDOWS_DLL_DIRS)
    string(REPLACE "/" "\\\\" dir "Z:${dir}")
    string(APPEND wine_path "${dir};")
endforeach()
configure_file(${CMAKE_CURRENT_LIST_DIR}/wine-run.in ${PROJECT_BINARY_DIR}/wine-run @ONLY
    FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${PROJECT_BINARY_DIR}/wine-run)
