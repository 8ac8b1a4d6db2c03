#pragma once
#include <QDialog>

// Placeholder: the dialog is being built.
class TfrmGuida : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmGuida(QWidget *parent = nullptr);
};

#include "HelpTopics.h"
// Opens the help window on a topic, modally, owned by owner.
void ShowHelp(QWidget *owner, const HelpTopic &topic);
