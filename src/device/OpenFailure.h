// Why a controller that is plugged in could not be opened, in the words of each system: on Linux the node's
// permissions (the udev rule), on Windows another program holding the device. One source file per platform.
#pragma once

#include <QByteArray>
#include <QString>

// The lines shown beneath "Cannot find QUILMOX" when the controller at `path` is present but every open failed.
QString OpenFailureCause(const QByteArray& path);
