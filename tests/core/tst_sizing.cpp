#include "fields/field_texts.h"
#include "sizing/sizing.h"
#include "sizing/sizing_fields.h"

#include <QTest>

#include "../support/runner.h"
#include <algorithm>
#include <cmath>
#include <limits>

using namespace vorlo;

Q_DECLARE_METATYPE(vorlo::EntradaDimensionado)
Q_DECLARE_METATYPE(vorlo::MotivoInvalido)
Q_DECLARE_METATYPE(vorlo::NormaTuberia)
Q_DECLARE_METATYPE(vorlo::Lengua)

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kSinLimite = -1; // a criterion column's "absent"

EntradaDimensionado fluido(double q, double rho, double mu, double rug,
                           NormaTuberia norma = NormaTuberia::AsmeB3610M,
                           const QString &cedula = QStringLiteral("40")) {
    return {q, rho, mu, rug, std::nullopt, std::nullopt, norma, cedula};
}

EntradaDimensionado agua50(double vmax = kSinLimite, double dpmax = kSinLimite) {
    EntradaDimensionado e = fluido(50, 998, 0.001, 0.045);
    if (vmax != kSinLimite)
        e.velocidadMaxima = vmax;
    if (dpmax != kSinLimite)
        e.perdidaMaxima = dpmax;
    return e;
}

int dnElegido(const Dimensionado &d) {
    return d.eleccion() ? d.eleccion()->tuberia.dn : -1;
}

bool cerca(double a, double b, double rel) {
    return std::abs(a - b) <= rel * std::abs(b);
}

} // namespace

class TestSizing : public QObject {
    Q_OBJECT
  private slots:
    // Hand computation, independent of the code (mpmath, 40 digits, Colebrook by bisection):
    //   from mpmath import mp, mpf, pi, log10; mp.dps = 40
    //   d = mpf(dmm)/1000; v = q/(3600*pi*d*d/4); re = rho*v*d/mu
    //   f = 64/re if re < 2000 else root of 1/sqrt(f) + 2 log10(e/(3.7 dmm) + 2.51/(re sqrt f))
    //   dp = f/d*rho*v*v/2*100/1e5
    void rows_data() {
        QTest::addColumn<EntradaDimensionado>("e");
        QTest::addColumn<int>("dn");
        QTest::addColumn<QList<double>>("esperado"); // v, Re, f, drop
        const auto b19 = NormaTuberia::AsmeB3619M;
        const auto en = NormaTuberia::En10255;
        const auto b10 = NormaTuberia::AsmeB3610M;
        QTest::newRow("4\" Sch 40, water") << agua50() << 100
                                           << QList{1.6910873677694726, 172584.73303965006,
                                                    0.018788430684786652, 0.26219074342819128};
        QTest::newRow("2\" Sch 80, smooth") << fluido(10, 998, 0.001, 0, b10, "80") << 50
                                            << QList{1.4599043382963709, 71712.778547885478,
                                                     0.019303611029107761, 0.41710586099143572};
        QTest::newRow("2 1/2\" 10S") << fluido(20, 998, 0.001, 0.015, b19, "10S") << 65
                                     << QList{1.5804668025825436, 105521.76263458663,
                                              0.018952393719648774, 0.35310937953610582};
        QTest::newRow("DN 50 EN 10255 M") << fluido(8, 998, 0.001, 0.015, en, "M") << 50
                                          << QList{1.0034796338935468, 53178.199022627843,
                                                   0.021616214044149422, 0.20455155343279342};
        // Laminar: 64/Re, whatever the roughness.
        QTest::newRow("2\" Sch 40, oil, Re 293") << fluido(5, 870, 0.1, 0.045) << 50
                                                 << QList{0.64208122278892796, 293.15887637607754,
                                                          0.21831165677514021, 0.7460231340033463};
        // Either side of Re 2000 in neighbouring sizes: 64/Re below, Colebrook above.
        QTest::newRow("2\" Sch 40, Re 1990: 64/Re")
            << fluido(5, 870, 0.01473, 0.045) << 50
            << QList{0.64208122278892796, 1990.2164044540228, 0.032157307042978152,
                     0.1098892076386929};
        QTest::newRow("1 1/2\" Sch 40, Re 2551: Colebrook")
            << fluido(5, 870, 0.01473, 0.045) << 40
            << QList{1.0550716304226204, 2551.2104764471694, 0.046680972318200746,
                     0.55213490471209632};
    }
    void rows() {
        QFETCH(EntradaDimensionado, e);
        QFETCH(int, dn);
        QFETCH(QList<double>, esperado);
        const Dimensionado d = dimensionar(e);
        const auto fila = std::find_if(d.filas.cbegin(), d.filas.cend(),
                                       [dn](const auto &r) { return r.tuberia.dn == dn; });
        QVERIFY(fila != d.filas.cend());
        QVERIFY(fila->tuberia.cedula == e.cedula && fila->tuberia.norma == e.norma);
        QVERIFY(fila->f && fila->perdida);
        const QList<double> calculado = {fila->velocidad, fila->re, *fila->f, *fila->perdida};
        for (qsizetype i = 0; i < 4; ++i) // f within the exact root's 1e-13
            QVERIFY2(cerca(calculado.at(i), esperado.at(i), i < 2 ? 1e-14 : 1e-13),
                     qPrintable(QString::number(calculado.at(i), 'g', 17)));
    }

