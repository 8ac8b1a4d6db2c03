#pragma once
// The one table of the benchmarks: each figure of the program beside the
// figures it is compared with, measured in the same run, the ratio to the
// first of them, the goal and whether it was met. Printed as a Markdown
// table, so the README's table is the output as it stands.
#include <QList>
#include <QString>

struct BenchComparison {
    QString what;
    double value;
};

struct BenchRow {
    enum class Unit { Seconds, Bytes };
    QString cache;     // "warm", "cold" or "" (not a matter of the cache)
    QString operation; // what was timed, with the lines or cards it gave
    double value = 0;
    Unit unit = Unit::Seconds;
    // The first is the one the ratio and the goal are taken against.
    QList<BenchComparison> comparisons;
    double ratioGoal = 0;   // value / first comparison at most this; 0: none
    double absoluteGoal = 0; // value at most this; 0: none
};

class BenchTable
{
public:
    void Add(const BenchRow &row);
    void Print() const;

private:
    QList<BenchRow> m_rows;
};
