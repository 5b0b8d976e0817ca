#include "gas/gas_checks.h"
#include "gas/gas_state.h"

#include <QTest>

#include "../support/runner.h"

using namespace vorlo;
namespace g = vorlo::gas;

namespace {

// The window's texts on opening.
CamposMapa inicial() {
    CamposMapa c;
    for (const QString &n : g::campos())
        c.escribir(n, g::textoInicial(n));
    return c;
}

// The worked example's conditions: 1,293 kg/m3 at 1,01325 bar a and 0 ºC, process at 5 bar a
// and 20 ºC, flow referred to 1,01325 bar a and 0 ºC.
CamposMapa ejemplo() {
    CamposMapa c = inicial();
    c.escribir(g::dref, "1,293");
    c.escribir(g::tref, "0");
    c.escribir(g::Pproceso, "5");
    c.escribir(g::tproceso, "20");
    c.escribir(g::T_paraQ, "0");
    return c;
}

CamposMapa ejemploModo1() {
    CamposMapa c = ejemplo();
    c.escribir(g::Qnormales, "100");
    return c;
}

CamposMapa ejemploModo2() {
    CamposMapa c = ejemplo();
    c.escribir(g::Qproceso, "21,75");
    return c;
}

std::optional<int> asentar(CamposMapa &c, int modo) {
    return settle(c, [modo](CamposTexto &x) { Calcular(x, modo); });
}

// Runs one pass and tells whether it changed any text.
bool cambia(CamposMapa &c, int modo) {
    const int antes = c.cambios();
    Calcular(c, modo);
    return c.cambios() != antes;
}

} // namespace

class TestGas : public QObject {
    Q_OBJECT
  private slots:
    void initial_texts_write_nothing_data() {
        QTest::addColumn<int>("modo");
        QTest::newRow("mode 1") << 1;
        QTest::newRow("mode 2") << 2;
    }
    void initial_texts_write_nothing() {
        QFETCH(int, modo);
        CamposMapa c = inicial();
        QCOMPARE(c.texto(g::Pref), "1,01325");
        QCOMPARE(c.texto(g::Z_paraQ), "1");
        QVERIFY(c.texto(g::Pproceso).isEmpty());
        QVERIFY(!cambia(c, modo));
    }

    void mode1_example_gives_published_results() {
        CamposMapa c = ejemploModo1();
        QCOMPARE(asentar(c, 1), 2);
        QCOMPARE(c.texto(g::dproceso), "5,945");
        QCOMPARE(c.texto(g::Qproceso), "21,75");
        // 21,75 x 5,945 as shown, not the unrounded 129,300.
        QCOMPARE(c.texto(g::Qprocesomasico), "129,304");
        QCOMPARE(c.texto(g::Qnormales), "100");
    }

    void mode1_single_pass_already_settles() {
        CamposMapa c = ejemploModo1();
        // A stale flow from earlier inputs must not survive into the mass flow.
        c.escribir(g::Qproceso, "50");
        c.escribir(g::Qprocesomasico, "1");
        Calcular(c, 1);
        QCOMPARE(c.texto(g::Qproceso), "21,75");
        QCOMPARE(c.texto(g::Qprocesomasico), "129,304");
        QVERIFY(!cambia(c, 1));
    }

    void mode2_example_gives_published_results() {
        CamposMapa c = ejemploModo2();
        QCOMPARE(asentar(c, 2), 2);
        QCOMPARE(c.texto(g::dproceso), "5,945");
        QCOMPARE(c.texto(g::Qnormales), "100,006");
        QCOMPARE(c.texto(g::Qprocesomasico), "129,304");
        QCOMPARE(c.texto(g::Qproceso), "21,75");
    }

    void mode2_mass_flow_uses_the_entered_flow() {
        CamposMapa c = ejemplo();
        c.escribir(g::Qproceso, "21,7488");
        QVERIFY(asentar(c, 2));
        QCOMPARE(c.texto(g::Qproceso), "21,7488");
        QCOMPARE(c.texto(g::Qprocesomasico), "129,297");
    }

