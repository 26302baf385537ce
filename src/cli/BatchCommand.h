// `parlowen-cli batch`: a site's controllers from one template and a table of units, each written, read back and
// compared, with a record line per unit and a backup of what each held.
#pragma once

#include "cli/CommandContext.h"

#include <QString>

struct BatchArguments
{
    QString templateFile;
    QString unitsFile;
    QString record; // required unless dryRun
    QString backups; // empty: a folder "backups" beside the record
    QString rows; // e.g. "3-7" or "2,4-6"; empty: all
    bool dryRun = false;
    int waitMs = 0; // the longest wait for a controller; 0 without end
};

int BatchCommand(const CommandContext& context, const BatchArguments& arguments);
