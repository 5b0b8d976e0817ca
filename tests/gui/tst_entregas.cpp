// The language rule every window follows, and the hand-overs between windows at their edges:
// no target window, a hidden target field, a language that is not set.
#include "app/form1.h"
#include "app/globals.h"
#include "app/open_windows.h"
#include "app/texts.h"
#include "app/windows.h"
#include "fields/language.h"
#include "fittings/form_accesorios.h"
#include "gas/form2.h"
#include "gasline/form_linea_gas.h"
#include "pipeflow/form_reynolds.h"
#include "pipes/form_tuberias.h"
#include "results/results_file.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include "../support/runner.h"

#include "../support/gui_fixture.h"

using namespace vorlo;
using namespace vorlo::prueba;

class TestEntregas : public prueba::PruebaGui {
    Q_OBJECT
  private slots:

    void language_rule_data() {
        QTest::addColumn<QString>("idioma");
        QTest::addColumn<QString>("efectivo");
        QTest::addColumn<QString>("texto");
        QTest::newRow("unset: English, the starting language") << "" << kIngles << "en";
        QTest::newRow("Spanish") << kEspanol << kEspanol << "es";
        QTest::newRow("English") << kIngles << kIngles << "en";
        QTest::newRow("unknown reads as English") << "FRANÇAIS" << kIngles << "en";
        QTest::newRow("case matters") << "español" << kIngles << "en";
    }
    void language_rule() {
        QFETCH(QString, idioma);
        QFETCH(QString, efectivo);
        QFETCH(QString, texto);
        Idioma = idioma;
        QCOMPARE(idiomaActual(), efectivo);
        QCOMPARE(segunIdioma(idiomaActual(), "es", "en"), texto);
        QCOMPARE(lenguaActual() == Lengua::Espanol, texto == "es");
    }

    // Every window that loads without a language set shows the same language as the others.
    void windows_agree_on_an_unset_language() {
        auto *tuberia = ventanas().mostrar<FormReynolds>();
        auto *gas = ventanas().mostrar<Form2>();
        abrirAccesorios("100");
        auto *accesorios = ventanas().existente<FormAccesorios>();
        QVERIFY(accesorios);
        QCOMPARE(Idioma, kIngles);
        QCOMPARE(prueba::control(tuberia, "Command3")->property("text").toString(), "Fittings");
        QCOMPARE(prueba::control(gas, "Command3")->property("text").toString(),
                 "Calculate Pressure Drop");
        QCOMPARE(prueba::control(accesorios, "Label12")->property("text").toString(), "Diameter");
    }

    void k_total_without_pipe_window_creates_none() {
        entregarKTotal("2");
        QVERIFY(!ventanas().existente<FormReynolds>());
    }

    void k_total_only_into_a_shown_field() {
        auto *v = ventanas().mostrar<FormReynolds>();
        v->escribir(t::dint, "100");
        entregarKTotal("2");
        QCOMPARE(v->texto(t::ktotal), "2");
        // Gases mode hides the fittings rows' totals but not ktotal: what matters is the field.
        prueba::campo(v, t::ktotal)->hide();
        entregarKTotal("3");
        QCOMPARE(v->texto(t::ktotal), "2");
    }

    void saved_state_needs_an_open_pipe_window() {
        QVERIFY(!estadoTuberia());
        auto *v = ventanas().mostrar<FormReynolds>();
        v->escribir(t::Qproceso, "36");
        const auto estado = estadoTuberia();
        QVERIFY(estado);
        QCOMPARE(estado->textos[0], "36");
        QVERIFY(estado->opciones[0]);
    }

    void gas_flow_hand_over_sets_gases_mode_and_empties_the_old_values() {
        auto *v = ventanas().mostrar<FormReynolds>();
        v->escribir(t::Rugosidad, "0,05");
        v->escribir(t::vdinamica, "0,001");
        entregarFlujoGas("21,75", "5,945");
        QCOMPARE(v->texto(t::Qproceso), "21,75");
        QCOMPARE(v->texto(t::dproceso), "5,945");
        QCOMPARE(v->texto(t::Rugosidad), "");
        QCOMPARE(v->texto(t::vdinamica), "");
        QVERIFY(v->opcion(t::Option2) || !prueba::control(v, t::L)->isVisibleTo(v));
        QVERIFY(!prueba::control(v, "Command4")->isVisibleTo(v));
        QVERIFY(prueba::control(v, "Command7")->isVisibleTo(v));
        QVERIFY(prueba::control(v, "Command5")->isVisibleTo(v));
    }

