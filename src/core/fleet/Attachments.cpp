#include "core/fleet/Attachments.h"

#include "core/fleet/VehicleRecord.h"
#include "core/storage/ArchiveScan.h"
#include "core/storage/Cp1252.h"
#include "core/storage/Environment.h"
#include "core/storage/FileWrites.h"
#include "core/storage/TextRules.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <cstring>
#include <utility>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {
constexpr int NameCapacity = FieldNamed(VehicleFields, "File01").capacity;
// An extension longer than this is taken as part of the name.
constexpr int LongestExtension = 16;

// Latin spellings of the Cyrillic and Greek small letters.
struct Spelling {
    char32_t letter;
    const char *latin;
};
constexpr Spelling Spellings[] = {
    {U'а', "a"},  {U'б', "b"},  {U'в', "v"},  {U'г', "g"},  {U'д', "d"},    {U'е', "e"},  {U'ё', "e"},
    {U'ж', "zh"}, {U'з', "z"},  {U'и', "i"},  {U'й', "y"},  {U'к', "k"},    {U'л', "l"},  {U'м', "m"},
    {U'н', "n"},  {U'о', "o"},  {U'п', "p"},  {U'р', "r"},  {U'с', "s"},    {U'т', "t"},  {U'у', "u"},
    {U'ф', "f"},  {U'х', "kh"}, {U'ц', "ts"}, {U'ч', "ch"}, {U'ш', "sh"},   {U'щ', "shch"}, {U'ъ', ""},
    {U'ы', "y"},  {U'ь', ""},   {U'э', "e"},  {U'ю', "yu"}, {U'я', "ya"},   {U'і', "i"},  {U'ї', "yi"},
    {U'є', "ye"}, {U'ґ', "g"},  {U'ў', "u"},  {U'ђ', "dj"}, {U'ј', "j"},    {U'љ', "lj"}, {U'њ', "nj"},
    {U'ћ', "c"},  {U'џ', "dz"}, {U'ѓ', "g"},  {U'ќ', "k"},  {U'ѕ', "dz"},
    {U'α', "a"},  {U'β', "v"},  {U'γ', "g"},  {U'δ', "d"},  {U'ε', "e"},    {U'ζ', "z"},  {U'η', "i"},
    {U'θ', "th"}, {U'ι', "i"},  {U'κ', "k"},  {U'λ', "l"},  {U'μ', "m"},    {U'ν', "n"},  {U'ξ', "x"},
    {U'ο', "o"},  {U'π', "p"},  {U'ρ', "r"},  {U'σ', "s"},  {U'ς', "s"},    {U'τ', "t"},  {U'υ', "y"},
    {U'φ', "f"},  {U'χ', "ch"}, {U'ψ', "ps"}, {U'ω', "o"},
};

// True for a character a card's field keeps as it is, and that is not a
// control character.
bool heldAsIs(char32_t c)
{
    return c >= 0x20 && c != 0x7F && !(c >= 0x80 && c <= 0x9F) && Cp1252Byte(c) >= 0;
}

// Characters no file name may hold on the systems that share the folder.
bool unsafeInName(char c)
{
    return std::strchr("\\/:*?\"<>|", c) != nullptr;
}

// What a character the field cannot hold becomes in a name.
QString nameSpelling(char32_t c)
{
    if (heldAsIs(c))
        return QString::fromUcs4(&c, 1);
    // A letter with an accent (Greek ones included) is spelt as its base letter.
    char32_t base = c;
    const QString decomposition = QChar::decomposition(c);
    if (!decomposition.isEmpty())
        base = decomposition.toUcs4().constFirst();
    const char32_t small = QChar::toLower(base);
    for (const Spelling &s : Spellings) {
        if (s.letter == small) {
            QString latin = QString::fromLatin1(s.latin);
            if (small != base && !latin.isEmpty())
                latin[0] = latin.at(0).toUpper();
            return latin;
        }
    }
    // A letter of the code page that looks alike (ő -> o), else "_".
    const QByteArray alike = ToCp1252(QString::fromUcs4(&c, 1));
    const char b = alike.isEmpty() ? '?' : alike.at(0);
    if (heldAsIs(char32_t(static_cast<unsigned char>(b))) && b != '?' && !unsafeInName(b))
        return FromCp1252(alike.left(1));
    return QStringLiteral("_");
}

