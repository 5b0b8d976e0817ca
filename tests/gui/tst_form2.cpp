#include "app/colours.h"
#include "app/form1.h"
#include "app/globals.h"
#include "app/open_windows.h"
#include "fields/language.h"
#include "gas/ayuda_gases.h"
#include "gas/form2.h"
#include "pipeflow/form_reynolds.h"

#include "../support/gui_fixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "../support/runner.h"
#include <QToolButton>

using namespace vorlo;
using namespace vorlo::prueba;

namespace {

const QStringList kCampos = {g::dref,     g::Pref,     g::tref,     g::Zref,          g::Pproceso,
                             g::tproceso, g::Zproceso, g::dproceso, g::Qnormales,     g::P_paraQ,
                             g::T_paraQ,  g::Z_paraQ,  g::Qproceso, g::Qprocesomasico};

const QString kGeneralEs = "Los campos que podemos calcular figuran en AZUL. Pase el ratón sobre "
                           "ellos y se marcaran en rojo aquellos campos necesarios para su cálculo";
const QString kGeneralEn = "Fields that can be calculated are in BLUE. Move the mouser over them "
                           "and the fields required for the calculation will be displayed in RED";
const QString kCeroAbsoluto = "Temperatura por debajo del cero absoluto, por favor corrija";

QColor fondoDe(QWidget *f, const QString &n) {
    return fondo(campo(f, n));
}

} // namespace

class TestForm2 : public PruebaGui {
    Q_OBJECT
  private slots:
    void opens_with_initial_texts_and_states() {
        auto *f = ventanas().mostrar<Form2>();
        QCOMPARE(f->windowTitle(), "Vorlo - Cálculo Condiciones de Proceso");
        for (const QString &n : kCampos) {
            const QString esperado = (n == g::Pref || n == g::P_paraQ) ? "1,01325"
                                     : (n == g::Zref || n == g::Zproceso || n == g::Z_paraQ) ? "1"
                                                                                             : "";
            QCOMPARE(campo(f, n)->text(), esperado);
            // Every field white until the first move over the background or mode switch.
            QCOMPARE(fondoDe(f, n), kBlanco);
        }
        QVERIFY(control<QRadioButton>(f, g::Option1)->isChecked());
        QVERIFY(!control<QRadioButton>(f, g::Option2)->isChecked());
        QCOMPARE(f->modo(), 1);
        QVERIFY(!control<QCheckBox>(f, g::Check1)->isChecked());
        for (const QString &n :
             QStringList{"Label6", g::Zref, "Label16", g::Zproceso, "Label27", g::Z_paraQ})
            QVERIFY2(!control(f, n)->isVisible(), qPrintable(n));
        QVERIFY(control(f, "Line35")->isVisible());
        QVERIFY(control(f, "Line36")->isVisible());
        QVERIFY(!control(f, "Line37")->isVisible());
        QVERIFY(!control(f, "Line38")->isVisible());
        QVERIFY(control<QLabel>(f, "MensajeAyuda")->text().isEmpty());
        QVERIFY(!control(f, "Calcular")->isVisible());
        QVERIFY(f->testAttribute(Qt::WA_DeleteOnClose));
        QVERIFY(mensajes.cajas.isEmpty());
    }

    void arrow_heads_are_drawn_lines() {
        auto *f = ventanas().mostrar<Form2>();
        for (const QString n : {"Line35", "Line36"}) {
            QWidget *l = control(f, n);
            const QImage img = l->grab().toImage();
            const QColor fondoVentana = f->palette().color(QPalette::Window);
            int tinta = 0;
            for (int y = 0; y < img.height(); ++y)
                for (int x = 0; x < img.width(); ++x)
                    if (img.pixelColor(x, y) != fondoVentana)
                        ++tinta;
            QVERIFY2(tinta > 0, qPrintable(n));
            QVERIFY2(tinta < img.width() * img.height(), qPrintable(n));
        }
    }

