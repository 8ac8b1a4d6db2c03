#pragma once
// The login window: the only window at start; the right password leads to the
// start menu. From here the user can also change the password.
#include "gui/kit/ScreenWindow.h"
#include <memory>

namespace Ui {
class TfrmPassword;
}

class TfrmPassword : public ScreenWindow
{
    Q_OBJECT
public:
    explicit TfrmPassword(QWidget *parent = nullptr);
    ~TfrmPassword() override;

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void FormShow() override;
    void txtPasswordChange();
    void cmdOKClick();
    void cmdEsciClick();
    void btnCambiaPasswordClick();

private:
    bool txtPasswordKeyDown(int key);
    std::unique_ptr<Ui::TfrmPassword> ui;
};
