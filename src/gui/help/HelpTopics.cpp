#include "gui/help/HelpTopics.h"

#include <QStringList>

namespace {

// Paragraphs are separated by an empty line, written with Windows line ends.
QString joinParagraphs(const QStringList &paragraphs)
{
    return paragraphs.join(QStringLiteral("\r\n\r\n"));
}

// The four paragraphs about the monthly statistics chart: they close the
// register topic and make up the statistics topic on their own.
QStringList statisticsParagraphs()
{
    return {
        QStringLiteral("Le statistiche mostrano, con un grafico a torta oppure a barre "
                       "tridimensionali, gli ingressi e le uscite dei veicoli registrati "
                       "nell'anno scelto, suddivisi mese per mese."),
        QStringLiteral("Per visualizzarle si sceglie l'anno desiderato e si preme il pulsante "
                       "\"Apri\": il programma conta i transiti registrati nell'archivio di "
                       "quell'anno e disegna il grafico."),
        QStringLiteral("Il grafico a barre è composto da dodici barre, una per ogni mese, "
                       "la cui altezza corrisponde al numero dei transiti del mese; in "
                       "qualsiasi momento si può passare dal grafico a barre a quello a "
                       "torta e viceversa."),
        QStringLiteral("Il grafico può essere stampato insieme ai valori di ciascun mese, "
                       "così da avere su carta il riepilogo dell'intero anno."),
    };
}

// Export topics share their shape; only the archive being written changes.
QStringList exportParagraphs(const QString &whatIsExported)
{
    return {
        QStringLiteral("Il pulsante di esportazione trascrive %1 in un foglio di calcolo "
                       "che può essere aperto da qualsiasi programma in grado di gestire "
                       "i file XLS.").arg(whatIsExported),
        QStringLiteral("Dopo l'apertura della finestra con la griglia dei dati, un clic "
                       "sull'icona di Excel chiede dove salvare il file, proponendo la cartella "
                       "del programma; rispondendo sì alla domanda che segue, il file viene "
                       "aperto."),
        QStringLiteral("Il file può essere salvato con il nome che si preferisce e in due formati: "
                       "\"Foglio di calcolo Excel 97 (*.xls)\", proposto, che ogni programma di "
                       "fogli di calcolo apre, oppure \"Cartella di lavoro Excel (*.xlsx)\", che "
                       "le versioni recenti di Excel aprono senza avvisi di sicurezza."),
    };
}

} // namespace

