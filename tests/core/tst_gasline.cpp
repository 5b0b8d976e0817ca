#include "gasline/gas_line.h"
#include "gasline/gas_line_window.h"
#include "pipeflow/colebrook_exacto.h"

#include <QTest>
#include <cmath>
#include <limits>
#include <numbers>

using namespace vorlo::lineagas;

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// The published line: rho1 11,3 kg/m3, f 0,00185, P1 10 bar a, L 1000 m, D 500 mm.
Linea lineaPublicada() {
    return Linea{1e6, 11.3, 0.5, 1000, 1.1e-5};
}
constexpr double kFPublicado = 0.00185;
constexpr double kMasicoPublicado = 145.4847572636031; // kg/s at P2 = 9 bar a

// Colebrook-White solved by fixed-point iteration in 1/sqrt(f): the reference the solver's
// friction function stands in for here. Roughness and diameter in mm.
std::optional<double> colebrookReferencia(double rugosidadMm, double dintMm, double re) {
    if (!(re > 0) || !(dintMm > 0) || !(rugosidadMm >= 0))
        return std::nullopt;
    double x = 7; // 1/sqrt(f)
    for (int i = 0; i < 200; ++i)
        x = -2 * std::log10(rugosidadMm / dintMm / 3.7 + 2.51 * x / re);
    return 1 / (x * x);
}

FuncionFriccion colebrookPara(double rugosidadMm, double dintMm) {
    return [=](double re) { return colebrookReferencia(rugosidadMm, dintMm, re); };
}

double relativo(double a, double b) {
    return std::fabs(a - b) / std::fabs(b);
}

double area(const Linea &l) {
    return std::numbers::pi * l.dint * l.dint / 4;
}

// The flow equation as written, for a given f.
double masicoDeEcuacion(const Linea &l, double f, double p2) {
    const double a = area(l);
    return std::sqrt(a * a * l.densidad1 * (l.p1 * l.p1 - p2 * p2) /
                     (l.p1 * (f * l.longitud / l.dint + 2 * std::log(l.p1 / p2))));
}

} // namespace

Q_DECLARE_METATYPE(Motivo)
Q_DECLARE_METATYPE(Nota)

class TestGasLine : public QObject {
    Q_OBJECT

  private slots:
    // Both directions of the published check; a given f needs no viscosity, Colebrook does.
    void published_check_both_ways() {
        Linea l = lineaPublicada();
        const Solucion s = resolverMasico(l, kFPublicado, 9e5);
        QVERIFY(s.estado);
        QVERIFY2(relativo(s.estado->masico, kMasicoPublicado) < 1e-13,
                 qPrintable(QString::number(s.estado->masico, 'g', 17)));
        QCOMPARE(s.estado->f, kFPublicado);
        QCOMPARE(s.estado->caida, 1e5);
        const Solucion p = resolverP2(l, kFPublicado, kMasicoPublicado);
        QVERIFY(p.estado);
        QVERIFY(relativo(p.estado->p2, 9e5) < 1e-12);
        QVERIFY(relativo(p.estado->caida, 1e5) < 1e-11);
        l.viscosidad.reset();
        const Solucion sinVisc = resolverMasico(l, kFPublicado, 9e5);
        QVERIFY(sinVisc.estado && !sinVisc.estado->re);
        QCOMPARE(resolverMasico(l, colebrookPara(0.05, 500), 9e5).motivo,
                 Motivo::ViscosidadNoValida);
    }

