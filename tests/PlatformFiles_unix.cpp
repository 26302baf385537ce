// Linux: pipes (also behind a link), a folder and a device node are special; a symbolic link to a regular file is
// saved through. A save fails once the process may not make files larger than 1000 bytes (a full disk).
#include "PlatformFiles.h"

#include <QDir>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

QStringList SpecialPaths(const QString& dir)
{
    const QString fifo = QDir(dir).filePath("fifo.dat"), link = QDir(dir).filePath("to-fifo.dat");
    mkfifo(QFile::encodeName(fifo).constData(), 0600);
    QFile::link(fifo, link);
    return { fifo, link, dir, QStringLiteral("/dev/null") };
}

QList<std::pair<QString, QString>> OrdinaryPaths(const QString& dir)
{
    const QString target = QDir(dir).filePath("target.dat"), link = QDir(dir).filePath("link.dat");
    QFile::link(target, link);
    return { { link, target }, { QDir(dir).filePath("NUL"), QDir(dir).filePath("NUL") } };
}

std::shared_ptr<void> BlockSaves(const QString&)
{
    rlimit saved {};
    getrlimit(RLIMIT_FSIZE, &saved);
    const rlimit small { 1000, saved.rlim_max };
    std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &small);
    return std::shared_ptr<void>(nullptr, [saved](void*) { setrlimit(RLIMIT_FSIZE, &saved); });
}
