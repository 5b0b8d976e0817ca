#include "fittings/fittings_fill.h"
#include "fittings/k_factors.h"

#include <QStringList>
#include <QTest>

#include "../support/runner.h"
#include <array>
#include <cmath>
#include <limits>

using namespace vorlo;

namespace {

// The window's fields over plain arrays; records every write in order.
class CamposPrueba : public CamposAccesorios {
  public:
    CamposPrueba() {
        unidadesTexto.fill(QStringLiteral("0"));
        unidadesActivas.fill(true);
        kActivos.fill(true);
    }

    QString diametro() const override { return diametroTexto; }
    QString unidades(int f) const override { return unidadesTexto[f]; }
    void escribirUnidades(int f, const QString &t) override {
        unidadesTexto[f] = t;
        registro << QStringLiteral("U%1=%2").arg(f).arg(t);
    }
    void habilitarUnidades(int f, bool h) override { unidadesActivas[f] = h; }
    QString k(int f) const override { return kTexto[f]; }
    void escribirK(int f, const QString &t) override {
        kTexto[f] = t;
        registro << QStringLiteral("K%1=%2").arg(f).arg(t);
    }
    void habilitarK(int f, bool h) override { kActivos[f] = h; }
    void escribirMensaje(const QString &t) override {
        mensaje = t;
        registro << QStringLiteral("M=%1").arg(t);
    }
    QString ktotal() const override { return ktotalEtiqueta; }
    void escribirKtotal(const QString &t) override { ktotalEtiqueta = t; }
    void escribirTextboxKtotal(const QString &t) override { textbox = t; }
    void escribirKtotalTuberia(const QString &t) override { tuberia = t; }

    QString diametroTexto;
    std::array<QString, 23> unidadesTexto;
    std::array<bool, 23> unidadesActivas;
    std::array<QString, 23> kTexto;
    std::array<bool, 23> kActivos;
    QString mensaje, ktotalEtiqueta, textbox, tuberia;
    QStringList registro;
};

const QString pequeno = QStringLiteral(
    "Ha introducido un diámetro muy pequeño, el diámetro debe de ser superior a 9 mm. No "
    "obstante podrá introducir los valores K manualmente.");
const QString grande = QStringLiteral("El diametro debe ser igual o inferior a 400 mm");

int nominal(double d) {
    const auto s = seleccionarDiametro(d);
    return s.nominal ? milimetros(*s.nominal) : 0;
}

DiametroNominal dn(int mm) {
    return static_cast<DiametroNominal>(mm);
}

} // namespace

class TestFittings : public QObject {
    Q_OBJECT
  private slots:
    void bands_data() {
        QTest::addColumn<double>("d");
        QTest::addColumn<int>("esperado");
        QTest::addColumn<QString>("mensaje");
        QTest::newRow("8.99 too small") << 8.99 << 0 << pequeno;
        QTest::newRow("8 too small") << 8.0 << 0 << pequeno;
        QTest::newRow("0") << 0.0 << 0 << pequeno;
        QTest::newRow("negative") << -5.0 << 0 << pequeno;
        QTest::newRow("9 takes DN 10 above it") << 9.0 << 10 << QString();
        QTest::newRow("14.99") << 14.99 << 10 << QString();
        QTest::newRow("15") << 15.0 << 15 << QString();
        QTest::newRow("19") << 19.0 << 15 << QString();
        QTest::newRow("20") << 20.0 << 20 << QString();
        QTest::newRow("24.999") << 24.999 << 20 << QString();
        QTest::newRow("25") << 25.0 << 25 << QString();
        QTest::newRow("32") << 32.0 << 32 << QString();
        QTest::newRow("40") << 40.0 << 40 << QString();
        QTest::newRow("52.5") << 52.5 << 50 << QString();
        QTest::newRow("64.9") << 64.9 << 50 << QString();
        QTest::newRow("65") << 65.0 << 65 << QString();
        QTest::newRow("99.99") << 99.99 << 80 << QString();
        QTest::newRow("100") << 100.0 << 100 << QString();
        QTest::newRow("150") << 150.0 << 150 << QString();
        QTest::newRow("200") << 200.0 << 200 << QString();
        QTest::newRow("299.99") << 299.99 << 250 << QString();
        QTest::newRow("300") << 300.0 << 300 << QString();
        QTest::newRow("400 still DN 300") << 400.0 << 300 << QString();
        QTest::newRow("400.5 too large") << 400.5 << 0 << grande;
        QTest::newRow("huge") << 1e300 << 0 << grande;
    }
    void bands() {
        QFETCH(double, d);
        QFETCH(int, esperado);
        QFETCH(QString, mensaje);
        QCOMPARE(nominal(d), esperado);
        QCOMPARE(seleccionarDiametro(d).mensaje, mensaje);
    }

