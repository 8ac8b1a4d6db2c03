#pragma once
// Shared pieces of every test: a temporary program folder, a fixed clock, and
// a way to lose root's power over file permissions for one block.
#include <QDateTime>
#include <QTemporaryDir>
#include <QByteArray>
#include <QString>

// A fresh program folder for one test; restored to the default on exit.
class TempProgramFolder
{
public:
    TempProgramFolder();
    ~TempProgramFolder();
    QString path(const QString &name) const;
    QByteArray bytes(const QString &name) const;
    void write(const QString &name, const QByteArray &bytes) const;
    QString folder() const;

private:
    QTemporaryDir m_dir;
};

// Pins the program's clock to the given moment for the lifetime of the object.
class FixedClock
{
public:
    explicit FixedClock(const QDateTime &now);
    ~FixedClock();
};

// Inside its lifetime file permissions are checked as an ordinary user, also
// when the tests run as root (as they do in CI), so read-only files refuse
// writing as they would on a workstation.
class AsOrdinaryUser
{
public:
    AsOrdinaryUser();
    ~AsOrdinaryUser();

private:
    int m_previous = -1;
};
