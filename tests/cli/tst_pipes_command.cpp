#include "commands.h"
#include "pipes/pipe_sizes.h"
#include "pipes_command.h"

#include "../support/cli_fixture.h"

#include <QBuffer>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include "../support/runner.h"
#include <QTextStream>

using namespace vorlo;
using namespace vorlo::cli;

namespace {

using prueba::Resultado;

Resultado ejecutar(const QStringList &opciones) {
    return prueba::ejecutar(&comandoPipes, QStringLiteral("pipes"), opciones);
}

qsizetype filasDe(const QList<NormaTuberia> &normas) {
    qsizetype n = 0;
    for (const TuberiaNormalizada &t : catalogoTuberias())
        n += normas.contains(t.norma);
    return n;
}

const QString kCabecera = QStringLiteral("standard,nps,dn,schedule,od_mm,wall_mm,id_mm");

} // namespace

class TestPipesCommand : public QObject {
    Q_OBJECT
  private slots:
    void listed_among_the_commands() {
        const Comando *c = buscarComando(QStringLiteral("pipes"));
        QVERIFY(c);
        QVERIFY(c->ejecutar == &comandoPipes);
        QVERIFY(!c->dibuja); // runs without a display
        QVERIFY(!c->resumen.isEmpty());
    }

    void csv_lists_the_whole_catalogue() {
        const Resultado r = ejecutar({QStringLiteral("--csv")});
        QCOMPARE(r.codigo, int(Hecho));
        QCOMPARE(r.errores, QString());
        QVERIFY(r.salida.endsWith(QLatin1Char('\n')));
        QVERIFY(!r.salida.contains(QLatin1Char('\r')));
        const QStringList lineas = r.lineas();
        QCOMPARE(lineas.first(), kCabecera);
        QCOMPARE(lineas.size() - 1, catalogoTuberias().size());
        // Every row: seven fields, numbers with a decimal point and no grouping.
        for (const QString &linea : lineas.mid(1)) {
            const QStringList c = linea.split(QLatin1Char(','));
            QCOMPARE(c.size(), 7);
            bool ok[4] = {};
            const double od = c.at(4).toDouble(&ok[0]);
            const double pared = c.at(5).toDouble(&ok[1]);
            const double id = c.at(6).toDouble(&ok[2]);
            c.at(2).toInt(&ok[3]);
            QVERIFY2(ok[0] && ok[1] && ok[2] && ok[3], qPrintable(linea));
            QVERIFY2(std::abs(id - (od - 2 * pared)) <= 0.01 + 1e-9, qPrintable(linea));
            QCOMPARE(c.at(1).isEmpty(), c.at(0) == QStringLiteral("EN 10255"));
        }
    }

    void csv_rows_data() {
        QTest::addColumn<QString>("linea");
        QTest::newRow("4 Sch 40") << "ASME B36.10M,4,100,40,114.30,6.02,102.26";
        QTest::newRow("12 STD") << "ASME B36.10M,12,300,STD,323.80,9.53,304.74";
        QTest::newRow("1/8 Sch 10") << "ASME B36.10M,0.125,6,10,10.30,1.24,7.82";
        QTest::newRow("1 1/4 XXS") << "ASME B36.10M,1.25,32,XXS,42.20,9.70,22.80";
        QTest::newRow("4 10S") << "ASME B36.19M,4,100,10S,114.30,3.05,108.20";
        QTest::newRow("DN 50 M") << "EN 10255,,50,M,60.30,3.60,53.10";
    }
    void csv_rows() {
        QFETCH(QString, linea);
        const QStringList lineas = ejecutar({QStringLiteral("--csv")}).lineas();
        QCOMPARE(lineas.count(linea), 1);
    }