    void unit_buttons_have_captions_and_tooltip_data() {
        QTest::addColumn<QString>("boton");
        QTest::addColumn<QString>("texto");
        QTest::newRow("Command6") << "Command6"
                                  << "(kg/m3)";
        QTest::newRow("Command7") << "Command7"
                                  << "(Bar a)";
        QTest::newRow("Command8") << "Command8"
                                  << "(ºC)";
        QTest::newRow("Command9") << "Command9"
                                  << "(Bar a)";
        QTest::newRow("Command10") << "Command10"
                                   << "(ºC)";
        QTest::newRow("Command11") << "Command11"
                                   << "(kg/m3)";
        QTest::newRow("Command12") << "Command12"
                                   << "(m3/h)";
        QTest::newRow("Command13") << "Command13"
                                   << "(ºC)";
        QTest::newRow("Command14") << "Command14"
                                   << "(Bar a)";
        QTest::newRow("Command15") << "Command15"
                                   << "(m3/h)";
        QTest::newRow("Command16") << "Command16"
                                   << "(Kg/h)";
    }
    void unit_buttons_have_captions_and_tooltip() {
        QFETCH(QString, boton);
        QFETCH(QString, texto);
        auto *f = ventanas().mostrar<Form2>();
        f->Picture1_Click();
        auto *b = control<QAbstractButton>(f, boton);
        QCOMPARE(b->text(), texto);
        QCOMPARE(b->toolTip(), "Pulsar para otras unidades");
    }

    void typing_mode1_example_computes_live() {
        auto *f = ventanas().mostrar<Form2>();
        teclearEjemploGas(f);
        QCOMPARE(campo(f, g::dref)->text(), "1,293");
        QCOMPARE(campo(f, g::dproceso)->text(), "5,945");
        QCOMPARE(campo(f, g::Qproceso)->text(), "21,75");
        QCOMPARE(campo(f, g::Qprocesomasico)->text(), "129,304");
        QVERIFY(mensajes.cajas.isEmpty());

        // Results go with the input they were built on, and the help line says why.
        teclear(f, g::Qnormales, "");
        QVERIFY(campo(f, g::Qproceso)->text().isEmpty());
        QVERIFY(campo(f, g::Qprocesomasico)->text().isEmpty());
        QCOMPARE(campo(f, g::dproceso)->text(), "5,945");
        teclear(f, g::Pproceso, "-5");
        QVERIFY(campo(f, g::dproceso)->text().isEmpty());
        QCOMPARE(control<QLabel>(f, "MensajeAyuda")->text(),
                 "Absolute Pressure: must be greater than zero");
    }

    void typing_mode2_example_computes_normalised_flow() {
        auto *f = ventanas().mostrar<Form2>();
        QTest::mouseClick(control(f, g::Option2), Qt::LeftButton);
        QCOMPARE(f->modo(), 2);
        QCOMPARE(campo(f, g::Pproceso)->text(), "20");
        teclear(f, {{g::dref, "1.293"},
                    {g::tref, "0"},
                    {g::Pproceso, "5"},
                    {g::tproceso, "20"},
                    {g::T_paraQ, "0"},
                    {g::Qproceso, "21.75"}});
        QCOMPARE(campo(f, g::dproceso)->text(), "5,945");
        QCOMPARE(campo(f, g::Qnormales)->text(), "100,006");
        QCOMPARE(campo(f, g::Qprocesomasico)->text(), "129,304");
        QCOMPARE(campo(f, g::Qproceso)->text(), "21,75");
    }

    void key_filter_on_every_field_data() {
        QTest::addColumn<QString>("nombre");
        for (const QString &n : kCampos)
            QTest::newRow(qPrintable(n)) << n;
    }
    void key_filter_on_every_field() {
        QFETCH(QString, nombre);
        auto *f = ventanas().mostrar<Form2>();
        teclear(f, nombre, "a1 .5x\r-");
        QCOMPARE(campo(f, nombre)->text(), "1,5-");
    }

    void below_absolute_zero_warns_once_at_the_last_key_data() {
        QTest::addColumn<QString>("nombre");
        for (const QString &n : {g::tref, g::tproceso, g::T_paraQ})
            QTest::newRow(qPrintable(n)) << n;
    }
    void below_absolute_zero_warns_once_at_the_last_key() {
        QFETCH(QString, nombre);
        auto *f = ventanas().mostrar<Form2>();
        QLineEdit *e = campo(f, nombre);
        for (const QString tecla : {"-", "3", "0"}) {
            QTest::keyClicks(e, tecla);
            QVERIFY2(mensajes.cajas.isEmpty(), qPrintable(e->text()));
        }
        QTest::keyClicks(e, "0");
        QCOMPARE(mensajes.cajas.size(), 1);
        QCOMPARE(mensajes.cajas[0].texto, kCeroAbsoluto);
        QCOMPARE(mensajes.cajas[0].titulo, "Vorlo");
        QVERIFY(!mensajes.cajas[0].pregunta);
        // The field keeps its text.
        QCOMPARE(e->text(), "-300");
    }

