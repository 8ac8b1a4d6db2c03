// The rules of attached documents that need no window: the name a document
// is attached under (the card's file field must hold it exactly, so the name
// on the card and the file in the folder are always the same), a free name
// when that one is taken, and only ordinary files copied.
#include "core/fleet/Attachments.h"
#include "core/fleet/VehicleRecord.h"
#include "core/storage/AnsiField.h"

#include "TestFolder.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {
// The name as a card's file field gives it back once stored.
QString asStored(const QString &name)
{
    QByteArray field(251, '\0');
    StoreAnsiField(field.data(), 250, name);
    return LoadAnsiField(field.constData(), 250);
}
} // namespace

class TestAttachments : public QObject
{
    Q_OBJECT
private slots:
    void nameTheCardHolds_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("held");
        QTest::newRow("plain") << "libretto.pdf" << "libretto.pdf";
        QTest::newRow("letters of the code page") << "città €uro.pdf" << "città €uro.pdf";
        QTest::newRow("Cyrillic") << "документ.pdf" << "dokument.pdf";
        QTest::newRow("Cyrillic capitals") << "Щука Жук.PDF" << "Shchuka Zhuk.PDF";
        QTest::newRow("Greek with accents") << "Ελλάδα.jpg" << "Ellada.jpg";
        QTest::newRow("other Latin letters") << "Łódź ő.doc" << "Lódz o.doc";
        QTest::newRow("CJK") << "日本語.txt" << "allegato.txt";
        QTest::newRow("CJK, no extension") << "日本語" << "allegato";
        QTest::newRow("CJK beside Latin") << "rapporto 年度.txt" << "rapporto __.txt";
        QTest::newRow("a look-alike no name may hold") << "a″b.txt" << "a_b.txt";
        QTest::newRow("control characters") << "a\tb\nc.txt" << "a_b_c.txt";
        QTest::newRow("255 characters") << QString(251, 'n') + ".txt" << QString(246, 'n') + ".txt";
        QTest::newRow("long Cyrillic name")
            << QString(260, QChar(0x0436)) + ".txt" << QStringLiteral("zh").repeated(123) + ".txt";
    }
    void nameTheCardHolds()
    {
        QFETCH(QString, file);
        QFETCH(QString, held);
        const QString name = AttachmentNameFor(file);
        QCOMPARE(name, held);
        QVERIFY(CardHoldsAttachmentName(name));
        QCOMPARE(asStored(name), name);
    }

    // A name taken in the folder gets the first free number, within the field.
    void freeNameWhenTaken()
    {
        TempProgramFolder dir;
        QVERIFY(QDir(dir.folder()).mkdir("Documenti_Allegati"));
        QCOMPARE(FreeAttachmentName("dokument.pdf"), QStringLiteral("dokument.pdf"));
        dir.write("Documenti_Allegati/dokument.pdf", "1");
        dir.write("Documenti_Allegati/dokument_2.pdf", "2");
        QCOMPARE(FreeAttachmentName("dokument.pdf"), QStringLiteral("dokument_3.pdf"));
        const QString longest = QString(246, 'n') + ".txt";
        dir.write("Documenti_Allegati/" + longest, "3");
        const QString free = FreeAttachmentName(longest);
        QCOMPARE(free, QString(244, 'n') + "_2.txt");
        QVERIFY(CardHoldsAttachmentName(free));
    }

    // A pipe, a device or a folder is refused at once, never read: a pipe
    // nobody writes to would hold the program up for ever, /dev/zero would
    // never end.
    void onlyOrdinaryFilesAreCopied()
    {
        TempProgramFolder dir;
        QTemporaryDir elsewhere;
        QStringList special {elsewhere.path()};
#ifdef Q_OS_UNIX
        const QString fifo = elsewhere.filePath("coda");
        QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        special << fifo << "/dev/zero" << "/dev/null";
#endif
        QElapsedTimer timer;
        timer.start();
        for (const QString &source : special) {
            QVERIFY2(IsSpecialFile(source), qPrintable(source));
            QVERIFY_THROWS_EXCEPTION(NotAnOrdinaryFile, CopyIntoAttachments(source, "copia"));
        }
        QVERIFY(timer.elapsed() < 5000);
        QVERIFY(!QFile::exists(AttachmentPath("copia")));
        // An ordinary file is copied; a missing one is no special file, just unreadable.
        QFile ordinary(elsewhere.filePath("libretto.pdf"));
        QVERIFY(ordinary.open(QIODevice::WriteOnly));
        ordinary.write("PDF");
        ordinary.close();
        QVERIFY(!IsSpecialFile(ordinary.fileName()));
        CopyIntoAttachments(ordinary.fileName(), "libretto.pdf");
        QCOMPARE(dir.bytes("Documenti_Allegati/libretto.pdf"), QByteArray("PDF"));
        QVERIFY(!IsSpecialFile(elsewhere.filePath("manca.pdf")));
        QVERIFY_THROWS_EXCEPTION(IoError, CopyIntoAttachments(elsewhere.filePath("manca.pdf"), "manca.pdf"));
    }
};

QTEST_GUILESS_MAIN(TestAttachments)
#include "tst_attachments.moc"
