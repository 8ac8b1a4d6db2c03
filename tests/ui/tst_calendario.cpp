#include "gui/kit/Dialogs.h"
#include "gui/kit/Navigator.h"
#include "gui/Startup.h"
#include "gui/kit/TfrmCalendario.h"
#include "gui/register/TfrmRegistro.h"

#include "TestSupport.h"

#include <QApplication>
#include <QAbstractItemView>
#include <QCalendarWidget>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

class TestCalendario : public QObject
{
    Q_OBJECT

    std::unique_ptr<ProgramWindows> program;
    std::unique_ptr<FixedClock> clock;
    TfrmRegistro *editor = nullptr;

    QLineEdit *field(const char *name) const { return editor->findChild<QLineEdit *>(name); }

private slots:
    void initTestCase()
    {
        SetUpItalian(*qApp);
    }

    void init()
    {
        clock = std::make_unique<FixedClock>(QDateTime(QDate(2021, 3, 5), QTime(23, 59)));
        program = std::make_unique<ProgramWindows>();
        editor = program->showRegister("2021");
        QVERIFY(editor->isVisible());
    }

    void cleanup()
    {
        editor = nullptr;
        clock.reset();
        program.reset();
    }

    void opensOnTodayCentredOnTheEditor()
    {
        TfrmCalendario picker(editor, {});
        QCOMPARE(picker.windowTitle(), QStringLiteral(" Importazione data"));
        QCOMPARE(picker.findChild<QLabel *>("lblCampo001")->text(), QStringLiteral("Importare una data:"));
        QCOMPARE(picker.findChild<QPushButton *>("btnImportaData")->text(), QStringLiteral("Importa"));
        QCOMPARE(picker.findChild<QPushButton *>("btnAnnulla")->text(), QStringLiteral("Annulla"));
        auto *calendar = picker.findChild<QCalendarWidget *>("calAppuntamenti");
        QCOMPARE(calendar->selectedDate(), QDate(2021, 3, 5));
        QCOMPARE(calendar->firstDayOfWeek(), Qt::Monday);
        QCOMPARE(calendar->locale().language(), QLocale::Italian);
        QVERIFY(!(picker.windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint)));
        QCOMPARE(picker.minimumSize(), picker.maximumSize());

        picker.show();
        QVERIFY(QTest::qWaitForWindowExposed(&picker));
        const QPoint offset = picker.frameGeometry().center() - editor->frameGeometry().center();
        QVERIFY2(offset.manhattanLength() <= 2, qPrintable(QStringLiteral("%1,%2").arg(offset.x()).arg(offset.y())));
    }

    // The picker opened from a date field of the card hands the day back to
    // that field only.
    void importa_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QDate>("pick");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("exit");
        QTest::newRow("entry, calendar untouched") << "txtDataEnt" << QDate() << "btnImportaData" << "05/03/2021" << "";
        QTest::newRow("exit, day picked") << "txtDataUsc" << QDate(2021, 1, 9) << "btnImportaData" << "28/02/2021"
                                          << "09/01/2021";
        QTest::newRow("Annulla") << "txtDataUsc" << QDate(2021, 1, 9) << "btnAnnulla" << "28/02/2021" << "";
    }

    void importa()
    {
        QFETCH(QString, from);
        QFETCH(QDate, pick);
        QFETCH(QString, button);
        QFETCH(QString, entry);
        QFETCH(QString, exit);
        field("txtDataEnt")->setText("28/02/2021");
        field("txtDataUsc")->clear();
        bool closed = false;
        program->script.onModal = [&](QDialog *picker) {
            if (pick.isValid())
                picker->findChild<QCalendarWidget *>("calAppuntamenti")->setSelectedDate(pick);
            picker->show();
            QVERIFY(QTest::qWaitForWindowExposed(picker));
            QTest::mouseClick(picker->findChild<QPushButton *>(button), Qt::LeftButton);
            closed = !picker->isVisible();
        };
        field(qPrintable(from))->setFocus();
        QTest::keyClick(field(qPrintable(from)), Qt::Key_A);
        QVERIFY(closed);
        QCOMPARE(field("txtDataEnt")->text(), entry);
        QCOMPARE(field("txtDataUsc")->text(), exit);
        QCOMPARE(program->script.messages.size(), 0);
    }

    // Opened from the exit date as the operator does: a key on the field.
    void enterOrDoubleClickOnADayImportsIt_data()
    {
        QTest::addColumn<bool>("doubleClick");
        QTest::newRow("Enter") << false;
        QTest::newRow("double-click") << true;
    }
    void enterOrDoubleClickOnADayImportsIt()
    {
        QFETCH(bool, doubleClick);
        bool closed = false;
        program->script.onModal = [&](QDialog *dialog) {
            dialog->show();
            auto *calendar = dialog->findChild<QCalendarWidget *>("calAppuntamenti");
            calendar->setSelectedDate(QDate(2021, 2, 14));
            auto *view = calendar->findChild<QAbstractItemView *>();
            if (doubleClick) {
                const QModelIndex day = view->currentIndex();
                const QPoint at = view->visualRect(day).center();
                QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
            } else {
                view->setFocus();
                QTest::keyClick(view, Qt::Key_Return);
            }
            closed = !dialog->isVisible() && dialog->result() == QDialog::Accepted;
        };
        field("txtDataUsc")->setFocus();
        QTest::keyClick(field("txtDataUsc"), Qt::Key_A);
        QVERIFY(closed);
        QCOMPARE(field("txtDataUsc")->text(), QStringLiteral("14/02/2021"));
    }
};

QTEST_MAIN(TestCalendario)
#include "tst_calendario.moc"
