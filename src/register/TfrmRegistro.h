#pragma once
#include <QWidget>

// Placeholder: the window is being built.
class TfrmRegistro : public QWidget
{
    Q_OBJECT
public:
    explicit TfrmRegistro(QWidget *parent = nullptr);
};
