#pragma once
// Failures of the file system on an archive.
#include <QString>
#include <stdexcept>

class IoError : public std::runtime_error
{
public:
    explicit IoError(const QString &what);
};

// Another workstation held the archive's lock for longer than a save waits;
// nothing was written.
class ArchiveBusy : public IoError
{
public:
    using IoError::IoError;
};
