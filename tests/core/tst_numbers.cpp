#include "fields/numbers.h"

#include <QTest>

#include "../support/runner.h"
#include <cmath>
#include <cstring>
#include <limits>
#include <random>

using namespace vorlo;

class TestNumbers : public QObject {
    Q_OBJECT
  private slots:
    void key_filter_data() {
        QTest::addColumn<QChar>("typed");
        QTest::addColumn<QString>("result"); // empty: dropped
        QTest::newRow("point becomes comma") << QChar(u'.') << QStringLiteral(",");
        QTest::newRow("comma") << QChar(u',') << QStringLiteral(",");
        QTest::newRow("digit 0") << QChar(u'0') << QStringLiteral("0");
        QTest::newRow("digit 9") << QChar(u'9') << QStringLiteral("9");
        QTest::newRow("minus") << QChar(u'-') << QStringLiteral("-");
        QTest::newRow("backspace") << QChar(char16_t(8)) << QString(QChar(char16_t(8)));
        QTest::newRow("letter") << QChar(u'a') << QString();
        // The exponent of "1e3", "1E-3", "2E+4": typed as it is written.
        QTest::newRow("exponent e") << QChar(u'e') << QStringLiteral("e");
        QTest::newRow("exponent E") << QChar(u'E') << QStringLiteral("E");
        QTest::newRow("exponent plus") << QChar(u'+') << QStringLiteral("+");
        QTest::newRow("space") << QChar(u' ') << QString();
        QTest::newRow("enter") << QChar(u'\r') << QString();
        QTest::newRow("letter f") << QChar(u'f') << QString();
    }
    void key_filter() {
        QFETCH(QChar, typed);
        QFETCH(QString, result);
        const auto r = filtrarTecla(typed);
        QCOMPARE(r.has_value(), !result.isEmpty());
        if (r)
            QCOMPARE(QString(*r), result);
    }

