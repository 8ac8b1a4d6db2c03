#include "TfrmCambiaPassword.h"

TfrmCambiaPassword::TfrmCambiaPassword(QWidget *parent)
    : QWidget(parent)
{
}