    // The largest flow is the maximum over P2 of the flow equation, and it is reached where the
    // outlet velocity is the limit velocity.
    void choking_point_is_the_maximum_of_the_flow_equation_data() {
        QTest::addColumn<double>("longitud");
        QTest::addColumn<double>("f");
        QTest::newRow("short line") << 10.0 << 0.015;
        QTest::newRow("published line") << 1000.0 << kFPublicado;
        QTest::newRow("long feeder") << 50000.0 << 0.012;
        QTest::newRow("very long") << 5e6 << 0.02;
    }
    void choking_point_is_the_maximum_of_the_flow_equation() {
        QFETCH(double, longitud);
        QFETCH(double, f);
        Linea l = lineaPublicada();
        l.longitud = longitud;
        const Limite lim = limiteAhogo(l, f);
        QVERIFY(lim.ahogo);
        const Ahogo a = *lim.ahogo;
        // A scan of the equation over P2 never exceeds the limit and peaks at the choking P2.
        double mejor = 0;
        double p2Mejor = 0;
        for (int i = 1; i < 20000; ++i) {
            const double p2 = l.p1 * i / 20000.0;
            const double m = masicoDeEcuacion(l, f, p2);
            if (m > mejor) {
                mejor = m;
                p2Mejor = p2;
            }
        }
        QVERIFY2(mejor <= a.masicoMaximo * (1 + 1e-12),
                 qPrintable(QString::number(mejor - a.masicoMaximo)));
        QVERIFY(relativo(mejor, a.masicoMaximo) < 1e-7);
        QVERIFY(std::fabs(p2Mejor - a.p2Ahogo) <= l.p1 / 20000.0);
        QVERIFY(relativo(masicoDeEcuacion(l, f, a.p2Ahogo), a.masicoMaximo) < 1e-12);
        const double rho2 = l.densidad1 * a.p2Ahogo / l.p1;
        QVERIFY(relativo(a.masicoMaximo / area(l) / rho2, std::sqrt(l.p1 / l.densidad1)) < 1e-12);
    }

    // Past the largest flow, or below the choking P2, the line is choked; just inside, a result.
    void beyond_the_largest_flow_the_line_chokes_data() {
        QTest::addColumn<bool>("colebrook");
        QTest::addColumn<double>("margen");     // relative distance from the limit
        QTest::addColumn<double>("tolerancia"); // of P2 just inside, to the choking P2; 0: none
        QTest::addColumn<double>("sobreP2");    // an outlet pressure just above the choking one
        QTest::newRow("f given") << false << 1e-9 << 1e-3 << 1.0001;
        QTest::newRow("Colebrook") << true << 1e-3 << 0.0 << 1.01;
    }
    void beyond_the_largest_flow_the_line_chokes() {
        QFETCH(bool, colebrook);
        QFETCH(double, margen);
        QFETCH(double, tolerancia);
        QFETCH(double, sobreP2);
        const Linea l = colebrook ? Linea{20e5, 16.0, 0.1, 20000, 1.8e-5}
                                  : Linea{1e6, 11.3, 0.5, 100000, 1.1e-5};
        const Friccion f = colebrook ? Friccion(colebrookPara(0.05, 100)) : Friccion(kFPublicado);
        const Limite lim = limiteAhogo(l, f);
        QVERIFY(lim.ahogo);
        const double maximo = lim.ahogo->masicoMaximo;
        const double p2 = lim.ahogo->p2Ahogo;
        if (colebrook) {
            // f is the Colebrook f at the Reynolds number of the largest flow; fixed, the same.
            const double re = 4 * maximo / (std::numbers::pi * 0.1 * 1.8e-5);
            QVERIFY(relativo(lim.ahogo->f, *colebrookReferencia(0.05, 100, re)) < 1e-11);
            QVERIFY(relativo(limiteAhogo(l, lim.ahogo->f).ahogo->masicoMaximo, maximo) < 1e-12);
        }
        const Solucion encima = resolverP2(l, f, maximo * (1 + margen));
        QVERIFY(!encima.estado && encima.ahogo);
        QCOMPARE(encima.motivo, Motivo::Ahogada);
        QCOMPARE(encima.ahogo->masicoMaximo, maximo);
        const Solucion debajo = resolverP2(l, f, maximo * (1 - margen));
        QVERIFY(debajo.estado);
        QVERIFY(debajo.estado->p2 >= p2);
        // Colebrook's flow is flat near its top: 0,1 % below it P2 is still far from choking.
        if (tolerancia > 0)
            QVERIFY2(relativo(debajo.estado->p2, p2) < tolerancia,
                     qPrintable(QString::number(relativo(debajo.estado->p2, p2))));
        QVERIFY(debajo.estado->v2 <= debajo.estado->vLimite * (1 + 1e-12));
        const Solucion bajo = resolverMasico(l, f, p2 * 0.99);
        QCOMPARE(bajo.motivo, Motivo::Ahogada);
        QVERIFY(bajo.ahogo);
        const Solucion justo = resolverMasico(l, f, p2 * sobreP2);
        QVERIFY(justo.estado && justo.estado->masico < maximo);
    }

