// The commands that work on settings files alone (show, diff, import, defaults), and the file steps that the
// device commands share with them. Each returns an exit status and reports its failures on the error stream.
#pragma once

#include "cli/CommandContext.h"
#include "config/ConfigBlock.h"
#include "config/SettingCatalogue.h"

#include <QString>

int ShowCommand(const CommandContext& context, const QString& file, bool json);
int DiffCommand(const CommandContext& context, const QString& first, const QString& second);
int ImportCommand(const CommandContext& context, const QString& jsonFile, const QString& output, bool force);
int DefaultsCommand(const CommandContext& context, const QString& output, bool force);

// Loads with the window's checks; false after reporting the window's message for the file.
bool LoadForCommand(const CommandContext& context, const QString& file, TConfigBlock& config);
// Saves atomically; Success, or Usage after reporting "Error Saving File." with the reason. Without `force` an
// existing file (or a link of that name) is refused with Usage and left as it is.
int SaveForCommand(const CommandContext& context, const QString& file, const TConfigBlock& config, bool force);
// True, after reporting it, when `file` exists and may not be replaced.
bool RefusedToReplace(const CommandContext& context, const QString& file, bool force);
// One line per difference on the output stream, each value named after where it came from; Different when there
// is any.
int PrintDifferences(const CommandContext& context, const std::vector<SettingDifference>& differences,
    const QString& firstLabel, const QString& secondLabel);
