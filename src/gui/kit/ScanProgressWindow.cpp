#include "gui/kit/ScanProgressWindow.h"

#include <QCoreApplication>
#include <QProgressDialog>

namespace {
constexpr qint64 QuietMilliseconds = 500;
}

ScanProgressWindow::ScanProgressWindow(QWidget *window, const QString &text)
    : m_window(window), m_text(text)
{
    m_timer.start();
}

ScanProgressWindow::~ScanProgressWindow() = default;

ScanProgress ScanProgressWindow::progress()
{
    return [this](int done, int total) { advance(done, total); };
}

void ScanProgressWindow::advance(int done, int total)
{
    if (!m_dialog) {
        if (m_timer.elapsed() < QuietMilliseconds || done >= total)
            return;
        m_dialog = std::make_unique<QProgressDialog>(m_text, QString(), 0, total, m_window);
        m_dialog->setWindowTitle(QStringLiteral("Varcanto"));
        m_dialog->setWindowModality(Qt::WindowModal);
        m_dialog->setMinimumDuration(0);
        m_dialog->setAutoClose(false);
        m_dialog->show();
    }
    m_dialog->setMaximum(total);
    m_dialog->setValue(done);
    // Repaint the windows, but let no click or key start another action.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
