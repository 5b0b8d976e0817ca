#include "catalogues/catalogues.h"
#include "fields/numbers.h"

#include <QTest>

#include "../support/runner.h"

using namespace vorlo;

// Expected rows as the catalogue tables print them; each value also as the plain text a field
// shows, which must read back to the same double.
class TestCatalogues : public QObject {
    Q_OBJECT
  private slots:
    void materials_data() {
        QTest::addColumn<int>("fila");
        QTest::addColumn<QString>("espanol");
        QTest::addColumn<QString>("ingles");
        QTest::addColumn<double>("rugosidad");
        QTest::addColumn<QString>("plano");
        QTest::newRow("Steel") << 0 << QStringLiteral("Acero") << QStringLiteral("Steel") << 0.046
                               << QStringLiteral("0,046");
        QTest::newRow("Galvanized Steel")
            << 1 << QStringLiteral("Acero Galvanizado") << QStringLiteral("Galvanized Steel")
            << 0.15 << QStringLiteral("0,15");
        QTest::newRow("Stainless Steel")
            << 2 << QStringLiteral("Acero Inoxidable") << QStringLiteral("Stainless Steel") << 0.045
            << QStringLiteral("0,045");
        QTest::newRow("Copper") << 3 << QStringLiteral("Cobre") << QStringLiteral("Copper")
                                << 0.0015 << QStringLiteral("0,0015");
        QTest::newRow("Cast") << 4 << QStringLiteral("Fundición") << QStringLiteral("Cast") << 0.26
                              << QStringLiteral("0,26");
        QTest::newRow("Concrete") << 5 << QStringLiteral("Hormigón") << QStringLiteral("Concrete")
                                  << 0.4 << QStringLiteral("0,4");
        QTest::newRow("Polyethylene")
            << 6 << QStringLiteral("Polietileno") << QStringLiteral("Polyethylene") << 0.001
            << QStringLiteral("0,001");
        QTest::newRow("PVC") << 7 << QStringLiteral("PVC") << QStringLiteral("PVC") << 0.005
                             << QStringLiteral("0,005");
        QTest::newRow("Glass") << 8 << QStringLiteral("Vidrio") << QStringLiteral("Glass") << 0.0001
                               << QStringLiteral("0,0001");
    }
    void materials() {
        QFETCH(int, fila);
        QFETCH(QString, espanol);
        QFETCH(QString, ingles);
        QFETCH(double, rugosidad);
        QFETCH(QString, plano);
        const QList<Material> &m = catalogoMateriales();
        QCOMPARE(m.size(), 9);
        QCOMPARE(m.at(fila).nombre.espanol, espanol);
        QCOMPARE(m.at(fila).nombre.ingles, ingles);
        QVERIFY(m.at(fila).rugosidad == rugosidad);
        QCOMPARE(formatoPlano(m.at(fila).rugosidad), plano);
        QVERIFY(leerNumero(plano) == rugosidad);
    }

