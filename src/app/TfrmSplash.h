#pragma once
#include <QDialog>

// Placeholder: the dialog is being built.
class TfrmSplash : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmSplash(QWidget *parent = nullptr);
};
