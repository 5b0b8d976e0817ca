#include "flowlimits/flow_limits.h"
#include "gaspipe/gas_pipe.h"
#include "gaspipe/gas_pipe_fields.h"
#include "gaspipe/gas_pipe_notes.h"
#include "gaspipe/gas_pipe_window.h"
#include "pipeflow/pipe_erosional.h"
#include "report/report_gaspipe.h"

#include <QTest>

#include "../support/runner.h"
#include <cmath>

using namespace vorlo;
using namespace vorlo::gasoducto;

namespace {

double relativo(double a, double b) {
    return std::fabs(a - b) / std::fabs(b);
}

// The line of the published examples (fluids' documentation of Weymouth, Panhandle A and B and
// IGT): D 340 mm, L 160 km, 90 to 20 bar a, SG 0,693, 277,15 K, Z 1, base 288,7 K and
// 101325 Pa, E by default, mu 1e-5 Pa s.
Datos publicada(Ecuacion e) {
    Datos d;
    d.ecuacion = e;
    d.sg = 0.693;
    d.tK = 277.15;
    d.z = 1;
    d.viscosidad = 1e-5;
    d.dint = 0.34;
    d.longitud = 160e3;
    d.tBaseK = 288.7;
    d.p1 = 90e5;
    return d;
}

// A line by hand: SG 0,6, 15 ºC, Z 0,95, D 100 mm, P1 10 bar a, base 15 ºC and 1,01325 bar a.
Datos aMano(double longitud, double p2) {
    Datos d;
    d.ecuacion = Ecuacion::Weymouth;
    d.sg = 0.6;
    d.tK = 288.15;
    d.z = 0.95;
    d.dint = 0.1;
    d.longitud = longitud;
    d.p1 = 10e5;
    d.p2 = p2;
    return d;
}

} // namespace

Q_DECLARE_METATYPE(Ecuacion)
Q_DECLARE_METATYPE(Motivo)

class TestGasPipe : public QObject {
    Q_OBJECT
  private slots:
    // The flow from both pressures against the published value, then P2 back from that flow.
    // The general equation's rows are a separate Python calculation (Colebrook by fixed point,
    // the isothermal equation with its kinetic term).
    void both_ways_data() {
        QTest::addColumn<Datos>("datos");
        QTest::addColumn<double>("p2");
        QTest::addColumn<double>("caudal"); // standard m3/s
        // The IGT constant is printed with six digits (24,6241): the published flow took more.
        QTest::addColumn<double>("tolerancia");
        QTest::newRow("Weymouth") << publicada(Ecuacion::Weymouth) << 20e5 << 32.07729055913029
                                  << 1e-9;
        QTest::newRow("Panhandle A")
            << publicada(Ecuacion::PanhandleA) << 20e5 << 42.56082051195928 << 1e-9;
        QTest::newRow("Panhandle B")
            << publicada(Ecuacion::PanhandleB) << 20e5 << 42.35366178004172 << 1e-9;
        QTest::newRow("IGT") << publicada(Ecuacion::Igt) << 20e5 << 48.92351786788815 << 2e-6;
        Datos g;
        g.sg = 0.6;
        g.tK = 288.15;
        g.z = 0.9;
        g.viscosidad = 1.1e-5;
        g.dint = 0.3;
        g.longitud = 50e3;
        g.rugosidad = 0.05e-3;
        g.p1 = 70e5;
        QTest::newRow("general, turbulent") << g << 50e5 << 101921.35862647278 / 3600 << 1e-9;
        g.z = 1;
        g.dint = 0.05;
        g.longitud = 1000;
        g.p1 = 1.5e5;
        QTest::newRow("general, laminar") << g << 1.4999e5 << 0.7431729434969232 / 3600 << 1e-9;
    }
    void both_ways() {
        QFETCH(Datos, datos);
        QFETCH(double, p2);
        QFETCH(double, caudal);
        QFETCH(double, tolerancia);
        datos.p2 = p2;
        const Resultado q = resolver(datos);
        QVERIFY(q.valido());
        QVERIFY2(relativo(q.caudal, caudal) < tolerancia,
                 qPrintable(QString::number(q.caudal, 'g', 17)));
        datos.p2.reset();
        datos.caudal = caudal;
        const Resultado r = resolver(datos);
        QVERIFY(r.valido());
        QVERIFY2(relativo(r.p2, p2) < 10 * tolerancia, qPrintable(QString::number(r.p2, 'g', 17)));
    }

    // API RP 14E in its own units: 1 lb/ft3 and C = 100 give 100 ft/s. Air at 20 ºC: 343,2 m/s.
    void limits() {
        const double libraPieCubico = 0.45359237 / (0.3048 * 0.3048 * 0.3048);
        QVERIFY(relativo(*limites::velocidadErosional(100, libraPieCubico), 30.48) < 1e-12);
        QVERIFY(relativo(*limites::velocidadErosional(125, libraPieCubico), 38.1) < 1e-12);
        const double c = *limites::velocidadSonidoGas(1.4, 1, 293.15, limites::kMasaMolarAire);
        QVERIFY(std::fabs(c - 343.2) < 0.06);
        QCOMPARE(limites::velocidadErosional(100, 0), std::nullopt);
        QCOMPARE(limites::mach(10, 0), std::nullopt);
    }

