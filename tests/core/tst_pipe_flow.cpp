#include "fields/language.h"
#include "pipeflow/colebrook.h"
#include "pipeflow/pipe_checks.h"
#include "pipeflow/pipe_flow.h"
#include "pipeflow/pipe_notes.h"

#include <QTest>

#include "../support/runner.h"

#include "../support/core_fixture.h"

using namespace vorlo;
namespace t = vorlo::tuberia;

namespace {

CamposMapa ejemplo() {
    return prueba::ejemploTuberiaTextos();
}

std::optional<int> asentar(CamposMapa &c, const QString &idioma = kEspanol) {
    return settle(c, [&](CamposTexto &x) { CalcularTuberia(x, idioma); });
}

} // namespace

class TestPipeFlow : public QObject {
    Q_OBJECT
  private slots:
    // Where Re gives no note, a note the pass left stands, put into the other language; an
    // empty one stays empty.
    void notes_left_by_the_pass_change_language_as_they_stand_data() {
        QTest::addColumn<QString>("re");
        QTest::addColumn<QString>("idioma");
        QTest::addColumn<QStringList>("antes"); // regime, friction note
        QTest::addColumn<QStringList>("despues");
        // clang-format off
        QTest::newRow("Re -5, to en") << "-5" << kIngles
            << QStringList{"Turbulento", "   Factor de fricción de Colebrook (flujo turbulento)"}
            << QStringList{"Turbulent Flow", "   Colebrook Friction Factor (turbulent flow)"};
        QTest::newRow("Re not a number, to es") << "1-2" << kEspanol
            << QStringList{"Critical Zone", "Friction factor. Laminar Flow"}
            << QStringList{"Zona Crítica", "Factor de fricción flujo laminar"};
        QTest::newRow("no friction note, to en") << "0" << kIngles
            << QStringList{"Flujo Laminar", ""} << QStringList{"Laminar Flow", ""};
        // clang-format on
    }
    void notes_left_by_the_pass_change_language_as_they_stand() {
        QFETCH(QString, re);
        QFETCH(QString, idioma);
        QFETCH(QStringList, antes);
        QFETCH(QStringList, despues);
        CamposMapa c({{t::Re, re},
                      {t::laminarturbulento, antes[0]},
                      {t::Labelffriccion, antes[1]},
                      {t::dint, "100"},
                      {t::Rugosidad, "0,05"}});
        notasEnLengua(c, idioma);
        QCOMPARE((QStringList{c.texto(t::laminarturbulento), c.texto(t::Labelffriccion)}), despues);
        QCOMPARE(c.texto(t::Re), re);
    }

    void worked_example_settles_to_the_published_results() {
        CamposMapa c = ejemplo();
        QVERIFY(asentar(c).has_value());
        QCOMPARE(c.texto(t::Vproceso), "1,2732");
        QCOMPARE(c.texto(t::Re), "127.065");
        QCOMPARE(c.texto(t::ffinal), ",0197");
        QCOMPARE(c.texto(t::DP), ",16");
        QCOMPARE(c.texto(t::DPbar), ",00159353");
        QCOMPARE(c.texto(t::DPtotalm), "6,62764798");
        QCOMPARE(c.texto(t::DPbarTotal), "0,648703017651904");
        QCOMPARE(c.texto(t::PerdidaAccesorios), ",0161780");
        QCOMPARE(c.texto(t::PcargaTuberiaYaccesorios), ",6648810");
        QCOMPARE(c.texto(t::laminarturbulento), "Turbulento");
        QCOMPARE(c.texto(t::Labelffriccion),
                 "   Factor de fricción de Colebrook (flujo turbulento)");
        QCOMPARE(c.color(t::Labelffriccion), ColorNota::Normal);

        QVERIFY(!PerdidaTramoTotal(c, kEspanol).has_value());
        QCOMPARE(c.texto(t::DP), "15935,292210672");
        QCOMPARE(c.texto(t::DPbar), "0,15935292210672");
    }

