#include "units/conversionuds.h"

#include <QTest>

#include "../support/runner.h"
#include <cmath>
#include <limits>

using namespace vorlo;

namespace {
// Exact comparison of doubles, shown with all 17 digits when it fails (QCOMPARE on doubles is
// fuzzy).
QString exacto(double x) {
    return QString::number(x, 'g', 17);
}
} // namespace

class TestUnits : public QObject {
    Q_OBJECT
  private slots:
    void lists_every_kind_in_order_data() {
        QTest::addColumn<QString>("magnitud");
        QTest::addColumn<QStringList>("unidades");
        QTest::newRow("CAUDAL") << "CAUDAL"
                                << QStringList{"m3/h", "l/s", "l/min", "ft3/min", "ft3/h"};
        QTest::newRow("PRESION") << "PRESION"
                                 << QStringList{"bar",  "psi",   "kPa",  "MPa",   "kgf/cm2",
                                                "mmHg", "atm",   "mH2O", "ftH2O", "cmHg",
                                                "inHg", "inH2O", "Pa",   "mmH2O"};
        QTest::newRow("TEMPERATURA")
            << "TEMPERATURA"
            << QStringList{u"\u00baC"_qs, u"\u00baK"_qs, u"\u00baF"_qs, u"\u00baR"_qs};
        QTest::newRow("DENSIDAD") << "DENSIDAD" << QStringList{"kg/m3", "g/ml", "lb/ft3", "lb/in3"};
        QTest::newRow("CAUDAL_MASICO")
            << "CAUDAL_MASICO" << QStringList{"kg/h", "lb/h", "kg/s", "ton/h"};
        QTest::newRow("VISCOSIDAD")
            << "VISCOSIDAD" << QStringList{u"Pa\u00b7s"_qs, "cp", "poise", u"kg\u00b7s/m2"_qs};
        QTest::newRow("VISCOSIDADCINEMATICA")
            << "VISCOSIDADCINEMATICA" << QStringList{"m2/s", "stokes St", "cSt", "cm2/s", "ft2/s"};
        QTest::newRow("unknown kind") << "PRESIÓN" << QStringList{};
        QTest::newRow("lower case") << "presion" << QStringList{};
        QTest::newRow("empty") << "" << QStringList{};
    }
    void lists_every_kind_in_order() {
        QFETCH(QString, magnitud);
        QFETCH(QStringList, unidades);
        QCOMPARE(unidadesMagnitud(magnitud), unidades);
    }

    void seven_kinds_forty_distinct_units() {
        QCOMPARE(magnitudes(),
                 (QStringList{"CAUDAL", "PRESION", "TEMPERATURA", "DENSIDAD", "CAUDAL_MASICO",
                              "VISCOSIDAD", "VISCOSIDADCINEMATICA"}));
        QStringList todas;
        for (const QString &m : magnitudes()) {
            const QStringList u = unidadesMagnitud(m);
            QVERIFY(u.size() <= 18);
            todas += u;
        }
        QCOMPARE(todas.size(), 40);
        todas.removeDuplicates();
        QCOMPARE(todas.size(), 40);
    }

    void base_units_are_the_field_units() {
        // Every kind's first unit converts to itself unchanged.
        for (const QString &m : magnitudes()) {
            const QString base = unidadesMagnitud(m).first();
            QCOMPARE(exacto(convertiruds(12.5, base, base)), exacto(12.5));
        }
    }

