// `vorlo report`: the note's header from the case and the options over it, on every page; the
// Moody chart drawn as vectors; the other windows a case holds.
#include "case_commands.h"
#include "cases/case_file.h"
#include "cases/report_header.h"
#include "fittings/fittings_fields.h"
#include "pipeflow/ejemplo.h"
#include "water/water_fields.h"

#include "../support/cli_fixture.h"
#include "../support/file_helpers.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "../support/runner.h"

using namespace vorlo;
namespace cab = vorlo::informe::cabecera;
namespace t = vorlo::tuberia;

namespace {

// The worked example as a case, with a header and the fittings and water windows.
caso::Caso casoEjemplo() {
    caso::Caso c;
    c.idioma = kIngles;
    caso::Ventana tubo;
    for (const t::TextoEjemplo &e : t::ejemplo())
        tubo.textos.insert(e.campo, e.texto);
    tubo.textos.insert(t::ktotal, "2");
    tubo.opciones = {{t::Option1, true}, {t::Option3, true}};
    c.ventanas.insert(caso::Tuberia, tubo);
    caso::Ventana cabecera;
    cabecera.textos = {{cab::Proyecto, "Planta Norte"},
                       {cab::Linea, "10-P-1001"},
                       {cab::Revision, "A"},
                       {cab::Preparado, "A. Perez"},
                       {cab::Revisado, "M. Ruiz"}};
    c.ventanas.insert(caso::Informe, cabecera);
    caso::Ventana acc; // one swing check valve: the K total of 2 at DN 100
    acc.textos = {{accesorios::MetodoK, "table"}, {accesorios::Naccesorios(20), "1"}};
    c.ventanas.insert(caso::Accesorios, acc);
    c.ventanas.insert(caso::Agua, {{}, {{agua::TAgua, "179,5"}, {agua::PAgua, "10"}}});
    return c;
}

// The text of each page of a PDF, as pdftotext reads it.
QStringList paginas(const QString &pdf) {
    QProcess p;
    p.start(QStandardPaths::findExecutable("pdftotext"), {"-layout", pdf, "-"});
    p.waitForFinished(30000);
    QStringList l = QString::fromUtf8(p.readAllStandardOutput()).split(u'\f');
    if (!l.isEmpty() && l.last().trimmed().isEmpty())
        l.removeLast();
    return l;
}

// Blanks as pdftotext lays them out do not count.
QString compacto(const QString &t) {
    return t.simplified();
}

} // namespace