    void absolute_zero_message_edges_data() {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<int>("cajas");
        QTest::newRow("exactly -273,15") << "-273.15" << 0;
        QTest::newRow("-273,151") << "-273.151" << 1;
        QTest::newRow("not a number") << "-,-" << 0;
        QTest::newRow("two commas") << "-300,0,0" << 0;
    }
    void absolute_zero_message_edges() {
        QFETCH(QString, texto);
        QFETCH(int, cajas);
        auto *f = ventanas().mostrar<Form2>();
        // Only the complete text counts: paste it in one go.
        campo(f, g::tproceso)->setText(texto.replace('.', ','));
        QCOMPARE(mensajes.cajas.size(), cajas);
    }

    void english_setting_keeps_the_message_spanish() {
        Idioma = kIngles;
        auto *f = ventanas().mostrar<Form2>();
        teclear(f, g::tref, "-300");
        QCOMPARE(mensajes.cajas.size(), 1);
        QCOMPARE(mensajes.cajas[0].texto, kCeroAbsoluto);
    }

    void clear_sets_process_pressure_20_and_density_needs_three_inputs() {
        auto *f = ventanas().mostrar<Form2>();
        teclearEjemploGas(f);
        QTest::mouseClick(control(f, g::Check1), Qt::LeftButton);
        QTest::mouseClick(control(f, "Command5"), Qt::LeftButton);
        for (const QString &n : kCampos) {
            const QString esperado = (n == g::Pref || n == g::P_paraQ) ? "1,01325"
                                     : (n == g::Zref || n == g::Zproceso || n == g::Z_paraQ) ? "1"
                                     : n == g::Pproceso                                      ? "20"
                                                                                             : "";
            QCOMPARE(campo(f, n)->text(), esperado);
        }
        // Mode and tick stay.
        QCOMPARE(f->modo(), 1);
        QVERIFY(control<QCheckBox>(f, g::Check1)->isChecked());

        teclear(f, g::dref, "1.293");
        teclear(f, g::tref, "0");
        QVERIFY(campo(f, g::dproceso)->text().isEmpty());
        teclear(f, g::tproceso, "15");
        // 1,293 x 20 x 273,15 / (288,15 x 1,01325)
        QCOMPARE(campo(f, g::dproceso)->text(), "24,193");
    }

    void mode_switch_resets_everything() {
        auto *f = ventanas().mostrar<Form2>();
        teclearEjemploGas(f);
        QTest::mouseClick(control(f, g::Check1), Qt::LeftButton);
        teclear(f, g::Zproceso, "0.9");
        teclear(f, g::P_paraQ, "1");

        QTest::mouseClick(control(f, g::Option2), Qt::LeftButton);
        QCOMPARE(f->modo(), 2);
        QVERIFY(control<QRadioButton>(f, g::Option2)->isChecked());
        QVERIFY(!control<QRadioButton>(f, g::Option1)->isChecked());
        for (const QString &n : kCampos) {
            const QString esperado = (n == g::Pref || n == g::P_paraQ) ? "1,01325"
                                     : (n == g::Zref || n == g::Zproceso || n == g::Z_paraQ) ? "1"
                                     : n == g::Pproceso                                      ? "20"
                                                                                             : "";
            QCOMPARE(campo(f, n)->text(), esperado);
        }
        QVERIFY(control<QCheckBox>(f, g::Check1)->isChecked());
        QVERIFY(!control(f, "Line35")->isVisible());
        QVERIFY(!control(f, "Line36")->isVisible());
        QVERIFY(control(f, "Line37")->isVisible());
        QVERIFY(control(f, "Line38")->isVisible());
        QCOMPARE(fondoDe(f, g::Qnormales), kAzul);
        QCOMPARE(fondoDe(f, g::Qproceso), kBlanco);
        QCOMPARE(fondoDe(f, g::Qprocesomasico), kBlanco);
        // The rest keeps the colours it had.
        QCOMPARE(fondoDe(f, g::dproceso), kBlanco);

        teclear(f, g::Qproceso, "10");
        QTest::mouseClick(control(f, g::Option1), Qt::LeftButton);
        QCOMPARE(f->modo(), 1);
        QVERIFY(campo(f, g::Qproceso)->text().isEmpty());
        QVERIFY(control(f, "Line35")->isVisible());
        QVERIFY(!control(f, "Line37")->isVisible());
        QCOMPARE(fondoDe(f, g::Qnormales), kBlanco);
        QCOMPARE(fondoDe(f, g::Qproceso), kAzul);
        QCOMPARE(fondoDe(f, g::Qprocesomasico), kAzul);
    }

