#include "app/dialogos_archivo.h"
#include "app/globals.h"
#include "app/message_boxes.h"
#include "app/open_windows.h"
#include "app/report_seams.h"
#include "app/windows.h"
#include "fields/language.h"
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
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QTest>

using namespace vorlo;
using namespace vorlo::informe;

namespace {

const QDateTime kFecha(QDate(2024, 3, 5), QTime(9, 30));

// The worked example typed into the pipe window.
FormReynolds *ejemplo() {
    FormReynolds *f = ventanas().mostrar<FormReynolds>();
    prueba::teclearEjemploTuberia(f);
    f->escribir("ktotal", "2");
    f->CalcularTuberia();
    return f;
}

int paginasPdf(const QByteArray &pdf) {
    return int(pdf.count("/Type /Page\n"));
}

// A report long enough for several pages: every fitting counted, and warnings.
Informe informeLargo() {
    CamposMapa c({{"ktotal", "23"}, {"Re", "3000"}, {"dint", "100"}, {"Rugosidad", "0,05"}});
    CalcularTuberia(c, kIngles);
    c.escribir("ktotal", "23");
    DatosAccesorios d;
    d.diametro = "100";
    d.ktotal = "23";
    d.mensaje = "El diametro debe ser igual o inferior a 400mm";
    for (int i = 0; i < 23; ++i)
        d.filas.append({QStringLiteral("Fitting number %1, with a long title").arg(i), "1", "1"});
    Informe inf = informeTuberia(c, kIngles, kFecha, d);
    for (int i = 0; i < 30; ++i)
        inf.avisos << QStringLiteral("Warning %1: something the window shows.").arg(i);
    return inf;
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
        m_portapapeles = PortapapelesGrabado();
        m_dialogo = DialogosArchivoGrabados();
        m_impresion = ImpresionGrabada();
        fijarPortapapeles(&m_portapapeles);
        fijarDialogosArchivo(&m_dialogo);
        fijarImpresion(&m_impresion);
    }
    void alTerminar() override {
        fijarPortapapeles(nullptr);
        fijarDialogosArchivo(nullptr);
        fijarImpresion(nullptr);
    }

  private slots:

    // The report speaks the windows' words: every caption is the text of the label that names
    // the field in the window, in both languages.
    void captions_are_the_windows_labels_data() {
        QTest::addColumn<bool>("gas");
        QTest::addColumn<QString>("idioma");
        QTest::addColumn<QStringList>("encabezados");
        for (const QString &idioma : {kEspanol, kIngles}) {
            QTest::newRow(qPrintable("pipe " + idioma))
                << false << idioma << QStringList{"Label17", "Label18", "Label7"};
            QTest::newRow(qPrintable("gas " + idioma))
                << true << idioma
                << QStringList{"Label4", "Label8", "Label13", "Label21", "Label24", "Label30"};
        }
    }
    void captions_are_the_windows_labels() {
        QFETCH(bool, gas);
        QFETCH(QString, idioma);
        QFETCH(QStringList, encabezados);
        Idioma = idioma;
        QWidget *w = gas ? static_cast<QWidget *>(ventanas().mostrar<Form2>())
                         : static_cast<QWidget *>(ventanas().mostrar<FormReynolds>());
        const Ventana v = gas ? Ventana::Gas : Ventana::Tuberia;
        const bool es = idioma == kEspanol;
        int comparados = 0;
        for (QLabel *l : w->findChildren<QLabel *>()) {
            if (!l->buddy())
                continue;
            const QString campo = l->buddy()->objectName();
            const RotuloCampo *r = rotulo(v, campo);
            const auto opcion =
                std::find_if(opciones(v).cbegin(), opciones(v).cend(),
                             [&](const RotuloCampo &o) { return o.campo == campo; });
            if (!r && opcion != opciones(v).cend())
                r = &*opcion;
            QVERIFY2(r, qPrintable(campo));
            QCOMPARE(es ? r->espanol : r->ingles, l->text());
            ++comparados;
        }
        // The pipe window names its options by their own captions.
        for (const RotuloCampo &o : opciones(v))
            if (auto *b = w->findChild<QAbstractButton *>(o.campo); b && !b->text().isEmpty()) {
                QCOMPARE(es ? o.espanol : o.ingles, b->text());
                ++comparados;
            }
        QVERIFY(comparados >= (gas ? 17 : 16));
        QCOMPARE(secciones(v).size(), encabezados.size());
        for (int i = 0; i < encabezados.size(); ++i)
            QCOMPARE(es ? secciones(v)[i].espanol : secciones(v)[i].ingles,
                     w->findChild<QLabel *>(encabezados[i])->text().trimmed());
    }