    void one_input_change_settles_on_the_second_pass() {
        CamposMapa c = ejemplo();
        QVERIFY(asentar(c));
        c.escribir(t::Qproceso, "40");
        const auto n = asentar(c);
        QVERIFY(n.has_value());
        QVERIFY(*n <= 3);
        QCOMPARE(c.texto(t::Vproceso), "1,4147");
    }

    void velocity_below_one_has_no_leading_zero() {
        CamposMapa c({{t::Qproceso, "23,28"}, {t::dint, "100"}});
        QVERIFY(asentar(c));
        QCOMPARE(c.texto(t::Vproceso), ",8234");
    }

    // The velocity uses π cut to 3.141592; with the full value these would show 2,9391 and
    // 2,6683.
    void velocity_uses_pi_cut_after_six_decimals_data() {
        QTest::addColumn<QString>("caudal");
        QTest::addColumn<QString>("diametro");
        QTest::addColumn<QString>("velocidad");
        QTest::newRow("3 m3/h in 19 mm") << "3"
                                         << "19"
                                         << "2,9392";
        QTest::newRow("22 m3/h in 54 mm") << "22"
                                          << "54"
                                          << "2,6684";
    }
    void velocity_uses_pi_cut_after_six_decimals() {
        QFETCH(QString, caudal);
        QFETCH(QString, diametro);
        QFETCH(QString, velocidad);
        CamposMapa c({{t::Qproceso, caudal}, {t::dint, diametro}});
        CalcularTuberia(c, kEspanol);
        QCOMPARE(c.texto(t::Vproceso), velocidad);
    }

    void regime_and_friction_boundaries_data() {
        QTest::addColumn<QString>("re");
        QTest::addColumn<QString>("regimen");
        QTest::addColumn<QString>("ffinal");
        QTest::addColumn<QString>("nota");
        QTest::addColumn<bool>("rojo");
        const QString transicion =
            "Zona de Transición. Factor de Fricción indeterminado. Se considerará flujo "
            "turbulento (caso más desfavorable)";
        QTest::newRow("laminar 1000") << "1000"
                                      << "Flujo Laminar"
                                      << ",0640"
                                      << "Factor de fricción flujo laminar" << false;
        QTest::newRow("2000 laminar regime, transition factor") << "2.000"
                                                                << "Flujo Laminar"
                                                                << ",0498" << transicion << true;
        QTest::newRow("3000 critical") << "3.000"
                                       << "Zona Crítica"
                                       << ",0440" << transicion << true;
        QTest::newRow("4000 turbulent regime, transition factor") << "4.000"
                                                                  << "Turbulento"
                                                                  << ",0404" << transicion << true;
        QTest::newRow("4001 turbulent")
            << "4.001"
            << "Turbulento"
            << ",0404"
            << "   Factor de fricción de Colebrook (flujo turbulento)" << false;
    }
    void regime_and_friction_boundaries() {
        QFETCH(QString, re);
        QFETCH(QString, regimen);
        QFETCH(QString, ffinal);
        QFETCH(QString, nota);
        QFETCH(bool, rojo);
        // Expected factors: the grid point nearest the root found by an independent bisection
        // (0.049833, 0.043967, 0.040412, 0.040409).
        CamposMapa c = prueba::reTecleado(re);
        QVERIFY(asentar(c));
        QCOMPARE(c.texto(t::Re), re);
        QCOMPARE(c.texto(t::laminarturbulento), regimen);
        QCOMPARE(c.texto(t::ffinal), ffinal);
        QCOMPARE(c.texto(t::Labelffriccion), nota);
        QCOMPARE(c.color(t::Labelffriccion), rojo ? ColorNota::Rojo : ColorNota::Normal);
    }

