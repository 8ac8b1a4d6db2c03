#pragma once
// Shared pieces of the benchmarks: large archives with realistic texts (a
// year of gate cards spread evenly over the days of 2021, nine in ten with an
// exit; a company fleet), and timing helpers. Existing files at the paths are
// replaced.
#include <QElapsedTimer>
#include <QString>

void WriteYearArchive(const QString &path, int cards);
void WriteFleetArchive(const QString &path, int vehicles);

// With cold set, DropPageCache empties the system's page cache (root only),
// as after a workstation restart; else it does nothing.
void SetColdCache(bool cold);
void DropPageCache();

double Seconds(const QElapsedTimer &timer);
