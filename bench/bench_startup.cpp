// Started by bench_table to time a start of the program: shows the login
// window as the program does at its start (or, with --bare, one empty window
// of the same toolkit, the least any program with windows pays), prints
// "shown" once the window has been painted the first time, and ends at once.
//
//   bench_startup folder     the program folder to start in
//   bench_startup --bare
#include "varcanto_gui.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

namespace {
class FirstPaint : public QObject
{
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // The painting of this event is done before the queued call runs.
        if (event->type() == QEvent::Paint)
            QMetaObject::invokeMethod(
                this,
                [] {
                    std::puts("shown");
                    std::fflush(stdout);
                    std::_Exit(0);
                },
                Qt::QueuedConnection);
        return QObject::eventFilter(watched, event);
    }
};
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QString argument = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    // In place before anything is shown: the first window painted is the one
    // timed (the login is the only window the program shows at its start).
    FirstPaint firstPaint;
    app.installEventFilter(&firstPaint);
    if (argument == QLatin1String("--bare")) {
        auto *window = new QWidget;
        window->resize(640, 480);
        window->show();
    } else {
        SetProgramFolder(argument);
        ShowVarcanto(app);
    }
    return app.exec();
}
