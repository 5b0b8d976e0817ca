// Cases in the windows: a calculation saved whole and opened again, the File menu's entries,
// the title, the questions before unsaved work is lost, bad files refused with nothing changed.
#include "app/case_entry.h"
#include "app/dialogos_archivo.h"
#include "app/gasline_entry.h"
#include "app/globals.h"
#include "app/open_windows.h"
#include "app/report_details_entry.h"
#include "app/sizing_entry.h"
#include "app/texts.h"
#include "app/water_entry.h"
#include "app/windows.h"
#include "cases/case_file.h"
#include "fields/language.h"
#include "fittings/fittings_fields.h"
#include "fittings/form_accesorios.h"
#include "gas/form2.h"
#include "pipeflow/form_reynolds.h"
#include "pipeflow/pipe_erosional.h"
#include "sizing/form_dimensionado.h"
#include "sizing/sizing_fields.h"
#include "water/form_agua_vapor.h"
#include "water/water_fields.h"

#include "../support/file_helpers.h"
#include "../support/gui_fixture.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>

#include "../support/runner.h"

using namespace vorlo;
using namespace vorlo::prueba;

namespace {

FormReynolds *tubo() {
    return ventanas().existente<FormReynolds>();
}

QAction *accion(QWidget *ventana, const char *nombre) {
    return control<QAction>(ventana, QString::fromLatin1(nombre));
}

} // namespace

class TestCasos : public PruebaGui {
    Q_OBJECT

    DialogosArchivoGrabados m_dialogos;
    QTemporaryDir m_dir;

    // Every window of a calculation filled, each by its own gestures.
    void llenarTodo() {
        abrirFormReynolds();
        teclearEjemploTuberia(tubo());
        teclear(tubo(), t::CErosional, QStringLiteral("125")); // intermittent service
        pulsar(tubo(), t::CheckExacto);
        entregarTuberiaDimensionada(QStringLiteral("102,26"), QStringLiteral("4\" Sch 40"));
        pulsar(tubo(), "Command3"); // fittings
        QWidget *acc = ventanas().existente<FormAccesorios>();
        teclear(acc, accesorios::Naccesorios(9), QStringLiteral("1"));
        teclear(acc, accesorios::k(21), QStringLiteral("0,5"));
        teclear(acc, accesorios::Naccesorios(21), QStringLiteral("2"));
        tic(tubo(), 2);
        abrirLineaGas({QStringLiteral("100"), QStringLiteral("0,05"), QStringLiteral("0,000011"),
                       QStringLiteral("5,9"), QStringLiteral("3000"), QStringLiteral("50"),
                       QString()});
        abrirAguaVapor();
        auto *agua = ventanas().existente<FormAguaVapor>();
        teclear(agua, agua::TAgua, QStringLiteral("150"));
        teclear(agua, agua::PAgua, QStringLiteral("10"));
        abrirForm2();
        auto *gasV = ventanas().existente<Form2>();
        gasV->Option2_Click();
        teclearEjemploGas(gasV);
        // Report details with no presentation chosen: the file must still open.
        cambiarTextoCabecera(informe::cabecera::Proyecto, QStringLiteral("Planta Norte"));
    }
    void responderGuardar(const QString &nombre) {
        m_dialogos.respuesta = DialogosArchivo::Eleccion{m_dir.filePath(nombre), QString()};
    }

  public:
    TestCasos() : PruebaGui(kIngles) {}

  protected:
    void alEmpezar() override {
        m_dialogos = DialogosArchivoGrabados();
        fijarDialogosArchivo(&m_dialogos);
    }
    void alTerminar() override { fijarDialogosArchivo(nullptr); }

