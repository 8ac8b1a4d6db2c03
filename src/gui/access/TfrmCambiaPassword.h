#pragma once
// The change-password window: replaces the stored password after checking the
// old one; closing it always leads back to an empty login field.
#include "gui/kit/ScreenWindow.h"
#include <memory>

namespace Ui {
class TfrmCambiaPassword;
}

class TfrmCambiaPassword : public ScreenWindow
{
    Q_OBJECT
public:
    explicit TfrmCambiaPassword(QWidget *parent = nullptr);
    ~TfrmCambiaPassword() override;

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void FormShow() override;
    void txtChange();
    void cmdOKClick();
    void cmdEsciClick();

private:
    void RefuseNewPassword(const QString &text);
    std::unique_ptr<Ui::TfrmCambiaPassword> ui;
};
