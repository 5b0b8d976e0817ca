#include "gasline/gas_line.h"
#include "gasline/gas_line_fields.h"
#include "gasline/gas_line_notes.h"
#include "gasline/gas_line_window.h"
#include "pipeflow/colebrook_exacto.h"

#include <QTest>

#include "../support/runner.h"
#include <cmath>
#include <limits>
#include <numbers>

using namespace vorlo::lineagas;

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// The published line: rho1 11,3 kg/m3, f 0,00185, P1 10 bar a, L 1000 m, D 500 mm.
const Linea kPublicada{1e6, 11.3, 0.5, 1000, 1.1e-5};
constexpr double kFPublicado = 0.00185;
constexpr double kMasicoPublicado = 145.4847572636031; // kg/s at P2 = 9 bar a

// Colebrook-White by fixed-point iteration in 1/sqrt(f), the reference for the solver's friction
// function. Roughness and diameter in mm.
std::optional<double> colebrookReferencia(double rugosidadMm, double dintMm, double re) {
    if (!(re > 0) || !(dintMm > 0) || !(rugosidadMm >= 0))
        return std::nullopt;
    double x = 7;
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

Q_DECLARE_METATYPE(Linea)
Q_DECLARE_METATYPE(Motivo)
Q_DECLARE_METATYPE(Nota)

class TestGasLine : public QObject {
    Q_OBJECT

  private slots:
    // Both directions of the published check; a given f needs no viscosity, Colebrook does.
    void published_check_both_ways() {
        Linea l = kPublicada;
        const Solucion s = resolverMasico(l, kFPublicado, 9e5);
        QVERIFY(s.estado);
        QVERIFY2(relativo(s.estado->masico, kMasicoPublicado) < 1e-13,
                 qPrintable(QString::number(s.estado->masico, 'g', 17)));
        QCOMPARE(s.estado->caida, 1e5);
        const Solucion p = resolverP2(l, kFPublicado, kMasicoPublicado);
        QVERIFY(p.estado);
        QVERIFY(relativo(p.estado->p2, 9e5) < 1e-12);
        l.viscosidad.reset();
        const Solucion sinVisc = resolverMasico(l, kFPublicado, 9e5);
        QVERIFY(sinVisc.estado && !sinVisc.estado->re);
        QCOMPARE(resolverMasico(l, colebrookPara(0.05, 500), 9e5).motivo,
                 Motivo::ViscosidadNoValida);
    }

    // The largest flow is the maximum over P2 of the flow equation, reached where the outlet
    // velocity is the limit velocity; past it, or below the choking P2, the line is choked.
    void choking_is_the_maximum_of_the_flow_equation_data() {
        QTest::addColumn<Linea>("l");
        QTest::addColumn<double>("f");      // 0: Colebrook
        QTest::addColumn<double>("margen"); // relative distance from the largest flow
        // clang-format off
        QTest::newRow("short line")     << Linea{1e6, 11.3, 0.5, 10, 1.1e-5} << 0.015 << 1e-9;
        QTest::newRow("published line") << kPublicada << kFPublicado << 1e-9;
        QTest::newRow("100 km")         << Linea{1e6, 11.3, 0.5, 100000, 1.1e-5} << kFPublicado << 1e-9;
        QTest::newRow("Colebrook")      << Linea{20e5, 16.0, 0.1, 20000, 1.8e-5} << 0.0 << 1e-3;
        // clang-format on
    }
    void choking_is_the_maximum_of_the_flow_equation() {
        QFETCH(Linea, l);
        QFETCH(double, f);
        QFETCH(double, margen);
        const Friccion fr = f > 0 ? Friccion(f) : Friccion(colebrookPara(0.05, l.dint * 1000));
        const Limite lim = limiteAhogo(l, fr);
        QVERIFY(lim.ahogo);
        const Ahogo a = *lim.ahogo;
        if (f == 0) { // Colebrook's f at the Reynolds number of the largest flow
            const double re = 4 * a.masicoMaximo / (std::numbers::pi * l.dint * *l.viscosidad);
            QVERIFY(relativo(a.f, *colebrookReferencia(0.05, l.dint * 1000, re)) < 1e-11);
        }
        double mejor = 0, p2Mejor = 0;
        for (int i = 1; i < 20000; ++i) {
            const double p2 = l.p1 * i / 20000.0, m = masicoDeEcuacion(l, a.f, p2);
            if (m > mejor)
                std::tie(mejor, p2Mejor) = std::pair(m, p2);
        }
        QVERIFY(mejor <= a.masicoMaximo * (1 + 1e-12) && relativo(mejor, a.masicoMaximo) < 1e-7);
        QVERIFY(std::fabs(p2Mejor - a.p2Ahogo) <= l.p1 / 20000.0);
        const double rho2 = l.densidad1 * a.p2Ahogo / l.p1;
        QVERIFY(relativo(a.masicoMaximo / area(l) / rho2, std::sqrt(l.p1 / l.densidad1)) < 1e-12);
        const Solucion encima = resolverP2(l, fr, a.masicoMaximo * (1 + margen));
        QVERIFY(!encima.estado && encima.ahogo);
        QCOMPARE(encima.motivo, Motivo::Ahogada);
        QCOMPARE(encima.ahogo->masicoMaximo, a.masicoMaximo);
        const Solucion debajo = resolverP2(l, fr, a.masicoMaximo * (1 - margen));
        QVERIFY(debajo.estado && debajo.estado->p2 >= a.p2Ahogo);
        // Colebrook's flow is flat near its top: 0,1 % below it P2 is still far from choking.
        QVERIFY(f == 0 || relativo(debajo.estado->p2, a.p2Ahogo) < 1e-3);
        QCOMPARE(resolverMasico(l, fr, a.p2Ahogo * 0.99).motivo, Motivo::Ahogada);
        const Solucion justo = resolverMasico(l, fr, a.p2Ahogo * 1.01);
        QVERIFY(justo.estado && justo.estado->masico < a.masicoMaximo);
    }

    // P2 -> flow -> P2 returns P2, with a given f, with Colebrook and with its exact root. With
    // Colebrook the settled flow is a fixed point: its own Re gives back its f.
    void p2_from_flow_from_p2_returns_p2_data() {
        QTest::addColumn<Linea>("l");
        QTest::addColumn<double>("rugosidadMm");
        QTest::addColumn<double>("fDado"); // 0: Colebrook
        QTest::addColumn<bool>("exacto");  // colebrookExacto instead of the reference
        QTest::addColumn<double>("razon"); // P2 / P1
        QTest::addColumn<double>("tolerancia");
        const Linea feeder{40e5, 30.0, 0.3, 40000, 1.8e-5};
        // clang-format off
        QTest::newRow("published, f given")    << kPublicada << 0.0 << kFPublicado << false << 0.9 << 1e-12;
        QTest::newRow("tiny drop")             << Linea{7e5, 8.0, 0.2, 10, 1.8e-5} << 0.05 << 0.0 << false << 0.99999 << 1e-12;
        QTest::newRow("natural gas feeder")    << feeder << 0.02 << 0.0 << false << 0.6 << 1e-12;
        QTest::newRow("flare, large drop")     << Linea{3e5, 2.5, 0.4, 500, 1.8e-5} << 0.5 << 0.0 << false << 0.25 << 1e-12;
        QTest::newRow("laminar")               << Linea{1.2e5, 1.4, 0.002, 1, 1.8e-5} << 0.0 << 0.0 << false << 0.9999 << 1e-12;
        QTest::newRow("near choking, f given") << Linea{1e6, 11.3, 0.5, 100000, 1.8e-5} << 0.0 << kFPublicado << false << 0.1 << 1e-8;
        QTest::newRow("exact, rough")          << feeder << 0.5 << 0.0 << true << 0.98 << 1e-12;
        QTest::newRow("exact, smooth")         << feeder << 0.0 << 0.0 << true << 0.3 << 1e-12;
        // clang-format on
    }
    void p2_from_flow_from_p2_returns_p2() {
        QFETCH(Linea, l);
        QFETCH(double, rugosidadMm);
        QFETCH(double, fDado);
        QFETCH(bool, exacto);
        QFETCH(double, razon);
        QFETCH(double, tolerancia);
        const double dMm = l.dint * 1000;
        const auto colebrook = [=](double re) {
            return exacto ? vorlo::colebrookExacto(rugosidadMm, dMm, re)
                          : colebrookReferencia(rugosidadMm, dMm, re);
        };
        const Friccion f = fDado > 0 ? Friccion(fDado) : Friccion(FuncionFriccion(colebrook));
        const double p2 = l.p1 * razon;
        const Solucion caudal = resolverMasico(l, f, p2);
        QVERIFY(caudal.estado);
        QVERIFY(relativo(masicoDeEcuacion(l, caudal.estado->f, p2), caudal.estado->masico) < 1e-12);
        if (fDado == 0) {
            const double re = 4 * caudal.estado->masico / (std::numbers::pi * l.dint * 1.8e-5);
            QVERIFY(relativo(caudal.estado->f, *colebrook(re)) < 1e-11);
        }
        const Solucion vuelta = resolverP2(l, f, caudal.estado->masico);
        QVERIFY(vuelta.estado);
        QVERIFY2(relativo(vuelta.estado->p2, p2) < tolerancia,
                 qPrintable(QString::number(relativo(vuelta.estado->p2, p2))));
    }

    void invalid_inputs_give_no_result_with_a_reason_data() {
        QTest::addColumn<Linea>("l");
        QTest::addColumn<double>("f");
        QTest::addColumn<double>("valor"); // flow for resolverP2, P2 for resolverMasico
        QTest::addColumn<bool>("paraP2");
        QTest::addColumn<Motivo>("motivo");
        const double r = 11.3, d = 0.5, L = 1000, f = kFPublicado, p = 1e6;
        // clang-format off
        QTest::newRow("P1 zero")           << Linea{0, r, d, L, {}} << f << 100.0 << true << Motivo::P1NoValida;
        QTest::newRow("density nan")       << Linea{p, kNaN, d, L, {}} << f << 9e5 << false << Motivo::DensidadNoValida;
        QTest::newRow("diameter negative") << Linea{p, r, -0.5, L, {}} << f << 100.0 << true << Motivo::DiametroNoValido;
        QTest::newRow("length zero")       << Linea{p, r, d, 0, {}} << f << 100.0 << true << Motivo::LongitudNoValida;
        QTest::newRow("f nan")             << kPublicada << kNaN << 9e5 << false << Motivo::FriccionNoValida;
        QTest::newRow("flow negative")     << kPublicada << f << -5.0 << true << Motivo::CaudalNoValido;
        QTest::newRow("P2 zero")           << kPublicada << f << 0.0 << false << Motivo::P2NoValida;
        QTest::newRow("P2 equal to P1")    << kPublicada << f << p << false << Motivo::P2NoMenorQueP1;
        QTest::newRow("flow beyond the largest") << kPublicada << f << 1e6 << true << Motivo::Ahogada;
        QTest::newRow("flow past a double") << Linea{p, r, 1e-200, L, {}} << f << 1e200 << true << Motivo::FueraDeRango;
        QTest::newRow("infinitely rough")  << Linea{p, r, 1e-300, 1e300, {}} << 1e10 << 9e5 << false << Motivo::FueraDeRango;
        // clang-format on
    }
    void invalid_inputs_give_no_result_with_a_reason() {
        QFETCH(Linea, l);
        QFETCH(double, f);
        QFETCH(double, valor);
        QFETCH(bool, paraP2);
        const Solucion s = paraP2 ? resolverP2(l, f, valor) : resolverMasico(l, f, valor);
        QVERIFY(!s.estado);
        QTEST(s.motivo, "motivo");
    }

    void a_friction_function_without_answer_or_that_never_settles_is_reported() {
        const Linea l = kPublicada;
        const FuncionFriccion nada = [](double) { return std::optional<double>(); };
        QCOMPARE(resolverP2(l, nada, 100).motivo, Motivo::FriccionNoValida);
        QCOMPARE(resolverMasico(l, nada, 9e5).motivo, Motivo::FriccionNoValida);
        QCOMPARE(limiteAhogo(l, nada).motivo, Motivo::FriccionNoValida);
        const auto noNumero = [](double) { return std::optional<double>(kNaN); };
        QCOMPARE(resolverMasico(l, FuncionFriccion(noNumero), 9e5).motivo,
                 Motivo::FriccionNoValida);
        QCOMPARE(resolverP2(l, FuncionFriccion(), 100).motivo, Motivo::FriccionNoValida);
        // One that never settles ends the iteration at its bound.
        int llamadas = 0;
        const FuncionFriccion alterna = [&](double) {
            return std::optional<double>(++llamadas % 2 ? 0.01 : 0.04);
        };
        QCOMPARE(resolverMasico(l, alterna, 9e5).motivo, Motivo::SinConvergencia);
        QCOMPARE(llamadas, kIteracionesCaudal);
        QCOMPARE(limiteAhogo(l, alterna).motivo, Motivo::SinConvergencia);
    }

    void window_shows_what_its_inputs_allow_data() {
        QTest::addColumn<bool>("calcularP2");
        QTest::addColumn<QString>("vacio"); // the one input left empty
        QTest::addColumn<QString>("presentes");
        // clang-format off
        QTest::newRow("P2, all")           << true << "" << "p2 caida porc re f v1 v2 vlim";
        QTest::newRow("P2, no P1")         << true << "p1" << "re f v1";
        QTest::newRow("P2, no viscosity")  << true << "visc" << "v1 vlim";
        QTest::newRow("P2, no roughness")  << true << "rug" << "re v1 vlim";
        QTest::newRow("P2, no density")    << true << "rho" << "re f";
        QTest::newRow("P2, no flow")       << true << "masico" << "vlim";
        QTest::newRow("flow, all")         << false << "" << "masico caida porc re f v1 v2 vlim";
        QTest::newRow("flow, no diameter") << false << "dint" << "caida porc vlim";
        QTest::newRow("flow, no P2")       << false << "p2" << "vlim";
        // clang-format on
    }
    void window_shows_what_its_inputs_allow() {
        QFETCH(bool, calcularP2);
        QFETCH(QString, vacio);
        QFETCH(QString, presentes);
        Entradas e{8, 9.5, 80, 0.05, 1.8e-5, 300, 2000, 7.5, {}, calcularP2, false, {}};
        const QList<std::pair<QString, std::optional<double> *>> entradas = {
            {"p1", &e.p1Bar},        {"rho", &e.densidad1},   {"dint", &e.dintMm},
            {"rug", &e.rugosidadMm}, {"visc", &e.viscosidad}, {"masico", &e.masicoKgH},
            {"p2", &e.p2Bar}};
        for (const auto &[n, c] : entradas)
            if (n == vacio)
                c->reset();
        const Salidas s = calcularVentana(e, colebrookReferencia);
        const QStringList esperados = presentes.split(u' ');
        // clang-format off
        const QList<std::pair<QString, std::optional<double>>> campos = {{"masico", s.masicoKgH}, {"p2", s.p2Bar},
            {"caida", s.caidaBar}, {"porc", s.caidaPorcentaje}, {"re", s.re}, {"f", s.f}, {"v1", s.v1}, {"v2", s.v2}, {"vlim", s.vLimite}};
        // clang-format on
        for (const auto &[n, v] : campos)
            QVERIFY2(v.has_value() == esperados.contains(n), qPrintable(n));
    }

    void window_notes_data() {
        QTest::addColumn<bool>("calcularP2");
        QTest::addColumn<double>("valor"); // kg/h or bar a
        QTest::addColumn<Nota>("nota");
        // clang-format off
        QTest::newRow("small drop")           << false << 7.9 << Nota::Ninguna;
        QTest::newRow("drop shown as 10,0 %") << false << 7.1968 << Nota::Ninguna;
        QTest::newRow("drop shown as 10,1 %") << false << 7.1952 << Nota::CaidaGrande;
        QTest::newRow("large drop, for P2")   << true << 3000.0 << Nota::CaidaGrande;
        QTest::newRow("choked")               << true << 1e6 << Nota::Ahogada;
        QTest::newRow("choked, for the flow") << false << 0.5 << Nota::Ahogada;
        QTest::newRow("laminar")              << true << 1.0 << Nota::Laminar;
        QTest::newRow("P2 at P1")             << false << 8.0 << Nota::P2NoMenorQueP1;
        QTest::newRow("zero flow")            << true << 0.0 << Nota::DatoNoValido;
        // clang-format on
    }
    void window_notes() {
        QFETCH(bool, calcularP2);
        QFETCH(double, valor);
        QFETCH(Nota, nota);
        Entradas e{8, 9.5, 80, 0.05, 1.8e-5, 300, {}, {}, {}, calcularP2, false, {}};
        (calcularP2 ? e.masicoKgH : e.p2Bar) = valor;
        const Salidas s = calcularVentana(e, colebrookReferencia);
        QCOMPARE(s.nota, nota);
        QCOMPARE(s.masicoMaximoKgH.has_value(), nota == Nota::Ahogada);
        if (nota == Nota::Ahogada) {
            QVERIFY(!s.p2Bar && *s.p2AhogoBar > 0 && *s.p2AhogoBar < 8);
            const Linea l{8e5, 9.5, 0.08, 300, 1.8e-5};
            const Limite lim = limiteAhogo(l, colebrookPara(0.05, 80));
            QVERIFY(relativo(*s.masicoMaximoKgH, lim.ahogo->masicoMaximo * 3600) < 1e-14);
        }
    }

    // Each bad input is named with its reason; the general "not valid" note gives way to it.
    void bad_inputs_are_named_data() {
        QTest::addColumn<bool>("calcularP2");
        QTest::addColumn<QString>("campo");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("aviso"); // English; empty for none
        QTest::newRow("length negative") << true << campos::LLinea << "-5"
                                         << "Length: must be greater than zero";
        QTest::newRow("roughness zero") << true << campos::RugLinea << "0"
                                        << "";
        QTest::newRow("roughness negative") << true << campos::RugLinea << "-0,1"
                                            << "Roughness: cannot be negative";
        QTest::newRow("P1 with a unit") << true << campos::P1Linea << "10 bar"
                                        << "Inlet pressure P1: holds a unit or letters; type "
                                           "the number alone, in the field's unit";
        QTest::newRow("temperature below zero ºC") << true << campos::TLinea << "-20"
                                                   << "";
        QTest::newRow("temperature below absolute zero")
            << true << campos::TLinea << "-300"
            << "Gas temperature: must be above absolute zero, -273,15 ºC";
        QTest::newRow("flow in its mode") << true << campos::MasicoLinea << "0"
                                          << "Mass flow: must be greater than zero";
        QTest::newRow("flow out of its mode") << false << campos::MasicoLinea << "0"
                                              << "";
        QTest::newRow("P2 in its mode") << false << campos::P2Linea << "1,2,3"
                                        << "Outlet pressure P2: is not a number";
    }
    void bad_inputs_are_named() {
        QFETCH(bool, calcularP2);
        QFETCH(QString, campo);
        QFETCH(QString, texto);
        QFETCH(QString, aviso);
        QHash<QString, QString> t = {{campos::P1Linea, "10"},        {campos::Densidad1, "11,3"},
                                     {campos::DLinea, "500"},        {campos::RugLinea, "0,05"},
                                     {campos::ViscLinea, "1,1E-05"}, {campos::LLinea, "1000"},
                                     {campos::MasicoLinea, "1000"},  {campos::P2Linea, "9"}};
        t[campo] = texto;
        const auto leer = [&t](const QString &n) { return t.value(n); };
        const vorlo::TextoBilingue a = avisoEntradas(leer, calcularP2, false);
        QCOMPARE(a.ingles, aviso);
        QCOMPARE(a.espanol.isEmpty(), aviso.isEmpty());
        const NotaVentana n = notaVentana(
            calcularVentana(entradasDe(leer, calcularP2, false), &vorlo::colebrookExacto), a);
        QCOMPARE(n.roja, !aviso.isEmpty());
        QVERIFY2(aviso.isEmpty() || (n.texto.ingles.startsWith(aviso) &&
                                     !n.texto.ingles.contains("A value is not valid")),
                 qPrintable(n.texto.ingles));
    }

    // Numbers below 1 in the note's sentences keep their leading zero.
    void choked_note_writes_leading_zeros() {
        Salidas s;
        s.nota = Nota::Ahogada;
        s.masicoMaximoKgH = 0.5;
        s.p2AhogoBar = 0.1349;
        const vorlo::TextoBilingue t = textoNota(s);
        QVERIFY2(t.ingles.contains("0,50\u00A0kg/\u2060h") &&
                     t.ingles.contains("0,1349\u00A0bar\u00A0a"),
                 qPrintable(t.ingles));
        QVERIFY(t.espanol.contains("0,1349\u00A0bar"));
    }

    // Choked solving for P2, the flow given cannot pass: no P2, no drop, no outlet velocity.
    // Choked solving for the flow, the line carries its largest flow: the outlet at the choking
    // pressure and at the limit velocity, the drop down to that pressure, never to the P2 given.
    void choked_line_results_data() {
        QTest::addColumn<bool>("calcularP2");
        QTest::addColumn<double>("valor"); // kg/h or bar a
        QTest::addColumn<double>("f");     // 0: Colebrook's
        // clang-format off
        QTest::newRow("for P2, flow beyond the largest") << true << 1e6 << 0.0;
        QTest::newRow("for the flow, Colebrook")         << false << 0.5 << 0.0;
        QTest::newRow("for the flow, f given")           << false << 0.5 << 0.03;
        QTest::newRow("for the flow, P2 just below")     << false << 0.7 << 0.03;
        // clang-format on
    }
    void choked_line_results() {
        QFETCH(bool, calcularP2);
        QFETCH(double, valor);
        QFETCH(double, f);
        Entradas e{8, 9.5, 80, 0.05, 1.8e-5, 300, {}, {}, {}, calcularP2, f > 0, {}};
        (calcularP2 ? e.masicoKgH : e.p2Bar) = valor;
        if (f > 0)
            e.f = f;
        const Salidas s = calcularVentana(e, colebrookReferencia);
        QCOMPARE(s.nota, Nota::Ahogada);
        QVERIFY(!s.p2Bar && s.masicoMaximoKgH && s.p2AhogoBar && s.v1);
        if (calcularP2) {
            QVERIFY(!s.masicoKgH && !s.caidaBar && !s.caidaPorcentaje && !s.v2);
            return;
        }
        QVERIFY(*s.p2AhogoBar > valor);
        const Linea l{8e5, 9.5, 0.08, 300, 1.8e-5};
        const double p2Ahogo = *s.p2AhogoBar * 1e5;
        const double masico = *s.masicoKgH / 3600;
        const double vLimite = std::sqrt(l.p1 / l.densidad1);
        QCOMPARE(*s.masicoKgH, *s.masicoMaximoKgH);
        // The outlet at the limit velocity, and the flow equation met at the choking pressure
        // with the f of that flow.
        QVERIFY(relativo(*s.v2, vLimite) < 1e-9);
        QVERIFY(relativo(masico, vLimite * (p2Ahogo / l.p1) * area(l) * l.densidad1) < 1e-9);
        const double fUsado = f > 0 ? f : *s.f;
        QVERIFY(f > 0 ? !s.f : relativo(*s.f, *colebrookReferencia(0.05, 80, *s.re)) < 1e-9);
        QVERIFY(relativo(masico, masicoDeEcuacion(l, fUsado, p2Ahogo)) < 1e-9);
        QVERIFY(relativo(*s.re, 4 * masico / (std::numbers::pi * l.dint * 1.8e-5)) < 1e-12);
        QVERIFY(relativo(*s.caidaBar, 8 - *s.p2AhogoBar) < 1e-12);
        QVERIFY(relativo(*s.caidaPorcentaje, 100 * (8 - *s.p2AhogoBar) / 8) < 1e-12);
    }
};

VORLO_PRUEBA(TestGasLine, SinAplicacion)
#include "tst_gasline.moc"
