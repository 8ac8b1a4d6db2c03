#pragma once
#include <QDialog>

// Placeholder: the dialog is being built.
class TfrmInfo : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmInfo(QWidget *parent = nullptr);
};
