#include "case_commands.h"
#include "commands.h"

#include "../support/file_helpers.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

using namespace vorlo;
using namespace vorlo::cli;

namespace {

const QByteArray kEjemplo = "True\r\nFalse\r\n36\r\n998\r\nTrue\r\nFalse\r\n0,001\r\n\r\n100\r\n"
                            "\r\n\r\n0,05\r\n\r\n100\r\n5\r\n2\r\n";

struct Salida {
    int codigo;
    QString out;
    QString err;
};

Salida ejecutar(int (*comando)(const QStringList &, QTextStream &, QTextStream &),
                const QStringList &argumentos) {
    QString out;
    QString err;
    QTextStream so(&out);
    QTextStream se(&err);
    const int codigo = comando(argumentos, so, se);
    so.flush();
    se.flush();
    return {codigo, out, err};
}

Salida calc(const QStringList &a) {
    return ejecutar(&comandoCalc, QStringList{"calc"} + a);
}
Salida report(const QStringList &a) {
    return ejecutar(&comandoReport, QStringList{"report"} + a);
}

// One calc line per field: name -> {value, unit}.
QHash<QString, QStringList> lineas(const QString &out) {
    QHash<QString, QStringList> h;
    for (const QString &l : out.split('\n', Qt::SkipEmptyParts)) {
        const QStringList c = l.split('\t');
        h.insert(c.value(0), c.mid(1));
    }
    return h;
}

} // namespace

