// The vehicle information sheet: the PDF as a viewer reads it back (one A4
// page, its properties, the 24 rows, the footer), a failed write that keeps
// the old file, and the preview window with its buttons and printing.
#include "varcanto_gui.h"

#include "TestSupport.h"
#include "gui/fleet/TfrmFlotta.h"
#include "gui/kit/TfrmAnteprima.h"
#include "core/storage/FileWrites.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QMenu>
#include <QRegularExpression>
#include <QToolButton>

namespace {
QString run(const QString &program, const QStringList &arguments)
{
    QProcess p;
    p.start(program, arguments);
    if (!p.waitForFinished(30000))
        return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

QString pdfText(const QString &path)
{
    return run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
}

VehicleRecord fullCard()
{
    VehicleRecord v;
    int i = 0;
    for (const auto &f : VehicleFields)
        v.*(f.member) = QStringLiteral("%1 valore %2").arg(QString::fromLatin1(f.name)).arg(++i);
    v.Marca = QStringLiteral("Fiat");
    v.Modello = QStringLiteral("Ducato");
    v.DataAcq = QStringLiteral("01/02/2020");
    v.PrezzoAcq = QStringLiteral("25.000,00");
    v.Ambientale = QStringLiteral("Euro 6 è più");
    return v;
}

const QDateTime PrintedAt(QDate(2026, 12, 10), QTime(9, 5, 7));
} // namespace

class TestVehicleSheet : public QObject
{
    Q_OBJECT
private slots:
    void pdfHoldsTheSheetAndItsProperties()
    {
        TempProgramFolder dir;
        const QString path = dir.path("Automezzo.pdf");
        QVERIFY(WriteVehicleSheetPdf(path, fullCard(), PrintedAt));
        const QString info = run("pdfinfo", {path});
        QVERIFY2(info.contains(QRegularExpression("Pages:\\s+1\\n")), qPrintable(info));
        QVERIFY(info.contains(QRegularExpression("Page size:\\s+595.* x 841.*A4")));
        QVERIFY(info.contains(QRegularExpression("Title:\\s+Scheda informativa\\n")));
        QVERIFY(info.contains(QRegularExpression("Subject:\\s+Scheda informativa\\n")));
        QVERIFY(info.contains(QRegularExpression("Author:\\s+Quendal Software\\n")));
        QVERIFY(info.contains(QRegularExpression("Creator:\\s+Quendal Software\\n")));
        QVERIFY(info.contains(QRegularExpression("Encrypted:\\s+no")));
        // Page content is not compressed: the text operators are in the file.
        QVERIFY(dir.bytes("Automezzo.pdf").contains("(SCHEDA AUTOMEZZO) Tj"));

        // A text extractor guesses blanks from the glyphs' places: compare
        // with runs of blanks made one.
        const QString text = pdfText(path).simplified();
        QVERIFY(text.contains("SCHEDA AUTOMEZZO"));
        const VehicleRecord card = fullCard();
        for (const SheetRow &row : VehicleSheetRows(card)) {
            QVERIFY2(text.contains(row.label), qPrintable(row.label));
            QVERIFY2(text.contains(row.value.simplified()), qPrintable(row.value));
        }
        QVERIFY(text.contains(QString::fromUtf8("Euro 6 è più")));
        QVERIFY(text.contains("Fiat Ducato"));
        QVERIFY(text.contains("01/02/2020 - Prezzo: 25.000,00"));
        for (const QString &absent : {card.Peso, card.Uso, card.Assi, card.Officina, card.Disponibile, card.File01})
            QVERIFY2(!text.contains(absent), qPrintable(absent));
        QVERIFY(text.contains("Stampa eseguita in data 10/12/2026 alle ore 09:05:07"));
        QVERIFY(!text.contains("Campo 1") && !text.contains("Termine scheda"));
    }

    void emptyCardKeepsTheSeparatorsAndLongValuesAreCut()
    {
        TempProgramFolder dir;
        const QList<SheetRow> rows = VehicleSheetRows(VehicleRecord());
        QCOMPARE(rows.size(), 24);
        QCOMPARE(rows[1].value, QStringLiteral(" "));
        QCOMPARE(rows[10].value, QStringLiteral("  -  Prezzo: "));
        VehicleRecord card;
        card.Note = QString(200, QLatin1Char('x')) + QStringLiteral("FINE");
        QVERIFY(WriteVehicleSheetPdf(dir.path("a.pdf"), card, PrintedAt));
        const QString text = pdfText(dir.path("a.pdf"));
        QVERIFY(text.contains("xxxxxxxxxx"));
        QVERIFY(!text.contains("FINE"));
    }

