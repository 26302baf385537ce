// The settings file (*.dat): a 36-byte header (format version, title) followed by the configuration block.
#pragma once

#include "config/ConfigBlock.h"

#include <QByteArray>
#include <QString>

constexpr int kSettingsHeaderSize = 36;
constexpr int kSettingsFileSize = kSettingsHeaderSize + kConfigBlockSize; // 1884
constexpr int kSettingsFormatVersion = 1;
inline constexpr char kSettingsTitle[] = "QUILMOX Parlowen";

enum class LoadOutcome {
    Loaded,
    IncompatibleTitle, // the title is missing or differs
    LaterFormat, // the title matches but the version is 2 or more
    Error, // the file cannot be read or its body is incomplete
};

// The operator's message for an outcome other than Loaded, in the language of the installed translation (the
// command line installs none, so it says it in English).
QString LoadOutcomeText(LoadOutcome outcome);
QString SaveErrorText(); // "Error Saving File."

// The 1884 bytes of a settings file holding `config`.
QByteArray SettingsFileImage(const TConfigBlock& config);

// Judges a file's bytes; on Loaded, `config` receives the body. On any other outcome it is left untouched.
// Bytes after the body are ignored.
LoadOutcome ParseSettingsImage(const QByteArray& image, TConfigBlock& config);

// Reads and judges the file at `path`; `config` changes only on Loaded. A file that cannot be opened or read, or
// that is not a regular file (a pipe or a device would block or never end), gives Error, with the reason in
// `errorText` when given.
LoadOutcome LoadSettingsFile(const QString& path, TConfigBlock& config, QString* errorText = nullptr);

// Writes the file through a temporary file that replaces `path` only once every byte was written, so a failed
// save leaves an existing file as it was. A symbolic link is saved through, replacing the file it points to. A
// path that names something other than a regular file is refused: the rename would put a file in its place.
// Returns false, with the reason in `errorText`, on any failure.
bool SaveSettingsFile(const QString& path, const TConfigBlock& config, QString* errorText = nullptr);
