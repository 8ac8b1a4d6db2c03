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

// A write failed for want of space (a full disk or a full quota); what it
// would have written was not kept.
class DiskFull : public IoError
{
public:
    using IoError::IoError;
};

// The message of a full disk: says so, then what was not saved (a sentence,
// such as "La scheda non è stata salvata.") and what to do.
QString DiskFullText(const QString &notSaved);
