#include "commands.h"
#include "water/water_state.h"
#include "water_command.h"

#include "../support/cli_fixture.h"

#include <QBuffer>
#include <QLocale>
#include <QRegularExpression>
#include <QTest>

#include "../support/runner.h"
#include <QTextStream>
#include <cmath>

using namespace vorlo;
using namespace vorlo::cli;

namespace {

struct Resultado : prueba::Resultado {
    // The value and unit of a key's line; empty when the key has no line.
    QStringList linea(const QString &clave) const {
        for (const QString &l : lineas())
            if (l.startsWith(clave + QLatin1Char('\t')))
                return l.split(QLatin1Char('\t')).mid(1);
        return {};
    }
};

Resultado ejecutar(const QStringList &opciones) {
    return {prueba::ejecutar(&comandoWater, QStringLiteral("water"), opciones)};
}

const QStringList kClaves = {"region",
                             "phase",
                             "density",
                             "specific_volume",
                             "enthalpy",
                             "entropy",
                             "cp",
                             "speed_of_sound",
                             "dynamic_viscosity",
                             "kinematic_viscosity",
                             "saturation_temperature",
                             "saturation_pressure"};

} // namespace

class TestWaterCommand : public QObject {
    Q_OBJECT
  private slots:
    void listed_among_the_commands() {
        const Comando *c = buscarComando(QStringLiteral("water"));
        QVERIFY(c);
        QVERIFY(c->ejecutar == &comandoWater);
        QVERIFY(!c->dibuja);
        QVERIFY(!c->resumen.isEmpty());
    }

    // Lines against the IAPWS-IF97 verification tables (R7-97(2012) Tables 5, 15, 33, 42 and
    // 36), converted to the command's units: 300 K = 26.85 ºC, 3 MPa = 30 bar, and so on.
    void published_values_data() {
        QTest::addColumn<QString>("opciones");
        QTest::addColumn<QString>("clave");
        QTest::addColumn<double>("impreso");
        QTest::addColumn<double>("relativa"); // about half a unit of the last printed digit
        QTest::addColumn<QString>("unidad");
        QTest::newRow("T5 v") << "--t 26.85 --p 30"
                              << "specific_volume" << 0.100215168e-2 << 5e-9 << "m3/kg";
        QTest::newRow("T5 cp") << "--t 26.85 --p 30"
                               << "cp" << 4.17301218 << 5e-9 << "kJ/(kg·K)";
        QTest::newRow("T15 h") << "--t 426.85 --p 0.035"
                               << "enthalpy" << 3335.68375 << 5e-9 << "kJ/kg";
        QTest::newRow("T42 w") << "--t 1226.85 --p 300"
                               << "speed_of_sound" << 928.548002 << 5e-9 << "m/s";
        // Region 3 from the printed pressure: as close as its nine digits allow.
        QTest::newRow("T33 rho") << "--t 376.85 --p 255.837018"
                                 << "density" << 500.0 << 1e-7 << "kg/m3";
        QTest::newRow("T36 Tsat") << "--t 20 --p 10"
                                  << "saturation_temperature" << 179.885632 << 3e-9 << "ºC";
    }
    void published_values() {
        QFETCH(QString, opciones);
        QFETCH(QString, clave);
        QFETCH(double, impreso);
        QFETCH(double, relativa);
        QFETCH(QString, unidad);
        const Resultado r = ejecutar(opciones.split(' '));
        QCOMPARE(r.codigo, int(Hecho));
        const QStringList l = r.linea(clave);
        QCOMPARE(l.value(1), unidad);
        bool ok = false;
        const double x = QLocale::c().toDouble(l[0], &ok);
        QVERIFY2(ok && std::abs(x - impreso) <= relativa * impreso, qPrintable(l[0]));
    }

    // Every line: key, value and unit in the fixed order; the value is the shortest text that
    // reads back as the core's double; saturation lines only where they exist.
    void line_format_data() {
        QTest::addColumn<double>("tC");
        QTest::addColumn<double>("pBar");
        QTest::addColumn<QString>("region");
        QTest::addColumn<QString>("fase");
        QTest::addColumn<QStringList>("sinLinea");
        QTest::newRow("water") << 20.0 << 1.01325 << "1"
                               << "liquid" << QStringList{};
        QTest::newRow("steam") << 350.0 << 10.0 << "2"
                               << "steam" << QStringList{};
        QTest::newRow("supercritical, region 3")
            << 380.0 << 250.0 << "3"
            << "supercritical" << QStringList{"saturation_temperature", "saturation_pressure"};
        QTest::newRow("liquid above pc") << 300.0 << 500.0 << "1"
                                         << "liquid" << QStringList{"saturation_temperature"};
        QTest::newRow("steam above Tc") << 400.0 << 100.0 << "2"
                                        << "steam" << QStringList{"saturation_pressure"};
        QTest::newRow("hot gas") << 1500.0 << 1e-3 << "5"
                                 << "steam"
                                 << QStringList{"saturation_temperature", "saturation_pressure"};
    }
    // The warnings the window shows, as warning lines after the results.
    void warnings_data() {
        QTest::addColumn<QStringList>("opciones");
        QTest::addColumn<QString>("aviso");
        QTest::newRow("critical") << QStringList{"--t", "374", "--p", "221"}
                                  << "warning\tNear the critical point";
        QTest::newRow("near saturation") << QStringList{"--t", "179.5", "--p", "10"}
                                         << "warning\tLiquid 0.39 K below saturation";
        QTest::newRow("viscosity") << QStringList{"--t", "950", "--p", "10"}
                                   << "warning\tThe viscosity is extrapolated above 900 ºC";
        QTest::newRow("none") << QStringList{"--t", "20", "--p", "1"} << "";
    }
    void warnings() {
        QFETCH(QStringList, opciones);
        QFETCH(QString, aviso);
        const Resultado r = ejecutar(opciones);
        QCOMPARE(r.codigo, int(Hecho));
        const QStringList avisos = r.salida.split('\n').filter(QRegularExpression("^warning\t"));
        QCOMPARE(avisos.size(), aviso.isEmpty() ? 0 : 1);
        if (!aviso.isEmpty())
            QVERIFY2(avisos[0].startsWith(aviso) && avisos[0].endsWith('\t'),
                     qPrintable(avisos[0]));
    }