    // 50 m3/h of water, ASME B36.10M Sch 40: the 26 sizes from 1/8" to 36" in order, and the
    // smallest within the limits (the same hand computation over every size).
    void pick_data() {
        QTest::addColumn<double>("vmax");
        QTest::addColumn<double>("dpmax");
        QTest::addColumn<int>("dn");
        QTest::newRow("velocity only, 1.691 within 1.70") << 1.70 << kSinLimite << 100;
        QTest::newRow("drop only, 0.4949 within 0.495") << kSinLimite << 0.495 << 90;
        QTest::newRow("both, the drop decides") << 2.5 << 0.2 << 125;
        QTest::newRow("both, the velocity decides") << 1.0 << 0.5 << 150;
        QTest::newRow("velocity met by none") << 0.01 << kSinLimite << -1;
        QTest::newRow("drop met by none") << kSinLimite << 1e-7 << -1;
        QTest::newRow("each met, never both") << 2.0 << 1e-7 << -1;
        QTest::newRow("no limits: no pick") << kSinLimite << kSinLimite << -1;
    }
    void pick() {
        QFETCH(double, vmax);
        QFETCH(double, dpmax);
        QFETCH(int, dn);
        const Dimensionado d = dimensionar(agua50(vmax, dpmax));
        QVERIFY(!d.motivo);
        QCOMPARE(d.filas.size(), 26);
        QCOMPARE(d.filas.first().tuberia.dn, 6);
        QCOMPARE(d.filas.last().tuberia.dn, 900);
        QCOMPARE(dnElegido(d), dn);
        // No smaller size meets the limits; the pick does.
        const bool sinLimites = vmax == kSinLimite && dpmax == kSinLimite;
        const qsizetype elegida = sinLimites ? 0 : d.elegida.value_or(d.filas.size());
        for (qsizetype i = 0; i < elegida; ++i)
            QVERIFY(!d.filas.at(i).cumple());
        QVERIFY(!d.eleccion() || d.eleccion()->cumple());
        QCOMPARE(textoResultado(d), sinLimites ? textoSinCriterio()
                                    : dn < 0   ? textoNingunoCumple()
                                               : textoEleccion(*d.eleccion()));
    }