    void process_temperature_bound_is_minus_273_data() {
        QTest::addColumn<QString>("tproceso");
        QTest::addColumn<QString>("dproceso");
        QTest::newRow("-273") << "-273"
                              << "";
        QTest::newRow("-273,1") << "-273,1"
                                << "";
        QTest::newRow("-272,9") << "-272,9"
                                << "6.971,289";
        QTest::newRow("20") << "20"
                            << "5,945";
    }
    void process_temperature_bound_is_minus_273() {
        QFETCH(QString, tproceso);
        QFETCH(QString, dproceso);
        CamposMapa c = ejemplo();
        c.escribir(g::tproceso, tproceso);
        Calcular(c, 1);
        QCOMPARE(c.texto(g::dproceso), dproceso);
    }

    void zero_compressibility_or_pressure_gives_no_result_data() {
        QTest::addColumn<int>("modo");
        QTest::addColumn<QString>("campo");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("dproceso");
        QTest::addColumn<QString>("caudal"); // Qproceso (mode 1) or Qnormales (mode 2)
        QTest::newRow("mode 1, Zproceso 0") << 1 << g::Zproceso << "0"
                                            << ""
                                            << "";
        QTest::newRow("mode 1, Z_paraQ 0") << 1 << g::Z_paraQ << "0"
                                           << "5,945"
                                           << "";
        QTest::newRow("mode 1, Z_paraQ -1") << 1 << g::Z_paraQ << "-1"
                                            << "5,945"
                                            << "";
        QTest::newRow("mode 1, Pproceso 0") << 1 << g::Pproceso << "0"
                                            << ""
                                            << "";
        QTest::newRow("mode 1, Pproceso -0") << 1 << g::Pproceso << "-0"
                                             << ""
                                             << "";
        QTest::newRow("mode 2, Zproceso 0") << 2 << g::Zproceso << "0"
                                            << ""
                                            << "";
        QTest::newRow("mode 2, P_paraQ 0") << 2 << g::P_paraQ << "0"
                                           << "5,945"
                                           << "";
        QTest::newRow("mode 2, P_paraQ 0,000") << 2 << g::P_paraQ << "0,000"
                                               << "5,945"
                                               << "";
    }
    void zero_compressibility_or_pressure_gives_no_result() {
        QFETCH(int, modo);
        QFETCH(QString, campo);
        QFETCH(QString, texto);
        QFETCH(QString, dproceso);
        QFETCH(QString, caudal);
        CamposMapa c = modo == 1 ? ejemploModo1() : ejemploModo2();
        c.escribir(campo, texto);
        QVERIFY(asentar(c, modo));
        QCOMPARE(c.texto(g::dproceso), dproceso);
        QCOMPARE(c.texto(modo == 1 ? g::Qproceso : g::Qnormales), caudal);
    }

    void flow_reference_temperature_bounds_data() {
        QTest::addColumn<int>("modo");
        QTest::addColumn<QString>("tParaQ");
        QTest::addColumn<QString>("caudal");
        // Mode 2 tests both ends strictly.
        QTest::newRow("mode 2, -273,15") << 2 << "-273,15"
                                         << "";
        QTest::newRow("mode 2, -273,14") << 2 << "-273,14"
                                         << ",004";
        QTest::newRow("mode 2, 1 000 000") << 2 << "1.000.000"
                                           << "";
        QTest::newRow("mode 2, 999 999") << 2 << "999999"
                                         << "366.219,050";
        // Mode 1 has no bound; -273,15 only makes the divisor zero.
        QTest::newRow("mode 1, -273,15") << 1 << "-273,15"
                                         << "";
        QTest::newRow("mode 1, 1 000 000") << 1 << "1000000"
                                           << "59,39";
    }
    void flow_reference_temperature_bounds() {
        QFETCH(int, modo);
        QFETCH(QString, tParaQ);
        QFETCH(QString, caudal);
        CamposMapa c = modo == 1 ? ejemploModo1() : ejemploModo2();
        if (modo == 1)
            c.escribir(g::Qnormales, "1000000");
        c.escribir(g::T_paraQ, tParaQ);
        QVERIFY(asentar(c, modo));
        QCOMPARE(c.texto(modo == 1 ? g::Qproceso : g::Qnormales), caudal);
        QCOMPARE(c.texto(g::dproceso), "5,945");
    }

