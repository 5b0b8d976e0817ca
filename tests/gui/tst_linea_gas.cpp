#include "app/colours.h"
#include "app/gasline_entry.h"
#include "app/globals.h"
#include "app/texts.h"
#include "fields/language.h"
#include "fields/numbers.h"
#include "gasline/form_linea_gas.h"
#include "gasline/gas_line.h"
#include "gasline/gas_line_notes.h"
#include "pipeflow/colebrook_exacto.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include "../support/runner.h"

#include "../support/gui_fixture.h"
#include <numbers>

using namespace vorlo;
using namespace vorlo::prueba;

namespace {

// The inputs when solving for P2, then every other field.
const QStringList kDatos = {lg::P1Linea,   lg::Densidad1, lg::DLinea,     lg::RugLinea,
                            lg::ViscLinea, lg::LLinea,    lg::MasicoLinea};
const QStringList kTodos =
    kDatos + QStringList{lg::P2Linea, lg::fLinea,  lg::DeltaPLinea, lg::DeltaPPorc,
                         lg::ReLinea, lg::V1Linea, lg::V2Linea,     lg::VLimite};

} // namespace

class TestLineaGas : public prueba::PruebaGui {
    Q_OBJECT

    FormLineaGas *v = nullptr;

    QLineEdit *campo(const QString &n) { return prueba::campo(v, n); }
    QString texto(const QString &n) { return campo(n)->text(); }
    QStringList textos(const QStringList &nombres) {
        QStringList t;
        for (const QString &n : nombres)
            t << texto(n);
        return t;
    }
    QLabel *nota() { return prueba::control<QLabel>(v, "NotaLinea"); }
    QString ayuda() { return prueba::etiqueta(v, "MensajeAyuda"); }
    void teclear(const QString &n, const QString &t) { prueba::teclear(v, n, t); }
    void elegir(const QString &n) { prueba::control<QAbstractButton>(v, n)->click(); }
    bool rojo() { return nota()->palette().color(QPalette::WindowText) == kRojo; }

    // clang-format off
    // The published line: 10 bar a, 11,3 kg/m3, 500 mm, 1000 m, f 0,00185 given.
    void teclearLineaPublicada() {
        prueba::teclear(v, {{lg::P1Linea, "10"}, {lg::Densidad1, "11.3"}, {lg::DLinea, "500"}, {lg::LLinea, "1000"}, {lg::ViscLinea, "0.000011"}});
        elegir(lg::FijarF);
        teclear(lg::fLinea, "0.00185");
    }
    // The same line with Colebrook's f, solving for P2 from 100 000 kg/h.
    void teclearLineaColebrook() {
        prueba::teclear(v, {{lg::P1Linea, "10"}, {lg::Densidad1, "11.3"}, {lg::DLinea, "500"}, {lg::RugLinea, "0.05"},
                            {lg::ViscLinea, "0.000011"}, {lg::LLinea, "1000"}, {lg::MasicoLinea, "100000"}});
    }
    // clang-format on

  protected:
    void alEmpezar() override {
        Idioma = kEspanol;
        v = ventanas().mostrar<FormLineaGas>();
    }

  private slots:
    void opens_solving_for_p2_with_the_colours_of_that_mode() {
        QVERIFY(control<QRadioButton>(v, lg::OpcionP2)->isChecked());
        QVERIFY(!control<QCheckBox>(v, lg::FijarF)->isChecked() && nota()->text().isEmpty());
        for (const QString &n : kTodos) {
            QVERIFY2(texto(n).isEmpty(), qPrintable(n));
            QCOMPARE(fondo(campo(n)), kDatos.contains(n) ? kBlanco : kAzul);
            QCOMPARE(campo(n)->isReadOnly(), !kDatos.contains(n));
        }
    }

