#include "varcanto_core.h"

#include "TestFolder.h"

#include <QTest>

class TestVehicleRecord : public QObject
{
    Q_OBJECT
private slots:
    void fieldsSitAtTheirOffsets()
    {
        // Fill every field with its own name and check the bytes by hand at
        // the offsets a fleet file holds them.
        VehicleRecord card;
        for (const auto &f : VehicleFields)
            card.*(f.member) = QString::fromLatin1(f.name).left(f.capacity);
        card.Disponibile = QStringLiteral("Sì");
        const QByteArray bytes = card.toBytes();
        QCOMPARE(bytes.size(), 3635);
        QCOMPARE(bytes.mid(0, 8), QByteArray("\x07Veicolo"));
        QCOMPARE(bytes.mid(255, 6), QByteArray("\x05Targa"));
        QCOMPARE(bytes.mid(1807, 8), QByteArray("\x07" "CodFisc"));
        QCOMPARE(bytes.mid(1875, 3), QByteArray("\x02\x53\xEC"));
        QCOMPARE(bytes.mid(1878, 5), QByteArray("\x04Note"));
        QCOMPARE(bytes.mid(2129, 7), QByteArray("\x06" "File01"));
        QCOMPARE(bytes.mid(2631, 7), QByteArray("\x06" "File03"));
        QCOMPARE(bytes.mid(2882, 7), QByteArray("\x06" "Desc01"));
        QCOMPARE(bytes.mid(3384, 7), QByteArray("\x06" "Desc03"));
        QCOMPARE(bytes.at(3634), '\0');
        const VehicleRecord back = VehicleRecord::fromBytes(bytes);
        for (const auto &f : VehicleFields)
            QCOMPARE(back.*(f.member), card.*(f.member));
    }

    void notAvailableIsStoredAsNo()
    {
        VehicleRecord card;
        card.Disponibile = QStringLiteral("No");
        QCOMPARE(card.toBytes().mid(1875, 3), QByteArray("\x02No"));
    }

    void archivePathIsFixed()
    {
        TempProgramFolder dir;
        QCOMPARE(FleetArchive::Path(), dir.folder() + "Flotta_Automezzi.pro");
    }
};

QTEST_GUILESS_MAIN(TestVehicleRecord)
#include "tst_vehiclerecord.moc"
