#include "case_commands.h"
#include "commands.h"
#include "pipeflow/pipe_fields.h"
#include "report/report_formats.h"

#include "../support/cli_fixture.h"
#include "../support/file_helpers.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

#include "../support/runner.h"
#include <QTextStream>
#include <cmath>

using namespace vorlo;
using namespace vorlo::cli;
namespace t = vorlo::tuberia;

namespace {

const QString kDefinido = "Results: friction factor from the grid 0,01–0,1, as displayed";
const QString kExacto = "Results: exact Colebrook friction factor, full precision";

// The worked example as a case (liquids, dynamic viscosity, the defined mode); `cambios` sets
// options (a bool) and texts by name.
QByteArray casoEjemplo(const QVariantMap &cambios = {}) {
    QVariantMap op{{t::Option1, true}, {t::Option3, true}};
    QVariantMap tx{{t::Qproceso, "36"}, {t::dproceso, "998"}, {t::vdinamica, "0,001"},
                   {t::dint, "100"},    {t::L, "100"},        {t::Rugosidad, "0,05"},
                   {t::Desnivel, "5"},  {t::ktotal, "2"}};
    for (auto it = cambios.cbegin(); it != cambios.cend(); ++it)
        (it->typeId() == QMetaType::Bool ? op : tx)[it.key()] = *it;
    const QJsonObject tuberia{{"options", QJsonObject::fromVariantMap(op)},
                              {"fields", QJsonObject::fromVariantMap(tx)}};
    return QJsonDocument(QJsonObject{{"format", "vorlo-case"}, {"version", 1}, {"pipe", tuberia}})
        .toJson();
}

const QByteArray kEjemplo = "True\r\nFalse\r\n36\r\n998\r\nTrue\r\nFalse\r\n0,001\r\n\r\n100\r\n"
                            "\r\n\r\n0,05\r\n\r\n100\r\n5\r\n2\r\n";

using Salida = prueba::Resultado;

// calc's fields that hold no quantity: the file, the mode and the notes.
const QStringList kNoCantidades = {"file", "CheckExacto", "laminarturbulento", "Labelffriccion",
                                   "Labelfexacta"};

// A window's number as a reader takes it, by the test's own hand: no grouping, a decimal point,
// a leading zero.
QString conPunto(const QString &texto) {
    QString t = QString(texto).remove('.').replace(',', '.');
    return t.startsWith('.') ? '0' + t : t;
}

// The cells of a CSV line, quotes taken off.
QStringList celdasCsv(const QString &linea) {
    QStringList celdas{QString()};
    bool entreComillas = false;
    for (const QChar c : linea) {
        if (c == '"')
            entreComillas = !entreComillas;
        else if (c == ',' && !entreComillas)
            celdas << QString();
        else
            celdas.last() += c;
    }
    return celdas;
}

// A header with each quantity followed by its number column, NAME_number [UNIT].
QString conNumeros(const QString &cabecera) {
    const QHash<QString, QString> unidades = {{"Qproceso", "m3/h"},
                                              {"dproceso", "kg/m3"},
                                              {"vdinamica", "Pa · s"},
                                              {"Vcinematica", "m2/s"},
                                              {"dint", "mm"},
                                              {"Vproceso", "m/s"},
                                              {"Rugosidad", "mm"},
                                              {"DP", "kPa/m"},
                                              {"DPbar", "bar/m"},
                                              {"L", "m"},
                                              {"Desnivel", "m"},
                                              {"DPtotalm", "m"},
                                              {"DPbarTotal", "bar"},
                                              {"PerdidaAccesorios", "bar"},
                                              {"PcargaTuberiaYaccesorios", "bar"}};
    QStringList l;
    for (const QString &n : cabecera.split(',')) {
        l << n;
        if (!kNoCantidades.contains(n))
            l << n + "_number" + (unidades.contains(n) ? " [" + unidades.value(n) + "]" : "");
    }
    return l.join(',');
}

// Runs a command as main() does: looked up in the command table by its name.
Salida ejecutar(const char *nombre, const QStringList &argumentos) {
    return prueba::ejecutar(buscarComando(nombre)->ejecutar, nombre, argumentos);
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
        prueba::escribirBytes(m_dir.filePath("tab.vrq"),
                              QByteArray(kEjemplo).replace("0,05\r", "0,\t05\r"));
        prueba::escribirBytes(m_dir.filePath("ejemplo.vorlo"), casoEjemplo());
        prueba::escribirBytes(m_dir.filePath("exacto.vorlo"),
                              casoEjemplo({{t::CheckExacto, true}}));
        prueba::escribirBytes(m_dir.filePath("gases.vorlo"),
                              casoEjemplo({{t::Option1, false}, {t::Option2, true}}));
        prueba::escribirBytes(m_dir.filePath("cinematica.vorlo"),
                              casoEjemplo({{t::Option3, false},
                                           {t::Option4, true},
                                           {t::vdinamica, ""},
                                           {t::Vcinematica, "0,000001"}}));
        prueba::escribirBytes(m_dir.filePath("negativo.vorlo"),
                              casoEjemplo({{t::Qproceso, "-36"}}));
        prueba::escribirBytes(m_dir.filePath("laminar.vorlo"), casoEjemplo({{t::vdinamica, "1"}}));
        // The CSV's first column names the files as given.
        QVERIFY(QDir::setCurrent(m_dir.path()));
    }

