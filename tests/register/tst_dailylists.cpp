#include "gui/register/TfrmRegistro.h"
#include "core/register/VisitRecord.h"
#include "gui/kit/CardList.h"
#include "core/settings/Settings.h"

#include "PrintedPdf.h"
#include "TestSupport.h"

#include <QApplication>
#include <QColor>
#include <QFont>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>
#include <memory>

namespace {
const QString Today = QStringLiteral("10/12/2026");

VisitRecord Card(const QString &vehicle, const QString &plate, const QString &in, const QString &out)
{
    VisitRecord c;
    c.DataEnt = in;
    c.OraEnt = QStringLiteral("08:15");
    c.Veicolo = vehicle;
    c.Targa = plate;
    c.Conduttore = QStringLiteral("Mario Rossi");
    c.DataUsc = out;
    c.OraUsc = out.isEmpty() ? QString() : QStringLiteral("17:40");
    return c;
}

QByteArray DayArchive()
{
    return Card("Iveco Daily", "AA111AA", Today, {}).toBytes()             // 1
        + Card("Fiat Ducato", "BB222BB", "09/12/2026", Today).toBytes()   // 2
        + Card("Ford Transit", "CC333CC", Today, Today).toBytes()         // 3
        + Card("Fiat Ducato", "BB222BB", "09/12/2026", Today).toBytes();  // 4, the same line as 2
}
} // namespace

class TestDailyLists : public QObject
{
    Q_OBJECT

    std::unique_ptr<ProgramWindows> program;
    std::unique_ptr<FixedClock> clock;
    TfrmRegistro *editor = nullptr;

    // Opens a list from the editor's button and hands the shown list to act.
    void openList(const char *button, const std::function<void(QDialog *)> &act)
    {
        bool opened = false;
        program->script.onModal = [&](QDialog *dialog) {
            opened = true;
            dialog->show();
            QVERIFY(QTest::qWaitForWindowExposed(dialog));
            act(dialog);
            if (dialog->isVisible())
                dialog->reject();
        };
        QTest::mouseClick(control(editor, button), Qt::LeftButton);
        QVERIFY(opened);
    }

private slots:
    void init()
    {
        program = std::make_unique<ProgramWindows>();
        clock = std::make_unique<FixedClock>(QDateTime(QDate(2026, 12, 10), QTime(9, 30)));
        program->dir.write("2026.vis", DayArchive());
        editor = program->showRegister("2026");
    }
    void cleanup()
    {
        clock.reset();
        program.reset();
    }

