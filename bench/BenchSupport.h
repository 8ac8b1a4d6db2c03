#pragma once
// Shared pieces of the benchmarks: large archives with realistic texts (a
// year of gate cards spread evenly over the days of 2021, nine in ten with an
// exit; a company fleet), and timing helpers. Existing files at the paths are
// replaced.
#include <QElapsedTimer>
#include <QString>
#include <QStringList>
#include <functional>

void WriteYearArchive(const QString &path, int cards);
void WriteFleetArchive(const QString &path, int vehicles);

// With cold set, DropPageCache empties the system's page cache, as after a
// workstation restart: all of it where the benchmark may (root outside a
// container), else the pages of the files given; without cold it does
// nothing. Returns whether the pages were dropped.
void SetColdCache(bool cold, const QStringList &files = {});
bool DropPageCache();

double Seconds(const QElapsedTimer &timer);
// The fastest of runs timings of run, the page cache dropped before each
// when cold.
double Best(int runs, const std::function<void()> &run);

// The raw figures the program's own are compared with: the whole file read
// in 1 MB reads into one reused buffer, looking at nothing; and bytes written in 1 MB writes, flushed to the disk as the
// program's exports are.
void RawRead(const QString &path);
void RawWrite(const QString &path, qint64 bytes);

// This process's resident memory now and at its peak, from /proc (bytes).
qint64 ResidentBytes();
qint64 PeakResidentBytes();