    void results_are_fixed_with_grouping_and_no_leading_zero_data() {
        QTest::addColumn<QString>("dref");
        QTest::addColumn<QString>("dproceso");
        QTest::newRow("hydrogen") << "0,0899"
                                  << ",090";
        QTest::newRow("grouping") << "12345,678"
                                  << "12.345,678";
    }
    void results_are_fixed_with_grouping_and_no_leading_zero() {
        QFETCH(QString, dref);
        QFETCH(QString, dproceso);
        // Same conditions on both sides: the density carries over unchanged.
        CamposMapa c = inicial();
        c.escribir(g::dref, dref);
        c.escribir(g::tref, "0");
        c.escribir(g::tproceso, "0");
        c.escribir(g::Pproceso, "1,01325");
        Calcular(c, 1);
        QCOMPARE(c.texto(g::dproceso), dproceso);
    }

    void compressibility_always_counts() {
        CamposMapa c = ejemploModo1();
        c.escribir(g::Zproceso, "0,9");
        QVERIFY(asentar(c, 1));
        QCOMPARE(c.texto(g::dproceso), "6,606");
    }

    // A result goes with the input it was built on: emptied, not a number, or impossible.
    void a_bad_input_empties_the_results_built_on_it_data() {
        QTest::addColumn<int>("modo");
        QTest::addColumn<QString>("campo");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("dproceso");
        QTest::addColumn<QString>("caudal"); // Qproceso (mode 1) or Qnormales (mode 2)
        QTest::addColumn<QString>("masico");
        QTest::newRow("mode 1, Qnormales emptied") << 1 << g::Qnormales << ""
                                                   << "5,945"
                                                   << ""
                                                   << "";
        QTest::newRow("mode 1, dref emptied") << 1 << g::dref << ""
                                              << ""
                                              << "21,75"
                                              << "";
        QTest::newRow("mode 1, tproceso emptied") << 1 << g::tproceso << ""
                                                  << ""
                                                  << ""
                                                  << "";
        QTest::newRow("mode 1, Pproceso -5") << 1 << g::Pproceso << "-5"
                                             << ""
                                             << ""
                                             << "";
        QTest::newRow("mode 1, Qnormales 36 m3/h") << 1 << g::Qnormales << "36 m3/h"
                                                   << "5,945"
                                                   << ""
                                                   << "";
        QTest::newRow("mode 1, Pref negative") << 1 << g::Pref << "-1,01325"
                                               << ""
                                               << "21,75"
                                               << "";
        QTest::newRow("mode 1, dref negative") << 1 << g::dref << "-1,293"
                                               << ""
                                               << "21,75"
                                               << "";
        QTest::newRow("mode 1, tref below absolute zero") << 1 << g::tref << "-300"
                                                          << ""
                                                          << "21,75"
                                                          << "";
        QTest::newRow("mode 2, Qproceso emptied") << 2 << g::Qproceso << ""
                                                  << "5,945"
                                                  << ""
                                                  << "";
        QTest::newRow("mode 2, T_paraQ emptied") << 2 << g::T_paraQ << ""
                                                 << "5,945"
                                                 << ""
                                                 << "129,304";
        QTest::newRow("mode 2, Z_paraQ 0") << 2 << g::Z_paraQ << "0"
                                           << "5,945"
                                           << ""
                                           << "129,304";
    }
    void a_bad_input_empties_the_results_built_on_it() {
        QFETCH(int, modo);
        QFETCH(QString, campo);
        QFETCH(QString, texto);
        QFETCH(QString, dproceso);
        QFETCH(QString, caudal);
        QFETCH(QString, masico);
        CamposMapa c = modo == 1 ? ejemploModo1() : ejemploModo2();
        QVERIFY(asentar(c, modo));
        c.escribir(campo, texto);
        // One pass settles it: no chain of change events is needed.
        Calcular(c, modo);
        QCOMPARE(c.texto(g::dproceso), dproceso);
        QCOMPARE(c.texto(modo == 1 ? g::Qproceso : g::Qnormales), caudal);
        QCOMPARE(c.texto(g::Qprocesomasico), masico);
    }

