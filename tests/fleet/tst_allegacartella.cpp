// The attachments window opened from the vehicle card editor: the three
// slots, copying into the attachments folder, the overwrite question,
// opening and emptying a slot, and handing the slots back to the card.
#include "gui/Startup.h"
#include "gui/fleet/TfrmAllegaCartella.h"
#include "gui/fleet/TfrmFlotta.h"
#include "core/fleet/FleetArchive.h"
#include "core/fleet/VehicleRecord.h"
#include "gui/kit/Dialogs.h"
#include "core/storage/FileWrites.h"

#include "TestSupport.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <memory>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {
const QString Overwrite = QStringLiteral(
    "Attenzione: nella cartella dei documenti allegati è presente un file con lo stesso nome.\r\n\r\nSi vuole "
    "sovrascrivere il file esistente?");
const QString CopyFailed = QStringLiteral(
    "Attenzione: il sistema non permette di allegare il file.\n\r\n\rAccertarsi che il file sia leggibile, di "
    "possedere i privilegi di scrittura nella cartella dei documenti allegati e che un file con lo stesso nome non "
    "sia già aperto.");
} // namespace

class TestAllegaCartella : public QObject
{
    Q_OBJECT

    std::unique_ptr<ProgramWindows> program;
    TfrmFlotta *editor = nullptr;
    QTemporaryDir docs; // the user's own documents, outside the program folder

    // A stored vehicle with these slots, loaded into the editor.
    void loadCardWithSlots(const VehicleAttachments &given)
    {
        VehicleRecord card;
        card.Veicolo = card.Marca = card.Modello = card.Targa = QStringLiteral("X");
        card.File01 = given.files[0];
        card.File02 = given.files[1];
        card.File03 = given.files[2];
        card.Desc01 = given.descriptions[0];
        card.Desc02 = given.descriptions[1];
        card.Desc03 = given.descriptions[2];
        QVERIFY(editor->LoadCard(FleetArchive::AppendCard(card)));
    }
    const VehicleAttachments &cardSlots() const { return editor->Attachments(); }
    static QLineEdit *edit(QDialog *d, const QString &name) { return d->findChild<QLineEdit *>(name); }
    static QPushButton *button(QDialog *d, const QString &name) { return d->findChild<QPushButton *>(name); }
    static void click(QDialog *d, const QString &name)
    {
        QWidget *c = d->findChild<QWidget *>(name);
        QVERIFY2(c, qPrintable(name));
        QTest::mouseClick(c, Qt::LeftButton);
    }
    QString attached(const QString &name) const { return program->dir.path("Documenti_Allegati/" + name); }
    QString userFile(const QString &name, const QByteArray &bytes) const
    {
        QFile f(docs.filePath(name));
        if (f.open(QIODevice::WriteOnly))
            f.write(bytes);
        return f.fileName();
    }
    static QByteArray bytesOf(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
    }
    // Opens the window from the editor's command and acts on it as a user.
    void withDialog(const std::function<void(QDialog *)> &act)
    {
        bool opened = false;
        program->script.onModal = [&](QDialog *dialog) {
            opened = true;
            dialog->show();
            act(dialog);
            if (dialog->isVisible())
                dialog->reject();
        };
        QTest::mouseClick(editor->findChild<QWidget *>("cmdAllega"), Qt::LeftButton);
        QVERIFY(opened);
    }

private slots:
    void initTestCase() { SetUpItalian(*qApp); }

    void init()
    {
        program = std::make_unique<ProgramWindows>();
        editor = program->showFleet();
    }

    void cleanup()
    {
        editor = nullptr;
        program.reset();
    }