QString spelt(const QString &text)
{
    QString out;
    for (const char32_t c : text.toUcs4())
        out += nameSpelling(c);
    return out;
}

// Splits a name into what comes before its extension and the extension
// with its dot.
std::pair<QString, QString> splitExtension(const QString &name)
{
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot <= 0 || name.size() - dot > LongestExtension + 1)
        return {name, QString()};
    return {name.left(dot), name.mid(dot)};
}

// stem + suffix + extension within the field, cutting the stem.
QString fitted(const QString &stem, const QString &suffix, const QString &extension)
{
    const qsizetype room = std::max<qsizetype>(1, NameCapacity - suffix.size() - extension.size());
    return Trim(stem.left(room)) + suffix + extension;
}
} // namespace

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

bool IsSpecialFile(const QString &source)
{
#ifdef Q_OS_UNIX
    // Only what can be looked at is judged: a file that cannot even be
    // looked at fails to be read, as any unreadable file.
    struct stat info {};
    return ::stat(QFile::encodeName(source).constData(), &info) == 0 && !S_ISREG(info.st_mode);
#else
    const QFileInfo info(source);
    return info.exists() && !info.isFile();
#endif
}

bool CardHoldsAttachmentName(const QString &name)
{
    if (name.isEmpty() || name.size() > NameCapacity || Trim(name) != name)
        return false;
    for (const char32_t c : name.toUcs4()) {
        if (!heldAsIs(c))
            return false;
    }
    return true;
}

QString AttachmentNameFor(const QString &fileName)
{
    const QString name = Trim(fileName);
    if (CardHoldsAttachmentName(name))
        return name;
    auto [stem, extension] = splitExtension(name);
    stem = Trim(spelt(stem));
    extension = spelt(extension);
    if (stem.isEmpty() || stem.count(QLatin1Char('_')) == stem.size())
        stem = QStringLiteral("allegato");
    return fitted(stem, QString(), extension);
}

QString FreeAttachmentName(const QString &name)
{
    if (!QFileInfo::exists(AttachmentPath(name)))
        return name;
    const auto [stem, extension] = splitExtension(name);
    for (int n = 2;; ++n) {
        const QString candidate = fitted(stem, QStringLiteral("_%1").arg(n), extension);
        if (!QFileInfo::exists(AttachmentPath(candidate)))
            return candidate;
    }
}

namespace {
// Opens the source for reading, refusing anything but an ordinary file. On
// POSIX the file is opened without waiting and checked once open, so a pipe
// put in its place meanwhile cannot hold the program up.
void openSource(QFile &in, const QString &source)
{
    if (IsSpecialFile(source))
        throw NotAnOrdinaryFile(QStringLiteral("%1 is not an ordinary file").arg(source));
#ifdef Q_OS_UNIX
    const int fd = ::open(QFile::encodeName(source).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        throw IoError(QStringLiteral("cannot read %1").arg(source));
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        throw NotAnOrdinaryFile(QStringLiteral("%1 is not an ordinary file").arg(source));
    }
    if (!in.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        throw IoError(QStringLiteral("cannot read %1: %2").arg(source, in.errorString()));
    }
#else
    in.setFileName(source);
    if (!in.open(QIODevice::ReadOnly))
        throw IoError(QStringLiteral("cannot read %1: %2").arg(source, in.errorString()));
#endif
}
} // namespace

void CopyIntoAttachments(const QString &source, const QString &name)
{
    QFile in;
    openSource(in, source);
    if (!QDir().mkpath(AttachmentsFolder()))
        throw IoError(QStringLiteral("cannot create %1").arg(AttachmentsFolder()));
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
            FileWrites::ThrowWriteFailure(QStringLiteral("cannot write %1: %2").arg(out.fileName(), out.errorString()));
    }
    if (!FileWrites::Flush(out) || !FileWrites::Commit(out))
        FileWrites::ThrowWriteFailure(QStringLiteral("cannot replace %1: %2").arg(out.fileName(), out.errorString()));
}
