#pragma once
// The two Italian identifiers a vehicle card may hold for its owner or
// assigned driver: the fiscal code of a person (16 characters, the last one a
// check letter) and the VAT number (11 digits, the last one a check digit),
// with the name of the VAT office that issued a number.
#include <QString>

// True when the 16th character equals the check letter computed from the
// first 15. The code is taken as given (the caller upper-cases it); a text
// that is not 16 characters long, or holds a character outside '0'..'Z' in
// its first 15 places, is not a valid code.
bool CheckFiscalCode(const QString &code);

// True when the text is exactly 11 digits and the last equals the check digit
// computed from the first ten.
bool CheckVatNumber(const QString &number);

// The VAT office of a three-digit office number (digits 8 to 10 of a VAT
// number), or the empty text when the table has no such office.
QString VatOfficeName(const QString &officeNumber);
