#include "TfrmSplash.h"

TfrmSplash::TfrmSplash(QWidget *parent)
    : QDialog(parent)
{
}
