// What both card editors do alike, run on the register card editor and on
// the vehicle card editor from one table: append then rewrite in place, the
// question when another workstation changed the card, and a save or an arrow
// that fails (a folder or a read-only file in the archive's place, another
// workstation holding the lock, a disk filling up) leaving the card on
// screen and the archive whole.
#include "core/fleet/FleetArchive.h"
#include "core/fleet/VehicleRecord.h"
#include "core/register/VisitRecord.h"
#include "core/register/YearArchive.h"
#include "core/storage/FileWrites.h"
#include "gui/Startup.h"
#include "gui/fleet/TfrmFlotta.h"
#include "gui/register/TfrmRegistro.h"

#include "TestSupport.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <memory>

namespace {
const QString Inserted = QStringLiteral("La scheda corrente è stata inserita in archivio.");
const QString Rewritten = QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");

// How each editor is reached and filled.
template <class Record>
struct Kind;

template <>
struct Kind<VisitRecord> {
    static constexpr const char *File = "2021.vis";
    static constexpr const char *Save = "btnSalva";
    static QWidget *Show(ProgramWindows &program) { return program.showRegister(QStringLiteral("2021")); }
    static void FillValid(QWidget *editor)
    {
        control<QLineEdit>(editor, "txtDataEnt")->setText("05/03/2021");
        control<QLineEdit>(editor, "txtOraEnt")->setText("07:45");
        control<QLineEdit>(editor, "txtVeicolo")->setText("Fiat Ducato");
        control<QLineEdit>(editor, "txtTarga")->setText("AB123CD");
    }
    static bool Load(QWidget *editor, int n) { return static_cast<TfrmRegistro *>(editor)->LoadCard(n); }
    static VisitRecord Card(int k)
    {
        VisitRecord card;
        card.DataEnt = QStringLiteral("0%1/02/2021").arg(k);
        card.OraEnt = QStringLiteral("08:00");
        card.Veicolo = QStringLiteral("Auto %1").arg(k);
        card.Targa = QStringLiteral("TG00%1").arg(k);
        return card;
    }
};

template <>
struct Kind<VehicleRecord> {
    static constexpr const char *File = FleetArchive::FileName;
    static constexpr const char *Save = "cmdSalva";
    static QWidget *Show(ProgramWindows &program) { return program.showFleet(); }
    static void FillValid(QWidget *editor)
    {
        control<QComboBox>(editor, "txtVeicolo")->setEditText("Autovettura");
        control<QLineEdit>(editor, "txtMarca")->setText("Fiat");
        control<QLineEdit>(editor, "txtModello")->setText("Ducato");
        control<QLineEdit>(editor, "txtTarga")->setText("AB123CD");
    }
    static bool Load(QWidget *editor, int n) { return static_cast<TfrmFlotta *>(editor)->LoadCard(n); }
    static VehicleRecord Card(int k)
    {
        VehicleRecord card;
        card.Veicolo = QStringLiteral("Autocarro");
        card.Marca = QStringLiteral("Iveco");
        card.Modello = QStringLiteral("Daily %1").arg(k);
        card.Targa = QStringLiteral("TG00%1").arg(k);
        card.Disponibile = QStringLiteral("No");
        return card;
    }
};

template <class Record>
struct Bench {
    using K = Kind<Record>;
    ProgramWindows program;
    QWidget *editor = K::Show(program);

