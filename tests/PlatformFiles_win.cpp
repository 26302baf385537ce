// Windows: the reserved device names (in any folder, with or without an extension), \\.\ device paths and a
// folder are special; names that only begin like them are ordinary. A save fails while another program holds the
// file open without sharing it: the new file cannot take its place.
#include "PlatformFiles.h"

#include <QDir>

#include <windows.h>

QStringList SpecialPaths(const QString& dir)
{
    return { QDir(dir).filePath("NUL"), QStringLiteral("CON"), QDir(dir).filePath("com1.dat"),
        QDir(dir).filePath("Lpt9"), QStringLiteral("\\\\.\\NUL"), QStringLiteral("//./pipe/parlowen"), dir };
}

QList<std::pair<QString, QString>> OrdinaryPaths(const QString& dir)
{
    QList<std::pair<QString, QString>> paths;
    for (const char* name : { "CONFIG.dat", "nullable.dat", "COM10.dat", "aux-site.dat" })
        paths.append({ QDir(dir).filePath(name), QDir(dir).filePath(name) });
    return paths;
}

std::shared_ptr<void> BlockSaves(const QString& path)
{
    const HANDLE file = CreateFileW(reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(path).utf16()),
        GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    return std::shared_ptr<void>(file, [](HANDLE handle) { CloseHandle(handle); });
}
