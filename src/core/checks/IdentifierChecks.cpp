#include "core/checks/IdentifierChecks.h"

#include <array>

namespace {
// Values of the characters '0' to 'Z' (codes 48 to 90) in the odd places
// (1st, 3rd, ... 15th) and in the even places of a fiscal code. The seven
// characters between '9' and 'A' are worth nothing.
constexpr std::array<int, 43> OddValues = {
    1, 0, 5, 7, 9, 13, 15, 17, 19, 21,                                   // 0-9
    0, 0, 0, 0, 0, 0, 0,                                                 // : ; < = > ? @
    1, 0, 5, 7, 9, 13, 15, 17, 19, 21, 2, 4, 18, 20, 11, 3, 6, 8, 12,    // A-S
    14, 16, 10, 22, 25, 24, 23};                                         // T-Z
constexpr std::array<int, 43> EvenValues = {
    0, 1, 2, 3, 4, 5, 6, 7, 8, 9,                                        // 0-9
    0, 0, 0, 0, 0, 0, 0,                                                 // : ; < = > ? @
    0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18,    // A-S
    19, 20, 21, 22, 23, 24, 25};                                         // T-Z

struct VatOffice {
    const char *number;
    const char *name; // UTF-8
};

constexpr VatOffice VatOfficeTable[] = {
    {"001", "Torino"}, {"002", "Vercelli"}, {"003", "Novara"}, {"004", "Cuneo"}, {"005", "Asti"},
    {"006", "Alessandria"}, {"007", "Aosta"}, {"008", "Imperia"}, {"009", "Savona"}, {"010", "Genova 1"},
    {"011", "La Spezia"}, {"012", "Varese"}, {"013", "Como"}, {"014", "Sondrio"}, {"015", "Milano 1"},
    {"016", "Bergamo"}, {"017", "Brescia 1"}, {"018", "Pavia"}, {"019", "Cremona"}, {"020", "Mantova"},
    {"021", "Bolzano"}, {"022", "Trento"}, {"023", "Verona"}, {"024", "Vicenza"}, {"025", "Belluno"},
    {"026", "Treviso"}, {"027", "Venezia"}, {"028", "Padova"}, {"029", "Rovigo"}, {"030", "Udine"},
    {"031", "Gorizia"}, {"032", "Trieste"}, {"033", "Piacenza"}, {"034", "Parma"}, {"035", "Reggio Emilia"},
    {"036", "Modena"}, {"037", "Bologna 1"}, {"038", "Ferrara"}, {"039", "Ravenna"}, {"040", "Forlì"},
    {"041", "Pesaro"}, {"042", "Ancona"}, {"043", "Macerata"}, {"044", "Ascoli Piceno"}, {"045", "Massa Carrara"},
    {"046", "Lucca"}, {"047", "Pistoia"}, {"048", "Firenze 1"}, {"049", "Livorno"}, {"050", "Pisa"},
    {"051", "Arezzo"}, {"052", "Siena"}, {"053", "Grosseto"}, {"054", "Perugia"}, {"055", "Terni"},
    {"056", "Viterbo"}, {"057", "Rieti"}, {"058", "Roma 1"}, {"059", "Latina"}, {"060", "Frosinone"},
    {"061", "Caserta"}, {"062", "Benevento"}, {"063", "Napoli 1"}, {"064", "Avellino"}, {"065", "Salerno"},
    {"066", "Aquila"}, {"067", "Teramo"}, {"068", "Pescara"}, {"069", "Chieti"}, {"070", "Campobasso"},
    {"071", "Foggia"}, {"072", "Bari"}, {"073", "Taranto"}, {"074", "Brindisi"}, {"075", "Lecce"},
    {"076", "Potenza"}, {"077", "Matera"}, {"078", "Cosenza"}, {"079", "Catanzaro"}, {"080", "Reggio Calabria"},
    {"081", "Trapani"}, {"082", "Palermo"}, {"083", "Messina"}, {"084", "Agrigento"}, {"085", "Caltanissetta"},
    {"086", "Enna"}, {"087", "Catania"}, {"088", "Ragusa"}, {"089", "Siracusa"}, {"090", "Sassari"},
    {"091", "Nuoro"}, {"092", "Cagliari"}, {"093", "Pordenone"}, {"094", "Isernia"}, {"095", "Oristano"},
    {"096", "Monza (Milano 2)"}, {"097", "Prato (Firenze 2)"}, {"098", "Brescia 2"}, {"099", "Chiavari (Genova 2)"},
    {"100", "Roma 2"}, {"101", "Bologna 2"}, {"102", "Napoli 2"}, {"120", "Bologna 2"}, {"121", "Napoli 2"},
};
static_assert(std::size(VatOfficeTable) == 104);

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}
} // namespace

bool CheckFiscalCode(const QString &code)
{
    if (code.size() != 16)
        return false;
    int sum = 0;
    for (int i = 0; i < 15; ++i) {
        const char16_t c = code.at(i).unicode();
        if (c < u'0' || c > u'Z')
            return false;
        // Place 1 (index 0) is an odd place.
        sum += (i % 2 == 0 ? OddValues : EvenValues)[c - u'0'];
    }
    return code.at(15) == QChar(u'A' + sum % 26);
}

bool CheckVatNumber(const QString &number)
{
    if (number.size() != 11)
        return false;
    for (QChar c : number) {
        if (!isDigit(c))
            return false;
    }
    int sum = 0;
    for (int i = 0; i < 10; ++i) {
        const int d = number.at(i).unicode() - u'0';
        if (i % 2 == 0) {
            sum += d;
        } else {
            const int t = 2 * d;
            sum += t / 10 + t % 10;
        }
    }
    const int c = sum % 10;
    const int check = c == 0 ? 0 : 10 - c;
    return number.at(10).unicode() - u'0' == check;
}

QString VatOfficeName(const QString &officeNumber)
{
    for (const VatOffice &office : VatOfficeTable) {
        if (officeNumber == QLatin1String(office.number))
            return QString::fromUtf8(office.name);
    }
    return {};
}