    // The pipe window's Ve from its texts: 1 lb/ft3 gives 100 ft/s with C = 100 (empty C).
    void pipe_window_erosional() {
        const QString libra = "16,018463373960138";
        const auto e = tuberia::erosionalDe(libra, "31", "");
        QVERIFY(e.ve && relativo(*e.ve, 30.48) < 1e-12 && e.supera);
        QVERIFY(!tuberia::erosionalDe(libra, "31", "125").supera); // 38,1 m/s
        QCOMPARE(tuberia::erosionalDe("", "31", "").ve, std::nullopt);
        QCOMPARE(tuberia::erosionalDe(libra, "31", "0").ve, std::nullopt);
    }

    // Velocities, Mach numbers and erosional velocities at both ends, and the warnings they
    // raise, against a hand calculation (Weymouth in Menon's units, the ideal-gas densities).
    void velocity_limits_data() {
        QTest::addColumn<Datos>("datos");
        QTest::addColumn<double>("masicoKgH");
        QTest::addColumn<double>("v2");
        QTest::addColumn<double>("mach2");
        QTest::addColumn<double>("ve1");
        QTest::addColumn<double>("p2AhogoBar");
        QTest::addColumn<QString>("avisos"); // E erosional, M Mach, A choked
        QTest::newRow("quiet") << aMano(2000, 8e5) << 2142.3826767139344 << 12.405200727166262
                               << 0.030063363032674987 << 44.14890611790687 << 0.2742200618055194
                               << "";
        QTest::newRow("fast") << aMano(200, 1.5e5) << 11163.59777976389 << 344.75427208671454
                              << 0.8354941662581287 << 44.14890611790687 << 1.428914874271818
                              << "EM";
        Datos ahogada = aMano(50, 1.2e5);
        QTest::newRow("choked") << ahogada << 0.0 << 0.0 << 0.0 << 0.0 << 2.8696459450127185
                                << "EMA";
    }
    void velocity_limits() {
        QFETCH(Datos, datos);
        QFETCH(double, masicoKgH);
        QFETCH(double, v2);
        QFETCH(double, mach2);
        QFETCH(double, ve1);
        QFETCH(double, p2AhogoBar);
        QFETCH(QString, avisos);
        const Resultado r = resolver(datos);
        QVERIFY(r.valido());
        if (masicoKgH > 0) {
            QVERIFY(relativo(r.masico * 3600, masicoKgH) < 1e-9);
            QVERIFY(relativo(r.salida.limites.velocidad, v2) < 1e-9);
            QVERIFY(relativo(r.salida.limites.mach, mach2) < 1e-9);
            QVERIFY(relativo(r.entrada.limites.erosional, ve1) < 1e-9);
        }
        QVERIFY(relativo(r.p2Ahogo, p2AhogoBar * 1e5) < 1e-9);
        const bool erosional =
            r.entrada.limites.superaErosional() || r.salida.limites.superaErosional();
        QCOMPARE(erosional, avisos.contains('E'));
        QCOMPARE(r.salida.limites.superaMach(), avisos.contains('M'));
        QCOMPARE(r.bajoAhogo(), avisos.contains('A'));
        const QString texto = textoAvisos(r).ingles;
        QCOMPARE(texto.contains("erosional"), avisos.contains('E'));
        QCOMPARE(texto.contains("Mach above 0.3"), avisos.contains('M'));
        QCOMPARE(texto.contains("choking pressure"), avisos.contains('A'));
    }

