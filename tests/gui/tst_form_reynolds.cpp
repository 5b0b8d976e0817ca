#include "app/colours.h"
#include "app/form1.h"
#include "app/globals.h"
#include "fields/language.h"
#include "pipeflow/form_reynolds.h"

#include "../support/gui_fixture.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "../support/runner.h"
#include <QTimer>
#include <QToolButton>

using namespace vorlo;
using namespace vorlo::prueba;

namespace {

void perderFoco(QWidget *w) {
    QFocusEvent ev(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(w, &ev);
}

} // namespace

class TestFormReynolds : public PruebaGui {
    Q_OBJECT
  public:
    TestFormReynolds() : PruebaGui(kEspanol) {}

  private:
    FormReynolds *f = nullptr;

    QLineEdit *campo(const QString &n) { return prueba::campo(f, n); }
    QLabel *etiqueta(const QString &n) { return prueba::control<QLabel>(f, n); }
    template <class T = QWidget> T *control(const QString &n) { return prueba::control<T>(f, n); }
    void teclear(const QString &n, const QString &texto) { prueba::teclear(f, n, texto); }

    void teclearEjemplo() {
        teclearEjemploTuberia(f);
        f->escribir(t::ktotal, "2"); // only the fittings window fills it
    }

    void alEmpezar() override { f = ventanas().mostrar<FormReynolds>(); }

  private slots:

    void opens_in_its_design_state() {
        QVERIFY(control<QRadioButton>(t::Option1)->isChecked());
        QVERIFY(!control<QRadioButton>(t::Option2)->isChecked());
        QVERIFY(control<QRadioButton>(t::Option3)->isChecked());
        QVERIFY(!control<QRadioButton>(t::Option4)->isChecked());
        QCOMPARE(campo(t::Desnivel)->text(), "0");
        for (const QString &n : {t::Qproceso, t::dproceso, t::vdinamica, t::dint, t::Vproceso,
                                 t::Re, t::ffinal, t::L, t::ktotal})
            QVERIFY2(campo(n)->text().isEmpty(), qPrintable(n));
        QVERIFY(etiqueta(t::laminarturbulento)->text().isEmpty());
        QVERIFY(etiqueta(t::Labelffriccion)->text().isEmpty());
        for (const QString &n :
             QStringList{t::Vcinematica, "Label25", "Command17", "Command5", "Command7"})
            QVERIFY2(control(n)->isHidden(), qPrintable(n));
        QVERIFY(!campo(t::ktotal)->isEnabled());
        QVERIFY(campo(t::ktotal)->isReadOnly());
        QCOMPARE(fondo(campo(t::Qproceso)), kBlanco);
        QCOMPARE(fondo(campo(t::Vproceso)), kAzul);
        QCOMPARE(fondo(etiqueta(t::DPbarTotal)), kAzul);
    }

    void typing_the_worked_example_settles_every_result() {
        teclearEjemplo();
        QCOMPARE(campo(t::dproceso)->text(), "998");
        QCOMPARE(campo(t::vdinamica)->text(), "0,001");
        QCOMPARE(campo(t::Vproceso)->text(), "1,2732");
        tic(f); // the pass that takes up what no change action covers
        QTRY_COMPARE(campo(t::Re)->text(), "127.065");
        QTRY_COMPARE(etiqueta(t::PerdidaAccesorios)->text(), ",0161780");
        QCOMPARE(campo(t::ffinal)->text(), ",0197");
        QCOMPARE(etiqueta(t::DP)->text(), ",16");
        QCOMPARE(etiqueta(t::DPbar)->text(), ",00159353");
        QCOMPARE(etiqueta(t::DPtotalm)->text(), "6,62764798");
        QCOMPARE(etiqueta(t::DPbarTotal)->text(), "0,648703017651904");
        QCOMPARE(etiqueta(t::PcargaTuberiaYaccesorios)->text(), ",6648810");
        QCOMPARE(etiqueta(t::laminarturbulento)->text(), "Turbulento");
        QCOMPARE(etiqueta(t::Labelffriccion)->text(),
                 "   Factor de fricción de Colebrook (flujo turbulento)");
    }