    void standard_filter_data() {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QList<NormaTuberia>>("normas");
        const auto b10 = NormaTuberia::AsmeB3610M;
        const auto b19 = NormaTuberia::AsmeB3619M;
        const auto en = NormaTuberia::En10255;
        QTest::newRow("asme b36.19m") << "asme b36.19m" << QList<NormaTuberia>{b19};
        QTest::newRow("en") << "en" << QList<NormaTuberia>{en};
        QTest::newRow("asme: both ASME") << "asme" << QList<NormaTuberia>{b10, b19};
        QTest::newRow("ASME B36.1: both ASME") << "ASME B36.1" << QList<NormaTuberia>{b10, b19};
    }
    void standard_filter() {
        QFETCH(QString, texto);
        QFETCH(QList<NormaTuberia>, normas);
        for (const bool csv : {true, false}) {
            QStringList opciones = {QStringLiteral("--standard"), texto};
            if (csv)
                opciones << QStringLiteral("--csv");
            const Resultado r = ejecutar(opciones);
            QCOMPARE(r.codigo, int(Hecho));
            const QStringList lineas = r.lineas();
            QCOMPARE(lineas.size() - 1, filasDe(normas));
            QSet<QString> vistas;
            for (const QString &linea : lineas.mid(1))
                for (NormaTuberia n : normasTuberia())
                    if (linea.startsWith(nombreNorma(n)))
                        vistas.insert(nombreNorma(n));
            QSet<QString> esperadas;
            for (NormaTuberia n : normas)
                esperadas.insert(nombreNorma(n));
            QCOMPARE(vistas, esperadas);
        }
    }

    // Without --csv: one line per row, every line as wide as the others (the last column is
    // right-aligned), the columns separated by blanks.
    void aligned_table() {
        const Resultado r = ejecutar({});
        QCOMPARE(r.codigo, int(Hecho));
        const QStringList lineas = r.lineas();
        QCOMPARE(lineas.size() - 1, catalogoTuberias().size());
        QVERIFY(lineas.first().startsWith(QStringLiteral("Standard")));
        QVERIFY(lineas.first().endsWith(QStringLiteral("ID mm")));
        for (const QString &linea : lineas)
            QCOMPARE(linea.size(), lineas.first().size());
        const QStringList cuatro =
            lineas.filter(QRegularExpression(QStringLiteral("^ASME B36\\.10M +4 +100 +40 ")));
        QCOMPARE(cuatro.size(), 1);
        QCOMPARE(cuatro.first().split(QLatin1Char(' '), Qt::SkipEmptyParts),
                 (QStringList{"ASME", "B36.10M", "4", "100", "40", "114.30", "6.02", "102.26"}));
        // Fractional sizes as a fitter writes them.
        QVERIFY(!lineas.filter(QRegularExpression(QStringLiteral("^ASME B36\\.10M +1 1/4 +32 ")))
                     .isEmpty());
    }

    void help() {
        const Resultado r = ejecutar({QStringLiteral("--help")});
        QCOMPARE(r.codigo, int(Hecho));
        QVERIFY(r.salida.startsWith(QStringLiteral("Usage: vorlo pipes")));
        QVERIFY(r.salida.contains(QStringLiteral("--standard")));
        QVERIFY(r.salida.contains(QStringLiteral("--csv")));
        QCOMPARE(r.errores, QString());
    }

    void wrong_usage_data() {
        QTest::addColumn<QStringList>("opciones");
        QTest::addColumn<QString>("mensaje");
        QTest::newRow("unknown standard")
            << QStringList{"--standard", "DIN 2448"}
            << "no standard begins with 'DIN 2448'; the standards are ASME B36.10M, ASME "
               "B36.19M, EN 10255";
        QTest::newRow("unknown standard with --csv")
            << QStringList{"--csv", "--standard", "B36"} << "no standard begins with 'B36'";
        QTest::newRow("missing value") << QStringList{"--standard"} << "--standard";
        QTest::newRow("unknown option") << QStringList{"--xml"} << "xml";
        QTest::newRow("stray argument") << QStringList{"4"} << "unexpected argument '4'";
    }
    void wrong_usage() {
        QFETCH(QStringList, opciones);
        QFETCH(QString, mensaje);
        vorlo::prueba::usoIncorrecto(ejecutar(opciones), QStringLiteral("pipes"), mensaje);
    }

    void output_that_cannot_be_written() {
        prueba::salidaImposible(&comandoPipes, {QStringLiteral("pipes"), QStringLiteral("--csv")});
    }
};

VORLO_PRUEBA(TestPipesCommand, Nucleo)
#include "tst_pipes_command.moc"
