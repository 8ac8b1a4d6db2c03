#include "gui/fleet/TfrmAllegaCartella.h"
#include "ui_TfrmAllegaCartella.h"

#include "gui/kit/TMisc.h"
#include "core/fleet/VehicleRecord.h"
#include "core/storage/ArchiveScan.h"
#include "core/storage/IoError.h"
#include "core/storage/TextRules.h"
#include "gui/kit/ClickableLabel.h"
#include "gui/kit/Dialogs.h"
#include "gui/kit/WindowKit.h"

#include <QFileInfo>

namespace {
const QString CopyFailed = QStringLiteral(
    "Attenzione: il sistema non permette di allegare il file.\n\r\n\r"
    "Accertarsi che il file sia leggibile, di possedere i privilegi di scrittura nella cartella dei documenti "
    "allegati e che un file con lo stesso nome non sia già aperto.");

QString notAnOrdinaryFile(const QString &name)
{
    return QStringLiteral("Attenzione: \"%1\" non è un documento ma una cartella o un file speciale del sistema "
                          "(una periferica, una coda di comunicazione) e non può essere allegato.\r\n\r\n"
                          "Scegliere un documento, un'immagine o un altro file ordinario.")
        .arg(name);
}

QString storedUnder(const QString &name, const QString &held)
{
    return QStringLiteral("Il nome del file \"%1\" contiene caratteri che la scheda non può conservare o supera i "
                          "%2 caratteri.\r\n\r\nIl documento è stato allegato con il nome \"%3\".")
        .arg(name)
        .arg(FieldNamed(VehicleFields, "File01").capacity)
        .arg(held);
}

QString missingDocument(const QString &name)
{
    return QStringLiteral("Attenzione: il documento \"%1\" non si trova nella cartella dei documenti allegati: "
                          "potrebbe essere stato spostato o cancellato.\r\n\r\n"
                          "Per allegarlo di nuovo premere \"Sfoglia...\".")
        .arg(name);
}

QString slotName(const char *kind, int slot)
{
    return QLatin1String(kind) + QStringLiteral("%1").arg(slot + 1, 2, 10, QLatin1Char('0'));
}
} // namespace

TfrmAllegaCartella::TfrmAllegaCartella(QWidget *parent, const VehicleAttachments &attachments, Apply apply)
    : QDialog(parent)
    , ui(std::make_unique<Ui::TfrmAllegaCartella>())
    , m_apply(std::move(apply))
{
    ui->setupUi(this);
    NamePairs labels;
    NamePairs pictures;
    NamePairs enterOrder;
    for (int slot = 0; slot < 3; ++slot) {
        // Enter goes from a slot's name to its description, then to the next slot.
        enterOrder.append({slotName("txtFile", slot), slotName("txtDesc", slot)});
        enterOrder.append({slotName("txtDesc", slot), slotName("txtFile", (slot + 1) % 3)});
        FileEdit(slot)->setMaxLength(FieldNamed(VehicleFields, "File01").capacity);
        DescEdit(slot)->setMaxLength(FieldNamed(VehicleFields, "Desc01").capacity);
        labels.append({slotName("lblFile", slot), slotName("txtFile", slot)});
        labels.append({slotName("lblDesc", slot), slotName("txtDesc", slot)});
        pictures.append({slotName("imgCancella", slot), QStringLiteral("Elimina il %1° file allegato").arg(slot + 1)});
        auto *apri = findChild<QPushButton *>(slotName("btnApri", slot));
        // Apri is there only for a slot that names a file, however it got it.
        connect(FileEdit(slot), &QLineEdit::textChanged, apri,
                [apri](const QString &name) { apri->setEnabled(!Trim(name).isEmpty()); });
        connect(findChild<QPushButton *>(slotName("btnSfoglia", slot)), &QPushButton::clicked, this,
                [this, slot] { btnSfogliaClick(slot); });
        connect(apri, &QPushButton::clicked, this, [this, slot] { btnApriClick(slot); });
        connect(findChild<ClickableLabel *>(slotName("imgCancella", slot)), &ClickableLabel::clicked, this,
                [this, slot] { imgCancellaClick(slot); });
    }
    AttachAccessibleNames(this, labels, pictures);
    AttachEnterOrder(this, enterOrder);
    for (int slot = 0; slot < 3; ++slot) {
        FileEdit(slot)->setText(Trim(attachments.files[slot]));
        DescEdit(slot)->setText(Trim(attachments.descriptions[slot]));
    }
    connect(ui->btnApplica, &QPushButton::clicked, this, &TfrmAllegaCartella::btnApplicaClick);
    connect(ui->btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);
    MakeFixedWindow(this);
}