    void reads_numbers_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("integer") << "36" << 36.0;
        QTest::newRow("decimal comma") << "998,2" << 998.2;
        QTest::newRow("grouped") << "127.065" << 127065.0;
        QTest::newRow("grouped twice") << "1.326.865" << 1326865.0;
        QTest::newRow("grouped with decimals") << "1.234,50" << 1234.5;
        QTest::newRow("ungrouped") << "1234,5" << 1234.5;
        QTest::newRow("no leading zero") << ",5" << 0.5;
        QTest::newRow("negative no leading zero") << "-,5" << -0.5;
        QTest::newRow("trailing comma") << "5," << 5.0;
        QTest::newRow("plain exponent") << "1,8198E-05" << 1.8198e-05;
        QTest::newRow("result exponent") << "1,23450e+4" << 12345.0;
        QTest::newRow("exponent no sign") << "2E3" << 2000.0;
        QTest::newRow("exponent with leading zeros") << "2E-00000003" << 0.002;
        QTest::newRow("blanks around") << " 12,5 " << 12.5;
        QTest::newRow("underflow reads as zero") << "1E-999" << 0.0;
        QTest::newRow("minus zero") << "-0" << 0.0;
    }
    void reads_numbers() {
        QFETCH(QString, text);
        QFETCH(double, value);
        const auto v = leerNumero(text);
        QVERIFY2(v.has_value(), qPrintable(text));
        QCOMPARE(*v, value);
    }

    void refuses_non_numbers_data() {
        QTest::addColumn<QString>("text");
        for (const char *t :
             {"",       "-",   ",",         "-,",       "1,2,3", "1-2",  "--1", "1.5", "1.23",
              "1.2345", ".5",  "12.34.567", "1234.567", "abc",   "1e",   "1e+", "E5",  "1 2",
              "1E999",  "nan", "inf",       "+5",       "5-",    "1,5e", "0x10"})
            QTest::newRow(t[0] ? t : "empty") << QString::fromLatin1(t);
        QTest::newRow("huge digits") << QString(QLatin1Char('9')).repeated(10000);
        QTest::newRow("unicode digits") << QStringLiteral("١٢");
    }
    void refuses_non_numbers() {
        QFETCH(QString, text);
        QVERIFY2(!leerNumero(text).has_value(), qPrintable(text.left(40)));
    }

    void fixed_format_data() {
        QTest::addColumn<double>("x");
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("text");
        QTest::newRow("velocity") << 1.2732398 << 4 << "1,2732";
        QTest::newRow("half below one") << 0.5 << 4 << ",5000";
        QTest::newRow("small friction") << 0.0197 << 4 << ",0197";
        QTest::newRow("reynolds grouped") << 127065.36 << 0 << "127.065";
        QTest::newRow("millions") << 1326865.0 << 0 << "1.326.865";
        QTest::newRow("grouped decimals") << 12345.678 << 3 << "12.345,678";
        QTest::newRow("negative below one") << -0.5 << 1 << "-,5";
        QTest::newRow("negative grouped") << -1234.5 << 2 << "-1.234,50";
        QTest::newRow("rounds to zero") << 0.00001 << 2 << ",00";
        QTest::newRow("negative rounds to zero") << -0.001 << 2 << ",00";
        QTest::newRow("zero decimals zero") << 0.4 << 0 << "0";
        QTest::newRow("rounds up to one") << 0.99996 << 4 << "1,0000";
        QTest::newRow("density") << 998.2 << 2 << "998,20";
        QTest::newRow("gas density") << 0.0899 << 3 << ",090";
    }
    void fixed_format() {
        QFETCH(double, x);
        QFETCH(int, n);
        QFETCH(QString, text);
        QCOMPARE(formatoFijo(x, n).value_or(QStringLiteral("<none>")), text);
    }

    void plain_format_data() {
        QTest::addColumn<double>("x");
        QTest::addColumn<QString>("text");
        QTest::newRow("total") << 0.648703017651904 << "0,648703017651904";
        QTest::newRow("fifteen digits") << 15935.292210672 << "15935,292210672";
        QTest::newRow("viscosity") << 1.8198e-05 << "1,8198E-05";
        QTest::newRow("catalogue") << 0.0015 << "0,0015";
        QTest::newRow("integer") << 20.0 << "20";
        QTest::newRow("k") << 0.92 << "0,92";
        QTest::newRow("zero") << 0.0 << "0";
        QTest::newRow("minus zero") << -0.0 << "0";
        QTest::newRow("large") << 1e20 << "1E+20";
        QTest::newRow("negative") << -273.15 << "-273,15";
        QTest::newRow("no grouping") << 1234567.0 << "1234567";
        // Fifteen digits would round beyond the largest double and not read back.
        QTest::newRow("largest double") << -1.7976931348623157e308 << "-1,7976931348623157E+308";
    }
    void plain_format() {
        QFETCH(double, x);
        QFETCH(QString, text);
        QCOMPARE(formatoPlano(x).value_or(QStringLiteral("<none>")), text);
    }

    void significant_format_data() {
        QTest::addColumn<double>("x");
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("text");
        QTest::newRow("water density") << 998.2067 << 6 << "998,207";
        QTest::newRow("leading zero kept") << 0.5910479 << 6 << "0,591048";
        QTest::newRow("grouping") << 1234.5678 << 6 << "1.234,57";
        QTest::newRow("rounds up a decade") << 9.9999996 << 6 << "10,0000";
        QTest::newRow("smallest fixed") << 0.000123456789 << 6 << "0,000123457";
        QTest::newRow("steam viscosity") << 1.2123449e-5 << 6 << "1,21234E-05";
        QTest::newRow("rounds up into fixed") << 9.9999996e-5 << 6 << "0,000100000";
        QTest::newRow("negative") << -273.15 << 3 << "-273";
        QTest::newRow("zero") << 0.0 << 6 << "0";
        QTest::newRow("large") << 2.5e15 << 3 << "2,50E+15";
        QTest::newRow("bad digits") << 1.0 << 0 << "<none>";
    }
    void significant_format() {
        QFETCH(double, x);
        QFETCH(int, n);
        QFETCH(QString, text);
        const QString t = formatoSignificativo(x, n).value_or(QStringLiteral("<none>"));
        QCOMPARE(t, text);
        if (n > 0)
            QVERIFY2(leerNumero(t).has_value(), qPrintable(t));
    }

    void trailing_zeros_go_data() {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("sin");
        QTest::newRow("decimals") << "1,2500"
                                  << "1,25";
        QTest::newRow("whole") << "3,000"
                               << "3";
        QTest::newRow("grouped whole") << "1.000,000"
                                       << "1.000";
        QTest::newRow("mantissa only") << "1,500E-05"
                                       << "1,5E-05";
        QTest::newRow("no comma: tens kept") << "1500"
                                             << "1500";
        QTest::newRow("no leading zero") << ",0500"
                                         << ",05";
    }
    void trailing_zeros_go() {
        QFETCH(QString, texto);
        QFETCH(QString, sin);
        QCOMPARE(sinCerosFinales(texto), sin);
    }

    void result_format_bands_data() {
        QTest::addColumn<double>("x");
        QTest::addColumn<QString>("text");
        QTest::newRow("10000 scientific") << 10000.0 << "1,00000e+4";
        QTest::newRow("large") << 123456.0 << "1,23456e+5";
        QTest::newRow("9999.9") << 9999.9 << "9999,900";
        QTest::newRow("1000") << 1000.0 << "1000,000";
        QTest::newRow("1234.5678") << 1234.5678 << "1234,568";
        QTest::newRow("100") << 100.0 << "100,0000";
        QTest::newRow("123.45678") << 123.45678 << "123,4568";
        QTest::newRow("1") << 1.0 << "1,00000";
        QTest::newRow("12.345678") << 12.345678 << "12,34568";
        QTest::newRow("0.1") << 0.1 << "0,100000";
        QTest::newRow("0.5") << 0.5 << "0,500000";
        QTest::newRow("0.0999") << 0.0999 << "9,99000e-2";
        QTest::newRow("zero") << 0.0 << "0,00000e+0";
        QTest::newRow("negative") << -40.0 << "-4,00000e+1";
        QTest::newRow("tiny") << 1.5e-300 << "1,50000e-300";
        QTest::newRow("491.67") << 491.66999999999996 << "491,6700";
    }
    void result_format_bands() {
        QFETCH(double, x);
        QFETCH(QString, text);
        QCOMPARE(FormatoResultado(x), text);
    }

    void non_finite_values_are_never_written() {
        const double inf = std::numeric_limits<double>::infinity();
        const double nan = std::numeric_limits<double>::quiet_NaN();
        for (double x : {inf, -inf, nan}) {
            QVERIFY(!formatoFijo(x, 4).has_value());
            QVERIFY(!formatoPlano(x).has_value());
            QVERIFY(FormatoResultado(x).isEmpty());
            QVERIFY(!formatoSignificativo(x, 6).has_value());
        }
    }

    // At the ends of the range of a double every format still writes a text that reads back
    // within half of its last shown digit.
    void extreme_values_read_back_data() {
        QTest::addColumn<double>("x");
        QTest::addColumn<int>("decimales");
        // The fuzz_numbers input of the same name, decoded as that target does: its eight bytes
        // as a double, its last byte modulo 9 as the number of decimals.
        const unsigned char bytes[] = {0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xef, 0xff};
        double regresion = 0;
        std::memcpy(&regresion, bytes, sizeof regresion);
        QTest::newRow("regresion-plano-mayor-double-negativo") << regresion << bytes[7] % 9;
        const double mayor = std::numeric_limits<double>::max();
        QTest::newRow("largest double") << mayor << 8;
        QTest::newRow("15 digits round past the largest") << std::nextafter(mayor, 0.0) << 0;
        QTest::newRow("15 digits stay below the largest") << 1.79769313486231e308 << 4;
        QTest::newRow("smallest normal") << std::numeric_limits<double>::min() << 8;
        QTest::newRow("smallest subnormal") << std::numeric_limits<double>::denorm_min() << 8;
        QTest::newRow("negative subnormal") << -std::numeric_limits<double>::denorm_min() << 0;
    }
    void extreme_values_read_back() {
        QFETCH(double, x);
        QFETCH(int, decimales);
        const double escala = std::pow(10.0, std::floor(std::log10(std::fabs(x))));
        const auto comprobar = [&](const std::optional<QString> &t, double media) {
            QVERIFY(t.has_value());
            const auto v = leerNumero(*t);
            QVERIFY2(v.has_value(), qPrintable(*t));
            QVERIFY2(std::fabs(*v - x) <= media * (1 + 1e-9) + std::fabs(x) * 1e-14,
                     qPrintable(*t));
        };
        comprobar(formatoFijo(x, decimales), 0.5 * std::pow(10.0, -decimales));
        if (QTest::currentTestFailed())
            return;
        comprobar(formatoPlano(x), 0);
        if (QTest::currentTestFailed())
            return;
        const QString r = FormatoResultado(x);
        QVERIFY2(r.contains(u'e'), qPrintable(r));
        comprobar(r, 5e-6 * escala);
    }

    // Every text a format writes reads back to the value it shows.
    void formats_read_back_to_the_rounded_value() {
        std::mt19937_64 gen(20261207);
        std::uniform_real_distribution<double> mant(-10, 10);
        std::uniform_int_distribution<int> expo(-12, 12);
        for (int i = 0; i < 20000; ++i) {
            const double x = mant(gen) * std::pow(10.0, expo(gen));
            for (int n : {0, 2, 3, 4, 7, 8}) {
                const QString t = *formatoFijo(x, n);
                const auto back = leerNumero(t);
                QVERIFY2(back.has_value(), qPrintable(t));
                // The text stands for x rounded to n decimals, and writes itself again.
                QVERIFY2(std::fabs(*back - x) <=
                             0.5 * std::pow(10.0, -n) * (1 + 1e-9) + std::fabs(x) * 1e-15,
                         qPrintable(t));
                QCOMPARE(*formatoFijo(*back, n), t);
            }
            const QString p = *formatoPlano(x);
            const auto backP = leerNumero(p);
            QVERIFY2(backP.has_value(), qPrintable(p));
            QVERIFY2(std::fabs(*backP - x) <= std::fabs(x) * 1e-14, qPrintable(p));
            QCOMPARE(*formatoPlano(*backP), p);
            // The magnitude bands: the shown digits stand for x within half a last digit.
            const QString r = FormatoResultado(x);
            const auto backR = leerNumero(r);
            QVERIFY2(backR.has_value(), qPrintable(r));
            const double ax = std::fabs(x);
            const double media = r.contains(u'e')
                                     ? 5e-6 * std::pow(10.0, std::floor(std::log10(ax)))
                                 : ax >= 1000 ? 5e-4
                                 : ax >= 100  ? 5e-5
                                 : ax >= 1    ? 5e-6
                                              : 5e-7;
            QVERIFY2(std::fabs(*backR - x) <= media * (1 + 1e-9), qPrintable(r));
        }
    }
};

VORLO_PRUEBA(TestNumbers, SinAplicacion)
#include "tst_numbers.moc"
