#include "fittings/fitting_rows.h"
#include "fittings/k_metodos.h"

#include <QTest>
#include <cmath>
#include <limits>

using namespace vorlo;

Q_DECLARE_METATYPE(vorlo::MetodoK)
Q_DECLARE_METATYPE(vorlo::MotivoSinK)
Q_DECLARE_METATYPE(vorlo::Lengua)
Q_DECLARE_METATYPE(std::optional<double>)

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
const std::optional<double> kSinRe;

// The K of a row, both by the row's own function and through kPorMetodo.
std::optional<double> kDe(MetodoK m, int fila, double d, std::optional<double> re) {
    switch (m) {
    case MetodoK::Crane:
        return kCrane(fila, d);
    case MetodoK::DosK:
        return kDosK(fila, d, re.value_or(0));
    case MetodoK::TresK:
        return kTresK(fila, d, re.value_or(0));
    case MetodoK::Tabla:
        break;
    }
    return std::nullopt;
}

} // namespace

class TestKMetodos : public QObject {
    Q_OBJECT
  private slots:
    // Hand values from an independent Python script (its own schedule 40 list):
    //   fT = 0.25/log10(0.0457/(3.7*d))**2;   Crane K = n*fT
    //   2-K: K1/Re + Kinf*(1 + 25.4/d)
    //   3-K: K1/Re + Ki*(1 + Kd/Dn**0.3), Dn linear on (ID, NPS) of schedule 40
    void k_by_formula_data() {
        QTest::addColumn<MetodoK>("metodo");
        QTest::addColumn<int>("fila");
        QTest::addColumn<double>("d");
        QTest::addColumn<double>("re");
        QTest::addColumn<double>("k");
        const auto crane = MetodoK::Crane, dos = MetodoK::DosK, tres = MetodoK::TresK;
        QTest::newRow("Crane elbow 4 in") << crane << 0 << 102.26 << 0.0 << 0.4885784709890402;
        QTest::newRow("Crane long elbow 4 in") << crane << 1 << 102.26 << 0.0 << 0.2280032864615521;
        QTest::newRow("Crane elbow 45 4 in") << crane << 2 << 102.26 << 0.0 << 0.2605751845274881;
        QTest::newRow("Crane long bend 4 in") << crane << 14 << 102.26 << 0.0 << 0.3582908787252962;
        QTest::newRow("Crane elbow 1/2 in") << crane << 0 << 15.76 << 0.0 << 0.777503978040364;
        QTest::newRow("Crane globe 1 m")
            << crane << 17 << 1000.0 << 0.0 << 340 * 0.010377204413129022;
        QTest::newRow("Crane ignores Re") << crane << 0 << 102.26 << 5.0 << 0.4885784709890402;
        QTest::newRow("2-K elbow 4 in") << dos << 0 << 102.26 << 127065.0 << 0.5056505765897384;
        QTest::newRow("2-K globe 2 in") << dos << 6 << 52.48 << 1000.0 << 7.435975609756097;
        QTest::newRow("2-K bend 10 in") << dos << 13 << 254.46 << 5e5 << 0.3869367287589405;
        QTest::newRow("2-K tee 1 in") << dos << 15 << 25.4 << 1e6 << 0.10015;
        QTest::newRow("2-K check laminar") << dos << 9 << 10.0 << 50.0 << 35.31;
        QTest::newRow("3-K elbow 4 in") << tres << 0 << 102.26 << 127065.0 << 0.5157582052576256;
        QTest::newRow("3-K globe 2 in") << tres << 6 << 52.48 << 1000.0 << 8.17098466570016;
        QTest::newRow("3-K long elbow 10 in") << tres << 11 << 254.46 << 5e5 << 0.2220540330676526;
        QTest::newRow("3-K long bend between") << tres << 14 << 60.0 << 2e4 << 0.4588239431570103;
        QTest::newRow("3-K gate below 1/8") << tres << 7 << 5.0 << 100.0 << 3.457192490254823;
        QTest::newRow("3-K angle past 36") << tres << 19 << 1000.0 << 1e7 << 1.5940297993765358;
        QTest::newRow("3-K check 1 in") << tres << 20 << 26.64 << 2100.0 << 3.0142857142857147;
    }
    void k_by_formula() {
        QFETCH(MetodoK, metodo);
        QFETCH(int, fila);
        QFETCH(double, d);
        QFETCH(double, re);
        QFETCH(double, k);
        const std::optional<double> r = re > 0 ? std::optional<double>(re) : kSinRe;
        const std::optional<double> propio = kDe(metodo, fila, d, r);
        QVERIFY(propio);
        QCOMPARE(*propio, k);
        const KsPorMetodo todos = kPorMetodo(metodo, d, r);
        QVERIFY(!todos.motivo);
        QVERIFY(todos.k[fila]);
        QCOMPARE(*todos.k[fila], k);
    }

