#include "commands.h"
#include "fittings_command.h"

#include "../support/cli_fixture.h"

#include <QBuffer>
#include <QTest>

#include "../support/runner.h"
#include <QTextStream>

using namespace vorlo::cli;

namespace {

using vorlo::prueba::Resultado;

// The options as one text, split at blanks.
Resultado ejecutar(const QString &opciones) {
    return vorlo::prueba::ejecutar(&comandoFittings, QStringLiteral("fittings"),
                                   opciones.split(QLatin1Char(' '), Qt::SkipEmptyParts));
}

// What is wrong with the 21 lines, or nothing: four fields, the row number and its group, and
// every K empty (when `sinK`) or with a decimal point in the shortest form of its double.
QString defectoDeLineas(const QStringList &lineas, bool sinK) {
    if (lineas.size() != 21)
        return QStringLiteral("%1 lines").arg(lineas.size());
    for (int f = 0; f < 21; ++f) {
        const QStringList c = lineas.at(f).split(QLatin1Char('\t'));
        const QString grupo = QLatin1String(f < 10 ? "threaded" : "flanged");
        const QString k = c.value(3);
        const bool kBien =
            sinK ? k.isEmpty()
                 : k.isEmpty() ||
                       QString::number(k.toDouble(), 'g', QLocale::FloatingPointShortest) == k;
        if (c.size() != 4 || c.at(0) != QString::number(f) || c.at(1) != grupo || !kBien)
            return lineas.at(f);
    }
    return {};
}

} // namespace

class TestFittingsCommand : public QObject {
    Q_OBJECT
  private slots:
    // One row of the 21 (K hand values: the Python script of tst_k_metodos), and what goes to
    // stderr: nothing, or the reason why no row has a K (exit 0 all the same).
    void output_data() {
        QTest::addColumn<QString>("opciones");
        QTest::addColumn<int>("fila");
        QTest::addColumn<QString>("esperado"); // row, group, title; K after '='; stderr after '|'
        QTest::newRow("table by default") << "--d 102.26" << 0 << "0\tthreaded\tElbow 90º=0.7|";
        QTest::newRow("table") << "--d 102.26 --method table --re 12" << 17
                               << "17\tflanged\tGlobe valve=6.5|";
        QTest::newRow("table gap") << "--d 20.96" << 10 << "10\tflanged\tElbow 90º=|";
        QTest::newRow("crane") << "--d 102.26 --method crane" << 14
                               << "14\tflanged\tReturn bend long rad.=0.3582908787252962|";
        QTest::newRow("crane, Re ignored") << "-d 102.26 --method crane --re 5" << 0
                                           << "0\tthreaded\tElbow 90º=0.4885784709890402|";
        QTest::newRow("2k") << "--d 102.26 --method 2k --re 127065" << 0
                            << "0\tthreaded\tElbow 90º=0.5056505765897384|";
        QTest::newRow("2k exponent") << "--d 52.48 --method 2k --re 1e3" << 6
                                     << "6\tthreaded\tGlobe valve=7.435975609756097|";
        QTest::newRow("3k") << "--d 60 --method 3k --re 2e4" << 14
                            << "14\tflanged\tReturn bend long rad.=0.4588239431570103|";
        QTest::newRow("3k tee") << "--d 60 --method 3k --re 2e4" << 4
                                << "4\tthreaded\tTee - Line=0.38202978827287937|";
        QTest::newRow("table below 9 mm")
            << "--d 8.99" << 9 << "9\tthreaded\tSwing check valve=|above 9 mm";
        QTest::newRow("table above 400 mm")
            << "--d 400.5" << 15 << "15\tflanged\tTee-Line=|400 mm or less";
        QTest::newRow("crane at 0.01 mm")
            << "--d 0.01 --method crane" << 0 << "0\tthreaded\tElbow 90º=|no finite K";
        QTest::newRow("3k below 4.46 mm")
            << "--d 3 --method 3k --re 100" << 0 << "0\tthreaded\tElbow 90º=|no finite K";
    }
    void output() {
        QFETCH(QString, opciones);
        QFETCH(int, fila);
        QFETCH(QString, esperado);
        const QString linea = esperado.section('|', 0, 0), errores = esperado.section('|', 1);
        const Resultado r = ejecutar(opciones);
        QCOMPARE(r.codigo, int(Hecho));
        // stderr: empty, or the reason after the command's name.
        const bool razon = !errores.isEmpty() && r.errores.contains(errores) &&
                           r.errores.startsWith(QStringLiteral("vorlo fittings: "));
        QCOMPARE(razon ? errores : r.errores, errores);
        const QStringList lineas = r.salida.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(defectoDeLineas(lineas, !errores.isEmpty()), QString());
        // The row itself, K to 12 significant digits against the hand value.
        const auto doce = [](const QString &k) {
            return k.isEmpty() ? k : QString::number(k.toDouble(), 'g', 12);
        };
        const QStringList c = lineas.value(fila).split(QLatin1Char('\t'));
        QCOMPARE(c.mid(0, 3).join(QLatin1Char('\t')) + '=' + doce(c.value(3)),
                 linea.section('=', 0, 0) + '=' + doce(linea.section('=', 1)));
    }

