#include "TfrmGuida.h"

TfrmGuida::TfrmGuida(QWidget *parent)
    : QDialog(parent)
{
}

void ShowHelp(QWidget *owner, const HelpTopic &topic)
{
    Q_UNUSED(owner);
    Q_UNUSED(topic);
}
