// The commands that talk to a controller (list, info, write, read, verify, signal). Each returns an exit status and
// reports its failures on the error stream; none writes anything to a controller but its own reports.
#pragma once

#include "cli/CommandContext.h"

#include <QString>

int ListCommand(const CommandContext& context);
int InfoCommand(const CommandContext& context);
int WriteCommand(const CommandContext& context, const QString& file, bool verify);
// An existing `output` is replaced only when `force` is set.
int ReadCommand(const CommandContext& context, const QString& output, bool force);
int VerifyCommand(const CommandContext& context, const QString& file);
int SignalCommand(const CommandContext& context, bool watch);
