#include "commands.h"
#include "gaspipe_command.h"

#include "../support/cli_fixture.h"

#include <QTest>

#include "../support/runner.h"
#include <cmath>

using namespace vorlo;
using namespace vorlo::cli;

namespace {

prueba::Resultado ejecutar(const QString &opciones) {
    return prueba::ejecutar(&comandoGaspipe, QStringLiteral("gaspipe"),
                            opciones.split(' ', Qt::SkipEmptyParts));
}

// The published line (fluids' documentation): 340 mm, 160 km, 90 bar a, SG 0,693, 4 ºC, base
// 288,7 K (15,55 ºC) and 1,01325 bar a.
const QString kPublicada = QStringLiteral("--sg 0.693 --t 4 --z 1 --d 340 --l 160000 --p1 90 "
                                          "--tb 15.55 --viscosity 1e-5 ");

double valor(const prueba::Resultado &r, const QString &clave) {
    for (const QString &l : r.lineas())
        if (l.startsWith(clave + '\t'))
            return l.section('\t', 1, 1).toDouble();
    return std::nan("");
}

} // namespace

class TestGaspipeCommand : public QObject {
    Q_OBJECT
  private slots:
    void listed_among_the_commands() {
        const Comando *c = buscarComando(QStringLiteral("gaspipe"));
        QVERIFY(c && c->ejecutar == &comandoGaspipe && !c->dibuja);
    }

    // The published flows in standard m3/h (m3/s times 3600), then P2 back from the flow.
    void published_values_data() {
        QTest::addColumn<QString>("ecuacion");
        QTest::addColumn<double>("q");
        QTest::addColumn<double>("tolerancia");
        QTest::newRow("weymouth") << "weymouth" << 32.07729055913029 * 3600 << 1e-9;
        QTest::newRow("panhandle-a") << "panhandle-a" << 42.56082051195928 * 3600 << 1e-9;
        QTest::newRow("igt") << "igt" << 48.92351786788815 * 3600 << 2e-6;
    }
    void published_values() {
        QFETCH(QString, ecuacion);
        QFETCH(double, q);
        QFETCH(double, tolerancia);
        const auto r = ejecutar(kPublicada + "--p2 20 --equation " + ecuacion);
        QCOMPARE(r.codigo, int(Hecho));
        QVERIFY(std::fabs(valor(r, "q") / q - 1) < tolerancia);
        const auto p =
            ejecutar(kPublicada + "--q " + QString::number(q, 'g', 17) + " --equation " + ecuacion);
        QVERIFY(std::fabs(valor(p, "p2") / 20 - 1) < 10 * tolerancia);
    }

    // Every key once, in order, with its unit; the warnings on standard error.
    void lines_and_warnings() {
        const auto r = ejecutar("--equation weymouth --sg 0.6 --t 15 --z 0.95 --d 100 --l 200 "
                                "--p1 10 --p2 1.5");
        QCOMPARE(r.codigo, int(Hecho));
        QStringList claves;
        for (const QString &l : r.lineas()) {
            QCOMPARE(l.count('\t'), 2);
            claves << l.section('\t', 0, 0) + ' ' + l.section('\t', 2);
        }
        QCOMPARE(claves, (QStringList{"q Sm3/h", "p2 bar", "mass_flow kg/h", "density_in kg/m3",
                                      "density_out kg/m3", "velocity_in m/s", "velocity_out m/s",
                                      "sound_speed m/s", "mach_in ", "mach_out ",
                                      "erosional_velocity_in m/s", "erosional_velocity_out m/s"}));
        // Hand calculation: Weymouth in Menon's units, then the outlet density and velocity.
        QVERIFY(std::fabs(valor(r, "q") / 15189.835827390043 - 1) < 1e-9);
        QVERIFY(std::fabs(valor(r, "mach_out") / 0.8354941662581287 - 1) < 1e-9);
        QVERIFY(r.errores.contains("erosional velocity") && r.errores.contains("Mach above 0.3"));
    }

    void wrong_usage_data() {
        QTest::addColumn<QString>("opciones");
        QTest::addColumn<QString>("mensaje");
        const QString base = "--equation weymouth --sg 0.6 --t 15 --z 0.95 --d 100 --l 2000 ";
        QTest::newRow("no p1") << base + "--p2 8"
                               << "missing option --p1";
        QTest::newRow("both") << base + "--p1 10 --p2 8 --q 100"
                              << "not both";
        QTest::newRow("neither") << base + "--p1 10"
                                 << "The flow or P2 is missing";
        QTest::newRow("p2 above p1") << base + "--p1 10 --p2 12"
                                     << "P2 must be lower than P1";
        QTest::newRow("comma") << base + "--p1 10,5 --p2 8"
                               << "--p1: '10,5' is not a number";
        QTest::newRow("equation") << "--equation darcy --sg 1"
                                  << "'darcy' is not one of";
        QTest::newRow("efficiency") << base + "--p1 10 --p2 8 --e 1.2"
                                    << "efficiency E";
        QTest::newRow("general without roughness")
            << "--equation general --sg 0.6 --t 15 --z 1 --d 100 --l 100 --p1 10 --p2 8 "
               "--viscosity 1e-5"
            << "needs the roughness";
        QTest::newRow("igt without viscosity")
            << "--equation igt --sg 0.6 --t 15 --z 1 --d 100 --l 100 --p1 10 --p2 8"
            << "needs the viscosity";
        QTest::newRow("below absolute zero")
            << QString(base).replace("--t 15", "--t -300") + "--p1 10 --p2 8"
            << "absolute zero";
    }
    void wrong_usage() {
        QFETCH(QString, opciones);
        QFETCH(QString, mensaje);
        prueba::usoIncorrecto(ejecutar(opciones), QStringLiteral("gaspipe"), mensaje);
    }

    void output_that_cannot_be_written() {
        prueba::salidaImposible(&comandoGaspipe,
                                QString("gaspipe --equation weymouth --sg 0.6 --t 15 --z 1 --d 100 "
                                        "--l 2000 --p1 10 --p2 8")
                                    .split(' '));
    }
};

VORLO_PRUEBA(TestGaspipeCommand, Nucleo)
#include "tst_gaspipe_command.moc"
