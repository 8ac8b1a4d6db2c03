#pragma once
// Windows-1252, the single-byte code page of every text stored in the archives
// and written to the spreadsheet exports. Characters the code page cannot hold
// become a similar letter where one exists (ą -> a, ł -> l), else "?".
#include <QByteArray>
#include <QString>

QByteArray ToCp1252(const QString &text);
QString FromCp1252(const QByteArray &bytes);
QString FromCp1252(const char *bytes, qsizetype size);
// The character of one byte.
char16_t Cp1252Char(unsigned char byte);
// The byte of a character the code page holds as it is, or -1 when it holds
// none (no look-alike is sought).
int Cp1252Byte(char32_t code);
