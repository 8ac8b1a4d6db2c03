#include "BenchTable.h"

#include <QStringList>
#include <cstdio>

namespace {
QString figure(double value, BenchRow::Unit unit)
{
    if (unit == BenchRow::Unit::Bytes)
        return QStringLiteral("%1 MB").arg(value / 1e6, 0, 'f', 1);
    return QStringLiteral("%1 s").arg(value, 0, 'f', value < 0.1 ? 4 : 3);
}

QString goalText(const BenchRow &row)
{
    QStringList goals;
    if (row.ratioGoal > 0)
        goals << QStringLiteral("≤ %1x").arg(row.ratioGoal, 0, 'g', 3);
    if (row.absoluteGoal > 0)
        goals << QStringLiteral("≤ %1").arg(figure(row.absoluteGoal, row.unit));
    return goals.isEmpty() ? QStringLiteral("none") : goals.join(QStringLiteral(", "));
}

// "met", "**missed**", or "" when the row has no goal.
QString resultText(const BenchRow &row, double ratio)
{
    if (row.ratioGoal <= 0 && row.absoluteGoal <= 0)
        return {};
    const bool met = (row.ratioGoal <= 0 || ratio <= row.ratioGoal)
        && (row.absoluteGoal <= 0 || row.value <= row.absoluteGoal);
    return met ? QStringLiteral("met") : QStringLiteral("**missed**");
}
} // namespace

void BenchTable::Add(const BenchRow &row)
{
    m_rows.append(row);
}

void BenchTable::Print() const
{
    std::printf("| cache | operation | figure | compared with | ratio | goal | result |\n");
    std::printf("|---|---|---|---|---|---|---|\n");
    for (const BenchRow &row : m_rows) {
        QStringList compared;
        for (const BenchComparison &c : row.comparisons)
            compared << c.what + QStringLiteral(" ") + figure(c.value, row.unit);
        const double ratio = row.comparisons.isEmpty() || row.comparisons.first().value <= 0
            ? 0
            : row.value / row.comparisons.first().value;
        const QString ratioText = ratio > 0 ? QStringLiteral("%1x").arg(ratio, 0, 'f', 2) : QString();
        std::printf("| %s | %s | %s | %s | %s | %s | %s |\n", qPrintable(row.cache), qPrintable(row.operation),
                    qPrintable(figure(row.value, row.unit)), qPrintable(compared.join(QStringLiteral("; "))),
                    qPrintable(ratioText), qPrintable(goalText(row)), qPrintable(resultText(row, ratio)));
    }
    std::fflush(stdout);
}
