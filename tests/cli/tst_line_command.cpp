#include "commands.h"
#include "line_command.h"

#include "../support/cli_fixture.h"

#include <QTest>

#include "../support/runner.h"
#include <cmath>

using namespace vorlo;
using namespace vorlo::cli;

namespace {

struct Resultado : prueba::Resultado {
    QStringList linea(const QString &clave) const {
        for (const QString &l : lineas())
            if (l.startsWith(clave + QLatin1Char('\t')))
                return l.split(QLatin1Char('\t')).mid(1);
        return {};
    }
    QStringList claves() const {
        QStringList c;
        for (const QString &l : lineas())
            c << l.section(QLatin1Char('\t'), 0, 0);
        return c;
    }
};

Resultado ejecutar(const QStringList &opciones) {
    return {prueba::ejecutar(&comandoLine, QStringLiteral("line"), opciones)};
}

// Water at 20 ºC, open tank, 4" suction, 3" discharge with an exchanger and a control valve; the
// references were computed apart in python (see tests/core/tst_line.cpp).
const QStringList kFluido = {"--density", "998.2", "--viscosity", "1.002e-3"};
const QStringList kBomba =
    kFluido + QStringList{"--q",          "50",
                          "--p-start",    "1.01325",
                          "--p-end",      "4",
                          "--segment",    "id=102.26,l=5,dz=-2,e=0.045,k=1.3",
                          "--segment",    "id=77.92,l=60,dz=12,e=0.045,k=4.2,dp=0.3",
                          "--segment",    "id=77.92,l=20,dz=3,e=0.045,k=2,dp=0.5",
                          "--pump-after", "1"};
const QStringList kGravedad =
    kFluido + QStringList{"--p-start", "3",
                          "--p-end",   "1.5",
                          "--segment", "id=52.48,l=100,dz=-10,e=0.045,k=2.5",
                          "--segment", "id=40.9,l=50,dz=-2,e=0.045,k=1,dp=0.1"};

} // namespace

class TestLineCommand : public QObject {
    Q_OBJECT
  private slots:
    void listed_among_the_commands() {
        const Comando *c = buscarComando(QStringLiteral("line"));
        QVERIFY(c && c->ejecutar == &comandoLine && !c->dibuja);
    }

    void results_against_hand_calculation_data() {
        QTest::addColumn<QStringList>("opciones");
        QTest::addColumn<QString>("clave");
        QTest::addColumn<double>("referencia");
        QTest::addColumn<QString>("unidad");
        const QStringList todo =
            kBomba + QStringList{"--psat",  "0.02339", "--efficiency", "0.7",
                                 "--npshr", "3",       "--pump-curve", "0:60,30:55,60:45,90:30"};
        QTest::newRow("tdh") << todo << "tdh" << 63.1326585123 << "m";
        QTest::newRow("suction") << todo << "suction_pressure" << 1.17736020145 << "bar";
        QTest::newRow("npsha") << todo << "npsha" << 11.7884404299 << "m";
        QTest::newRow("margin") << todo << "npsh_margin" << 8.78844042989 << "m";
        QTest::newRow("shaft power") << todo << "shaft_power" << 12.2620132898 << "kW";
        QTest::newRow("operating flow") << todo << "operating_flow" << 35.0834627245 << "m3/h";
        QTest::newRow("total drop") << todo << "dp_total" << 3.19330469806 << "bar";
        QTest::newRow("solved flow") << kGravedad << "flow" << 16.22914028 << "m3/h";
    }
    void results_against_hand_calculation() {
        QFETCH(QStringList, opciones);
        QFETCH(QString, clave);
        QFETCH(double, referencia);
        QFETCH(QString, unidad);
        const Resultado r = ejecutar(opciones);
        QCOMPARE(r.codigo, int(Hecho));
        QCOMPARE(r.errores, QString());
        const QStringList l = r.linea(clave);
        QCOMPARE(l.value(1), unidad);
        QVERIFY2(std::fabs(l.value(0).toDouble() - referencia) <= 1e-9 * std::fabs(referencia),
                 qPrintable(l.value(0)));
    }

    // Each optional result only with what it needs.
    void lines_printed_data() {
        QTest::addColumn<QStringList>("opciones");
        QTest::addColumn<QStringList>("claves");
        const QStringList linea = {"flow",         "dp_friction", "dp_fittings", "dp_static",
                                   "dp_equipment", "dp_total",    "p_end"};
        const QStringList bomba = {"suction_pressure", "discharge_pressure", "pump_dp", "tdh"};
        QTest::newRow("no pump") << QStringList(kBomba.mid(0, kBomba.size() - 2)) << linea;
        QTest::newRow("pump") << kBomba << linea + bomba + QStringList{"hydraulic_power"};
        QTest::newRow("pump with psat, npshr, efficiency")
            << kBomba + QStringList{"--psat", "0.02", "--npshr", "2", "--efficiency", "0.5"}
            << linea + bomba +
                   QStringList{"npsha", "npsh_margin", "hydraulic_power", "shaft_power"};
        QTest::newRow("curves do not meet") << kBomba + QStringList{"--pump-curve", "0:10,90:5"}
                                            << linea + bomba + QStringList{"hydraulic_power"};
    }
    void lines_printed() {
        QFETCH(QStringList, opciones);
        QFETCH(QStringList, claves);
        const Resultado r = ejecutar(opciones);
        QCOMPARE(r.codigo, int(Hecho));
        QCOMPARE(r.claves(), claves);
        // Curves that do not meet are said so on standard error.
        QCOMPARE(r.errores.contains("does not meet"), opciones.contains("0:10,90:5"));
        for (const QString &l : r.lineas())
            QCOMPARE(l.count('\t'), 2);
    }