HelpTopic HelpRegister()
{
    QStringList paragraphs = {
        QStringLiteral("L'archivio degli ingressi e delle uscite dei veicoli è organizzato "
                       "per anno solare: ogni anno ha il proprio archivio. All'apertura "
                       "dell'applicazione si sceglie l'anno su cui lavorare; il programma "
                       "propone l'anno in corso, ma se ne può selezionare un altro per "
                       "consultare gli archivi degli anni precedenti."),
        QStringLiteral("Per ogni transito si compila una scheda che riporta: data, ora e "
                       "operatore dell'ingresso; marca e modello del veicolo, targa, "
                       "conducente, altre persone a bordo, merce trasportata, foglio di "
                       "marcia, tessere consegnate, luogo di destinazione, telefono e note; infine "
                       "data, ora e operatore dell'uscita."),
        QStringLiteral("Per aggiungere una nuova scheda si compilano i campi: la data e l'ora "
                       "d'ingresso, la marca, il modello e la targa sono obbligatori, "
                       "mentre gli altri dati si inseriscono secondo necessità. Al termine "
                       "si preme il pulsante \"Salva\"."),
        QStringLiteral("Se il veicolo appartiene al parco automezzi dell'azienda non è "
                       "necessario riscriverne i dati: basta premere il pulsante con la "
                       "freccia rossa accanto al campo della targa e scegliere il veicolo "
                       "dall'archivio del parco automezzi, e i suoi dati vengono riportati "
                       "automaticamente nella scheda."),
        QStringLiteral("Quando un visitatore lascia l'azienda, la sua scheda si richiama con "
                       "il pulsante \"Veicoli non ancora usciti\": nell'elenco che compare "
                       "basta un doppio clic sulla riga del veicolo. Si compilano quindi la "
                       "data, l'ora e l'operatore dell'uscita e si preme \"Salva\": viene "
                       "aggiornata la stessa scheda, senza crearne una nuova."),
        QStringLiteral("Il pulsante \"Trova\" cerca le schede su più campi contemporaneamente. "
                       "Per esempio, per elencare tutte le schede di un giorno basta "
                       "scriverne la data nel campo della data d'ingresso e premere "
                       "\"Trova\"."),
        QStringLiteral("Le frecce di scorrimento permettono di passare alla prima scheda, alla "
                       "precedente, alla successiva e all'ultima. Ogni scheda può essere "
                       "stampata in due copie su un unico foglio A4, una per il conducente e "
                       "una per l'azienda, e l'archivio può essere esportato in un foglio di "
                       "calcolo. Sono inoltre disponibili tre elenchi giornalieri: \"Veicoli "
                       "entrati oggi\", \"Veicoli usciti oggi\" e \"Veicoli non ancora "
                       "usciti\"."),
        QStringLiteral("Quando si scrive la targa di una nuova scheda e si passa al campo "
                       "successivo, il programma cerca la targa negli archivi, comunque sia "
                       "scritta (maiuscole o minuscole, spazi, trattini e punti non contano). "
                       "Se il veicolo risulta ancora all'interno, il programma propone di "
                       "richiamarne la scheda per registrarne l'uscita, con la data e l'ora "
                       "attuali già inserite. Altrimenti i dati dell'ultima scheda con la "
                       "stessa targa (di quest'anno o, se manca, dell'anno precedente) o del "
                       "veicolo del parco automezzi riempiono i campi veicolo, conducente, "
                       "telefono e luogo ancora vuoti: quanto già scritto non viene mai "
                       "sostituito."),
        QStringLiteral("Il pulsante \"Targhe segnalate\" apre l'elenco delle targhe a cui la "
                       "portineria deve prestare attenzione, ciascuna con il motivo e la data "
                       "d'inserimento; l'elenco è condiviso da tutte le postazioni. Quando si "
                       "scrive una targa segnalata il programma lo avvisa e mostra il motivo "
                       "(le lettere O e I valgono come le cifre 0 e 1); la scheda si può "
                       "comunque salvare."),
        QStringLiteral("Nell'elenco \"Veicoli non ancora usciti\" ogni riga indica da quanto "
                       "tempo il veicolo è all'interno; i veicoli rimasti oltre la permanenza "
                       "massima stabilita nelle impostazioni sono segnati \"OLTRE IL LIMITE\" "
                       "e scritti in rosso, e sopra l'elenco si legge quanti veicoli sono "
                       "all'interno e quanti oltre il limite."),
        QStringLiteral("Se la scheda sullo schermo contiene modifiche non salvate, prima di "
                       "sostituirla (Nuovo, le frecce, un elenco o una ricerca, l'uscita dalla "
                       "finestra) il programma chiede se salvarle: Sì le salva, No le scarta, "
                       "Annulla lascia la scheda com'era."),
    };
    paragraphs += statisticsParagraphs();
    return { QStringLiteral("Applicazione Ingressi e Uscite Veicoli."), joinParagraphs(paragraphs) };
}

