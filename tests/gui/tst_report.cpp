#include "app/dialogos_archivo.h"
#include "app/globals.h"
#include "app/open_windows.h"
#include "app/report_seams.h"
#include "fields/language.h"
#include "fittings/form_accesorios.h"
#include "gas/form2.h"
#include "pipeflow/form_reynolds.h"
#include "pipeflow/pipe_flow.h"
#include "report/report.h"
#include "report/report_actions.h"
#include "report/report_formats.h"
#include "report/report_pdf.h"

#include "../support/file_helpers.h"
#include "../support/gui_fixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>

#include "../support/runner.h"

using namespace vorlo;
using namespace vorlo::informe;
using namespace vorlo::prueba;

namespace {

const QDateTime kFecha(QDate(2024, 3, 5), QTime(9, 30));

// The worked example typed into the pipe window.
FormReynolds *ejemplo() {
    FormReynolds *f = ventanas().mostrar<FormReynolds>();
    prueba::teclearEjemploTuberia(f);
    f->escribir(t::ktotal, "2");
    f->CalcularTuberia();
    return f;
}

} // namespace

class TestReportGui : public prueba::PruebaGui {
    Q_OBJECT

    PortapapelesGrabado m_portapapeles;
    DialogosArchivoGrabados m_dialogo;
    ImpresionGrabada m_impresion;

  public:
    TestReportGui() : PruebaGui(kIngles) {}

  protected:
    void alEmpezar() override {
        fijarPortapapeles(&(m_portapapeles = PortapapelesGrabado()));
        fijarDialogosArchivo(&(m_dialogo = DialogosArchivoGrabados()));
        fijarImpresion(&(m_impresion = ImpresionGrabada()));
    }
    void alTerminar() override {
        fijarPortapapeles(nullptr);
        fijarDialogosArchivo(nullptr);
        fijarImpresion(nullptr);
    }

  private slots:
    // Every caption is the text of the window's label for that field, in both languages.
    void captions_are_the_windows_labels_data() {
        QTest::addColumn<bool>("gas");
        QTest::addColumn<QString>("idioma");
        QTest::addColumn<QStringList>("encabezados"); // the section headings' labels
        // clang-format off
        for (const QString &idioma : {kEspanol, kIngles}) {
            QTest::newRow(qPrintable("pipe " + idioma)) << false << idioma << QStringList{"Label17", "Label18", "Label7"};
            QTest::newRow(qPrintable("gas " + idioma)) << true << idioma << QStringList{"Label4", "Label8", "Label13", "Label21", "Label24", "Label30"};
        }
        // clang-format on
    }
    void captions_are_the_windows_labels() {
        QFETCH(bool, gas);
        QFETCH(QString, idioma);
        QFETCH(QStringList, encabezados);
        Idioma = idioma;
        QWidget *w = gas ? static_cast<QWidget *>(ventanas().mostrar<Form2>())
                         : static_cast<QWidget *>(ventanas().mostrar<FormReynolds>());
        const TablaCampos &tc = tabla(gas ? Ventana::Gas : Ventana::Tuberia);
        int comparados = 0;
        for (QLabel *l : w->findChildren<QLabel *>()) {
            if (!l->buddy())
                continue;
            const Campo *r = tc.campo(l->buddy()->objectName());
            QVERIFY2(r, qPrintable(l->buddy()->objectName()));
            QCOMPARE(r->rotulo.en(idioma), l->text());
            ++comparados;
        }
        // The pipe window names its options by their own captions.
        for (const Campo &o : tc.opciones())
            if (auto *b = w->findChild<QAbstractButton *>(o.nombre); b && !b->text().isEmpty()) {
                QCOMPARE(o.rotulo.en(idioma), b->text());
                ++comparados;
            }
        QVERIFY(comparados >= (gas ? 17 : 16));
        QCOMPARE(tc.secciones().size(), encabezados.size());
        for (int i = 0; i < encabezados.size(); ++i)
            QCOMPARE(tc.secciones()[i].titulo.en(idioma),
                     prueba::etiqueta(w, encabezados[i]).trimmed());
    }

    void copy_puts_rows_and_a_table_on_the_recorded_and_the_real_clipboard() {
        copiarInforme(informeTuberia(*ejemplo(), Idioma, kFecha));
        QVERIFY(m_portapapeles.copias == 1 &&
                m_portapapeles.texto.split('\n').contains("Velocity\t1,2732\tm/s"));
        fijarPortapapeles(nullptr);
        copiarInforme(informeTuberia(*ejemplo(), Idioma, kFecha));
        const QMimeData *m = QGuiApplication::clipboard()->mimeData();
        QVERIFY(m && m->text().contains("Total pressure drop\t0,648703017651904\tbar"));
        QVERIFY(m->html().contains("<td align=\"right\">0,648703017651904</td>"));
    }