    // Copying puts the rows as text and a table as HTML on the clipboard, recorded and real.
    void copy_puts_rows_and_a_table_on_the_clipboard() {
        copiarInforme(informeTuberia(*ejemplo(), Idioma, kFecha));
        QCOMPARE(m_portapapeles.copias, 1);
        const QStringList lineas = m_portapapeles.texto.split('\n');
        QVERIFY(lineas.contains("Total pressure drop\t0,648703017651904\tbar"));
        QVERIFY(lineas.contains("Velocity\t1,2732\tm/s"));
        QVERIFY(m_portapapeles.html.contains("<td align=\"right\">0,648703017651904</td>"));
        fijarPortapapeles(nullptr);
        copiarInforme(informeTuberia(*ejemplo(), Idioma, kFecha));
        const QMimeData *m = QGuiApplication::clipboard()->mimeData();
        QVERIFY(m && m->hasText() && m->hasHtml());
        QVERIFY(m->text().contains("Total pressure drop\t0,648703017651904\tbar"));
        QVERIFY(m->html().contains("<td align=\"right\">0,648703017651904</td>"));
    }

    void actions_carry_names_shortcuts_and_texts_data() {
        QTest::addColumn<QString>("idioma");
        QTest::addColumn<QStringList>("textos");
        QTest::newRow("Spanish") << kEspanol
                                 << QStringList{"Copiar resultados", "Exportar informe…",
                                                "Imprimir…"};
        QTest::newRow("English") << kIngles
                                 << QStringList{"Copy results", "Export report…", "Print…"};
    }
    // The calculators carry the three actions in their File menus, named, in their language,
    // and reading the window they belong to.
    void calculators_offer_the_actions_data() {
        QTest::addColumn<QString>("ventana");
        QTest::addColumn<QString>("valor");
        QTest::newRow("pipe") << "FormReynolds"
                              << "Total pressure drop\t0,648703017651904\tbar";
        QTest::newRow("gas") << "Form2"
                             << "1,293";
    }
    void calculators_offer_the_actions() {
        QFETCH(QString, ventana);
        QFETCH(QString, valor);
        Idioma = kIngles;
        QWidget *v =
            ventana == "Form2" ? static_cast<QWidget *>(ventanas().mostrar<Form2>()) : ejemplo();
        if (ventana == "Form2")
            static_cast<Form2 *>(v)->escribir("dref", "1,293");
        auto *archivo = v->findChild<QMenu *>("Archivo");
        QVERIFY(archivo);
        QStringList nombres;
        for (QAction *a : archivo->actions())
            nombres << a->objectName();
        for (const char *n : {"CopiarResultados", "ExportarInforme", "Imprimir"})
            QVERIFY2(nombres.contains(n), n);
        auto *copiar = v->findChild<QAction *>("CopiarResultados");
        QCOMPARE(copiar->text(), "Copy results");
        QTest::mouseClick(v->findChild<QWidget *>("Spain"), Qt::LeftButton);
        QCOMPARE(copiar->text(), "Copiar resultados");
        QCOMPARE(archivo->title(), "Archivo");
        QTest::mouseClick(v->findChild<QWidget *>("Picture1"), Qt::LeftButton);
        QCOMPARE(archivo->title(), "File");
        copiar->trigger();
        QCOMPARE(m_portapapeles.copias, 1);
        QVERIFY2(m_portapapeles.texto.contains(valor), qPrintable(m_portapapeles.texto));
    }