    void help() {
        const Comando *c = buscarComando(QStringLiteral("fittings"));
        QVERIFY(c && c->ejecutar == &comandoFittings && !c->dibuja);
        const Resultado r = ejecutar(QStringLiteral("--help"));
        QCOMPARE(r.codigo, int(Hecho));
        QVERIFY(r.salida.startsWith(QStringLiteral("Usage: vorlo fittings --d <mm>")));
        for (const char *opcion : {"-d <mm>", "--method", "--re"})
            QVERIFY(r.salida.contains(QLatin1String(opcion)));
    }

    void wrong_usage_data() {
        QTest::addColumn<QString>("caso"); // the options, then the message after '|'
        QTest::newRow("no --d") << "--method crane|--d <mm> is required";
        QTest::newRow("--d without value") << "--d|--d";
        QTest::newRow("--d 0") << "--d 0|above 0, not '0'";
        QTest::newRow("--d negative") << "--d -3|not '-3'";
        QTest::newRow("--d text") << "--d DN100|not 'DN100'";
        QTest::newRow("--d decimal comma") << "--d 102,26|not '102,26'";
        QTest::newRow("--d inf") << "--d inf|not 'inf'";
        QTest::newRow("--d nan") << "--d nan|not 'nan'";
        QTest::newRow("unknown method") << "--d 50 --method hooper|unknown method 'hooper'; the "
                                           "methods are table, crane, 2k, 3k";
        QTest::newRow("method in capitals") << "--d 50 --method 2K|unknown method '2K'";
        QTest::newRow("2k without --re")
            << "--d 50 --method 2k|--method 2k needs a Reynolds number";
        QTest::newRow("3k without --re")
            << "--d 50 --method 3k|--method 3k needs a Reynolds number";
        QTest::newRow("3k --re 0")
            << "--d 50 --method 3k --re 0|--re takes a Reynolds number above 0, not '0'";
        QTest::newRow("table --re negative") << "--d 50 --re -1|not '-1'";
        QTest::newRow("stray argument") << "--d 50 4|unexpected argument '4'";
        QTest::newRow("unknown option") << "--d 50 --csv|csv";
    }
    void wrong_usage() {
        QFETCH(QString, caso);
        vorlo::prueba::usoIncorrecto(ejecutar(caso.section('|', 0, 0)), QStringLiteral("fittings"),
                                     caso.section('|', 1));
    }

    void output_that_cannot_be_written() {
        vorlo::prueba::salidaImposible(&comandoFittings, {"fittings", "--d", "100"});
    }
};

VORLO_PRUEBA(TestFittingsCommand, Nucleo)
#include "tst_fittings_command.moc"
