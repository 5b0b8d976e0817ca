#include "commands.h"
#include "valve_command.h"

#include "../support/cli_fixture.h"

#include <QTest>

#include "../support/runner.h"
#include <cmath>

using namespace vorlo;
using namespace vorlo::cli;

namespace {

struct Resultado : prueba::Resultado {
    QStringList claves() const {
        QStringList k;
        for (const QString &l : lineas())
            k << l.section('\t', 0, 0);
        return k;
    }
    QStringList linea(const QString &clave) const {
        for (const QString &l : lineas())
            if (l.startsWith(clave + QLatin1Char('\t')))
                return l.split(QLatin1Char('\t')).mid(1);
        return {};
    }
};

Resultado ejecutar(const QString &opciones) {
    return {prueba::ejecutar(&comandoValve, QStringLiteral("valve"),
                             opciones.split(' ', Qt::SkipEmptyParts))};
}

// The standard's examples 1 and 3 (IEC 60534-2-1:2011 Annex E): water at 90 ºC, and carbon
// dioxide at 433 K = 159.85 ºC; viscosities are ν·ρ of the examples.
const QString kAgua = QStringLiteral("--liquid --q 360 --p1 6.8 --p2 2.2 --density 965.4 "
                                     "--psat 0.701 --pc 221.2 --viscosity 3.147204e-4 --fd 0.46");
const QString kCo2 = QStringLiteral("--gas --q 3800 --p1 6.8 --p2 4.5 --t 159.85 --mw 44.01 "
                                    "--gamma 1.3 --z 0.991 --viscosity 2.119e-5 --fl 0.85 "
                                    "--fd 0.42 --xt 0.6");

} // namespace

class TestValveCommand : public QObject {
    Q_OBJECT
  private slots:
    void listed_among_the_commands() {
        const Comando *c = buscarComando(QStringLiteral("valve"));
        QVERIFY(c && c->ejecutar == &comandoValve && !c->dibuja);
    }

    // The lines each case prints, in order; a factor that does not apply has none. Kv against
    // the published 165 and 67.2 m3/h (half a unit of the last figure).
    void lines_data() {
        QTest::addColumn<QString>("opciones");
        QTest::addColumn<QStringList>("claves");
        QTest::addColumn<double>("kv");
        QTest::addColumn<double>("tolerancia");
        QTest::addColumn<bool>("bloqueado");
        QTest::newRow("example 1, no size")
            << kAgua << QStringList{"kv", "cv", "choked", "dp_choked", "ff"} << 165.0 << 0.5
            << false;
        QTest::newRow("example 1, sized, rated Kv")
            << kAgua + " --d 150 --rated-kv 200"
            << QStringList{"kv", "cv", "choked", "laminar", "dp_choked", "ff", "rev", "opening"}
            << 165.0 << 0.5 << false;
        // Example 2 (FL 0.6) is choked; published Kv 238.
        QTest::newRow("example 2")
            << kAgua + " --fl 0.6" << QStringList{"kv", "cv", "choked", "dp_choked", "ff"} << 238.0
            << 0.5 << true;
        QTest::newRow("example 3, size 100")
            << kCo2 + " --d 100"
            << QStringList{"kv", "cv", "choked", "laminar", "x_choked", "y", "rev"} << 67.2 << 0.5
            << false;
        // The 1998 edition's example 3 geometry; Kv by the separate calculation of tst_valve.
        QTest::newRow("reducers") << QString(kCo2).replace("4.5", "3.1").replace("0.991", "0.988") +
                                         " --d 50 --d1 80 --d2 100"
                                  << QStringList{"kv", "cv", "choked", "laminar", "x_choked",
                                                 "fp", "y",  "xtp",    "rev"}
                                  << 70.88903978342677 << 1e-9 << false;
    }
    void lines() {
        QFETCH(QString, opciones);
        QFETCH(QStringList, claves);
        QFETCH(double, kv);
        QFETCH(double, tolerancia);
        QFETCH(bool, bloqueado);
        const Resultado r = ejecutar(opciones);
        QCOMPARE(r.codigo, int(Hecho));
        QCOMPARE(r.errores, QString());
        QCOMPARE(r.claves(), claves);
        for (const QString &l : r.lineas())
            QCOMPARE(l.count('\t'), 2);
        const QStringList k = r.linea("kv");
        QCOMPARE(k.value(1), QStringLiteral("m3/h"));
        QVERIFY2(std::abs(k[0].toDouble() - kv) <= tolerancia, qPrintable(k[0]));
        QCOMPARE(r.linea("cv").value(1), QStringLiteral("US gpm"));
        QCOMPARE(r.linea("choked"), (QStringList{bloqueado ? "yes" : "no", ""}));
        if (r.claves().contains("laminar"))
            QCOMPARE(r.linea("laminar"), (QStringList{"no", ""}));
    }

    void wrong_usage_data() {
        QTest::addColumn<QString>("opciones");
        QTest::addColumn<QString>("mensaje");
        QTest::newRow("no fluid") << QString(kAgua).remove("--liquid")
                                  << "exactly one of --liquid and --gas";
        QTest::newRow("both fluids") << kAgua + " --gas"
                                     << "exactly one of --liquid and --gas";
        QTest::newRow("liquid without pc")
            << QString(kAgua).remove("--pc 221.2") << "missing option --pc";
        QTest::newRow("gas without z") << QString(kCo2).remove("--z 0.991") << "missing option --z";
        QTest::newRow("gas option with a liquid") << kAgua + " --mw 18"
                                                  << "--mw is not an option of --liquid";
        QTest::newRow("decimal comma") << kAgua + " --d 150,5"
                                       << "--d: '150,5' is not a number";
        QTest::newRow("P2 above P1") << QString(kAgua).replace("--p2 2.2", "--p2 7")
                                     << "P2 must be below the inlet pressure";
        QTest::newRow("valve larger than its pipe") << kAgua + " --d 150 --d1 100"
                                                    << "larger than its pipe";
        QTest::newRow("FL above 1") << kAgua + " --fl 1.2"
                                    << "FL must be above 0 and at most 1";
        QTest::newRow("stray argument") << kAgua + " x"
                                        << "unexpected argument 'x'";
    }
    void wrong_usage() {
        QFETCH(QString, opciones);
        QFETCH(QString, mensaje);
        prueba::usoIncorrecto(ejecutar(opciones), QStringLiteral("valve"), mensaje);
    }

    void output_that_cannot_be_written() {
        prueba::salidaImposible(&comandoValve, QStringList{"valve"} + kAgua.split(' '));
    }
};

VORLO_PRUEBA(TestValveCommand, Nucleo)
#include "tst_valve_command.moc"