    void actions_carry_names_shortcuts_and_texts() {
        QFETCH(QString, idioma);
        QFETCH(QStringList, textos);
        Idioma = idioma;
        FormReynolds *f = ejemplo();
        int construidos = 0;
        // A window of their own: the pipe window already carries its set under these names.
        QWidget anfitrion;
        const QList<QAction *> a = crearAccionesInforme(&anfitrion, [&] {
            ++construidos;
            return informeTuberia(*f, Idioma, kFecha);
        });
        QCOMPARE(a.size(), 3);
        QCOMPARE(a[0]->objectName(), "CopiarResultados");
        QCOMPARE(a[1]->objectName(), "ExportarInforme");
        QCOMPARE(a[2]->objectName(), "Imprimir");
        QCOMPARE(a[0]->shortcut(), QKeySequence("Ctrl+Shift+C"));
        QCOMPARE(a[2]->shortcut(), QKeySequence("Ctrl+P"));
        QCOMPARE(QStringList({a[0]->text(), a[1]->text(), a[2]->text()}), textos);
        // The window's language switch can set them from the table.
        aplicarTextos(&anfitrion, textosAccionesInforme(),
                      idioma == kEspanol ? Lengua::Ingles : Lengua::Espanol);
        QVERIFY(a[0]->text() != textos[0]);

        a[0]->trigger();
        QCOMPARE(m_portapapeles.copias, 1);
        a[1]->trigger(); // the dialog double cancels
        QCOMPARE(m_dialogo.preguntas.size(), 1);
        a[2]->trigger();
        QCOMPARE(m_impresion.titulos.size(), 1);
        QCOMPARE(construidos, 3); // each action reads the window at the moment it runs
    }

    void export_writes_what_the_extension_asks_for_data() {
        QTest::addColumn<QString>("nombre");
        QTest::addColumn<QString>("escrito");
        QTest::addColumn<bool>("pdf");
        // clang-format off
        QTest::newRow("CSV")               << "R.CSV" << "R.CSV" << false;
        QTest::newRow("pdf")               << "r.pdf" << "r.pdf" << true;
        QTest::newRow("no extension")      << "r" << "r.pdf" << true;
        QTest::newRow("another extension") << "r.txt" << "r.txt.pdf" << true;
        // clang-format on
    }
    void export_writes_what_the_extension_asks_for() {
        QFETCH(QString, nombre);
        QFETCH(QString, escrito);
        QFETCH(bool, pdf);
        QTemporaryDir dir;
        const Informe inf = informeTuberia(*ejemplo(), kEspanol, kFecha);
        m_dialogo.respuesta = DialogosArchivo::Eleccion{dir.filePath(nombre), {}};
        QVERIFY(exportarInforme(nullptr, inf));
        QCOMPARE(m_dialogo.preguntas.size(), 1);
        QCOMPARE(m_dialogo.preguntas[0].titulo, "Exportar informe");
        QCOMPARE(m_dialogo.preguntas[0].filtros, QStringList({"PDF (*.pdf)", "CSV (*.csv)"}));
        QVERIFY(m_dialogo.preguntas[0].nombre.endsWith("/informe.pdf"));
        QCOMPARE(prueba::listado(dir.path()), QStringList{escrito});
        const QByteArray b = prueba::bytesDe(dir.filePath(escrito));
        if (pdf)
            QVERIFY(b.startsWith("%PDF-"));
        else
            QCOMPARE(b, csv(inf));
        QVERIFY(mensajes.cajas.isEmpty());
    }

    void a_cancelled_export_writes_nothing() {
        QTemporaryDir dir;
        QDir::setCurrent(dir.path());
        QVERIFY(!exportarInforme(nullptr, informeTuberia(*ejemplo(), kIngles, kFecha)));
        QCOMPARE(m_dialogo.preguntas.size(), 1);
        QCOMPARE(m_dialogo.preguntas[0].titulo, "Export report");
        QVERIFY(prueba::listado(dir.path()).isEmpty());
        QVERIFY(mensajes.cajas.isEmpty());
    }

