#include "pipeflow/colebrook_exacto.h"

#include <QTest>

#include "../support/runner.h"
#include <cmath>
#include <limits>
#include <optional>
#include <random>

using namespace vorlo;

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// The reference: bisection on 1/sqrt(f) in long double, on the equation as written,
//     g(x) = x + 2 log10(e/(3.7 D) + 2.51 x / Re),
// which increases with x. 300 halvings of [0, 1000] leave an interval far below an ulp of a
// double; nothing is shared with the solver but the equation.
long double raizLenta(double rugosidad, double dint, double re) {
    const long double a = static_cast<long double>(rugosidad) / dint / 3.7L;
    const long double b = 2.51L / re;
    long double lo = 0;
    long double hi = 1000;
    for (int i = 0; i < 300; ++i) {
        const long double x = (lo + hi) / 2;
        if (x + 2 * std::log10(a + b * x) < 0)
            lo = x;
        else
            hi = x;
    }
    const long double x = (lo + hi) / 2;
    return 1 / (x * x);
}

double errorRelativo(double f, long double referencia) {
    return static_cast<double>(std::fabs((f - referencia) / referencia));
}

} // namespace

class TestColebrookExacto : public QObject {
    Q_OBJECT
  private slots:
    // The first two are the published values; the others were computed to 50 digits with
    // mpmath's findroot on the same equation.
    void known_roots_data() {
        QTest::addColumn<double>("relativa");
        QTest::addColumn<double>("re");
        QTest::addColumn<double>("f");

        QTest::newRow("Re 1e5, e/D 1e-4") << 1e-4 << 1e5 << 0.018513866077471648;
        QTest::newRow("Re 1e5, smooth") << 0.0 << 1e5 << 0.01798977308427384;
        QTest::newRow("Re 2000, smooth") << 0.0 << 2000.0 << 0.049451081263432949157;
        QTest::newRow("Re 4000, smooth") << 0.0 << 4000.0 << 0.039907014055634897922;
        QTest::newRow("Re 1e7, smooth") << 0.0 << 1e7 << 0.008102669430874913252;
        QTest::newRow("Re 1e8, smooth") << 0.0 << 1e8 << 0.0059404663516367614176;
        QTest::newRow("Re 1e12, smooth") << 0.0 << 1e12 << 0.002362446149952139179;
        QTest::newRow("Re 1e8, e/D 1e-6") << 1e-6 << 1e8 << 0.0064325565196922799314;
        QTest::newRow("worked example") << 0.0005 << 127065.36 << 0.019731931496187203448;
        QTest::newRow("Re 1e5, e/D 5e-4") << 0.0005 << 1e5 << 0.020327000158170380934;
        QTest::newRow("Re 1e4, e/D 0.05") << 0.05 << 1e4 << 0.073801275638538282028;
        QTest::newRow("Re 1e8, e/D 0.05") << 0.05 << 1e8 << 0.071550904091083255241;
        QTest::newRow("Re 3000, e/D 0.2") << 0.2 << 3000.0 << 0.1598274402444603339;
        QTest::newRow("Re 2000, e/D 1") << 1.0 << 2000.0 << 0.78058824140672283663;
        QTest::newRow("Re 1e12, e/D 1") << 1.0 << 1e12 << 0.77434574165033676286;
        QTest::newRow("Re 1e12, e/D 1e-3") << 1e-3 << 1e12 << 0.019635466252309025775;
    }
    void known_roots() {
        QFETCH(double, relativa);
        QFETCH(double, re);
        QFETCH(double, f);
        // D = 1 mm makes e/D exact.
        const auto r = colebrookExacto(relativa, 1.0, re);
        QVERIFY(r.has_value());
        QVERIFY2(std::fabs(*r - f) <= 1e-13 * f,
                 qPrintable(QString::asprintf("%.17g, expected %.17g", *r, f)));
    }

    // Only the ratio of roughness to diameter matters, as in Colebrook.
    void roughness_and_diameter_enter_as_their_ratio() {
        const auto a = colebrookExacto(0.05, 100, 1e5);
        const auto b = colebrookExacto(0.5, 1000, 1e5);
        QVERIFY(a && b);
        QVERIFY(std::fabs(*a - *b) <= 1e-15 * *a);
        QVERIFY(std::fabs(*a - 0.020327000158170380934) <= 1e-13 * *a);
    }