    // The calculators carry the three actions in their File menus, named, with their shortcuts,
    // in their language, switched by the window's flags, and reading the window they belong to.
    void calculators_offer_the_actions_data() {
        QTest::addColumn<bool>("gas");
        QTest::addColumn<QString>("idioma");
        QTest::addColumn<QStringList>("textos");
        QTest::addColumn<QString>("valor");
        // clang-format off
        QTest::newRow("pipe, Spanish") << false << kEspanol << QStringList{"Copiar resultados", "Exportar informe…", "Imprimir…"} << "0,648703017651904";
        QTest::newRow("gas, English") << true << kIngles << QStringList{"Copy results", "Export report…", "Print…"} << "1,293";
        // clang-format on
    }
    void calculators_offer_the_actions() {
        QFETCH(bool, gas);
        QFETCH(QString, idioma);
        QFETCH(QStringList, textos);
        QFETCH(QString, valor);
        Idioma = idioma;
        QWidget *v = gas ? static_cast<QWidget *>(ventanas().mostrar<Form2>()) : ejemplo();
        if (gas)
            static_cast<Form2 *>(v)->escribir(g::dref, "1,293");
        const QList<QAction *> menu = prueba::control<QMenu>(v, "Archivo")->actions();
        QList<QAction *> a;
        for (const char *n : {"CopiarResultados", "ExportarInforme", "Imprimir"})
            a << prueba::control<QAction>(v, n);
        QVERIFY(menu.contains(a[0]) && menu.contains(a[1]) && menu.contains(a[2]));
        QCOMPARE(QStringList({a[0]->text(), a[1]->text(), a[2]->text()}), textos);
        QCOMPARE(a[0]->shortcut().toString() + ' ' + a[2]->shortcut().toString(),
                 "Ctrl+Shift+C Ctrl+P");
        prueba::pulsar(v, idioma == kEspanol ? "Picture1" : "Spain");
        QVERIFY(a[0]->text() != textos[0]);
        a[0]->trigger();
        QCOMPARE(m_portapapeles.copias, 1);
        QVERIFY2(m_portapapeles.texto.contains(valor), qPrintable(m_portapapeles.texto));
        a[1]->trigger(); // the dialog double cancels
        a[2]->trigger();
        QVERIFY(m_dialogo.preguntas.size() == 1 && m_impresion.titulos.size() == 1);
    }

    // The file written follows the extension; a cancelled dialog writes nothing; a failure says
    // where and why in the report's language and leaves the earlier files as they were.
    void export_writes_what_the_extension_asks_for_data() {
        QTest::addColumn<QString>("idioma");
        QTest::addColumn<QString>("nombre"); // empty: cancelled
        QTest::addColumn<QString>("escrito");
        QTest::addColumn<QString>("mensaje");
        const QString es = kEspanol, en = kIngles;
        // clang-format off
        QTest::newRow("CSV")               << es << "R.CSV" << "R.CSV" << "";
        QTest::newRow("no extension")      << es << "r" << "r.pdf" << "";
        QTest::newRow("another extension") << es << "r.txt" << "r.txt.pdf" << "";
        QTest::newRow("cancelled")         << en << "" << "" << "";
        QTest::newRow("es, below a file")  << es << "plano/x.pdf" << "" << "No se pudo guardar el archivo \"%1\": una parte de la ruta es un archivo, no una carpeta.";
        QTest::newRow("en, read-only")     << en << "solo.pdf" << "" << "The file \"%1\" could not be saved: the file is read-only.";
        // clang-format on
    }
    void export_writes_what_the_extension_asks_for() {
        QFETCH(QString, idioma);
        QFETCH(QString, nombre);
        QFETCH(QString, escrito);
        QFETCH(QString, mensaje);
        QTemporaryDir dir;
        QDir::setCurrent(dir.path()); // a cancelled export writes nothing here either
        prueba::escribirBytes(dir.filePath("plano"), "earlier");
        prueba::escribirBytes(dir.filePath("solo.pdf"), "earlier pdf");
        QFile::setPermissions(dir.filePath("solo.pdf"), QFileDevice::ReadOwner);
        const Informe inf = informeTuberia(*ejemplo(), idioma, kFecha);
        if (!nombre.isEmpty())
            m_dialogo.respuesta = DialogosArchivo::Eleccion{dir.filePath(nombre), {}};
        QCOMPARE(exportarInforme(nullptr, inf), !escrito.isEmpty());
        QCOMPARE(m_dialogo.preguntas.size(), 1);
        const bool es = idioma == kEspanol;
        QCOMPARE(m_dialogo.preguntas[0].titulo, es ? "Exportar informe" : "Export report");
        QCOMPARE(m_dialogo.preguntas[0].filtros, QStringList({"PDF (*.pdf)", "CSV (*.csv)"}));
        QVERIFY(m_dialogo.preguntas[0].nombre.endsWith(es ? "/informe.pdf" : "/report.pdf"));
        QCOMPARE(mensajes.cajas.size(), mensaje.isEmpty() ? 0 : 1);
        if (!mensaje.isEmpty()) {
            QCOMPARE(mensajes.cajas[0].texto, mensaje.arg(dir.filePath(nombre)));
            QCOMPARE(mensajes.cajas[0].icono, Mensajes::Icono::Exclamacion);
        }
        QCOMPARE(prueba::bytesDe(dir.filePath("plano")) + '|' +
                     prueba::bytesDe(dir.filePath("solo.pdf")),
                 "earlier|earlier pdf");
        QCOMPARE(prueba::listado(dir.path()).size(), escrito.isEmpty() ? 2 : 3);
        const QByteArray b = prueba::bytesDe(dir.filePath(escrito));
        if (escrito.endsWith(".CSV"))
            QCOMPARE(b, csv(inf));
        else if (!escrito.isEmpty())
            QVERIFY(b.startsWith("%PDF-"));
    }

