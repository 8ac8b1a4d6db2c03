#include "core/register/FlaggedPlates.h"

#include "core/storage/Environment.h"
#include "core/storage/FileLock.h"
#include "core/storage/FileWrites.h"
#include "core/storage/IoError.h"
#include "core/storage/PlateRules.h"
#include "core/storage/TextRules.h"

#include <QFile>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringList>
#include <functional>

namespace {
// A reason or plate on one line of the file: no tab, no line break.
QString oneLine(const QString &text)
{
    QString out = Trim(text);
    for (QChar &c : out) {
        if (c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r'))
            c = QLatin1Char(' ');
    }
    return out;
}

FlaggedPlates::List parse(const QByteArray &bytes)
{
    FlaggedPlates::List list;
    for (QByteArray raw : bytes.split('\n')) {
        if (raw.endsWith('\r'))
            raw.chop(1);
        QStringDecoder utf8(QStringDecoder::Utf8);
        const QString line = utf8(raw);
        if (Trim(line).isEmpty())
            continue;
        const QStringList parts = line.split(QLatin1Char('\t'));
        const QString plate = Trim(parts.value(0));
        if (utf8.hasError() || NormalizedPlate(plate).isEmpty()) {
            list.unreadable << raw;
            continue;
        }
        list.plates.append({plate, Trim(parts.value(1)), Trim(parts.value(2))});
    }
    return list;
}

QByteArray format(const FlaggedPlates::List &list)
{
    QString text;
    for (const FlaggedPlate &p : list.plates)
        text += oneLine(p.plate) + QLatin1Char('\t') + oneLine(p.reason) + QLatin1Char('\t') + oneLine(p.added) +
            QLatin1String("\r\n");
    QByteArray bytes = text.toUtf8();
    for (const QByteArray &line : list.unreadable)
        bytes += line + "\r\n";
    return bytes;
}

QString lockPath(const QString &path)
{
    return QFileInfo(path).dir().filePath(QLatin1String(FlaggedPlates::LockName));
}

// Reads the list as it is now, changes it and writes it whole, all under the
// lock, so that two workstations changing it at once both keep their change.
FlaggedPlates::List change(const QString &path, const std::function<void(FlaggedPlates::List &)> &edit)
{
    QFile lockFile(lockPath(path));
    if (!lockFile.open(QIODevice::ReadWrite))
        throw IoError(QStringLiteral("cannot open %1: %2").arg(lockFile.fileName(), lockFile.errorString()));
    FileLock lock(lockFile);
    FlaggedPlates::List list = FlaggedPlates::Read(path);
    edit(list);
    QString reason;
    if (!FileWrites::MayReplace(path, &reason))
        throw IoError(QStringLiteral("cannot replace %1: %2").arg(path, reason));
    QSaveFile file(path);
    const QByteArray bytes = format(list);
    if (!file.open(QIODevice::WriteOnly) || !FileWrites::Write(file, bytes) || !FileWrites::Flush(file)) {
        const QString why = file.errorString();
        file.cancelWriting();
        throw IoError(QStringLiteral("cannot write %1: %2").arg(path, why));
    }
    if (!file.commit())
        throw IoError(QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
    return list;
}

bool samePlate(const QString &a, const QString &b)
{
    return LookAlikePlate(a) == LookAlikePlate(b);
}
} // namespace

QString FlaggedPlates::Path()
{
    return ProgramFolder() + QLatin1String(FileName);
}

FlaggedPlates::List FlaggedPlates::Read(const QString &path)
{
    QFile file(path);
    if (!file.exists())
        return {};
    if (!file.open(QIODevice::ReadOnly))
        throw IoError(QStringLiteral("cannot open %1: %2").arg(path, file.errorString()));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw IoError(QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
    return parse(bytes);
}

FlaggedPlates::List FlaggedPlates::Add(const FlaggedPlate &plate, const QString &path)
{
    const FlaggedPlate entry {UpperAZ(oneLine(plate.plate)), oneLine(plate.reason), oneLine(plate.added)};
    if (NormalizedPlate(entry.plate).isEmpty())
        throw IoError(QStringLiteral("no plate to flag"));
    return change(path, [&entry](List &list) {
        for (FlaggedPlate &p : list.plates) {
            if (samePlate(p.plate, entry.plate)) {
                p = entry;
                return;
            }
        }
        list.plates.append(entry);
    });
}

FlaggedPlates::List FlaggedPlates::Remove(const QString &plate, const QString &path)
{
    return change(path, [&plate](List &list) {
        list.plates.removeIf([&plate](const FlaggedPlate &p) { return samePlate(p.plate, plate); });
    });
}

std::optional<FlaggedPlate> FlaggedPlates::Find(const QList<FlaggedPlate> &plates, const QString &typed)
{
    const QString key = LookAlikePlate(typed);
    if (key.isEmpty())
        return std::nullopt;
    for (const FlaggedPlate &p : plates) {
        if (LookAlikePlate(p.plate) == key)
            return p;
    }
    return std::nullopt;
}
