#pragma once
// A screen of the program: created once, then shown and hidden. Every time
// the program shows it, it prepares itself (FormShow); a window the system
// merely restores keeps what it shows.
#include <QWidget>

class ScreenWindow : public QWidget
{
    Q_OBJECT
public:
    using QWidget::QWidget;

protected:
    virtual void FormShow() {}
    void showEvent(QShowEvent *event) override;
};