    void clicking_the_selected_mode_keeps_the_data() {
        auto *f = ventanas().mostrar<Form2>();
        teclearEjemploGas(f);
        QTest::mouseClick(control(f, g::Option1), Qt::LeftButton);
        QCOMPARE(campo(f, g::dref)->text(), "1,293");
        QCOMPARE(campo(f, g::Qproceso)->text(), "21,75");
    }

    void mode_text_selects_its_mode() {
        auto *f = ventanas().mostrar<Form2>();
        QTest::mouseClick(control(f, "Label3"), Qt::LeftButton);
        QCOMPARE(f->modo(), 2);
        QVERIFY(control<QRadioButton>(f, g::Option2)->isChecked());
        QTest::mouseClick(control(f, "Label2"), Qt::LeftButton);
        QCOMPARE(f->modo(), 1);
        QTest::mouseClick(control(f, "Label7"), Qt::LeftButton);
        QVERIFY(control<QCheckBox>(f, g::Check1)->isChecked());
        QVERIFY(control(f, g::Zref)->isVisible());
    }

    void compressibility_box_shows_and_hides_but_z_always_counts() {
        auto *f = ventanas().mostrar<Form2>();
        const QStringList z = {"Label6", g::Zref, "Label16", g::Zproceso, "Label27", g::Z_paraQ};
        QTest::mouseClick(control(f, g::Check1), Qt::LeftButton);
        for (const QString &n : z)
            QVERIFY2(control(f, n)->isVisible(), qPrintable(n));
        teclear(f, g::Zproceso, "0.9");
        QTest::mouseClick(control(f, g::Check1), Qt::LeftButton);
        for (const QString &n : z)
            QVERIFY2(!control(f, n)->isVisible(), qPrintable(n));
        QCOMPARE(campo(f, g::Zproceso)->text(), "0,9");
        teclearEjemploGas(f);
        // 1,293 x 5 x 273,15 / (293,15 x 1,01325 x 0,9)
        QCOMPARE(campo(f, g::dproceso)->text(), "6,606");
    }

    void hand_over_with_empty_density() {
        auto *pipa = ventanas().mostrar<FormReynolds>();
        pipa->escribir(t::dproceso, "998");
        pipa->escribir(t::vdinamica, "0,001");
        pipa->escribir(t::Rugosidad, "0,05");
        pipa->escribir(t::dint, "100");
        QPointer<Form2> f = ventanas().mostrar<Form2>();
        QTest::mouseClick(control(f, g::Option2), Qt::LeftButton);
        teclear(f, g::Qproceso, "21.75");
        QVERIFY(campo(f, g::dproceso)->text().isEmpty());

        QTest::mouseClick(control(f, "Command3"), Qt::LeftButton);
        QCOMPARE(ventanas().existente<FormReynolds>(), pipa);
        QVERIFY(pipa->isVisible());
        QVERIFY(pipa->opcion(t::Option2));
        QVERIFY(!pipa->opcion(t::Option1));
        QCOMPARE(pipa->texto(t::dproceso), "");
        QCOMPARE(pipa->texto(t::Qproceso), "21,75");
        for (const QString &n : {t::vdinamica, t::Re, t::Rugosidad})
            QVERIFY2(pipa->texto(n).isEmpty(), qPrintable(n));
        // The old velocity went; the one shown follows the new flow in the 100 mm pipe.
        QCOMPARE(pipa->texto(t::Vproceso), ",7692");
        QVERIFY(!control(pipa, "Command4")->isVisible());
        QVERIFY(control(pipa, "Command7")->isVisible());
        QVERIFY(control(pipa, "Command5")->isVisible());

        borrarDiferidos();
        QVERIFY(f.isNull());
        QVERIFY(!ventanas().existente<Form2>());
    }

    void hand_over_creates_the_pipe_window_and_copies_the_example() {
        QPointer<Form2> f = ventanas().mostrar<Form2>();
        teclearEjemploGas(f);
        QVERIFY(!ventanas().existente<FormReynolds>());
        QTest::mouseClick(control(f, "Command3"), Qt::LeftButton);
        auto *pipa = ventanas().existente<FormReynolds>();
        QVERIFY(pipa);
        QVERIFY(pipa->isVisible());
        QVERIFY(pipa->opcion(t::Option2));
        QCOMPARE(pipa->texto(t::dproceso), "5,945");
        QCOMPARE(pipa->texto(t::Qproceso), "21,75");
        borrarDiferidos();
        QVERIFY(f.isNull());

        // And back: the pipe window's "Calcular Densidad y Caudal" opens the gas window again
        // with the inputs the density and flow came from.
        QPointer<FormReynolds> p = pipa;
        QTest::mouseClick(control(pipa, "Command7"), Qt::LeftButton);
        auto *otra = ventanas().existente<Form2>();
        QVERIFY(otra);
        QVERIFY(otra->isVisible());
        QCOMPARE(campo(otra, g::dref)->text(), "1,293");
        QCOMPARE(campo(otra, g::Pproceso)->text(), "5");
        borrarDiferidos();
        QVERIFY(p.isNull());
    }