    void line_format() {
        QFETCH(double, tC);
        QFETCH(double, pBar);
        QFETCH(QString, region);
        QFETCH(QString, fase);
        QFETCH(QStringList, sinLinea);
        const Resultado r =
            ejecutar({"--t", QString::number(tC, 'g', 17), "--p", QString::number(pBar, 'g', 17)});
        QCOMPARE(r.codigo, int(Hecho));
        QCOMPARE(r.errores, QString());
        QVERIFY(r.salida.endsWith('\n') && !r.salida.contains('\r'));
        QStringList esperadas = kClaves;
        for (const QString &k : sinLinea)
            esperadas.removeAll(k);
        QStringList claves;
        for (const QString &l : r.lineas()) {
            QCOMPARE(l.count('\t'), 2);
            if (!l.startsWith("warning\t")) // warnings: their own test
                claves << l.section('\t', 0, 0);
        }
        QCOMPARE(claves, esperadas);
        QCOMPARE(r.linea("region"), (QStringList{region, ""}));
        QCOMPARE(r.linea("phase"), (QStringList{fase, ""}));
        const auto &e = std::get<agua::EstadoAgua>(agua::estadoAgua(tC, pBar));
        const QString texto = r.linea("kinematic_viscosity").value(0);
        QCOMPARE(texto.toDouble(), e.viscosidadCinematica);
        QCOMPARE(QString::number(texto.toDouble(), 'g', QLocale::FloatingPointShortest), texto);
        QCOMPARE(r.linea("density").value(0).toDouble(), e.densidad);
    }

    void help() {
        const Resultado r = ejecutar({QStringLiteral("--help")});
        QCOMPARE(r.codigo, int(Hecho));
        QVERIFY(r.salida.startsWith(QStringLiteral("Usage: vorlo water --t <T> --p <P>")));
        QVERIFY(r.salida.contains(QStringLiteral("IAPWS-IF97")));
        QCOMPARE(r.errores, QString());
    }

    void wrong_usage_data() {
        QTest::addColumn<QStringList>("opciones");
        QTest::addColumn<QString>("mensaje");
        QTest::newRow("no options") << QStringList{} << "missing option --t";
        QTest::newRow("no pressure") << QStringList{"--t", "20"} << "missing option --p";
        QTest::newRow("decimal comma")
            << QStringList{"--t", "20,5", "--p", "1"} << "--t: '20,5' is not a number";
        QTest::newRow("nan") << QStringList{"--t", "20", "--p", "nan"}
                             << "--p: 'nan' is not a number";
        QTest::newRow("inf") << QStringList{"--t", "inf", "--p", "1"}
                             << "--t: 'inf' is not a number";
        QTest::newRow("text") << QStringList{"--t", "hot", "--p", "1"} << "'hot' is not a number";
        QTest::newRow("empty") << QStringList{"--t", "", "--p", "1"} << "is not a number";
        QTest::newRow("missing value") << QStringList{"--p", "1", "--t"} << "--t";
        QTest::newRow("below 0 ºC") << QStringList{"--t", "-5", "--p", "1"}
                                    << "The temperature is below 0 ºC, the lower limit of "
                                       "IAPWS-IF97";
        QTest::newRow("above 2000 ºC") << QStringList{"--t", "2100", "--p", "1"} << "above 2000 ºC";
        QTest::newRow("0 bar") << QStringList{"--t", "20", "--p", "0"}
                               << "The absolute pressure must be above 0 bar";
        QTest::newRow("above 1000 bar")
            << QStringList{"--t", "20", "--p", "1200"} << "above 1000 bar";
        QTest::newRow("above 500 bar over 800 ºC")
            << QStringList{"--t", "900", "--p", "600"} << "above 500 bar";
        QTest::newRow("stray argument")
            << QStringList{"--t", "20", "--p", "1", "x"} << "unexpected argument 'x'";
        QTest::newRow("unknown option") << QStringList{"--t", "20", "--p", "1", "--csv"} << "csv";
        // Only the last of a repeated option would count: refused rather than guessed.
        QTest::newRow("repeated option")
            << QStringList{"--t", "20", "--p", "1", "--p", "2"} << "--p is given more than once";
    }
    void wrong_usage() {
        QFETCH(QStringList, opciones);
        QFETCH(QString, mensaje);
        vorlo::prueba::usoIncorrecto(ejecutar(opciones), QStringLiteral("water"), mensaje);
    }

    void output_that_cannot_be_written() {
        prueba::salidaImposible(&comandoWater, {"water", "--t", "20", "--p", "1"});
    }
};

VORLO_PRUEBA(TestWaterCommand, Nucleo)
#include "tst_water_command.moc"
