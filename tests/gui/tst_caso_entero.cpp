// Nothing of a calculation lost on ordinary paths: a window closed, a results file opened under
// the remembered exact mode, the fittings window opened on a case's K total or left behind by a
// new diameter.
#include "app/ajustes.h"
#include "app/case_entry.h"
#include "app/dialogos_archivo.h"
#include "app/form1.h"
#include "app/gasline_entry.h"
#include "app/globals.h"
#include "app/open_windows.h"
#include "app/water_entry.h"
#include "app/windows.h"
#include "cases/case_file.h"
#include "fields/language.h"
#include "fittings/fittings_fields.h"
#include "fittings/form_accesorios.h"
#include "gas/form2.h"
#include "gasline/form_linea_gas.h"
#include "pipeflow/ejemplo.h"
#include "pipeflow/form_reynolds.h"
#include "report/report_actions.h"
#include "report/report_formats.h"
#include "report/report_windows.h"
#include "results/form_guardar.h"
#include "results/window_emulation.h"
#include "water/form_agua_vapor.h"
#include "water/water_fields.h"

#include "../support/file_helpers.h"
#include "../support/gui_fixture.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
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

// The worked example as a results file (liquids, dynamic viscosity, K total 2).
const QByteArray kEjemplo = "True\r\nFalse\r\n36\r\n998\r\nTrue\r\nFalse\r\n0,001\r\n\r\n100\r\n"
                            "\r\n\r\n0,05\r\n\r\n100\r\n5\r\n2\r\n";

} // namespace

class TestCasoEntero : public PruebaGui {
    Q_OBJECT

    QTemporaryDir m_dir;

  public:
    TestCasoEntero() : PruebaGui(kIngles) {}

  private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    // Closing the pipe window while another stays open keeps its inputs in the case, and the
    // window shows them again when it opens.
    void a_closed_pipe_window_keeps_its_inputs_data() {
        QTest::addColumn<QString>("idioma");
        QTest::newRow("en") << kIngles;
        QTest::newRow("es") << kEspanol;
    }
    void a_closed_pipe_window_keeps_its_inputs() {
        QFETCH(QString, idioma);
        Idioma = idioma;
        ventanas().mostrar<Form1>();
        abrirFormReynolds();
        teclearEjemploTuberia(tubo());
        tic(tubo(), 2);
        const QString dp = tubo()->texto(t::DPbarTotal);
        QVERIFY(!dp.isEmpty());
        tubo()->close();
        borrarDiferidos();
        QVERIFY(!tubo());
        const caso::Ventana parte = casoActual().ventanas.value(caso::Tuberia);
        QCOMPARE(parte.textos.value(t::Qproceso), "36");
        QCOMPARE(parte.textos.value(t::dint), "100");
        abrirFormReynolds();
        tic(tubo(), 2);
        QCOMPARE(tubo()->texto(t::Qproceso), "36");
        QCOMPARE(tubo()->texto(t::DPbarTotal), dp);
    }

    // A results file holds no mode: it opens in the defined mode whatever switch is remembered.
    // Re = 998 · 1,2732 · 0,1 / 0,001 = 127.065 from the displayed velocity (the exact mode's
    // unrounded 1,27324 m/s gives 127.069).
    void a_results_file_opens_in_the_defined_mode_data() {
        QTest::addColumn<bool>("recordado");
        QTest::newRow("exact remembered") << true;
        QTest::newRow("defined remembered") << false;
    }
    void a_results_file_opens_in_the_defined_mode() {
        QFETCH(bool, recordado);
        ajustesPrueba.fijar(claves::ResultadosExactos, recordado);
        const QString ruta = m_dir.filePath("ejemplo.vrq");
        escribirBytes(ruta, kEjemplo);
        QVERIFY(abrirRuta(ventanas().mostrar<Form1>(), ruta));
        tic(tubo(), 3);
        QVERIFY(!tubo()->opcion(t::CheckExacto));
        QCOMPARE(tubo()->texto(t::Re), "127.065");
        // The switch the user left stays for new work.
        QCOMPARE(ajustesPrueba.valor(claves::ResultadosExactos).toBool(), recordado);
    }

