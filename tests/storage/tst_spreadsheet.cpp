#include "core/storage/SpreadsheetExport.h"
#include "core/storage/Cp1252.h"
#include "core/storage/IoError.h"

#include "TestFolder.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

namespace {
const QString Sheet = QStringLiteral("Foglio");

// The data cells of a file, each as written between its tags.
QList<QByteArray> DataCells(const QByteArray &file)
{
    const QByteArray open = "<td style=\"text-align: left;\" sdnum=\"1040;0;@\">";
    QList<QByteArray> cells;
    for (qsizetype at = file.indexOf(open); at >= 0; at = file.indexOf(open, at)) {
        at += open.size();
        cells << file.mid(at, file.indexOf("</td>", at) - at);
    }
    return cells;
}
// One cell of bytes as stored in an archive.
class StoredBytes : public SpreadsheetRows
{
public:
    explicit StoredBytes(const QByteArray &bytes) : m_bytes(bytes) {}
    int RowCount() const override { return 1; }
    void WriteCell(int, int, SpreadsheetCell &cell) const override { cell.cp1252(m_bytes.constData(), m_bytes.size()); }

private:
    QByteArray m_bytes;
};
} // namespace

class TestSpreadsheet : public QObject
{
    Q_OBJECT

private slots:
    void wholeFileOfOneCell()
    {
        const QByteArray bytes = SpreadsheetBytes("Ingressi e Uscite Veicoli", {{"Data ingresso", 180}}, {{"01/02/2021"}});
        QCOMPARE(bytes,
                 QByteArray("<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" "
                            "xmlns:x=\"urn:schemas-microsoft-com:office:excel\" xmlns=\"http://www.w3.org/TR/REC-html40\">"
                            "<head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">"
                            "<!--[if gte mso 9]><xml><x:ExcelWorkbook><x:ExcelWorksheets><x:ExcelWorksheet>"
                            "<x:Name>Ingressi e Uscite Veicoli</x:Name><x:WorksheetOptions><x:Selected/><x:Panes>"
                            "<x:Pane><x:Number>1</x:Number><x:ActiveRow>3</x:ActiveRow></x:Pane></x:Panes>"
                            "<x:ProtectContents>False</x:ProtectContents><x:ProtectObjects>False</x:ProtectObjects>"
                            "<x:ProtectScenarios>False</x:ProtectScenarios></x:WorksheetOptions></x:ExcelWorksheet>"
                            "</x:ExcelWorksheets></x:ExcelWorkbook></xml><![endif]--></head><body><table x:str>"
                            "<tr><td style=\"text-align: left; font-weight: bold;\" width=180>Data ingresso</td></tr>"
                            "<tr><td style=\"text-align: left;\" sdnum=\"1040;0;@\">01/02/2021</td></tr>"
                            "</table></body></html>"));
    }