    void opensOnTheCardsSlots()
    {
        loadCardWithSlots({{"", "polizza.pdf", ""}, {"", "Polizza RCA", "solo descrizione"}});
        withDialog([&](QDialog *d) {
            QCOMPARE(d->windowTitle(), QStringLiteral(" Allega file"));
            QCOMPARE(edit(d, "txtFile01")->text(), QString());
            QCOMPARE(edit(d, "txtFile02")->text(), QStringLiteral("polizza.pdf"));
            QCOMPARE(edit(d, "txtDesc02")->text(), QStringLiteral("Polizza RCA"));
            QCOMPARE(edit(d, "txtDesc03")->text(), QStringLiteral("solo descrizione"));
            QVERIFY(edit(d, "txtFile01")->isReadOnly());
            QVERIFY(!button(d, "btnApri01")->isEnabled());
            QVERIFY(button(d, "btnApri02")->isEnabled());
            QVERIFY(!button(d, "btnApri03")->isEnabled());

            QVERIFY(QDir().mkpath(program->dir.path("Documenti_Allegati")));
            program->dir.write("Documenti_Allegati/polizza.pdf", "PDF");
            click(d, "btnApri02");
            QCOMPARE(program->script.shellOpens, QStringList{attached("polizza.pdf")});

            // The delete image empties the name only; the description stays.
            click(d, "imgCancella02");
            QCOMPARE(edit(d, "txtFile02")->text(), QString());
            QCOMPARE(edit(d, "txtDesc02")->text(), QStringLiteral("Polizza RCA"));
            QVERIFY(!button(d, "btnApri02")->isEnabled());
        });
        // Closed without confirming: the card keeps its slots.
        QCOMPARE(cardSlots().files[1], QStringLiteral("polizza.pdf"));
    }

    // Sfoglia copies the document at once (creating the folder); Applica
    // hands the slots back and the next Save stores them.
    void browseCopiesAndApplyReachesTheCard()
    {
        const QString source = userFile("libretto.pdf", "PDF libretto");
        program->script.openFiles = {source};
        withDialog([&](QDialog *d) {
            click(d, "btnSfoglia01");
            QCOMPARE(edit(d, "txtFile01")->text(), QStringLiteral("libretto.pdf"));
            QVERIFY(button(d, "btnApri01")->isEnabled());
            QCOMPARE(bytesOf(attached("libretto.pdf")), QByteArray("PDF libretto"));
            edit(d, "txtDesc01")->setText("  Libretto di circolazione ");
            click(d, "btnApplica");
            QVERIFY(!d->isVisible());
        });
        QVERIFY(program->script.messages.isEmpty());
        QCOMPARE(cardSlots().files[0], QStringLiteral("libretto.pdf"));
        QCOMPARE(cardSlots().descriptions[0], QStringLiteral("Libretto di circolazione"));
        QCOMPARE(bytesOf(source), QByteArray("PDF libretto"));
    }

    void annulAfterBrowseKeepsTheCopyOnly()
    {
        program->script.openFiles = {userFile("foto.jpg", "JPEG")};
        withDialog([&](QDialog *d) {
            click(d, "btnSfoglia03");
            click(d, "btnAnnulla");
        });
        QCOMPARE(cardSlots().files[2], QString());
        QCOMPARE(bytesOf(attached("foto.jpg")), QByteArray("JPEG"));
    }

    void cancelledFileDialogChangesNothing()
    {
        loadCardWithSlots({{"libretto.pdf", "", ""}, {}});
        withDialog([&](QDialog *d) {
            click(d, "btnSfoglia01"); // no file scripted: cancelled
            QCOMPARE(edit(d, "txtFile01")->text(), QStringLiteral("libretto.pdf"));
        });
        QVERIFY(program->script.messages.isEmpty());
        QVERIFY(!QFile::exists(program->dir.path("Documenti_Allegati")));
    }

    void sameNameAsksBeforeReplacing_data()
    {
        QTest::addColumn<bool>("replace");
        QTest::newRow("No keeps the copy there") << false;
        QTest::newRow("Yes replaces it") << true;
    }

