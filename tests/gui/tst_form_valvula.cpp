#include "app/open_windows.h"
#include "app/valve_entry.h"
#include "app/windows.h"
#include "pipeflow/form_reynolds.h"
#include "valve/form_valvula.h"
#include "valve/valve_fields.h"

#include "../support/gui_fixture.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "../support/runner.h"

using namespace vorlo;
using namespace vorlo::prueba;
namespace v = vorlo::valvula;

namespace {

FormValvula *ventana() {
    abrirValvula();
    return ventanas().existente<FormValvula>();
}

// The standard's example 2 (IEC 60534-2-1:2011 Annex E): water at 90 ºC through a segmented
// ball valve, FL 0,6, choked; published Kv 238 m3/h.
void teclearEjemplo2(FormValvula *w) {
    teclear(w, {{v::QValv, "360"},
                {v::P1Valv, "6.8"},
                {v::P2Valv, "2.2"},
                {v::DensidadValv, "965.4"},
                {v::PsatValv, "0.701"},
                {v::PcValv, "221.2"},
                {v::ViscValv, "0.0003147"},
                {v::FLValv, "0.6"},
                {v::FdValv, "0.98"},
                {v::DValv, "100"}});
}

QColor colorTexto(const QWidget *w) {
    return w->palette().color(QPalette::WindowText);
}

} // namespace

class TestFormValvula : public PruebaGui {
    Q_OBJECT
  private slots:
    // Typed key by key: Kv within half a unit of the published 238, Cv = Kv·1,156099, the
    // choked state in red, the regime turbulent; both languages by the flags.
    void choked_liquid_typed() {
        FormValvula *w = ventana();
        teclearEjemplo2(w);
        const double kv = campo(w, v::KvValv)->text().replace(',', '.').toDouble();
        QVERIFY2(std::abs(kv - 238) <= 0.5, qPrintable(campo(w, v::KvValv)->text()));
        QCOMPARE(campo(w, v::CvValv)->text(), QStringLiteral("275,22")); // 238,058 · 1,156099
        QCOMPARE(campo(w, v::FPValv)->text(), QString());
        auto *estado = control<QLabel>(w, v::EstadoValv);
        QCOMPARE(estado->text(), QStringLiteral("Choked flow: full cavitation"));
        QCOMPARE(colorTexto(estado), kRojo);
        QCOMPARE(etiqueta(w, v::RegimenValv), QStringLiteral("Turbulent"));
        pulsar(w, QStringLiteral("BanderaEs"));
        QCOMPARE(estado->text(), QStringLiteral("Flujo bloqueado: cavitación plena"));
        QCOMPARE(etiqueta(w, QStringLiteral("TituloValv")),
                 QStringLiteral("VÁLVULA DE CONTROL (IEC 60534-2-1)"));
    }

    // P2 above P1: every number emptied, the reason in red; nothing that is not a number.
    void bad_input_clears() {
        FormValvula *w = ventana();
        teclearEjemplo2(w);
        teclear(w, v::P2Valv, "7");
        for (const Campo &c : v::camposValvula().campos())
            if (c.rol == Rol::Resultado)
                QCOMPARE(campo(w, c.nombre)->text(), QString());
        auto *estado = control<QLabel>(w, v::EstadoValv);
        QVERIFY(estado->text().contains(QStringLiteral("must be below the inlet pressure")));
        QCOMPARE(colorTexto(estado), kRojo);
    }

    // A style fills FL, Fd and xT with Table D.2's figures; a value typed afterwards is the one
    // used (FL 0,9 unchokes example 2: Kv 360/0,1·√(0,96627/460) = 165,0).
    void style_fills_and_typed_values_win() {
        FormValvula *w = ventana();
        teclearEjemplo2(w);
        auto *estilo = control<QComboBox>(w, v::EstiloValv);
        estilo->setCurrentIndex(estilo->findData(QStringLiteral("butterfly_60")));
        QCOMPARE(campo(w, v::FLValv)->text(), QStringLiteral("0,7"));
        QCOMPARE(campo(w, v::FdValv)->text(), QStringLiteral("0,5"));
        QCOMPARE(campo(w, v::xTValv)->text(), QStringLiteral("0,42"));
        teclear(w, v::FLValv, "0.9");
        QCOMPARE(campo(w, v::KvValv)->text(), QStringLiteral("165,00"));
        QCOMPARE(estilo->currentData().toString(), QStringLiteral("butterfly_60"));
    }

    // Water at 90 ºC: the vapour pressure of the steam tables, 70,18 kPa, and Pc 220,64 bar.
    void water_and_steam() {
        FormValvula *w = ventana();
        teclear(w, {{v::TValv, "90"}, {v::P1Valv, "6.8"}});
        pulsar(w, QStringLiteral("CommandAguaValv"));
        const double pv = campo(w, v::PsatValv)->text().replace(',', '.').toDouble();
        QVERIFY2(std::abs(pv - 0.70182) < 5e-5, qPrintable(campo(w, v::PsatValv)->text()));
        QCOMPARE(campo(w, v::PcValv)->text(), QStringLiteral("220,64"));
        QVERIFY(campo(w, v::DensidadValv)->text().startsWith(QStringLiteral("965,")));
        teclear(w, v::TValv, "200"); // steam at 6,8 bar
        pulsar(w, QStringLiteral("CommandAguaValv"));
        QVERIFY(!etiqueta(w, QStringLiteral("NotaAguaValv")).isEmpty());
    }

    // The pipe window's "Valve…" hands over its liquid: flow, density, dynamic viscosity.
    void from_the_pipe_window() {
        abrirFormReynolds();
        QWidget *tuberia = ventanas().existente<FormReynolds>();
        teclearEjemploTuberia(tuberia);
        pulsar(tuberia, QStringLiteral("CommandValvula"));
        FormValvula *w = ventanas().existente<FormValvula>();
        QVERIFY(w && w->isVisible());
        QCOMPARE(campo(w, v::QValv)->text(), campo(tuberia, t::Qproceso)->text());
        QCOMPARE(campo(w, v::DensidadValv)->text(), campo(tuberia, t::dproceso)->text());
        QCOMPARE(campo(w, v::ViscValv)->text(), campo(tuberia, t::vdinamica)->text());
    }

    // The window's part of the case brings back the style and the factors typed over it.
    void case_part_round_trip() {
        FormValvula *w = ventana();
        teclearEjemplo2(w);
        auto *estilo = control<QComboBox>(w, v::EstiloValv);
        estilo->setCurrentIndex(estilo->findData(QStringLiteral("ball_segmented")));
        teclear(w, v::FdValv, "0.9");
        const caso::Ventana parte = w->parteCaso();
        QCOMPARE(parte.textos.value(v::EstiloValv), QStringLiteral("ball_segmented"));
        const QString kv = campo(w, v::KvValv)->text();
        // The new window may take the old one's address: the old is known gone by its guard.
        const QPointer<FormValvula> vieja(w);
        w->close();
        borrarDiferidos();
        QVERIFY(vieja.isNull());
        cargarCasoValvula(parte);
        FormValvula *otra = ventanas().existente<FormValvula>();
        QVERIFY(otra);
        QCOMPARE(campo(otra, v::FdValv)->text(), QStringLiteral("0,9"));
        QCOMPARE(campo(otra, v::KvValv)->text(), kv);
    }
};

VORLO_PRUEBA(TestFormValvula, Ventanas)
#include "tst_form_valvula.moc"