    void both_commands_are_in_the_table() {
        const Comando *c = buscarComando("calc"), *r = buscarComando("report");
        QVERIFY(c && r && c->ejecutar == &comandoCalc && r->ejecutar == &comandoReport);
        QVERIFY(!c->dibuja && r->dibuja); // only the PDF needs a platform
    }

    // One line per field, three tab-separated columns, in the language asked for.
    void calc_prints_one_line_per_field_data() {
        QTest::addColumn<QStringList>("argumentos");
        QTest::addColumn<QString>("linea");
        const QStringList ejemplo{"ejemplo.vrq"};
        // clang-format off
        QTest::newRow("DPbarTotal")     << ejemplo << "DPbarTotal\t0,648703017651904\tbar";
        QTest::newRow("vdinamica")      << ejemplo << "vdinamica\t0,001\tPa · s";
        QTest::newRow("Labelffriccion") << ejemplo << "Labelffriccion\tColebrook Friction Factor (turbulent flow)\t";
        // What the window's help line says about a bad input, as a warning line.
        QTest::newRow("warning")        << QStringList{"negativo.vorlo"} << "warning\tFlow Rate: must be greater than zero\t";
        QTest::newRow("warning, es")    << QStringList{"negativo.vorlo", "--lang", "es"} << "warning\tCaudal: debe ser mayor que cero\t";
        // Laminar flow (µ 1 Pa·s, Re 127): the factor is 64/Re in either mode, and calc says so.
        QTest::newRow("laminar mode")   << QStringList{"laminar.vorlo", "--exact"} << "CheckExacto\t" + kExacto + "; laminar flow: f = 64/Re\t";
        QTest::newRow("laminar note")   << QStringList{"laminar.vorlo"} << "Labelfexacta\tLaminar flow: f = 64/Re, Colebrook does not apply\t";
        QTest::newRow("English")        << ejemplo << "laminarturbulento\tTurbulent Flow\t";
        QTest::newRow("es")             << QStringList{"ejemplo.vrq", "--lang", "es"} << "laminarturbulento\tTurbulento\t";
        QTest::newRow("ES, =")          << QStringList{"ejemplo.vrq", "--lang=ES"} << "laminarturbulento\tTurbulento\t";
        QTest::newRow("tab inside")     << QStringList{"tab.vrq"} << "Rugosidad\t0, 05\tmm";
        // The first line says how the results were computed; --exact computes them unrounded.
        QTest::newRow("defined mode")   << ejemplo << "CheckExacto\tResults: friction factor from the grid 0,01–0,1, as displayed\t";
        QTest::newRow("exact mode")     << QStringList{"ejemplo.vrq", "--exact"} << "CheckExacto\tResults: exact Colebrook friction factor, full precision\t";
        QTest::newRow("exact Re")       << QStringList{"ejemplo.vrq", "--exact"} << "Re\t127.069\t";
        QTest::newRow("exact, es")      << QStringList{"ejemplo.vrq", "--exact", "--lang", "es"} << "CheckExacto\tResultados: factor de fricción exacto de Colebrook, sin redondeos\t";
        // clang-format on
    }
    void calc_prints_one_line_per_field() {
        QFETCH(QStringList, argumentos);
        QFETCH(QString, linea);
        argumentos[0] = m_dir.filePath(argumentos[0]);
        const Salida s = ejecutar("calc", argumentos);
        QCOMPARE(s.codigo, 0);
        QCOMPARE(s.errores, "");
        QVERIFY2(s.salida.split('\n').contains(linea), qPrintable(s.salida));
        QVERIFY(s.salida.startsWith("CheckExacto\t") && s.salida.endsWith('\n'));
        QVERIFY(s.salida.split('\n').at(1).startsWith("Qproceso\t"));
        for (const QString &l : s.salida.split('\n', Qt::SkipEmptyParts))
            QCOMPARE(l.count('\t'), 2);
    }