    void start_screen_opens_the_gas_window() {
        auto *inicio = ventanas().mostrar<Form1>();
        QTest::mouseClick(control(inicio, "Label2"), Qt::LeftButton);
        auto *f = ventanas().existente<Form2>();
        QVERIFY(f);
        QVERIFY(f->isVisible());
        // English was set by the start screen.
        QCOMPARE(control<QLabel>(f, "Label1")->text(), "FLOW RATE AND DENSITY CALCULATION. GASES");
    }

    void writing_from_another_window_loads_without_showing() {
        entregarReferenciaGas("1,293", "1", "1,01325", "0");
        auto *f = ventanas().existente<Form2>();
        QVERIFY(f);
        QVERIFY(!f->isVisible());
        QCOMPARE(campo(f, g::tref)->text(), "0");
        f->escribir(g::Pproceso, "5");
        f->escribir(g::tproceso, "20");
        QCOMPARE(f->texto(g::dproceso), "5,945");
        abrirForm2();
        QCOMPARE(ventanas().existente<Form2>(), f);
        QVERIFY(f->isVisible());
        QCOMPARE(campo(f, g::dref)->text(), "1,293");
    }

    void hover_marks_data() {
        QTest::addColumn<int>("modo");
        QTest::addColumn<QString>("sobre");
        QTest::addColumn<QStringList>("rojos");
        QTest::addColumn<QString>("pista");
        const QString densidad = "DENSIDAD (referida a las condiciones de proceso). Los campos "
                                 "marcados en rojo indican aquellos valores necesarios para "
                                 "calcular la densidad en condiciones de proceso. ";
        const QStringList paraDensidad = {g::Zref,     g::Pproceso, g::tref,    g::dref,
                                          g::Zproceso, g::Pref,     g::tproceso};
        QTest::newRow("dproceso, mode 1") << 1 << g::dproceso << paraDensidad << densidad;
        QTest::newRow("dproceso, mode 2") << 2 << g::dproceso << paraDensidad << densidad;
        QTest::newRow("Qproceso, mode 1")
            << 1 << g::Qproceso << QStringList{g::Zproceso, g::Qnormales, g::P_paraQ, g::Z_paraQ,
                                               g::Pproceso, g::T_paraQ,   g::tproceso}
            << "Los campos marcados en rojo indican aquellos valores necesarios para calcular el "
               "caudal.";
        QTest::newRow("Qnormales, mode 2")
            << 2 << g::Qnormales << QStringList{g::Zproceso, g::Qproceso, g::P_paraQ, g::Z_paraQ,
                                                g::Pproceso, g::T_paraQ,  g::tproceso}
            << "Los campos marcados en rojo indican aquellos valores necesarios para calcular el "
               "caudal";
        QTest::newRow("Qprocesomasico, mode 1")
            << 1 << g::Qprocesomasico << QStringList{g::Qproceso, g::dproceso} << kGeneralEs;
        QTest::newRow("Qprocesomasico, mode 2")
            << 2 << g::Qprocesomasico << QStringList{g::Qproceso, g::dproceso} << kGeneralEs;
        QTest::newRow("Command3, mode 2")
            << 2 << "Command3" << QStringList{g::Qproceso, g::dproceso} << kGeneralEs;
        QTest::newRow("Qproceso, mode 2") << 2 << g::Qproceso << QStringList{} << kGeneralEs;
        QTest::newRow("Qnormales, mode 1") << 1 << g::Qnormales << QStringList{} << kGeneralEs;
        QTest::newRow("dref, mode 1") << 1 << g::dref << QStringList{} << kGeneralEs;
    }
    void hover_marks() {
        QFETCH(int, modo);
        QFETCH(QString, sobre);
        QFETCH(QStringList, rojos);
        QFETCH(QString, pista);
        Idioma = kEspanol;
        auto *f = ventanas().mostrar<Form2>();
        if (modo == 2)
            QTest::mouseClick(control(f, g::Option2), Qt::LeftButton);
        moverSobre(f);
        QCOMPARE(control<QLabel>(f, "MensajeAyuda")->text(), kGeneralEs);
        const QHash<QString, QColor> antes = [&] {
            QHash<QString, QColor> h;
            for (const QString &n : kCampos)
                h[n] = fondoDe(f, n);
            return h;
        }();

        moverSobre(control(f, sobre));
        for (const QString &n : kCampos)
            QCOMPARE(fondoDe(f, n), rojos.contains(n) ? kRojo : antes[n]);
        QCOMPARE(control<QLabel>(f, "MensajeAyuda")->text(), pista);

        // Passing over the background clears the red marks.
        moverSobre(f);
        for (const QString &n : kCampos)
            QCOMPARE(fondoDe(f, n), antes[n]);
        QCOMPARE(control<QLabel>(f, "MensajeAyuda")->text(), kGeneralEs);
    }