    void a_failed_export_says_where_and_why_in_the_reports_language_data() {
        QTest::addColumn<QString>("idioma");
        QTest::addColumn<QString>("nombre");
        QTest::addColumn<QString>("mensaje");
        QTest::newRow("es, below a file")
            << kEspanol << "plano/x.pdf"
            << "No se pudo guardar el archivo \"%1\": una parte de la ruta es un archivo, no una "
               "carpeta.";
        QTest::newRow("en, below a file")
            << kIngles << "plano/x.csv"
            << "The file \"%1\" could not be saved: part of the path is a file, not a folder.";
        QTest::newRow("en, read-only")
            << kIngles << "solo.pdf"
            << "The file \"%1\" could not be saved: the file is read-only.";
    }
    void a_failed_export_says_where_and_why_in_the_reports_language() {
        QFETCH(QString, idioma);
        QFETCH(QString, nombre);
        QFETCH(QString, mensaje);
        QTemporaryDir dir;
        prueba::escribirBytes(dir.filePath("plano"), "earlier");
        prueba::escribirBytes(dir.filePath("solo.pdf"), "earlier pdf");
        QFile::setPermissions(dir.filePath("solo.pdf"), QFileDevice::ReadOwner);
        m_dialogo.respuesta = DialogosArchivo::Eleccion{dir.filePath(nombre), {}};
        const bool hecho = exportarInforme(nullptr, informeTuberia(*ejemplo(), idioma, kFecha));
        QFile::setPermissions(dir.filePath("solo.pdf"),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QVERIFY(!hecho);
        QCOMPARE(mensajes.cajas.size(), 1);
        QCOMPARE(mensajes.cajas[0].texto, mensaje.arg(dir.filePath(nombre)));
        QCOMPARE(mensajes.cajas[0].icono, Mensajes::Icono::Exclamacion);
        QCOMPARE(prueba::bytesDe(dir.filePath("plano")), QByteArray("earlier"));
        QCOMPARE(prueba::bytesDe(dir.filePath("solo.pdf")), QByteArray("earlier pdf"));
        QCOMPARE(prueba::listado(dir.path()), QStringList({"plano", "solo.pdf"}));
    }

    void print_draws_the_same_pages_as_the_pdf() {
        QTemporaryDir dir;
        m_impresion.archivoPdf = dir.filePath("impreso.pdf");
        const Informe inf = informeTuberia(*ejemplo(), kEspanol, kFecha);
        QVERIFY(imprimirInforme(nullptr, inf));
        QCOMPARE(m_impresion.titulos, QStringList{"Nota de cálculo"});
        const QByteArray impreso = prueba::bytesDe(m_impresion.archivoPdf);
        QCOMPARE(paginasPdf(impreso), 1);
        QCOMPARE(paginasPdf(informePdf(inf)), 1);
        m_impresion.respuesta = false; // the user closes the dialog
        QVERIFY(!imprimirInforme(nullptr, inf));
    }

    void a_long_report_runs_over_numbered_a4_pages() {
        const Informe inf = informeLargo();
        const QByteArray pdf = informePdf(inf);
        const int paginas = paginasPdf(pdf);
        QVERIFY2(paginas >= 2, qPrintable(QString::number(paginas)));
        // A4 in points, as Qt rounds it.
        QVERIFY(pdf.contains("/MediaBox [0 0 595.000000 842.000000]"));
        QTemporaryDir dir;
        QPdfWriter w(dir.filePath("x.pdf"));
        w.setPageSize(QPageSize(QPageSize::A4));
        QCOMPARE(dibujarInforme(w, inf), paginas);
    }

    void the_document_holds_every_value_and_warning() {
        const Informe inf = informeLargo();
        const QString html = documentoHtml(inf);
        for (const Fila &f : inf.filas())
            QVERIFY2(html.contains(f.valor.trimmed().toHtmlEscaped()), qPrintable(f.campo));
        for (const QString &a : inf.avisos)
            QVERIFY(html.contains(a.toHtmlEscaped()));
        QVERIFY(html.contains("Fitting number 22, with a long title"));
        QVERIFY(html.contains("DN 100"));
    }

    void the_open_fittings_window_feeds_the_report() {
        QVERIFY(!accesoriosAbiertos());
        FormReynolds *f = ejemplo();
        abrirAccesorios(f->texto("dint"));
        QWidget *a = nullptr;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->objectName() == "FormAccesorios")
                a = w;
        QVERIFY(a);
        a->findChild<QLineEdit *>("Naccesorios(0)")->setText("2");
        a->findChild<QLineEdit *>("Naccesorios(12)")->setText("1");
        const auto d = accesoriosAbiertos();
        QVERIFY(d);
        QCOMPARE(d->diametro, "100");
        QCOMPARE(d->filas.size(), 23);
        QCOMPARE(d->filas[0].unidades, "2");
        QVERIFY(!d->filas[0].titulo.isEmpty());
        QVERIFY(!d->filas[0].k.isEmpty());
        QCOMPARE(d->ktotal, f->texto("ktotal")); // the fittings window handed it over
        const Informe inf = informeTuberia(*f, Idioma, kFecha, d);
        QVERIFY(inf.accesorios);
        QCOMPARE(inf.accesorios->nominal, "DN 100");
        QCOMPARE(inf.accesorios->lineas.size(), 2);
        QCOMPARE(inf.accesorios->lineas[0].titulo, d->filas[0].titulo);
    }
};

QTEST_MAIN(TestReportGui)
#include "tst_report.moc"