    // A limit met exactly is met: each row's own velocity and drop, taken as the limit, pick
    // that row (the sizes are monotonic, so no smaller one meets it).
    void a_row_exactly_on_a_limit_is_picked_data() {
        QTest::addColumn<bool>("velocidad");
        QTest::addColumn<int>("fila");
        QTest::newRow("velocity of 4\"") << true << 12;
        QTest::newRow("drop of 3 1/2\"") << false << 11;
        QTest::newRow("velocity of 1/8\"") << true << 0;
    }
    void a_row_exactly_on_a_limit_is_picked() {
        QFETCH(bool, velocidad);
        QFETCH(int, fila);
        const FilaDimensionado r = dimensionar(agua50(0.01)).filas.at(fila);
        const Dimensionado d =
            dimensionar(velocidad ? agua50(r.velocidad) : agua50(kSinLimite, *r.perdida));
        QCOMPARE(d.elegida, std::optional<qsizetype>(fila));
    }

    // Roughness 30 mm: e/D = 4.4 in 1/8" Sch 40, so Colebrook has no root there.
    void size_without_friction_factor_data() {
        QTest::addColumn<double>("dpmax");
        QTest::addColumn<int>("dn");
        // A size whose drop cannot be computed is never picked, whatever the limits.
        QTest::newRow("velocity limit only: not picked") << kSinLimite << 8;
        QTest::newRow("a drop limit: not met") << 1e12 << 8;
    }
    void size_without_friction_factor() {
        QFETCH(double, dpmax);
        QFETCH(int, dn);
        EntradaDimensionado e = agua50(1000, dpmax);
        e.rugosidad = 30;
        const Dimensionado d = dimensionar(e);
        QCOMPARE(d.filas.first().tuberia.dn, 6);
        QVERIFY(!d.filas.first().f && !d.filas.first().perdida);
        QVERIFY(d.filas.at(1).f);
        QVERIFY(!d.filas.first().cumple());
        QCOMPARE(dnElegido(d), dn);
        QCOMPARE(celdasDimensionado(d.filas.first(), Lengua::Ingles).mid(4, 2),
                 (QStringList{QString(), QString()}));
        QCOMPARE(textoEleccion(d.filas.first()).ingles,
                 QStringLiteral("1/8\" Sch 40 — 377,98 m/s"));
    }

    // Above ε/D 0,05 the Colebrook factor is extrapolated: said up to the largest such size.
    void extrapolated_factor_is_said_data() {
        QTest::addColumn<double>("rugosidad");
        QTest::addColumn<double>("viscosidad");
        QTest::addColumn<QString>("hasta"); // empty: no warning
        QTest::newRow("commercial steel") << 0.045 << 0.001 << "";
        // 1/15,80 = 0,063 in 1/2"; 1/20,93 = 0,048 in 3/4".
        QTest::newRow("1 mm: up to 1/2\"") << 1.0 << 0.001 << "1/2\" Sch 40";
        // 30/574,65 = 0,052 in 24"; 30/777,8 = 0,039 in 32".
        QTest::newRow("30 mm: up to 24\"") << 30.0 << 0.001 << "24\" Sch 40";
        // Laminar in every size: 64/Re, no Colebrook to extrapolate.
        QTest::newRow("1 mm, laminar") << 1.0 << 1000.0 << "";
    }
    void extrapolated_factor_is_said() {
        QFETCH(double, rugosidad);
        QFETCH(double, viscosidad);
        QFETCH(QString, hasta);
        EntradaDimensionado e = agua50(3);
        e.rugosidad = rugosidad;
        e.viscosidad = viscosidad;
        const Dimensionado d = dimensionar(e);
        const auto aviso = textoExtrapolado(d);
        QCOMPARE(aviso.has_value(), !hasta.isEmpty());
        if (!aviso)
            return;
        QCOMPARE(aviso->ingles, QStringLiteral("ε/D above 0,05 up to %1: the Colebrook factor of "
                                               "those sizes is extrapolated beyond the Moody chart")
                                    .arg(hasta));
        QVERIFY(textoResultado(d).espanol.endsWith(aviso->espanol));
    }