    // P2 -> flow -> P2 returns P2, with a given f, with Colebrook and with its exact root, over
    // drops from a thousandth of a percent to close to choking. With Colebrook the settled flow
    // is a fixed point: its own Re gives back the f it was found with.
    void p2_from_flow_from_p2_returns_p2_data() {
        QTest::addColumn<double>("p1");
        QTest::addColumn<double>("densidad");
        QTest::addColumn<double>("dint");
        QTest::addColumn<double>("longitud");
        QTest::addColumn<double>("rugosidadMm");
        QTest::addColumn<double>("fDado"); // 0: Colebrook
        QTest::addColumn<bool>("exacto");  // colebrookExacto instead of the reference
        QTest::addColumn<double>("razon"); // P2 / P1
        QTest::addColumn<double>("tolerancia");
        // clang-format off
        QTest::newRow("published, f given")     << 1e6 << 11.3 << 0.5 << 1000.0 << 0.0 << kFPublicado << false << 0.9 << 1e-12;
        QTest::newRow("tiny drop")              << 7e5 << 8.0 << 0.2 << 10.0 << 0.05 << 0.0 << false << 0.99999 << 1e-12;
        QTest::newRow("compressed air header")  << 8e5 << 9.5 << 0.08 << 300.0 << 0.05 << 0.0 << false << 0.93 << 1e-12;
        QTest::newRow("natural gas feeder")     << 40e5 << 30.0 << 0.3 << 40000.0 << 0.02 << 0.0 << false << 0.6 << 1e-12;
        QTest::newRow("flare line, large drop") << 3e5 << 2.5 << 0.4 << 500.0 << 0.5 << 0.0 << false << 0.25 << 1e-12;
        QTest::newRow("laminar")                << 1.2e5 << 1.4 << 0.002 << 1.0 << 0.0 << 0.0 << false << 0.9999 << 1e-12;
        QTest::newRow("near choking, f given")  << 1e6 << 11.3 << 0.5 << 100000.0 << 0.0 << kFPublicado << false << 0.1 << 1e-8;
        QTest::newRow("exact, rough, small drop")   << 40e5 << 30.0 << 0.3 << 40000.0 << 0.5 << 0.0 << true << 0.98 << 1e-12;
        QTest::newRow("exact, commercial steel")    << 40e5 << 30.0 << 0.3 << 40000.0 << 0.05 << 0.0 << true << 0.7 << 1e-12;
        QTest::newRow("exact, smooth, large drop")  << 40e5 << 30.0 << 0.3 << 40000.0 << 0.0 << 0.0 << true << 0.3 << 1e-12;
        // clang-format on
    }
    void p2_from_flow_from_p2_returns_p2() {
        QFETCH(double, p1);
        QFETCH(double, densidad);
        QFETCH(double, dint);
        QFETCH(double, longitud);
        QFETCH(double, rugosidadMm);
        QFETCH(double, fDado);
        QFETCH(bool, exacto);
        QFETCH(double, razon);
        QFETCH(double, tolerancia);
        const Linea l{p1, densidad, dint, longitud, 1.8e-5};
        const auto colebrook = [=](double re) {
            return exacto ? vorlo::colebrookExacto(rugosidadMm, dint * 1000, re)
                          : colebrookReferencia(rugosidadMm, dint * 1000, re);
        };
        const Friccion f = fDado > 0 ? Friccion(fDado) : Friccion(FuncionFriccion(colebrook));
        const double p2 = p1 * razon;
        const Solucion caudal = resolverMasico(l, f, p2);
        QVERIFY(caudal.estado);
        // The flow satisfies the equation with the f it reports.
        QVERIFY(relativo(masicoDeEcuacion(l, caudal.estado->f, p2), caudal.estado->masico) < 1e-12);
        if (fDado == 0) {
            const double re = 4 * caudal.estado->masico / (std::numbers::pi * dint * 1.8e-5);
            QVERIFY(relativo(*caudal.estado->re, re) < 1e-15);
            QVERIFY(relativo(caudal.estado->f, *colebrook(re)) < 1e-11);
        }
        const Solucion vuelta = resolverP2(l, f, caudal.estado->masico);
        QVERIFY(vuelta.estado);
        QVERIFY2(relativo(vuelta.estado->p2, p2) < tolerancia,
                 qPrintable(QString::number(relativo(vuelta.estado->p2, p2))));
        QVERIFY(relativo(vuelta.estado->caida, p1 - p2) < tolerancia / (1 - razon));
    }

