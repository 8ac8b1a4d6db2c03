#pragma once
// The monthly transit statistics of the gate register: how many cards of a
// year's archive entered in each month, and how many copies of the chart a
// copies answer asks for.
#include "core/storage/ArchiveScan.h"

#include <QString>
#include <array>

// The number of cards entered in each month of the year, January first. A
// card counts once, in the month of its entry date (DataEnt), when that date
// is written dd/mm/yyyy with a month 01..12 and the year given; exit dates
// are not counted. The archive is created empty when missing. Failures of
// the file system are raised as IoError.
std::array<int, 12> CountMonthlyTransits(const QString &archivePath, const QString &year);
// The same, reporting the walk's progress after each block of cards.
std::array<int, 12> CountMonthlyTransits(const QString &archivePath, const QString &year,
                                         const ScanProgress &progress);

// The most copies of the chart printed at one time: a slip of the finger
// ("1000" for "10") must not send a thousand sheets to the printer.
inline constexpr int MaxChartCopies = 99;

struct CopiesAnswer {
    int copies;  // 1..MaxChartCopies
    bool capped; // the answer asked for more than MaxChartCopies
};

// The copies typed into the copies box: an empty answer, or one holding
// anything but the digits 0-9 (a blank included), is one copy; zero is one
// copy (no printer prints none); a number over the maximum, however many
// digits it has, is the maximum.
CopiesAnswer CopiesFromAnswer(const QString &typed);
