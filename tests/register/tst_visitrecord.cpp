#include "varcanto_core.h"

#include "TestFolder.h"

#include <QTest>

namespace {
// Writes one field by hand, as a record of the register holds it.
void put(QByteArray &bytes, int offset, int capacity, const QByteArray &text)
{
    bytes[offset] = char(text.size());
    bytes.replace(offset + 1, text.size(), text);
    Q_UNUSED(capacity);
}
} // namespace

class TestVisitRecord : public QObject
{
    Q_OBJECT
private slots:
    void readsAHandMadeCard()
    {
        QByteArray bytes(1366, '\0');
        put(bytes, 0, 10, "05/03/2021");
        put(bytes, 11, 5, "07:45");
        put(bytes, 17, 50, "Rossi");
        put(bytes, 68, 50, "Fiat Ducato");
        put(bytes, 119, 30, "AB123CD");
        put(bytes, 150, 50, "Bianchi");
        put(bytes, 201, 250, "Verdi");
        put(bytes, 452, 250, "Pallet");
        put(bytes, 703, 50, "F-12");
        put(bytes, 754, 120, "T1 T2");
        put(bytes, 875, 120, "Magazzino");
        put(bytes, 996, 50, "333 1234567");
        put(bytes, 1047, 250, "Documento lasciato in portineria");
        put(bytes, 1298, 10, "05/03/2021");
        put(bytes, 1309, 5, "09:10");
        put(bytes, 1315, 50, "Neri \xE8");
        const VisitRecord card = VisitRecord::fromBytes(bytes);
        const QStringList expected = {"05/03/2021", "07:45", "Rossi", "Fiat Ducato", "AB123CD", "Bianchi",
                                      "Verdi", "Pallet", "F-12", "T1 T2", "Magazzino", "333 1234567",
                                      "Documento lasciato in portineria", "05/03/2021", "09:10", "Neri è"};
        for (int i = 0; i < 16; ++i)
            QCOMPARE(card.*(VisitFields[i].member), expected[i]);
        // Written back, the card is byte for byte the hand-made one.
        QCOMPARE(card.toBytes(), bytes);
    }

    void cardWithOnlyMandatoryFieldsStoresEmptyOptionalFields()
    {
        VisitRecord card;
        card.DataEnt = "01/01/2022";
        card.OraEnt = "8.30";
        card.Veicolo = "Panda";
        card.Targa = "ZZ999ZZ";
        const QByteArray bytes = card.toBytes();
        QCOMPARE(bytes.size(), 1366);
        QCOMPARE(bytes.mid(11, 6), QByteArray("\x04" "8.30\0", 6));
        for (int i = 5; i < 16; ++i)
            QCOMPARE(int(bytes[VisitFields[i].offset]), 0);
    }

    void archivePathIsYearPlusExtensionInTheProgramFolder()
    {
        TempProgramFolder dir;
        QCOMPARE(YearArchive::PathFor(" 2021 "), dir.folder() + "2021.vis");
    }
};

QTEST_GUILESS_MAIN(TestVisitRecord)
#include "tst_visitrecord.moc"