    void water_data() {
        QTest::addColumn<int>("fila");
        QTest::addColumn<QString>("espanol");
        QTest::addColumn<QString>("ingles");
        QTest::addColumn<double>("densidad");
        QTest::addColumn<double>("viscosidad");
        QTest::addColumn<QString>("densidadPlana");
        QTest::addColumn<QString>("viscosidadPlana");
        QTest::newRow("Water  0ºC")
            << 0 << QStringLiteral("Agua   0ºC") << QStringLiteral("Water   0ºC") << 999.8
            << 0.001792 << QStringLiteral("999,8") << QStringLiteral("0,001792");
        QTest::newRow("Water  5ºC")
            << 1 << QStringLiteral("Agua   5ºC") << QStringLiteral("Water   5ºC") << 1000.0
            << 0.001519 << QStringLiteral("1000") << QStringLiteral("0,001519");
        QTest::newRow("Water 10ºC")
            << 2 << QStringLiteral("Agua  10ºC") << QStringLiteral("Water  10ºC") << 999.7
            << 0.0013067 << QStringLiteral("999,7") << QStringLiteral("0,0013067");
        QTest::newRow("Water 15ºC")
            << 3 << QStringLiteral("Agua  15ºC") << QStringLiteral("Water  15ºC") << 999.1
            << 0.001139 << QStringLiteral("999,1") << QStringLiteral("0,001139");
        QTest::newRow("Water 20ºC")
            << 4 << QStringLiteral("Agua  20ºC") << QStringLiteral("Water  20ºC") << 998.2
            << 0.001002 << QStringLiteral("998,2") << QStringLiteral("0,001002");
        QTest::newRow("Water 25ºC")
            << 5 << QStringLiteral("Agua  25ºC") << QStringLiteral("Water  25ºC") << 997.0
            << 0.00089 << QStringLiteral("997") << QStringLiteral("0,00089");
        QTest::newRow("Water 30ºC")
            << 6 << QStringLiteral("Agua  30ºC") << QStringLiteral("Water  30ºC") << 995.7
            << 0.0007978 << QStringLiteral("995,7") << QStringLiteral("0,0007978");
        QTest::newRow("Water 40ºC")
            << 7 << QStringLiteral("Agua  40ºC") << QStringLiteral("Water  40ºC") << 992.2
            << 0.0006527 << QStringLiteral("992,2") << QStringLiteral("0,0006527");
        QTest::newRow("Water 50ºC")
            << 8 << QStringLiteral("Agua  50ºC") << QStringLiteral("Water  50ºC") << 988.0
            << 0.0005471 << QStringLiteral("988") << QStringLiteral("0,0005471");
        QTest::newRow("Water 60ºC")
            << 9 << QStringLiteral("Agua  60ºC") << QStringLiteral("Water  60ºC") << 983.2
            << 0.0004668 << QStringLiteral("983,2") << QStringLiteral("0,0004668");
        QTest::newRow("Water 70ºC")
            << 10 << QStringLiteral("Agua  70ºC") << QStringLiteral("Water  70ºC") << 977.8
            << 0.0004044 << QStringLiteral("977,8") << QStringLiteral("0,0004044");
        QTest::newRow("Water 80ºC")
            << 11 << QStringLiteral("Agua  80ºC") << QStringLiteral("Water  80ºC") << 971.8
            << 0.000355 << QStringLiteral("971,8") << QStringLiteral("0,000355");
        QTest::newRow("Water 90ºC")
            << 12 << QStringLiteral("Agua  90ºC") << QStringLiteral("Water  90ºC") << 965.3
            << 0.000315 << QStringLiteral("965,3") << QStringLiteral("0,000315");
        QTest::newRow("Water 100ºC")
            << 13 << QStringLiteral("Agua 100ºC") << QStringLiteral("Water 100ºC") << 958.4
            << 0.000282 << QStringLiteral("958,4") << QStringLiteral("0,000282");
    }
    void water() {
        QFETCH(int, fila);
        QFETCH(QString, espanol);
        QFETCH(QString, ingles);
        QFETCH(double, densidad);
        QFETCH(double, viscosidad);
        QFETCH(QString, densidadPlana);
        QFETCH(QString, viscosidadPlana);
        const QList<Liquido> &l = catalogoLiquidos();
        QCOMPARE(l.size(), 14);
        QCOMPARE(l.at(fila).nombre.espanol, espanol);
        QCOMPARE(l.at(fila).nombre.ingles, ingles);
        QVERIFY(l.at(fila).densidad == densidad);
        QVERIFY(l.at(fila).viscosidad == viscosidad);
        QCOMPARE(formatoPlano(l.at(fila).densidad), densidadPlana);
        QCOMPARE(formatoPlano(l.at(fila).viscosidad), viscosidadPlana);
        QVERIFY(leerNumero(viscosidadPlana) == viscosidad);
    }

