#include "TfrmPassword.h"

TfrmPassword::TfrmPassword(QWidget *parent)
    : QWidget(parent)
{
}