    // A friction factor and a regime beside Re 0 would describe a flow that is not there.
    void reynolds_zero_empties_friction_and_regime() {
        CamposMapa c({{t::Re, "0"},
                      {t::dint, "100"},
                      {t::Rugosidad, "0,05"},
                      {t::Vproceso, "1"},
                      {t::vdinamica, "0,001"},
                      {t::ffinal, ",0300"},
                      {t::laminarturbulento, "Turbulento"}});
        QVERIFY(asentar(c, kIngles));
        QCOMPARE(c.texto(t::ffinal), QString());
        QCOMPARE(c.texto(t::laminarturbulento), QString());
        QCOMPARE(t::avisoEntradas(c)->texto.ingles, "Reynolds: must be greater than zero");
    }

    void notes_follow_the_language() {
        CamposMapa c = ejemplo();
        QVERIFY(asentar(c, kIngles));
        QCOMPARE(c.texto(t::laminarturbulento), "Turbulent Flow");
        QCOMPARE(c.texto(t::Labelffriccion), "   Colebrook Friction Factor (turbulent flow)");
        CamposMapa d = ejemplo();
        // Any other setting reads as English, the language the program starts in.
        QVERIFY(asentar(d, QStringLiteral("KLINGON")));
        QCOMPARE(d.texto(t::laminarturbulento), "Turbulent Flow");
        QCOMPARE(d.texto(t::ffinal), ",0197");
    }

    void colebrook_grid_data() {
        QTest::addColumn<double>("rug");
        QTest::addColumn<double>("dint");
        QTest::addColumn<double>("re");
        QTest::addColumn<double>("f");
        QTest::newRow("nearest grid point") << 0.05 << 100.0 << 100000.0 << 0.02033;
        QTest::newRow("worked example") << 0.05 << 100.0 << 127065.0 << 0.01973;
        QTest::newRow("smooth, high Re: lower end") << 0.0 << 100.0 << 1e9 << 0.01;
    }
    void colebrook_grid() {
        QFETCH(double, rug);
        QFETCH(double, dint);
        QFETCH(double, re);
        QFETCH(double, f);
        const auto r = Colebrook(rug, dint, re);
        QVERIFY(r.has_value());
        QVERIFY2(std::fabs(*r - f) < 1e-9, qPrintable(QString::number(*r, 'g', 17)));
    }

    void colebrook_very_rough_pipe_returns_the_last_grid_point() {
        const auto r = Colebrook(50, 100, 2000);
        QVERIFY(r.has_value());
        QVERIFY(std::fabs(*r - 0.1) < 1e-6);
        QVERIFY(*r <= 0.1 + 1e-12);
    }

    void colebrook_has_no_answer_without_a_valid_logarithm_data() {
        QTest::addColumn<double>("rug");
        QTest::addColumn<double>("dint");
        QTest::addColumn<double>("re");
        QTest::newRow("zero diameter") << 0.05 << 0.0 << 1e5;
        QTest::newRow("negative roughness") << -50.0 << 100.0 << 1e5;
        QTest::newRow("negative diameter") << 0.05 << -100.0 << 1e5;
        QTest::newRow("zero Re") << 0.05 << 100.0 << 0.0;
    }
    void colebrook_has_no_answer_without_a_valid_logarithm() {
        QFETCH(double, rug);
        QFETCH(double, dint);
        QFETCH(double, re);
        QVERIFY(!Colebrook(rug, dint, re).has_value());
    }

    void clearing_rules() {
        CamposMapa c = ejemplo();
        QVERIFY(asentar(c));
        c.escribir(t::dint, QString());
        QVERIFY(asentar(c));
        for (const QString &campo :
             {t::Vproceso, t::Re, t::ffinal, t::DP, t::DPbar, t::DPtotalm, t::DPbarTotal,
              t::PerdidaAccesorios, t::PcargaTuberiaYaccesorios, t::laminarturbulento,
              t::Labelffriccion})
            QVERIFY2(c.texto(campo).isEmpty(), qPrintable(campo));
    }