HelpTopic HelpFleet()
{
    const QStringList paragraphs = {
        QStringLiteral("L'archivio del parco automezzi raccoglie una scheda per ogni veicolo "
                       "dell'azienda, con il tipo di veicolo, la marca, il modello, la targa "
                       "e gli altri dati tecnici e amministrativi che lo riguardano."),
        QStringLiteral("Nella scheda si annotano anche gli eventuali incidenti, i dati "
                       "dell'assicurazione e lo stato del veicolo, oltre al proprietario o al "
                       "conducente, con il suo codice fiscale (o la partita IVA) e il numero "
                       "di telefono. Il programma controlla che il codice fiscale e la "
                       "partita IVA siano scritti correttamente."),
        QStringLiteral("A ogni scheda si possono allegare dei file, per esempio le scansioni "
                       "del libretto di circolazione, della polizza assicurativa o di altri "
                       "documenti del veicolo, da consultare in seguito direttamente dalla "
                       "scheda."),
        QStringLiteral("Per aggiungere un veicolo si compila una nuova scheda, nella quale i "
                       "campi \"Tipo veicolo\", \"Marca\", \"Modello\" e \"Targa\" sono "
                       "obbligatori, e la si salva. Una scheda già registrata può essere "
                       "aggiornata in qualsiasi momento: la si richiama con la ricerca oppure "
                       "con le frecce di scorrimento, se ne modificano i dati e la si salva "
                       "di nuovo."),
        QStringLiteral("Il pulsante \"Duplica\" crea una nuova scheda con i dati di quella "
                       "visualizzata: è comodo quando si devono inserire più veicoli simili, "
                       "perché poi basta correggere la targa e i pochi dati che cambiano."),
        QStringLiteral("Il pulsante \"Trova\" cerca le schede su più campi contemporaneamente e "
                       "accetta chiavi parziali: scrivendo, per esempio, le prime lettere "
                       "della marca e una parte della targa si ottengono tutti i veicoli che "
                       "soddisfano entrambe le condizioni."),
        QStringLiteral("La casella \"Veicolo disponibile\" indica se il veicolo è libero e può "
                       "essere assegnato; il pulsante \"Disponibili\" elenca in un colpo solo "
                       "tutti i veicoli contrassegnati come disponibili."),
        QStringLiteral("Ogni scheda può essere vista in anteprima, stampata o salvata in "
                       "formato PDF; l'intero archivio del parco automezzi può inoltre essere "
                       "esportato in un foglio di calcolo."),
        QStringLiteral("Il pulsante \"Scadenze\" annota le scadenze del veicolo: assicurazione, "
                       "revisione, bollo, tagliando e un'altra a scelta. Il menu principale "
                       "segnala le scadenze passate e quelle vicine, e l'elenco dei veicoli "
                       "disponibili mette in evidenza i veicoli con l'assicurazione o la "
                       "revisione scaduta."),
        QStringLiteral("Se la scheda sullo schermo contiene modifiche non salvate, prima di "
                       "sostituirla il programma chiede se salvarle: Sì le salva, No le "
                       "scarta, Annulla lascia la scheda com'era."),
    };
    return { QStringLiteral("Applicazione Parco Automezzi."), joinParagraphs(paragraphs) };
}

HelpTopic HelpStartMenu()
{
    const QString intro = QStringLiteral(
        "Varcanto è pensato per il personale della portineria di un'azienda: registra "
        "gli ingressi e le uscite dei veicoli dei visitatori e dei dipendenti e tiene "
        "l'archivio degli automezzi dell'azienda, così da rendere più rapida la "
        "compilazione delle schede al varco.");

    const QStringList closing = {
        QStringLiteral("Tutti gli archivi possono essere esportati in un file di foglio di "
                       "calcolo, leggibile da qualsiasi programma in grado di gestire i file "
                       "XLS, oppure in una cartella di lavoro di Excel (XLSX)."),
        QStringLiteral("L'accesso al programma è protetto da una password, che l'utente può "
                       "cambiare a suo piacimento; per il primo accesso la password è %1.")
            .arg(QString::fromLatin1(FirstAccessPassword)),
        QStringLiteral("Gli archivi possono essere condivisi su una rete locale, così che più "
                       "postazioni lavorino sugli stessi dati."),
        QStringLiteral("L'icona \"Impostazioni\" del menu principale apre le impostazioni del "
                       "programma, comuni a tutte le postazioni, come la permanenza massima "
                       "di un veicolo all'interno."),
        QStringLiteral("Il programma funziona anche da una chiavetta USB: basta copiarvi la "
                       "sua cartella. Copiare la cartella è anche il modo più rapido per fare "
                       "una copia di sicurezza di tutti gli archivi."),
        QStringLiteral("Varcanto è semplice da usare: bastano pochi minuti per imparare a "
                       "compilare le schede e a consultare gli archivi."),
    };

    QStringList paragraphs{intro, HelpRegister().text, HelpFleet().text};
    paragraphs += closing;
    return { QStringLiteral("Uno sguardo a Varcanto."), joinParagraphs(paragraphs) };
}

