// The exact mode of the pipe window: the check box, what it changes, what it keeps, and that
// the program remembers it.
#include "app/globals.h"
#include "app/windows.h"
#include "fields/language.h"
#include "fields/numbers.h"
#include "pipeflow/ejemplo.h"
#include "pipeflow/form_reynolds.h"
#include "pipeflow/friccion_exacta.h"
#include "report/report.h"

#include "../support/gui_fixture.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "../support/runner.h"
#include <cmath>

using namespace vorlo;
using namespace vorlo::prueba;

namespace {

using Esperados = QHash<QString, double>;
using Entradas = QList<std::pair<QString, QString>>;

double valor(FormReynolds *f, const QString &campo) {
    return leerNumero(f->texto(campo)).value_or(NAN);
}

} // namespace

class TestExactoVentana : public PruebaGui {
    Q_OBJECT
  public:
    TestExactoVentana() : PruebaGui(kIngles) {}

  private slots:
    // Typed as a user types, with the box ticked, then unticked again. The exact values were
    // computed apart (tests/core/tst_pipe_flow_exacto.cpp gives the formulas); the defined ones
    // are those the window has always shown.
    void the_box_switches_every_result_data() {
        QTest::addColumn<Entradas>("entradas");
        QTest::addColumn<Esperados>("exactos");
        QTest::addColumn<Esperados>("definidos");
        Entradas ejemplo;
        for (const t::TextoEjemplo &e : t::ejemplo())
            ejemplo << std::pair{e.campo, e.texto};
        Entradas recortado = {{t::Qproceso, "30000"}, {t::dproceso, "998"}, {t::vdinamica, "0,001"},
                              {t::dint, "1000"},      {t::Rugosidad, "0"},  {t::L, "100"},
                              {t::Desnivel, "0"}};
        // clang-format off
        QTest::newRow("worked example") << ejemplo
            << Esperados{{t::Re, 127069.30656456923}, {t::DPbarTotal, 0.6489723845676845}}
            << Esperados{{t::Re, 127065}, {t::DPbarTotal, 0.648703017651904}};
        // The smooth 1000 mm line whose root lies below the grid: +24 % in the defined mode (0,5618).
        QTest::newRow("clipped") << recortado
            << Esperados{{t::ffinal, 0.0080358093846}, {t::DPbarTotal, 0.4514274016308416}}
            << Esperados{{t::ffinal, 0.01}, {t::DPbarTotal, 0.561767}};
        // clang-format on
    }
    void the_box_switches_every_result() {
        QFETCH(Entradas, entradas);
        QFETCH(Esperados, exactos);
        QFETCH(Esperados, definidos);
        auto *f = ventanas().mostrar<FormReynolds>();
        for (const auto &[campo, texto] : entradas)
            teclear(f, campo, texto);
        tic(f, 3);
        const auto comparar = [f](const Esperados &e, double tolerancia) {
            for (auto it = e.cbegin(); it != e.cend(); ++it)
                QVERIFY2(std::fabs(valor(f, it.key()) / it.value() - 1) < tolerancia,
                         qPrintable(it.key() + ": " + f->texto(it.key())));
        };
        comparar(definidos, 1e-9);
        QVERIFY(!f->opcion(t::CheckExacto));

        pulsar(f, t::CheckExacto);
        QVERIFY(f->opcion(t::CheckExacto));
        comparar(exactos, 1e-3); // ffinal shows four significant digits
        QCOMPARE(valor(f, t::DPbarTotal), exactos.value(t::DPbarTotal));
        QCOMPARE(etiqueta(f, t::Labelfexacta), friccion::kNotaResultadosExactos.ingles);
        // The report says which results it holds.
        QCOMPARE(informe::informeTuberia(*f, kIngles, {}).modo,
                 "Results: exact Colebrook friction factor, full precision");
        QVERIFY(!muestraNoNumero(f->texto(t::DPbarTotal)));

        pulsar(f, t::CheckExacto);
        comparar(definidos, 1e-9);
        QVERIFY(etiqueta(f, t::Labelfexacta).contains("the grid"));
    }

    // A typed input never sees a rounded text: Re 1,95 of a viscous oil is not taken as "2".
    void laminar_uses_the_unrounded_reynolds_number() {
        auto *f = ventanas().mostrar<FormReynolds>();
        pulsar(f, t::CheckExacto);
        teclear(f, {{t::Qproceso, "36"},
                    {t::dproceso, "998"},
                    {t::vdinamica, "65"},
                    {t::dint, "100"},
                    {t::Rugosidad, "0.05"},
                    {t::L, "100"},
                    {t::Desnivel, "0"}});
        tic(f, 3);
        // Four significant digits where Re's whole-number format would show "2".
        QCOMPARE(f->texto(t::Re), "1,955");
        QCOMPARE(f->texto(t::ffinal), "32,7380"); // 64 / 1,9549..., not 64 / 2
        QVERIFY(std::fabs(valor(f, t::DPbarTotal) / 264.83382530491383 - 1) < 1e-14);
        // No Colebrook root below Re 2000, and the note says f = 64/Re.
        QCOMPARE(etiqueta(f, t::Labelfexacta), friccion::kNotaLaminar.ingles);
    }

    // The choice is remembered between runs, and a new window starts with it.
    void the_choice_is_remembered() {
        auto *f = ventanas().mostrar<FormReynolds>();
        QVERIFY(!ajustesPrueba.valor(claves::ResultadosExactos).toBool());
        pulsar(f, t::CheckExacto);
        QVERIFY(ajustesPrueba.valor(claves::ResultadosExactos).toBool());
        f->close();
        borrarDiferidos();
        auto *g = ventanas().mostrar<FormReynolds>();
        QVERIFY(g->opcion(t::CheckExacto));
        QCOMPARE(control<QCheckBox>(g, t::CheckExacto)->text(),
                 "Exact results (exact Colebrook f, no rounding)");
        g->Spain_Click();
        QCOMPARE(control<QCheckBox>(g, t::CheckExacto)->text(),
                 "Resultados exactos (f de Colebrook exacto, sin redondeos)");
    }

    // The water and steam window opens from the pipe window's button and its View menu.
    void water_and_steam_from_the_pipe_window() {
        auto *f = ventanas().mostrar<FormReynolds>();
        pulsar(f, "CommandAguaVapor");
        QWidget *agua = nullptr;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->objectName() == "FormAguaVapor" && w->isVisible())
                agua = w;
        QVERIFY(agua);
        agua->close();
        borrarDiferidos();
        control<QAction>(f, "AguaVapor")->trigger();
        bool abierta = false;
        for (QWidget *w : QApplication::topLevelWidgets())
            abierta = abierta || (w->objectName() == "FormAguaVapor" && w->isVisible());
        QVERIFY(abierta);
        QCOMPARE(control<QAction>(f, "AguaVapor")->text(), "Water and steam…");
    }
};

VORLO_PRUEBA(TestExactoVentana, Ventanas)
#include "tst_exacto_ventana.moc"
