#include "TfrmAvvio.h"

TfrmAvvio::TfrmAvvio(QWidget *parent)
    : QWidget(parent)
{
}
