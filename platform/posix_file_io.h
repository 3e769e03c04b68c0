// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QtGlobal>

// Descriptor-level helpers shared by the POSIX directory access and the batched file reader.
namespace orvalink {

// Closes fd when it is open. Linux releases the descriptor even when close() reports an error,
// so there is nothing to retry.
void closeDescriptor(int fd);

// Appends the rest of the open regular file fd, size bytes by its status, to buffer; 0, else the
// errno value (EFBIG: it grew past maxSize while it was read).
int readToEnd(int fd, qint64 size, qint64 maxSize, QByteArray& buffer);

} // namespace orvalink