    void not_a_number_selects_nothing_silently() {
        const auto s = seleccionarDiametro(std::numeric_limits<double>::quiet_NaN());
        QVERIFY(!s.nominal);
        QVERIFY(s.mensaje.isEmpty());
    }

    void table_cells_data() {
        QTest::addColumn<int>("mm");
        QTest::addColumn<int>("fila");
        QTest::addColumn<double>("k");
        // Threaded
        QTest::newRow("0 DN10") << 10 << 0 << 2.5;
        QTest::newRow("0 DN65") << 65 << 0 << 0.85;
        QTest::newRow("1 DN10 none") << 10 << 1 << 0.0;
        QTest::newRow("1 DN15 none") << 15 << 1 << 0.0;
        QTest::newRow("1 DN20") << 20 << 1 << 0.92;
        QTest::newRow("1 DN100") << 100 << 1 << 0.24;
        QTest::newRow("2 DN32") << 32 << 2 << 0.33;
        QTest::newRow("3 DN80") << 80 << 3 << 0.8;
        QTest::newRow("4 DN15") << 15 << 4 << 0.9;
        QTest::newRow("5 DN50") << 50 << 5 << 1.4;
        QTest::newRow("6 DN10") << 10 << 6 << 20.0;
        QTest::newRow("6 DN32") << 32 << 6 << 8.5;
        QTest::newRow("7 DN15") << 15 << 7 << 0.33;
        QTest::newRow("7 DN100") << 100 << 7 << 0.12;
        QTest::newRow("8 DN15 none") << 15 << 8 << 0.0;
        QTest::newRow("8 DN20") << 20 << 8 << 6.1;
        QTest::newRow("8 DN100") << 100 << 8 << 1.0;
        QTest::newRow("9 DN15") << 15 << 9 << 5.5;
        QTest::newRow("9 DN25") << 25 << 9 << 3.0;
        QTest::newRow("9 DN100") << 100 << 9 << 2.0;
        QTest::newRow("threaded DN150 none") << 150 << 0 << 0.0;
        QTest::newRow("threaded DN300 none") << 300 << 9 << 0.0;
        // Flanged
        QTest::newRow("flanged DN20 none") << 20 << 10 << 0.0;
        QTest::newRow("10 DN25") << 25 << 10 << 0.43;
        QTest::newRow("10 DN300") << 300 << 10 << 0.24;
        QTest::newRow("11 DN50") << 50 << 11 << 0.3;
        QTest::newRow("12 DN250") << 250 << 12 << 0.16;
        QTest::newRow("13 DN150") << 150 << 13 << 0.29;
        QTest::newRow("14 DN200") << 200 << 14 << 0.15;
        QTest::newRow("15 DN40") << 40 << 15 << 0.23;
        QTest::newRow("15 DN300") << 300 << 15 << 0.08;
        QTest::newRow("16 DN65") << 65 << 16 << 0.79;
        QTest::newRow("17 DN25") << 25 << 17 << 13.0;
        QTest::newRow("17 DN100") << 100 << 17 << 6.5;
        QTest::newRow("18 DN40 none") << 40 << 18 << 0.0;
        QTest::newRow("18 DN50") << 50 << 18 << 0.34;
        QTest::newRow("18 DN300") << 300 << 18 << 0.05;
        QTest::newRow("19 DN32") << 32 << 19 << 3.7;
        QTest::newRow("20 DN80") << 80 << 20 << 2.0;
        // Outside the table
        QTest::newRow("user row 21") << 50 << 21 << 0.0;
        QTest::newRow("row -1") << 50 << -1 << 0.0;
    }
    void table_cells() {
        QFETCH(int, mm);
        QFETCH(int, fila);
        QFETCH(double, k);
        QCOMPARE(TablaK(dn(mm), fila), k);
    }

