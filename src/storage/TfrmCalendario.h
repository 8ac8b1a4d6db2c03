#pragma once
#include <QDialog>

// Placeholder: the dialog is being built.
class TfrmCalendario : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmCalendario(QWidget *parent = nullptr);
};
