#pragma once

#include "config/ConfigBlock.h"

#include <QByteArray>

// The output reports a write of `config` sends, bytes 1..64 of each in upper-case hex, one line each.
QByteArray ExpectedWrite(const TConfigBlock& config);