    // Count of known values and their sum per nominal diameter, taken from the printed tables.
    void table_columns_data() {
        QTest::addColumn<int>("mm");
        QTest::addColumn<int>("conValor");
        QTest::addColumn<double>("suma");
        QTest::newRow("DN10") << 10 << 8 << 37.38;
        QTest::newRow("DN15") << 15 << 8 << 27.70;
        QTest::newRow("DN20") << 20 << 10 << 27.75;
        QTest::newRow("DN25") << 25 << 20 << 46.64;
        QTest::newRow("DN32") << 32 << 20 << 41.89;
        QTest::newRow("DN40") << 40 << 20 << 37.19;
        QTest::newRow("DN50") << 50 << 21 << 33.04;
        QTest::newRow("DN65") << 65 << 21 << 29.99;
        QTest::newRow("DN80") << 80 << 21 << 27.55;
        QTest::newRow("DN100") << 100 << 21 << 25.59;
        QTest::newRow("DN150") << 150 << 11 << 12.05;
        QTest::newRow("DN200") << 200 << 11 << 11.58;
        QTest::newRow("DN250") << 250 << 11 << 11.42;
        QTest::newRow("DN300") << 300 << 11 << 11.33;
    }
    void table_columns() {
        QFETCH(int, mm);
        QFETCH(int, conValor);
        QFETCH(double, suma);
        int n = 0;
        double s = 0;
        for (int f = 0; f < 21; ++f) {
            const double k = TablaK(dn(mm), f);
            n += k != 0;
            s += k;
        }
        QCOMPARE(n, conValor);
        QVERIFY2(std::abs(s - suma) < 1e-9, qPrintable(QString::number(s, 'g', 17)));
    }

    void repeated_rows_match() {
        for (DiametroNominal d : kDiametrosNominales) {
            QCOMPARE(TablaK(d, 3), TablaK(d, 0));
            QCOMPARE(TablaK(d, 13), TablaK(d, 10));
        }
    }

    void fill_trigger_data() {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<bool>("rellena");
        QTest::newRow("empty") << "" << false;
        QTest::newRow("0") << "0" << false;
        QTest::newRow("0,5") << "0,5" << true;
        QTest::newRow("1") << "1" << true;
        QTest::newRow("52,5") << "52,5" << true;
        QTest::newRow("400") << "400" << true;
        QTest::newRow("9999998") << "9999998" << true;
        QTest::newRow("9999999") << "9999999" << false;
        QTest::newRow("seven nines then more") << "99999990" << false;
        QTest::newRow("comma first") << ",5" << false;
        QTest::newRow("minus") << "-5" << false;
        QTest::newRow("letters") << "abc" << false;
    }
    void fill_trigger() {
        QFETCH(QString, texto);
        QFETCH(bool, rellena);
        QCOMPARE(disparaRelleno(texto), rellena);
    }

    void fill_runs_its_steps_in_order() {
        CamposPrueba c;
        c.diametroTexto = "400,5";
        c.mensaje = "viejo";
        RellenarK(c);
        QStringList esperado;
        for (int f = 0; f < 23; ++f)
            esperado << QStringLiteral("U%1=0").arg(f);
        esperado << "M="
                 << "M=" + grande;
        QCOMPARE(c.registro, esperado);

        c.registro.clear();
        c.diametroTexto = "100";
        RellenarK(c);
        QCOMPARE(c.registro.size(), 23 + 1 + 21);
        QCOMPARE(c.registro.at(22), "U22=0");
        QCOMPARE(c.registro.at(23), "M=");
        QCOMPARE(c.registro.at(24), "K0=0,7");
        QCOMPARE(c.registro.last(), "K20=2");
    }

