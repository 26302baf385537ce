// The configuration block as bytes, and the default block, for tests that compare whole images.
#pragma once

#include "config/ConfigBlock.h"

#include <QByteArray>

inline QByteArray Bytes(const TConfigBlock& block)
{
    return QByteArray(reinterpret_cast<const char*>(BlockBytes(block)), kConfigBlockSize);
}

inline TConfigBlock DefaultBlock()
{
    TConfigBlock block {};
    SetDefaults(block);
    return block;
}
