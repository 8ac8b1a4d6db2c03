#pragma once
// A text field of capacity N inside a record: one length byte, then N bytes of
// Windows-1252 text. Bytes after the text are written as zeros and ignored
// when read.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Stores the text into record bytes [offset, offset + capacity]: on one line
// (line breaks and tabs as blanks), trimmed, converted to Windows-1252 and
// cut to the capacity.
void StoreAnsiField(char *field, int capacity, const QString &text);
// The stored bytes of a field's text without what trimming removes (the
// bytes up to blank, at both ends); a length byte over the capacity is read
// as the capacity.
QByteArrayView TrimmedAnsiField(const char *field, int capacity);
// Loads the text of a field; a length byte over the capacity is read as the
// capacity, so a damaged field is never read past its end.
QString LoadAnsiField(const char *field, int capacity);