    void cellsAreTrimmedAndEscaped_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("written");
        QTest::newRow("spaces around a plate") << "  AB123CD \t" << QByteArray("AB123CD");
        QTest::newRow("markup stays text") << "<b>x</b>" << QByteArray("&lt;b&gt;x&lt;/b&gt;");
        QTest::newRow("ampersand") << "A & B" << QByteArray("A &amp; B");
        QTest::newRow("code page letters") << QString::fromUtf8("è €") << QByteArray("\xE8 \x80");
        QTest::newRow("letter the code page lacks") << QString::fromUtf8("Łódź") << QByteArray("&#321;\xF3" "d&#378;");
        QTest::newRow("outside the BMP, one reference") << QString::fromUtf8("a😀b") << QByteArray("a&#128512;b");
        QTest::newRow("line break inside") << "riga1\nriga2" << QByteArray("riga1&#10;riga2");
        QTest::newRow("unassigned code page byte") << QString(QChar(0x81)) << QByteArray("&#129;");
        QTest::newRow("reference typed as text") << "&#65;" << QByteArray("&amp;#65;");
        // A reader takes "&#0;" for U+FFFD and "&#128;" for the euro sign.
        QTest::newRow("NUL inside") << QStringLiteral("a") + QChar(0) + QStringLiteral("b") << QByteArray("a&#65533;b");
        QTest::newRow("C1 control the code page hides") << QString(QChar(0x80)) << QByteArray("&#65533;");
        QTest::newRow("empty") << "   " << QByteArray();
    }
    void cellsAreTrimmedAndEscaped()
    {
        QFETCH(QString, typed);
        QFETCH(QByteArray, written);
        const QByteArray file = SpreadsheetBytes(Sheet, {{"A", 10}}, {{typed}});
        QCOMPARE(DataCells(file), QList<QByteArray>{written});
        // Headings and the sheet name go through the same escaping.
        const QByteArray heading = SpreadsheetBytes(typed, {{typed, 10}}, {});
        QVERIFY(heading.contains("width=10>" + written + "</td>"));
        QVERIFY(heading.contains("<x:Name>" + written + "</x:Name>"));
        // Texts the code page holds are written alike from the archive's bytes.
        const QByteArray stored = ToCp1252(typed);
        if (FromCp1252(stored) == typed)
            QCOMPARE(DataCells(SpreadsheetBytes(Sheet, {{"A", 10}}, StoredBytes(stored))), QList<QByteArray>{written});
    }

    void everyRowAndCellIsWrittenOnOneLine()
    {
        // Short rows are filled with empty cells, all-empty rows are kept.
        const QByteArray file = SpreadsheetBytes(Sheet, {{"A", 1}, {"B", 2}}, {{"x"}, {}, {"y", "z", "extra"}});
        QCOMPARE(DataCells(file), (QList<QByteArray>{"x", "", "", "", "y", "z"}));
        QCOMPARE(file.count("<tr>"), 4);
        QVERIFY(!file.contains('\r') && !file.contains('\n'));
        QVERIFY(file.endsWith("</table></body></html>"));
    }

    void writtenFileHasTheSameBytesAndReplacesTheOld()
    {
        TempProgramFolder dir;
        dir.write("x.xls", "old export");
        QList<QStringList> rows;
        for (int i = 0; i < 30000; ++i) // several flushes of the writer's buffer
            rows << QStringList{QString::number(i), QStringLiteral("Fiat <Ducato>")};
        const QList<SpreadsheetColumn> columns{{"N", 50}, {"Veicolo", 100}};
        WriteSpreadsheet(dir.path("x.xls"), Sheet, columns, SpreadsheetTextRows(rows));
        QCOMPARE(dir.bytes("x.xls"), SpreadsheetBytes(Sheet, columns, rows));
        QCOMPARE(QDir(dir.folder()).entryList(QDir::Files), QStringList{"x.xls"}); // no temporary left behind
    }

    void failedWriteLeavesThePreviousFileWhole()
    {
        TempProgramFolder dir;
        dir.write("x.xls", "previous export");
        QFile::setPermissions(dir.folder(), QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadOther
                                                | QFileDevice::ExeOther);
        {
            AsOrdinaryUser user;
            QVERIFY_THROWS_EXCEPTION(IoError, WriteSpreadsheet(dir.path("x.xls"), Sheet, {{"A", 1}},
                                                               SpreadsheetTextRows({{"new"}})));
        }
        QFile::setPermissions(dir.folder(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QCOMPARE(dir.bytes("x.xls"), QByteArray("previous export"));
        // A folder in the way of the file: nothing can be renamed over it.
        QDir(dir.folder()).mkdir("y.xls");
        QVERIFY_THROWS_EXCEPTION(IoError, WriteSpreadsheet(dir.path("y.xls"), Sheet, {{"A", 1}},
                                                           SpreadsheetTextRows({{"new"}})));
    }

    // What an office program makes of the file: every text as typed.
    void officeReadsTextsAsTyped()
    {
        const QString office = QStandardPaths::findExecutable("soffice");
        if (office.isEmpty())
            QSKIP("LibreOffice (soffice) is not installed: the file is not opened in an office program here.");
        TempProgramFolder dir;
        const QStringList typed = {"0612345678", "007", "1e5", "10/12/2026", "<b>x</b>", "A & B",
                                   QString::fromUtf8("è €")};
        QList<QStringList> rows;
        for (const QString &t : typed)
            rows << QStringList{t};
        WriteSpreadsheet(dir.path("prova.xls"), Sheet, {{"Testo", 100}}, SpreadsheetTextRows(rows));
        QProcess office_;
        office_.setWorkingDirectory(dir.folder());
        office_.start(office, {"-env:UserInstallation=file://" + dir.folder() + "lo-profile", "--headless",
                               "--convert-to", "csv:Text - txt - csv (StarCalc):44,34,76", "--outdir", dir.folder(),
                               dir.path("prova.xls")});
        QVERIFY(office_.waitForFinished(90000));
        const QString csv = QString::fromUtf8(dir.bytes("prova.csv"));
        QStringList lines = csv.split(QRegularExpression("\r?\n"), Qt::SkipEmptyParts);
        QCOMPARE(lines.value(0), QStringLiteral("Testo"));
        lines.removeFirst();
        for (QString &line : lines) {
            if (line.startsWith('"') && line.endsWith('"'))
                line = line.mid(1, line.size() - 2).replace("\"\"", "\"");
        }
        QCOMPARE(lines, typed);
    }
};

QTEST_GUILESS_MAIN(TestSpreadsheet)
#include "tst_spreadsheet.moc"