    void invalid_inputs_give_no_result_with_a_reason_data() {
        QTest::addColumn<double>("p1");
        QTest::addColumn<double>("densidad");
        QTest::addColumn<double>("dint");
        QTest::addColumn<double>("longitud");
        QTest::addColumn<double>("f");
        QTest::addColumn<double>("valor"); // flow for resolverP2, P2 for resolverMasico
        QTest::addColumn<bool>("paraP2");
        QTest::addColumn<Motivo>("motivo");
        const double p = 1e6, r = 11.3, d = 0.5, L = 1000, f = kFPublicado, m = 100;
        // clang-format off
        QTest::newRow("P1 zero")           << 0.0  << r << d << L << f << m << true << Motivo::P1NoValida;
        QTest::newRow("P1 inf")            << kInf << r << d << L << f << m << true << Motivo::P1NoValida;
        QTest::newRow("P1 nan")            << kNaN << r << d << L << f << 9e5 << false << Motivo::P1NoValida;
        QTest::newRow("density nan")       << p << kNaN << d << L << f << 9e5 << false << Motivo::DensidadNoValida;
        QTest::newRow("diameter negative") << p << r << -0.5 << L << f << m << true << Motivo::DiametroNoValido;
        QTest::newRow("diameter inf")      << p << r << kInf << L << f << 9e5 << false << Motivo::DiametroNoValido;
        QTest::newRow("length zero")       << p << r << d << 0.0 << f << m << true << Motivo::LongitudNoValida;
        QTest::newRow("f zero")            << p << r << d << L << 0.0 << m << true << Motivo::FriccionNoValida;
        QTest::newRow("f nan")             << p << r << d << L << kNaN << 9e5 << false << Motivo::FriccionNoValida;
        QTest::newRow("flow negative")     << p << r << d << L << f << -5.0 << true << Motivo::CaudalNoValido;
        QTest::newRow("flow inf")          << p << r << d << L << f << kInf << true << Motivo::CaudalNoValido;
        QTest::newRow("P2 zero")           << p << r << d << L << f << 0.0 << false << Motivo::P2NoValida;
        QTest::newRow("P2 equal to P1")    << p << r << d << L << f << p << false << Motivo::P2NoMenorQueP1;
        QTest::newRow("P2 above P1")       << p << r << d << L << f << 2 * p << false << Motivo::P2NoMenorQueP1;
        QTest::newRow("flow beyond the largest") << p << r << d << L << f << 1e6 << true << Motivo::Ahogada;
        QTest::newRow("flow past the range of a double")
            << p << r << 1e-200 << L << f << 1e200 << true << Motivo::FueraDeRango;
        QTest::newRow("infinitely rough")  << p << r << 1e-300 << 1e300 << 1e10 << 9e5 << false << Motivo::FueraDeRango;
        // clang-format on
    }
    void invalid_inputs_give_no_result_with_a_reason() {
        QFETCH(double, p1);
        QFETCH(double, densidad);
        QFETCH(double, dint);
        QFETCH(double, longitud);
        QFETCH(double, f);
        QFETCH(double, valor);
        QFETCH(bool, paraP2);
        QFETCH(Motivo, motivo);
        const Linea l{p1, densidad, dint, longitud, 1e-5};
        const Solucion s = paraP2 ? resolverP2(l, f, valor) : resolverMasico(l, f, valor);
        QVERIFY(!s.estado);
        QCOMPARE(s.motivo, motivo);
    }