    void fill_patterns_data() {
        QTest::addColumn<QString>("diametro");
        QTest::addColumn<QStringList>("ks");
        // K text of rows 0-20 after the fill; empty = disabled row.
        QTest::newRow("19 (DN 15)")
            << "19"
            << QStringList{"2,1", "", "0,37", "2,1", "0,9", "2,4", "14", "0,33", "", "5,5", "",
                           "",    "", "",     "",    "",    "",    "",   "",     "", ""};
        QTest::newRow("20 (DN 20)")
            << "20" << QStringList{"1,7",  "0,92", "0,35", "1,7", "0,9", "2,1", "10",
                                   "0,28", "6,1",  "3,7",  "",    "",    "",    "",
                                   "",     "",     "",     "",    "",    "",    ""};
        QTest::newRow("25 (DN 25)")
            << "25" << QStringList{"1,5",  "0,78", "0,34", "1,5",  "0,9",  "1,8",  "9",
                                   "0,24", "4,6",  "3",    "0,43", "0,41", "0,22", "0,43",
                                   "0,43", "0,26", "1",    "13",   "",     "4,8",  "2"};
        QTest::newRow("52,5 (DN 50)")
            << "52,5" << QStringList{"1",    "0,42", "0,31", "1",    "0,9",  "1,4", "7",
                                     "0,17", "2,1",  "2,3",  "0,38", "0,3",  "0,2", "0,38",
                                     "0,3",  "0,2",  "0,84", "9",    "0,34", "2,5", "2"};
        QTest::newRow("150 (DN 150)")
            << "150" << QStringList{"",     "",     "",     "",     "",     "",     "",
                                    "",     "",     "",     "0,29", "0,18", "0,17", "0,29",
                                    "0,18", "0,12", "0,62", "6",    "0,1",  "2,1",  "2"};
        QTest::newRow("400 (DN 300)")
            << "400" << QStringList{"",     "",     "",    "",     "",     "",     "",
                                    "",     "",     "",    "0,24", "0,13", "0,16", "0,24",
                                    "0,13", "0,08", "0,5", "5,7",  "0,05", "2,1",  "2"};
    }
    void fill_patterns() {
        QFETCH(QString, diametro);
        QFETCH(QStringList, ks);
        CamposPrueba c;
        c.mensaje = "viejo";
        c.unidadesTexto[4] = "7";
        c.diametroTexto = diametro;
        RellenarK(c);
        QCOMPARE(c.mensaje, QString());
        for (int f = 0; f < 21; ++f) {
            const bool activa = !ks.at(f).isEmpty();
            QCOMPARE(c.kTexto[f], ks.at(f));
            QVERIFY2(c.kActivos[f] == activa, qPrintable(QString::number(f)));
            QVERIFY2(c.unidadesActivas[f] == activa, qPrintable(QString::number(f)));
        }
        for (int f = 0; f < 23; ++f)
            QCOMPARE(c.unidadesTexto[f], "0");
    }

    void a_later_fill_enables_rows_again() {
        CamposPrueba c;
        c.diametroTexto = "150";
        RellenarK(c);
        QVERIFY(!c.kActivos[0] && !c.unidadesActivas[0]);
        c.diametroTexto = "40";
        RellenarK(c);
        QVERIFY(c.kActivos[0] && c.unidadesActivas[0]);
        QCOMPARE(c.kTexto[0], "1,2");
        QVERIFY(!c.kActivos[18] && !c.unidadesActivas[18]);
        QCOMPARE(c.kTexto[18], "");
    }

    void user_rows_keep_their_k() {
        CamposPrueba c;
        c.kTexto[21] = "0,75";
        c.kTexto[22] = "12";
        c.unidadesTexto[21] = "3";
        for (const QString d : {"25", "150", "8", "400,5", "abc"}) {
            c.diametroTexto = d;
            RellenarK(c);
            QCOMPARE(c.kTexto[21], "0,75");
            QCOMPARE(c.kTexto[22], "12");
            QVERIFY(c.kActivos[21] && c.kActivos[22]);
            QCOMPARE(c.unidadesTexto[21], "0");
        }
    }

    void out_of_range_diameter_keeps_k_and_resets_counts_data() {
        QTest::addColumn<QString>("diametro");
        QTest::addColumn<QString>("mensaje");
        QTest::newRow("8") << "8" << pequeno;
        QTest::newRow("8,99") << "8,99" << pequeno;
        QTest::newRow("400,5") << "400,5" << grande;
        QTest::newRow("not a number") << "1,2,3" << QString();
        QTest::newRow("letters") << "abc" << QString();
    }
    void out_of_range_diameter_keeps_k_and_resets_counts() {
        QFETCH(QString, diametro);
        QFETCH(QString, mensaje);
        CamposPrueba c;
        c.diametroTexto = "150";
        RellenarK(c);
        c.mensaje = "viejo";
        c.unidadesTexto[12] = "4";
        c.unidadesActivas[3] = false;
        c.registro.clear();
        c.diametroTexto = diametro;
        RellenarK(c);
        QCOMPARE(c.mensaje, mensaje);
        QCOMPARE(c.unidadesTexto[12], "0");
        QVERIFY(c.unidadesActivas[3]);
        // The K fields stay as the DN 150 fill left them.
        QCOMPARE(c.kTexto[12], "0,17");
        QCOMPARE(c.kTexto[0], "");
        QVERIFY(!c.kActivos[0]);
        QVERIFY(c.kActivos[12]);
        for (const QString &r : std::as_const(c.registro))
            QVERIFY2(!r.startsWith("K"), qPrintable(r));
    }

