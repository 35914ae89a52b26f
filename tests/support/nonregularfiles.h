#pragma once

// Things that are not regular files, put where Velmora expects one: a FIFO, a socket, a device
// node, a link to a device node. And a record of what stood there, to show it was left alone.

#include <QString>

#include <sys/stat.h>

enum class NonRegular { Fifo, Socket, Device, LinkToDevice };

/// Makes `kind` at `path`; a link's device is made beside the link as `path` + ".node". Returns
/// an empty string, or why it could not be made (device nodes need the right to make them).
QString makeNonRegular(NonRegular kind, const QString &path);

/// What stands at a path, and at the end of its link: same inode, same type, same device.
struct Standing
{
    ino_t inode = 0;
    mode_t mode = 0;
    dev_t device = 0;
    ino_t targetInode = 0;
    mode_t targetMode = 0;
    dev_t targetDevice = 0;

    static Standing at(const QString &path);
    bool operator==(const Standing &) const = default;
};