class TestCaseCommands : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_caso;

  private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        m_caso = m_dir.filePath("ejemplo.vrq");
        prueba::escribirBytes(m_caso, kEjemplo);
    }

    void both_commands_are_in_the_table() {
        const Comando *c = buscarComando("calc");
        const Comando *r = buscarComando("report");
        QVERIFY(c && r);
        QVERIFY(c->ejecutar == &comandoCalc);
        QVERIFY(r->ejecutar == &comandoReport);
        QVERIFY(!c->dibuja); // printing text needs no platform
        QVERIFY(r->dibuja);  // the PDF does
    }

    void calc_prints_the_worked_example() {
        const Salida s = calc({m_caso});
        QCOMPARE(s.codigo, 0);
        QCOMPARE(s.err, "");
        const QStringList l = s.out.split('\n');
        QVERIFY(l.contains("DPbarTotal\t0,648703017651904\tbar"));
        QVERIFY(l.contains("Vproceso\t1,2732\tm/s"));
        QVERIFY(l.contains("Re\t127.065\t"));
        QVERIFY(l.contains("ffinal\t,0197\t"));
        QVERIFY(l.contains("DPbar\t,00159353\tbar/m"));
        QVERIFY(l.contains("DPtotalm\t6,62764798\tm"));
        QVERIFY(l.contains("PerdidaAccesorios\t,0161780\tbar"));
        QVERIFY(l.contains("PcargaTuberiaYaccesorios\t,6648810\tbar"));
        QVERIFY(l.contains("vdinamica\t0,001\tPa · s"));
        QVERIFY(l.contains("laminarturbulento\tTurbulent Flow\t"));
        QVERIFY(l.contains("Labelffriccion\t   Colebrook Friction Factor (turbulent flow)\t"));
        QVERIFY(s.out.endsWith('\n'));
        for (const QString &linea : s.out.split('\n', Qt::SkipEmptyParts))
            QCOMPARE(linea.count('\t'), 2);
        QCOMPARE(s.out.split('\n', Qt::SkipEmptyParts).first(), "Qproceso\t36\tm3/h");
    }

    void calc_speaks_the_language_asked_for_data() {
        QTest::addColumn<QStringList>("opciones");
        QTest::addColumn<QString>("regimen");
        QTest::newRow("default") << QStringList{} << "Turbulent Flow";
        QTest::newRow("en") << QStringList{"--lang", "en"} << "Turbulent Flow";
        QTest::newRow("es") << QStringList{"--lang", "es"} << "Turbulento";
        QTest::newRow("ES, =") << QStringList{"--lang=ES"} << "Turbulento";
    }
    void calc_speaks_the_language_asked_for() {
        QFETCH(QStringList, opciones);
        QFETCH(QString, regimen);
        const Salida s = calc(QStringList{m_caso} + opciones);
        QCOMPARE(s.codigo, 0);
        QCOMPARE(lineas(s.out).value("laminarturbulento"), QStringList({regimen, ""}));
    }

    void calc_keeps_a_tab_inside_a_value_in_its_column() {
        const QString caso = m_dir.filePath("tab.vrq");
        QByteArray b = kEjemplo;
        b.replace("0,05\r\n", "0,\t05\r\n");
        prueba::escribirBytes(caso, b);
        const Salida s = calc({caso});
        QCOMPARE(s.codigo, 0);
        QCOMPARE(lineas(s.out).value("Rugosidad"), QStringList({"0, 05", "mm"}));
    }

    void wrong_usage_exits_2_data() {
        QTest::addColumn<bool>("esReport");
        QTest::addColumn<QStringList>("argumentos");
        QTest::addColumn<QString>("motivo");
        // clang-format off
        QTest::newRow("calc, no case")         << false << QStringList{} << "no case file given";
        QTest::newRow("calc, two cases")       << false << QStringList{"a", "b"} << "one case file";
        QTest::newRow("calc, --lang fr")       << false << QStringList{"a", "--lang", "fr"} << "es or en";
        QTest::newRow("calc, --lang no value") << false << QStringList{"a", "--lang"} << "Missing value";
        QTest::newRow("calc, unknown option")  << false << QStringList{"a", "--pdf"} << "Unknown option";
        QTest::newRow("calc, -o is report's")  << false << QStringList{"a", "-o", "x.csv"} << "Unknown option";
        QTest::newRow("report, no output")     << true << QStringList{"a"} << "no output file";
        QTest::newRow("report, no case")       << true << QStringList{"-o", "x.pdf"} << "no case";
        QTest::newRow("report, .txt")          << true << QStringList{"a", "-o", "x.txt"} << "must end in .pdf or .csv";
        QTest::newRow("report, two outputs")   << true << QStringList{"a", "-o", "x.pdf", "-o", "y.pdf"} << "more than once";
        QTest::newRow("report, --lang de")     << true << QStringList{"a", "-o", "x.pdf", "--lang=de"} << "es or en";
        // clang-format on
    }
    void wrong_usage_exits_2() {
        QFETCH(bool, esReport);
        QFETCH(QStringList, argumentos);
        QFETCH(QString, motivo);
        const Salida s = esReport ? report(argumentos) : calc(argumentos);
        QCOMPARE(s.codigo, 2);
        QCOMPARE(s.out, "");
        QVERIFY2(s.err.contains(motivo), qPrintable(s.err));
        QVERIFY(s.err.contains(esReport ? "Usage: vorlo report" : "Usage: vorlo calc"));
        QVERIFY(!QFile::exists("x.pdf") && !QFile::exists("x.txt"));
    }

    void help_exits_0_with_the_usage() {
        for (auto *c : {&calc, &report}) {
            const Salida s = c({"--help"});
            QCOMPARE(s.codigo, 0);
            QVERIFY(s.out.startsWith("Usage: vorlo "));
            QCOMPARE(s.err, "");
        }
    }

    void an_unreadable_case_exits_3_and_writes_nothing_data() {
        QTest::addColumn<QByteArray>("bytes"); // empty: no file at all
        QTest::addColumn<QString>("motivo");
        QTest::addColumn<QString>("idioma");
        QByteArray ambas = kEjemplo;
        ambas.replace(0, 12, "True\r\nTrue\r");
        // clang-format off
        QTest::newRow("missing")          << QByteArray() << "the file does not exist" << "en";
        QTest::newRow("missing, Spanish") << QByteArray() << "el archivo no existe" << "es";
        QTest::newRow("15 lines")   << kEjemplo.left(kEjemplo.lastIndexOf("2\r\n")) << "it has 15 lines instead of 16" << "en";
        QTest::newRow("a folder")   << QByteArray("carpeta") << "that name is a folder" << "en";
        QTest::newRow("both modes") << ambas << "lines 1 and 2 cannot both be \"True\"" << "en";
        // clang-format on
    }
    void an_unreadable_case_exits_3_and_writes_nothing() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, motivo);
        QFETCH(QString, idioma);
        const QString caso = m_dir.filePath("malo.vrq");
        QFile::remove(caso);
        QDir(m_dir.path()).rmdir("malo.vrq");
        if (bytes == "carpeta")
            QVERIFY(QDir(m_dir.path()).mkdir("malo.vrq"));
        else if (!bytes.isEmpty())
            prueba::escribirBytes(caso, bytes);
        const QString pdf = m_dir.filePath("malo.pdf");
        const Salida r = report({caso, "-o", pdf, "--lang", idioma});
        QCOMPARE(r.codigo, 3);
        QVERIFY2(r.err.contains(caso) && r.err.contains(motivo), qPrintable(r.err));
        QVERIFY(!QFile::exists(pdf));
        const Salida c = calc({caso, "--lang", idioma});
        QCOMPARE(c.codigo, 3);
        QCOMPARE(c.out, "");
        QVERIFY2(c.err.contains(caso) && c.err.contains(motivo), qPrintable(c.err));
    }

    void report_writes_the_csv() {
        const QString csv = m_dir.filePath("ejemplo.csv");
        const Salida s = report({m_caso, "-o", csv});
        QCOMPARE(s.codigo, 0);
        QCOMPARE(s.err, "");
        const QByteArray b = prueba::bytesDe(csv);
        QVERIFY(b.startsWith("field,caption,value,unit\r\n"));
        QVERIFY(b.contains("\r\nDPbarTotal,Total pressure drop,\"0,648703017651904\",bar\r\n"));
        QVERIFY(b.contains("\r\nQproceso,Flow Rate,36,m3/h\r\n"));
        QVERIFY(b.contains("\r\nOption3,Dynamic v.(µ),True,\r\n"));
        // Every calc value is in the CSV, exactly as printed.
        const QHash<QString, QStringList> c = lineas(calc({m_caso}).out);
        for (auto it = c.cbegin(); it != c.cend(); ++it)
            if (it.key() != "Vcinematica") // hidden while the dynamic viscosity is chosen
                QVERIFY2(b.contains(("\r\n" + it.key() + ",").toUtf8()), qPrintable(it.key()));
    }

    void report_writes_the_pdf_in_spanish() {
        const QString pdf = m_dir.filePath("EJEMPLO.PDF");
        const Salida s = report({m_caso, "--lang", "es", "-o", pdf});
        QCOMPARE(s.codigo, 0);
        const QByteArray b = prueba::bytesDe(pdf);
        QVERIFY(b.startsWith("%PDF-"));
        QVERIFY(b.trimmed().endsWith("%%EOF"));
        QCOMPARE(b.count("/Type /Page\n") + b.count("/Type /Page\r"), 1);
    }

    void an_output_that_cannot_be_written_exits_4_and_keeps_the_earlier_file_data() {
        QTest::addColumn<QString>("salida"); // relative to the folder; "plano" is a file
        QTest::addColumn<QString>("motivo");
        // clang-format off
        QTest::newRow("below a regular file, csv") << "plano/x.csv" << "part of the path is a file";
        QTest::newRow("below a regular file, pdf") << "plano/x.pdf" << "part of the path is a file";
        QTest::newRow("missing folder")            << "nada/x.pdf" << "the folder does not exist";
        QTest::newRow("a folder")                  << "carpeta.pdf" << "that name is a folder";
        QTest::newRow("read-only file")            << "solo.csv" << "the file is read-only";
        // clang-format on
    }
    void an_output_that_cannot_be_written_exits_4_and_keeps_the_earlier_file() {
        QFETCH(QString, salida);
        QFETCH(QString, motivo);
        QTemporaryDir dir;
        prueba::escribirBytes(dir.filePath("plano"), "earlier");
        prueba::escribirBytes(dir.filePath("solo.csv"), "earlier csv");
        QFile::setPermissions(dir.filePath("solo.csv"), QFileDevice::ReadOwner);
        QVERIFY(QDir(dir.path()).mkdir("carpeta.pdf"));
        const QStringList antes = prueba::listado(dir.path());
        const QString ruta = dir.filePath(salida);
        const Salida s = report({m_caso, "-o", ruta});
        QFile::setPermissions(dir.filePath("solo.csv"),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QCOMPARE(s.codigo, 4);
        QVERIFY2(s.err.contains(ruta) && s.err.contains(motivo), qPrintable(s.err));
        QCOMPARE(prueba::bytesDe(dir.filePath("plano")), QByteArray("earlier"));
        QCOMPARE(prueba::bytesDe(dir.filePath("solo.csv")), QByteArray("earlier csv"));
        QCOMPARE(prueba::listado(dir.path()), antes);
    }
};

QTEST_MAIN(TestCaseCommands)
#include "tst_case_commands.moc"
