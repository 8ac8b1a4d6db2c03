#pragma once
// What the user sees while a handler walks a large archive: after half a
// second a progress window appears over the window (no cancel button), and
// the program keeps repainting, so a long count never looks frozen. Short
// walks show nothing.
#include "core/storage/ArchiveScan.h"

#include <QElapsedTimer>
#include <QString>
#include <memory>

class QProgressDialog;
class QWidget;

class ScanProgressWindow
{
public:
    ScanProgressWindow(QWidget *window, const QString &text);
    ~ScanProgressWindow();
    ScanProgressWindow(const ScanProgressWindow &) = delete;
    ScanProgressWindow &operator=(const ScanProgressWindow &) = delete;

    // The progress callback to hand to the walk; valid while this object lives.
    ScanProgress progress();

private:
    void advance(int done, int total);

    QWidget *m_window;
    QString m_text;
    QElapsedTimer m_timer;
    std::unique_ptr<QProgressDialog> m_dialog;
};
