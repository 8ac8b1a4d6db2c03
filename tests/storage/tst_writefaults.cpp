// Every writer of the core against what goes wrong on a workstation: a
// read-only file or folder, a full disk or a share that drops in the middle of
// a write (the write seam fails the n-th write or flush, also part-way),
// another workstation holding the file open and locked, and damaged files. Each refusal is reported to the caller, no existing file is
// cut or left half-written, and once the cause is gone the same save works.
#include "varcanto_core.h"

#include "core/fleet/Attachments.h"
#include "core/register/RegisterCard.h"
#include "core/storage/FileWrites.h"
#include "core/storage/SpreadsheetExport.h"
#include "core/storage/SpreadsheetXlsx.h"

#include "TestFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <optional>

namespace {
const QString Archive = QStringLiteral("2021.vis");
const QString Store = QString::fromLatin1(PasswordStore::FileName);
const QString Export = QStringLiteral("Ingressi_e_Uscite_Veicoli.xls");
const QString Workbook = QStringLiteral("Ingressi_e_Uscite_Veicoli.xlsx");
const QString Attached = QStringLiteral("Documenti_Allegati/libretto.pdf");

// A document chosen outside the program folder.
QString sourceDocument()
{
    static QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/nuovo libretto.pdf");
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(QByteArray(5000, 'N'));
    return path;
}

VisitRecord card(const QString &targa)
{
    VisitRecord c;
    c.DataEnt = QStringLiteral("05/03/2021");
    c.OraEnt = QStringLiteral("07:45");
    c.Veicolo = QStringLiteral("Fiat Ducato");
    c.Targa = targa;
    return c;
}

enum class Writer { Append, Rewrite, Password, ExportFile, ExportWorkbook, Attachment };
enum class Cause { ReadOnlyFile, ReadOnlyFolderNoFile, ReadOnlyFolder, HeldElsewhere, WriteFails, WriteFailsPartWay, FlushFails };

// One save by the writer; true when it reports success.
bool save(Writer writer, const QString &path)
{
    try {
        switch (writer) {
        case Writer::Append:
            YearArchive::At(path).Append(card(QStringLiteral("NUOVA")));
            return true;
        case Writer::Rewrite:
            YearArchive::At(path).Rewrite(2, card(QStringLiteral("RISCRITTA")));
            return true;
        case Writer::Password:
            return PasswordStore::ChangePassword(QStringLiteral("SEGRETO"), QStringLiteral("NUOVA"),
                                                 QStringLiteral("NUOVA"))
                   == PasswordStore::PasswordChange::Done;
        case Writer::ExportFile: {
            static const QList<QStringList> rows = {{QStringLiteral("AB123CD")}, {QStringLiteral("<nota>")}};
            WriteSpreadsheet(path, QStringLiteral("Foglio"), {{QStringLiteral("Targa"), 100}}, SpreadsheetTextRows(rows));
            return true;
        }
        case Writer::ExportWorkbook: {
            static const QList<QStringList> rows = {{QStringLiteral("AB123CD")}, {QStringLiteral("<nota>")}};
            return WriteSpreadsheetXlsx(path, QStringLiteral("Foglio"), {{QStringLiteral("Targa"), 100}}, rows, nullptr);
        }
        case Writer::Attachment:
            CopyIntoAttachments(sourceDocument(), QStringLiteral("libretto.pdf"));
            return true;
        }
    } catch (const IoError &) {
    }
    return false;
}

constexpr auto ReadOnly = QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
constexpr auto Writable = ReadOnly | QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
} // namespace

Q_DECLARE_METATYPE(Writer)
Q_DECLARE_METATYPE(Cause)