    // Solved for the flow, then switched: the flow found becomes the input and gives back P2.
    // Results come from the inputs, never read back from a result field.
    void published_check_solved_for_the_flow_and_back() {
        teclearLineaPublicada();
        elegir(lg::OpcionMasico);
        teclear(lg::P2Linea, "9");
        QCOMPARE(texto(lg::MasicoLinea), "523.745,13"); // 145,4847572636031 kg/s
        // clang-format off
        QCOMPARE(textos({lg::DeltaPLinea, lg::DeltaPPorc, lg::ReLinea, lg::fLinea, lg::V1Linea, lg::V2Linea, lg::VLimite}),
                 QStringList({"1,0000", "10,0", "33.679.445", "0,00185", "65,57", "72,86", "297,48"})); // f given: as typed
        // By hand: c = sqrt(1,3 P1/rho1) = 339,18 m/s; rho2 = 10,17 kg/m3, Ve = 1,2199·100/sqrt(rho2)
        QCOMPARE(textos({lg::Mach1Linea, lg::Mach2Linea, lg::VeLinea}), QStringList({",193", ",215", "38,25"}));
        // clang-format on
        QCOMPARE(nota()->text(), "La velocidad supera la velocidad erosional de API RP 14E");
        QCOMPARE(fondo(campo(lg::MasicoLinea)), kAzul);
        elegir(lg::OpcionP2);
        QCOMPARE(textos({lg::MasicoLinea, lg::P2Linea, lg::V2Linea}),
                 QStringList({"523.745,13", "9,0000", "72,86"}));
        QCOMPARE(fondo(campo(lg::MasicoLinea)), kBlanco);
        QCOMPARE(fondo(campo(lg::P2Linea)), kAzul);
        campo(lg::P2Linea)->setText("1");
        campo(lg::DeltaPLinea)->setText("5");
        QCOMPARE(texto(lg::V2Linea), "72,86");
        teclear(lg::LLinea, "1000"); // an input: recomputes from the inputs alone
        QCOMPARE(textos({lg::P2Linea, lg::DeltaPLinea}), QStringList({"9,0000", "1,0000"}));
    }