HelpTopic HelpRegisterExport()
{
    return { QStringLiteral("Esportazione archivio ingressi e uscite veicoli in Microsoft Excel."),
             joinParagraphs(exportParagraphs(
                 QStringLiteral("l'archivio degli ingressi e delle uscite dei veicoli"))) };
}

HelpTopic HelpFleetExport()
{
    return { QStringLiteral("Esportazione archivio parco automezzi in Microsoft Excel."),
             joinParagraphs(exportParagraphs(
                 QStringLiteral("tutte le schede del parco automezzi"))) };
}

HelpTopic HelpDeadlines()
{
    const QStringList paragraphs = {
        QStringLiteral("Il pulsante \"Scadenze\" della scheda del parco automezzi apre le scadenze "
                       "del veicolo visualizzato: assicurazione, revisione, bollo, tagliando e "
                       "un'altra scadenza a scelta, con la sua descrizione, oltre alle note. Le "
                       "scadenze appartengono a una scheda già inserita in archivio: per un "
                       "veicolo nuovo si salva prima la scheda."),
        QStringLiteral("Le date si scrivono nel formato gg/mm/aaaa oppure si scelgono nel "
                       "calendario con il pulsante accanto al campo; un campo vuoto significa "
                       "che quella scadenza non c'è. Una data che non esiste viene segnalata e "
                       "le scadenze non vengono salvate finché non è corretta."),
        QStringLiteral("Quando la revisione è vuota e la scheda riporta la data "
                       "d'immatricolazione (gg/mm/aaaa oppure mm/aaaa), il programma propone la "
                       "prossima revisione secondo la regola generale: la prima quattro anni "
                       "dopo l'immatricolazione e poi ogni due anni; ogni anno, la prima un anno "
                       "dopo l'immatricolazione, per gli autobus, per autocarri, rimorchi e "
                       "trattori con peso massimo oltre 3,5 tonnellate e per i veicoli la cui "
                       "destinazione d'uso indica taxi, noleggio con conducente o ambulanza. La "
                       "revisione scade l'ultimo giorno del mese e viene proposta la prima non "
                       "ancora passata."),
        QStringLiteral("La data proposta è soltanto un suggerimento: va controllata sul libretto "
                       "di circolazione, perché il programma non conosce le revisioni già fatte "
                       "né i casi particolari. Resta segnalata come proposta finché non si preme "
                       "\"Accetta\" o non la si corregge; una proposta non accettata non viene "
                       "salvata."),
        QStringLiteral("Se un'altra postazione ha modificato le scadenze dello stesso veicolo dopo "
                       "che sono state aperte, al salvataggio il programma chiede se sovrascrivere "
                       "le sue modifiche, come per le schede."),
        QStringLiteral("Quando ci sono scadenze passate o che cadono entro il periodo di preavviso "
                       "(30 giorni se non è stato cambiato nelle impostazioni, alla voce "
                       "\"Preavviso scadenze automezzi (giorni):\"), il menu principale lo "
                       "segnala sotto le immagini. Un clic sulla segnalazione apre l'elenco "
                       "\"Scadenze automezzi\": una riga per scadenza in ordine di data, in rosso "
                       "quelle già passate. Un doppio clic su una riga apre la scheda del "
                       "veicolo; l'elenco si può stampare ed esportare in un foglio di calcolo."),
        QStringLiteral("Nell'elenco dei veicoli disponibili, un veicolo con l'assicurazione o la "
                       "revisione scaduta resta in elenco, scritto in rosso e con l'indicazione "
                       "\"ASSICURAZIONE SCADUTA\" o \"REVISIONE SCADUTA\": non può circolare."),
    };
    return { QStringLiteral("Scadenze degli automezzi."), joinParagraphs(paragraphs) };
}

HelpTopic HelpStatistics()
{
    return { QStringLiteral("Grafici statistici dei transiti dei veicoli."),
             joinParagraphs(statisticsParagraphs()) };
}
