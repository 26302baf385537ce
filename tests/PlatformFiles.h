// What each system calls a special file, and how a save is made to fail there, for the tests of every layer.
#pragma once

#include <QStringList>
#include <memory>

// Paths in (or beside) `dir` that name no regular file, made where they need making: Load must refuse them
// without opening them and Save must not replace them. The first is the one the window's load tests use.
QStringList SpecialPaths(const QString& dir);

// Paths in `dir` that look special but are ordinary files to be saved and loaded as any other, each with the file
// that receives the bytes (the path itself unless it is a link).
QList<std::pair<QString, QString>> OrdinaryPaths(const QString& dir);

// While the result lives, every write to the existing file `path` fails as it would on a full disk or with the
// file held by another program; the file keeps its bytes.
std::shared_ptr<void> BlockSaves(const QString& path);
