#pragma once
#include <QWidget>

// Placeholder: the window is being built.
class TfrmMenuRegistro : public QWidget
{
    Q_OBJECT
public:
    explicit TfrmMenuRegistro(QWidget *parent = nullptr);
};