class TestReportCommand : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_caso;

    prueba::Resultado report(const QStringList &opciones) {
        return prueba::ejecutar(&cli::comandoReport, "report", opciones);
    }

  private slots:
    void initTestCase() {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("pdftotext (poppler-utils) reads the notes' text");
        m_caso = m_dir.filePath("ejemplo.vorlo");
        QVERIFY(!caso::guardar(m_caso, casoEjemplo()));
    }

    // The case's header, each option over its field; the line and revision on every page.
    void the_header_takes_the_options_over_the_case_data() {
        QTest::addColumn<QStringList>("opciones");
        QTest::addColumn<QStringList>("bloque"); // on the first page
        QTest::addColumn<QString>("pie");        // on every page
        // clang-format off
        QTest::newRow("the case's") << QStringList{}
            << QStringList{"Project Planta Norte", "Line or tag 10-P-1001", "Revision A", "Prepared by A. Perez", "Checked by M. Ruiz"}
            << "Line 10-P-1001 · Rev. A";
        QTest::newRow("line and revision") << QStringList{"--line", "20-P-2002", "--revision", "C"}
            << QStringList{"Project Planta Norte", "Line or tag 20-P-2002", "Revision C"}
            << "Line 20-P-2002 · Rev. C";
        QTest::newRow("the three names") << QStringList{"--project", "Sur", "--prepared", "B. Gil", "--checked", "C. Ros"}
            << QStringList{"Project Sur", "Prepared by B. Gil", "Checked by C. Ros"}
            << "Line 10-P-1001 · Rev. A";
        // clang-format on
    }
    void the_header_takes_the_options_over_the_case() {
        QFETCH(QStringList, opciones);
        QFETCH(QStringList, bloque);
        QFETCH(QString, pie);
        const QString pdf = m_dir.filePath("nota.pdf");
        const prueba::Resultado r = report(QStringList{m_caso, "-o", pdf} + opciones);
        QCOMPARE(r.codigo, 0);
        QCOMPARE(r.errores, "");
        const QStringList p = paginas(pdf);
        QVERIFY(p.size() >= 2);
        for (const QString &b : bloque)
            QVERIFY2(compacto(p.first()).contains(b), qPrintable(b));
        for (const QString &pagina : p)
            QVERIFY2(compacto(pagina).contains(pie), qPrintable(pagina.right(200)));
    }

    // The chart's lines and texts are drawing operations of the PDF, not a picture: the file
    // holds no image at all, and its captions read as text.
    void the_chart_is_drawn_as_vectors() {
        const QString pdf = m_dir.filePath("grafico.pdf");
        QCOMPARE(report({m_caso, "-o", pdf}).codigo, 0);
        const QByteArray b = prueba::bytesDe(pdf);
        QVERIFY(!b.contains("/Subtype /Image") && !b.contains("/Subtype/Image"));
        const QString texto = compacto(paginas(pdf).join(' '));
        for (const char *s : {"Moody chart", "Reynolds number Re", "Darcy friction factor f",
                              "Operating point (Re, f)", "Pipe's ε/D = 0,0005"})
            QVERIFY2(texto.contains(QString::fromUtf8(s)), s);
    }

    // The fittings and the water window the case holds, computed again; their warnings.
    void a_case_brings_its_other_windows() {
        const QString pdf = m_dir.filePath("ventanas.pdf");
        QCOMPARE(report({m_caso, "-o", pdf, "--lang", "es"}).codigo, 0);
        const QString texto = compacto(paginas(pdf).join(' '));
        for (const char *s :
             {"Válvula antirretorno (clapeta) (brida) 1 2 2", "AGUA Y VAPOR (IAPWS-IF97)",
              "Temperatura de saturación", "Método de cálculo", "K = Σ n · K = 1 · 2 = 2"})
            QVERIFY2(texto.contains(QString::fromUtf8(s)), s);
        QVERIFY(texto.contains("Avisos") && texto.contains("AGUA Y VAPOR (IAPWS-IF97): "));
    }

    // --digits presents every number with that many significant digits in the note language's
    // convention; the same quantity agrees in both its units, and the CSV keeps the window's
    // texts. 2 to 15 digits only.
    void digits_present_the_note_in_engineering_form_data() {
        QTest::addColumn<QStringList>("opciones");
        QTest::addColumn<QStringList>("dice"); // in the note's text; empty: wrong usage
        // clang-format off
        QTest::newRow("as the window, English") << QStringList{}
            << QStringList{"Reynolds 127.065", "0,16 kPa/m", "0,00159353 bar/m"};
        QTest::newRow("4 digits, English") << QStringList{"--digits", "4"}
            << QStringList{"Reynolds 127,100", "0.1594 kPa/m", "0.001594 bar/m",
                           "Numbers with 4 sig"};
        QTest::newRow("3 digits, Spanish") << QStringList{"--digits", "3", "--lang", "es"}
            << QStringList{"Reynolds 127.000", "0,159 kPa/m", "0,00159 bar/m"};
        QTest::newRow("1 digit") << QStringList{"--digits", "1"} << QStringList{};
        QTest::newRow("not a number") << QStringList{"--digits", "four"} << QStringList{};
        // clang-format on
    }
    void digits_present_the_note_in_engineering_form() {
        QFETCH(QStringList, opciones);
        QFETCH(QStringList, dice);
        const QString pdf = m_dir.filePath("digitos.pdf");
        QFile::remove(pdf);
        const prueba::Resultado r = report(QStringList{m_caso, "-o", pdf} + opciones);
        if (dice.isEmpty()) {
            QCOMPARE(r.codigo, 2);
            QVERIFY2(r.errores.contains("takes a whole number from 2 to 15"),
                     qPrintable(r.errores));
            QVERIFY(!QFile::exists(pdf));
            return;
        }
        QCOMPARE(r.codigo, 0);
        const QString texto = compacto(paginas(pdf).join(' '));
        for (const QString &d : dice)
            QVERIFY2(texto.contains(d), qPrintable(d));
        const QString csv = m_dir.filePath("digitos.csv");
        QCOMPARE(report(QStringList{m_caso, "-o", csv} + opciones).codigo, 0);
        QFile f(csv);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(QString::fromUtf8(f.readAll()).contains("127.065,,127065"));
    }

    void a_header_option_twice_is_wrong_usage() {
        const prueba::Resultado r =
            report({m_caso, "-o", m_dir.filePath("x.pdf"), "--line", "a", "--line", "b"});
        QCOMPARE(r.codigo, 2);
        QVERIFY(r.errores.contains("more than once") && r.errores.contains("--prepared T"));
        QVERIFY(!QFile::exists(m_dir.filePath("x.pdf")));
    }
};

VORLO_PRUEBA(TestReportCommand, Ventanas)
#include "tst_report_command.moc"