    void background_reset_colours_by_mode() {
        Idioma = kIngles;
        auto *f = ventanas().mostrar<Form2>();
        moverSobre(f);
        const QStringList blancos = {g::Zref,     g::Pproceso, g::tref,     g::dref,
                                     g::Zproceso, g::Pref,     g::tproceso, g::P_paraQ,
                                     g::Z_paraQ,  g::T_paraQ,  g::Qnormales};
        for (const QString &n : blancos)
            QCOMPARE(fondoDe(f, n), kBlanco);
        for (const QString &n : {g::dproceso, g::Qproceso, g::Qprocesomasico})
            QCOMPARE(fondoDe(f, n), kAzul);
        QCOMPARE(control<QLabel>(f, "MensajeAyuda")->text(), kGeneralEn);

        QTest::mouseClick(control(f, g::Option2), Qt::LeftButton);
        moverSobre(control(f, g::dproceso));
        moverSobre(f);
        QCOMPARE(fondoDe(f, g::Qnormales), kAzul);
        QCOMPARE(fondoDe(f, g::Qproceso), kBlanco);
        QCOMPARE(fondoDe(f, g::Qprocesomasico), kBlanco);
        QCOMPARE(fondoDe(f, g::dproceso), kAzul);
        QCOMPARE(fondoDe(f, g::Pproceso), kBlanco);
    }

    void two_marks_stay_until_the_background() {
        auto *f = ventanas().mostrar<Form2>();
        moverSobre(control(f, g::dproceso));
        moverSobre(control(f, g::Qproceso));
        QCOMPARE(fondoDe(f, g::dref), kRojo);
        QCOMPARE(fondoDe(f, g::Qnormales), kRojo);
        // Over a plain input nothing happens.
        moverSobre(control(f, g::Pref));
        QCOMPARE(fondoDe(f, g::dref), kRojo);
    }

    // A flag click puts the help line's hint into the new language at once, whichever hint it
    // shows; the clear button's tooltip follows too.
    void flags_put_the_hint_into_the_new_language_data() {
        QTest::addColumn<QString>("idioma"); // before the click
        QTest::addColumn<QString>("sobre");  // empty: the window's background
        QTest::addColumn<QString>("pista");  // the hint's start after the click
        // clang-format off
        QTest::newRow("density, es to en")    << kEspanol << g::dproceso << "DENSITY (referenced";
        QTest::newRow("flow, en to es")       << kIngles << g::Qproceso << "Los campos marcados en rojo";
        QTest::newRow("background, es to en") << kEspanol << "" << kGeneralEn;
        QTest::newRow("background, en to es") << kIngles << "" << kGeneralEs;
        // clang-format on
    }
    void flags_put_the_hint_into_the_new_language() {
        QFETCH(QString, idioma);
        QFETCH(QString, sobre);
        QFETCH(QString, pista);
        Idioma = idioma;
        auto *f = ventanas().mostrar<Form2>();
        moverSobre(sobre.isEmpty() ? f : control(f, sobre));
        auto *ayuda = control<QLabel>(f, "MensajeAyuda");
        const QString antes = ayuda->text();
        const bool aIngles = idioma == kEspanol;
        QTest::mouseClick(control(f, aIngles ? "Picture1" : "Spain"), Qt::LeftButton);
        QVERIFY2(ayuda->text().startsWith(pista) && ayuda->text() != antes,
                 qPrintable(ayuda->text()));
        QCOMPARE(control(f, "Command5")->toolTip(), aIngles ? "Clear" : "Borrar");
        QCOMPARE(control(f, "Command5")->accessibleName(), aIngles ? "Clear" : "Borrar");
    }

