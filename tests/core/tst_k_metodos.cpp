#include "fittings/fitting_rows.h"
#include "fittings/k_metodos.h"

#include <QTest>

#include "../support/runner.h"
#include <cmath>
#include <limits>

using namespace vorlo;
using Opcional = std::optional<double>;

Q_DECLARE_METATYPE(vorlo::MetodoK)
Q_DECLARE_METATYPE(vorlo::MotivoSinK)
Q_DECLARE_METATYPE(std::optional<double>)

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
const MetodoK kTabla = MetodoK::Tabla, kCraneM = MetodoK::Crane, kDos = MetodoK::DosK,
              kTres = MetodoK::TresK;

// K of one row by the row's own function; the table method has none.
Opcional kDe(MetodoK m, int fila, double d, Opcional re) {
    if (m == kCraneM)
        return kCrane(fila, d);
    if (m == kTabla)
        return std::nullopt;
    return m == kDos ? kDosK(fila, d, re.value_or(0)) : kTresK(fila, d, re.value_or(0));
}

} // namespace

class TestKMetodos : public QObject {
    Q_OBJECT
  private slots:
    // Hand values from an independent Python script with its own schedule 40 list:
    //   fT = 0.25/log10(0.0457/(3.7*d))**2            Crane: n*fT
    //   2-K: K1/Re + Kinf*(1 + 25.4/d)                 3-K: K1/Re + Ki*(1 + Kd/Dn**0.3)
    // Row -1 is the sum over the 21 rows, so that a mistyped constant in any row shows.
    void k_by_formula_data() {
        QTest::addColumn<MetodoK>("metodo");
        QTest::addColumn<int>("fila");
        QTest::addColumn<double>("d");
        QTest::addColumn<double>("reynolds"); // 0: none
        QTest::addColumn<double>("k");
        QTest::newRow("Crane 0 4in") << kCraneM << 0 << 102.26 << 0.0 << 0.4885784709890402;
        QTest::newRow("Crane 14 4in") << kCraneM << 14 << 102.26 << 0.0 << 0.3582908787252962;
        QTest::newRow("Crane 0 1/2in") << kCraneM << 0 << 15.76 << 0.0 << 0.777503978040364;
        QTest::newRow("Crane, Re ignored") << kCraneM << 2 << 102.26 << 5.0 << 0.2605751845274881;
        QTest::newRow("Crane sum 4in") << kCraneM << -1 << 102.26 << 0.0 << 25.862087064353197;
        QTest::newRow("2-K 0 4in") << kDos << 0 << 102.26 << 127065.0 << 0.5056505765897384;
        QTest::newRow("2-K 6 2in") << kDos << 6 << 52.48 << 1e3 << 7.435975609756097;
        QTest::newRow("2-K 9 laminar") << kDos << 9 << 10.0 << 50.0 << 35.31;
        QTest::newRow("2-K sum 4in") << kDos << -1 << 102.26 << 1e3 << 41.793536084490526;
        QTest::newRow("2-K sum 1in") << kDos << -1 << 26.64 << 1e6 << 38.109792342342345;
        QTest::newRow("3-K 0 4in") << kTres << 0 << 102.26 << 127065.0 << 0.5157582052576256;
        QTest::newRow("3-K 14 between") << kTres << 14 << 60.0 << 2e4 << 0.4588239431570103;
        QTest::newRow("3-K 7 below 1/8") << kTres << 7 << 5.0 << 100.0 << 3.457192490254823;
        QTest::newRow("3-K 19 past 36") << kTres << 19 << 1000.0 << 1e7 << 1.5940297993765358;
        QTest::newRow("3-K sum 4in") << kTres << -1 << 102.26 << 1e3 << 43.559260276666066;
        QTest::newRow("3-K sum 1in") << kTres << -1 << 26.64 << 1e6 << 35.767649999999996;
    }
    void k_by_formula() {
        QFETCH(MetodoK, metodo);
        QFETCH(int, fila);
        QFETCH(double, d);
        QFETCH(double, k);
        QFETCH(double, reynolds);
        const Opcional re = reynolds > 0 ? Opcional(reynolds) : Opcional();
        const KsPorMetodo todos = kPorMetodo(metodo, d, re);
        QVERIFY(!todos.motivo);
        double suma = 0, sumaPropia = 0;
        for (int f = 0; f < accesorios::kFilasTabla; ++f) {
            suma += todos.k[f].value_or(kNaN);
            sumaPropia += kDe(metodo, f, d, re).value_or(kNaN);
        }
        QCOMPARE(fila < 0 ? suma : todos.k[fila].value_or(kNaN), k);
        QCOMPARE(fila < 0 ? sumaPropia : kDe(metodo, fila, d, re).value_or(kNaN), k);
    }