    // A long report (every fitting counted, many warnings) runs over A4 pages; printing draws
    // the same pages as the PDF, and the document holds every value and warning.
    void print_and_pdf_draw_the_same_a4_pages() {
        CamposMapa c(
            {{t::ktotal, "23"}, {t::Re, "3000"}, {t::dint, "100"}, {t::Rugosidad, "0,05"}});
        CalcularTuberia(c, kEspanol);
        c.escribir(t::ktotal, "23");
        DatosAccesorios d{"100", "23", "El diametro debe ser igual o inferior a 400 mm", {}};
        for (int i = 0; i < 23; ++i)
            d.filas.append(
                {QStringLiteral("Fitting number %1, with a long title").arg(i), "1", "1"});
        Informe inf = informeTuberia(c, kEspanol, kFecha, d);
        for (int i = 0; i < 30; ++i)
            inf.avisos << QStringLiteral("Warning %1: something the window shows.").arg(i);
        const auto paginasPdf = [](const QByteArray &b) { return int(b.count("/Type /Page\n")); };
        const QByteArray pdf = informePdf(inf);
        const int paginas = paginasPdf(pdf);
        QVERIFY2(paginas >= 2, qPrintable(QString::number(paginas)));
        QVERIFY(pdf.contains("/MediaBox [0 0 595.000000 842.000000]")); // A4, as Qt rounds it
        QTemporaryDir dir;
        m_impresion.archivoPdf = dir.filePath("impreso.pdf");
        QVERIFY(imprimirInforme(nullptr, inf));
        QCOMPARE(m_impresion.titulos, QStringList{"Nota de cálculo"});
        QCOMPARE(paginasPdf(prueba::bytesDe(m_impresion.archivoPdf)), paginas);
        m_impresion.respuesta = false; // the user closes the dialog
        QVERIFY(!imprimirInforme(nullptr, inf));
        const QString html = documentoHtml(inf);
        for (const Fila &f : inf.filas())
            QVERIFY2(html.contains(f.valor.trimmed().toHtmlEscaped()), qPrintable(f.campo));
        // The fittings by their rows' titles in the report's language.
        for (const QString &a : inf.avisos + QStringList{"Definido por usuario 2", "DN 100"})
            QVERIFY2(html.contains(a.toHtmlEscaped()), qPrintable(a));
    }

    void the_open_fittings_window_feeds_the_report() {
        QVERIFY(!accesoriosAbiertos()); // no fittings window, nothing to list
        FormReynolds *f = ejemplo();
        abrirAccesorios(f->texto(t::dint));
        auto *a = ventanas().existente<FormAccesorios>();
        QVERIFY(a);
        prueba::campo(a, accesorios::Naccesorios(0))->setText("2");
        prueba::campo(a, accesorios::Naccesorios(12))->setText("1");
        const auto d = accesoriosAbiertos();
        QVERIFY(d && d->filas.size() == 23);
        QCOMPARE(d->diametro + ' ' + d->filas[0].unidades, "100 2");
        QCOMPARE(d->ktotal, f->texto(t::ktotal)); // the fittings window handed it over
        const Informe inf = informeTuberia(*f, Idioma, kFecha, d);
        QVERIFY(inf.accesorios && inf.accesorios->lineas.size() == 2);
        // The note names the row's group beside the window's title.
        QCOMPARE(inf.accesorios->nominal + '|' + inf.accesorios->lineas[0].titulo,
                 "DN 100|" + d->filas[0].titulo + " (threaded)");
    }
};

VORLO_PRUEBA(TestReportGui, Ventanas)
#include "tst_report.moc"