    void invalid_input_data() {
        QTest::addColumn<EntradaDimensionado>("e");
        QTest::addColumn<MotivoInvalido>("motivo");
        const auto con = [](auto campo, double valor) {
            EntradaDimensionado e = agua50();
            e.*campo = valor;
            return e;
        };
        using E = EntradaDimensionado;
        using M = MotivoInvalido;
        QTest::newRow("flow 0") << con(&E::caudal, 0) << M::Caudal;
        QTest::newRow("flow NaN") << con(&E::caudal, kNaN) << M::Caudal;
        QTest::newRow("density -1") << con(&E::densidad, -1) << M::Densidad;
        QTest::newRow("density inf") << con(&E::densidad, kInf) << M::Densidad;
        QTest::newRow("viscosity 0") << con(&E::viscosidad, 0) << M::Viscosidad;
        QTest::newRow("roughness -0.01") << con(&E::rugosidad, -0.01) << M::Rugosidad;
        QTest::newRow("roughness NaN") << con(&E::rugosidad, kNaN) << M::Rugosidad;
        QTest::newRow("vmax 0") << agua50(0) << M::VelocidadMaxima;
        QTest::newRow("dpmax NaN") << agua50(kSinLimite, kNaN) << M::PerdidaMaxima;
        E sinCedula = agua50();
        sinCedula.cedula = QStringLiteral("40S"); // stainless only
        QTest::newRow("schedule not in the standard") << sinCedula << M::Cedula;
    }
    void invalid_input() {
        QFETCH(EntradaDimensionado, e);
        QFETCH(MotivoInvalido, motivo);
        const Dimensionado d = dimensionar(e);
        QCOMPARE(d.motivo, std::optional(motivo));
        QVERIFY(d.filas.isEmpty());
        QVERIFY(!d.eleccion());
        QCOMPARE(textoResultado(d), textoMotivo(motivo));
    }

    void schedules_data() {
        QTest::addColumn<NormaTuberia>("norma");
        QTest::addColumn<QStringList>("cedulas");
        QTest::newRow("B36.10M") << NormaTuberia::AsmeB3610M
                                 << QStringList{"5",   "10",  "20",  "30",  "40",  "60", "80",
                                                "100", "120", "140", "160", "STD", "XS", "XXS"};
        QTest::newRow("B36.19M") << NormaTuberia::AsmeB3619M
                                 << QStringList{"5S", "10S", "40S", "80S"};
        QTest::newRow("EN 10255") << NormaTuberia::En10255 << QStringList{"M", "H"};
    }
    void schedules() {
        QFETCH(NormaTuberia, norma);
        QFETCH(QStringList, cedulas);
        QCOMPARE(cedulasDe(norma), cedulas);
        QVERIFY(cedulas.contains(cedulaPorDefecto(norma)));
    }

    // The window's texts in the app's number form.
    void texts_data() {
        QTest::addColumn<Lengua>("lengua");
        QTest::addColumn<QStringList>("celdas");
        QTest::addColumn<QString>("ninguno");
        QTest::newRow("es") << Lengua::Espanol
                            << QStringList{"4\" (DN 100)", "102,26", "1,69", "172.585",
                                           ",0188",        ",2622",  "Sí"}
                            << "Ningún tamaño cumple los criterios";
        QTest::newRow("en") << Lengua::Ingles
                            << QStringList{"4\" (DN 100)", "102,26", "1,69", "172.585",
                                           ",0188",        ",2622",  "Yes"}
                            << "No size meets the criteria";
    }
    void texts() {
        QFETCH(Lengua, lengua);
        QFETCH(QStringList, celdas);
        QFETCH(QString, ninguno);
        const Dimensionado d = dimensionar(agua50(2.0));
        QCOMPARE(textoResultado(d).en(lengua),
                 QStringLiteral("4\" Sch 40 — 1,69 m/s, 0,262 bar/100 m"));
        QCOMPARE(celdasDimensionado(*d.eleccion(), lengua), celdas);
        QCOMPARE(columnasDimensionado().size(), celdas.size());
        QCOMPARE(columnasDimensionado().at(1).titulo.en(lengua),
                 lengua == Lengua::Espanol ? QStringLiteral("DI mm") : QStringLiteral("ID mm"));
        QCOMPARE(celdasDimensionado(d.filas.constFirst(), lengua).constLast(),
                 QStringLiteral("No"));
        QCOMPARE(textoNingunoCumple().en(lengua), ninguno);
    }

