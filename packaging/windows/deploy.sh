#!/bin/sh
# Gathers the Windows tool into one folder that runs on a Windows without Qt or MinGW: the executables and the
# help, Qt's platform and style plugins, Qt's own translations in translations/, and every DLL they name, recursively, from the toolchain's folders. A DLL
# named by any of them that is neither deployed nor a Windows system DLL fails the deployment.
#
# Which DLLs are Windows' own is a fixed list (windows-dlls.txt), not what the build machine's Wine happens to have.
# Usage: deploy.sh OUT_DIR "DLL_DIR;DLL_DIR..." QT_PLUGIN_DIR NOTICES LICENSE_DIR SYSTEM_DLL_LIST "QM;QM..." FILE...
set -eu
out=$1 dll_dirs=$2 plugins=$3 notices=$4 licenses=$5 system_list=$6 qt_translations=$7
shift 7
system_dlls=$(grep -v '^#' "$system_list")

rm -rf "$out"
mkdir -p "$out/platforms" "$out/styles" "$out/translations"
cp "$@" "$out/"
cp "$plugins/platforms/qwindows.dll" "$out/platforms/"
cp "$plugins/styles/qwindowsvistastyle.dll" "$out/styles/"
cp "$notices" "$out/"
cp -r "$licenses" "$out/licenses"
IFS=';'
for qm in $qt_translations; do cp "$qm" "$out/translations/"; done
unset IFS

lower() { printf '%s' "$1" | tr '[:upper:]' '[:lower:]'; }
# Each pass copies what the binaries in the folder name and do not find; it ends when a pass copies nothing.
while :; do
    copied=0
    for binary in $(find "$out" -iname '*.exe' -o -iname '*.dll'); do
        for dll in $(x86_64-w64-mingw32-objdump -p "$binary" | sed -n 's/^\s*DLL Name: //p'); do
            name=$(lower "$dll")
            [ -n "$(find "$out" -maxdepth 1 -iname "$name")" ] && continue
            case $name in api-ms-win-*|ext-ms-win-*) continue ;; esac
            printf '%s\n' "$system_dlls" | grep -qxF "$name" && continue
            found=""
            IFS=';'
            for dir in $dll_dirs; do
                [ -z "$found" ] && found=$(find "$dir" -maxdepth 1 -iname "$name" | head -n 1)
            done
            unset IFS
            if [ -z "$found" ]; then
                echo "deploy: $binary needs $dll, which is neither in the toolchain nor a Windows system DLL" >&2
                exit 1
            fi
            cp "$found" "$out/"
            copied=1
        done
    done
    [ "$copied" -eq 0 ] && break
done
# The toolchain's DLLs keep their symbol tables (MinGW's C++ runtime alone is 23 MB with them); users need none.
find "$out" \( -iname '*.dll' -o -iname '*.exe' \) -exec x86_64-w64-mingw32-strip --strip-unneeded {} +
