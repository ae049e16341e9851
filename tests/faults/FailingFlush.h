#pragma once

#include <QString>

// While one lives, every flush to the disk (fsync, fdatasync) of a file in the folder fails with
// EIO, as on a failing disk, a full thin volume or a lost NFS server; copies of old content
// (".halvex-backup-") and the folder itself still flush. The test program's own fsync and
// fdatasync stand in for the system's.
class FailingFlush
{
public:
    explicit FailingFlush(const QString& folder);
    ~FailingFlush();
    FailingFlush(const FailingFlush&) = delete;
    FailingFlush& operator=(const FailingFlush&) = delete;
};