    void eachListShowsItsCardsSorted_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QStringList>("starts");
        QTest::newRow("entered today") << "btnEntratiOggi" << "TfrmEntratiOggi" << " Veicoli entrati oggi"
                                       << QStringList{"Ford Transit", "Iveco Daily"};
        QTest::newRow("left today") << "btnUscitiOggi" << "TfrmUscitiOggi" << " Veicoli usciti oggi"
                                    << QStringList{"Fiat Ducato", "Fiat Ducato", "Ford Transit"};
        QTest::newRow("not yet left") << "btnNonUsciti" << "TfrmNonUsciti" << " Veicoli non ancora usciti"
                                      << QStringList{"Iveco Daily"};
    }
    void eachListShowsItsCardsSorted()
    {
        QFETCH(QString, button);
        QFETCH(QString, window);
        QFETCH(QString, caption);
        QFETCH(QStringList, starts);
        openList(qPrintable(button), [&](QDialog *dialog) {
            QCOMPARE(dialog->objectName(), window);
            QCOMPARE(dialog->windowTitle(), caption);
            auto *list = control<QListView>(dialog, "lstRecords");
            const QStringList lines = LinesOf(list);
            QCOMPARE(lines.size(), starts.size());
            for (int i = 0; i < lines.size(); ++i)
                QVERIFY2(lines.at(i).startsWith(starts.at(i)), qPrintable(lines.at(i)));
            QCOMPARE(QApplication::focusWidget(), control(dialog, "txtTrova"));
        });
    }

    // Two transits of the same vehicle read the same: each line opens its own card.
    void doubleClickLoadsExactlyTheCardOfTheLine_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("card");
        QTest::newRow("first of two equal lines") << 0 << "2";
        QTest::newRow("second of two equal lines") << 1 << "4";
        QTest::newRow("another line") << 2 << "3";
    }
    void doubleClickLoadsExactlyTheCardOfTheLine()
    {
        QFETCH(int, row);
        QFETCH(QString, card);
        openList("btnUscitiOggi", [&](QDialog *dialog) {
            DoubleClickLine(control<QListView>(dialog, "lstRecords"), row);
            QVERIFY(!dialog->isVisible());
            QCOMPARE(dialog->result(), int(QDialog::Accepted));
        });
        QCOMPARE(control<QLabel>(editor, "lblPosizione")->text(), card);
        QCOMPARE(control<QLineEdit>(editor, "txtTarga")->text(), QString(card == "3" ? "CC333CC" : "BB222BB"));
        QCOMPARE(control<QLineEdit>(editor, "txtDataUsc")->text(), Today);
    }

    // The gate's round: the vehicle still inside is brought back, its exit
    // added and saved in place; it is no longer listed as inside.
    // Each vehicle inside with its time inside; one since yesterday is over
    // the limit of the settings (8 hours unless set), marked and drawn in
    // crimson bold; with the limit off nothing is over it.
    void vehiclesInsideShowTheirTimeAgainstTheLimit()
    {
        program->dir.write("2026.vis", DayArchive() + Card("Lancia Ypsilon", "DD444DD", "09/12/2026", {}).toBytes());
        openList("btnNonUsciti", [&](QDialog *dialog) {
            QCOMPARE(control<QLabel>(dialog, "lblRiepilogo")->text(),
                     QStringLiteral("2 veicoli all'interno, 1 oltre il limite di 8 ore."));
            auto *list = control<QListView>(dialog, "lstRecords");
            const QStringList lines = LinesOf(list);
            QCOMPARE(lines.size(), 2);
            QVERIFY2(lines[0].startsWith("Iveco Daily") && lines[0].endsWith("  Dentro da: 1 h 15 min"),
                     qPrintable(lines[0]));
            QVERIFY2(lines[1].endsWith("  Dentro da: 1 g 1 h  OLTRE IL LIMITE"), qPrintable(lines[1]));
            const QModelIndex over = list->model()->index(1, 0);
            QCOMPARE(over.data(Qt::ForegroundRole).value<QColor>(), QColor("crimson"));
            QVERIFY(over.data(Qt::FontRole).value<QFont>().bold());
            QVERIFY(!list->model()->index(0, 0).data(Qt::ForegroundRole).isValid());
        });
        Settings::Store({{QString::fromLatin1(Settings::MaxHoursInside), 0}});
        openList("btnNonUsciti", [&](QDialog *dialog) {
            QCOMPARE(control<QLabel>(dialog, "lblRiepilogo")->text(), QStringLiteral("2 veicoli all'interno."));
            QVERIFY(!LinesOf(control<QListView>(dialog, "lstRecords")).join("").contains("OLTRE"));
        });
        // The other lists have no summary.
        openList("btnEntratiOggi", [&](QDialog *dialog) { QVERIFY(!control(dialog, "lblRiepilogo")->isVisible()); });
    }

    void cardCompletedFromTheListIsRewrittenInPlace()
    {
        openList("btnNonUsciti", [&](QDialog *dialog) { DoubleClickLine(control<QListView>(dialog, "lstRecords"), 0); });
        QCOMPARE(control<QLabel>(editor, "lblPosizione")->text(), QStringLiteral("1"));
        control<QLineEdit>(editor, "txtDataUsc")->setText(Today);
        control<QLineEdit>(editor, "txtOraUsc")->setText("11:00");
        QTest::mouseClick(control(editor, "btnSalva"), Qt::LeftButton);
        QCOMPARE(program->dir.bytes("2026.vis").size(), 4 * VisitRecord::Size);
        QCOMPARE(VisitRecord::fromBytes(program->dir.bytes("2026.vis").left(VisitRecord::Size)).DataUsc, Today);
        openList("btnNonUsciti", [&](QDialog *dialog) {
            QCOMPARE(LinesOf(control<QListView>(dialog, "lstRecords")), QStringList());
        });
    }

    void findStepsThroughTheLinesAndEnterLeadsToTrova()
    {
        openList("btnUscitiOggi", [&](QDialog *dialog) {
            auto *list = control<QListView>(dialog, "lstRecords");
            auto *find = control<QLineEdit>(dialog, "txtTrova");
            find->setFocus();
            QTest::keyClicks(find, "bb222");
            QTest::keyClick(find, Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget(), control(dialog, "btnTrova"));
            QCOMPARE(find->text(), QStringLiteral("bb222"));
            QList<int> rows;
            for (int i = 0; i < 3; ++i) {
                QTest::mouseClick(control(dialog, "btnTrova"), Qt::LeftButton);
                rows << list->currentIndex().row();
            }
            QCOMPARE(rows, (QList<int>{0, 1, 0}));
            find->setText("nessuno");
            QTest::mouseClick(control(dialog, "btnTrova"), Qt::LeftButton);
            QCOMPARE(list->currentIndex().row(), 0);
        });
        QCOMPARE(program->script.messages.size(), 0);
    }

    void emptyListFindsNothingAndPrintsTitleAndFooter()
    {
        program->dir.write("2026.vis", Card("Fiat Panda", "ZZ999ZZ", "01/01/2026", "01/01/2026").toBytes());
        PrintedPdf pdf(program->script, program->dir.path("lista.pdf"));
        openList("btnEntratiOggi", [&](QDialog *dialog) {
            QCOMPARE(LinesOf(control<QListView>(dialog, "lstRecords")), QStringList());
            QTest::mouseClick(control(dialog, "btnTrova"), Qt::LeftButton);
            QCOMPARE(program->script.lastMessage(),
                     QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce."));
            QCOMPARE(program->script.messages.last().kind, MessageKind::Plain);
            QTest::mouseClick(control(dialog, "btnStampa"), Qt::LeftButton);
            QVERIFY(dialog->isVisible()); // printing leaves the list open
        });
        const QString text = pdf.text();
        QVERIFY(text.contains("Veicoli entrati in data 10/12/2026"));
        QVERIFY(text.contains("Stampa eseguita in data 10/12/2026"));
        QVERIFY(!text.contains("Fiat Panda"));
    }

    void longListPrintsOnAsManyPagesAsItNeeds()
    {
        QByteArray archive;
        for (int i = 0; i < 120; ++i)
            archive += Card(QStringLiteral("Veicolo %1").arg(i, 3, 10, QLatin1Char('0')), "AB123CD", "01/12/2026", {})
                           .toBytes();
        program->dir.write("2026.vis", archive);
        PrintedPdf pdf(program->script, program->dir.path("lista.pdf"));
        openList("btnNonUsciti", [&](QDialog *dialog) {
            QTest::mouseClick(control(dialog, "btnStampa"), Qt::LeftButton);
        });
        QCOMPARE(pdf.count(), 1);
        QVERIFY(pdf.info("Pages").toInt() >= 3);
        QVERIFY2(pdf.info("Page size").startsWith("842 x 595"), qPrintable(pdf.info("Page size"))); // A4 landscape
        const QString text = pdf.text();
        QCOMPARE(text.count("Veicoli non ancora usciti"), 1); // the title on the first page only
        QCOMPARE(text.count("Stampa eseguita in data"), 1);
        for (const char *line : {"Veicolo 000", "Veicolo 059", "Veicolo 119"})
            QVERIFY2(text.contains(line), line);
        QVERIFY(text.indexOf("Veicolo 119") < text.indexOf("Stampa eseguita"));
        QVERIFY(text.simplified().contains("Veicolo 007 Targa: AB123CD Entrata: 01/12/2026 Ora: 08:15"));
        QVERIFY2(text.simplified().contains("Tel. Dentro da: 9 g 1 h OLTRE IL LIMITE"), qPrintable(text.left(3000)));
    }

    void unreadableArchiveIsTold()
    {
        QFile::remove(program->dir.path("2026.vis"));
        QDir(program->dir.folder()).mkdir("2026.vis");
        openList("btnNonUsciti", [&](QDialog *dialog) {
            QCOMPARE(LinesOf(control<QListView>(dialog, "lstRecords")), QStringList());
        });
        QCOMPARE(program->script.lastMessage(), ListReadFailedText);
    }

    void missingArchiveIsCreatedEmpty()
    {
        QFile::remove(program->dir.path("2026.vis"));
        openList("btnNonUsciti", [&](QDialog *dialog) {
            QCOMPARE(LinesOf(control<QListView>(dialog, "lstRecords")), QStringList());
        });
        QVERIFY(QFile::exists(program->dir.path("2026.vis")));
        QCOMPARE(program->script.messages.size(), 0);
    }
};

QTEST_MAIN(TestDailyLists)
#include "tst_dailylists.moc"