    void segments_and_curve_csv() {
        const Resultado t = ejecutar(kBomba + QStringList{"--segments"});
        QCOMPARE(t.codigo, int(Hecho));
        const QStringList filas = t.lineas();
        QCOMPARE(filas.value(0),
                 QStringLiteral("segment,id_mm,length_m,dz_m,velocity_m_s,re,f,"
                                "dp_friction_bar,dp_fittings_bar,dp_static_bar,"
                                "dp_equipment_bar,dp_total_bar,p_in_bar,p_out_bar"));
        QCOMPARE(filas.size(), 4);
        // The discharge side starts from the discharge pressure and ends at P_end.
        QCOMPARE(filas[2].section(',', 12, 12).toDouble(), 7.3574148995101325);
        QCOMPARE(filas[3].section(',', 13, 13).toDouble(), 4.0);
        const Resultado c = ejecutar(kBomba + QStringList{"--curve", "60"});
        QCOMPARE(c.codigo, int(Hecho));
        QCOMPARE(c.lineas().size(), 62);
        QCOMPARE(c.lineas().value(0), QStringLiteral("q_m3h,head_m"));
        QVERIFY(std::fabs(c.lineas()[1].section(',', 1).toDouble() - 43.5112943209) < 1e-8);
        QCOMPARE(c.lineas().last().section(',', 0, 0), QStringLiteral("75"));
    }

    void no_flow_reaches_the_end() {
        QStringList o = kGravedad;
        o[o.indexOf("id=52.48,l=100,dz=-10,e=0.045,k=2.5")] = "id=52.48,l=100,dz=40";
        const Resultado r = ejecutar(o);
        QCOMPARE(r.codigo, int(SalidaImposible));
        QCOMPARE(r.salida, QString());
        QVERIFY(r.errores.contains("No flow reaches the end pressure"));
    }

    void wrong_usage_data() {
        QTest::addColumn<QStringList>("opciones");
        QTest::addColumn<QString>("mensaje");
        QTest::newRow("no density")
            << QStringList{"--viscosity", "1", "--p-start", "1"} << "missing option --density";
        QTest::newRow("comma") << kBomba + QStringList{"--efficiency", "0,7"}
                               << "--efficiency: '0,7' is not a number";
        QTest::newRow("segment key")
            << kFluido + QStringList{"--p-start", "1", "--q", "1", "--segment", "d=5,l=2"}
            << "'d=5' is not a key=value part";
        QTest::newRow("segment without length")
            << kFluido + QStringList{"--p-start", "1", "--q", "1", "--segment", "id=5"}
            << "id and l are needed";
        QTest::newRow("no segment")
            << kFluido + QStringList{"--p-start", "1", "--q", "1"} << "Add at least one segment";
        QTest::newRow("zero diameter")
            << kFluido + QStringList{"--p-start", "1", "--q", "1", "--segment", "id=0,l=2"}
            << "Segment 1: «Int. diameter» must be above 0";
        QTest::newRow("negative flow")
            << kFluido + QStringList{"--p-start", "1", "--q", "-1", "--segment", "id=50,l=2"}
            << "The flow cannot be negative";
        QTest::newRow("psat above start")
            << kBomba + QStringList{"--psat", "2"} << "The vapour pressure must be";
        QTest::newRow("efficiency") << kBomba + QStringList{"--efficiency", "1.5"}
                                    << "The efficiency must be above 0 and at most 1";
        QTest::newRow("decreasing curve")
            << kBomba + QStringList{"--pump-curve", "30:50,0:60"} << "increasing flows";
        QTest::newRow("curve text")
            << kBomba + QStringList{"--pump-curve", "0-60"} << "is not a list of Q:H pairs";
        QTest::newRow("curve without pump")
            << kGravedad + QStringList{"--curve", "10"} << "--curve needs a pump";
        QTest::newRow("pump after 5") << kBomba.mid(0, kBomba.size() - 1) + QStringList{"5"}
                                      << "after a segment the line does not have";
        QTest::newRow("no flow, no end")
            << kFluido + QStringList{"--p-start", "1", "--segment", "id=50,l=2"}
            << "Enter the pressure at the end";
    }
    void wrong_usage() {
        QFETCH(QStringList, opciones);
        QFETCH(QString, mensaje);
        prueba::usoIncorrecto(ejecutar(opciones), QStringLiteral("line"), mensaje);
    }

    void output_that_cannot_be_written() {
        prueba::salidaImposible(&comandoLine, QStringList{"line"} + kBomba);
    }
};

VORLO_PRUEBA(TestLineCommand, Nucleo)
#include "tst_line_command.moc"
