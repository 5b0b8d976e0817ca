#include "commands.h"
#include "size_command.h"

#include "../support/cli_fixture.h"

#include <QBuffer>
#include <QLocale>
#include <QRegularExpression>
#include <QTest>

#include "../support/runner.h"
#include <QTextStream>
#include <cmath>

using namespace vorlo::cli;

namespace {

using vorlo::prueba::Resultado;

Resultado ejecutar(const QStringList &opciones) {
    return vorlo::prueba::ejecutar(&comandoSize, QStringLiteral("size"), opciones);
}

// 50 m3/h of water in steel: the default ASME B36.10M Sch 40.
const QStringList kAgua = {"--q",         "50",    "--density",   "998",
                           "--viscosity", "0.001", "--roughness", "0.045"};
const QString kCabecera =
    QStringLiteral("standard,nps,dn,schedule,id_mm,velocity_m_s,re,f,dp_bar_per_100m,meets");
constexpr double kVacio = -1; // an empty CSV field

} // namespace

class TestSizeCommand : public QObject {
    Q_OBJECT
  private slots:
    void listed_among_the_commands() {
        const Comando *c = buscarComando(QStringLiteral("size"));
        QVERIFY(c && c->ejecutar == &comandoSize && !c->dibuja);
    }

    // Expected numbers from the hand computation in tests/core/tst_sizing.cpp (mpmath); every
    // number must read back as written (shortest round trip).
    void rows_data() {
        QTest::addColumn<QStringList>("opciones");
        QTest::addColumn<QString>("inicio");        // standard,nps,dn,schedule,id_mm
        QTest::addColumn<QList<double>>("numeros"); // velocity, re, f, dp
        QTest::addColumn<QString>("cumple");
        QTest::newRow("4\" Sch 40")
            << kAgua + QStringList{"--vmax", "2"} << "ASME B36.10M,4,100,40,102.26"
            << QList<double>{1.6910873677694726, 172584.73303965006, 0.018788430684786652,
                             0.26219074342819128}
            << "yes";
        QTest::newRow("DN 50 EN 10255 M")
            << QStringList{"--q",         "8",     "--density",  "998",    "--viscosity", "1e-3",
                           "--roughness", "0.015", "--standard", "en 102", "--schedule",  "m"}
            << "EN 10255,,50,M,53.1"
            << QList<double>{1.0034796338935468, 53178.199022627843, 0.021616214044149422,
                             0.20455155343279342}
            << "yes";
        QTest::newRow("1/8\" without f")
            << QStringList{"--q",   "50",          "--density", "998",     "--viscosity",
                           "0.001", "--roughness", "30",        "--dpmax", "1e12"}
            << "ASME B36.10M,0.125,6,40,6.84"
            << QList<double>{377.97703921219668, 2580192.2223150024, kVacio, kVacio} << "no";
    }
    void rows() {
        QFETCH(QStringList, opciones);
        QFETCH(QString, inicio);
        QFETCH(QList<double>, numeros);
        QFETCH(QString, cumple);
        const Resultado r = ejecutar(opciones);
        QCOMPARE(r.codigo, int(Hecho));
        QCOMPARE(r.lineas().first(), kCabecera);
        const QStringList encontradas = r.lineas().filter(
            QRegularExpression(QStringLiteral("^%1,").arg(QRegularExpression::escape(inicio))));
        QCOMPARE(encontradas.size(), 1);
        const QStringList c = encontradas.first().split(QLatin1Char(','));
        QCOMPARE(c.size(), 10);
        for (int i = 0; i < 4; ++i) {
            const QString campo = c.at(5 + i);
            if (numeros.at(i) == kVacio) {
                QCOMPARE(campo, QString());
                continue;
            }
            bool ok = false;
            const double x = campo.toDouble(&ok);
            QVERIFY2(ok && std::abs(x - numeros.at(i)) <= 1e-13 * numeros.at(i), qPrintable(campo));
            QCOMPARE(QString::number(x, 'g', QLocale::FloatingPointShortest), campo);
        }
        QCOMPARE(c.at(9), cumple);
    }