    // A case's K total with no fittings part survives opening the fittings window, and so does a
    // results file's; a count chosen afterwards hands its own total.
    void the_pipe_k_total_survives_opening_the_fittings_window_data() {
        QTest::addColumn<bool>("desdeCaso");
        QTest::newRow("from a case") << true;
        QTest::newRow("from a results file") << false;
    }
    void the_pipe_k_total_survives_opening_the_fittings_window() {
        QFETCH(bool, desdeCaso);
        abrirFormReynolds();
        if (desdeCaso) {
            caso::Caso c;
            caso::Ventana p;
            p.opciones = {{t::Option1, true}, {t::Option3, true}};
            p.textos = {{t::Qproceso, "36"}, {t::dproceso, "998"}, {t::vdinamica, "0,001"},
                        {t::dint, "100"},    {t::L, "100"},        {t::Rugosidad, "0,05"},
                        {t::Desnivel, "5"},  {t::ktotal, "2"}};
            c.ventanas.insert(caso::Tuberia, p);
            const QString ruta = m_dir.filePath("k2.vorlo");
            QVERIFY(!caso::guardar(ruta, c));
            QVERIFY(abrirRuta(tubo(), ruta));
        } else {
            const QString ruta = m_dir.filePath("k2.vrq");
            escribirBytes(ruta, kEjemplo);
            QVERIFY(abrirRuta(tubo(), ruta));
        }
        tic(tubo(), 2);
        const QString dp = tubo()->texto(t::PerdidaAccesorios);
        QVERIFY(!dp.isEmpty());
        pulsar(tubo(), "Command3");
        tic(tubo(), 2);
        QCOMPARE(tubo()->texto(t::ktotal), "2");
        QCOMPARE(tubo()->texto(t::PerdidaAccesorios), dp);
        QVERIFY(!casoModificado());
        // A count the user chooses hands its own total: one fitting, its K.
        auto *acc = ventanas().existente<FormAccesorios>();
        teclear(acc, accesorios::Naccesorios(9), "1");
        QCOMPARE(tubo()->texto(t::ktotal), acc->k(9));
    }

    // A new diameter typed in the pipe window: the fittings window follows it and says that the
    // counts chosen for the old one were cleared.
    void the_fittings_window_follows_the_pipe_diameter_data() {
        QTest::addColumn<QString>("idioma");
        QTest::addColumn<QString>("dice");
        QTest::newRow("en") << kIngles << "diameter changed to 150 mm";
        QTest::newRow("es") << kEspanol << "diámetro de la tubería cambió a 150 mm";
    }
    void the_fittings_window_follows_the_pipe_diameter() {
        QFETCH(QString, idioma);
        QFETCH(QString, dice);
        Idioma = idioma;
        abrirFormReynolds();
        teclearEjemploTuberia(tubo());
        pulsar(tubo(), "Command3");
        auto *acc = ventanas().existente<FormAccesorios>();
        auto *metodo = control<QComboBox>(acc, "MetodoK");
        metodo->setCurrentIndex(metodo->findData(int(MetodoK::TresK)));
        teclear(acc, accesorios::Naccesorios(0), "2");
        tic(tubo(), 2);
        teclear(tubo(), t::dint, "150");
        tic(tubo(), 2);
        QCOMPARE(acc->diametro(), "150");
        QVERIFY2(etiqueta(acc, "Label14").contains(dice), qPrintable(etiqueta(acc, "Label14")));
        QCOMPARE(acc->unidades(0), "0");
        // The pipe's K total waits for the fittings to be chosen again.
        QCOMPARE(tubo()->texto(t::ktotal), "");
    }