    // The window's texts read into the inputs: an empty limit is absent, an unreadable text is
    // named in the reason.
    void inputs_from_texts_data() {
        QTest::addColumn<QString>("campo");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<int>("dn");
        QTest::addColumn<int>("motivo");    // -1: none
        QTest::addColumn<QString>("aviso"); // what is wrong with the text, in Spanish
        namespace n = dimensionado;
        const int caudal = int(MotivoInvalido::Caudal);
        // clang-format off
        QTest::newRow("limits empty: no pick") << n::VmaxDim << "" << -1 << -1 << "";
        QTest::newRow("vmax 2") << n::VmaxDim << "2" << 100 << -1 << "";
        QTest::newRow("dpmax 0,5") << n::DPmaxDim << "0,5" << 90 << -1 << "";
        QTest::newRow("dpmax unreadable") << n::DPmaxDim << "x" << -1
            << int(MotivoInvalido::PerdidaMaxima) << "Pérdida máxima: lleva una unidad o letras; escriba solo el número, en la unidad del campo";
        QTest::newRow("flow empty") << n::QDim << "" << -1 << caudal << "";
        QTest::newRow("flow with a point") << n::QDim << "50.5" << -1 << caudal
            << "Caudal: tiene un punto donde se espera la coma decimal";
        QTest::newRow("flow with its unit") << n::QDim << "50 m3/h" << -1 << caudal
            << "Caudal: lleva una unidad o letras; escriba solo el número, en la unidad del campo";
        QTest::newRow("flow not a number") << n::QDim << "1,8-5" << -1 << caudal
            << "Caudal: no es un número";
        QTest::newRow("vmax zero") << n::VmaxDim << "0" << -1
            << int(MotivoInvalido::VelocidadMaxima) << "Velocidad máxima: debe ser mayor que cero";
        // clang-format on
    }
    void inputs_from_texts() {
        QFETCH(QString, campo);
        QFETCH(QString, texto);
        QFETCH(int, dn);
        QFETCH(int, motivo);
        namespace n = dimensionado;
        CamposMapa c(
            {{n::QDim, "50"}, {n::DensidadDim, "998"}, {n::ViscDim, "0,001"}, {n::RugDim, ",045"}});
        c.escribir(campo, texto);
        const Dimensionado d =
            dimensionar(entradaDesdeTextos(c, NormaTuberia::AsmeB3610M, QStringLiteral("40")));
        QCOMPARE(d.motivo ? int(*d.motivo) : -1, motivo);
        QCOMPARE(dnElegido(d), dn);
        QTEST(problemaTextosDimensionado(c).value_or(TextoBilingue{}).espanol, "aviso");
    }

    void field_table() {
        const TablaCampos &t = tablaDimensionado();
        namespace n = dimensionado;
        QCOMPARE(t.todos(), (QStringList{n::QDim, n::DensidadDim, n::ViscDim, n::RugDim, n::VmaxDim,
                                         n::DPmaxDim}));
        QCOMPARE(t.conMarca(Opcional), (QStringList{n::VmaxDim, n::DPmaxDim}));
        QCOMPARE(t.campo(n::QDim)->rotulo, (TextoBilingue{"Caudal", "Flow rate"}));
        QCOMPARE(t.campo(n::VmaxDim)->rotulo,
                 (TextoBilingue{"Velocidad máxima", "Maximum velocity"}));
        QCOMPARE(t.campo(n::DPmaxDim)->unidad, QStringLiteral("bar/100 m"));
        QCOMPARE(t.campo(n::ViscDim)->unidad, QStringLiteral("Pa·s"));
    }
};

VORLO_PRUEBA(TestSizing, Nucleo)
#include "tst_sizing.moc"
