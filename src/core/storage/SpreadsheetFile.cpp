#include "core/storage/SpreadsheetFile.h"

#include "core/storage/SpreadsheetXlsx.h"

const QString SpreadsheetXlsFilter = QStringLiteral("Foglio di calcolo Excel 97 (*.xls)");
const QString SpreadsheetXlsxFilter = QStringLiteral("Cartella di lavoro Excel (*.xlsx)");

QStringList SpreadsheetFilters()
{
    return {SpreadsheetXlsFilter, SpreadsheetXlsxFilter};
}

SpreadsheetTarget SpreadsheetTargetFor(const QString &chosenPath, const QString &chosenFilter)
{
    if (chosenPath.endsWith(QLatin1String(".xlsx"), Qt::CaseInsensitive))
        return {chosenPath, SpreadsheetFormat::Xlsx};
    if (chosenPath.endsWith(QLatin1String(".xls"), Qt::CaseInsensitive))
        return {chosenPath, SpreadsheetFormat::Xls};
    if (chosenFilter == SpreadsheetXlsxFilter)
        return {chosenPath + QStringLiteral(".xlsx"), SpreadsheetFormat::Xlsx};
    return {chosenPath + QStringLiteral(".xls"), SpreadsheetFormat::Xls};
}

void WriteSpreadsheetFile(const SpreadsheetTarget &target, const QString &sheetName,
                          const QList<SpreadsheetColumn> &columns, const SpreadsheetRows &rows,
                          const std::function<void(int, int)> &progress)
{
    if (target.format == SpreadsheetFormat::Xlsx)
        WriteSpreadsheetXlsx(target.path, sheetName, columns, rows, progress);
    else
        WriteSpreadsheet(target.path, sheetName, columns, rows, progress);
}
