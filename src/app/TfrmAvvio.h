#pragma once
#include <QWidget>

// Placeholder: the window is being built.
class TfrmAvvio : public QWidget
{
    Q_OBJECT
public:
    explicit TfrmAvvio(QWidget *parent = nullptr);
};
