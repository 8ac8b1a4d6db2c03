#pragma once
#include <QWidget>

// Placeholder: the window is being built.
class TfrmCambiaPassword : public QWidget
{
    Q_OBJECT
public:
    explicit TfrmCambiaPassword(QWidget *parent = nullptr);
};
