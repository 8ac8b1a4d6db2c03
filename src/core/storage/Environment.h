#pragma once
// The two things the program takes from its surroundings, each in one place so
// that tests can replace them: the program folder (where every archive, the
// password store and the exports live) and the local clock.
#include <QDateTime>
#include <QString>
#include <functional>

// The folder of the running executable, with its trailing separator.
QString ProgramFolder();
// Replaces the program folder (tests); an empty text restores the default.
void SetProgramFolder(const QString &folder);

// The local date and time now.
QDateTime CurrentDateTime();
// Replaces the clock (tests); an empty function restores the real clock.
void SetClock(std::function<QDateTime()> clock);
