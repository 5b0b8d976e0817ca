#include "fields/language.h"
#include "fields/numbers.h"
#include "pipeflow/friccion_exacta.h"
#include "pipeflow/pipe_flow.h"

#include <QTest>

#include "../support/runner.h"
#include <cmath>

using namespace vorlo;
namespace t = vorlo::tuberia;

namespace {

using Textos = QList<std::pair<QString, QString>>;
using Valores = QHash<QString, double>;

// Settles the exact mode over `c`, as a window's nested and timer passes do.
bool asentarExacto(CamposMapa &c, ValoresExactos &v, const QString &idioma = kIngles) {
    return settle(c,
                  [&](CamposTexto &x) {
                      CalcularTuberiaExacta(x, idioma, v);
                      PasoFriccionExacta(x, idioma, &v);
                  })
        .has_value();
}

CamposMapa campos(const Textos &textos, bool cinematica = false) {
    CamposMapa c;
    for (const auto &[campo, texto] : textos)
        c.escribir(campo, texto);
    c.fijarOpcion(t::Option1, true);
    c.fijarOpcion(cinematica ? t::Option4 : t::Option3, true);
    return c;
}

// What a shown text may differ from the exact value by: half its last digit.
double mediaCifra(const QString &campo, double x) {
    const Formato f = t::campos().campo(campo)->formato;
    if (f.tipo == Formato::Fijo)
        return 0.5 * std::pow(10.0, -f.cifras);
    return std::fabs(x) * 1e-14; // the plain form: fifteen digits
}

} // namespace