    void velocity_follows_at_once() {
        teclear(t::Qproceso, "36");
        teclear(t::dint, "100");
        QCOMPARE(campo(t::Vproceso)->text(), "1,2732");
    }

    // After the worked example a flow typed over: a bad one empties the velocity and says why
    // in red on the help line; an exponent is typed as it is written.
    void a_typed_flow_is_judged_at_once_data() {
        QTest::addColumn<QString>("tecleado");
        QTest::addColumn<QString>("velocidad");
        QTest::addColumn<QString>("ayuda"); // empty: the hint, not red
        QTest::newRow("negative") << "-36"
                                  << ""
                                  << "Caudal: debe ser mayor que cero";
        QTest::newRow("point") << "50.5"
                               << ""
                               << "Caudal: tiene un punto donde se espera la coma decimal";
        QTest::newRow("exponent") << "1e3"
                                  << "35,3678"
                                  << ""; // 1000 / (0,05² · 3600 · π)
    }
    void a_typed_flow_is_judged_at_once() {
        QFETCH(QString, tecleado);
        QFETCH(QString, velocidad);
        QFETCH(QString, ayuda);
        teclearEjemplo();
        campo(t::Qproceso)->selectAll();
        if (tecleado.contains(u'.'))
            campo(t::Qproceso)->insert(tecleado); // pasted: no key filter
        else
            QTest::keyClicks(campo(t::Qproceso), tecleado);
        QCOMPARE(campo(t::Qproceso)->text(), tecleado);
        QCOMPARE(campo(t::Vproceso)->text(), velocidad);
        QLabel *linea = etiqueta("MensajeAyuda");
        const bool rojo = linea->palette().color(QPalette::WindowText) == kColorRojo;
        QCOMPARE(rojo, !ayuda.isEmpty());
        if (rojo)
            QCOMPARE(linea->text(), ayuda);
    }

    void letters_and_enter_change_nothing() {
        teclear(t::Qproceso, "36");
        QTest::keyClick(campo(t::Qproceso), 'a');
        QTest::keyClick(campo(t::Qproceso), ' ');
        QTest::keyClick(campo(t::Qproceso), Qt::Key_Return);
        QCOMPARE(campo(t::Qproceso)->text(), "36");
        teclear(t::Desnivel, "-.5");
        QCOMPARE(campo(t::Desnivel)->text(), "-,5");
    }

    void highlighting_of_re_follows_the_viscosity_option_data() {
        QTest::addColumn<bool>("cinematica");
        QTest::addColumn<QStringList>("rojos");
        QTest::newRow("dynamic") << false
                                 << QStringList{t::Vproceso, t::dint, t::dproceso, t::vdinamica};
        QTest::newRow("kinematic") << true << QStringList{t::Vproceso, t::dint, t::Vcinematica};
    }
    void highlighting_of_re_follows_the_viscosity_option() {
        QFETCH(bool, cinematica);
        QFETCH(QStringList, rojos);
        if (cinematica)
            QTest::mouseClick(control(t::Option4), Qt::LeftButton, {}, QPoint(5, 5));
        moverSobre(control("centralwidget"));
        moverSobre(campo(t::Re));
        for (const QString &n : {t::Qproceso, t::dproceso, t::vdinamica, t::Vcinematica, t::dint,
                                 t::Vproceso, t::Rugosidad, t::L}) {
            const QColor esperado = rojos.contains(n) ? kRojo : n == t::Vproceso ? kAzul : kBlanco;
            QCOMPARE(fondo(campo(n)), esperado);
        }
        // Red stays until the mouse passes over the free surface.
        moverSobre(etiqueta("Label1"));
        QCOMPARE(fondo(campo(t::dint)), kRojo);
        moverSobre(control("centralwidget"));
        QCOMPARE(fondo(campo(t::dint)), kBlanco);
        QCOMPARE(fondo(campo(t::Vproceso)), kAzul);
    }