    void failedWriteKeepsTheOldFile()
    {
        TempProgramFolder dir;
        QVERIFY(WriteVehicleSheetPdf(dir.path("Automezzo.pdf"), fullCard(), PrintedAt));
        const QByteArray before = dir.bytes("Automezzo.pdf");
        QFile::setPermissions(dir.folder(), QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadOther
                                                | QFileDevice::ExeOther);
        {
            AsOrdinaryUser user;
            QVERIFY(!WriteVehicleSheetPdf(dir.path("Automezzo.pdf"), VehicleRecord(), PrintedAt));
        }
        QFile::setPermissions(dir.folder(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                                | QFileDevice::ReadOther | QFileDevice::ExeOther);
        QCOMPARE(dir.bytes("Automezzo.pdf"), before);
        QVERIFY(!WriteVehicleSheetPdf(dir.path("no/such/folder/Automezzo.pdf"), VehicleRecord(), PrintedAt));

        // A read-only PDF in a folder open to everybody, and a disk that fails
        // part-way through the write or at the flush: refused, the old PDF whole.
        const QString path = dir.path("Automezzo.pdf");
        QFile::setPermissions(dir.folder(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                                | QFileDevice::ReadOther | QFileDevice::WriteOther
                                                | QFileDevice::ExeOther);
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadOther);
        {
            AsOrdinaryUser user;
            QVERIFY(!WriteVehicleSheetPdf(path, VehicleRecord(), PrintedAt));
        }
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadOther);
        WriteFaults::FailWrite(1, 100);
        QVERIFY(!WriteVehicleSheetPdf(path, VehicleRecord(), PrintedAt));
        WriteFaults::FailFlush(1);
        QVERIFY(!WriteVehicleSheetPdf(path, VehicleRecord(), PrintedAt));
        QCOMPARE(dir.bytes("Automezzo.pdf"), before);
        QCOMPARE(QDir(dir.folder()).entryList(QDir::Files | QDir::Hidden), QStringList{"Automezzo.pdf"});
        QVERIFY(WriteVehicleSheetPdf(path, VehicleRecord(), PrintedAt));
        QVERIFY(dir.bytes("Automezzo.pdf") != before);

        // A viewer that has the PDF open while it is written again goes on
        // reading the old one whole: the new PDF takes its place only when done.
        const QByteArray shown = dir.bytes("Automezzo.pdf");
        QFile viewer(path);
        QVERIFY(viewer.open(QIODevice::ReadOnly));
        QVERIFY(WriteVehicleSheetPdf(path, fullCard(), PrintedAt));
        QCOMPARE(viewer.readAll(), shown);
        QVERIFY(dir.bytes("Automezzo.pdf") != shown);
    }

    void previewShowsThePageAndPrintsIt()
    {
        TempProgramFolder dir;
        ScriptedDialogs script;
        const ReportLayout layout = VehicleSheetLayout(fullCard(), PrintedAt);
        TfrmAnteprima preview(nullptr, layout.orientation(),
                              [&](QPainter &painter, QPrinter &) { layout.paint(painter); });
        preview.show();
        QVERIFY(QTest::qWaitForWindowExposed(&preview));
        QCOMPARE(preview.zoomPercent(), 100.0);
        auto *pages = control<QPrintPreviewWidget>(&preview, "prvPagine");
        QCOMPARE(pages->pageCount(), 1);
        QCOMPARE(pages->orientation(), QPageLayout::Portrait);

        control<QPushButton>(&preview, "cmdMiniature")->click();
        QCOMPARE(pages->viewMode(), QPrintPreviewWidget::AllPagesView);
        control<QPushButton>(&preview, "cmdMiniature")->click();
        QCOMPARE(pages->viewMode(), QPrintPreviewWidget::SinglePageView);
        control<QPushButton>(&preview, "cmdSchermoIntero")->click();
        QVERIFY(preview.windowState() & Qt::WindowFullScreen);
        control<QPushButton>(&preview, "cmdSchermoIntero")->click();
        QVERIFY(!(preview.windowState() & Qt::WindowFullScreen));
        auto *zoom = control<QToolButton>(&preview, "cmdZoom");
        zoom->menu()->actions().at(4)->trigger(); // 200 %
        QCOMPARE(preview.zoomPercent(), 200.0);

        const QString printed = dir.path("stampa.pdf");
        script.onPrint = [&](QPrinter *printer) {
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(printed);
            return true;
        };
        control<QPushButton>(&preview, "cmdStampa")->click();
        const QString text = pdfText(printed);
        QVERIFY2(text.contains("SCHEDA AUTOMEZZO"), qPrintable(text));
        QVERIFY(text.contains("Stampa eseguita in data 10/12/2026 alle ore 09:05:07"));
        control<QPushButton>(&preview, "cmdChiudi")->click();
        QVERIFY(!preview.isVisible());
    }

