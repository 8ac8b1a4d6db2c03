// The password store read from a file of any bytes (a store edited by hand,
// damaged, or another program's file of the same name): reading never fails
// other than by its own answer, the stored value decodes or is refused, and
// setting a new value keeps it readable.
#include "core/access/Crypt.h"
#include "core/access/PasswordStore.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

namespace {
QString storePath()
{
    static QTemporaryDir dir;
    return dir.path() + QStringLiteral("/unins000.dll");
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));

    // The cipher alone: a value that decodes is the encoding of what it
    // decodes to (upper-case digits, an odd last character dropped).
    const QString hex = QString::fromLatin1(bytes);
    if (const std::optional<QString> plain = CryptDecode(hex)) {
        if (plain->size() != hex.size() / 2)
            std::abort();
        if (plain->size() <= 255 && CryptEncode(*plain) != hex.left(plain->size() * 2).toUpper())
            std::abort();
    }

    const QString path = storePath();
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
            std::abort();
    }
    const QString stored = ReadIniKey(path, QStringLiteral("Accesso"), QStringLiteral("Valore"));
    (void)CryptDecode(stored);

    // A password change over this file: the new value is what is read back.
    const QString value = CryptEncode(QStringLiteral("NUOVA"));
    WriteIniKey(path, QStringLiteral("Accesso"), QStringLiteral("Valore"), value);
    if (ReadIniKey(path, QStringLiteral("Accesso"), QStringLiteral("Valore")) != value)
        std::abort();
    return 0;
}