    // Solving for P2 the flow given cannot pass: P2 and the drop stay empty. Solving for the flow
    // the line carries its largest flow: the flow, and the drop down to the choking pressure
    // (never the 9 bar to the P2 given), with the outlet at the limit velocity.
    void choked_line_says_so_in_red_data() {
        QTest::addColumn<QString>("idioma");
        QTest::addColumn<bool>("calcularP2");
        QTest::addColumn<QString>("valor");
        QTest::addColumn<QString>("aviso"); // %1 the largest flow, %2 the choking pressure
        const QString esP2 =
            "Línea ahogada: el caudal máximo que puede pasar es %1\u00A0kg/\u2060h, "
            "con una presión de ahogo de %2\u00A0bar\u00A0a";
        const QString enP2 =
            "Choked line: the largest flow it can carry is %1\u00A0kg/\u2060h, at a "
            "choking pressure of %2\u00A0bar\u00A0a";
        const QString esCaudal = "Línea ahogada: pasa su caudal máximo, %1\u00A0kg/\u2060h. La "
                                 "pérdida llega hasta la presión de ahogo, %2\u00A0bar\u00A0a, al "
                                 "final de la línea";
        const QString enCaudal =
            "Choked line: it carries its largest flow, %1\u00A0kg/\u2060h. The "
            "drop goes down to the choking pressure, %2\u00A0bar\u00A0a, at "
            "the line's end";
        // clang-format off
        QTest::newRow("flow beyond the largest, es")       << kEspanol << true << "1000000" << esP2;
        QTest::newRow("flow beyond the largest, en")       << kIngles << true << "1000000" << enP2;
        QTest::newRow("P2 below the choking pressure, es") << kEspanol << false << "1" << esCaudal;
        QTest::newRow("P2 below the choking pressure, en") << kIngles << false << "1" << enCaudal;
        // clang-format on
    }
    void choked_line_says_so_in_red() {
        QFETCH(QString, idioma);
        QFETCH(bool, calcularP2);
        QFETCH(QString, valor);
        QFETCH(QString, aviso);
        Idioma = idioma;
        const QString entrada = calcularP2 ? lg::MasicoLinea : lg::P2Linea;
        teclearLineaPublicada();
        elegir(calcularP2 ? lg::OpcionP2 : lg::OpcionMasico);
        teclear(entrada, valor);
        const auto lim = lineagas::limiteAhogo({1e6, 11.3, 0.5, 1000, 1.1e-5}, 0.00185).ahogo;
        QVERIFY(lim);
        const QString maximo = *formatoFijo(lim->masicoMaximo * 3600, 2);
        const QString ahogo = *formatoFijo(lim->p2Ahogo / 1e5, 4);
        // The units stay with their numbers when the note wraps.
        QCOMPARE(nota()->text(), aviso.arg(maximo, ahogo));
        QVERIFY(rojo());
        if (calcularP2) {
            QVERIFY(texto(lg::P2Linea).isEmpty() && texto(lg::DeltaPLinea).isEmpty() &&
                    texto(lg::DeltaPPorc).isEmpty() && texto(lg::V2Linea).isEmpty());
        } else {
            const double caida = 10 - lim->p2Ahogo / 1e5;
            QCOMPARE(textos({lg::MasicoLinea, lg::DeltaPLinea, lg::DeltaPPorc, lg::V2Linea}),
                     QStringList({maximo, *formatoFijo(caida, 4), *formatoFijo(caida * 10, 1),
                                  *formatoFijo(std::sqrt(1e6 / 11.3), 2)}));
        }
        teclear(entrada, calcularP2 ? "500000" : "9"); // back within the limit
        // No longer choked; the note that stays is the erosional velocity's (V2 above 36 m/s).
        QVERIFY(!texto(calcularP2 ? lg::P2Linea : lg::MasicoLinea).isEmpty());
        lineagas::Salidas rapida;
        rapida.superaErosional = true;
        QVERIFY(nota()->text().startsWith(lineagas::textoLimites(rapida).en(idioma)));
        if (!calcularP2) { // the drop is P1 - P2 again; a large one gets the per-metre note
            QCOMPARE(texto(lg::DeltaPLinea), "1,0000");
            teclear(lg::P2Linea, "8");
            rapida.superaMach = true; // by hand: V2 = 109,6 m/s, Mach 0,323
            QCOMPARE(nota()->text(),
                     segunIdioma(idiomaActual(),
                                 "La pérdida supera el 10 % de P1: aquí un cálculo por metro, "
                                 "con el gas a una sola densidad, sería engañoso",
                                 "The drop exceeds 10 % of P1: a per-metre calculation, with the "
                                 "gas at one density, would be misleading here") +
                         ". " + lineagas::textoLimites(rapida).en(idioma));
            QVERIFY(rojo()); // by the velocity, not the drop
        }
    }

