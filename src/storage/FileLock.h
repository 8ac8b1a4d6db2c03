#pragma once
// Exclusive lock on a whole open file for the time of one append or rewrite,
// so that workstations sharing the program folder do not write over each
// other's cards. Waits for the lock; raises IoError when locking fails.
class QFile;

class FileLock
{
public:
    explicit FileLock(QFile &file);
    ~FileLock();
    FileLock(const FileLock &) = delete;
    FileLock &operator=(const FileLock &) = delete;

private:
    QFile &m_file;
};
