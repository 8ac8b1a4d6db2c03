#pragma once
// The password store "unins000.dll" in the program folder: an INI text file
// whose section "Accesso", key "Valore", holds the enciphered password.
#include <QString>
#include <optional>
#include <stdexcept>

class StoreError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

namespace PasswordStore {
inline constexpr const char *FileName = "unins000.dll";
QString Path();
// The stored value; empty when the file, the section or the key is missing.
// Raises StoreError when the file exists but cannot be read.
QString ReadValue();
// Sets the stored value, creating file, section or key when missing and
// leaving every other line as it was. Raises StoreError when the file cannot
// be read or written.
void WriteValue(const QString &value);
// The password in force: the stored value deciphered and trimmed. Empty
// optional when the store is missing or damaged: no file, a file that cannot
// be read, no section or key, or a value that is empty, not hexadecimal or
// deciphers to blanks. No typed password could match such a store.
std::optional<QString> ReadPassword();

// The login check of what the user typed (letters a-z in either case).
// StoreDamaged: the store is missing or damaged, whatever was typed.
enum class LoginCheck { Empty, Correct, Wrong, StoreDamaged };
LoginCheck CheckLogin(const QString &typed);

// A change of password from the three typed fields, in the order the user is
// told about problems; the store is written only on Done. DiskFull: the
// write found no space; WriteFailed: any other failure to write.
enum class PasswordChange { Done, StoreDamaged, WrongOld, NotConfirmed, NotStorable, WriteFailed, DiskFull };
PasswordChange ChangePassword(const QString &typedOld, const QString &typedNew, const QString &typedConfirm);
// True when the cipher keeps the password as typed (at most 255 characters,
// none above U+00FF).
bool CipherCanHold(const QString &password);

// What the login and the change of password say of a missing or damaged
// store: nobody gets in until it is put back.
extern const QString DamagedStoreText;
} // namespace PasswordStore

// One key of an INI file, read and written line by line so that comments,
// other sections and the order of lines stay as they are.
QString ReadIniKey(const QString &path, const QString &section, const QString &key);
void WriteIniKey(const QString &path, const QString &section, const QString &key, const QString &value);
