#pragma once
#include <QString>

struct HelpTopic { QString title; QString text; };

// The password that opens the program the first time; the shipped password store holds it enciphered.
inline constexpr const char *FirstAccessPassword = "VARCANTO";

// Help topics shown by the help window. Paragraphs inside a text are
// separated by an empty line written as "\r\n\r\n".
HelpTopic HelpStartMenu();        // title "Uno sguardo a Varcanto."
HelpTopic HelpRegister();         // title "Applicazione Ingressi e Uscite Veicoli." (year menu and register card editor)
HelpTopic HelpRegisterExport();   // title "Esportazione archivio ingressi e uscite veicoli in Microsoft Excel."
HelpTopic HelpStatistics();       // title "Grafici statistici dei transiti dei veicoli."
HelpTopic HelpFleet();            // title "Applicazione Parco Automezzi."
HelpTopic HelpFleetExport();      // title "Esportazione archivio parco automezzi in Microsoft Excel."
HelpTopic HelpDeadlines();        // title "Scadenze degli automezzi." (the vehicle's deadlines and the reminders)