    // The sum over the 21 rows, from the same script: a mistyped constant in any row shows.
    void row_sums_data() {
        QTest::addColumn<MetodoK>("metodo");
        QTest::addColumn<double>("d");
        QTest::addColumn<double>("re");
        QTest::addColumn<double>("suma");
        QTest::newRow("Crane 4 in") << MetodoK::Crane << 102.26 << 1.0 << 25.862087064353197;
        QTest::newRow("2-K 4 in, Re 1e3") << MetodoK::DosK << 102.26 << 1e3 << 41.793536084490526;
        QTest::newRow("2-K 1 in, Re 1e6") << MetodoK::DosK << 26.64 << 1e6 << 38.109792342342345;
        QTest::newRow("3-K 4 in, Re 1e3") << MetodoK::TresK << 102.26 << 1e3 << 43.559260276666066;
        QTest::newRow("3-K 1 in, Re 1e6") << MetodoK::TresK << 26.64 << 1e6 << 35.767649999999996;
    }
    void row_sums() {
        QFETCH(MetodoK, metodo);
        QFETCH(double, d);
        QFETCH(double, re);
        QFETCH(double, suma);
        double s = 0;
        for (const std::optional<double> &k : kPorMetodo(metodo, d, re).k)
            s += k.value_or(kNaN);
        QCOMPARE(s, suma);
    }

    // Exact at the schedule 40 sizes, linear between them and past both ends.
    void darby_nominal_size_data() {
        QTest::addColumn<double>("d");
        QTest::addColumn<double>("dn");
        QTest::newRow("1/8 first size") << 6.84 << 0.125;
        QTest::newRow("1/4") << 9.22 << 0.25;
        QTest::newRow("1") << 26.64 << 1.0;
        QTest::newRow("4") << 102.26 << 4.0;
        QTest::newRow("24") << 575.04 << 24.0;
        QTest::newRow("36 last size") << 875.9 << 36.0;
        QTest::newRow("between 2 and 2 1/2") << 60.0 << 2.368627450980392;
        QTest::newRow("between 4 and 5") << 115.0 << 4.491133384734002;
        QTest::newRow("halfway 24 and 32") << (575.04 + 778.04) / 2 << 28.0;
        QTest::newRow("below 1/8") << 5.0 << 0.028361344537815164;
        QTest::newRow("past 36") << 1000.0 << 41.29662825437473;
        QTest::newRow("negative below 4.46 mm") << 3.0 << -0.07668067226890748;
    }
    void darby_nominal_size() {
        QFETCH(double, d);
        QFETCH(double, dn);
        QCOMPARE(nominalDarbyPulgadas(d), dn);
    }

    void crane_friction_data() {
        QTest::addColumn<double>("d");
        QTest::addColumn<std::optional<double>>("ft");
        QTest::newRow("4 in") << 102.26 << std::optional<double>(0.016285949032968008);
        QTest::newRow("2 in") << 52.48 << std::optional<double>(0.01899059510972689);
        QTest::newRow("0.02 mm, rough") << 0.02 << std::optional<double>(5.706070697865199);
        QTest::newRow("at eps/3.7: no value") << 0.0457 / 3.7 << std::optional<double>();
        QTest::newRow("below eps/3.7") << 0.01 << std::optional<double>();
        QTest::newRow("0") << 0.0 << std::optional<double>();
        QTest::newRow("NaN") << kNaN << std::optional<double>();
        QTest::newRow("inf") << kInf << std::optional<double>();
    }
    void crane_friction() {
        QFETCH(double, d);
        QFETCH(std::optional<double>, ft);
        const std::optional<double> f = friccionCrane(d);
        QCOMPARE(f.has_value(), ft.has_value());
        if (ft)
            QCOMPARE(*f, *ft);
    }