    // Random inputs over the promised range against the slow bisection.
    void random_inputs_match_bisection() {
        std::mt19937_64 gen(0xc01eb200e4ac70ULL);
        std::uniform_real_distribution<double> u(0.0, 1.0);
        const auto logUniforme = [&](double desde, double hasta) {
            return std::exp(std::log(desde) + (std::log(hasta) - std::log(desde)) * u(gen));
        };
        double peor = 0;
        QString donde;
        for (int i = 0; i < 30000; ++i) {
            const double dint = logUniforme(1, 2000);
            // One in ten smooth, one in twenty at the top of the range, the rest log-uniform.
            double relativa = logUniforme(1e-9, 1);
            if (i % 10 == 0)
                relativa = 0;
            else if (i % 20 == 1)
                relativa = 1;
            const double re =
                i % 50 == 2 ? (i % 100 == 2 ? 2000.0 : 1e12) : logUniforme(2000, 1e12);
            const double rugosidad = relativa * dint;
            const auto f = colebrookExacto(rugosidad, dint, re);
            QVERIFY2(f.has_value(), qPrintable(QString::asprintf("e=%.17g D=%.17g Re=%.17g",
                                                                 rugosidad, dint, re)));
            const double err = errorRelativo(*f, raizLenta(rugosidad, dint, re));
            if (err > peor) {
                peor = err;
                donde =
                    QString::asprintf("e=%.17g D=%.17g Re=%.17g: %.17g", rugosidad, dint, re, *f);
            }
        }
        qInfo("worst relative error %.3g at %s", peor, qPrintable(donde));
        QVERIFY(peor <= 1e-13);
    }

    // Below Re 2000 and up to e/D 3.7 the equation still has a root; the solver finds it
    // through its other start.
    void roots_outside_the_turbulent_range_are_found() {
        std::mt19937_64 gen(0x10e5c01eULL);
        std::uniform_real_distribution<double> u(0.0, 1.0);
        double peor = 0;
        for (int i = 0; i < 20000; ++i) {
            const double re = std::pow(10.0, -3 + 6.3 * u(gen));
            const double relativa = i % 4 == 0 ? 0.0 : 3.6 * u(gen);
            const auto f = colebrookExacto(relativa, 1.0, re);
            QVERIFY2(f.has_value(),
                     qPrintable(QString::asprintf("e/D=%.17g Re=%.17g", relativa, re)));
            peor = std::max(peor, errorRelativo(*f, raizLenta(relativa, 1.0, re)));
        }
        qInfo("worst relative error %.3g", peor);
        QVERIFY(peor <= 1e-12);
    }

    void no_root_where_the_equation_has_none_data() {
        QTest::addColumn<double>("rugosidad");
        QTest::addColumn<double>("dint");
        QTest::addColumn<double>("re");

        // clang-format off
        QTest::newRow("Re 0")          << 0.05 << 100.0 << 0.0;
        QTest::newRow("Re negative")   << 0.05 << 100.0 << -1e5;
        QTest::newRow("Re NaN")        << 0.05 << 100.0 << kNaN;
        QTest::newRow("Re infinite")   << 0.05 << 100.0 << kInf;
        QTest::newRow("D 0")           << 0.05 << 0.0 << 1e5;
        QTest::newRow("D -0")          << 0.05 << -0.0 << 1e5;
        QTest::newRow("D negative, roughness negative") << -0.05 << -100.0 << 1e5;
        QTest::newRow("D NaN")         << 0.05 << kNaN << 1e5;
        QTest::newRow("D infinite")    << 0.05 << kInf << 1e5;
        QTest::newRow("roughness tiny negative") << -1e-300 << 100.0 << 1e5;
        QTest::newRow("roughness NaN") << kNaN << 100.0 << 1e5;
        QTest::newRow("roughness infinite") << kInf << 100.0 << 1e5;
        QTest::newRow("e/D 3.7")       << 370.0 << 100.0 << 1e5;
        QTest::newRow("e/D overflows") << 1e300 << 1e-300 << 1e5;
        // clang-format on
    }
    void no_root_where_the_equation_has_none() {
        QFETCH(double, rugosidad);
        QFETCH(double, dint);
        QFETCH(double, re);
        QVERIFY(!colebrookExacto(rugosidad, dint, re).has_value());
    }

    // Just inside the edge of existence the root is huge but finite, or there is none; never
    // a value that is not finite.
    void extreme_inputs_give_a_finite_root_or_none_data() {
        QTest::addColumn<double>("relativa");
        QTest::addColumn<double>("re");

        QTest::newRow("e/D just below 3.7") << std::nextafter(3.7, 0.0) << 1e5;
        QTest::newRow("Re tiny") << 0.0 << 1e-300;
        QTest::newRow("Re smallest") << 0.0 << 5e-324;
        QTest::newRow("Re huge, smooth") << 0.0 << 1e300;
        QTest::newRow("Re huge, rough") << 1.0 << 1e300;
        QTest::newRow("Re largest, rough") << 1.0 << std::numeric_limits<double>::max();
        QTest::newRow("e/D smallest") << 5e-324 << 1e5;
    }
    void extreme_inputs_give_a_finite_root_or_none() {
        QFETCH(double, relativa);
        QFETCH(double, re);
        const auto f = colebrookExacto(relativa, 1.0, re);
        if (f)
            QVERIFY2(std::isfinite(*f) && *f > 0, qPrintable(QString::number(*f)));
    }
};

VORLO_PRUEBA(TestColebrookExacto, SinAplicacion)
#include "tst_colebrook_exacto.moc"