    void total_data() {
        QTest::addColumn<QStringList>("unidades"); // "fila:texto"
        QTest::addColumn<QStringList>("ks");
        QTest::addColumn<QString>("total");
        QTest::newRow("2x1,5 + 1x3")
            << QStringList{"0:2", "9:1"} << QStringList{"0:1,5", "9:3"} << "6";
        QTest::newRow("nothing") << QStringList{} << QStringList{} << "0";
        QTest::newRow("count 0 adds 0") << QStringList{"0:0"} << QStringList{"0:1,5"} << "0";
        QTest::newRow("empty count drops out")
            << QStringList{"0:", "9:1"} << QStringList{"0:1,5", "9:3"} << "3";
        QTest::newRow("empty K drops out") << QStringList{"0:5"} << QStringList{"0:"} << "0";
        QTest::newRow("user row 21") << QStringList{"21:3"} << QStringList{"21:0,25"} << "0,75";
        QTest::newRow("decimals kept")
            << QStringList{"1:3", "7:1"} << QStringList{"1:0,92", "7:0,33"} << "3,09";
        // A count or K the total cannot take gives no total rather than one without that row.
        QTest::newRow("K with a point: no total")
            << QStringList{"0:2", "5:4"} << QStringList{"0:1.5", "5:2"} << "";
        QTest::newRow("K letters: no total")
            << QStringList{"0:2", "5:4"} << QStringList{"0:abc", "5:2"} << "";
        QTest::newRow("count not a number: no total")
            << QStringList{"0:x", "5:4"} << QStringList{"0:1", "5:2"} << "";
        QTest::newRow("negative count: no total")
            << QStringList{"0:-2", "5:4"} << QStringList{"0:1", "5:2"} << "";
        QTest::newRow("count 1,5: no total")
            << QStringList{"0:1,5", "5:4"} << QStringList{"0:1", "5:2"} << "";
        QTest::newRow("negative K: no total")
            << QStringList{"21:1", "5:4"} << QStringList{"21:-2", "5:2"} << "";
        QTest::newRow("overflow adds nothing")
            << QStringList{"0:10", "5:4"} << QStringList{"0:1E308", "5:2"} << "8";
        QTest::newRow("large counts") << QStringList{"17:1000"} << QStringList{"17:5,7"} << "5700";
    }
    void total() {
        QFETCH(QStringList, unidades);
        QFETCH(QStringList, ks);
        QFETCH(QString, total);
        CamposPrueba c;
        for (const QString &u : unidades)
            c.unidadesTexto[u.section(':', 0, 0).toInt()] = u.section(':', 1);
        for (const QString &k : ks)
            c.kTexto[k.section(':', 0, 0).toInt()] = k.section(':', 1);
        c.ktotalEtiqueta = "99";
        QCOMPARE(CalcularKTotal(c), total);
        QCOMPARE(c.ktotalEtiqueta, total);
        QCOMPARE(c.textbox, total);
        QCOMPARE(c.tuberia, total);
    }

    // Which row is wrong and why, in both languages.
    void a_refused_row_is_named_data() {
        QTest::addColumn<int>("fila");
        QTest::addColumn<QString>("unidades");
        QTest::addColumn<QString>("k");
        QTest::addColumn<QString>("ingles");
        QTest::addColumn<QString>("espanol");
        QTest::newRow("count 1,5") << 9 << "1,5"
                                   << "3"
                                   << "Row 10: count: must be a whole number"
                                   << "Fila 10: unidades: debe ser un número entero";
        QTest::newRow("negative K") << 21 << "1"
                                    << "-2"
                                    << "Row 22: K: cannot be negative"
                                    << "Fila 22: K: no puede ser menor que cero";
        QTest::newRow("good") << 0 << "2"
                              << "0,5"
                              << ""
                              << "";
    }
    void a_refused_row_is_named() {
        QFETCH(int, fila);
        QFETCH(QString, unidades);
        QFETCH(QString, k);
        CamposPrueba c;
        c.unidadesTexto[fila] = unidades;
        c.kTexto[fila] = k;
        const auto m = problemaAccesorios(c);
        QTEST(m.value_or(TextoBilingue{}).ingles, "ingles");
        QTEST(m.value_or(TextoBilingue{}).espanol, "espanol");
    }

    void total_after_a_fill_is_zero() {
        CamposPrueba c;
        c.diametroTexto = "25";
        c.unidadesTexto[0] = "2";
        RellenarK(c);
        QCOMPARE(CalcularKTotal(c), "0");
    }
};

VORLO_PRUEBA(TestFittings, Nucleo)
#include "tst_fittings.moc"
