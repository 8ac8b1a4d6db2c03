#include "core/register/FlaggedPlates.h"
#include "core/register/VisitRecord.h"
#include "gui/register/TfrmRegistro.h"

#include "TestSupport.h"

#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTest>
#include <memory>

class TestTargheSegnalate : public QObject
{
    Q_OBJECT

    std::unique_ptr<FixedClock> clock;
    std::unique_ptr<ProgramWindows> program;
    TfrmRegistro *editor = nullptr;

    QStringList platesShown(QDialog *dialog)
    {
        auto *grid = control<QTableView>(dialog, "grdTarghe");
        QStringList plates;
        for (int row = 0; row < grid->model()->rowCount(); ++row)
            plates << grid->model()->index(row, 0).data().toString() + QLatin1Char('|') +
                    grid->model()->index(row, 1).data().toString() + QLatin1Char('|') +
                    grid->model()->index(row, 2).data().toString();
        return plates;
    }

private slots:
    void init()
    {
        clock = std::make_unique<FixedClock>(QDateTime(QDate(2021, 3, 5), QTime(7, 45)));
        program = std::make_unique<ProgramWindows>();
        editor = program->showRegister("2021");
        editor->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(editor));
    }
    void cleanup()
    {
        editor = nullptr;
        program.reset();
        clock.reset();
    }

    // Opened from the editor's button: the list of the shared file, a plate
    // added (with what another workstation added meanwhile), one removed.
    void windowAddsAndRemoves()
    {
        program->dir.write("Targhe_Segnalate.txt", "XY999\tFurto\t01/01/2021\r\n");
        bool opened = false;
        program->script.onModal = [&](QDialog *dialog) {
            opened = true;
            dialog->show();
            QVERIFY(QTest::qWaitForWindowExposed(dialog));
            QCOMPARE(dialog->windowTitle(), QStringLiteral(" Targhe segnalate"));
            QCOMPARE(QAccessible::queryAccessibleInterface(control(dialog, "txtTarga"))->text(QAccessible::Name),
                     QStringLiteral("Targa:"));
            QCOMPARE(platesShown(dialog), QStringList {"XY999|Furto|01/01/2021"});

            QTest::mouseClick(control(dialog, "btnAggiungi"), Qt::LeftButton);
            QCOMPARE(program->script.lastMessage(), QStringLiteral("Attenzione: immettere la targa da segnalare."));

            FlaggedPlates::Add({"ZZ111", "Altra postazione", "04/03/2021"});
            QTest::keyClicks(control(dialog, "txtTarga"), "ab12o");
            QTest::keyClicks(control(dialog, "txtMotivo"), "Accesso vietato");
            QTest::mouseClick(control(dialog, "btnAggiungi"), Qt::LeftButton);
            QCOMPARE(platesShown(dialog), (QStringList {"XY999|Furto|01/01/2021", "ZZ111|Altra postazione|04/03/2021",
                                                        "AB12O|Accesso vietato|05/03/2021"}));
            QCOMPARE(control<QLineEdit>(dialog, "txtTarga")->text(), QString());

            auto *grid = control<QTableView>(dialog, "grdTarghe");
            QTest::mouseClick(control(dialog, "btnRimuovi"), Qt::LeftButton);
            QCOMPARE(program->script.lastMessage(),
                     QStringLiteral("Attenzione: selezionare nell'elenco la targa da rimuovere."));
            grid->selectRow(0);
            program->script.answers << QMessageBox::Yes;
            QTest::mouseClick(control(dialog, "btnRimuovi"), Qt::LeftButton);
            QCOMPARE(program->script.lastMessage(),
                     QStringLiteral("Rimuovere la targa XY999 dall'elenco delle targhe segnalate?"));
            QCOMPARE(platesShown(dialog).size(), 2);
            dialog->reject();
        };
        QTest::mouseClick(control(editor, "btnTargheSegnalate"), Qt::LeftButton);
        QVERIFY(opened);
        QCOMPARE(program->dir.bytes("Targhe_Segnalate.txt"),
                 QByteArray("ZZ111\tAltra postazione\t04/03/2021\r\nAB12O\tAccesso vietato\t05/03/2021\r\n"));
    }

    // A flagged look-alike is told before the recall's question, and the
    // card is still saved.
    void flaggedPlateWarnsBeforeAnythingElse()
    {
        program->dir.write("Targhe_Segnalate.txt", "AB12O\tAccesso vietato\t01/03/2021\r\n");
        VisitRecord inside;
        inside.DataEnt = "04/03/2021";
        inside.OraEnt = "16:10";
        inside.Targa = "AB120";
        program->dir.write("2021.vis", inside.toBytes());
        program->script.answers << QMessageBox::Ok << QMessageBox::No;
        auto *plate = control<QLineEdit>(editor, "txtTarga");
        plate->setFocus();
        QTest::keyClicks(plate, "ab120");
        control(editor, "txtConduttore")->setFocus();
        QCOMPARE(program->script.messages.size(), 2);
        QCOMPARE(program->script.messages[0].kind, MessageKind::Warning);
        QCOMPARE(program->script.messages[0].text,
                 QStringLiteral("Attenzione: la targa AB120 è tra le targhe segnalate.\n\r\n\rMotivo: Accesso vietato"));
        QCOMPARE(program->script.messages[1].kind, MessageKind::Question);

        control<QLineEdit>(editor, "txtVeicolo")->setText("Fiat Panda");
        QTest::mouseClick(control(editor, "btnSalva"), Qt::LeftButton);
        QCOMPARE(program->script.lastMessage(), QStringLiteral("La scheda corrente è stata inserita in archivio."));
        QCOMPARE(program->dir.bytes("2021.vis").size(), 2 * 1366);
    }
};

QTEST_MAIN(TestTargheSegnalate)
#include "tst_targhesegnalate.moc"