    void unprotected_divisors_keep_the_result_data() {
        QTest::addColumn<int>("modo");
        QTest::addColumn<QString>("campo");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("resultado");
        QTest::newRow("Pref 0") << 1 << g::Pref << "0" << g::dproceso;
        QTest::newRow("Pref -0") << 1 << g::Pref << "-0" << g::dproceso;
        QTest::newRow("mode 1, T_paraQ -273,15") << 1 << g::T_paraQ << "-273,15" << g::Qproceso;
        QTest::newRow("mode 2, tproceso -273,15") << 2 << g::tproceso << "-273,15" << g::Qnormales;
    }
    void unprotected_divisors_keep_the_result() {
        QFETCH(int, modo);
        QFETCH(QString, campo);
        QFETCH(QString, texto);
        QFETCH(QString, resultado);
        CamposMapa c = modo == 1 ? ejemploModo1() : ejemploModo2();
        c.escribir(resultado, "7,000");
        c.escribir(campo, texto);
        QVERIFY(asentar(c, modo));
        QCOMPARE(c.texto(resultado), "7,000");
        for (const QString &n : g::campos()) {
            QVERIFY2(!c.texto(n).contains("nan", Qt::CaseInsensitive), qPrintable(n));
            QVERIFY2(!c.texto(n).contains("inf", Qt::CaseInsensitive), qPrintable(n));
        }
    }

    void texts_that_are_not_numbers_skip_the_step_data() {
        QTest::addColumn<QString>("campo");
        QTest::addColumn<QString>("texto");
        const QStringList malos = {"-", ",", "1,2,3", " ", "abc", "1.2", "--5"};
        for (const QString &campo :
             {g::dref, g::Pref, g::tref, g::Zref, g::Pproceso, g::tproceso, g::Zproceso})
            for (const QString &t : malos)
                QTest::addRow("%s '%s'", qPrintable(campo), qPrintable(t)) << campo << t;
    }
    void texts_that_are_not_numbers_skip_the_step() {
        QFETCH(QString, campo);
        QFETCH(QString, texto);
        CamposMapa c = ejemploModo1();
        c.escribir(g::dproceso, "7,000");
        c.escribir(campo, texto);
        Calcular(c, 1);
        QCOMPARE(c.texto(g::dproceso), "7,000");
        QCOMPARE(c.texto(campo), texto);
    }

    void a_flow_that_is_not_a_number_skips_the_flow_data() {
        QTest::addColumn<int>("modo");
        QTest::addColumn<QString>("campo");
        QTest::newRow("mode 1, Qnormales") << 1 << g::Qnormales;
        QTest::newRow("mode 1, T_paraQ") << 1 << g::T_paraQ;
        QTest::newRow("mode 1, P_paraQ") << 1 << g::P_paraQ;
        QTest::newRow("mode 2, Qproceso") << 2 << g::Qproceso;
        QTest::newRow("mode 2, Z_paraQ") << 2 << g::Z_paraQ;
    }
    void a_flow_that_is_not_a_number_skips_the_flow() {
        QFETCH(int, modo);
        QFETCH(QString, campo);
        CamposMapa c = modo == 1 ? ejemploModo1() : ejemploModo2();
        const QString resultado = modo == 1 ? g::Qproceso : g::Qnormales;
        c.escribir(resultado, "7,00");
        c.escribir(g::Qprocesomasico, "8,000");
        c.escribir(campo, "-");
        Calcular(c, modo);
        QCOMPARE(c.texto(g::dproceso), "5,945");
        if (campo != g::Qproceso) {
            QCOMPARE(c.texto(resultado), "7,00");
            // The mass flow still follows what is shown: 7,00 x 5,945 in mode 1.
            QCOMPARE(c.texto(g::Qprocesomasico), modo == 1 ? "41,615" : "129,304");
        } else {
            QCOMPARE(c.texto(resultado), "7,00");
            QCOMPARE(c.texto(g::Qprocesomasico), "8,000");
        }
    }