    void highlighting_of_ffinal_reads_grouped_reynolds_data() {
        QTest::addColumn<QString>("re");
        QTest::addColumn<bool>("todos");
        QTest::newRow("1500") << "1500" << false;
        QTest::newRow("150.000 grouped") << "150.000" << true;
        QTest::newRow("150000") << "150000" << true;
    }
    void highlighting_of_ffinal_reads_grouped_reynolds() {
        QFETCH(QString, re);
        QFETCH(bool, todos);
        // With a viscosity, velocity and diameter the typed value survives the passes.
        f->escribir(t::dint, "100");
        f->escribir(t::Vproceso, "1");
        f->escribir(t::vdinamica, "0,001");
        f->escribir(t::Re, re);
        QCOMPARE(campo(t::Re)->text(), re);
        moverSobre(control("centralwidget"));
        moverSobre(campo(t::ffinal));
        QCOMPARE(fondo(campo(t::Re)), kRojo);
        QCOMPARE(fondo(campo(t::Rugosidad)), todos ? kRojo : kBlanco);
        QCOMPARE(fondo(campo(t::dint)), todos ? kRojo : kBlanco);
    }

    void moving_from_one_computed_field_to_another_keeps_both_marks() {
        moverSobre(campo(t::Vproceso));
        moverSobre(etiqueta(t::PerdidaAccesorios));
        QCOMPARE(fondo(campo(t::Qproceso)), kRojo);
        QCOMPARE(fondo(campo(t::ktotal)), kRojo);
        QCOMPARE(fondo(campo(t::dproceso)), kRojo);
    }

    void help_line_hints_follow_the_language() {
        moverSobre(campo(t::Qproceso));
        QVERIFY(etiqueta("MensajeAyuda")->text().startsWith("Introduzca el caudal."));
        Idioma = kIngles;
        moverSobre(control("centralwidget"));
        QCOMPARE(etiqueta("MensajeAyuda")->text(),
                 "Fields that can be calculated are in BLUE. Move the mouser over them and the "
                 "fields required for the calculation will be displayed in RED");
        moverSobre(campo(t::dproceso));
        QVERIFY(etiqueta("MensajeAyuda")->text().startsWith("Enter the density."));
    }

