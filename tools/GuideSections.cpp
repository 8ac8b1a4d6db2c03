#include "GuideSections.h"

#include "gui/help/HelpTopics.h"
#include "gui/help/TfrmGuida.h"
#include "gui/help/TfrmInfo.h"
#include "gui/help/TfrmSplash.h"
#include "gui/checks/TfrmCodFisc.h"
#include "gui/checks/TfrmPartitaIva.h"
#include "gui/fleet/TfrmAllegaCartella.h"
#include "gui/fleet/TfrmDisponibili.h"
#include "gui/fleet/TfrmExpFlotta.h"
#include "gui/fleet/TfrmScadenze.h"
#include "gui/fleet/TfrmScadenzeFlotta.h"
#include "gui/fleet/TfrmTrovaFlotta.h"
#include "gui/register/TfrmRegistro.h"
#include "core/register/YearArchive.h"
#include "core/fleet/FleetArchive.h"
#include "core/settings/Settings.h"
#include "core/storage/Environment.h"
#include "gui/register/TfrmEntratiOggi.h"
#include "gui/register/TfrmExpVisite.h"
#include "gui/register/TfrmNonUsciti.h"
#include "gui/register/TfrmStampaVisita.h"
#include "gui/register/TfrmTrovaVisite.h"
#include "gui/register/TfrmUscitiOggi.h"
#include "gui/register/TfrmTargheSegnalate.h"
#include "gui/access/TfrmImpostazioni.h"
#include "core/register/FlaggedPlates.h"
#include "gui/kit/Navigator.h"
#include "gui/kit/TfrmCalendario.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QThread>

namespace {
const QSize ScreenSize(1280, 800);

void settle()
{
    for (int i = 0; i < 5; ++i) {
        QApplication::processEvents();
        QThread::msleep(10);
    }
}

// A screen as the program shows it, at the size of a common desktop.
std::function<QImage()> screen(ScreenId id, std::function<void(QWidget *)> prepare = {})
{
    return [id, prepare]() -> QImage {
        QWidget *window = Navigator::Screen(id);
        if (!window)
            return {};
        window->show();
        if (window->windowType() != Qt::Dialog)
            window->resize(ScreenSize);
        if (prepare)
            prepare(window);
        settle();
        const QImage image = window->grab().toImage();
        window->hide();
        return image;
    };
}

// A dialog opened by its owner screen, as a fresh instance, with what the
// owner hands it (args after the owner).
template <class Dialog, class... Args>
std::function<QImage()> dialog(ScreenId owner, std::function<void(Dialog &)> prepare = {}, Args... args)
{
    return [owner, prepare, args...]() -> QImage {
        Dialog window(Navigator::Screen(owner), args...);
        if (prepare)
            prepare(window);
        window.show();
        settle();
        const QImage image = window.grab().toImage();
        window.hide();
        return image;
    };
}

// The vehicle whose deadlines the manual shows (card 1 of the sample fleet).
VehicleRecord sampleVehicle()
{
    VehicleRecord v;
    v.Veicolo = QStringLiteral("Autocarro");
    v.Marca = QStringLiteral("Iveco");
    v.Modello = QStringLiteral("Daily");
    v.Targa = QStringLiteral("EF456GH");
    v.Peso = QStringLiteral("3,5");
    v.Immatricolazione = QStringLiteral("03/2019");
    return v;
}

QStringList paragraphs(const HelpTopic &topic)
{
    return topic.text.split(QStringLiteral("\r\n\r\n"), Qt::SkipEmptyParts);
}

void openChart(QWidget *window, const char *kind)
{
    window->findChild<QPushButton *>(QLatin1String(kind))->click();
    window->findChild<QLineEdit *>(QStringLiteral("txtAnno"))->setText(QStringLiteral("2021"));
    window->findChild<QPushButton *>(QStringLiteral("btnApri"))->click();
}
} // namespace