    // A reopened case's note from the windows holds the fittings the case holds before the
    // fittings window was ever opened, as `vorlo report` makes it: the same rows, K and totals.
    void the_note_from_the_windows_is_the_case_note_data() {
        QTest::addColumn<QString>("idioma");
        QTest::newRow("en") << kIngles;
        QTest::newRow("es") << kEspanol;
    }
    void the_note_from_the_windows_is_the_case_note() {
        QFETCH(QString, idioma);
        Idioma = idioma;
        caso::Caso c;
        c.idioma = idioma;
        caso::Ventana p;
        p.opciones = {{t::Option1, true}, {t::Option3, true}};
        for (const auto &e : tuberia::ejemplo())
            p.textos.insert(e.campo, e.texto);
        p.textos.insert(t::ktotal, "2");
        c.ventanas.insert(caso::Tuberia, p);
        c.ventanas.insert(
            caso::Accesorios,
            {{}, {{accesorios::MetodoK, "table"}, {accesorios::Naccesorios(20), "1"}}});
        const QString ruta = m_dir.filePath("accesorios.vorlo");
        QVERIFY(!caso::guardar(ruta, c));
        abrirFormReynolds();
        QVERIFY(abrirRuta(tubo(), ruta));
        tic(tubo(), 3);
        QVERIFY(!ventanas().existente<FormAccesorios>());
        const QDateTime fecha(QDate(2024, 3, 5), QTime(9, 30));
        const informe::Informe ventana =
            informe::informeTuberia(*tubo(), idioma, fecha, contextoInformeTuberia());
        QVERIFY(ventana.accesorios.has_value());
        auto abierto = resultados::abrirArchivo(ruta, idioma);
        const auto &simulada = *std::get<0>(abierto);
        const informe::Informe comando =
            informe::informeTuberia(simulada, idioma, fecha, informe::contextoDeCaso(c, simulada));
        QCOMPARE(informe::csv(ventana), informe::csv(comando));
    }

    // Nothing to lose, no question: a cleared screen, or the pipe run saved as a results file.
    void unsaved_only_when_something_would_be_lost_data() {
        QTest::addColumn<QString>("gesto");
        QTest::addColumn<bool>("modificado");
        QTest::newRow("typed") << "typed" << true;
        QTest::newRow("cleared") << "cleared" << false;
        QTest::newRow("saved as a results file") << "vrq" << false;
        QTest::newRow("results file, water window filled") << "vrq+water" << true;
    }
    void unsaved_only_when_something_would_be_lost() {
        QFETCH(QString, gesto);
        QFETCH(bool, modificado);
        abrirFormReynolds();
        // The example on a level run: Clear screen leaves the elevation, at its start here.
        for (const auto &e : tuberia::ejemplo())
            if (e.campo != t::Desnivel)
                teclear(tubo(), e.campo, e.texto);
        tic(tubo(), 2);
        if (gesto == "cleared")
            control<QAction>(tubo(), "Borrar_Pantalla")->trigger();
        if (gesto == "vrq+water") {
            abrirAguaVapor();
            teclear(ventanas().existente<FormAguaVapor>(), agua::TAgua, "150");
        }
        if (gesto.startsWith("vrq")) {
            abrirGuardar();
            auto *g = ventanas().existente<FormGuardar>();
            g->fijarDirectorio(m_dir.path());
            teclear(g, "Text1", gesto + ".vrq");
            pulsar(g, "Command1");
            QVERIFY(QFile::exists(m_dir.filePath(gesto + ".vrq")));
        }
        QCOMPARE(casoModificado(), modificado);
    }

    // The gas window's "Calculate pressure drop" closes it: the case keeps its inputs, the
    // basis of the pipe's density and flow, and the gas line opened afterwards starts at the
    // process pressure that density belongs to.
    void the_gas_hand_over_keeps_the_gas_part() {
        abrirForm2();
        auto *gasV = ventanas().existente<Form2>();
        teclearEjemploGas(gasV);
        const QString densidad = gasV->texto(g::dproceso);
        QVERIFY(!densidad.isEmpty());
        pulsar(gasV, "Command3");
        borrarDiferidos();
        QCOMPARE(tubo()->texto(t::dproceso), densidad);
        const caso::Caso c = casoActual();
        QVERIFY(c.ventanas.contains(caso::Gas));
        QCOMPARE(c.ventanas.value(caso::Gas).textos.value(g::dref), "1,293");
        teclear(tubo(), t::dint, "100");
        pulsar(tubo(), "CommandLineaGas");
        QCOMPARE(campo(ventanas().existente<FormLineaGas>(), lg::P1Linea)->text(), "5");
        QCOMPARE(campo(ventanas().existente<FormLineaGas>(), lg::TLinea)->text(), "20");
    }