    // Every row against the published constants (docs/fittings-methods.md: Hooper's 2-K and
    // Darby's 3-K tables as reprinted), each K worked at two Reynolds numbers and, for 3-K, two
    // nominal sizes, so that a constant moved to another row shows in that row.
    void every_row_has_its_published_constants_data() {
        QTest::addColumn<int>("fila");
        QTest::addColumn<double>("k1Hooper");
        QTest::addColumn<double>("kInfinito");
        QTest::addColumn<double>("k1Darby");
        QTest::addColumn<double>("ki");
        QTest::addColumn<double>("kd");
        // clang-format off
        QTest::newRow("0 threaded elbow 90 standard") << 0 << 800.0 << 0.4 << 800.0 << 0.14 << 4.0;
        QTest::newRow("1 threaded elbow 90 long radius") << 1 << 800.0 << 0.2 << 800.0 << 0.071 << 4.2;
        QTest::newRow("2 threaded elbow 45 standard") << 2 << 500.0 << 0.2 << 500.0 << 0.071 << 4.2;
        QTest::newRow("3 threaded return bend") << 3 << 1000.0 << 0.6 << 1000.0 << 0.23 << 4.0;
        QTest::newRow("4 threaded tee run-through") << 4 << 200.0 << 0.1 << 200.0 << 0.091 << 4.0;
        QTest::newRow("5 threaded tee as elbow") << 5 << 500.0 << 0.7 << 500.0 << 0.274 << 4.0;
        QTest::newRow("6 globe valve") << 6 << 1500.0 << 4.0 << 1500.0 << 1.7 << 3.6;
        QTest::newRow("7 gate valve") << 7 << 300.0 << 0.1 << 300.0 << 0.037 << 3.9;
        QTest::newRow("8 angle valve") << 8 << 1000.0 << 2.0 << 1000.0 << 0.69 << 4.0;
        QTest::newRow("9 swing check valve") << 9 << 1500.0 << 1.5 << 1500.0 << 0.46 << 4.0;
        QTest::newRow("10 flanged elbow 90 standard") << 10 << 800.0 << 0.25 << 800.0 << 0.091 << 4.0;
        QTest::newRow("11 flanged elbow 90 long radius") << 11 << 800.0 << 0.2 << 800.0 << 0.071 << 4.2;
        QTest::newRow("12 flanged elbow 45 long radius") << 12 << 500.0 << 0.15 << 500.0 << 0.052 << 4.0;
        QTest::newRow("13 flanged return bend") << 13 << 1000.0 << 0.35 << 1000.0 << 0.12 << 4.0;
        QTest::newRow("14 flanged return bend long radius") << 14 << 1000.0 << 0.3 << 1000.0 << 0.1 << 4.0;
        QTest::newRow("15 flanged tee run-through") << 15 << 150.0 << 0.05 << 150.0 << 0.05 << 4.0;
        QTest::newRow("16 flanged tee as elbow") << 16 << 800.0 << 0.8 << 800.0 << 0.28 << 4.0;
        QTest::newRow("17 flanged globe valve") << 17 << 1500.0 << 4.0 << 1500.0 << 1.7 << 3.6;
        QTest::newRow("18 flanged gate valve") << 18 << 300.0 << 0.1 << 300.0 << 0.037 << 3.9;
        QTest::newRow("19 flanged angle valve") << 19 << 1000.0 << 2.0 << 1000.0 << 0.69 << 4.0;
        QTest::newRow("20 flanged swing check valve") << 20 << 1500.0 << 1.5 << 1500.0 << 0.46 << 4.0;
        // clang-format on
    }
    void every_row_has_its_published_constants() {
        QFETCH(int, fila);
        QFETCH(double, k1Hooper);
        QFETCH(double, kInfinito);
        QFETCH(double, k1Darby);
        QFETCH(double, ki);
        QFETCH(double, kd);
        // Schedule 40 bores of 1" and 12": Dn 1 and 12 exactly.
        for (const auto &[d, dn] : {std::pair{26.64, 1.0}, std::pair{303.18, 12.0}}) {
            QCOMPARE(nominalDarbyPulgadas(d), dn);
            for (const double re : {1e3, 1e6}) {
                QCOMPARE(kDosK(fila, d, re).value_or(kNaN),
                         k1Hooper / re + kInfinito * (1 + 25.4 / d));
                QCOMPARE(kTresK(fila, d, re).value_or(kNaN),
                         k1Darby / re + ki * (1 + kd / std::pow(dn, 0.3)));
            }
        }
    }