    // Cleared, f is Colebrook's exact root; ticked, the f shown becomes the input.
    void clearing_given_f_shows_the_exact_colebrook_f() {
        teclearLineaColebrook();
        const double re = 4 * (100000.0 / 3600) / (std::numbers::pi * 0.5 * 0.000011);
        const QString fColebrook = *formatoFijo(*colebrookExacto(0.05, 500, re), 6);
        QCOMPARE(texto(lg::fLinea), fColebrook);
        QCOMPARE(texto(lg::ReLinea), *formatoFijo(re, 0));
        const QString p2Colebrook = texto(lg::P2Linea);
        QVERIFY(!p2Colebrook.isEmpty());
        elegir(lg::FijarF);
        QCOMPARE(fondo(campo(lg::fLinea)), kBlanco);
        QCOMPARE(texto(lg::fLinea), fColebrook);
        teclear(lg::fLinea, "0.03");
        QVERIFY(*leerNumero(texto(lg::P2Linea)) < *leerNumero(p2Colebrook)); // larger f, lower P2
        elegir(lg::FijarF);
        QCOMPARE(texto(lg::fLinea), fColebrook);
        QCOMPARE(texto(lg::P2Linea), p2Colebrook);
        QCOMPARE(fondo(campo(lg::fLinea)), kAzul);
        // A friction function without an answer leaves f and the line empty and says why.
        v->fijarColebrook([](double, double, double) { return std::optional<double>(); });
        QVERIFY(texto(lg::fLinea).isEmpty() && texto(lg::P2Linea).isEmpty() &&
                !texto(lg::ReLinea).isEmpty());
        QCOMPARE(nota()->text(),
                 "La ecuación de Colebrook no tiene solución con esta rugosidad y este diámetro");
    }

    void texts_follow_the_language_at_opening_data() {
        QTest::addColumn<QString>("idioma");
        QTest::addColumn<QStringList>("textos"); // title, the two modes, f given, a note
        // clang-format off
        QTest::newRow("es") << kEspanol << QStringList{"Línea de gas: flujo isotérmico", "Calcular P2", "Calcular caudal",
                                                       "Factor de fricción dado", "P2 debe ser menor que P1"};
        QTest::newRow("en") << kIngles << QStringList{"Gas line: isothermal flow", "Solve for P2", "Solve for flow",
                                                      "Given friction factor", "P2 must be lower than P1"};
        // clang-format on
    }
    void texts_follow_the_language_at_opening() {
        QFETCH(QString, idioma);
        ventanas().cerrarTodas();
        Idioma = idioma;
        v = ventanas().mostrar<FormLineaGas>();
        elegir(lg::OpcionMasico);
        prueba::teclear(v, {{lg::P1Linea, "5"}, {lg::P2Linea, "6"}});
        QTEST(
            (QStringList{etiqueta(v, "TituloLinea"), control<QRadioButton>(v, lg::OpcionP2)->text(),
                         control<QRadioButton>(v, lg::OpcionMasico)->text(),
                         control<QCheckBox>(v, lg::FijarF)->text(), nota()->text()}),
            "textos");
        QCOMPARE(v->windowTitle(), etiqueta(v, "TituloLinea"));
        for (QLabel *l : v->findChildren<QLabel *>()) // every caption has a text
            QVERIFY2(l == nota() || !l->text().isEmpty(), qPrintable(l->objectName()));
    }

