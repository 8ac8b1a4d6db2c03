#pragma once
// How two number plates are told to be the same whatever way they were typed:
// upper case, without blanks, "-", "." and "·" ("ab 123-cd" is AB123CD); and,
// for the flagged plates, with the letters O and I taken for the digits 0 and
// 1 they look like.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The plate upper-cased, without blanks, "-", "." and "·".
QString NormalizedPlate(const QString &plate);
// The normalized plate with O read as 0 and I as 1.
QString LookAlikePlate(const QString &plate);

// Tells the cards of an archive whose plate is the one typed, straight from
// the stored bytes (most plates are plain ASCII and need no decoding).
class PlateMatcher
{
public:
    explicit PlateMatcher(const QString &plate);
    // Nothing to look for: the typed plate holds no letter or digit.
    bool IsEmpty() const { return m_plate.isEmpty(); }
    // True when the stored plate (Windows-1252 bytes) normalizes to the same.
    bool Matches(QByteArrayView stored) const;

private:
    QString m_plate;
    QByteArray m_ascii; // the normalized plate when plain ASCII, else empty
};