class TestPipeFlowExacto : public QObject {
    Q_OBJECT
  private slots:
    // The reference values were computed apart, in Python (double precision), from the
    // formulas as an engineer writes them: V = Q/(3600·π·D²/4); Re = ρ·V·D/µ (or V·D/ν);
    // f = 64/Re below Re 2000, else the Colebrook root by 400 bisections on 1/√f; drop per
    // metre f/D·ρ·V²/2; head Δz + f·(L/D)·V²/(2g); total (drop·L + ρ·g·Δz)/10^5; fittings
    // K·ρ·V²/2/10^5; g = 9,80665.
    void results_are_those_of_the_formulas_data() {
        QTest::addColumn<Textos>("entradas");
        QTest::addColumn<bool>("cinematica");
        QTest::addColumn<Valores>("esperados");
        const auto caso = [](double q, double rho, const char *mu, double d, const char *rug,
                             double l, double dz, const char *k) {
            return Textos{
                {t::Qproceso, *formatoPlano(q)},          {t::dproceso, *formatoPlano(rho)},
                {t::vdinamica, QString::fromLatin1(mu)},  {t::dint, *formatoPlano(d)},
                {t::Rugosidad, QString::fromLatin1(rug)}, {t::L, *formatoPlano(l)},
                {t::Desnivel, *formatoPlano(dz)},         {t::ktotal, QString::fromLatin1(k)}};
        };
        // clang-format off
        // A smooth 1000 mm line at Re 1,06·10^7: the root lies below the grid, which gives
        // 0,5619 bar over 100 m against 0,4514 exactly.
        QTest::newRow("clipped below the grid") << caso(30000, 998, "0,001", 1000, "0", 100, 0, "") << false
            << Valores{{t::Vproceso, 10.61032953945969}, {t::Re, 10589108.88038077}, {t::ffinal, 0.008035809384603765},
                       {t::DP, 0.45142740163084166}, {t::DPbar, 0.004514274016308417},
                       {t::DPtotalm, 4.612503411076834}, {t::DPbarTotal, 0.4514274016308416}};
        // A viscous oil: Re 1,95 would be shown "2", and 64/2 is 2 % off.
        QTest::newRow("laminar, viscous oil") << caso(36, 998, "65", 100, "0,05", 100, 0, "2") << false
            << Valores{{t::Vproceso, 1.2732395447351625}, {t::Re, 1.9549124086856804}, {t::ffinal, 32.73803967668723},
                       {t::DP, 264.8338253049138}, {t::DPbar, 2.648338253049138}, {t::DPtotalm, 2705.9653848535568},
                       {t::DPbarTotal, 264.83382530491383}, {t::PerdidaAccesorios, 0.016178966604008492},
                       {t::PcargaTuberiaYaccesorios, 264.85000427151783}};
        QTest::newRow("worked example") << caso(36, 998, "0,001", 100, "0,05", 100, 5, "2") << false
            << Valores{{t::Vproceso, 1.2732395447351625}, {t::Re, 127069.30656456923}, {t::ffinal, 0.019731859700870765},
                       {t::DP, 0.1596205495676845}, {t::DPbar, 0.0015962054956768451}, {t::DPtotalm, 6.630938500186523},
                       {t::DPbarTotal, 0.6489723845676845}, {t::PerdidaAccesorios, 0.016178966604008492},
                       {t::PcargaTuberiaYaccesorios, 0.665151351171693}};
        QTest::newRow("transition zone") << caso(1, 1000, "0,0012", 100, "0,05", 20, 1, "3") << false
            << Valores{{t::Vproceso, 0.035367765131532294}, {t::Re, 2947.3137609610253}, {t::ffinal, 0.04420143813320694},
                       {t::DP, 0.00027645321175000557}, {t::DPbar, 2.764532117500056e-06}, {t::DPtotalm, 1.0005638076443026},
                       {t::DPbarTotal, 0.09812179064235}, {t::PerdidaAccesorios, 1.8763182155988474e-05},
                       {t::PcargaTuberiaYaccesorios, 0.098140553824506}};
        QTest::newRow("rough, downhill") << caso(500, 998, "0,001", 100, "5", 50, -2, "1,5") << false
            << Valores{{t::Vproceso, 17.683882565766147}, {t::Re, 1764851.4800634615}, {t::ffinal, 0.07156375268148468},
                       {t::DP, 111.67318332284567}, {t::DPbar, 1.1167318332284566}, {t::DPtotalm, 568.5158095649406},
                       {t::DPbarTotal, 55.64085092742283}, {t::PerdidaAccesorios, 2.3407069739595623},
                       {t::PcargaTuberiaYaccesorios, 57.981557901382395}};
        Textos cinematica = caso(36, 998, "", 100, "0,05", 100, 5, "2");
        cinematica << std::pair{t::Vcinematica, QStringLiteral("0,000001")};
        QTest::newRow("kinematic viscosity") << cinematica << true
            << Valores{{t::Vproceso, 1.2732395447351625}, {t::Re, 127323.95447351628}, {t::ffinal, 0.019727234744438455},
                       {t::DP, 0.1595831360598529}, {t::DPbar, 0.0015958313605985287}, {t::DPtotalm, 6.630556224029005},
                       {t::DPbarTotal, 0.6489349710598529}, {t::PcargaTuberiaYaccesorios, 0.6651139376638614}};
        // clang-format on
    }
    void results_are_those_of_the_formulas() {
        QFETCH(Textos, entradas);
        QFETCH(bool, cinematica);
        QFETCH(Valores, esperados);
        CamposMapa c = campos(entradas, cinematica);
        ValoresExactos v;
        QVERIFY(asentarExacto(c, v));
        for (auto it = esperados.cbegin(); it != esperados.cend(); ++it) {
            const QString texto = c.texto(it.key());
            const auto mostrado = leerNumero(texto);
            QVERIFY2(mostrado, qPrintable(it.key() + ": '" + texto + "'"));
            // The shown text is the exact value, rounded only where it is shown...
            QVERIFY2(std::fabs(*mostrado - it.value()) <= mediaCifra(it.key(), it.value()),
                     qPrintable(QStringLiteral("%1 shows %2, exact %3")
                                    .arg(it.key(), texto)
                                    .arg(it.value(), 0, 'g', 17)));
            // ... and the value behind it is the exact one.
            const auto detras = v.valor(it.key(), texto);
            QVERIFY2(detras && std::fabs(*detras - it.value()) <= 1e-12 * std::fabs(it.value()),
                     qPrintable(it.key()));
        }
        // The results say they use the exact root (none in laminar flow).
        const bool laminar = esperados.value(t::Re) < kReLaminar;
        QCOMPARE(c.texto(t::Labelfexacta),
                 laminar ? friccion::kNotaLaminar.ingles : friccion::kNotaResultadosExactos.ingles);
        QCOMPARE(c.color(t::Labelfexacta), ColorNota::Normal);
    }

