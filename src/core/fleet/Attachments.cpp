#include "core/fleet/Attachments.h"

#include "core/storage/Environment.h"
#include "core/storage/FileWrites.h"
#include "core/storage/IoError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

QString AttachmentsFolder()
{
    return ProgramFolder() + QStringLiteral("Documenti_Allegati/");
}

QString AttachmentPath(const QString &name)
{
    return AttachmentsFolder() + name;
}

bool IsTheAttachedCopy(const QString &source, const QString &name)
{
    const QString attached = QFileInfo(AttachmentPath(name)).canonicalFilePath();
    return !attached.isEmpty() && attached == QFileInfo(source).canonicalFilePath();
}

void CopyIntoAttachments(const QString &source, const QString &name)
{
    if (!QDir().mkpath(AttachmentsFolder()))
        throw IoError(QStringLiteral("cannot create %1").arg(AttachmentsFolder()));
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        throw IoError(QStringLiteral("cannot read %1: %2").arg(source, in.errorString()));
    QString reason;
    if (!FileWrites::MayReplace(AttachmentPath(name), &reason))
        throw IoError(QStringLiteral("cannot replace %1: %2").arg(AttachmentPath(name), reason));
    QSaveFile out(AttachmentPath(name));
    if (!out.open(QIODevice::WriteOnly))
        throw IoError(QStringLiteral("cannot write %1: %2").arg(out.fileName(), out.errorString()));
    QByteArray block;
    while (!in.atEnd()) {
        block = in.read(1 << 20);
        if (block.isEmpty() && in.error() != QFile::NoError)
            throw IoError(QStringLiteral("cannot read %1: %2").arg(source, in.errorString()));
        if (!FileWrites::Write(out, block))
            throw IoError(QStringLiteral("cannot write %1: %2").arg(out.fileName(), out.errorString()));
    }
    if (!FileWrites::Flush(out) || !out.commit())
        throw IoError(QStringLiteral("cannot replace %1: %2").arg(out.fileName(), out.errorString()));
}