    void sameNameAsksBeforeReplacing()
    {
        QFETCH(bool, replace);
        QVERIFY(QDir().mkpath(program->dir.path("Documenti_Allegati")));
        program->dir.write("Documenti_Allegati/polizza.pdf", "vecchia");
        program->script.openFiles = {userFile("polizza.pdf", "nuova")};
        program->script.answers = {replace ? QMessageBox::Yes : QMessageBox::No};
        withDialog([&](QDialog *d) {
            click(d, "btnSfoglia02");
            QCOMPARE(edit(d, "txtFile02")->text(), QStringLiteral("polizza.pdf"));
        });
        QCOMPARE(program->script.messages.size(), 1);
        QCOMPARE(program->script.messages[0].kind, MessageKind::Question);
        QCOMPARE(program->script.messages[0].text, Overwrite);
        QCOMPARE(bytesOf(attached("polizza.pdf")), replace ? QByteArray("nuova") : QByteArray("vecchia"));
    }

    // A document chosen in the attachments folder itself is not copied onto
    // itself (which would destroy it) and nothing is asked.
    void choosingTheAttachedCopyOnlyNamesIt()
    {
        QVERIFY(QDir().mkpath(program->dir.path("Documenti_Allegati")));
        program->dir.write("Documenti_Allegati/polizza.pdf", "contenuto");
        program->script.openFiles = {attached("polizza.pdf")};
        withDialog([&](QDialog *d) {
            click(d, "btnSfoglia01");
            QCOMPARE(edit(d, "txtFile01")->text(), QStringLiteral("polizza.pdf"));
        });
        QVERIFY(program->script.messages.isEmpty());
        QCOMPARE(bytesOf(attached("polizza.pdf")), QByteArray("contenuto"));
    }

    // A copy that fails is told, and the slot keeps the name it had; an
    // attached document of the same name stays whole.
    void failedCopyIsToldAndTheSlotKeepsItsName_data()
    {
        QTest::addColumn<QString>("failure");
        QTest::newRow("folder not creatable") << "folder";
        QTest::newRow("source unreadable") << "source";
        QTest::newRow("source vanished") << "missing";
        QTest::newRow("destination not writable") << "destination";
    }

