#pragma once
#include <QWidget>

// Placeholder: the window is being built.
class TfrmPassword : public QWidget
{
    Q_OBJECT
public:
    explicit TfrmPassword(QWidget *parent = nullptr);
};