    void switching_to_gases_empties_and_hides() {
        teclearEjemplo();
        // The mode already selected: nothing is emptied.
        QTest::mouseClick(control(t::Option1), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(campo(t::Qproceso)->text(), "36");
        QTest::mouseClick(control(t::Option2), Qt::LeftButton, {}, QPoint(5, 5));
        for (const QString &n :
             {t::Qproceso, t::dproceso, t::vdinamica, t::Vproceso, t::Re, t::ffinal})
            QVERIFY2(campo(n)->text().isEmpty(), qPrintable(n));
        QVERIFY(etiqueta(t::DP)->text().isEmpty());
        QVERIFY(etiqueta(t::DPbar)->text().isEmpty());
        for (const QString &n :
             QStringList{t::L, "Label15", t::DPbarTotal, "Label14", "Command15",
                         t::PcargaTuberiaYaccesorios, "Label21", "Command8", t::Desnivel, "Label22",
                         "Label23", "Label24", t::DPtotalm, "Label27", "Command4"})
            QVERIFY2(control(n)->isHidden(), qPrintable(n));
        QVERIFY(!control("Command7")->isHidden());
        QVERIFY(!control("Command5")->isHidden());
        // Hidden fields keep their texts.
        QCOMPARE(campo(t::L)->text(), "100");
        // The window follows its content: no blank space where the hidden rows were.
        QTRY_COMPARE(f->height(), f->sizeHint().height());
        QTest::mouseClick(control(t::Option1), Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(!control(t::L)->isHidden());
        QVERIFY(control("Command7")->isHidden());
    }

    void density_is_rewritten_with_two_decimals_on_leaving() {
        teclear(t::dproceso, "998.2");
        perderFoco(campo(t::dproceso));
        QCOMPARE(campo(t::dproceso)->text(), "998,20");
        teclear(t::dproceso, "-");
        perderFoco(campo(t::dproceso));
        QCOMPARE(campo(t::dproceso)->text(), "-");
    }

    void leaving_re_empties_the_friction_note() {
        // No density: the typed Reynolds number is not recomputed.
        f->escribir(t::dint, "100");
        f->escribir(t::Vproceso, "1");
        f->escribir(t::vdinamica, "0,001");
        teclear(t::Re, "1000");
        QCOMPARE(etiqueta(t::Labelffriccion)->text(), "Factor de fricción flujo laminar");
        campo(t::Re)->selectAll();            // typed over, so the field is never empty on the way
        QTest::keyClicks(campo(t::Re), "-5"); // no Reynolds number: no factor, no note
        QCOMPARE(etiqueta(t::Labelffriccion)->text(), QString());
        perderFoco(campo(t::Re));
        QCOMPARE(etiqueta(t::Labelffriccion)->text(), QString());
        // Where a branch applies, the pass that follows writes the note again.
        teclear(t::Re, "1000");
        perderFoco(campo(t::Re));
        QCOMPARE(etiqueta(t::Labelffriccion)->text(), "Factor de fricción flujo laminar");
    }

    void a_new_diameter_empties_ktotal_and_the_fittings_results() {
        teclearEjemplo();
        tic(f);
        QTRY_COMPARE(etiqueta(t::PerdidaAccesorios)->text(), ",0161780");
        teclear(t::dint, "80");
        QCOMPARE(campo(t::ktotal)->text(), QString());
        tic(f);
        QTRY_COMPARE(etiqueta(t::PerdidaAccesorios)->text(), QString());
        QCOMPARE(etiqueta(t::PcargaTuberiaYaccesorios)->text(), QString());
    }

    void clearing_empties_everything_but_elevation_and_options() {
        teclearEjemplo();
        tic(f);
        QTRY_COMPARE(etiqueta(t::PerdidaAccesorios)->text(), ",0161780");
        QTest::mouseClick(control("Command18"), Qt::LeftButton);
        for (const QString &n : {t::Qproceso, t::dproceso, t::vdinamica, t::Vcinematica, t::dint,
                                 t::Vproceso, t::Re, t::Rugosidad, t::ffinal, t::L, t::ktotal})
            QVERIFY2(campo(n)->text().isEmpty(), qPrintable(n));
        for (const QString &n :
             {t::DP, t::DPbar, t::DPbarTotal, t::PerdidaAccesorios, t::PcargaTuberiaYaccesorios,
              t::DPtotalm, t::laminarturbulento, t::Labelffriccion})
            QVERIFY2(etiqueta(n)->text().isEmpty(), qPrintable(n));
        QCOMPARE(campo(t::Desnivel)->text(), "5");
        QVERIFY(control<QRadioButton>(t::Option3)->isChecked());

        teclearEjemplo();
        control<QAction>("Borrar_Pantalla")->trigger();
        QVERIFY(campo(t::Qproceso)->text().isEmpty());
    }

    void double_click_on_dpbar_without_data_warns() {
        QTest::mouseDClick(etiqueta(t::DPbar), Qt::LeftButton);
        QCOMPARE(mensajes.cajas.size(), 1);
        QCOMPARE(mensajes.cajas[0].texto,
                 "Para poder calcular automáticamente, todos los campos en "
                 "rojo deben de cumplimentarse previamente");
        QCOMPARE(mensajes.cajas[0].titulo, "Faltan datos");
        QCOMPARE(mensajes.cajas[0].icono, Mensajes::Icono::Exclamacion);
        Idioma = kIngles;
        QTest::mouseDClick(etiqueta(t::DPbar), Qt::LeftButton);
        QCOMPARE(mensajes.cajas.last().texto,
                 "For automatic computing, all field in red must be completed");
        QCOMPARE(mensajes.cajas.last().titulo, "Faltan datos");
    }

    void double_click_totals_stay_until_an_input_changes() {
        teclearEjemplo();
        tic(f);
        QTRY_COMPARE(etiqueta(t::PerdidaAccesorios)->text(), ",0161780");
        QTest::mouseDClick(etiqueta(t::DPbar), Qt::LeftButton);
        QVERIFY(mensajes.cajas.isEmpty());
        QCOMPARE(etiqueta(t::DP)->text(), "15935,292210672");
        QCOMPARE(etiqueta(t::DPbar)->text(), "0,15935292210672");
        tic(f, 3);
        QCOMPARE(etiqueta(t::DP)->text(), "15935,292210672");
        QCOMPARE(etiqueta(t::DPbar)->text(), "0,15935292210672");
        teclear(t::L, "100"); // retyping writes the same text again
        QCOMPARE(etiqueta(t::DP)->text(), ",16");
        QCOMPARE(etiqueta(t::DPbar)->text(), ",00159353");
    }

    void the_timer_picks_up_an_elevation_change() {
        teclearEjemplo();
        tic(f);
        QTRY_COMPARE(etiqueta(t::DPtotalm)->text(), "6,62764798");
        // Settled: the timer sleeps until an input changes.
        auto *timer = control<QTimer>("Timer1");
        QCOMPARE(timer->interval(), 200);
        tic(f);
        QTRY_VERIFY(!timer->isActive());
        campo(t::Desnivel)->setText("10"); // no change action of its own
        tic(f);
        QTRY_COMPARE(etiqueta(t::DPtotalm)->text(), "11,62764798");
    }

    void command3_without_a_diameter_asks_for_it_data() {
        QTest::addColumn<QString>("idioma");
        QTest::addColumn<QString>("texto");
        QTest::newRow("es") << kEspanol << "Seleccione primero el diámetro";
        QTest::newRow("en") << kIngles << "Enter diameter first";
    }
    void command3_without_a_diameter_asks_for_it() {
        QFETCH(QString, idioma);
        QFETCH(QString, texto);
        Idioma = idioma;
        QTest::mouseClick(control("Command3"), Qt::LeftButton);
        QCOMPARE(mensajes.cajas.size(), 1);
        QCOMPARE(mensajes.cajas[0].texto, texto);
        QCOMPARE(mensajes.cajas[0].titulo, "Vorlo");
    }

    void flags_switch_every_caption_and_tooltip() {
        QTest::mouseClick(control("Picture1"), Qt::LeftButton);
        QCOMPARE(Idioma, kIngles);
        QCOMPARE(f->windowTitle(), "REYNOLDS NUMBER, VELOCITY, FRICTION FACTOR AND PRESSURE DROP");
        QCOMPARE(etiqueta("Label20")->text(), "Pressure drop per meter of straigth pipe length");
        QCOMPARE(control<QPushButton>("Command3")->text(), "Fittings");
        QCOMPARE(control<QMenu>("Edición")->title(), "&Edition");
        QCOMPARE(control<QAction>("Borrar_Pantalla")->text(), "Delete");
        for (const char *n : {"Command10", "Command11", "Command17", "Command13", "Command8",
                              "Command14", "Command15"})
            QCOMPARE(control(n)->toolTip(), "Press for other units");
        QCOMPARE(control("Command12")->toolTip(), "Pulsar para otras unidades");
        QTest::mouseClick(control("Spain"), Qt::LeftButton);
        QCOMPARE(Idioma, kEspanol);
        QCOMPARE(f->windowTitle(),
                 "CÁLCULO DEL NÚMERO DE REYNOLDS, VELOCIDAD, F.FRICCIÓN Y PÉRDIDA DE CARGA ");
        QCOMPARE(control<QRadioButton>(t::Option3)->text(), "V.Dinámica (µ)");
        QCOMPARE(campo(t::ktotal)->toolTip(),
                 "Pulsar botón \"Seleccionar Accesorios\" para calcular Ktotal");
    }

    // A flag click puts the notes and the help line into the new language at once, from what
    // the window shows: nothing else changes (totals a double click on DPbar wrote included),
    // and the next pass writes the same notes.
    void flags_rewrite_the_notes_at_once_data() {
        QTest::addColumn<QString>("idioma"); // before the click
        QTest::addColumn<bool>("exacto");
        QTest::addColumn<QString>("caudal");
        QTest::addColumn<bool>("totales");
        // clang-format off
        QTest::newRow("turbulent, es to en")                << kEspanol << false << "36" << false;
        QTest::newRow("turbulent, totals, es to en")        << kEspanol << false << "36" << true;
        QTest::newRow("transition, en to es")               << kIngles << false << "0.85" << false;
        QTest::newRow("laminar, es to en")                  << kEspanol << false << "0.2" << false;
        QTest::newRow("exact, turbulent, totals, en to es") << kIngles << true << "36" << true;
        QTest::newRow("exact, transition, es to en")        << kEspanol << true << "0.85" << false;
        // clang-format on
    }
    void flags_rewrite_the_notes_at_once() {
        QFETCH(QString, idioma);
        QFETCH(bool, exacto);
        QFETCH(QString, caudal);
        QFETCH(bool, totales);
        ventanas().cerrarTodas();
        Idioma = idioma;
        f = ventanas().mostrar<FormReynolds>();
        if (exacto)
            pulsar(f, t::CheckExacto);
        teclearEjemplo();
        teclear(t::Qproceso, caudal);
        tic(f);
        moverSobre(control("centralwidget"));
        if (totales)
            QTest::mouseDClick(etiqueta(t::DPbar), Qt::LeftButton);
        const QStringList notas = {t::laminarturbulento, t::Labelffriccion, t::Labelfexacta};
        const auto leer = [&] {
            QStringList l;
            for (const QString &n : notas)
                l << etiqueta(n)->text()
                  << etiqueta(n)->palette().color(QPalette::WindowText).name();
            return l;
        };
        QStringList campos = camposTuberia();
        campos << t::fexacta;
        for (const QString &n : notas)
            campos.removeAll(n);
        const QStringList antes = estadoCampos(*f, campos);
        const QStringList notasAntes = leer();
        const bool aIngles = idioma == kEspanol;
        pulsar(f, aIngles ? "Picture1" : "Spain");
        const QStringList notasDespues = leer();
        QCOMPARE(estadoCampos(*f, campos), antes);
        QVERIFY(notasDespues[0] != notasAntes[0]);
        QVERIFY(etiqueta("MensajeAyuda")
                    ->text()
                    .startsWith(
                        totales ? (aIngles ? "DP and DPbar now show" : "DP y DPbar muestran ahora")
                                : (aIngles ? "Fields that can be calculated"
                                           : "Los campos que podemos")));
        teclear(t::L, "100"); // retyped: a pass in the new language
        tic(f);
        QCOMPARE(leer(), notasDespues);
    }

    void an_open_window_keeps_its_captions_but_new_notes_follow_the_language() {
        ventanas().cerrarTodas();
        Idioma.clear();
        auto *inicio = ventanas().mostrar<Form1>();
        QTest::mouseClick(prueba::control(inicio, "Label3"), Qt::LeftButton);
        f = ventanas().existente<FormReynolds>();
        QVERIFY(f);
        QCOMPARE(etiqueta("Label1")->text(), "Flow Rate");
        pulsar(inicio, "Spain");
        QCOMPARE(etiqueta("Label1")->text(), "Flow Rate");
        teclearEjemplo();
        tic(f);
        QTRY_COMPARE(etiqueta(t::laminarturbulento)->text(), "Turbulento");
    }

    // Closing throws nothing away: the window comes back with the inputs and options it had.
    void a_closed_window_comes_back_with_its_inputs() {
        teclearEjemplo();
        QTest::mouseClick(control(t::Option4), Qt::LeftButton, {}, QPoint(5, 5));
        f->close();
        QTRY_VERIFY(!ventanas().existente<FormReynolds>());
        f = ventanas().mostrar<FormReynolds>();
        QCOMPARE(campo(t::Qproceso)->text(), "36");
        QCOMPARE(campo(t::Desnivel)->text(), "5");
        QVERIFY(control<QRadioButton>(t::Option4)->isChecked());
        QVERIFY(control<QRadioButton>(t::Option1)->isChecked());
    }

    void kinematic_viscosity_gives_the_reynolds_number() {
        QTest::mouseClick(control(t::Option4), Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(!campo(t::Vcinematica)->isHidden());
        QVERIFY(campo(t::vdinamica)->isHidden());
        teclear(t::Qproceso, "36");
        teclear(t::dint, "100");
        teclear(t::Vcinematica, "0.000001");
        QCOMPARE(campo(t::Re)->text(), "127.320");
    }
};

VORLO_PRUEBA(TestFormReynolds, Ventanas)
#include "tst_form_reynolds.moc"