    void overflow_skips_the_step_data() {
        QTest::addColumn<QString>("campo");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("resultado");
        QTest::newRow("density") << g::dref << "1E308" << g::dproceso;
        QTest::newRow("flow") << g::Qnormales << "1,5E308" << g::Qproceso;
    }
    void overflow_skips_the_step() {
        QFETCH(QString, campo);
        QFETCH(QString, texto);
        QFETCH(QString, resultado);
        CamposMapa c = ejemploModo1();
        c.escribir(resultado, "7,000");
        c.escribir(campo, texto);
        QVERIFY(asentar(c, 1));
        QCOMPARE(c.texto(resultado), "7,000");
    }

    void mass_flow_overflow_keeps_its_text() {
        CamposMapa c = inicial();
        c.escribir(g::Qproceso, "1E200");
        c.escribir(g::dproceso, "1E200");
        c.escribir(g::Qprocesomasico, "3,000");
        Calcular(c, 2);
        QCOMPARE(c.texto(g::Qprocesomasico), "3,000");
    }

    void large_finite_results_are_written_in_full() {
        CamposMapa c = inicial();
        c.escribir(g::Qproceso, "1E15");
        c.escribir(g::dproceso, "2");
        Calcular(c, 2);
        QCOMPARE(c.texto(g::Qprocesomasico), "2.000.000.000.000.000,000");
    }

    void blanks_are_not_empty_but_not_a_number() {
        // A text of blanks is present, so the mass flow step is tried and skipped: the old
        // result stays.
        CamposMapa c = inicial();
        c.escribir(g::Qproceso, "  ");
        c.escribir(g::dproceso, "2");
        c.escribir(g::Qprocesomasico, "3,000");
        Calcular(c, 2);
        QCOMPARE(c.texto(g::Qprocesomasico), "3,000");
    }

    void unknown_mode_runs_no_flow_step() {
        CamposMapa c = ejemploModo1();
        QVERIFY(asentar(c, 0));
        QCOMPARE(c.texto(g::dproceso), "5,945");
        QVERIFY(c.texto(g::Qproceso).isEmpty());
        QVERIFY(c.texto(g::Qprocesomasico).isEmpty());
    }

    // What the help line says: a text the pass cannot take, and a Z outside 0,05-5 (kept).
    void input_warnings_data() {
        QTest::addColumn<QString>("campo");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("aviso"); // English; empty for none
        QTest::newRow("Z 11") << gas::Zproceso << "11"
                              << "Compressibility (Z): 11,0 is outside 0,05–5; check it (it is "
                                 "used as given)";
        QTest::newRow("Z 0,9") << gas::Zproceso << "0,9"
                               << "";
        QTest::newRow("Z 0,04") << gas::Z_paraQ << "0,04"
                                << "Compressibility (Z): 0,0400 is outside 0,05–5; check it (it "
                                   "is used as given)";
        QTest::newRow("pressure negative") << gas::Pproceso << "-1"
                                           << "Absolute Pressure: must be greater than zero";
        QTest::newRow("temperature negative") << gas::tproceso << "-5"
                                              << "";
        QTest::newRow("density with a unit") << gas::dref << "0,8 kg"
                                             << "Density: holds a unit or letters";
    }
    void input_warnings() {
        QFETCH(QString, campo);
        QFETCH(QString, texto);
        QFETCH(QString, aviso);
        CamposMapa c;
        c.escribir(campo, texto);
        const auto m = gas::avisoEntradasGas(c);
        QCOMPARE(m.has_value(), !aviso.isEmpty());
        if (m)
            QVERIFY2(m->ingles.startsWith(aviso) && !m->espanol.isEmpty(), qPrintable(m->ingles));
    }
};

VORLO_PRUEBA(TestGas, SinAplicacion)
#include "tst_gas.moc"