    // Open case goes through the standard file dialog, for cases and results files alike, and
    // starts in the folder of the last file opened.
    void open_case_uses_the_file_dialog_data() {
        QTest::addColumn<QString>("nombre");
        QTest::newRow("results file") << "r.vrq";
        QTest::newRow("case") << "c.vorlo";
    }
    void open_case_uses_the_file_dialog() {
        QFETCH(QString, nombre);
        DialogosArchivoGrabados dialogos;
        fijarDialogosArchivo(&dialogos);
        QTemporaryDir otra;
        const QString ruta = otra.filePath(nombre);
        if (nombre.endsWith(".vrq")) {
            escribirBytes(ruta, kEjemplo);
        } else {
            caso::Caso c;
            c.ventanas.insert(caso::Tuberia, {{}, {{t::Qproceso, "36"}}});
            QVERIFY(!caso::guardar(ruta, c));
        }
        escribirBytes(m_dir.filePath("antes.vrq"), kEjemplo);
        abrirFormReynolds();
        QVERIFY(abrirRuta(tubo(), m_dir.filePath("antes.vrq")));
        dialogos.respuestaAbrir = ruta;
        control<QAction>(tubo(), "AbrirCaso")->trigger();
        fijarDialogosArchivo(nullptr);
        QCOMPARE(dialogos.preguntas.size(), 1);
        QCOMPARE(dialogos.preguntas[0].nombre, m_dir.path());
        QVERIFY(dialogos.preguntas[0].filtros.value(0).contains("*.vorlo *.vrq"));
        QCOMPARE(tubo()->texto(t::Qproceso), "36");
        QCOMPARE(control<QAction>(tubo(), "AbrirCaso")->shortcut(),
                 QKeySequence(QKeySequence::Open));
    }

    // The pipe and gas windows have a Help menu with mnemonics; About names the version, the
    // licence and the sources of the data.
    void the_help_menu_data() {
        QTest::addColumn<bool>("gas");
        QTest::addColumn<QString>("idioma");
        QTest::addColumn<QString>("titulo");
        QTest::addColumn<QString>("licencia");
        QTest::newRow("pipe, en") << false << kIngles << "&Help"
                                  << "GNU GPL version 3";
        QTest::newRow("gas, es") << true << kEspanol << "A&yuda"
                                 << "GNU GPL versión 3";
    }
    void the_help_menu() {
        QFETCH(bool, gas);
        QFETCH(QString, idioma);
        QFETCH(QString, titulo);
        QFETCH(QString, licencia);
        Idioma = idioma;
        QCoreApplication::setApplicationVersion("3.5");
        QWidget *w = gas ? static_cast<QWidget *>(ventanas().mostrar<Form2>())
                         : static_cast<QWidget *>(ventanas().mostrar<FormReynolds>());
        QCOMPARE(control<QMenu>(w, "Ayuda")->title(), titulo);
        // Alt and a letter open every menu: each title has its mnemonic.
        for (const QString &menu :
             gas ? QStringList{"Archivo"} : QStringList{"Archivo", "Edición", "Ver"})
            QVERIFY2(control<QMenu>(w, menu)->title().startsWith('&'), qPrintable(menu));
        control<QAction>(w, "AcercaDe")->trigger();
        QCOMPARE(mensajes.cajas.size(), 1);
        const QString texto = mensajes.cajas[0].texto;
        for (const QString &s : {QString("Vorlo 3.5"), licencia, QString("IAPWS-IF97"),
                                 QString("ASME B36.10M"), QString("Colebrook")})
            QVERIFY2(texto.contains(s), qPrintable(s));
    }

    // The man page names the settings file the program writes.
    void the_man_page_names_the_settings_file() {
        QFile man(QFINDTESTDATA("../../packaging/vorlo.1.in"));
        QVERIFY(man.open(QIODevice::ReadOnly));
        const QString nombre = QFileInfo(archivoAjustes()).fileName();
        QCOMPARE(nombre, "vorlo.ini");
        QVERIFY(QString::fromUtf8(man.readAll()).contains("~/.config/vorlo/" + nombre + '\n'));
    }
};

VORLO_PRUEBA(TestCasoEntero, Ventanas)
#include "tst_caso_entero.moc"