QList<GuideSection> GuideSections()
{
    QList<GuideSection> sections;
    const QStringList overview = paragraphs(HelpStartMenu());

    sections.append({QStringLiteral("Introduzione"),
                     {overview.value(0),
                      QStringLiteral("Questa guida descrive, una per una, le finestre del programma: per ciascuna "
                                     "mostra l'immagine della finestra reale e spiega che cosa fanno i suoi "
                                     "pulsanti. In ogni finestra il pulsante con il punto interrogativo apre la "
                                     "guida in linea dell'argomento, e dalla guida in linea il collegamento "
                                     "\"Visualizza guida in formato PDF\" apre questo documento.")},
                     {},
                     {},
                     {}});

    sections.append(
        {QStringLiteral("Accesso al programma"),
         {QStringLiteral("All'avvio compare la finestra di autenticazione: si scrive la password di accesso e si "
                         "preme il pulsante di conferma. Con la password corretta si apre il menu principale; "
                         "con una password errata il programma lo segnala e si può riprovare."),
          QStringLiteral("Al primo accesso la password è %1 (le lettere si possono scrivere indifferentemente in "
                         "maiuscolo o in minuscolo). È consigliabile cambiarla subito.")
              .arg(QString::fromLatin1(FirstAccessPassword))},
         screen(ScreenId::Login),
         {{QStringLiteral("Cambia password"), QStringLiteral("apre la finestra per cambiare la password di accesso.")}},
         {}});

    sections.append(
        {QStringLiteral("Cambio della password"),
         {QStringLiteral("Si scrive la password in uso e, due volte, la nuova password; alla conferma la nuova "
                         "password sostituisce la precedente per tutte le postazioni che usano la stessa "
                         "cartella del programma. Chiudendo la finestra si torna all'autenticazione.")},
         screen(ScreenId::ChangePassword),
         {},
         {}});

    sections.append(
        {QStringLiteral("Menu principale"),
         {QStringLiteral("Il menu principale conduce alle due applicazioni del programma, il registro degli "
                         "ingressi e delle uscite dei veicoli e il parco automezzi, oltre alla guida, alle "
                         "informazioni sul programma e al sito del produttore.")},
         screen(ScreenId::StartMenu),
         {{QStringLiteral("Ingressi e Uscite Veicoli"), QStringLiteral("apre il menu del registro, con la scelta dell'anno.")},
          {QStringLiteral("Parco Automezzi"), QStringLiteral("apre la scheda dei veicoli dell'azienda.")},
          {QStringLiteral("Guida"), QStringLiteral("apre la guida in linea del programma.")},
          {QStringLiteral("Informazioni, riconoscimenti e sito"),
           QStringLiteral("mostrano le informazioni sul programma e i recapiti del produttore.")},
          {QStringLiteral("Impostazioni"), QStringLiteral("apre le impostazioni del programma.")},
          {QStringLiteral("Esci"), QStringLiteral("chiude il programma.")}},
         overview.mid(overview.size() - 6)});

    sections.append({QStringLiteral("Menu del registro"),
                     {paragraphs(HelpRegister()).value(0),
                      QStringLiteral("Il riquadro \"Grafici statistici transiti mensili\" apre le statistiche; "
                                     "l'anno delle statistiche si sceglie nella finestra delle statistiche.")},
                     screen(ScreenId::YearMenu),
                     {{QStringLiteral("Apri (registrazione)"),
                       QStringLiteral("apre la scheda del registro sull'archivio dell'anno indicato (quattro cifre).")},
                      {QStringLiteral("Apri (grafici statistici)"), QStringLiteral("apre le statistiche dei transiti.")},
                      {QStringLiteral("Esci"), QStringLiteral("torna al menu principale.")}},
                     {}});

    sections.append(
        {QStringLiteral("Scheda del registro"),
         paragraphs(HelpRegister()).mid(1, 6),
         screen(ScreenId::Register,
                [](QWidget *) {
                    if (auto *editor = qobject_cast<TfrmRegistro *>(Navigator::Screen(ScreenId::Register)))
                        editor->OpenYear(QStringLiteral("2021"));
                }),
         {{QStringLiteral("Nuovo"), QStringLiteral("prepara una scheda vuota con la data e l'ora attuali.")},
          {QStringLiteral("Salva"),
           QStringLiteral("controlla i campi obbligatori e le date, poi inserisce la scheda in archivio oppure "
                          "salva le modifiche alla scheda richiamata.")},
          {QStringLiteral("Frecce"), QStringLiteral("mostrano la prima, la precedente, la successiva e l'ultima scheda.")},
          {QStringLiteral("Targhe segnalate"), QStringLiteral("apre l'elenco delle targhe segnalate.")},
          {QStringLiteral("Campi della data"),
           QStringLiteral("un tasto qualsiasi apre il calendario; Canc o Backspace svuotano il campo.")},
          {QStringLiteral("Esci"), QStringLiteral("torna al menu principale.")}},
         {}});

    sections.append({QStringLiteral("Richiamo dei dati dalla targa"),
                     {paragraphs(HelpRegister()).value(7),
                      QStringLiteral("Quando i dati vengono richiamati da una scheda, la riga di stato in basso "
                                     "indica il numero e la data di quella scheda; quando vengono dal parco "
                                     "automezzi, lo dice. Se più schede della stessa targa risultano aperte, "
                                     "viene proposta la più recente. Un archivio dell'anno precedente mancante "
                                     "o illeggibile viene semplicemente ignorato."),
                      paragraphs(HelpRegister()).value(10)},
                     {},
                     {},
                     {}});

    sections.append({QStringLiteral("Targhe segnalate"),
                     {paragraphs(HelpRegister()).value(8),
                      QStringLiteral("Per aggiungere una targa si scrivono la targa e il motivo e si preme "
                                     "\"Aggiungi\"; una targa già presente riceve il nuovo motivo. Per toglierla "
                                     "si seleziona la riga e si preme \"Rimuovi\". Ogni modifica viene salvata "
                                     "subito nel file Targhe_Segnalate.txt della cartella del programma, senza "
                                     "perdere quanto aggiunto nel frattempo da un'altra postazione.")},
                     dialog<TfrmTargheSegnalate>(ScreenId::Register, {}, FlaggedPlates::Path()),
                     {{QStringLiteral("Aggiungi"), QStringLiteral("aggiunge all'elenco la targa scritta, con il motivo.")},
                      {QStringLiteral("Rimuovi"), QStringLiteral("toglie dall'elenco la targa selezionata.")},
                      {QStringLiteral("Chiudi"), QStringLiteral("chiude la finestra.")}},
                     {}});

    sections.append({QStringLiteral("Calendario"),
                     {QStringLiteral("Il calendario si apre dai campi della data della scheda del registro: si "
                                     "sceglie il giorno e si preme \"Importa\" (oppure Invio o un doppio clic) per "
                                     "riportarlo nel campo; \"Annulla\" lascia il campo com'era.")},
                     dialog<TfrmCalendario>(ScreenId::Register, {}, nullptr),
                     {},
                     {}});

    sections.append({QStringLiteral("Elenchi giornalieri del registro"),
                     {paragraphs(HelpRegister()).value(6),
                      QStringLiteral("Ogni elenco mostra una riga per scheda; un doppio clic sulla riga carica la "
                                     "scheda nella finestra del registro. La casella di ricerca trova una riga "
                                     "dell'elenco e l'elenco può essere stampato."),
                      paragraphs(HelpRegister()).value(9)},
                     dialog<TfrmNonUsciti>(ScreenId::Register, {}, YearArchive::PathFor(QStringLiteral("2021")), nullptr),
                     {},
                     {}});

    sections.append({QStringLiteral("Ricerca nel registro"),
                     {paragraphs(HelpRegister()).value(5),
                      QStringLiteral("Nelle righe trovate un doppio clic carica la scheda nella finestra del "
                                     "registro.")},
                     dialog<TfrmTrovaVisite>(ScreenId::Register, {}, YearArchive::PathFor(QStringLiteral("2021")), nullptr),
                     {},
                     {}});
    sections.append({QStringLiteral("Stampa della scheda del registro"),
                     {QStringLiteral("La scheda visualizzata si stampa in due copie su un unico foglio A4, una per "
                                     "il conducente e una per l'azienda, separate dalla linea di taglio.")},
                     dialog<TfrmStampaVisita>(ScreenId::Register),
                     {},
                     {}});
    sections.append({QStringLiteral("Esportazione del registro"),
                     paragraphs(HelpRegisterExport()),
                     dialog<TfrmExpVisite>(ScreenId::Register, {}, YearArchive::PathFor(QStringLiteral("2021"))),
                     {},
                     {}});

    GuideSection statistics{QStringLiteral("Statistiche dei transiti"),
                            paragraphs(HelpStatistics()).mid(0, 2),
                            screen(ScreenId::Statistics),
                            {},
                            {}};
    sections.append(statistics);
    sections.append(
        {QStringLiteral("Grafico delle statistiche"),
         paragraphs(HelpStatistics()).mid(2),
         screen(ScreenId::Statistics, [](QWidget *window) { openChart(window, "btnBarre"); }),
         {{QStringLiteral("Visualizza grafico a torta"), QStringLiteral("mostra i dodici mesi come fette di una torta.")},
          {QStringLiteral("Visualizza grafico a barre"), QStringLiteral("mostra i dodici mesi come barre tridimensionali.")},
          {QStringLiteral("Stampa grafico"),
           QStringLiteral("chiede conferma e il numero di copie (al massimo 99 per volta), poi stampa il grafico "
                          "in orizzontale, una pagina per copia.")},
          {QStringLiteral("Esci"), QStringLiteral("torna al menu principale.")}},
         {QStringLiteral("Il tipo di grafico scelto resta in uso finché il programma rimane aperto.")}});

    sections.append({QStringLiteral("Impostazioni"),
                     {QStringLiteral("L'icona \"Impostazioni\" del menu principale apre le impostazioni del "
                                     "programma. Le impostazioni sono conservate nel file Impostazioni.ini della "
                                     "cartella del programma e valgono per tutte le postazioni che la "
                                     "condividono; se il file manca o è danneggiato valgono i valori "
                                     "predefiniti."),
                      QStringLiteral("\"Permanenza massima all'interno\" è il numero di ore oltre il quale un "
                                     "veicolo non ancora uscito viene segnato \"OLTRE IL LIMITE\" nell'elenco "
                                     "\"Veicoli non ancora usciti\" (8 ore se non indicato; 0 toglie il limite).")},
                     dialog<TfrmImpostazioni>(ScreenId::StartMenu),
                     {{QStringLiteral("Salva"), QStringLiteral("salva le impostazioni modificate.")},
                      {QStringLiteral("Chiudi"), QStringLiteral("chiude la finestra.")}},
                     {}});

    const QStringList fleet = paragraphs(HelpFleet());
    sections.append({QStringLiteral("Parco automezzi"),
                     fleet.mid(0, 5),
                     screen(ScreenId::Fleet),
                     {},
                     fleet.mid(5)});
    sections.append({QStringLiteral("Ricerca nel parco automezzi"),
                     {fleet.value(5)},
                     dialog<TfrmTrovaFlotta>(ScreenId::Fleet, {}, FleetArchive::Path(), nullptr),
                     {},
                     {}});
    sections.append({QStringLiteral("Veicoli disponibili"),
                     {fleet.value(6)},
                     dialog<TfrmDisponibili>(ScreenId::Fleet, {}, FleetArchive::Path(), nullptr),
                     {},
                     {}});
    sections.append({QStringLiteral("Documenti allegati"),
                     {fleet.value(2)},
                     dialog<TfrmAllegaCartella>(ScreenId::Fleet, {}, VehicleAttachments{}, nullptr),
                     {},
                     {}});
    const QStringList deadlines = paragraphs(HelpDeadlines());
    sections.append({QStringLiteral("Scadenze degli automezzi"),
                     deadlines.mid(0, 5),
                     dialog<TfrmScadenze>(ScreenId::Fleet, [](TfrmScadenze &window) { window.Load(); },
                                          FleetArchive::Path(), 1, sampleVehicle()),
                     {{QStringLiteral("..."), QStringLiteral("apre il calendario per scegliere la data del campo accanto.")},
                      {QStringLiteral("Accetta"), QStringLiteral("conferma la data di revisione proposta dal programma.")},
                      {QStringLiteral("Salva"),
                       QStringLiteral("controlla le date e salva le scadenze del veicolo.")},
                      {QStringLiteral("Guida"), QStringLiteral("apre la guida in linea delle scadenze.")},
                      {QStringLiteral("Chiudi"), QStringLiteral("chiude la finestra senza salvare.")}},
                     {}});
    sections.append({QStringLiteral("Scadenze automezzi"),
                     deadlines.mid(5),
                     dialog<TfrmScadenzeFlotta>(ScreenId::StartMenu, {}, FleetArchive::Path(),
                                                CurrentDateTime().date(),
                                                Settings::Value(Settings::DeadlineNoticeDays), nullptr),
                     {{QStringLiteral("Stampa"), QStringLiteral("stampa l'elenco.")},
                      {QStringLiteral("Esporta"),
                       QStringLiteral("scrive l'elenco nel foglio di calcolo Scadenze_Automezzi.xls della cartella "
                                      "del programma.")}},
                     {}});
    sections.append({QStringLiteral("Esportazione del parco automezzi"),
                     paragraphs(HelpFleetExport()),
                     dialog<TfrmExpFlotta>(ScreenId::Fleet, {}, FleetArchive::Path()),
                     {},
                     {}});
    sections.append({QStringLiteral("Controllo del codice fiscale"),
                     {QStringLiteral("Dalla scheda del parco automezzi si controlla che il codice fiscale del "
                                     "proprietario o del conducente sia scritto correttamente.")},
                     dialog<TfrmCodFisc>(ScreenId::Fleet,
                                         [](TfrmCodFisc &check) { check.SetCode(QStringLiteral("RSSMRA85T10A562S")); }),
                     {},
                     {}});
    sections.append({QStringLiteral("Controllo della partita IVA"),
                     {QStringLiteral("Allo stesso modo si controlla la partita IVA di un proprietario che sia "
                                     "un'azienda.")},
                     dialog<TfrmPartitaIva>(ScreenId::Fleet,
                                            [](TfrmPartitaIva &check) { check.SetNumber(QStringLiteral("00743110157")); }),
                     {},
                     {}});

    sections.append({QStringLiteral("Guida in linea, informazioni e riconoscimenti"),
                     {QStringLiteral("La guida in linea mostra l'argomento della finestra da cui è stata aperta; "
                                     "il collegamento in basso apre questo manuale. Le finestre delle informazioni "
                                     "e dei riconoscimenti riportano l'indirizzo di posta elettronica e il sito "
                                     "del produttore.")},
                     dialog<TfrmGuida>(ScreenId::StartMenu, [](TfrmGuida &help) { help.ShowTopic(HelpStatistics()); }),
                     {},
                     {}});
    sections.append({QStringLiteral("Informazioni su Varcanto"), {}, dialog<TfrmInfo>(ScreenId::StartMenu), {}, {}});

    sections.append(
        {QStringLiteral("Dove si trovano i dati"),
         {QStringLiteral("Tutti i dati si trovano nella cartella del programma: gli archivi del registro (un file "
                         "per anno, per esempio 2021.vis), l'archivio del parco automezzi "
                         "(Flotta_Automezzi.pro) con le scadenze dei veicoli (Scadenze_Automezzi.dat), la "
                         "cartella Documenti_Allegati con i documenti allegati ai veicoli, i fogli di calcolo "
                         "esportati e questo manuale."),
          QStringLiteral("Per fare una copia di sicurezza basta copiare l'intera cartella, per esempio su una "
                         "chiavetta USB; dalla chiavetta il programma funziona allo stesso modo."),
          QStringLiteral("Più postazioni possono lavorare sugli stessi archivi condividendo la cartella in rete "
                         "locale: ogni azione apre l'archivio, legge o scrive ciò che serve e lo chiude, così "
                         "ogni postazione vede subito le schede inserite dalle altre. Quando due postazioni "
                         "salvano nello stesso momento, il programma fa attendere la seconda per un istante e "
                         "le schede ricevono numeri diversi; se l'archivio resta occupato troppo a lungo, il "
                         "salvataggio non avviene e il programma lo segnala.")},
         {},
         {},
         {}});
    return sections;
}