    // Row counts and the pick line; the same limits as the core's pick table.
    void pick_data() {
        QTest::addColumn<QStringList>("opciones");
        QTest::addColumn<int>("filas");
        QTest::addColumn<QString>("eleccion");
        QTest::newRow("velocity") << kAgua + QStringList{"--vmax", "2"} << 26
                                  << "pick: 4\" Sch 40 — 1.69 m/s, 0.262 bar/100 m";
        QTest::newRow("drop") << kAgua + QStringList{"--dpmax", "0.5"} << 26
                              << "pick: 3 1/2\" Sch 40 — 2.18 m/s, 0.495 bar/100 m";
        QTest::newRow("none") << kAgua + QStringList{"--vmax", "0.01"} << 26
                              << "no size meets the criteria";
        QTest::newRow("no limits: no pick")
            << kAgua << 26 << "no pick: a limit is needed (--vmax or --dpmax)";
        // A service fills the limits (3 m/s, 1 bar/100 m: 3" has 1,033); a limit given wins.
        QTest::newRow("pump discharge") << kAgua + QStringList{"--service", "pump-discharge"} << 26
                                        << "pick: 3 1/2\" Sch 40 — 2.18 m/s, 0.495 bar/100 m";
        QTest::newRow("pump discharge, vmax 2")
            << kAgua + QStringList{"--service", "pump-discharge", "--vmax", "2"} << 26
            << "pick: 4\" Sch 40 — 1.69 m/s, 0.262 bar/100 m";
        QTest::newRow("B36.19M: 40S by default")
            << kAgua + QStringList{"--standard", "asme b36.19", "--vmax", "2"} << 23
            << "pick: 4\" Sch 40S — 1.69 m/s, 0.262 bar/100 m";
        // ε/D above 0,05 up to 1/2" (1/15,80 mm): said after the pick.
        QTest::newRow("rough: extrapolated sizes")
            << kAgua.mid(0, 6) + QStringList{"--roughness", "1", "--vmax", "3"} << 26
            << "pick: 3\" Sch 40 — 2.91 m/s, 2.26 bar/100 m\nwarning: ε/D above 0.05 up to 1/2\" "
               "Sch 40: the Colebrook factor of those sizes is extrapolated beyond the Moody chart";
        QTest::newRow("XS, any case") << kAgua + QStringList{"--schedule", "xs", "--vmax", "2"}
                                      << 36 << "pick: 4\" XS — 1.87 m/s, 0.339 bar/100 m";
    }
    // A flow so large that Re and the drop overflow: no "inf" in the CSV, no size picked.
    void overflowing_rows_print_no_inf() {
        const Resultado r =
            ejecutar(QStringList{"--q", "1e306"} + kAgua.mid(2) + QStringList{"--vmax", "1e308"});
        QCOMPARE(r.codigo, int(Hecho));
        QVERIFY2(!r.salida.contains("inf") && !r.salida.contains("nan"), qPrintable(r.salida));
        QVERIFY(!r.salida.contains(",yes"));
        QCOMPARE(r.errores, "no size meets the criteria\n");
    }

    void pick() {
        QFETCH(QStringList, opciones);
        QFETCH(int, filas);
        QFETCH(QString, eleccion);
        const Resultado r = ejecutar(opciones);
        QCOMPARE(r.codigo, int(Hecho));
        QCOMPARE(r.lineas().size(), filas + 1);
        QCOMPARE(r.errores, eleccion + QLatin1Char('\n'));
    }

    void wrong_usage_data() {
        QTest::addColumn<QStringList>("opciones");
        QTest::addColumn<QString>("mensaje");
        QTest::newRow("missing flow") << kAgua.mid(2) << "missing --q (flow rate, m3/h)";
        QTest::newRow("missing roughness") << kAgua.mid(0, 6) << "missing --roughness";
        QTest::newRow("unreadable")
            << kAgua + QStringList{"--vmax", "2,5"} << "--vmax: '2,5' is not a number";
        QTest::newRow("not finite")
            << kAgua + QStringList{"--dpmax", "inf"} << "--dpmax: 'inf' is not a number";
        QTest::newRow("zero density")
            << QStringList{"--density", "0"} + kAgua.mid(4) + kAgua.mid(0, 2)
            << "--density must be above 0, not '0'";
        QTest::newRow("negative roughness") << kAgua.mid(0, 6) + QStringList{"--roughness", "-1"}
                                            << "--roughness must be at least 0, not '-1'";
        QTest::newRow("unknown standard")
            << kAgua + QStringList{"--standard", "DIN"} << "no standard begins with 'DIN'";
        QTest::newRow("two standards")
            << kAgua + QStringList{"--standard", "asme"} << "'asme' begins more than one standard";
        QTest::newRow("unknown schedule")
            << kAgua + QStringList{"--schedule", "40S"} << "ASME B36.10M has no schedule '40S'";
        QTest::newRow("stray argument") << kAgua + QStringList{"4"} << "unexpected argument '4'";
        QTest::newRow("unknown service") << kAgua + QStringList{"--service", "brine"}
                                         << "no service 'brine'; the services are pump-suction,";
    }
    void wrong_usage() {
        QFETCH(QStringList, opciones);
        QFETCH(QString, mensaje);
        // The reason comes first, right after the command's name.
        const Resultado r = ejecutar(opciones);
        vorlo::prueba::usoIncorrecto(r, QStringLiteral("size"), mensaje);
        QVERIFY2(r.errores.startsWith(QStringLiteral("vorlo size: ") + mensaje),
                 qPrintable(r.errores));
    }

    void output_that_cannot_be_written() {
        vorlo::prueba::salidaImposible(&comandoSize, QStringList{"size"} + kAgua);
    }
};

VORLO_PRUEBA(TestSizeCommand, Nucleo)
#include "tst_size_command.moc"