    void extreme_but_valid_lines_give_finite_results_data() {
        QTest::addColumn<double>("p1");
        QTest::addColumn<double>("densidad");
        QTest::addColumn<double>("dint");
        QTest::addColumn<double>("longitud");
        QTest::addColumn<double>("masico");
        QTest::newRow("vanishing flow") << 1e6 << 11.3 << 0.5 << 1000.0 << 1e-300;
        QTest::newRow("huge pressure") << 1e300 << 1e300 << 1.0 << 1.0 << 1e200;
        QTest::newRow("tiny pressure") << 1e-300 << 1e-300 << 1.0 << 1.0 << 1e-305;
        QTest::newRow("hair-thin tube") << 1e6 << 11.3 << 1e-6 << 1e-3 << 1e-12;
    }
    void extreme_but_valid_lines_give_finite_results() {
        QFETCH(double, p1);
        QFETCH(double, densidad);
        QFETCH(double, dint);
        QFETCH(double, longitud);
        QFETCH(double, masico);
        const Linea l{p1, densidad, dint, longitud, std::nullopt};
        const Solucion s = resolverP2(l, 0.02, masico);
        QVERIFY(s.estado || s.motivo == Motivo::Ahogada || s.motivo == Motivo::FueraDeRango);
        if (s.estado) {
            for (double v : {s.estado->p2, s.estado->caida, s.estado->v1, s.estado->v2})
                QVERIFY(std::isfinite(v));
            QVERIFY(s.estado->p2 <= p1);
            const Solucion vuelta = resolverMasico(l, 0.02, s.estado->p2);
            QVERIFY(vuelta.estado || vuelta.motivo == Motivo::P2NoMenorQueP1);
        }
        const Limite lim = limiteAhogo(l, 0.02);
        if (lim.ahogo)
            QVERIFY(std::isfinite(lim.ahogo->masicoMaximo) && std::isfinite(lim.ahogo->p2Ahogo));
    }

    void a_friction_function_without_answer_or_that_never_settles_is_reported() {
        const Linea l = lineaPublicada();
        int llamadas = 0;
        const FuncionFriccion nada = [&](double) -> std::optional<double> {
            ++llamadas;
            return std::nullopt;
        };
        QCOMPARE(resolverP2(l, nada, 100).motivo, Motivo::FriccionNoValida);
        QCOMPARE(resolverMasico(l, nada, 9e5).motivo, Motivo::FriccionNoValida);
        QCOMPARE(limiteAhogo(l, nada).motivo, Motivo::FriccionNoValida);
        QVERIFY(llamadas >= 3);
        const FuncionFriccion noNumero = [](double) { return std::optional<double>(kNaN); };
        QCOMPARE(resolverMasico(l, noNumero, 9e5).motivo, Motivo::FriccionNoValida);
        QCOMPARE(resolverP2(l, FuncionFriccion(), 100).motivo, Motivo::FriccionNoValida);
        // One that never settles ends the iteration at its bound.
        llamadas = 0;
        const FuncionFriccion alterna = [&](double) {
            return std::optional<double>(++llamadas % 2 ? 0.01 : 0.04);
        };
        QCOMPARE(resolverMasico(l, alterna, 9e5).motivo, Motivo::SinConvergencia);
        QCOMPARE(llamadas, kIteracionesCaudal);
        llamadas = 0;
        QCOMPARE(limiteAhogo(l, alterna).motivo, Motivo::SinConvergencia);
        QCOMPARE(llamadas, kIteracionesCaudal);
    }

