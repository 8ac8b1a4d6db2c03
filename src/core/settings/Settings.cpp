#include "core/settings/Settings.h"

#include "core/access/PasswordStore.h"
#include "core/storage/Environment.h"
#include "core/storage/FileLock.h"
#include "core/storage/IoError.h"

#include <QFile>

namespace {
const QString Section = QStringLiteral("Impostazioni");

const Settings::Row *RowOf(const char *key)
{
    for (const Settings::Row &row : Settings::Rows()) {
        if (qstrcmp(row.key, key) == 0)
            return &row;
    }
    return nullptr;
}
} // namespace

QString Settings::Path()
{
    return ProgramFolder() + QLatin1String(FileName);
}

const QList<Settings::Row> &Settings::Rows()
{
    static const QList<Row> rows = {
        {MaxHoursInside, QStringLiteral("Permanenza massima all'interno (ore, 0 = nessun limite):"), 8, 0, 999},
        {DeadlineNoticeDays, QStringLiteral("Preavviso scadenze automezzi (giorni):"), 30, 0, 365},
    };
    return rows;
}

int Settings::Value(const char *key)
{
    const Row *row = RowOf(key);
    if (!row)
        return 0;
    QString text;
    try {
        text = ReadIniKey(Path(), Section, QLatin1String(key));
    } catch (const StoreError &) {
        return row->defaultValue;
    }
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok && value >= row->minimum && value <= row->maximum ? value : row->defaultValue;
}

void Settings::Store(const QMap<QString, int> &values)
{
    // The lock is taken on a file of its own: the settings file is replaced
    // whole by each write, so a lock on it would not outlive the write.
    QFile lockFile(Path() + QStringLiteral(".lck"));
    if (!lockFile.open(QIODevice::ReadWrite))
        throw IoError(QStringLiteral("cannot open %1: %2").arg(lockFile.fileName(), lockFile.errorString()));
    FileLock lock(lockFile);
    try {
        for (auto it = values.cbegin(); it != values.cend(); ++it)
            WriteIniKey(Path(), Section, it.key(), QString::number(it.value()));
    } catch (const StoreError &e) {
        throw IoError(QString::fromStdString(e.what()));
    }
}