    void hints_follow_english_without_a_known_language() {
        auto *f = ventanas().mostrar<Form2>();
        Idioma = QStringLiteral("FRANÇAIS");
        moverSobre(control(f, g::dproceso));
        QCOMPARE(control<QLabel>(f, "MensajeAyuda")->text(),
                 "DENSITY (referenced to the actual conditions). Fields in blue are those "
                 "required for the calculation of actual density.");
        QCOMPARE(fondoDe(f, g::dref), kRojo);
        Idioma = kIngles;
        moverSobre(control(f, g::dproceso));
        QCOMPARE(control<QLabel>(f, "MensajeAyuda")->text(),
                 "DENSITY (referenced to the actual conditions). Fields in blue are those "
                 "required for the calculation of actual density.");
        moverSobre(control(f, g::Qproceso));
        QCOMPARE(control<QLabel>(f, "MensajeAyuda")->text(),
                 "Field in RED are required for flow calculation");
        QTest::mouseClick(control(f, g::Option2), Qt::LeftButton);
        moverSobre(control(f, g::Qnormales));
        QCOMPARE(control<QLabel>(f, "MensajeAyuda")->text(),
                 "Fields in RED are required for flow calculation");
    }

    void texts_in_both_languages_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("es");
        QTest::addColumn<QString>("en");
        const QList<std::array<QString, 3>> filas = {
            {"Label1", "CÁLCULO DE CAUDAL Y DENSIDAD EN GASES",
             "FLOW RATE AND DENSITY CALCULATION. GASES"},
            {"Label2",
             "Conozco el caudal normalizado y quiero conocer caudal referido a las condiciones "
             "de proceso",
             "Normalized flow rate is known"},
            {"Label3",
             "Conozco el caudal referenciado a las condiciones de proceso y quiero calcularlo en "
             "otras condiciones de referencia",
             "Actual (measured) flow rate is known"},
            {"Label7", "Considerar factor de compresibilidad (Z)",
             "Consider compressibility factor (Z)"},
            {"Command3", "Calcular Pérdida de Carga", "Calculate Pressure Drop"},
            {"Label4", "CARACTERÍSTICAS DEL GAS", "GAS PROPERTIES"},
            {"Label5", "Densidad", "Density"},
            {"Label6", "Compresibilidad (Z)", "Compressibility (Z)"},
            {"Label8", "Condiciones de Referencia:", "Reference conditions:"},
            {"Label9", "Presión Absoluta", "Absolute Pressure"},
            {"Label10", "Temperatura", "Temperature"},
            {"Label13", "CONDICIONES DE PROCESO", "PROCESS CONDITIONS"},
            {"Label14", "Presión Absoluta", "Absolute Pressure"},
            {"Label15", "Temperatura", "Temperature"},
            {"Label16", "Compresibilidad", "Compressibility (Z)"},
            {"Label17", "Densidad", "Density"},
            {"Label21", "CAUDAL NORMALIZADO", "NORMALIZED FLOW RATE"},
            {"Label22", "Caudal", "Flow Rate"},
            {"Label24", "Condiciones de Referencia", "Reference conditions"},
            {"Label25", "Presión Absoluta", "Absolute Pressure"},
            {"Label26", "Temperatura", "Temperature"},
            {"Label27", "Compresibilidad", "Compressibility (Z)"},
            {"Label30", "CAUDAL REAL, REFERIDO A LAS CONDICIONES REALES DE PROCESO",
             "ACTUAL FLOW (MEASURED)"},
            {"Label31", "Caudal", "Flow rate"},
            {"Label32", "Caudal Másico", "Mass flow rate"},
        };
        for (const auto &f : filas)
            QTest::newRow(qPrintable(f[0])) << f[0] << f[1] << f[2];
    }
    void texts_in_both_languages() {
        QFETCH(QString, control);
        QFETCH(QString, es);
        QFETCH(QString, en);
        auto texto = [&](QWidget *f) {
            if (auto *b = qobject_cast<QAbstractButton *>(::control(f, control)))
                return b->text();
            return ::control<QLabel>(f, control)->text();
        };
        // No language set: English, the language the program starts in.
        auto *f = ventanas().mostrar<Form2>();
        QCOMPARE(texto(f), en);
        QTest::mouseClick(::control(f, "Spain"), Qt::LeftButton);
        QCOMPARE(texto(f), es);
        QTest::mouseClick(::control(f, "Picture1"), Qt::LeftButton);
        QCOMPARE(Idioma, kIngles);
        QCOMPARE(texto(f), en);
        QTest::mouseClick(::control(f, "Spain"), Qt::LeftButton);
        QCOMPARE(Idioma, kEspanol);
        QCOMPARE(texto(f), es);
        f->close();
        borrarDiferidos();
        // A window opened later follows the setting.
        Idioma = kIngles;
        QCOMPARE(texto(ventanas().mostrar<Form2>()), en);
    }

    void fixed_texts_stay_spanish() {
        auto *f = ventanas().mostrar<Form2>();
        QTest::mouseClick(control(f, "Picture1"), Qt::LeftButton);
        QCOMPARE(f->windowTitle(), "Vorlo - Cálculo Condiciones de Proceso");
        QCOMPARE(control(f, "Label4")->toolTip(),
                 "En este apartado deben de introducirse la densidad y la compresibilidad del "
                 "gas. Estos dos parámetros dependen de la presión y la temperatura.");
        QCOMPARE(control(f, "Label8")->toolTip(),
                 "Presión Absoluta y Temperatura correspondientes a la Densidad y "
                 "Compresibilidad anteriores. ");
        QCOMPARE(control(f, "Command12")->toolTip(), "Pulsar para otras unidades");
    }

    void help_window_texts() {
        Idioma = kIngles;
        auto *f = ventanas().mostrar<Form2>();
        QTest::mouseClick(control(f, "Command4"), Qt::LeftButton);
        auto *a = ventanas().existente<AyudaGases>();
        QVERIFY(a);
        QVERIFY(a->isVisible());
        QCOMPARE(a->windowModality(), Qt::NonModal);
        QCOMPARE(a->windowTitle(), "Ayuda - Cálculo Gases");
        const QStringList esperados = {
            "La principal finalidad de esta aplicación es determinar las condiciones de caudal y "
            "densidad en diferentes condiciones de referencia.",
            "Se presentan dos posibilidades;",
            "1.- Conocemos el caudal normalizado y queremos calcular el caudal referido a las "
            "condiciones reales de proceso.",
            "Esta opción se debe utilizar cuando, por ejemplo, conocemos el caudal en unas "
            "condiciones de presión y temperatura que no son las que actualmente existen en la "
            "tubería. Por ejemplo, sabemos el caudal expresado en Nm3/h (1.01325 Bar a, 0ºC) y "
            "queremos calcularlo en m3/h a la presión y temperaturas existentes en la tubería.",
            "2.- Conocemos el caudal referenciado a las condiciones de proceso y queremos "
            "calcularlo en otras condiciones de referencia.",
            "Por ejemplo, conocemos el valor del caudal proporcionado por un caudalímetro, la "
            "presión absoluta y temperatura en la línea; necesitamos calcular los Nm3/h (es decir "
            "el caudal equivalente a esa masa de fluido si estuviese a 1.01325 Bar a y 0ºC).",
            "Los campos que pueden ser calculados figuran en azul. Al pasar el ratón sobre ellos "
            "se marcará en rojo aquellos campos que es necesario introducir. No es preciso "
            "rellenar todos los campos del formulario, únicamente los que se marcan en rojo.",
            "Es importante tener en cuenta que este formulario no predice posibles cambios de "
            "estado del fluido. Por tanto, en el apartado \"Condiciones de Proceso\" se deberán "
            "reflejar unas condiciones de proceso y temperatura que correspondan con el fluido "
            "en fase gas. Por ejemplo, si seleccionamos vapor de agua e intentamos calcular el "
            "caudal a 20ºC y ºbar a de presión, los resultados carecerán de sentido puesto que a "
            "esa presión y temperatura no existe vapor sino agua líquida.  ",
        };
        QStringList vistos;
        for (QLabel *l : a->findChildren<QLabel *>(Qt::FindDirectChildrenOnly))
            vistos << l->text();
        QCOMPARE(vistos, esperados);
        // Opening it does not block the gas window.
        QVERIFY(!QApplication::activeModalWidget());
        teclear(f, g::dref, "2");
        QCOMPARE(campo(f, g::dref)->text(), "2");
    }

    // A Z outside 0,05-5 is warned of in red on the help line, and used; a bad text is named.
    void the_help_line_warns_of_inputs() {
        auto *f = ventanas().mostrar<Form2>();
        auto *linea = control<QLabel>(f, "MensajeAyuda");
        f->escribir(g::Zproceso, "11");
        QCOMPARE(linea->text(),
                 "Compressibility (Z): 11,0 is outside 0,05–5; check it (it is used as given)");
        QCOMPARE(linea->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        f->escribir(g::Zproceso, "1");
        f->escribir(g::Pproceso, "-2");
        QCOMPARE(linea->text(), "Absolute Pressure: must be greater than zero");
        f->escribir(g::Pproceso, "2");
        QVERIFY(linea->text().isEmpty());
    }
};

VORLO_PRUEBA(TestForm2, Ventanas)
#include "tst_form2.moc"