    // Bad input gives no K in any row, and the reason; never NaN or inf.
    void no_k_data() {
        QTest::addColumn<MetodoK>("metodo");
        QTest::addColumn<double>("d");
        QTest::addColumn<std::optional<double>>("re");
        QTest::addColumn<MotivoSinK>("motivo");
        const auto re = std::optional<double>(1e5);
        const auto noD = MotivoSinK::DiametroNoValido, noRe = MotivoSinK::ReynoldsNecesario;
        const auto alcance = MotivoSinK::FueraDeAlcance;
        for (MetodoK m : kMetodosK) {
            const QByteArray n = nombreMetodoK(m).ingles.toUtf8();
            QTest::addRow("%s D 0", n.constData()) << m << 0.0 << re << noD;
            QTest::addRow("%s D negative", n.constData()) << m << -50.0 << re << noD;
            QTest::addRow("%s D NaN", n.constData()) << m << kNaN << re << noD;
            QTest::addRow("%s D inf", n.constData()) << m << kInf << re << noD;
        }
        for (MetodoK m : {MetodoK::DosK, MetodoK::TresK}) {
            const QByteArray n = nombreMetodoK(m).ingles.toUtf8();
            QTest::addRow("%s no Re", n.constData()) << m << 100.0 << kSinRe << noRe;
            QTest::addRow("%s Re 0", n.constData())
                << m << 100.0 << std::optional<double>(0.0) << noRe;
            QTest::addRow("%s Re negative", n.constData())
                << m << 100.0 << std::optional<double>(-10.0) << noRe;
            QTest::addRow("%s Re NaN", n.constData())
                << m << 100.0 << std::optional<double>(kNaN) << noRe;
            QTest::addRow("%s Re inf", n.constData())
                << m << 100.0 << std::optional<double>(kInf) << noRe;
            QTest::addRow("%s K1/Re overflows", n.constData())
                << m << 100.0 << std::optional<double>(1e-320) << alcance;
        }
        QTest::newRow("Crane below eps/3.7") << MetodoK::Crane << 0.01 << kSinRe << alcance;
        QTest::newRow("3-K Dn below 0") << MetodoK::TresK << 3.0 << re << alcance;
        QTest::newRow("2-K 1/D overflows") << MetodoK::DosK << 1e-310 << re << alcance;
        QTest::newRow("table below 9 mm")
            << MetodoK::Tabla << 8.99 << kSinRe << MotivoSinK::DiametroPequeno;
        QTest::newRow("table above 400 mm")
            << MetodoK::Tabla << 400.5 << kSinRe << MotivoSinK::DiametroGrande;
    }
    void no_k() {
        QFETCH(MetodoK, metodo);
        QFETCH(double, d);
        QFETCH(std::optional<double>, re);
        QFETCH(MotivoSinK, motivo);
        const KsPorMetodo r = kPorMetodo(metodo, d, re);
        QCOMPARE(r.motivo, std::optional<MotivoSinK>(motivo));
        QVERIFY(!r.nominal);
        for (int f = 0; f < accesorios::kFilasTabla; ++f) {
            QVERIFY2(!r.k[f], qPrintable(QString::number(f)));
            QVERIFY(!kDe(metodo, f, d, re));
        }
        // The label then says why, in both languages.
        for (Lengua l : {Lengua::Espanol, Lengua::Ingles})
            QCOMPARE(descripcionMetodoK(metodo, d, re, l), mensajeSinK(motivo).en(l));
    }

    void rows_outside_the_catalogue_data() {
        QTest::addColumn<int>("fila");
        QTest::newRow("-1") << -1;
        QTest::newRow("21, a user row") << 21;
    }
    void rows_outside_the_catalogue() {
        QFETCH(int, fila);
        QVERIFY(!kCrane(fila, 100));
        QVERIFY(!kDosK(fila, 100, 1e5));
        QVERIFY(!kTresK(fila, 100, 1e5));
    }

    // The table method is TablaK at the selected nominal diameter; its gaps give no K and no
    // reason.
    void table_method_data() {
        QTest::addColumn<double>("d");
        QTest::addColumn<int>("dn");
        QTest::addColumn<int>("fila");
        QTest::addColumn<std::optional<double>>("k");
        QTest::newRow("DN 100 elbow") << 102.26 << 100 << 0 << std::optional<double>(0.7);
        QTest::newRow("DN 100 flanged globe") << 102.26 << 100 << 17 << std::optional<double>(6.5);
        QTest::newRow("DN 20 flanged: gap") << 20.96 << 20 << 10 << std::optional<double>();
        QTest::newRow("DN 15 long elbow: gap") << 15.76 << 15 << 1 << std::optional<double>();
        QTest::newRow("DN 300 gate") << 400.0 << 300 << 18 << std::optional<double>(0.05);
    }
    void table_method() {
        QFETCH(double, d);
        QFETCH(int, dn);
        QFETCH(int, fila);
        QFETCH(std::optional<double>, k);
        const KsPorMetodo r = kPorMetodo(MetodoK::Tabla, d, 7.0);
        QVERIFY(!r.motivo);
        QVERIFY(r.nominal);
        QCOMPARE(milimetros(*r.nominal), dn);
        QCOMPARE(r.k[fila], k);
    }