    // The window's calculation in its units.
    void window_gives_the_published_check_in_its_units() {
        Entradas e;
        e.p1Bar = 10;
        e.densidad1 = 11.3;
        e.dintMm = 500;
        e.longitud = 1000;
        e.friccionDada = true;
        e.f = 0.00185;
        e.calcularP2 = false;
        e.p2Bar = 9;
        e.masicoKgH = 1; // the other direction's field is not read
        Salidas s = calcularVentana(e, {});
        QVERIFY(s.masicoKgH);
        QVERIFY(relativo(*s.masicoKgH, kMasicoPublicado * 3600) < 1e-13);
        QCOMPARE(*s.caidaBar, 1.0);
        QCOMPARE(*s.caidaPorcentaje, 10.0);
        QVERIFY(!s.p2Bar);
        QVERIFY(!s.f);                   // given, not a result
        QVERIFY(!s.re);                  // no viscosity
        QCOMPARE(s.nota, Nota::Ninguna); // exactly 10 %: no per-metre note

        e.calcularP2 = true;
        e.masicoKgH = kMasicoPublicado * 3600;
        e.p2Bar = 1; // not read
        s = calcularVentana(e, {});
        QVERIFY(s.p2Bar);
        QVERIFY(relativo(*s.p2Bar, 9) < 1e-12);
        QVERIFY(!s.masicoKgH);
        QCOMPARE(s.nota, Nota::Ninguna);
    }

    void window_shows_what_its_inputs_allow_data() {
        QTest::addColumn<bool>("calcularP2");
        QTest::addColumn<QString>("vacio"); // the one input left empty
        QTest::addColumn<QString>("presentes");
        // Solving for P2, the flow alone fixes V1, Re and f; for the flow, the drop is the two
        // pressures'.
        // clang-format off
        QTest::newRow("P2, all")           << true << "" << "p2 caida porc re f v1 v2 vlim";
        QTest::newRow("P2, no P1")         << true << "p1" << "re f v1";
        QTest::newRow("P2, no length")     << true << "longitud" << "re f v1 vlim";
        QTest::newRow("P2, no viscosity")  << true << "visc" << "v1 vlim";
        QTest::newRow("P2, no roughness")  << true << "rug" << "re v1 vlim";
        QTest::newRow("P2, no density")    << true << "rho" << "re f";
        QTest::newRow("P2, no flow")       << true << "masico" << "vlim";
        QTest::newRow("flow, all")         << false << "" << "masico caida porc re f v1 v2 vlim";
        QTest::newRow("flow, no diameter") << false << "dint" << "caida porc vlim";
        QTest::newRow("flow, no P2")       << false << "p2" << "vlim";
        QTest::newRow("flow, no density")  << false << "rho" << "caida porc";
        // clang-format on
    }
    void window_shows_what_its_inputs_allow() {
        QFETCH(bool, calcularP2);
        QFETCH(QString, vacio);
        QFETCH(QString, presentes);
        Entradas e;
        e.calcularP2 = calcularP2;
        auto poner = [&](const char *n, std::optional<double> &campo, double v) {
            if (vacio != QLatin1String(n))
                campo = v;
        };
        poner("p1", e.p1Bar, 8);
        poner("rho", e.densidad1, 9.5);
        poner("dint", e.dintMm, 80);
        poner("rug", e.rugosidadMm, 0.05);
        poner("visc", e.viscosidad, 1.8e-5);
        poner("longitud", e.longitud, 300);
        poner("masico", e.masicoKgH, 2000);
        poner("p2", e.p2Bar, 7.5);
        const Salidas s = calcularVentana(e, colebrookReferencia);
        const QStringList esperados = presentes.split(u' ');
        const QList<std::pair<QString, std::optional<double>>> campos = {
            {"masico", s.masicoKgH},
            {"p2", s.p2Bar},
            {"caida", s.caidaBar},
            {"porc", s.caidaPorcentaje},
            {"re", s.re},
            {"f", s.f},
            {"v1", s.v1},
            {"v2", s.v2},
            {"vlim", s.vLimite}};
        for (const auto &[n, v] : campos)
            QVERIFY2(v.has_value() == esperados.contains(n), qPrintable(n));
        QCOMPARE(s.nota, Nota::Ninguna);
    }