    // Help exits 0 with the usage; wrong usage exits 2 with the usage and the reason.
    void usage_data() {
        QTest::addColumn<bool>("esReport");
        QTest::addColumn<QStringList>("argumentos");
        QTest::addColumn<int>("codigo");
        QTest::addColumn<QString>("motivo");
        // clang-format off
        QTest::newRow("calc, help")            << false << QStringList{"--help"} << 0 << "";
        QTest::newRow("calc, no case")         << false << QStringList{} << 2 << "no case file given";
        QTest::newRow("calc, --lang fr")       << false << QStringList{"a", "--lang", "fr"} << 2 << "es or en";
        QTest::newRow("calc, unknown option")  << false << QStringList{"a", "--pdf"} << 2 << "Unknown option";
        QTest::newRow("report, no output")     << true << QStringList{"a"} << 2 << "no output file";
        QTest::newRow("report, no case")       << true << QStringList{"-o", "x.pdf"} << 2 << "no case";
        QTest::newRow("report, .txt")          << true << QStringList{"a", "-o", "x.txt"} << 2 << "must end in .pdf or .csv";
        QTest::newRow("report, --lang de")     << true << QStringList{"a", "-o", "x.pdf", "--lang=de"} << 2 << "es or en";
        QTest::newRow("calc, two files")       << false << QStringList{"a", "b"} << 2 << "got 2 (--csv takes several)";
        QTest::newRow("calc --csv, empty name") << false << QStringList{"a", "", "--csv"} << 2 << "name is empty";
        QTest::newRow("report, two files")     << true << QStringList{"a", "b", "-o", "x.pdf"} << 2 << "one case file only";
        QTest::newRow("calc, both modes")      << false << QStringList{"a", "--exact", "--defined"} << 2 << "--exact and --defined exclude each other";
        QTest::newRow("report, both modes")    << true << QStringList{"a", "-o", "x.pdf", "--defined", "--exact"} << 2 << "exclude each other";
        // clang-format on
    }
    void usage() {
        QFETCH(bool, esReport);
        QFETCH(QStringList, argumentos);
        QFETCH(int, codigo);
        QFETCH(QString, motivo);
        const Salida s = ejecutar(esReport ? "report" : "calc", argumentos);
        QCOMPARE(s.codigo, codigo);
        QCOMPARE(codigo ? s.salida : s.errores, "");
        const QString dice = codigo ? s.errores : s.salida;
        QVERIFY2(dice.contains(motivo), qPrintable(dice));
        QVERIFY(dice.contains(esReport ? "Usage: vorlo report" : "Usage: vorlo calc"));
        QVERIFY(!QFile::exists("x.pdf") && !QFile::exists("x.txt"));
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
        // A .vorlo name is a case, refused as the windows refuse it.
        QTest::newRow("missing.vorlo")    << QByteArray() << "the file does not exist" << "en";
        QTest::newRow("json.vorlo")       << QByteArray("{\"format\": ") << "it is not a JSON file" << "en";
        QTest::newRow("otro.vorlo")       << QByteArray("{\"format\": \"x\"}") << "it is not a Vorlo case" << "en";
        QTest::newRow("nuevo.vorlo")      << QByteArray("{\"format\": \"vorlo-case\", \"version\": 2}") << "format version 2; this program reads up to 1" << "en";
        QTest::newRow("numero.vorlo")     << casoEjemplo({{t::Qproceso, 36}}) << "\"pipe.fields.Qproceso\" is not of the expected type" << "en";
        QTest::newRow("texto.vorlo")      << casoEjemplo({{t::dint, "1OO"}}) << "Diámetro Interior (\"pipe.fields.dint\"): \"1OO\" no es un número" << "es";
        // clang-format on
    }
    void an_unreadable_case_exits_3_and_writes_nothing() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, motivo);
        QFETCH(QString, idioma);
        // The folder itself stands for a case that is a folder.
        const QString caso =
            bytes == "carpeta" ? m_dir.path() : m_dir.filePath(QTest::currentDataTag());
        if (!bytes.isEmpty() && bytes != "carpeta")
            prueba::escribirBytes(caso, bytes);
        const QString pdf = m_dir.filePath("malo.pdf");
        const Salida r = ejecutar("report", {caso, "-o", pdf, "--lang", idioma});
        QCOMPARE(r.codigo, 3);
        QVERIFY2(r.errores.contains(caso) && r.errores.contains(motivo), qPrintable(r.errores));
        QVERIFY(!QFile::exists(pdf));
        const Salida c = ejecutar("calc", {caso, "--lang", idioma});
        QCOMPARE(c.codigo, 3);
        QCOMPARE(c.salida, "");
        QVERIFY2(c.errores.contains(caso) && c.errores.contains(motivo), qPrintable(c.errores));
    }

    // A case prints what the window shows in its mode and viscosity, nothing it hides.
    void calc_reads_a_case_data() {
        QTest::addColumn<QByteArray>("caso");
        QTest::addColumn<QStringList>("opciones");
        QTest::addColumn<QStringList>("lineas");
        QTest::addColumn<QStringList>("ocultos"); // fields with no line
        const QStringList gases{t::L, t::Desnivel, t::DPtotalm, t::DPbarTotal,
                                t::PcargaTuberiaYaccesorios};
        const QStringList no, exacto{"--exact"};
        // clang-format off
        QTest::newRow("worked example") << casoEjemplo() << no << QStringList{"CheckExacto\t" + kDefinido + "\t", "Re\t127.065\t", "DPbarTotal\t0,648703017651904\tbar"} << QStringList{t::Vcinematica, t::LabelTuberia};
        // The mode the case was saved in, unless --exact.
        QTest::newRow("saved exact") << casoEjemplo({{t::CheckExacto, true}}) << no << QStringList{"CheckExacto\t" + kExacto + "\t", "Re\t127.069\t"} << no;
        QTest::newRow("--exact over saved defined") << casoEjemplo() << exacto << QStringList{"CheckExacto\t" + kExacto + "\t", "Re\t127.069\t"} << no;
        QTest::newRow("--defined over saved exact") << casoEjemplo({{t::CheckExacto, true}}) << QStringList{"--defined"} << QStringList{"CheckExacto\t" + kDefinido + "\t", "Re\t127.065\t"} << no;
        QTest::newRow("kinematic") << casoEjemplo({{t::Option3, false}, {t::Option4, true}, {t::vdinamica, ""}, {t::Vcinematica, "0,000001"}})
                                   << no << QStringList{"Vcinematica\t0,000001\tm2/s", "Re\t127.320\t"} << QStringList{t::vdinamica};
        QTest::newRow("gases mode") << casoEjemplo({{t::Option1, false}, {t::Option2, true}}) << no << QStringList{"ktotal\t2\t"} << gases;
        QTest::newRow("pipe designation") << casoEjemplo({{t::LabelTuberia, "4\" Sch 40"}}) << no << QStringList{"LabelTuberia\t4\" Sch 40\t"} << no;
        QTest::newRow("a field left out") << casoEjemplo({{t::L, ""}}) << no << QStringList{"L\t\tm", "DPbarTotal\t\tbar"} << no;
        QTest::newRow("no pipe part") << QByteArray("{\"format\": \"vorlo-case\", \"version\": 1, \"gas\": {}}")
                                      << no << QStringList{"Qproceso\t\tm3/h", "Desnivel\t0\tm"} << QStringList{t::Vcinematica};
        // clang-format on
    }
    void calc_reads_a_case() {
        QFETCH(QByteArray, caso);
        QFETCH(QStringList, opciones);
        QFETCH(QStringList, lineas);
        QFETCH(QStringList, ocultos);
        prueba::escribirBytes("leido.vorlo", caso);
        const Salida s = ejecutar("calc", QStringList{"leido.vorlo"} + opciones);
        QCOMPARE(s.codigo + s.errores.size(), 0);
        for (const QString &l : lineas)
            QVERIFY2(s.salida.split('\n').contains(l), qPrintable(l + " not in\n" + s.salida));
        for (const QString &n : ocultos)
            QVERIFY2(!s.salida.contains('\n' + n + '\t'), qPrintable(n));
    }

    // One table for many files: a row per readable file, each cell what calc prints for that
    // file, empty where its window hides the field; the header is the union of the fields.
    void csv_prints_a_row_per_file_data() {
        QTest::addColumn<QStringList>("archivos");
        QTest::addColumn<int>("ilegibles"); // the files named "nada..."
        QTest::addColumn<QString>("cabecera");
        const QString gases = "file,CheckExacto,Qproceso,dproceso,vdinamica,dint,Vproceso,Re,"
                              "laminarturbulento,Rugosidad,ffinal,Labelffriccion,fexacta,"
                              "Labelfexacta,DP,DPbar,ktotal,PerdidaAccesorios";
        const QString liquidos = QString(gases).replace(
            "DPbar,ktotal,PerdidaAccesorios", "DPbar,L,Desnivel,DPtotalm,DPbarTotal,ktotal,"
                                              "PerdidaAccesorios,PcargaTuberiaYaccesorios");
        // clang-format off
        QTest::newRow("gases only")        << QStringList{"gases.vorlo"} << 0 << gases;
        QTest::newRow("liquids and gases") << QStringList{"gases.vorlo", "exacto.vorlo"} << 0 << liquidos;
        QTest::newRow("both viscosities")  << QStringList{"ejemplo.vorlo", "cinematica.vorlo"} << 0 << QString(liquidos).replace("vdinamica,", "vdinamica,Vcinematica,");
        QTest::newRow("one unreadable")    << QStringList{"ejemplo.vrq", "nada.vorlo", "gases.vorlo"} << 1 << liquidos;
        QTest::newRow("none readable")     << QStringList{"nada.vorlo", "nada.vrq"} << 2 << QString();
        // clang-format on
    }
    void csv_prints_a_row_per_file() {
        QFETCH(QStringList, archivos);
        QFETCH(int, ilegibles);
        QFETCH(QString, cabecera);
        const Salida s = ejecutar("calc", archivos + QStringList{"--csv"});
        QCOMPARE(s.codigo, ilegibles ? 3 : 0);
        QCOMPARE(s.errores.count("vorlo calc: The file \"nada."), ilegibles);
        QString esperado = cabecera.isEmpty() ? QString() : conNumeros(cabecera) + '\n';
        for (const QString &archivo : archivos) {
            if (archivo.startsWith("nada"))
                continue;
            QHash<QString, QString> textos; // calc's own lines for the file
            for (const QString &l : ejecutar("calc", {archivo}).salida.split('\n'))
                textos.insert(l.section('\t', 0, 0), l.section('\t', 1, 1));
            textos.insert("file", archivo);
            QStringList celdas;
            for (const QString &n : cabecera.split(',')) {
                celdas << informe::valorCsv(textos.value(n));
                // Each quantity again as a reader takes it: no grouping, a decimal point.
                if (!kNoCantidades.contains(n))
                    celdas << conPunto(textos.value(n));
            }
            esperado += celdas.join(',') + '\n';
        }
        QCOMPARE(s.salida, esperado);
    }

    // The number columns' names carry the unit; the values read as numbers: Re = 998 · 1,2732 ·
    // 0,1 / 0,001 = 127.065,4 and V = 36 / 3600 / (π · 0,05²) = 1,27324 m/s, by hand.
    void csv_numbers_read_as_numbers_data() {
        QTest::addColumn<QString>("columna");
        QTest::addColumn<double>("valor");
        QTest::addColumn<double>("tolerancia");
        QTest::newRow("flow") << "Qproceso_number [m3/h]" << 36.0 << 0.0;
        QTest::newRow("velocity") << "Vproceso_number [m/s]" << 1.27324 << 1e-4;
        QTest::newRow("Reynolds, grouped in the window") << "Re_number" << 127065.4 << 1.0;
        QTest::newRow("roughness") << "Rugosidad_number [mm]" << 0.05 << 0.0;
    }
    void csv_numbers_read_as_numbers() {
        QFETCH(QString, columna);
        QFETCH(double, valor);
        QFETCH(double, tolerancia);
        const QStringList lineas = ejecutar("calc", {"ejemplo.vrq", "--csv"}).lineas();
        QCOMPARE(lineas.size(), 2);
        const qsizetype i = lineas[0].split(',').indexOf(columna);
        QVERIFY2(i > 0, qPrintable(lineas[0]));
        const QStringList celdas = celdasCsv(lineas[1]);
        bool ok = false;
        const double leido = celdas.value(i).toDouble(&ok);
        QVERIFY2(ok, qPrintable(celdas.value(i)));
        QVERIFY2(std::fabs(leido - valor) <= tolerancia, qPrintable(celdas.value(i)));
    }

    void calc_exits_4_when_its_output_cannot_be_written() {
        prueba::salidaImposible(&comandoCalc, {"calc", "ejemplo.vorlo"});
        prueba::salidaImposible(&comandoCalc, {"calc", "ejemplo.vorlo", "gases.vorlo", "--csv"});
    }

    void report_writes_the_pdf_and_the_csv() {
        const QString pdf = m_dir.filePath("EJEMPLO.PDF"), csv = m_dir.filePath("ejemplo.csv");
        QCOMPARE(ejecutar("report", {m_caso, "--lang", "es", "-o", pdf}).codigo, 0);
        const QByteArray p = prueba::bytesDe(pdf);
        QVERIFY(p.startsWith("%PDF-") && p.trimmed().endsWith("%%EOF"));
        // The tables, then the method and the Moody chart from a page of their own.
        QVERIFY(p.count("/Type /Page\n") + p.count("/Type /Page\r") >= 2);
        const Salida s = ejecutar("report", {m_caso, "-o", csv});
        QCOMPARE(s.codigo, 0);
        QCOMPARE(s.errores, "");
        const QByteArray b = prueba::bytesDe(csv);
        QVERIFY(
            b.startsWith("field,caption,value,unit,value_number\r\nOption1,Liquids,True,,\r\n"));
        QVERIFY(b.contains(
            "\r\nDPbarTotal,Total pressure drop,\"0,648703017651904\",bar,0.648703017651904\r\n"));
        // Every calc line is a row of the CSV: calc prints what the report lists.
        for (const QString &l : ejecutar("calc", {m_caso}).salida.split('\n', Qt::SkipEmptyParts))
            QVERIFY2(b.contains(("\r\n" + l.section('\t', 0, 0) + ",").toUtf8()), qPrintable(l));
        // A case's report in the mode it was saved in.
        QCOMPARE(ejecutar("report", {"exacto.vorlo", "-o", csv}).codigo, 0);
        QVERIFY(prueba::bytesDe(csv).contains("\r\nRe,Reynolds,127.069,,127069\r\n"));
    }

    void an_output_that_cannot_be_written_exits_4_and_keeps_the_earlier_file_data() {
        QTest::addColumn<QString>("salida"); // relative to the folder; "plano" is a file
        QTest::addColumn<QString>("motivo");
        // clang-format off
        QTest::newRow("below a regular file, csv") << "plano/x.csv" << "part of the path is a file";
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
        const Salida s = ejecutar("report", {m_caso, "-o", ruta});
        QCOMPARE(s.codigo, 4);
        QVERIFY2(s.errores.contains(ruta) && s.errores.contains(motivo), qPrintable(s.errores));
        QCOMPARE(prueba::bytesDe(dir.filePath("plano")) + '|' +
                     prueba::bytesDe(dir.filePath("solo.csv")),
                 "earlier|earlier csv");
        QCOMPARE(prueba::listado(dir.path()), antes);
    }
};

VORLO_PRUEBA(TestCaseCommands, Ventanas)
#include "tst_case_commands.moc"