    // Dn: exact at the schedule 40 sizes, linear between them and past both ends.
    // fT: none at or below D = ε/3,7 and for a D that is not a diameter.
    void diameter_functions_data() {
        QTest::addColumn<double>("d");
        QTest::addColumn<double>("dn");
        QTest::addColumn<Opcional>("ft");
        QTest::newRow("1/8 first") << 6.84 << 0.125 << Opcional(0.03321851563613559);
        QTest::newRow("1") << 26.64 << 1.0 << Opcional();
        QTest::newRow("2") << 52.48 << 2.0 << Opcional(0.01899059510972689);
        QTest::newRow("4") << 102.26 << 4.0 << Opcional(0.016285949032968008);
        QTest::newRow("36 last") << 875.9 << 36.0 << Opcional();
        QTest::newRow("between 2 and 2 1/2") << 60.0 << 2.368627450980392 << Opcional();
        QTest::newRow("halfway 24 and 32") << (575.04 + 778.04) / 2 << 28.0 << Opcional();
        QTest::newRow("below 1/8") << 5.0 << 0.028361344537815164 << Opcional();
        QTest::newRow("past 36") << 1000.0 << 41.29662825437473 << Opcional(0.010377204413129022);
        QTest::newRow("below 4.46 mm") << 3.0 << -0.07668067226890748 << Opcional();
        QTest::newRow("0.02 mm") << 0.02 << -0.23319327731092426 << Opcional(5.706070697865199);
        QTest::newRow("at eps/3.7") << 0.0457 / 3.7 << -0.2335949920508743 << Opcional(kNaN);
        QTest::newRow("NaN") << kNaN << kNaN << Opcional(kNaN);
    }
    void diameter_functions() {
        QFETCH(double, d);
        QFETCH(double, dn);
        QFETCH(Opcional, ft);
        if (std::isnan(dn))
            QVERIFY(std::isnan(nominalDarbyPulgadas(d)));
        else
            QCOMPARE(nominalDarbyPulgadas(d), dn);
        // ft NaN: no fT; ft empty: not checked on this row.
        if (ft && std::isnan(*ft))
            QVERIFY(!friccionCrane(d));
        else if (ft)
            QCOMPARE(friccionCrane(d).value_or(kNaN), *ft);
    }

    // Bad input: no K in any row, the reason, and the reason as the label; never NaN or inf.
    void no_k_data() {
        QTest::addColumn<MetodoK>("metodo");
        QTest::addColumn<double>("d");
        QTest::addColumn<Opcional>("re");
        QTest::addColumn<MotivoSinK>("motivo");
        const Opcional re(1e5);
        const auto noD = MotivoSinK::DiametroNoValido, noRe = MotivoSinK::ReynoldsNecesario;
        const auto fuera = MotivoSinK::FueraDeAlcance;
        for (MetodoK m : kMetodosK) {
            const QByteArray n = nombreMetodoK(m).ingles.toUtf8();
            for (double d : {0.0, -50.0, kNaN, kInf})
                QTest::addRow("%s D %g", n.constData(), d) << m << d << re << noD;
        }
        for (MetodoK m : {kDos, kTres}) {
            const QByteArray n = nombreMetodoK(m).ingles.toUtf8();
            for (Opcional r :
                 {Opcional(), Opcional(0), Opcional(-10), Opcional(kNaN), Opcional(kInf)})
                QTest::addRow("%s Re %g", n.constData(), r.value_or(-1)) << m << 100.0 << r << noRe;
            QTest::addRow("%s K1/Re overflows", n.constData())
                << m << 100.0 << Opcional(1e-320) << fuera;
        }
        QTest::newRow("Crane below eps/3.7") << kCraneM << 0.01 << Opcional() << fuera;
        QTest::newRow("3-K Dn below 0") << kTres << 3.0 << re << fuera;
        QTest::newRow("2-K 1/D overflows") << kDos << 1e-310 << re << fuera;
        QTest::newRow("table below 9 mm")
            << kTabla << 8.99 << Opcional() << MotivoSinK::DiametroPequeno;
        QTest::newRow("table above 400 mm") << kTabla << 400.5 << re << MotivoSinK::DiametroGrande;
    }
    void no_k() {
        QFETCH(MetodoK, metodo);
        QFETCH(double, d);
        QFETCH(Opcional, re);
        QFETCH(MotivoSinK, motivo);
        const KsPorMetodo r = kPorMetodo(metodo, d, re);
        QCOMPARE(r.motivo, std::optional<MotivoSinK>(motivo));
        QVERIFY(!r.nominal);
        for (int f = 0; f < accesorios::kFilasTabla; ++f)
            QVERIFY(!r.k[f] && !kDe(metodo, f, d, re));
        for (Lengua l : {Lengua::Espanol, Lengua::Ingles})
            QCOMPARE(descripcionMetodoK(metodo, d, re, l), mensajeSinK(motivo).en(l));
        QVERIFY(!kCrane(-1, 100) && !kDosK(21, 100, 1e5) && !kTresK(21, 100, 1e5));
    }

