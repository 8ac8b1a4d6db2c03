#pragma once
// The help window: a topic title and text chosen by the window that opens it,
// and a link that opens the user manual Guida.pdf from the program folder.
#include <QDialog>
#include <memory>

#include "gui/help/HelpTopics.h"

namespace Ui {
class TfrmGuida;
}

class TfrmGuida : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmGuida(QWidget *parent = nullptr);
    ~TfrmGuida() override;

    // Puts the topic's title into lblTitolo and its text into txtGuida.
    void ShowTopic(const HelpTopic &topic);

private:
    void lnkWebClick();
    void btnChiudiClick();

    std::unique_ptr<Ui::TfrmGuida> ui;
};

// The warning shown when the manual is missing; %1 is the program folder.
extern const QString ManualMissingText;

// Opens the help window on a topic, modally, owned by owner.
void ShowHelp(QWidget *owner, const HelpTopic &topic);