    void converts_by_way_of_the_base_unit_data() {
        QTest::addColumn<double>("valor");
        QTest::addColumn<QString>("desde");
        QTest::addColumn<QString>("hacia");
        QTest::addColumn<double>("esperado");
        const QString C = u"\u00baC"_qs, K = u"\u00baK"_qs, F = u"\u00baF"_qs, R = u"\u00baR"_qs;
        QTest::newRow("0 C to K") << 0.0 << C << K << 273.15;
        QTest::newRow("0 C to F") << 0.0 << C << F << 32.0;
        QTest::newRow("0 C to R") << 0.0 << C << R << 491.66999999999996;
        QTest::newRow("-40 C to F") << -40.0 << C << F << -40.0;
        QTest::newRow("-40 F to C") << -40.0 << F << C << -40.0;
        QTest::newRow("-10 K to C") << -10.0 << K << C << -283.15;
        QTest::newRow("491.67 R to F") << 491.67 << R << F << 32.0;
        QTest::newRow("1 atm") << 1.0 << "atm"
                               << "bar" << 1.01324997;
        QTest::newRow("1 bar to psi") << 1.0 << "bar"
                                      << "psi" << 14.5037701825401;
        QTest::newRow("1000 mmH2O") << 1000.0 << "mmH2O"
                                    << "bar" << 0.098063;
        QTest::newRow("1 mH2O") << 1.0 << "mH2O"
                                << "bar" << 0.098063827;
        QTest::newRow("1 St to cSt") << 1.0 << "stokes St"
                                     << "cSt" << 100.00000000000001;
        QTest::newRow("1 kg.s/m2") << 1.0 << u"kg\u00b7s/m2"_qs << u"Pa\u00b7s"_qs << 9.81;
        QTest::newRow("1 ft3/min to ft3/h") << 1.0 << "ft3/min"
                                            << "ft3/h" << 59.99999996771881;
        QTest::newRow("1 l/s to l/min") << 1.0 << "l/s"
                                        << "l/min" << 60.00000000000001;
        // A division by the factor, not a product with its reciprocal (which gives
        // 0.30000000000000004 and 299999.99999999994).
        QTest::newRow("3 bar to MPa") << 3.0 << "bar"
                                      << "MPa" << 0.3;
        QTest::newRow("3 bar to Pa") << 3.0 << "bar"
                                     << "Pa" << 300000.0;
        QTest::newRow("negative psi") << -2.0 << "psi"
                                      << "bar" << -0.13789518;
        QTest::newRow("negative kg/s") << -5.0 << "kg/s"
                                       << "lb/h" << -39682.53968253968;
        QTest::newRow("1000 kg/m3 to lb/ft3") << 1000.0 << "kg/m3"
                                              << "lb/ft3" << 62.427960579886516;
        QTest::newRow("2 St to ft2/s") << 2.0 << "stokes St"
                                       << "ft2/s" << 0.0021527820834000002;
        QTest::newRow("250 cp to poise") << 250.0 << "cp"
                                         << "poise" << 2.5;
        QTest::newRow("1 ton/h") << 1.0 << "ton/h"
                                 << "kg/h" << 1000.0;
        QTest::newRow("1 lb/in3") << 1.0 << "lb/in3"
                                  << "g/ml" << 27.68;
        QTest::newRow("degree sign from") << 5.0 << u"\u00b0C"_qs << K << 0.0;
        QTest::newRow("degree sign to") << 5.0 << C << u"\u00b0C"_qs << 0.0;
        QTest::newRow("Bar") << 5.0 << "Bar"
                             << "psi" << 0.0;
        QTest::newRow("to Bar") << 5.0 << "psi"
                                << "Bar" << 0.0;
        QTest::newRow("empty from") << 5.0 << ""
                                    << "bar" << 0.0;
        QTest::newRow("empty to") << 5.0 << "bar"
                                  << "" << 0.0;
        QTest::newRow("unknown from, temperature to") << 5.0 << "x" << K << 0.0;
        QTest::newRow("unknown from, Rankine") << 5.0 << "" << R << 0.0;
    }
    void converts_by_way_of_the_base_unit() {
        QFETCH(double, valor);
        QFETCH(QString, desde);
        QFETCH(QString, hacia);
        QFETCH(double, esperado);
        QCOMPARE(exacto(convertiruds(valor, desde, hacia)), exacto(esperado));
    }

    void shown_forms_of_the_examples() {
        const QString C = u"\u00baC"_qs;
        QCOMPARE(FormatoResultado(convertiruds(0, C, u"\u00baR"_qs)), "491,6700");
        QCOMPARE(FormatoResultado(convertiruds(0, C, u"\u00baK"_qs)), "273,1500");
        QCOMPARE(FormatoResultado(convertiruds(1, "stokes St", "cSt")), "100,0000");
        QCOMPARE(FormatoResultado(convertiruds(1, "ft3/min", "ft3/h")), "60,00000");
    }

    void leaving_the_range_of_a_double_shows_nothing() {
        const double inf = convertiruds(1e308, "MPa", "bar");
        QVERIFY(std::isinf(inf));
        QCOMPARE(FormatoResultado(inf), QString());
        QVERIFY(std::isinf(convertiruds(-1.7e308, "bar", "Pa")));
        QCOMPARE(FormatoResultado(convertiruds(-1.7e308, "bar", "Pa")), QString());
        QVERIFY(std::isinf(convertiruds(1.7e308, u"\u00baC"_qs, u"\u00baF"_qs)));
        // The largest double in its own unit stays as it is.
        const double max = std::numeric_limits<double>::max();
        QCOMPARE(exacto(convertiruds(max, "bar", "bar")), exacto(max));
    }

    void absolute_zero_in_each_temperature_unit_data() {
        QTest::addColumn<QString>("unidad");
        QTest::addColumn<double>("cero");
        QTest::newRow("C") << u"\u00baC"_qs << -273.15;
        QTest::newRow("K") << u"\u00baK"_qs << 0.0;
        QTest::newRow("F") << u"\u00baF"_qs << -459.67;
        QTest::newRow("R") << u"\u00baR"_qs << 0.0;
    }
    void absolute_zero_in_each_temperature_unit() {
        QFETCH(QString, unidad);
        QFETCH(double, cero);
        QCOMPARE(ceroAbsoluto(unidad), std::optional<double>(cero));
        // Absolute zero in any unit is not below -273.15 ºC as the converter shows it.
        const QString enC = FormatoResultado(convertiruds(cero, unidad, u"\u00baC"_qs));
        QCOMPARE(enC, "-2,73150e+2");
    }

    void absolute_zero_of_other_units_is_none() {
        QCOMPARE(ceroAbsoluto("bar"), std::nullopt);
        QCOMPARE(ceroAbsoluto(u"\u00b0C"_qs), std::nullopt);
        QCOMPARE(ceroAbsoluto(""), std::nullopt);
    }
};

VORLO_PRUEBA(TestUnits, Nucleo)
#include "tst_units.moc"