    void hovering_a_result_marks_what_it_needs_data() {
        QTest::addColumn<bool>("calcularP2");
        QTest::addColumn<bool>("fDada");
        QTest::addColumn<QString>("sobre");
        QTest::addColumn<QString>("rojos");
        // clang-format off
        QTest::newRow("P2")                  << true << false << lg::P2Linea << "P1Linea Densidad1 DLinea LLinea MasicoLinea RugLinea ViscLinea";
        QTest::newRow("P2, f given")         << true << true << lg::P2Linea << "P1Linea Densidad1 DLinea LLinea MasicoLinea fLinea";
        QTest::newRow("flow")                << false << false << lg::MasicoLinea << "P1Linea Densidad1 DLinea LLinea P2Linea RugLinea ViscLinea";
        QTest::newRow("drop, solving for flow") << false << false << lg::DeltaPLinea << "P1Linea P2Linea";
        QTest::newRow("Re, flow, f given")   << false << true << lg::ReLinea << "P1Linea Densidad1 DLinea LLinea P2Linea fLinea ViscLinea";
        QTest::newRow("f")                   << true << false << lg::fLinea << "MasicoLinea DLinea ViscLinea RugLinea";
        QTest::newRow("limit velocity")      << false << true << lg::VLimite << "P1Linea Densidad1";
        QTest::newRow("an input marks nothing") << true << false << lg::MasicoLinea << "";
        // clang-format on
    }
    void hovering_a_result_marks_what_it_needs() {
        QFETCH(bool, calcularP2);
        QFETCH(bool, fDada);
        QFETCH(QString, sobre);
        QFETCH(QString, rojos);
        elegir(calcularP2 ? lg::OpcionP2 : lg::OpcionMasico);
        if (fDada)
            elegir(lg::FijarF);
        moverSobre(v);
        const QString general = ayuda();
        QCOMPARE(general, "Los campos que se pueden calcular figuran en AZUL. Pase el ratón sobre "
                          "ellos y se marcarán en rojo los datos que necesita su cálculo");
        const auto fondos = [&] {
            QList<QColor> c;
            for (const QString &n : kTodos)
                c << fondo(campo(n));
            return c;
        };
        const QList<QColor> antes = fondos();
        moverSobre(campo(sobre));
        for (int i = 0; i < kTodos.size(); ++i)
            QCOMPARE(fondos()[i], rojos.split(' ').contains(kTodos[i]) ? kRojo : antes[i]);
        QVERIFY(!ayuda().isEmpty() && ayuda() != general); // its own hint
        moverSobre(
            control<QWidget>(v, "EncabezadoResultadosMarco")); // the free surface restores all
        QCOMPARE(fondos(), antes);
        QCOMPARE(ayuda(), general);
    }

    // Typed, a point becomes a comma and letters drop (pasted texts: tst_hostile_input).
    void key_filter_turns_a_point_into_a_comma_and_drops_letters() {
        teclear(lg::P1Linea, "1.5a b");
        QCOMPARE(texto(lg::P1Linea), "1,5");
        teclear(lg::DLinea, "-,5");
        QCOMPARE(texto(lg::DLinea), "-,5");
    }

    // The entry point fills one window; opened again it keeps the window's own inputs, and
    // "Take from pipe" replaces only the texts it was given.
    void entry_point_fills_one_window_and_leaves_it_independent() {
        ventanas().cerrarTodas();
        abrirLineaGas({"500", "0,05", "0,000011", "11,3", "100000", "10", "15"});
        auto *primera = ventanas().existente<FormLineaGas>();
        QVERIFY(primera);
        v = primera;
        QCOMPARE(textos({lg::DLinea, lg::RugLinea, lg::ViscLinea, lg::Densidad1, lg::MasicoLinea,
                         lg::P1Linea, lg::TLinea}),
                 QStringList({"500", "0,05", "0,000011", "11,3", "100000", "10", "15"}));
        QVERIFY(texto(lg::P2Linea).isEmpty()); // no length yet
        teclear(lg::LLinea, "1000");
        QVERIFY(!texto(lg::P2Linea).isEmpty());
        elegir(lg::OpcionMasico); // a flow given makes it solve for P2 again
        const QStringList propios = textos({lg::DLinea, lg::RugLinea, lg::P2Linea});
        abrirLineaGas({"400", "", "", "", "50000", "", ""});
        QCOMPARE(ventanas().existente<FormLineaGas>(), primera);
        QCOMPARE(textos({lg::DLinea, lg::RugLinea, lg::P2Linea}), propios);
        QVERIFY(control<QRadioButton>(v, lg::OpcionMasico)->isChecked());
        pulsar(v, "TomarTuberiaLinea");
        QCOMPARE(textos({lg::DLinea, lg::RugLinea, lg::MasicoLinea}),
                 QStringList({"400", "0,05", "50000"}));
        QVERIFY(control<QRadioButton>(v, lg::OpcionP2)->isChecked() &&
                !texto(lg::P2Linea).isEmpty());
        primera->close();
        borrarDiferidos();
        QVERIFY(!ventanas().existente<FormLineaGas>());
    }
};

VORLO_PRUEBA(TestLineaGas, Ventanas)
#include "tst_linea_gas.moc"