    // "Pipe sizes…": 4 inch Sch 40 picked fills dint and names the pipe until dint changes.
    void picked_pipe_fills_dint_and_names_it() {
        auto *v = ventanas().mostrar<FormReynolds>();
        v->escribir(t::dint, "50");
        v->escribir(t::ktotal, "2");
        prueba::pulsar(v, "CommandTuberia");
        auto *tuberias = ventanas().existente<FormTuberias>();
        QVERIFY(tuberias);
        auto *nominal = prueba::control<QComboBox>(tuberias, "Nominal");
        nominal->setCurrentIndex(nominal->findText("4\" (DN 100)"));
        auto *cedula = prueba::control<QListWidget>(tuberias, "Cedula");
        const auto filas = cedula->findItems("Sch 40", Qt::MatchExactly);
        QCOMPARE(filas.size(), 1);
        cedula->setCurrentItem(filas.first());
        prueba::pulsar(tuberias, "Aceptar");
        QCOMPARE(v->texto(t::dint), "102,26");
        QCOMPARE(prueba::etiqueta(v, t::LabelTuberia), "4\" Sch 40");
        QCOMPARE(v->texto(t::ktotal), ""); // a new diameter asks for its K factors again
        QCOMPARE(v->texto(t::Vproceso), "");
        v->escribir(t::Qproceso, "36");
        QCOMPARE(v->texto(t::Vproceso), "1,2176");
        prueba::teclear(v, t::dint, "100");
        QCOMPARE(prueba::etiqueta(v, t::LabelTuberia), "");
    }

    void gas_line_button_only_in_gases_mode_data() {
        QTest::addColumn<bool>("cinematica");
        QTest::addColumn<QString>("viscosidad");
        QTest::newRow("dynamic") << false << "0,0000172";
        QTest::newRow("kinematic x density") << true << "1,7200074E-05";
    }
    void gas_line_button_only_in_gases_mode() {
        QFETCH(bool, cinematica);
        QFETCH(QString, viscosidad);
        auto *gas = ventanas().obtener<Form2>();
        gas->escribir(g::Pproceso, "5");
        auto *v = ventanas().mostrar<FormReynolds>();
        auto *boton = prueba::control(v, "CommandLineaGas");
        QVERIFY(!boton->isVisibleTo(v));
        prueba::pulsar(v, t::Option2);
        QVERIFY(boton->isVisibleTo(v));
        prueba::teclear(v, {{t::Qproceso, "21,75"},
                            {t::dproceso, "5,945"},
                            {t::dint, "100"},
                            {t::Rugosidad, "0,05"}});
        if (cinematica) {
            prueba::pulsar(v, t::Option4);
            prueba::teclear(v, t::Vcinematica, "0.0000028932");
        } else {
            prueba::teclear(v, t::vdinamica, "0.0000172");
        }
        prueba::pulsar(v, "CommandLineaGas");
        auto *linea = ventanas().existente<FormLineaGas>();
        QVERIFY(linea);
        QCOMPARE(prueba::campo(linea, lg::DLinea)->text(), "100");
        QCOMPARE(prueba::campo(linea, lg::RugLinea)->text(), "0,05");
        QCOMPARE(prueba::campo(linea, lg::Densidad1)->text(), "5,945");
        QCOMPARE(prueba::campo(linea, lg::P1Linea)->text(), "5");
        QCOMPARE(prueba::campo(linea, lg::MasicoLinea)->text().remove('.'), "129,30375");
        QCOMPARE(prueba::campo(linea, lg::ViscLinea)->text(), viscosidad);
        prueba::pulsar(v, t::Option1);
        QVERIFY(!boton->isVisibleTo(v));
    }
};

VORLO_PRUEBA(TestEntregas, Ventanas)
#include "tst_entregas.moc"