    void gases_data() {
        QTest::addColumn<int>("fila");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<int>("espaciosFinales");
        QTest::addColumn<double>("viscosidad");
        QTest::addColumn<QString>("plano");
        QTest::newRow("0") << 0 << QStringLiteral("Gas Natural S.G.=0.75  0ºC") << 0 << 1.064e-05
                           << QStringLiteral("1,064E-05");
        QTest::newRow("1") << 1 << QStringLiteral("Gas Natural S.G.=0.75 15ºC  ") << 2
                           << 1.16142e-05 << QStringLiteral("1,16142E-05");
        QTest::newRow("2") << 2 << QStringLiteral("Gas Natural S.G.=0.75 20ºC") << 0 << 1.12514e-05
                           << QStringLiteral("1,12514E-05");
        QTest::newRow("3") << 3 << QStringLiteral("Aire  0ºC") << 0 << 1.72e-05
                           << QStringLiteral("1,72E-05");
        QTest::newRow("4") << 4 << QStringLiteral("Aire 10ºC ") << 1 << 1.7703e-05
                           << QStringLiteral("1,7703E-05");
        QTest::newRow("5") << 5 << QStringLiteral("Aire 20ºC") << 0 << 1.8198e-05
                           << QStringLiteral("1,8198E-05");
        QTest::newRow("6") << 6 << QStringLiteral("Aire 30ºC ") << 1 << 1.8684e-05
                           << QStringLiteral("1,8684E-05");
        QTest::newRow("7") << 7 << QStringLiteral("Aire 40ºC") << 0 << 1.9164e-05
                           << QStringLiteral("1,9164E-05");
        QTest::newRow("8") << 8 << QStringLiteral("Aire 50ºC") << 0 << 1.9635e-05
                           << QStringLiteral("1,9635E-05");
        QTest::newRow("9") << 9 << QStringLiteral("Vapor 150ºC ") << 1 << 1.41812e-05
                           << QStringLiteral("1,41812E-05");
        QTest::newRow("10") << 10 << QStringLiteral("Vapor 200ºC ") << 1 << 1.61752e-05
                            << QStringLiteral("1,61752E-05");
        QTest::newRow("11") << 11 << QStringLiteral("Vapor 250ºC ") << 1 << 1.82183e-05
                            << QStringLiteral("1,82183E-05");
        QTest::newRow("12") << 12 << QStringLiteral("Vapor 300ºC ") << 1 << 2.02883e-05
                            << QStringLiteral("2,02883E-05");
        QTest::newRow("13") << 13 << QStringLiteral("Vapor 350ºC ") << 1 << 2.2369e-05
                            << QStringLiteral("2,2369E-05");
        QTest::newRow("14") << 14 << QStringLiteral("Vapor 400ºC ") << 1 << 2.44487e-05
                            << QStringLiteral("2,44487E-05");
        QTest::newRow("15") << 15 << QStringLiteral("Vapor 450ºC ") << 1 << 2.65187e-05
                            << QStringLiteral("2,65187E-05");
        QTest::newRow("16") << 16 << QStringLiteral("Vapor 500ºC ") << 1 << 2.85725e-05
                            << QStringLiteral("2,85725E-05");
    }
    void gases() {
        QFETCH(int, fila);
        QFETCH(QString, texto);
        QFETCH(int, espaciosFinales);
        QFETCH(double, viscosidad);
        QFETCH(QString, plano);
        const QList<GasCatalogo> &g = catalogoGases();
        QCOMPARE(g.size(), 17);
        QCOMPARE(g.at(fila).texto, texto);
        const QString &t = g.at(fila).texto;
        QCOMPARE(t.size() - t.trimmed().size(), espaciosFinales);
        QVERIFY(g.at(fila).viscosidad == viscosidad);
        QCOMPARE(formatoPlano(g.at(fila).viscosidad), plano);
        QVERIFY(leerNumero(plano) == viscosidad);
    }

    // The temperatures line up: the digits end in the same column in every row.
    void water_temperatures_line_up() {
        for (const Liquido &l : catalogoLiquidos()) {
            QCOMPARE(l.nombre.espanol.size(), 10);
            QCOMPARE(l.nombre.ingles.size(), 11);
            QVERIFY(l.nombre.espanol.startsWith(QStringLiteral("Agua ")));
            QVERIFY(l.nombre.ingles.endsWith(l.nombre.espanol.mid(4)));
        }
    }
};

VORLO_PRUEBA(TestCatalogues, SinAplicacion)
#include "tst_catalogues.moc"