    // Bad input: the reason, and no numbers.
    void bad_input_data() {
        QTest::addColumn<Ecuacion>("ecuacion");
        QTest::addColumn<QString>("cambio");
        QTest::addColumn<Motivo>("motivo");
        const auto fila = [](Ecuacion e, const char *cambio, Motivo m) {
            QTest::newRow(cambio) << e << QString::fromLatin1(cambio) << m;
        };
        fila(Ecuacion::Weymouth, "p2=p1", Motivo::P2NoMenorQueP1);
        fila(Ecuacion::Weymouth, "sg=0", Motivo::SGNoValida);
        fila(Ecuacion::Weymouth, "z=-1", Motivo::ZNoValida);
        fila(Ecuacion::Weymouth, "t=0K", Motivo::TNoValida);
        fila(Ecuacion::Weymouth, "d=0", Motivo::DiametroNoValido);
        fila(Ecuacion::Weymouth, "l=nan", Motivo::LongitudNoValida);
        fila(Ecuacion::PanhandleA, "e=1.1", Motivo::EficienciaNoValida);
        fila(Ecuacion::PanhandleB, "gamma=0", Motivo::GammaNoValida);
        fila(Ecuacion::Weymouth, "q and p2", Motivo::CaudalYP2);
        fila(Ecuacion::Weymouth, "neither", Motivo::NiCaudalNiP2);
        fila(Ecuacion::Igt, "no mu", Motivo::FaltaViscosidad);
        fila(Ecuacion::General, "no roughness", Motivo::FaltaRugosidad);
        fila(Ecuacion::Weymouth, "huge q", Motivo::CaudalExcesivo);
        fila(Ecuacion::General, "choked", Motivo::Ahogada);
    }
    void bad_input() {
        QFETCH(Ecuacion, ecuacion);
        QFETCH(QString, cambio);
        QFETCH(Motivo, motivo);
        Datos d = publicada(ecuacion);
        d.p2 = 20e5;
        d.rugosidad = 0.05e-3;
        if (cambio == "p2=p1")
            d.p2 = d.p1;
        if (cambio == "sg=0")
            d.sg = 0;
        if (cambio == "z=-1")
            d.z = -1;
        if (cambio == "t=0K")
            d.tK = 0;
        if (cambio == "d=0")
            d.dint = 0;
        if (cambio == "l=nan")
            d.longitud = std::nan("");
        if (cambio == "e=1.1")
            d.eficiencia = 1.1;
        if (cambio == "gamma=0")
            d.gamma = 0;
        if (cambio == "q and p2")
            d.caudal = 10;
        if (cambio == "neither")
            d.p2.reset();
        if (cambio == "no mu")
            d.viscosidad.reset();
        if (cambio == "no roughness")
            d.rugosidad.reset();
        if (cambio == "huge q" || cambio == "choked") {
            d.p2.reset();
            d.caudal = 1e4;
        }
        const Resultado r = resolver(d);
        QCOMPARE(r.motivo, motivo);
        QVERIFY(!textoNota(r).espanol.isEmpty() && !textoNota(r).ingles.isEmpty());
        QCOMPARE(valorCampo(campos::QGasoducto, r), std::nullopt);
    }

    // The window's pass over texts: empty defaults taken, one of Q and P2 written by the option,
    // a missing input leaves every result empty and says nothing.
    void window_pass() {
        namespace c = campos;
        CamposMapa t({{c::EcuacionGasoducto, "weymouth"},
                      {c::SGGasoducto, "0,6"},
                      {c::TGasoducto, "15"},
                      {c::ZGasoducto, "0,95"},
                      {c::DGasoducto, "100"},
                      {c::LGasoducto, "2.000"},
                      {c::P1Gasoducto, "10"},
                      {c::P2Gasoducto, "8"}});
        calcularCampos(t, Lengua::Espanol);
        QCOMPARE(t.texto(c::QGasoducto), "2.915,05"); // 2915,0495907 by hand
        QCOMPARE(t.texto(c::NotaGasoducto), QString());
        t.escribir(c::DGasoducto, QString());
        calcularCampos(t, Lengua::Espanol);
        QCOMPARE(t.texto(c::QGasoducto), QString());
        QCOMPARE(t.texto(c::V1Gasoducto), QString());
        QCOMPARE(t.texto(c::NotaGasoducto), QString());
        t.escribir(c::DGasoducto, "100");
        t.escribir(c::EcuacionGasoducto, "igt");
        calcularCampos(t, Lengua::Ingles);
        QCOMPARE(t.texto(c::NotaGasoducto), "This equation needs the viscosity");
        QCOMPARE(t.color(c::NotaGasoducto), ColorNota::Rojo);
        QCOMPARE(t.texto(c::MasaGasoducto), QString());
    }

    // The note's section: inputs, the comparison, and the method with the hand-calculated
    // Weymouth flow in Menon's units (15 189,84 Sm3/h = 364 556 m3/d) and the outlet Mach.
    void calculation_note() {
        namespace c = campos;
        caso::Ventana parte;
        parte.textos = {{c::EcuacionGasoducto, "weymouth"},
                        {c::SGGasoducto, "0,6"},
                        {c::TGasoducto, "15"},
                        {c::ZGasoducto, "0,95"},
                        {c::DGasoducto, "100"},
                        {c::LGasoducto, "200"},
                        {c::P1Gasoducto, "10"},
                        {c::P2Gasoducto, "1,5"}};
        const auto a = informe::anexoGasoducto(parte, Lengua::Ingles);
        QVERIFY(a);
        QCOMPARE(a->titulo, "Gas pipeline");
        QCOMPARE(a->secciones.last().titulo, "EQUATIONS COMPARED");
        QCOMPARE(a->secciones.last().filas.at(1).valor, "15.189,84");
        QStringList lineas;
        for (const informe::Paso &p : a->metodo)
            lineas << p.linea();
        const QString todo = lineas.join('\n');
        QVERIFY2(todo.contains("364.556") && todo.contains("0,835494"), qPrintable(todo));
        QVERIFY(!informe::anexoGasoducto({{}, {{c::TbGasoducto, "15"}}}, Lengua::Ingles));
    }
};

VORLO_PRUEBA(TestGasPipe, Nucleo)
#include "tst_gaspipe.moc"