TfrmAllegaCartella::~TfrmAllegaCartella() = default;

QLineEdit *TfrmAllegaCartella::FileEdit(int slot) const
{
    return findChild<QLineEdit *>(slotName("txtFile", slot));
}

QLineEdit *TfrmAllegaCartella::DescEdit(int slot) const
{
    return findChild<QLineEdit *>(slotName("txtDesc", slot));
}

void TfrmAllegaCartella::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    CenterWindow(this);
}

// The chosen document is copied into the attachments folder at once; the
// slot names it only when the copy is there (or was already there). The name
// in the slot and the file in the folder are always the same: a name the
// card cannot hold is replaced by one it can, and the user is told.
void TfrmAllegaCartella::btnSfogliaClick(int slot)
{
    const QString source = Dialogs::OpenFile(this, QStringLiteral("Selezionare il file da allegare:"), QString(),
                                             QStringLiteral("Tutti i file (*.*)"));
    if (source.isEmpty())
        return;
    const QString name = Trim(QFileInfo(source).fileName());
    if (IsSpecialFile(source)) {
        Dialogs::Message(this, MessageKind::Warning, notAnOrdinaryFile(name));
        return;
    }
    const bool nameHeld = AttachmentNameFor(name) == name;
    // A document chosen from the attachments folder itself is already there:
    // copying it onto itself would destroy it.
    if (nameHeld && IsTheAttachedCopy(source, name)) {
        FileEdit(slot)->setText(name);
        return;
    }
    // A name of its own never replaces another document: it gets a number.
    const QString held = nameHeld ? name : FreeAttachmentName(AttachmentNameFor(name));
    if (nameHeld && QFileInfo::exists(AttachmentPath(name))
        && !Dialogs::Ask(this, QStringLiteral("Attenzione: nella cartella dei documenti allegati è presente un file "
                                              "con lo stesso nome.\r\n\r\nSi vuole sovrascrivere il file esistente?"))) {
        FileEdit(slot)->setText(name);
        return;
    }
    try {
        CopyIntoAttachments(source, held);
    } catch (const NotAnOrdinaryFile &) {
        Dialogs::Message(this, MessageKind::Warning, notAnOrdinaryFile(name));
        return;
    } catch (const DiskFull &) {
        Dialogs::Message(this, MessageKind::Error, DiskFullText(QStringLiteral("Il documento non è stato allegato.")));
        return;
    } catch (const IoError &) {
        Dialogs::Message(this, MessageKind::Error, CopyFailed);
        return;
    }
    FileEdit(slot)->setText(held);
    if (held != name)
        Dialogs::Message(this, MessageKind::Information, storedUnder(name, held));
}

void TfrmAllegaCartella::btnApriClick(int slot)
{
    const QString name = Trim(FileEdit(slot)->text());
    if (!QFileInfo(AttachmentPath(name)).isFile()) {
        Dialogs::Message(this, MessageKind::Warning, missingDocument(name));
        return;
    }
    TMisc::Open(AttachmentPath(name));
}

// Only the slot's name goes; the description and the copy in the folder stay.
void TfrmAllegaCartella::imgCancellaClick(int slot)
{
    FileEdit(slot)->clear();
}

void TfrmAllegaCartella::btnApplicaClick()
{
    VehicleAttachments attachments;
    for (int slot = 0; slot < 3; ++slot) {
        attachments.files[slot] = Trim(FileEdit(slot)->text());
        attachments.descriptions[slot] = Trim(DescEdit(slot)->text());
    }
    if (m_apply)
        m_apply(attachments);
    accept();
}
