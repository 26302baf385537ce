// Windows: besides folders, some names are devices in every folder (NUL, CON, COM1, also with an extension, as
// NUL.dat), and \\.\ paths reach devices directly. None of them exists as a file, so each is recognised by name.
#include "files/PlatformFiles.h"

#include <QDir>
#include <QFileDevice>
#include <QFileInfo>
#include <QRegularExpression>

#include <io.h>
#include <windows.h>

namespace {

bool IsDevicePath(const QString& path)
{
    const QString native = QDir::toNativeSeparators(path);
    return native.startsWith(QLatin1String("\\\\.\\")) || native.startsWith(QLatin1String("\\\\?\\GLOBALROOT"),
               Qt::CaseInsensitive);
}

bool IsReservedDeviceName(const QString& path)
{
    // The system ignores what follows the first dot, and trailing spaces and colons ("NUL .dat", "COM1:").
    static const QRegularExpression reserved(
        QStringLiteral("^(CON|PRN|AUX|NUL|CONIN\\$|CONOUT\\$|COM[0-9\\x{00B9}\\x{00B2}\\x{00B3}]|"
                       "LPT[0-9\\x{00B9}\\x{00B2}\\x{00B3}])[ :]*(\\..*)?$"),
        QRegularExpression::CaseInsensitiveOption);
    return reserved.match(QFileInfo(path).fileName()).hasMatch();
}

} // namespace

bool IsSpecialFile(const QString& path)
{
    if (IsDevicePath(path) || IsReservedDeviceName(path))
        return true;
    const QFileInfo info(path);
    return info.exists() && !info.isFile();
}

QByteArray NarrowFilePath(const QString& path)
{
    const QString native = QDir::toNativeSeparators(path);
    const QByteArray ansi = native.toLocal8Bit(); // the ANSI code page on Windows
    if (QString::fromLocal8Bit(ansi) == native)
        return ansi;
    // A name the code page cannot spell: the short name, which is ASCII, where the volume keeps short names.
    const std::wstring wide = native.toStdWString();
    const DWORD length = GetShortPathNameW(wide.c_str(), nullptr, 0);
    std::wstring shortPath(length, L'\0');
    if (length == 0 || GetShortPathNameW(wide.c_str(), shortPath.data(), length) == 0)
        return ansi;
    shortPath.resize(wcslen(shortPath.c_str()));
    return QString::fromStdWString(shortPath).toLocal8Bit();
}

bool SyncToDisk(QFileDevice& file)
{
    return file.flush() && _commit(file.handle()) == 0;
}