    void labels_data() {
        QTest::addColumn<MetodoK>("metodo");
        QTest::addColumn<double>("d");
        QTest::addColumn<std::optional<double>>("re");
        QTest::addColumn<Lengua>("lengua");
        QTest::addColumn<QString>("texto");
        const auto es = Lengua::Espanol, en = Lengua::Ingles;
        QTest::newRow("table es") << MetodoK::Tabla << 102.26 << kSinRe << es
                                  << "K de la tabla, DN 100 (D = 102,26 mm)";
        QTest::newRow("table en") << MetodoK::Tabla << 102.26 << kSinRe << en
                                  << "K from the table, DN 100 (D = 102,26 mm)";
        QTest::newRow("Crane") << MetodoK::Crane << 102.26 << kSinRe << en
                               << "K = n·fT, fT = 0,0163 (D = 102,26 mm)";
        QTest::newRow("Crane 1 m")
            << MetodoK::Crane << 1000.0 << kSinRe << es << "K = n·fT, fT = 0,0104 (D = 1000 mm)";
        QTest::newRow("2-K") << MetodoK::DosK << 102.26 << std::optional<double>(127065.3) << en
                             << "K = K1/Re + K∞·(1 + 1/D), Re = 127.065, D = 4,026 in";
        QTest::newRow("2-K laminar") << MetodoK::DosK << 25.4 << std::optional<double>(50.0) << es
                                     << "K = K1/Re + K∞·(1 + 1/D), Re = 50,0, D = 1,000 in";
        QTest::newRow("3-K") << MetodoK::TresK << 60.0 << std::optional<double>(2e4) << en
                             << "K = K1/Re + Ki·(1 + Kd/Dn^0,3), Re = 20.000, Dn = 2,369 in "
                                "(D = 60 mm)";
    }
    void labels() {
        QFETCH(MetodoK, metodo);
        QFETCH(double, d);
        QFETCH(std::optional<double>, re);
        QFETCH(Lengua, lengua);
        QFETCH(QString, texto);
        QCOMPARE(descripcionMetodoK(metodo, d, re, lengua), texto);
    }

    void method_names_data() {
        QTest::addColumn<MetodoK>("metodo");
        QTest::addColumn<QString>("espanol");
        QTest::addColumn<QString>("ingles");
        QTest::addColumn<bool>("conRe");
        QTest::newRow("table") << MetodoK::Tabla << "Tabla"
                               << "Table" << false;
        QTest::newRow("Crane") << MetodoK::Crane << "Crane (n·fT)"
                               << "Crane (n·fT)" << false;
        QTest::newRow("2-K") << MetodoK::DosK << "2-K (Hooper)"
                             << "2-K (Hooper)" << true;
        QTest::newRow("3-K") << MetodoK::TresK << "3-K (Darby)"
                             << "3-K (Darby)" << true;
    }
    void method_names() {
        QFETCH(MetodoK, metodo);
        QFETCH(QString, espanol);
        QFETCH(QString, ingles);
        QFETCH(bool, conRe);
        QCOMPARE(nombreMetodoK(metodo), (TextoBilingue{espanol, ingles}));
        QCOMPARE(necesitaReynolds(metodo), conRe);
        QVERIFY(kMetodosK.at(static_cast<std::size_t>(metodo)) == metodo);
    }

    void catalogue_rows_data() {
        QTest::addColumn<int>("fila");
        QTest::addColumn<QString>("espanol");
        QTest::addColumn<QString>("ingles");
        QTest::addColumn<bool>("roscada");
        QTest::newRow("0") << 0 << "Codo 90º"
                           << "Elbow 90º" << true;
        QTest::newRow("4") << 4 << "Te (en línea)"
                           << "Tee - Line" << true;
        QTest::newRow("9 last threaded") << 9 << "Válvula antirretorno (clapeta)"
                                         << "Swing check valve" << true;
        QTest::newRow("10 first flanged") << 10 << "Codo 90º"
                                          << "Elbow 90º" << false;
        QTest::newRow("14") << 14 << "Curva 180º radio largo"
                            << "Return bend long rad." << false;
        QTest::newRow("15") << 15 << "Te (en línea)"
                            << "Tee-Line" << false;
        QTest::newRow("20 last") << 20 << "Válvula antirretorno (clapeta)"
                                 << "Swing check valve" << false;
    }
    void catalogue_rows() {
        QFETCH(int, fila);
        QFETCH(QString, espanol);
        QFETCH(QString, ingles);
        QFETCH(bool, roscada);
        QCOMPARE(filasAccesorios().size(), accesorios::kFilasTabla);
        const FilaAccesorio &f = filasAccesorios().at(fila);
        QCOMPARE(f.titulo, (TextoBilingue{espanol, ingles}));
        QCOMPARE(f.conexion == Conexion::Roscada, roscada);
    }
};

QTEST_GUILESS_MAIN(TestKMetodos)
#include "tst_k_metodos.moc"