  private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    // Save, start a new case, open it again: every window as it was, results computed again.
    void a_case_comes_back_identical() {
        llenarTodo();
        const caso::Caso antes = casoActual();
        QCOMPARE(antes.ventanas.keys(), QStringList({caso::Accesorios, caso::Gas, caso::LineaGas,
                                                     caso::Tuberia, caso::Informe, caso::Agua}));
        const QString dp = tubo()->texto(t::PcargaTuberiaYaccesorios);
        QVERIFY(!dp.isEmpty());
        responderGuardar("linea 7");
        QVERIFY(casoModificado());
        accion(tubo(), "GuardarCasoComo")->trigger();
        QCOMPARE(rutaCaso(), m_dir.filePath("linea 7.vorlo")); // the extension added
        QVERIFY(!casoModificado());
        QCOMPARE(tubo()->windowTitle(),
                 "REYNOLDS NUMBER, VELOCITY, FRICTION FACTOR AND PRESSURE DROP — linea 7.vorlo");

        accion(tubo(), "NuevoCaso")->trigger(); // saved: no question
        QVERIFY(mensajes.cajas.isEmpty());
        QCOMPARE(tubo()->texto(t::Qproceso), "");
        QCOMPARE(tubo()->texto(t::Desnivel), "0");
        QCOMPARE(tubo()->texto(t::CErosional), "100");
        QVERIFY(!ventanas().existente<Form2>() ||
                ventanas().existente<Form2>()->texto(g::dref).isEmpty());
        QCOMPARE(rutaCaso(), "");

        QVERIFY(abrirRuta(tubo(), m_dir.filePath("linea 7.vorlo")));
        abrirForm2();
        abrirLineaGas({});
        abrirAguaVapor();
        pulsar(tubo(), "Command3");
        tic(tubo(), 3);
        QCOMPARE(casoActual(), antes);
        QCOMPARE(tubo()->texto(t::PcargaTuberiaYaccesorios), dp);
        QCOMPARE(tubo()->texto(t::LabelTuberia), "4\" Sch 40");
        QVERIFY(tubo()->opcion(t::CheckExacto));
        QCOMPARE(tubo()->texto(t::CErosional), "125");
        QCOMPARE(casosRecientes().value(0), m_dir.filePath("linea 7.vorlo"));
    }

    // New case, Open and Quit ask before unsaved work is lost; Cancel changes nothing.
    void unsaved_work_is_never_lost_without_a_question_data() {
        QTest::addColumn<int>("respuesta");
        QTest::addColumn<bool>("vaciada");
        QTest::addColumn<bool>("guardado");
        QTest::newRow("cancel") << int(Mensajes::Cambios::Cancelar) << false << false;
        QTest::newRow("discard") << int(Mensajes::Cambios::Descartar) << true << false;
        QTest::newRow("save") << int(Mensajes::Cambios::Guardar) << true << true;
    }
    void unsaved_work_is_never_lost_without_a_question() {
        QFETCH(int, respuesta);
        QFETCH(bool, vaciada);
        QFETCH(bool, guardado);
        abrirFormReynolds();
        teclear(tubo(), t::Qproceso, QStringLiteral("36"));
        mensajes.respuestaCambios = Mensajes::Cambios(respuesta);
        responderGuardar("sin guardar.vorlo");
        accion(tubo(), "NuevoCaso")->trigger();
        QCOMPARE(mensajes.cajas.size(), 1);
        QCOMPARE(mensajes.cajas[0].texto,
                 "The case has unsaved changes. Do you want to save them?");
        QCOMPARE(tubo()->texto(t::Qproceso), vaciada ? "" : "36");
        QCOMPARE(QFileInfo::exists(m_dir.filePath("sin guardar.vorlo")), guardado);
        QFile::remove(m_dir.filePath("sin guardar.vorlo"));
    }

    // The title names the open case's file, with a star while an input changed since.
    void the_title_follows_the_case() {
        abrirFormReynolds();
        const QString base = tubo()->windowTitle();
        QVERIFY(!base.contains(" — "));
        responderGuardar("t.vorlo");
        accion(tubo(), "GuardarCaso")->trigger(); // no case yet: as Save as
        QCOMPARE(tubo()->windowTitle(), base + " — t.vorlo");
        teclear(tubo(), t::dint, QStringLiteral("100"));
        QTRY_COMPARE(tubo()->windowTitle(), base + " — t.vorlo*");
        accion(tubo(), "GuardarCaso")->trigger(); // now without asking
        QCOMPARE(m_dialogos.preguntas.size(), 1);
        QCOMPARE(tubo()->windowTitle(), base + " — t.vorlo");
        tubo()->Spain_Click();
        QVERIFY(tubo()->windowTitle().endsWith(" — t.vorlo"));
        QVERIFY(tubo()->windowTitle().startsWith("CÁLCULO"));
    }