    // Where the fixed format would leave fewer than four significant digits, the exact mode
    // shows four (an exponent below 1e-4); the defined pass keeps its format. 1e-6 m3/h of
    // water in 100 mm, by hand: V 3,53678e-8 m/s, Re 0,00352970, f = 64/Re 18.131,84,
    // drop 1,13177e-10 kPa/m.
    void small_results_keep_four_digits_data() {
        QTest::addColumn<QString>("campo");
        QTest::addColumn<QString>("exacto");
        QTest::newRow("velocity") << t::Vproceso << "3,537E-08";
        QTest::newRow("Re") << t::Re << "0,003530";
        QTest::newRow("f keeps its decimals") << t::ffinal << "18.131,8374";
        QTest::newRow("drop kPa/m") << t::DP << "1,132E-10";
        QTest::newRow("drop bar/m") << t::DPbar << "1,132E-12";
    }
    void small_results_keep_four_digits() {
        QFETCH(QString, campo);
        const Textos entradas = {{t::Qproceso, "0,000001"},
                                 {t::dproceso, "998"},
                                 {t::vdinamica, "0,001"},
                                 {t::dint, "100"},
                                 {t::Rugosidad, "0,05"}};
        CamposMapa c = campos(entradas);
        ValoresExactos v;
        QVERIFY(asentarExacto(c, v));
        QTEST(c.texto(campo), "exacto");
        CamposMapa d = campos(entradas);
        QVERIFY(settle(d, [](CamposTexto &x) { CalcularTuberia(x, kIngles); }));
        QCOMPARE(d.texto(t::Vproceso), ",0000");
    }

    // The rules of which results show are the defined pass's: the same fields are empty, in
    // every combination of missing inputs, and the notes read the same.
    void the_same_fields_show_as_in_the_defined_pass() {
        const Textos todas = {{t::Qproceso, "36"}, {t::dproceso, "998"},   {t::vdinamica, "0,001"},
                              {t::dint, "100"},    {t::Rugosidad, "0,05"}, {t::L, "100"},
                              {t::Desnivel, "5"},  {t::ktotal, "2"}};
        for (int mascara = 0; mascara < (1 << todas.size()); ++mascara) {
            Textos entradas;
            for (int i = 0; i < todas.size(); ++i)
                if (mascara & (1 << i))
                    entradas << todas[i];
            CamposMapa definido = campos(entradas);
            QVERIFY(settle(definido, [](CamposTexto &x) {
                CalcularTuberia(x, kIngles);
                PasoFriccionExacta(x, kIngles);
            }));
            CamposMapa exacto = campos(entradas);
            ValoresExactos v;
            QVERIFY(asentarExacto(exacto, v));
            for (const QString &n : t::campos().todos()) {
                if (n == t::Labelfexacta)
                    continue;
                QVERIFY2(definido.texto(n).isEmpty() == exacto.texto(n).isEmpty(),
                         qPrintable(QStringLiteral("%1 with inputs %2").arg(n).arg(mascara)));
            }
            QCOMPARE(exacto.texto(t::laminarturbulento), definido.texto(t::laminarturbulento));
            QCOMPARE(exacto.texto(t::Labelffriccion), definido.texto(t::Labelffriccion));
        }
    }

    // A typed velocity (no flow) is used as typed; a rounded text is never read back once its
    // unrounded value is known, whatever order the inputs come in.
    void typed_values_and_input_order() {
        CamposMapa c = campos({{t::Vproceso, "2"},
                               {t::dproceso, "1000"},
                               {t::vdinamica, "0,001"},
                               {t::dint, "50"},
                               {t::Rugosidad, "0"}});
        ValoresExactos v;
        QVERIFY(asentarExacto(c, v));
        QCOMPARE(c.texto(t::Re), "100.000");
        QCOMPARE(v.valor(t::Re, "100.000"), std::optional(100000.0));

        CamposMapa a = campos({{t::dint, "100"}, {t::dproceso, "998"}, {t::Qproceso, "36"}});
        CamposMapa b = campos({{t::Qproceso, "36"}, {t::dint, "100"}, {t::dproceso, "998"}});
        ValoresExactos va;
        ValoresExactos vb;
        for (CamposMapa *x : {&a, &b})
            QVERIFY(asentarExacto(*x, x == &a ? va : vb));
        a.escribir(t::vdinamica, "0,001");
        QVERIFY(asentarExacto(a, va));
        b.escribir(t::vdinamica, "0,001");
        QVERIFY(asentarExacto(b, vb));
        QCOMPARE(a.textos(), b.textos());
        QCOMPARE(va.valor(t::Re, a.texto(t::Re)), vb.valor(t::Re, b.texto(t::Re)));
    }
};

VORLO_PRUEBA(TestPipeFlowExacto, SinAplicacion)
#include "tst_pipe_flow_exacto.moc"
