// What the file system of each platform decides differently: which paths name something other than an ordinary
// file, and how a path is handed to a library that takes narrow file names. One source file per platform.
#pragma once

#include <QByteArray>
#include <QString>

class QFileDevice;

// True for a path that names something other than a regular file, or that the system would take for a device:
// a pipe, socket, device node or folder on Linux (also through a symbolic link); a folder, a reserved device
// name (CON, NUL, COM1, ...) or a \\.\ device path on Windows. Opening such a path could block or never end, and
// saving over it would put a file in its place or write to a device.
bool IsSpecialFile(const QString& path);

// `path` as a narrow string that the system's narrow file calls open (chmlib's chm_open): the file name encoding
// on Linux, the ANSI code page on Windows (or the short 8.3 name where the ANSI code page cannot spell it).
QByteArray NarrowFilePath(const QString& path);

// Asks the system to put what was written to `file` on the disk now, so that a power cut keeps it. False when the
// system refused.
bool SyncToDisk(QFileDevice& file);