    void zero_diameter_is_emptied() {
        for (const char *cero : {"0", "0,0", "-0"}) {
            CamposMapa c = ejemplo();
            c.escribir(t::dint, QString::fromLatin1(cero));
            QVERIFY(asentar(c));
            QCOMPARE(c.texto(t::dint), QString());
            QCOMPARE(c.texto(t::Vproceso), QString());
        }
    }

    void empty_elevation_counts_as_zero_for_head_but_empties_the_total() {
        CamposMapa c = ejemplo();
        c.escribir(t::Desnivel, QString());
        QVERIFY(asentar(c));
        QCOMPARE(c.texto(t::DPtotalm), "1,62764798");
        QCOMPARE(c.texto(t::DPbarTotal), QString());
        QCOMPARE(c.texto(t::PcargaTuberiaYaccesorios), QString());
    }

    // A text the pass cannot take empties every result built on it, and the help line says
    // which input and why; a negative elevation is valid. Settled from the worked example.
    void bad_inputs_empty_their_results_data() {
        QTest::addColumn<bool>("exacto");
        QTest::addColumn<QString>("campo");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QStringList>("vacios");
        QTest::addColumn<QString>("aviso"); // English; empty for none
        const QStringList desdeV{t::Vproceso, t::Re,       t::ffinal,     t::DP,
                                 t::DPbar,    t::DPtotalm, t::DPbarTotal, t::PerdidaAccesorios};
        const QStringList desdeRe{t::Re,
                                  t::ffinal,
                                  t::DP,
                                  t::DPbar,
                                  t::DPbarTotal,
                                  t::PerdidaAccesorios,
                                  t::PcargaTuberiaYaccesorios};
        const QStringList desdeF{t::ffinal, t::Labelffriccion, t::DP, t::DPbar, t::DPtotalm};
        const QStringList totales{t::DPtotalm, t::DPbarTotal, t::PcargaTuberiaYaccesorios};
        // clang-format off
        QTest::newRow("flow negative") << false << t::Qproceso << "-36" << desdeV
            << "Flow Rate: must be greater than zero";
        QTest::newRow("flow zero, exact") << true << t::Qproceso << "0" << desdeV
            << "Flow Rate: must be greater than zero";
        QTest::newRow("flow with its unit") << false << t::Qproceso << "36 m3/h" << desdeV
            << "Flow Rate: holds a unit or letters";
        QTest::newRow("flow emptied, exact") << true << t::Qproceso << "" << desdeV << "";
        QTest::newRow("flow not a number") << false << t::Qproceso << "1-2" << desdeV
            << "Flow Rate: is not a number";
        QTest::newRow("density negative") << false << t::dproceso << "-998" << desdeRe
            << "Density: must be greater than zero";
        QTest::newRow("viscosity zero, exact") << true << t::vdinamica << "0"
            << QStringList{t::Re, t::ffinal, t::DP, t::DPbar, t::DPbarTotal,
                           t::PcargaTuberiaYaccesorios}
            << "Dynamic v.(µ): must be greater than zero";
        QTest::newRow("roughness negative") << false << t::Rugosidad << "-0,05" << desdeF
            << "Roughness: cannot be negative";
        QTest::newRow("no Colebrook root, exact") << true << t::Rugosidad << "400" << desdeF
            << "Colebrook equation has no root";
        QTest::newRow("no Colebrook root") << false << t::Rugosidad << "400" << desdeF
            << "Colebrook equation has no root";
        QTest::newRow("length negative") << false << t::L << "-100" << totales
            << "Length: must be greater than zero";
        QTest::newRow("K negative") << false << t::ktotal << "-2"
            << QStringList{t::PerdidaAccesorios, t::PcargaTuberiaYaccesorios}
            << "K total: cannot be negative";
        QTest::newRow("elevation not a number") << false << t::Desnivel << "5m"
            << QStringList{t::DPtotalm, t::DPbarTotal} << "Change of elevation: holds a unit";
        QTest::newRow("elevation negative is valid") << false << t::Desnivel << "-5"
            << QStringList{} << "";
        // clang-format on
    }
    void bad_inputs_empty_their_results() {
        QFETCH(bool, exacto);
        QFETCH(QString, campo);
        QFETCH(QString, texto);
        QFETCH(QStringList, vacios);
        QFETCH(QString, aviso);
        CamposMapa c = ejemplo();
        ValoresExactos valores;
        const auto pasada = [&](CamposTexto &x) {
            if (exacto)
                CalcularTuberiaExacta(x, kIngles, valores);
            else
                CalcularTuberia(x, kIngles);
        };
        QVERIFY(settle(c, pasada));
        c.escribir(campo, texto);
        QVERIFY(settle(c, pasada));
        for (const QString &v : vacios)
            QVERIFY2(c.texto(v).isEmpty(), qPrintable(v + " = " + c.texto(v)));
        const auto nota = t::avisoEntradas(c);
        QCOMPARE(nota.has_value(), !aviso.isEmpty());
        if (nota)
            QVERIFY2(nota->texto.ingles.contains(aviso), qPrintable(nota->texto.ingles));
        if (texto == QLatin1String("-5"))
            QCOMPARE(c.texto(t::DPbarTotal), "-0,329997017651904"); // 0,159353 - 998·5/10197,2
    }

