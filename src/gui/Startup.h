#pragma once
// Start-up of the program: Italian texts, the screens created once in their
// order, the login shown first.
class QApplication;

// The date and number settings (Italian, dd/mm/yyyy, ","), and Qt's own
// Italian texts (Sì, No, Annulla, the calendar).
void SetUpItalian(QApplication &app);
// Creates the screens in their order; the login
// window is the main window.
void CreateWindows();
// Destroys the screens (end of the program, and between tests).
void DestroyWindows();
// Everything the program does at its start up to the login window on the
// screen: the icon, the Italian texts, the screens created, the login shown.
void ShowVarcanto(QApplication &app);
// Runs the program: ShowVarcanto, then the user-interface loop.
int RunVarcanto(QApplication &app);
