#pragma once
// The screens of the program: created once at start-up, shown and hidden,
// exactly one visible at a time. Windows reach each other through here.
class QWidget;
class TfrmPassword;
class TfrmAvvio;
class TfrmCambiaPassword;
class TfrmMenuRegistro;
class TfrmRegistro;

struct ScreenSet {
    TfrmPassword *frmPassword = nullptr;
    TfrmAvvio *frmAvvio = nullptr;
    TfrmCambiaPassword *frmCambiaPassword = nullptr;
    QWidget *frmFlotta = nullptr;      // fleet editor, when present
    TfrmMenuRegistro *frmMenuRegistro = nullptr;
    TfrmRegistro *frmRegistro = nullptr;
    QWidget *frmStatistiche = nullptr; // statistics, when present
};

ScreenSet &Screens();

// Shows next first (maximised, unless it is a fixed-size window), then hides
// current.
void HandOver(QWidget *current, QWidget *next);

// Leaves the program: every window closes at once, without questions.
void EndApplication();
// True once EndApplication has run (for tests, which keep their own loop).
bool ApplicationEnded();
void ResetApplicationEnded();