    void labels_data() {
        QTest::addColumn<MetodoK>("metodo");
        QTest::addColumn<double>("d");
        QTest::addColumn<double>("reynolds"); // 0: none
        QTest::addColumn<QString>("texto");   // language, then the label
        QTest::newRow("table es") << kTabla << 102.26 << 0.0
                                  << "es K de la tabla, DN 100 (D = 102,26 mm)";
        QTest::newRow("table en") << kTabla << 102.26 << 0.0
                                  << "en K from the table, DN 100 (D = 102,26 mm)";
        QTest::newRow("Crane") << kCraneM << 102.26 << 0.0
                               << "en K = n·fT, fT = 0,0163 (D = 102,26 mm)";
        QTest::newRow("Crane 1 m")
            << kCraneM << 1000.0 << 0.0 << "es K = n·fT, fT = 0,0104 (D = 1000 mm)";
        QTest::newRow("2-K") << kDos << 102.26 << 127065.3
                             << "en K = K1/Re + K∞·(1 + 1/D), Re = 127.065, D = 4,026 in";
        QTest::newRow("2-K laminar")
            << kDos << 25.4 << 50.0 << "es K = K1/Re + K∞·(1 + 1/D), Re = 50,0, D = 1,000 in";
        QTest::newRow("3-K")
            << kTres << 60.0 << 2e4
            << "en K = K1/Re + Ki·(1 + Kd/Dn^0,3), Re = 20.000, Dn = 2,369 in (D = 60 mm)";
    }
    void labels() {
        QFETCH(MetodoK, metodo);
        QFETCH(double, d);
        QFETCH(double, reynolds);
        QFETCH(QString, texto);
        const Lengua l = texto.startsWith(QLatin1String("es")) ? Lengua::Espanol : Lengua::Ingles;
        const Opcional re = reynolds > 0 ? Opcional(reynolds) : Opcional();
        QCOMPARE(descripcionMetodoK(metodo, d, re, l), texto.mid(3));
    }

    // Method names, and catalogue rows with their titles as the window shows them.
    void names_data() {
        QTest::addColumn<int>("fila");       // -1 - method for a method
        QTest::addColumn<QString>("textos"); // Spanish|English
        QTest::addColumn<bool>("marca");     // a method needs Re; a row is threaded
        QTest::newRow("table") << -1 << "Tabla|Table" << false;
        QTest::newRow("Crane") << -2 << "Crane (n·fT)|Crane (n·fT)" << false;
        QTest::newRow("2-K") << -3 << "2-K (Hooper)|2-K (Hooper)" << true;
        QTest::newRow("3-K") << -4 << "3-K (Darby)|3-K (Darby)" << true;
        QTest::newRow("row 4") << 4 << "Te (en línea)|Tee - Line" << true;
        QTest::newRow("row 9") << 9 << "Válvula antirretorno (clapeta)|Swing check valve" << true;
        QTest::newRow("row 10") << 10 << "Codo 90º|Elbow 90º" << false;
        QTest::newRow("row 14") << 14 << "Curva 180º radio largo|Return bend long rad." << false;
        QTest::newRow("row 20") << 20 << "Válvula antirretorno (clapeta)|Swing check valve"
                                << false;
    }
    void names() {
        QFETCH(int, fila);
        QFETCH(QString, textos);
        QFETCH(bool, marca);
        const TextoBilingue t = {textos.section('|', 0, 0), textos.section('|', 1)};
        QCOMPARE(filasAccesorios().size(), accesorios::kFilasTabla);
        if (fila < 0) {
            const MetodoK m = kMetodosK.at(std::size_t(-1 - fila));
            QCOMPARE(nombreMetodoK(m), t);
            QCOMPARE(necesitaReynolds(m), marca);
        } else {
            QCOMPARE(filasAccesorios().at(fila).titulo, t);
            QCOMPARE(filasAccesorios().at(fila).conexion == Conexion::Roscada, marca);
        }
    }
};

VORLO_PRUEBA(TestKMetodos, Nucleo)
#include "tst_k_metodos.moc"
