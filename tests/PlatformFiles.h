// What each system calls a special file, and how a save is made to fail there, for the tests of every layer.
#pragma once

#include <QString>
#include <QStringList>
#include <memory>

// Paths in (or beside) `dir` that name no regular file, made where they need making: Load must refuse them
// without opening them and Save must not replace them. The first is the one the window's load tests use.
QStringList SpecialPaths(const QString& dir);

// Paths in `dir` that look special but are ordinary files to be saved and loaded as any other (the saved file's
// bytes appear at the path's `target`, which is the path itself unless it is a link).
struct OrdinaryPath
{
    QString path, target;
};
QList<OrdinaryPath> OrdinaryPaths(const QString& dir);

// While it lives, every write to the existing file `path` fails as it would on a full disk or with the file held
// by another program; the file keeps its bytes.
class SaveBlocker
{
public:
    explicit SaveBlocker(const QString& path);
    ~SaveBlocker();

private:
    struct State;
    std::unique_ptr<State> m_state;
};