    void window_notes_data() {
        QTest::addColumn<bool>("calcularP2");
        QTest::addColumn<double>("valor"); // kg/h or bar a
        QTest::addColumn<double>("rugosidad");
        QTest::addColumn<double>("viscosidad");
        QTest::addColumn<Nota>("nota");
        // clang-format off
        QTest::newRow("small drop")             << false << 7.9 << 0.05 << 1.8e-5 << Nota::Ninguna;
        QTest::newRow("drop over 10 %")         << false << 7.0 << 0.05 << 1.8e-5 << Nota::CaidaGrande;
        QTest::newRow("drop shown as 10,0 %")   << false << 7.1968 << 0.05 << 1.8e-5 << Nota::Ninguna;
        QTest::newRow("drop shown as 10,1 %")   << false << 7.1952 << 0.05 << 1.8e-5 << Nota::CaidaGrande;
        QTest::newRow("drop over 10 %, for P2") << true << 3000.0 << 0.05 << 1.8e-5 << Nota::CaidaGrande;
        QTest::newRow("choked")                 << true << 1e6 << 0.05 << 1.8e-5 << Nota::Ahogada;
        QTest::newRow("choked, for the flow")   << false << 0.5 << 0.05 << 1.8e-5 << Nota::Ahogada;
        QTest::newRow("laminar")                << true << 1.0 << 0.05 << 1.8e-5 << Nota::Laminar;
        QTest::newRow("P2 at P1")               << false << 8.0 << 0.05 << 1.8e-5 << Nota::P2NoMenorQueP1;
        QTest::newRow("negative roughness")     << false << 7.9 << -0.05 << 1.8e-5 << Nota::DatoNoValido;
        QTest::newRow("zero viscosity")         << true << 3000.0 << 0.05 << 0.0 << Nota::DatoNoValido;
        QTest::newRow("zero flow")              << true << 0.0 << 0.05 << 1.8e-5 << Nota::DatoNoValido;
        // clang-format on
    }
    void window_notes() {
        QFETCH(bool, calcularP2);
        QFETCH(double, valor);
        QFETCH(double, rugosidad);
        QFETCH(double, viscosidad);
        QFETCH(Nota, nota);
        Entradas e{8, 9.5, 80, rugosidad, viscosidad, 300, {}, {}, {}, calcularP2, false};
        (calcularP2 ? e.masicoKgH : e.p2Bar) = valor;
        const Salidas s = calcularVentana(e, colebrookReferencia);
        QCOMPARE(s.nota, nota);
        if (nota == Nota::Ahogada) {
            QVERIFY(!s.masicoKgH && !s.p2Bar && !s.v2);
            QVERIFY(*s.masicoMaximoKgH > 0 && *s.p2AhogoBar > 0 && *s.p2AhogoBar < 8);
            const Linea l{8e5, 9.5, 0.08, 300, 1.8e-5};
            const Limite lim = limiteAhogo(l, colebrookPara(0.05, 80));
            QVERIFY(relativo(*s.masicoMaximoKgH, lim.ahogo->masicoMaximo * 3600) < 1e-14);
        } else {
            QVERIFY(!s.masicoMaximoKgH && !s.p2AhogoBar);
        }
    }

    void window_results_are_finite_for_any_numbers() {
        const QList<double> valores = {0,   -1,    1e-320, 1e-300, 1e-5,  0.5, 1,
                                       1e5, 1e300, 1e308,  kInf,   -kInf, kNaN};
        int resueltos = 0;
        for (double v : valores) {
            for (int campo = 0; campo < 9; ++campo) {
                for (bool p2 : {true, false}) {
                    Entradas e{8, 9.5, 80, 0.05, 1.8e-5, 300, 3000, 7.5, 0.02, p2, campo % 2 == 0};
                    std::optional<double> *c[] = {&e.p1Bar,       &e.densidad1,  &e.dintMm,
                                                  &e.rugosidadMm, &e.viscosidad, &e.longitud,
                                                  &e.masicoKgH,   &e.p2Bar,      &e.f};
                    *c[campo] = v;
                    const Salidas s = calcularVentana(e, colebrookReferencia);
                    for (const auto &r :
                         {s.masicoKgH, s.p2Bar, s.caidaBar, s.caidaPorcentaje, s.re, s.f, s.v1,
                          s.v2, s.vLimite, s.masicoMaximoKgH, s.p2AhogoBar})
                        QVERIFY(!r || std::isfinite(*r));
                    resueltos += (s.p2Bar || s.masicoKgH) ? 1 : 0;
                }
            }
        }
        QVERIFY(resueltos > 0);
    }
};

QTEST_APPLESS_MAIN(TestGasLine)
#include "tst_gasline.moc"
