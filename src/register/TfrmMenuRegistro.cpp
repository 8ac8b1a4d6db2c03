#include "TfrmMenuRegistro.h"

TfrmMenuRegistro::TfrmMenuRegistro(QWidget *parent)
    : QWidget(parent)
{
}