    // The reasons in Spanish, with the caption the note prints.
    void input_warnings_in_spanish() {
        CamposMapa c = ejemplo();
        c.escribir(t::Qproceso, QStringLiteral("50.5"));
        c.escribir(t::Rugosidad, QStringLiteral("30"));
        QVERIFY(asentar(c));
        const auto nota = t::avisoEntradas(c);
        QVERIFY(nota.has_value());
        QCOMPARE(nota->color, ColorNota::Rojo);
        QCOMPARE(nota->texto.espanol,
                 "Caudal: tiene un punto donde se espera la coma decimal. Rugosidad relativa "
                 "ε/D 0,30, por encima de 0,05: el factor de Colebrook está extrapolado fuera "
                 "del diagrama de Moody");
    }

    // A velocity, Re or f the user typed is the user's: it stays without a flow.
    void typed_velocity_survives_without_flow() {
        CamposMapa c({{t::dint, "100"}, {t::Vproceso, "2"}});
        QVERIFY(asentar(c));
        QCOMPARE(c.texto(t::Vproceso), "2");
    }

    void overflowing_results_are_not_written() {
        CamposMapa c = ejemplo();
        c.escribir(t::Qproceso, QStringLiteral("1E300"));
        c.escribir(t::dint, QStringLiteral("1E-300"));
        QVERIFY(asentar(c));
        for (const QString &v : c.textos())
            QVERIFY2(!v.contains(QLatin1String("nan"), Qt::CaseInsensitive) &&
                         !v.contains(QLatin1String("inf"), Qt::CaseInsensitive),
                     qPrintable(v));
    }

    void total_over_length_needs_its_five_inputs() {
        CamposMapa c = ejemplo();
        QVERIFY(asentar(c));
        c.escribir(t::L, QString());
        const auto m = PerdidaTramoTotal(c, kIngles);
        QVERIFY(m.has_value());
        QCOMPARE(m->texto, "For automatic computing, all field in red must be completed");
        QCOMPARE(m->titulo, "Faltan datos");
        QCOMPARE(c.texto(t::DP), ",16");
        const auto es = PerdidaTramoTotal(c, kEspanol);
        QCOMPARE(es->texto, "Para poder calcular automáticamente, todos los campos en rojo deben "
                            "de cumplimentarse previamente");
    }
};

VORLO_PRUEBA(TestPipeFlow, SinAplicacion)
#include "tst_pipe_flow.moc"
