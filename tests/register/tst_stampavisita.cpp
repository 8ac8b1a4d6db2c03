#include "gui/register/TfrmRegistro.h"
#include "gui/register/TfrmStampaVisita.h"
#include "gui/kit/Report.h"

#include "PrintedPdf.h"
#include "TestSupport.h"

#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

class TestStampaVisita : public QObject
{
    Q_OBJECT

    std::unique_ptr<ProgramWindows> program;
    std::unique_ptr<FixedClock> clock;
    TfrmRegistro *editor = nullptr;

    void set(const char *name, const QString &text) { control<QLineEdit>(editor, name)->setText(text); }

    // Opens the print window from the editor and presses one of its buttons.
    void press(const char *button)
    {
        bool opened = false;
        program->script.onModal = [&](QDialog *dialog) {
            opened = true;
            QCOMPARE(dialog->objectName(), QStringLiteral("TfrmStampaVisita"));
            QCOMPARE(dialog->windowTitle(), QStringLiteral(" Stampa scheda"));
            dialog->show();
            QTest::mouseClick(control(dialog, button), Qt::LeftButton);
            QVERIFY(!dialog->isVisible());
        };
        QTest::mouseClick(control(editor, "btnStampa"), Qt::LeftButton);
        QVERIFY(opened);
    }

private slots:
    void init()
    {
        program = std::make_unique<ProgramWindows>();
        clock = std::make_unique<FixedClock>(QDateTime(QDate(2026, 12, 10), QTime(9, 30, 15)));
        editor = program->showRegister("2026");
    }
    void cleanup()
    {
        clock.reset();
        program.reset();
    }

    // A card not saved yet, exit still empty: two copies of what the editor shows.
    void printsTwoCopiesOfTheCardOnScreen()
    {
        set("txtOperatoreEnt", "  Guardia Uno ");
        set("txtVeicolo", "Iveco Daily");
        set("txtTarga", "AB123CD");
        set("txtConduttore", "Mario Rossi");
        set("txtTessere", "[T12] e [T13]");
        set("txtNote", "Inizio nota " + QString(180, 'x') + " FINE");
        PrintedPdf pdf(program->script, program->dir.path("scheda.pdf"));
        press("btnStampa");
        QCOMPARE(pdf.count(), 1);
        QCOMPARE(pdf.info("Pages"), QStringLiteral("1"));
        QVERIFY(pdf.info("Page size").startsWith("595 x 842")); // A4 portrait
        const QString text = pdf.text();
        QCOMPARE(text.count("SCHEDA RIEPILOGATIVA INGRESSO E USCITA VEICOLO"), 2);
        QVERIFY(text.indexOf("COPIA PER CONDUCENTE") < text.indexOf("COPIA PER AZIENDA"));
        for (const char *piece : {"Data ingresso: 10/12/2026", "Ora ingresso: 09:30", "Registrato da: Guardia Uno",
                                  "Marca e modello veicolo: Iveco Daily", "Targa: AB123CD", "Tessere: [T12] e [T13]",
                                  "Note: Inizio nota xxx"})
            QCOMPARE(text.simplified().count(piece), 2);
        QCOMPARE(text.count("Data uscita:"), 2);
        QVERIFY(!text.contains("FINE")); // cut at the edge of its box, not wrapped
        QVERIFY(text.contains("Stampa eseguita in data 10/12/2026 alle ore 09:30:15"));
        QCOMPARE(control<QLabel>(editor, "lblPosizione")->text(), QString()); // nothing saved
    }

    void cancelledOrAnnullaPrintsNothingAndCloses()
    {
        PrintedPdf pdf(program->script, program->dir.path("scheda.pdf"));
        press("btnAnnulla");
        QCOMPARE(pdf.count(), 0);
        program->script.onPrint = [](QPrinter *) { return false; }; // the print dialog cancelled
        press("btnStampa");
        QVERIFY(!QFile::exists(program->dir.path("scheda.pdf")));
    }

    void layoutNamesEveryMemoOfBothCopies()
    {
        ReportLayout layout = VisitCardLayout();
        QCOMPARE(layout.orientation(), QPageLayout::Portrait);
        for (const char *name : {"titArcataSup", "txtDataEnt_A", "txtOperatoreUsc_A", "txtDataEnt_B", "txtOperatoreUsc_B",
                                 "txtCalce"})
            QVERIFY2(layout.setText(name, "x"), name);
        QCOMPARE(layout.text("txtCalce"), QStringLiteral("x"));
    }
};

QTEST_MAIN(TestStampaVisita)
#include "tst_stampavisita.moc"
