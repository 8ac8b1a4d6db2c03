#include "gui/register/TfrmRegistro.h"
#include "gui/register/TfrmTrovaVisite.h"
#include "gui/kit/CardList.h"
#include "core/register/VisitRecord.h"

#include "PrintedPdf.h"
#include "TestSupport.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>
#include <memory>

namespace {
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

QByteArray Archive()
{
    return Card("Iveco Daily", "AA111AA", "10/12/2026", {}).toBytes()        // 1
        + Card("Fiat Ducato", "BB222BB", "09/12/2026", "10/12/2026").toBytes() // 2
        + Card("Ford Transit", "CC333CC", "01/05/2026", "01/05/2026").toBytes() // 3
        + Card("Fiat Ducato", "BB222BB", "09/12/2026", "10/12/2026").toBytes(); // 4, the same line as 2
}
} // namespace

class TestTrovaVisite : public QObject
{
    Q_OBJECT

    std::unique_ptr<ProgramWindows> program;
    TfrmRegistro *editor = nullptr;

    // Opens the search from the editor, types the criteria (field -> text),
    // presses Cerca, then hands the window to act.
    void search(const QList<QPair<QString, QString>> &criteria, const std::function<void(QDialog *)> &act)
    {
        bool opened = false;
        program->script.onModal = [&](QDialog *dialog) {
            opened = true;
            dialog->show();
            QVERIFY(QTest::qWaitForWindowExposed(dialog));
            for (const auto &[field, text] : criteria)
                control<QLineEdit>(dialog, qPrintable("txt" + field))->setText(text);
            QTest::mouseClick(control(dialog, "btnCerca"), Qt::LeftButton);
            act(dialog);
            if (dialog->isVisible())
                dialog->reject();
        };
        QTest::mouseClick(control(editor, "btnTrova"), Qt::LeftButton);
        QVERIFY(opened);
    }

private slots:
    void init()
    {
        program = std::make_unique<ProgramWindows>();
        program->dir.write("2026.vis", Archive());
        editor = program->showRegister("2026");
    }
    void cleanup() { program.reset(); }

    void noCriterionListsEveryCard()
    {
        search({}, [](QDialog *dialog) {
            QVERIFY(control(dialog, "panContainer")->isVisible());
            QVERIFY(!control(dialog, "panAvvio")->isVisible());
            QCOMPARE(LinesOf(control<QListView>(dialog, "lstRecords")).size(), 4);
            QCOMPARE(control<QLabel>(dialog, "lblTrovate")->text(), QStringLiteral("Il presente riepilogo contiene 4 schede."));
            QCOMPARE(control<QLabel>(dialog, "lblConta")->text(), QStringLiteral("0"));
            QCOMPARE(QApplication::focusWidget(), control(dialog, "txtTrova"));
        });
    }

    void criteriaJoinedAndDoubleClickLoadsThatLinesCard()
    {
        search({{"Veicolo", "FIAT"}, {"DataUsc", "12/2026"}, {"Note", "  "}}, [](QDialog *dialog) {
            auto *list = control<QListView>(dialog, "lstRecords");
            const QStringList lines = LinesOf(list);
            QCOMPARE(lines.size(), 2);
            QCOMPARE(lines.at(0), lines.at(1));
            QVERIFY(lines.at(0).startsWith("Fiat Ducato                   Targa: BB222BB       Entrata: 09/12/2026"));
            QCOMPARE(control<QLabel>(dialog, "lblConta")->text(), QStringLiteral("2"));
            const QPoint at = list->visualRect(list->model()->index(1, 0)).center();
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
            QVERIFY(!dialog->isVisible());
        });
        QCOMPARE(control<QLabel>(editor, "lblPosizione")->text(), QStringLiteral("4"));
        QCOMPARE(control<QLineEdit>(editor, "txtVeicolo")->text(), QStringLiteral("Fiat Ducato"));
    }

    void nothingFoundShowsAnEmptyListAndPrintsItsTitle()
    {
        PrintedPdf pdf(program->script, program->dir.path("ricerca.pdf"));
        search({{"Targa", "ZZ"}}, [](QDialog *dialog) {
            QVERIFY(control(dialog, "panContainer")->isVisible());
            QCOMPARE(control<QLabel>(dialog, "lblTrovate")->text(), QStringLiteral("Il presente riepilogo contiene 0 schede."));
            QTest::mouseClick(control(dialog, "btnStampa"), Qt::LeftButton);
        });
        QVERIFY(pdf.text().contains("Riepilogo ingressi e uscite veicoli"));
    }

    void unreadableArchiveKeepsTheCriteria()
    {
        QFile::remove(program->dir.path("2026.vis"));
        QDir(program->dir.folder()).mkdir("2026.vis");
        search({{"Targa", "AA"}}, [](QDialog *dialog) {
            QVERIFY(control(dialog, "panAvvio")->isVisible());
            QVERIFY(control(dialog, "lblAttendere")->isVisible());
            QCOMPARE(control<QLineEdit>(dialog, "txtTarga")->text(), QStringLiteral("AA"));
        });
        QCOMPARE(program->script.messages.size(), 1);
        QCOMPARE(program->script.messages.last().kind, MessageKind::Plain);
        QCOMPARE(program->script.lastMessage(), ArchiveErrorText);
    }

    void enterMovesThroughTheCriteriaWithTheirHighlight()
    {
        TfrmTrovaVisite window(editor, program->dir.path("2026.vis"), {});
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(QApplication::focusWidget(), control(&window, "txtDataEnt"));
        // The progress of a long search shows on the criteria panel, the one on screen meanwhile.
        QCOMPARE(control(&window, "prgAvanzamento")->parentWidget(), control(&window, "panAvvio"));
        QStringList visited;
        for (int i = 0; i < 10; ++i) {
            QWidget *focused = QApplication::focusWidget();
            QVERIFY(control(&window, qPrintable("eff" + focused->objectName().mid(3)))->isVisible());
            visited << focused->objectName();
            QTest::keyClick(focused, Qt::Key_Return);
        }
        QCOMPARE(visited, (QStringList{"txtDataEnt", "txtDataUsc", "txtVeicolo", "txtTarga", "txtConduttore",
                                       "txtFoglio", "txtPersone", "txtMerce", "txtLuogo", "txtNote"}));
        QCOMPARE(QApplication::focusWidget(), control(&window, "txtDataEnt"));
    }

    // The search reads the archive it is given and hands the card of the
    // double-clicked line to its opener's callback alone: no window is
    // written into.
    void pickHandsTheCardToTheCallback()
    {
        program->dir.write("2025.vis", Card("Ford Transit", "CC333CC", "01/05/2025", {}).toBytes()
                                           + Card("Iveco Daily", "AA111AA", "02/05/2025", {}).toBytes());
        QList<int> chosen;
        TfrmTrovaVisite window(editor, program->dir.path("2025.vis"), [&](int card) { chosen << card; });
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::mouseClick(control(&window, "btnCerca"), Qt::LeftButton);
        auto *list = control<QListView>(&window, "lstRecords");
        QCOMPARE(LinesOf(list).size(), 2);
        DoubleClickLine(list, 1);
        QVERIFY(!window.isVisible());
        QCOMPARE(chosen, QList<int>{2});
        QCOMPARE(control<QLabel>(editor, "lblPosizione")->text(), QString());
    }
};

QTEST_MAIN(TestTrovaVisite)
#include "tst_trovavisite.moc"