    void failedCopyIsToldAndTheSlotKeepsItsName()
    {
        QFETCH(QString, failure);
        QString source = userFile("polizza.pdf", "nuova");
        if (failure == "folder") {
            program->dir.write("Documenti_Allegati", "a file in the way");
        } else if (failure == "source") {
            QVERIFY(QFile::setPermissions(source, QFileDevice::WriteOwner));
        } else if (failure == "missing") {
            source = docs.filePath("sparito.pdf");
        } else {
            QVERIFY(QDir().mkpath(program->dir.path("Documenti_Allegati")));
            program->dir.write("Documenti_Allegati/polizza.pdf", "vecchia");
            QVERIFY(QFile::setPermissions(program->dir.path("Documenti_Allegati"),
                                          QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        }
        loadCardWithSlots({{"libretto.pdf", "", ""}, {}});
        program->script.openFiles = {source};
        {
            AsOrdinaryUser user;
            withDialog([&](QDialog *d) {
                click(d, "btnSfoglia01");
                QCOMPARE(edit(d, "txtFile01")->text(), QStringLiteral("libretto.pdf"));
            });
        }
        QCOMPARE(program->script.messages.last().kind, MessageKind::Error);
        QCOMPARE(program->script.lastMessage(), CopyFailed);
        if (failure == "destination") {
            QCOMPARE(bytesOf(attached("polizza.pdf")), QByteArray("vecchia"));
            QFile::setPermissions(program->dir.path("Documenti_Allegati"),
                                  QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        }
    }

    // A name the card's field cannot hold exactly (letters outside its code
    // page, more characters than it holds) is never stored cut or with "?":
    // the document is copied under a name it holds, the user is told, and the
    // saved card names exactly the file in the folder. A name of its own
    // never replaces another document.
    void nameTheCardCannotHold_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("held");
        QTest::addColumn<QString>("taken"); // a document already in the folder
        QTest::newRow("Cyrillic") << "документ.pdf" << "dokument.pdf" << QString();
        QTest::newRow("Cyrillic, name taken") << "документ.pdf" << "dokument_2.pdf" << "dokument.pdf";
        QTest::newRow("CJK") << "日本語.txt" << "allegato.txt" << QString();
        QTest::newRow("255 characters") << QString(251, 'n') + ".txt" << QString(246, 'n') + ".txt" << QString();
    }

    void nameTheCardCannotHold()
    {
        QFETCH(QString, file);
        QFETCH(QString, held);
        QFETCH(QString, taken);
        if (!taken.isEmpty()) {
            QVERIFY(QDir().mkpath(program->dir.path("Documenti_Allegati")));
            program->dir.write("Documenti_Allegati/" + taken, "another document");
        }
        program->script.openFiles = {userFile(file, "the document")};
        withDialog([&](QDialog *d) {
            click(d, "btnSfoglia01");
            QCOMPARE(edit(d, "txtFile01")->text(), held);
            click(d, "btnApplica");
        });
        QCOMPARE(program->script.messages.size(), 1);
        QCOMPARE(program->script.messages[0].kind, MessageKind::Information);
        QCOMPARE(program->script.messages[0].text,
                 QStringLiteral("Il nome del file \"%1\" contiene caratteri che la scheda non può conservare o supera "
                                "i 250 caratteri.\r\n\r\nIl documento è stato allegato con il nome \"%2\".")
                     .arg(file, held));
        QCOMPARE(bytesOf(attached(held)), QByteArray("the document"));
        if (!taken.isEmpty())
            QCOMPARE(bytesOf(attached(taken)), QByteArray("another document"));

        editor->findChild<QComboBox *>("txtVeicolo")->setEditText("Autovettura");
        for (const char *name : {"txtMarca", "txtModello", "txtTarga"})
            editor->findChild<QLineEdit *>(name)->setText("X");
        QTest::mouseClick(editor->findChild<QWidget *>("cmdSalva"), Qt::LeftButton);
        const VehicleRecord card = VehicleRecord::fromBytes(program->dir.bytes("Flotta_Automezzi.pro"));
        QCOMPARE(card.File01, held);
        QVERIFY(QFileInfo(attached(card.File01)).isFile());
    }

    // Only ordinary files are attached: a pipe (which nobody may ever write
    // to), a device, a folder are refused at once with a message.
    void specialFilesAreRefused()
    {
        QStringList special {docs.path()};
#ifdef Q_OS_UNIX
        const QString fifo = docs.filePath("coda");
        QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        special << fifo << "/dev/zero";
#endif
        loadCardWithSlots({{"libretto.pdf", "", ""}, {}});
        for (const QString &source : special) {
            program->script.messages.clear();
            program->script.openFiles = {source};
            withDialog([&](QDialog *d) {
                click(d, "btnSfoglia01");
                QCOMPARE(edit(d, "txtFile01")->text(), QStringLiteral("libretto.pdf"));
            });
            QCOMPARE(program->script.messages.size(), 1);
            QCOMPARE(program->script.messages[0].kind, MessageKind::Warning);
            QCOMPARE(program->script.messages[0].text,
                     QStringLiteral("Attenzione: \"%1\" non è un documento ma una cartella o un file speciale del "
                                    "sistema (una periferica, una coda di comunicazione) e non può essere allegato."
                                    "\r\n\r\nScegliere un documento, un'immagine o un altro file ordinario.")
                         .arg(QFileInfo(source).fileName()));
        }
        QVERIFY(QDir(program->dir.path("Documenti_Allegati")).isEmpty());
    }

    // "Apri" on a document no longer in the folder says so, and opens nothing.
    void openingAMissingDocumentSaysSo()
    {
        loadCardWithSlots({{"", "", "sparito.pdf"}, {}});
        withDialog([&](QDialog *d) { click(d, "btnApri03"); });
        QCOMPARE(program->script.messages.size(), 1);
        QCOMPARE(program->script.messages[0].kind, MessageKind::Warning);
        QCOMPARE(program->script.messages[0].text,
                 QStringLiteral("Attenzione: il documento \"sparito.pdf\" non si trova nella cartella dei documenti "
                                "allegati: potrebbe essere stato spostato o cancellato.\r\n\r\nPer allegarlo di nuovo "
                                "premere \"Sfoglia...\"."));
        QVERIFY(program->script.shellOpens.isEmpty());
    }

    // A full disk is named as such; the slot keeps its name.
    void copyOnAFullDiskSaysSo()
    {
        program->script.openFiles = {userFile("polizza.pdf", "nuova")};
        withDialog([&](QDialog *d) {
            WriteFaults::FailWrite(1, 0, true);
            click(d, "btnSfoglia01");
            WriteFaults::Clear();
            QCOMPARE(edit(d, "txtFile01")->text(), QString());
        });
        QCOMPARE(program->script.lastMessage(),
                 QStringLiteral("Attenzione: spazio su disco esaurito. Il documento non è stato allegato.\n\r\n\r"
                                "Liberare spazio sul disco che ospita la cartella del programma e riprovare."));
        QVERIFY(!QFile::exists(attached("polizza.pdf")));
    }

    // Enter in a slot's edit moves the focus on and presses no button: no file
    // dialog opens and no slot changes.
    void enterInAnEditPressesNoButton()
    {
        loadCardWithSlots({{"libretto.pdf", "", ""}, {}});
        program->script.openFiles = {userFile("altro.pdf", "PDF")};
        withDialog([&](QDialog *d) {
            d->activateWindow();
            edit(d, "txtDesc01")->setFocus();
            QTest::keyClick(edit(d, "txtDesc01"), Qt::Key_Return);
            QCOMPARE(d->focusWidget(), edit(d, "txtFile02"));
            QTest::keyClick(edit(d, "txtFile02"), Qt::Key_Enter);
            QCOMPARE(d->focusWidget(), edit(d, "txtDesc02"));
            QCOMPARE(edit(d, "txtFile01")->text(), QStringLiteral("libretto.pdf"));
            QVERIFY(d->isVisible());
        });
        QCOMPARE(program->script.openFiles.size(), 1);
        QVERIFY(!QFile::exists(attached("altro.pdf")));
    }

    // Confirmed slots reach the archive with the next Save only.
    void savedCardHoldsTheSlots()
    {
        program->script.openFiles = {userFile("foto.jpg", "JPEG")};
        withDialog([&](QDialog *d) {
            click(d, "btnSfoglia03");
            edit(d, "txtDesc01")->setText("descrizione senza file");
            click(d, "btnApplica");
        });
        QVERIFY(!QFile::exists(program->dir.path("Flotta_Automezzi.pro")));
        editor->findChild<QComboBox *>("txtVeicolo")->setEditText("Autovettura");
        for (const char *name : {"txtMarca", "txtModello", "txtTarga"})
            editor->findChild<QLineEdit *>(name)->setText("X");
        QTest::mouseClick(editor->findChild<QWidget *>("cmdSalva"), Qt::LeftButton);
        const VehicleRecord card = VehicleRecord::fromBytes(program->dir.bytes("Flotta_Automezzi.pro"));
        QCOMPARE(card.File01, QString());
        QCOMPARE(card.File03, QStringLiteral("foto.jpg"));
        QCOMPARE(card.Desc01, QStringLiteral("descrizione senza file"));
    }
};

QTEST_MAIN(TestAllegaCartella)
#include "tst_allegacartella.moc"
