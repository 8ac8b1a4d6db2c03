#include "core/access/PasswordStore.h"

#include "core/access/Crypt.h"
#include "core/storage/Environment.h"
#include "core/storage/FileWrites.h"
#include "core/storage/TextRules.h"

#include <QFile>
#include <QSaveFile>
#include <QList>

const QString PasswordStore::DamagedStoreText = QStringLiteral(
    "Attenzione: il file della password è mancante o danneggiato. "
    "Ripristinarlo da una copia di sicurezza o rivolgersi all'amministratore.");

namespace {
const QString Section = QStringLiteral("Accesso");
const QString Key = QStringLiteral("Valore");

struct IniLines {
    QList<QByteArray> lines;
    QByteArray newline = "\r\n";
    bool endsWithNewline = true;
};

IniLines splitLines(const QByteArray &content)
{
    IniLines ini;
    if (content.isEmpty())
        return ini;
    if (!content.contains("\r\n") && content.contains('\n'))
        ini.newline = "\n";
    ini.endsWithNewline = content.endsWith('\n');
    QByteArray body = content;
    if (ini.endsWithNewline)
        body.chop(body.endsWith("\r\n") ? 2 : 1);
    for (QByteArray line : body.split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        ini.lines.append(line);
    }
    return ini;
}

QString sectionName(const QByteArray &line)
{
    const QByteArray t = line.trimmed();
    if (t.startsWith('[') && t.endsWith(']'))
        return QString::fromLatin1(t.mid(1, t.size() - 2).trimmed());
    return {};
}

bool isSection(const QByteArray &line)
{
    const QByteArray t = line.trimmed();
    return t.startsWith('[') && t.endsWith(']');
}

// Key name of a "key=value" line, empty for comments and other lines.
QString keyName(const QByteArray &line)
{
    const QByteArray t = line.trimmed();
    const qsizetype eq = t.indexOf('=');
    if (eq <= 0 || t.startsWith(';') || t.startsWith('#'))
        return {};
    return QString::fromLatin1(t.left(eq).trimmed());
}

// Index of the section header line, or -1.
qsizetype findSection(const IniLines &ini, const QString &section)
{
    for (qsizetype i = 0; i < ini.lines.size(); ++i) {
        if (isSection(ini.lines[i]) && sectionName(ini.lines[i]).compare(section, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

// Index of the key's line inside the section starting at header, or -1; end
// receives the index after the section's last line.
qsizetype findKey(const IniLines &ini, qsizetype header, const QString &key, qsizetype *end)
{
    qsizetype i = header + 1;
    qsizetype found = -1;
    for (; i < ini.lines.size() && !isSection(ini.lines[i]); ++i) {
        if (found < 0 && keyName(ini.lines[i]).compare(key, Qt::CaseInsensitive) == 0)
            found = i;
    }
    *end = i;
    return found;
}
} // namespace

QString ReadIniKey(const QString &path, const QString &section, const QString &key)
{
    QFile file(path);
    if (!file.exists())
        return {};
    if (!file.open(QIODevice::ReadOnly))
        throw StoreError(QStringLiteral("cannot read %1: %2").arg(path, file.errorString()).toStdString());
    const IniLines ini = splitLines(file.readAll());
    const qsizetype header = findSection(ini, section);
    if (header < 0)
        return {};
    qsizetype end = 0;
    const qsizetype line = findKey(ini, header, key, &end);
    if (line < 0)
        return {};
    const QByteArray &text = ini.lines[line];
    return QString::fromLatin1(text.mid(text.indexOf('=') + 1).trimmed());
}

void WriteIniKey(const QString &path, const QString &section, const QString &key, const QString &value)
{
    QByteArray before;
    {
        // A read-only store is refused before anything is written.
        QString reason;
        if (!FileWrites::MayReplace(path, &reason))
            throw StoreError(QStringLiteral("cannot write %1: %2").arg(path, reason).toStdString());
        QFile file(path);
        if (file.exists()) {
            if (!file.open(QIODevice::ReadOnly))
                throw StoreError(QStringLiteral("cannot open %1: %2").arg(path, file.errorString()).toStdString());
            before = file.readAll();
            if (file.error() != QFileDevice::NoError)
                throw StoreError(QStringLiteral("cannot read %1").arg(path).toStdString());
        }
    }
    IniLines ini = splitLines(before);
    const QByteArray entry = key.toLatin1() + '=' + value.toLatin1();

    const qsizetype header = findSection(ini, section);
    if (header < 0) {
        ini.lines.append('[' + section.toLatin1() + ']');
        ini.lines.append(entry);
    } else {
        qsizetype end = 0;
        const qsizetype line = findKey(ini, header, key, &end);
        if (line >= 0) {
            ini.lines[line] = entry;
        } else {
            // After the section's last non-empty line, so a blank line that
            // separates it from the next section stays where it is.
            qsizetype at = end;
            while (at > header + 1 && ini.lines[at - 1].trimmed().isEmpty())
                --at;
            ini.lines.insert(at, entry);
        }
    }
    QByteArray after = ini.lines.join(ini.newline);
    if (ini.endsWithNewline)
        after += ini.newline;
    // Written into a new file beside the store that takes its place only once
    // whole: a write failing part-way (a full disk) leaves the old store, and
    // with it the password in force, as it was.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !FileWrites::Write(file, after) || !FileWrites::Flush(file)
        || !FileWrites::Commit(file))
        throw StoreError(QStringLiteral("cannot write %1: %2").arg(path, file.errorString()).toStdString());
}

QString PasswordStore::Path()
{
    return ProgramFolder() + QLatin1String(FileName);
}

QString PasswordStore::ReadValue()
{
    return ReadIniKey(Path(), Section, Key);
}

void PasswordStore::WriteValue(const QString &value)
{
    WriteIniKey(Path(), Section, Key, value);
}

PasswordStore::LoginCheck PasswordStore::CheckLogin(const QString &typed)
{
    // The stored password is in capitals.
    const QString entered = Trim(UpperAZ(typed));
    if (entered.isEmpty())
        return LoginCheck::Empty; // never compared, not even with an empty store
    const std::optional<QString> expected = ReadPassword();
    if (!expected)
        return LoginCheck::StoreDamaged;
    return *expected == entered ? LoginCheck::Correct : LoginCheck::Wrong;
}

bool PasswordStore::CipherCanHold(const QString &password)
{
    // The cipher keeps 8 bits per character and counts characters in one
    // byte: a longer password, or one with a character above U+00FF, would be
    // stored differently from what is typed at login and lock everybody out.
    if (password.size() > 255)
        return false;
    for (const QChar c : password) {
        if (c.unicode() > 0xFF)
            return false;
    }
    return true;
}

PasswordStore::PasswordChange PasswordStore::ChangePassword(const QString &typedOld, const QString &typedNew,
                                                            const QString &typedConfirm)
{
    const std::optional<QString> expected = ReadPassword();
    if (!expected)
        return PasswordChange::StoreDamaged;
    // An empty entry never matches, not even an empty store.
    const QString old = Trim(UpperAZ(typedOld));
    if (old.isEmpty() || old != *expected)
        return PasswordChange::WrongOld;
    // Compared as typed: a confirmation differing only in case is refused.
    if (Trim(typedNew) != Trim(typedConfirm))
        return PasswordChange::NotConfirmed;
    const QString password = Trim(UpperAZ(typedNew));
    if (!CipherCanHold(password))
        return PasswordChange::NotStorable;
    try {
        WriteValue(Trim(CryptEncode(password)));
    } catch (const StoreError &) {
        return FileWrites::OutOfSpace() ? PasswordChange::DiskFull : PasswordChange::WriteFailed;
    }
    return PasswordChange::Done;
}

std::optional<QString> PasswordStore::ReadPassword()
{
    try {
        const std::optional<QString> plain = CryptDecode(ReadValue());
        if (!plain || Trim(*plain).isEmpty())
            return std::nullopt;
        return Trim(*plain);
    } catch (const StoreError &) {
        return std::nullopt;
    }
}
