#include "TfrmInfo.h"

TfrmInfo::TfrmInfo(QWidget *parent)
    : QDialog(parent)
{
}