    // A file that is not a case, or one made by a newer program, is refused with a message
    // naming it and why; every window stays exactly as it was.
    void bad_files_change_nothing_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("motivo");
        // clang-format off
        QTest::newRow("not JSON") << QByteArray("not json") << "it is not a JSON file";
        QTest::newRow("newer") << QByteArray(R"({"format": "vorlo-case", "version": 7})") << "made by a newer Vorlo";
        QTest::newRow("wrong type") << QByteArray(R"({"format": "vorlo-case", "version": 1, "pipe": {"fields": {"dint": 4}}})") << "\"pipe.fields.dint\" is not of the expected type";
        QTest::newRow("text a field would not take") << QByteArray(R"({"format": "vorlo-case", "version": 1, "gas": {"fields": {"dref": "x"}}})") << "\"gas.fields.dref\"): \"x\" is not a number";
        QTest::newRow("too large") << QByteArray((1 << 20) + 10, ' ') << "too large to be a case";
        // clang-format on
    }
    void bad_files_change_nothing() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, motivo);
        llenarTodo();
        const caso::Caso antes = casoActual();
        const QString titulo = tubo()->windowTitle();
        const QString ruta = m_dir.filePath("malo.vorlo");
        escribirBytes(ruta, bytes);
        QVERIFY(!abrirRuta(tubo(), ruta));
        QCOMPARE(mensajes.cajas.size(), 1);
        QVERIFY2(mensajes.cajas[0].texto.contains(ruta) && mensajes.cajas[0].texto.contains(motivo),
                 qPrintable(mensajes.cajas[0].texto));
        QCOMPARE(casoActual(), antes);
        QCOMPARE(tubo()->windowTitle(), titulo);
    }

    // Open recent lists what was opened or saved, newest first; a file gone since is taken off.
    void recent_cases() {
        abrirFormReynolds();
        for (const char *n : {"a.vorlo", "b.vorlo"}) {
            responderGuardar(n);
            accion(tubo(), "GuardarCasoComo")->trigger();
        }
        auto *recientes = control<QMenu>(tubo(), "Recientes");
        emit recientes->aboutToShow();
        QCOMPARE(recientes->actions().size(), 2);
        QCOMPARE(recientes->actions()[0]->text(), "b.vorlo");
        QVERIFY(QFile::remove(m_dir.filePath("a.vorlo")));
        recientes->actions()[1]->trigger();
        QCOMPARE(mensajes.cajas.size(), 1);
        QVERIFY(mensajes.cajas[0].texto.contains("no longer exists"));
        QCOMPARE(casosRecientes(), QStringList{m_dir.filePath("b.vorlo")});
    }

    // The last window closing with unsaved work asks first; Cancel keeps it open.
    void closing_the_last_window_asks() {
        vigilarCierres();
        abrirFormReynolds();
        teclear(tubo(), t::Qproceso, QStringLiteral("36"));
        mensajes.respuestaCambios = Mensajes::Cambios::Cancelar;
        QVERIFY(!tubo()->close());
        QVERIFY(tubo()->isVisible());
        QCOMPARE(mensajes.cajas.size(), 1);
        mensajes.respuestaCambios = Mensajes::Cambios::Descartar;
        QVERIFY(tubo()->close());
    }

    // Both calculators carry the case's entries, named and with their shortcuts.
    void the_file_menus_data() {
        QTest::addColumn<bool>("gas");
        QTest::addColumn<QString>("idioma");
        QTest::addColumn<QStringList>("textos");
        const QStringList en = {"New case",  "Open case…",    "Open",
                                "Save case", "Save case as…", "Quit"};
        const QStringList es = {"Nuevo caso",   "Abrir caso…",        "Abrir",
                                "Guardar caso", "Guardar caso como…", "Salir"};
        QTest::newRow("pipe, en") << false << kIngles << en;
        QTest::newRow("pipe, es") << false << kEspanol << es;
        QTest::newRow("gas, en") << true << kIngles << en;
        QTest::newRow("gas, es") << true << kEspanol << es;
    }
    void the_file_menus() {
        QFETCH(bool, gas);
        QFETCH(QString, idioma);
        QFETCH(QStringList, textos);
        Idioma = idioma;
        QWidget *w = gas ? static_cast<QWidget *>(ventanas().mostrar<Form2>())
                         : static_cast<QWidget *>(ventanas().mostrar<FormReynolds>());
        const QStringList nombres = {"NuevoCaso",   "AbrirCaso",       "Abrir",
                                     "GuardarCaso", "GuardarCasoComo", "Salir"};
        // Ctrl+O is the standard dialog's; the results-file browser has none.
        const QList<QKeySequence> atajos = {QKeySequence::New,
                                            QKeySequence::Open,
                                            QKeySequence(),
                                            QKeySequence::Save,
                                            QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
                                            QKeySequence::Quit};
        for (int i = 0; i < nombres.size(); ++i) {
            QAction *a = accion(w, qPrintable(nombres[i]));
            QCOMPARE(a->text(), textos[i]);
            QCOMPARE(a->shortcut(), atajos[i]);
        }
    }

    // A results file opens as before; it is no case, so the next save asks for a name.
    void a_results_file_opens_as_before() {
        abrirFormReynolds();
        const QString ruta = m_dir.filePath("viejo.vrq");
        escribirBytes(ruta, "True\r\nFalse\r\n36\r\n998\r\nTrue\r\nFalse\r\n0,001\r\n\r\n100\r\n"
                            "\r\n\r\n0,05\r\n\r\n100\r\n5\r\n\r\n");
        QVERIFY(abrirRuta(tubo(), ruta));
        QCOMPARE(tubo()->texto(t::Re), "127.065");
        QCOMPARE(rutaCaso(), "");
        QVERIFY(!casoModificado());
        QVERIFY(!tubo()->windowTitle().contains(" — "));
    }

    // Every save dialog keeps a name that ends in one of its types and adds the chosen type's
    // extension to any other, a dotted name included: what was saved opens as a case again.
    void a_saved_name_always_opens_again_data() {
        QTest::addColumn<QString>("nombre");
        QTest::addColumn<QString>("guardado");
        QTest::newRow("no suffix") << "linea"
                                   << "linea.vorlo";
        QTest::newRow("dotted name") << "L-101 rev.B"
                                     << "L-101 rev.B.vorlo";
        QTest::newRow("version dots") << "linea 1.2"
                                      << "linea 1.2.vorlo";
        QTest::newRow("own suffix, upper case") << "linea.VORLO"
                                                << "linea.VORLO";
        QTest::newRow("another type's suffix") << "linea.vrq"
                                               << "linea.vrq.vorlo";
    }
    void a_saved_name_always_opens_again() {
        QFETCH(QString, nombre);
        QFETCH(QString, guardado);
        abrirFormReynolds();
        teclearEjemploTuberia(tubo());
        m_dialogos.respuesta = DialogosArchivo::Eleccion{m_dir.filePath(nombre),
                                                         QStringLiteral("Vorlo cases (*.vorlo)")};
        accion(tubo(), "GuardarCasoComo")->trigger();
        QCOMPARE(rutaCaso(), m_dir.filePath(guardado));
        QVERIFY(mensajes.cajas.isEmpty());
        accion(tubo(), "NuevoCaso")->trigger();
        QVERIFY(abrirRuta(tubo(), m_dir.filePath(guardado)));
        QCOMPARE(tubo()->texto(t::Re), "127.065");
    }

    // A case opened while no pipe window exists still announces its language: the windows that
    // follow the language switch at once.
    void a_case_without_pipe_window_switches_every_window() {
        abrirFormReynolds();
        teclearEjemploTuberia(tubo());
        caso::Caso c = casoActual();
        c.idioma = kEspanol;
        const QString ruta = m_dir.filePath("espanol.vorlo");
        QVERIFY(!caso::guardar(ruta, c));
        tubo()->close();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!tubo());
        abrirAguaVapor();
        auto *agua = ventanas().existente<FormAguaVapor>();
        auto *titulo = control<QLabel>(agua, agua::camposAgua().etiquetaTitulo());
        QCOMPARE(titulo->text(), agua::camposAgua().titulo().ingles);
        QVERIFY(abrirRuta(agua, ruta));
        QCOMPARE(lenguaActual(), Lengua::Espanol);
        QCOMPARE(titulo->text(), agua::camposAgua().titulo().espanol);
    }

    // The sizing window's inputs, its standard and its schedule come back with the case.
    void the_sizing_window_is_kept_in_the_case() {
        abrirFormReynolds();
        abrirDimensionado({QStringLiteral("36"), QStringLiteral("998"), QStringLiteral("0,001"),
                           QStringLiteral("0,05")});
        auto *dim = ventanas().existente<FormDimensionado>();
        dim->escribir(dimensionado::NormaDim, QStringLiteral("ASME B36.19M"));
        dim->escribir(dimensionado::CedulaDim, QStringLiteral("10S"));
        teclear(dim, dimensionado::VmaxDim, QStringLiteral("2"));
        const caso::Ventana antes = *casoDimensionado();
        QCOMPARE(antes.textos.value(dimensionado::CedulaDim), "10S");
        responderGuardar("dimensionado");
        accion(tubo(), "GuardarCasoComo")->trigger();
        dim->close();
        accion(tubo(), "NuevoCaso")->trigger();
        QVERIFY(abrirRuta(tubo(), m_dir.filePath("dimensionado.vorlo")));
        abrirDimensionado({});
        QCOMPARE(*casoDimensionado(), antes);
    }
};

VORLO_PRUEBA(TestCasos, Ventanas)
#include "tst_casos.moc"