    // The editor's three commands: the sheet of what is on screen, saved or
    // not, dated at the click; the PDF question and the shell open.
    void editorPreviewPrintAndPdf()
    {
        FixedClock clock(PrintedAt);
        ProgramWindows program;
        QWidget *editor = program.showFleet();
        control<QLineEdit>(editor, "txtTarga")->setText("ZZ999ZZ");

        int pages = 0;
        program.script.onModal = [&](QDialog *dialog) {
            if (auto *preview = qobject_cast<TfrmAnteprima *>(dialog)) {
                preview->show();
                QVERIFY(QTest::qWaitForWindowExposed(preview));
                pages = control<QPrintPreviewWidget>(preview, "prvPagine")->pageCount();
            }
            dialog->reject();
        };
        control<QPushButton>(editor, "cmdAnteprima")->click();
        QCOMPARE(pages, 1);

        const QString printed = program.dir.path("stampa.pdf");
        program.script.onPrint = [&](QPrinter *printer) {
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(printed);
            return true;
        };
        control<QPushButton>(editor, "cmdStampa")->click();
        QVERIFY(pdfText(printed).contains("ZZ999ZZ"));
        QVERIFY(program.script.messages.isEmpty());

        const QString question = QString::fromUtf8(
            "L'esportazione della scheda in PDF è terminata con successo.\r\n\r\nSi vuole aprire il file?");
        program.script.answers = {QMessageBox::No};
        control<QPushButton>(editor, "cmdPDF")->click();
        QCOMPARE(program.script.lastMessage(), question);
        QVERIFY(program.script.shellOpens.isEmpty());
        QVERIFY(pdfText(program.dir.path("Automezzo.pdf")).contains("ZZ999ZZ"));

        // A second sheet replaces the first without a question of its own.
        control<QLineEdit>(editor, "txtTarga")->setText("AA111AA");
        control<QPushButton>(editor, "cmdPDF")->click();
        QCOMPARE(program.script.messages.size(), 2);
        QCOMPARE(program.script.shellOpens,
                 QStringList{program.dir.path("Automezzo.pdf")});
        const QString text = pdfText(program.dir.path("Automezzo.pdf"));
        QVERIFY(text.contains("AA111AA") && !text.contains("ZZ999ZZ"));

        // A folder that refuses the file: told, no question, the old file kept.
        const QByteArray before = program.dir.bytes("Automezzo.pdf");
        QFile::setPermissions(program.dir.folder(), QFileDevice::ReadOwner | QFileDevice::ExeOwner
                                                        | QFileDevice::ReadOther | QFileDevice::ExeOther);
        {
            AsOrdinaryUser user;
            control<QPushButton>(editor, "cmdPDF")->click();
        }
        QFile::setPermissions(program.dir.folder(), QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                        | QFileDevice::ExeOwner | QFileDevice::ReadOther
                                                        | QFileDevice::ExeOther);
        QCOMPARE(program.script.messages.size(), 3);
        QCOMPARE(program.script.messages.last().kind, MessageKind::Error);
        QVERIFY(program.script.lastMessage().startsWith("Attenzione: non è stato possibile creare il file Automezzo.pdf."));
        QCOMPARE(program.script.shellOpens.size(), 1);
        QCOMPARE(program.dir.bytes("Automezzo.pdf"), before);
    }
};

QTEST_MAIN(TestVehicleSheet)
#include "tst_vehiclesheet.moc"
