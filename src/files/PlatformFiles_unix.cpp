// Linux: the file system tells what a path names; narrow names are the file name encoding.
#include "files/PlatformFiles.h"

#include <QFile>
#include <QFileInfo>

#include <unistd.h>

bool IsSpecialFile(const QString& path)
{
    // QFileInfo follows a symbolic link, so a link to a pipe counts as the pipe.
    const QFileInfo info(path);
    return info.exists() && !info.isFile();
}

QByteArray NarrowFilePath(const QString& path)
{
    return QFile::encodeName(path);
}

bool SyncToDisk(QFileDevice& file)
{
    return file.flush() && fsync(file.handle()) == 0;
}