class TestWriteFaults : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { WriteFaults::Clear(); }

    void refusedSaveLeavesTheFileWhole_data()
    {
        QTest::addColumn<Writer>("writer");
        QTest::addColumn<Cause>("cause");
        QTest::addColumn<bool>("refused");
        const struct {
            const char *name;
            Writer writer;
        } writers[] = {{"append", Writer::Append},
                       {"rewrite", Writer::Rewrite},
                       {"password change", Writer::Password},
                       {"export", Writer::ExportFile},
                       {"workbook export", Writer::ExportWorkbook},
                       {"attachment copy", Writer::Attachment}};
        for (const auto &w : writers) {
            QTest::addRow("%s, read-only file", w.name) << w.writer << Cause::ReadOnlyFile << true;
            QTest::addRow("%s, write fails", w.name) << w.writer << Cause::WriteFails << true;
            QTest::addRow("%s, write fails part-way", w.name) << w.writer << Cause::WriteFailsPartWay << true;
            QTest::addRow("%s, flush fails", w.name) << w.writer << Cause::FlushFails << true;
        }
        QTest::newRow("append, read-only folder, no archive yet") << Writer::Append << Cause::ReadOnlyFolderNoFile << true;
        // A share that lets the files be written but not the folder: a card
        // goes into its archive in place, but not over the archive's loose
        // tail, which cannot be kept beside it; the store is replaced whole,
        // which the folder must allow.
        QTest::newRow("append, read-only folder") << Writer::Append << Cause::ReadOnlyFolder << true;
        QTest::newRow("rewrite, read-only folder") << Writer::Rewrite << Cause::ReadOnlyFolder << false;
        QTest::newRow("password change, read-only folder") << Writer::Password << Cause::ReadOnlyFolder << true;
        QTest::newRow("export, read-only folder") << Writer::ExportFile << Cause::ReadOnlyFolder << true;
        QTest::newRow("export, read-only folder, no export yet") << Writer::ExportFile << Cause::ReadOnlyFolderNoFile << true;
        QTest::newRow("workbook export, read-only folder") << Writer::ExportWorkbook << Cause::ReadOnlyFolder << true;
        QTest::newRow("workbook export, read-only folder, no export yet")
            << Writer::ExportWorkbook << Cause::ReadOnlyFolderNoFile << true;
        QTest::newRow("attachment copy, read-only folder") << Writer::Attachment << Cause::ReadOnlyFolder << true;
        // Another workstation in the middle of a save holds the archive's
        // lock: the card waits, then is refused. The store, the export and
        // the attachment are replaced whole, so one who has the old file open
        // (a spreadsheet program, a viewer) goes on reading it whole.
        QTest::newRow("append, held and locked elsewhere") << Writer::Append << Cause::HeldElsewhere << true;
        QTest::newRow("rewrite, held and locked elsewhere") << Writer::Rewrite << Cause::HeldElsewhere << true;
        QTest::newRow("password change, held and locked elsewhere") << Writer::Password << Cause::HeldElsewhere << false;
        QTest::newRow("export, held and locked elsewhere") << Writer::ExportFile << Cause::HeldElsewhere << false;
        QTest::newRow("workbook export, held and locked elsewhere")
            << Writer::ExportWorkbook << Cause::HeldElsewhere << false;
        QTest::newRow("attachment copy, held and locked elsewhere") << Writer::Attachment << Cause::HeldElsewhere << false;
    }

    void refusedSaveLeavesTheFileWhole()
    {
        QFETCH(Writer, writer);
        QFETCH(Cause, cause);
        QFETCH(bool, refused);
        TempProgramFolder dir;
        const QString name = writer == Writer::Password ? Store
                             : writer == Writer::ExportFile   ? Export
                             : writer == Writer::ExportWorkbook ? Workbook
                             : writer == Writer::Attachment ? Attached
                                                            : Archive;
        // An archive with an incomplete tail, as a crash elsewhere leaves it.
        dir.write(Archive, card("A").toBytes() + card("B").toBytes() + QByteArray("\x05" "xyz", 4));
        PasswordStore::WriteValue(CryptEncode(QStringLiteral("SEGRETO")));
        dir.write(Export, "<html>the export of yesterday</html>");
        dir.write(Workbook, "PK the workbook of yesterday");
        QVERIFY(QDir(dir.folder()).mkdir(QStringLiteral("Documenti_Allegati")));
        dir.write(Attached, "the document attached before");
        const QString folder = QFileInfo(dir.path(name)).absolutePath();
        if (cause == Cause::ReadOnlyFolderNoFile)
            QFile::remove(dir.path(name));
        const QByteArray before = dir.bytes(name);
        const QStringList filesBefore = QDir(folder).entryList(QDir::Files | QDir::Hidden);

        // The ordinary user of AsOrdinaryUser cannot write the folder; it
        // can where the folder is opened to everybody.
        const bool folderOpen = cause == Cause::ReadOnlyFile || cause >= Cause::HeldElsewhere;
        if (folderOpen)
            QFile::setPermissions(folder, Writable | QFileDevice::ExeOwner | QFileDevice::ExeGroup
                                                    | QFileDevice::ExeOther);
        if (QFile::exists(dir.path(name)))
            QFile::setPermissions(dir.path(name), cause == Cause::ReadOnlyFile ? ReadOnly : Writable);
        switch (cause) {
        case Cause::WriteFails:
            WriteFaults::FailWrite(1);
            break;
        case Cause::WriteFailsPartWay:
            WriteFaults::FailWrite(1, 200);
            break;
        case Cause::FlushFails:
            WriteFaults::FailFlush(1);
            break;
        default:
            break;
        }
        std::optional<LockHeldElsewhere> holder;
        std::optional<ShortLockWait> shortWait;
        QFile heldOpen(dir.path(name));
        if (cause == Cause::HeldElsewhere) {
            holder.emplace(dir.path(name));
            QVERIFY(holder->holding());
            QVERIFY(heldOpen.open(QIODevice::ReadOnly));
            shortWait.emplace(std::chrono::milliseconds(300));
        }
        bool saved = false;
        {
            AsOrdinaryUser user;
            saved = save(writer, dir.path(name));
        }
        QCOMPARE(saved, !refused);
        if (cause == Cause::HeldElsewhere && !refused) {
            QCOMPARE(heldOpen.readAll(), before);
            QVERIFY(dir.bytes(name) != before);
        }
        if (!refused)
            return;
        QCOMPARE(QFile::exists(dir.path(name)), !before.isNull());
        QCOMPARE(dir.bytes(name), before);
        // No stray file left beside it either.
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), filesBefore);
        if (writer == Writer::Password)
            QCOMPARE(PasswordStore::ReadPassword(), std::optional<QString>(QStringLiteral("SEGRETO")));

        // The cause gone, the program goes on: the same save works.
        WriteFaults::Clear();
        holder.reset();
        if (QFile::exists(dir.path(name)))
            QFile::setPermissions(dir.path(name), Writable);
        QVERIFY(save(writer, dir.path(name)));
    }

    // A store that is missing, empty, garbage, or lacks its section, key or
    // a value that deciphers: nobody gets in and no change is made, and both
    // say the store is damaged rather than that the password is wrong.
    void damagedStoreRefusesLoginAndChange_data()
    {
        QTest::addColumn<QByteArray>("store"); // null: no file at all
        QTest::newRow("no file") << QByteArray();
        QTest::newRow("empty file") << QByteArray("");
        QTest::newRow("garbage") << QByteArray("\x00\xFF[Accesso\x00]\nValore\x01=", 18);
        QTest::newRow("no section") << QByteArray("[Altro]\r\nValore=1A2B\r\n");
        QTest::newRow("no key") << QByteArray("[Accesso]\r\nAltro=12\r\n");
        QTest::newRow("empty value") << QByteArray("[Accesso]\r\nValore=\r\n");
        QTest::newRow("not hexadecimal") << QByteArray("[Accesso]\r\nValore=4G\r\n");
    }

    void damagedStoreRefusesLoginAndChange()
    {
        QFETCH(QByteArray, store);
        TempProgramFolder dir;
        if (!store.isNull())
            dir.write(Store, store);
        QCOMPARE(PasswordStore::CheckLogin(QStringLiteral("SEGRETO")), PasswordStore::LoginCheck::StoreDamaged);
        QCOMPARE(PasswordStore::ChangePassword(QStringLiteral("SEGRETO"), QStringLiteral("N"), QStringLiteral("N")),
                 PasswordStore::PasswordChange::StoreDamaged);
        QCOMPARE(QFile::exists(dir.path(Store)), !store.isNull());
        QCOMPARE(dir.bytes(Store), store);
    }

    // A card past the end of a truncated archive is not there: reading it
    // fails, rewriting it fails without leaving a gap of blank cards. The
    // next new card goes at the first whole position, once the loose tail is
    // kept beside the archive; both archives alike.
    void truncatedLastCard()
    {
        TempProgramFolder dir;
        const FixedClock clock(QDateTime(QDate(2021, 3, 5), QTime(7, 45, 9)));
        const QByteArray whole = card("A").toBytes();
        const QByteArray tail = card("B").toBytes().left(700);
        dir.write(Archive, whole + tail);
        const QString path = dir.path(Archive);
        QCOMPARE(YearArchive::At(path).Count(), 1);
        QVERIFY_THROWS_EXCEPTION(IoError, YearArchive::At(path).Read(2));
        QVERIFY_THROWS_EXCEPTION(IoError, YearArchive::At(path).Rewrite(2, card("C")));
        QVERIFY_THROWS_EXCEPTION(IoError, YearArchive::At(path).Rewrite(5, card("C")));
        QCOMPARE(dir.bytes(Archive).size(), qint64(whole.size() + 700));
        QCOMPARE(YearArchive::At(path).Append(card("C")), 2);
        QCOMPARE(dir.bytes(Archive), whole + card("C").toBytes());
        QCOMPARE(dir.bytes(QStringLiteral("2021.vis.coda_20210305_074509")), tail);

        VehicleRecord vehicle;
        vehicle.Targa = QStringLiteral("AB123CD");
        const QByteArray fleetTail = vehicle.toBytes().left(700);
        dir.write(QString::fromLatin1(FleetArchive::FileName), vehicle.toBytes() + fleetTail);
        QCOMPARE(FleetArchive::AppendCard(vehicle), 2);
        QCOMPARE(dir.bytes(QString::fromLatin1(FleetArchive::FileName)), vehicle.toBytes() + vehicle.toBytes());
        QCOMPARE(dir.bytes(QStringLiteral("Flotta_Automezzi.pro.coda_20210305_074509")), fleetTail);
    }

    // A real full disk: every writer says so (DiskFull), and what was there
    // stays whole. The simulated one (the write seam) covers the windows.
    void fullDiskIsNamedAsSuch()
    {
        OwnFileSystem disk(256 * 1024);
        if (!disk.made())
            QSKIP(qPrintable(disk.reason()));
        SetProgramFolder(disk.folder());
        const QString archive = ProgramFolder() + Archive;
        YearArchive::At(archive).Append(card("A"));
        PasswordStore::WriteValue(CryptEncode(QStringLiteral("SEGRETO")));
        {
            QFile exported(ProgramFolder() + Export);
            QVERIFY(exported.open(QIODevice::WriteOnly));
            exported.write("<html>the export of yesterday</html>");
        }
        QVERIFY(QDir(ProgramFolder()).mkdir(QStringLiteral("Documenti_Allegati")));
        // Whatever room is left is taken.
        {
            QFile filler(ProgramFolder() + QStringLiteral("filler"));
            QVERIFY(filler.open(QIODevice::WriteOnly));
            const QByteArray block(4096, 'f');
            while (filler.write(block) == block.size() && filler.flush()) {
            }
        }

        // The last page of the archive may still hold a card or two.
        int saved = 1;
        bool full = false;
        for (int i = 0; i < 4 && !full; ++i) {
            try {
                YearArchive::At(archive).Append(card("N"));
                ++saved;
            } catch (const DiskFull &) {
                full = true;
            }
        }
        QVERIFY(full);
        QCOMPARE(YearArchive::At(archive).Count(), saved);
        QCOMPARE(QFileInfo(archive).size(), qint64(saved) * VisitRecord::Size);

        QCOMPARE(PasswordStore::ChangePassword(QStringLiteral("SEGRETO"), QStringLiteral("NUOVA"),
                                               QStringLiteral("NUOVA")),
                 PasswordStore::PasswordChange::DiskFull);
        QCOMPARE(PasswordStore::ReadPassword(), std::optional<QString>(QStringLiteral("SEGRETO")));

        static const QList<QStringList> rows = {{QString(70000, QLatin1Char('x'))}};
        QVERIFY_THROWS_EXCEPTION(DiskFull, WriteSpreadsheet(ProgramFolder() + Export, QStringLiteral("Foglio"),
                                                            {{QStringLiteral("Targa"), 100}},
                                                            SpreadsheetTextRows(rows)));
        QFile exported(ProgramFolder() + Export);
        QVERIFY(exported.open(QIODevice::ReadOnly));
        QCOMPARE(exported.readAll(), QByteArray("<html>the export of yesterday</html>"));

        QVERIFY_THROWS_EXCEPTION(DiskFull, CopyIntoAttachments(sourceDocument(), QStringLiteral("libretto.pdf")));
        QVERIFY(!QFile::exists(AttachmentPath(QStringLiteral("libretto.pdf"))));
        SetProgramFolder(QString());
    }

    // The n-th write: the seam counts every write of every file, and fires once.
    void nthWriteFails()
    {
        TempProgramFolder dir;
        const QString path = dir.path(Archive);
        WriteFaults::FailWrite(3);
        QCOMPARE(YearArchive::At(path).Append(card("A")), 1);
        QCOMPARE(YearArchive::At(path).Append(card("B")), 2);
        QVERIFY_THROWS_EXCEPTION(IoError, YearArchive::At(path).Append(card("C")));
        QCOMPARE(YearArchive::At(path).Append(card("C")), 3);
        QCOMPARE(YearArchive::At(path).Read(3).Targa, QStringLiteral("C"));
    }
};

QTEST_GUILESS_MAIN(TestWriteFaults)
#include "tst_writefaults.moc"