    QString path() const { return program.dir.path(K::File); }
    CardArchive<Record> archive() const { return CardArchive<Record>(path()); }
    QByteArray bytes() const { return program.dir.bytes(K::File); }
    void write(int cards) const
    {
        QByteArray all;
        for (int k = 1; k <= cards; ++k)
            all += K::Card(k).toBytes();
        program.dir.write(K::File, all);
    }
    QString text(const char *name) const { return control<QLineEdit>(editor, name)->text(); }
    void setText(const char *name, const QString &text) const { control<QLineEdit>(editor, name)->setText(text); }
    QString position() const { return control<QLabel>(editor, "lblPosizione")->text(); }
    void click(const char *name) const { QTest::mouseClick(control(editor, name), Qt::LeftButton); }
    void save() const { click(K::Save); }
    QList<ShownMessage> &messages() { return program.script.messages; }
};

template <class Record>
void AppendThenRewrite()
{
    Bench<Record> b;
    Kind<Record>::FillValid(b.editor);
    b.save();
    QCOMPARE(b.program.script.lastMessage(), Inserted);
    QCOMPARE(b.position(), QStringLiteral("1"));
    b.setText("txtNote", "seconda versione");
    b.save();
    QCOMPARE(b.program.script.lastMessage(), Rewritten);
    QCOMPARE(b.position(), QStringLiteral("1"));
    QCOMPARE(b.bytes().size(), Record::Size);
    QCOMPARE(b.archive().Read(1).Note, QStringLiteral("seconda versione"));
}

// Another workstation changes the plate of card 2 after it was loaded here,
// where the note was edited. Sì writes the card on screen over it; No loads
// the card as it is now. Either way the next save goes through unasked.
template <class Record>
void ChangedElsewhereAsks(bool overwrite)
{
    Bench<Record> b;
    b.write(3);
    QVERIFY(Kind<Record>::Load(b.editor, 2));
    b.setText("txtNote", "nota di qui");
    Record other = b.archive().Read(2);
    other.Targa = QStringLiteral("ALTRA");
    b.archive().Rewrite(2, other);
    const QByteArray before = b.bytes();

    b.program.script.answers << (overwrite ? QMessageBox::Yes : QMessageBox::No);
    b.save();
    QCOMPARE(b.messages().size(), overwrite ? 2 : 1);
    QCOMPARE(b.messages()[0].kind, MessageKind::Question);
    QCOMPARE(b.messages()[0].text, CardChangedElsewhereText);
    QCOMPARE(b.position(), QStringLiteral("2"));
    QCOMPARE(b.archive().Read(1), Kind<Record>::Card(1));
    QCOMPARE(b.archive().Read(3), Kind<Record>::Card(3));
    if (overwrite) {
        QCOMPARE(b.messages()[1].text, Rewritten);
        QCOMPARE(b.archive().Read(2).Note, QStringLiteral("nota di qui"));
        QCOMPARE(b.archive().Read(2).Targa, QStringLiteral("TG002"));
    } else {
        QCOMPARE(b.bytes(), before);
        QCOMPARE(b.text("txtNote"), QString());
        QCOMPARE(b.text("txtTarga"), QStringLiteral("ALTRA"));
    }

    b.setText("txtNote", "ancora");
    b.save();
    QCOMPARE(b.program.script.lastMessage(), Rewritten);
    QCOMPARE(b.messages().size(), overwrite ? 3 : 2);
    QCOMPARE(b.archive().Read(2).Note, QStringLiteral("ancora"));
    QCOMPARE(b.archive().Read(2).Targa, overwrite ? QStringLiteral("TG002") : QStringLiteral("ALTRA"));
}

// A folder or a read-only file in the archive's place: the standard failure,
// the card on screen kept, the archive untouched.
template <class Record>
void ArchiveFailureKeepsTheCard(bool folder, const char *action)
{
    Bench<Record> b;
    if (folder) {
        QVERIFY(QDir().mkdir(b.path()));
    } else {
        b.write(1);
        QVERIFY(QFile::setPermissions(b.path(), QFileDevice::ReadOwner));
    }
    Kind<Record>::FillValid(b.editor);
    {
        AsOrdinaryUser user;
        b.click(qstrcmp(action, "save") == 0 ? Kind<Record>::Save : action);
    }
    QCOMPARE(b.messages().size(), 1);
    QCOMPARE(b.messages()[0].kind, MessageKind::Error);
    QCOMPARE(b.messages()[0].text, ArchiveErrorText);
    QCOMPARE(b.position(), QString());
    QCOMPARE(b.text("txtTarga"), QStringLiteral("AB123CD"));
    if (!folder)
        QCOMPARE(b.archive().Read(1), Kind<Record>::Card(1));
}

// Another workstation holds the archive's lock for longer than a save waits.
template <class Record>
void BusyArchiveKeepsTheCard(bool stored)
{
    Bench<Record> b;
    b.write(1);
    if (stored)
        QVERIFY(Kind<Record>::Load(b.editor, 1));
    Kind<Record>::FillValid(b.editor);
    const QString number = b.position();
    const QByteArray before = b.bytes();

    ShortLockWait shorter(std::chrono::milliseconds(2000));
    LockHeldElsewhere other(b.path());
    QVERIFY(other.holding());
    b.save();
    QCOMPARE(b.messages().size(), 1);
    QCOMPARE(b.messages()[0].kind, MessageKind::Error);
    QCOMPARE(b.messages()[0].text, ArchiveBusyText);
    QCOMPARE(b.position(), number);
    QCOMPARE(b.text("txtTarga"), QStringLiteral("AB123CD"));
    QCOMPARE(b.bytes(), before);
}

// The disk fills up in the middle of a save: the standard failure, the
// archive as it was, the card still on screen, and the next save works.
template <class Record>
void WriteFailingPartWayKeepsTheArchiveWhole(bool stored)
{
    Bench<Record> b;
    b.write(1);
    if (stored)
        QVERIFY(Kind<Record>::Load(b.editor, 1));
    Kind<Record>::FillValid(b.editor);
    const QByteArray before = b.bytes();
    WriteFaults::FailWrite(1, 100);
    b.save();
    WriteFaults::Clear();
    QCOMPARE(b.messages().size(), 1);
    QCOMPARE(b.messages()[0].text, ArchiveErrorText);
    QCOMPARE(b.bytes(), before);
    QCOMPARE(b.position(), stored ? QStringLiteral("1") : QString());
    QCOMPARE(b.text("txtTarga"), QStringLiteral("AB123CD"));

    b.save();
    QCOMPARE(b.program.script.lastMessage(), stored ? Rewritten : Inserted);
    QCOMPARE(b.bytes().size(), (stored ? 1 : 2) * Record::Size);
    QCOMPARE(b.archive().Read(stored ? 1 : 2).Targa, QStringLiteral("AB123CD"));
}

template <class Record>
void Run(const QString &behaviour)
{
    if (behaviour == "append then rewrite") {
        AppendThenRewrite<Record>();
    } else if (behaviour == "changed elsewhere") {
        ChangedElsewhereAsks<Record>(true);
        ChangedElsewhereAsks<Record>(false);
    } else if (behaviour == "archive failure") {
        for (const bool folder : {true, false}) {
            for (const char *action : {"save", "cmdPrimo", "cmdAvanti"})
                ArchiveFailureKeepsTheCard<Record>(folder, action);
        }
    } else if (behaviour == "busy archive") {
        BusyArchiveKeepsTheCard<Record>(false);
        BusyArchiveKeepsTheCard<Record>(true);
    } else if (behaviour == "write failing part-way") {
        WriteFailingPartWayKeepsTheArchiveWhole<Record>(false);
        WriteFailingPartWayKeepsTheArchiveWhole<Record>(true);
    } else {
        QFAIL("unknown behaviour");
    }
}
} // namespace

class TestCardEditors : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { SetUpItalian(*qApp); }

    void behaviour_data()
    {
        QTest::addColumn<bool>("fleet");
        QTest::addColumn<QString>("behaviour");
        for (const char *behaviour :
             {"append then rewrite", "changed elsewhere", "archive failure", "busy archive", "write failing part-way"}) {
            QTest::addRow("register, %s", behaviour) << false << QString::fromLatin1(behaviour);
            QTest::addRow("fleet, %s", behaviour) << true << QString::fromLatin1(behaviour);
        }
    }
    void behaviour()
    {
        QFETCH(bool, fleet);
        QFETCH(QString, behaviour);
        if (fleet)
            Run<VehicleRecord>(behaviour);
        else
            Run<VisitRecord>(behaviour);
    }
};

QTEST_MAIN(TestCardEditors)
#include "tst_cardeditors.moc"
