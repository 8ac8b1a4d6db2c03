#pragma once
// How every window shows what the storage layer tells while it works,
// installed once at start-up. While a save waits for another workstation's
// lock: a wait cursor, the status line (panInfo) of the window in front
// saying so, and the window kept painting and answering the accessibility bus
// (user input waits until the save is over). An archive's loose tail kept in
// a file of its own before a card was written over it: a message naming it.
#include <QString>

void InstallStorageFeedback();

// The status line while a save waits for another workstation's lock.
extern const QString LockWaitText;
// The message of a loose tail kept in sideFile (paths) before a card went
// over it.
QString TailKeptText(const QString &archive, const QString &sideFile, qint64 bytes);
