#include "app/colours.h"
#include "app/gasline_entry.h"
#include "app/globals.h"
#include "app/windows.h"
#include "fields/language.h"
#include "fields/numbers.h"
#include "gasline/form_linea_gas.h"
#include "gasline/gas_line.h"
#include "pipeflow/colebrook_exacto.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>

#include "../support/gui_fixture.h"
#include <cmath>
#include <numbers>

using namespace vorlo;
using namespace vorlo::prueba;

namespace {

const QStringList kTodos = {"P1Linea",    "Densidad1",   "DLinea",  "RugLinea", "ViscLinea",
                            "LLinea",     "MasicoLinea", "P2Linea", "fLinea",   "DeltaPLinea",
                            "DeltaPPorc", "ReLinea",     "V1Linea", "V2Linea",  "VLimite"};

} // namespace

class TestLineaGas : public prueba::PruebaGui {
    Q_OBJECT

    FormLineaGas *v = nullptr;

    QLineEdit *campo(const QString &n) { return v->findChild<QLineEdit *>(n); }
    QString texto(const QString &n) { return campo(n)->text(); }
    QLabel *nota() { return v->findChild<QLabel *>("NotaLinea"); }
    QLabel *ayuda() { return v->findChild<QLabel *>("MensajeAyuda"); }
    template <class T> T *control(const char *n) { return v->findChild<T *>(n); }

    // Types a text key by key, as a user does ("." typed becomes ",").
    void teclear(const QString &n, const QString &t) { prueba::teclear(v, n, t); }

    // The published line: 10 bar a, 11,3 kg/m3, 500 mm, 1000 m, f 0,00185 given.
    void teclearLineaPublicada() {
        prueba::teclear(v, {{"P1Linea", "10"},
                            {"Densidad1", "11.3"},
                            {"DLinea", "500"},
                            {"LLinea", "1000"},
                            {"ViscLinea", "0.000011"}});
        control<QCheckBox>("FijarF")->click();
        teclear("fLinea", "0.00185");
    }
    // The same line with Colebrook's f, solving for P2 from 100 000 kg/h.
    void teclearLineaColebrook() {
        prueba::teclear(v, {{"P1Linea", "10"},
                            {"Densidad1", "11.3"},
                            {"DLinea", "500"},
                            {"RugLinea", "0.05"},
                            {"ViscLinea", "0.000011"},
                            {"LLinea", "1000"},
                            {"MasicoLinea", "100000"}});
    }

    void abrir(const QString &idioma) {
        ventanas().cerrarTodas();
        Idioma = idioma;
        v = ventanas().mostrar<FormLineaGas>();
    }

    void sinNoNumeros(const QString &pegado) {
        for (const QString &n : kTodos)
            if (texto(n) != pegado)
                QVERIFY2(!muestraNoNumero(texto(n)), qPrintable(n + u'=' + texto(n).left(40)));
        QVERIFY2(!muestraNoNumero(nota()->text()), qPrintable(nota()->text()));
    }

  protected:
    void alEmpezar() override { abrir(kEspanol); }

  private slots:
    void opens_solving_for_p2_with_the_colours_of_that_mode() {
        QVERIFY(control<QRadioButton>("OpcionP2")->isChecked());
        QVERIFY(!control<QRadioButton>("OpcionMasico")->isChecked());
        QVERIFY(!control<QCheckBox>("FijarF")->isChecked());
        for (const QString &n : kTodos)
            QVERIFY2(texto(n).isEmpty(), qPrintable(n));
        QVERIFY(nota()->text().isEmpty());
        for (const char *n :
             {"P1Linea", "Densidad1", "DLinea", "RugLinea", "ViscLinea", "LLinea", "MasicoLinea"}) {
            QCOMPARE(fondo(campo(n)), kBlanco);
            QVERIFY(!campo(n)->isReadOnly());
        }
        for (const char *n : {"P2Linea", "fLinea", "DeltaPLinea", "DeltaPPorc", "ReLinea",
                              "V1Linea", "V2Linea", "VLimite"}) {
            QCOMPARE(fondo(campo(n)), kAzul);
            QVERIFY(campo(n)->isReadOnly());
        }
        QVERIFY(v->testAttribute(Qt::WA_DeleteOnClose));
    }

    // Solved for the flow, then switched: the text a field shows becomes the new input, so the
    // flow just found gives back the P2 it came from.
    void published_check_solved_for_the_flow_and_back() {
        teclearLineaPublicada();
        control<QRadioButton>("OpcionMasico")->click();
        teclear("P2Linea", "9");
        QCOMPARE(texto("MasicoLinea"), "523.745,13"); // 145,4847572636031 kg/s
        QCOMPARE(texto("DeltaPLinea"), "1,0000");
        QCOMPARE(texto("DeltaPPorc"), "10,0");
        QCOMPARE(texto("ReLinea"), "33.679.445");
        QCOMPARE(texto("fLinea"), "0,00185"); // given: left as typed
        QCOMPARE(texto("V1Linea"), "65,57");
        QCOMPARE(texto("V2Linea"), "72,86");
        QCOMPARE(texto("VLimite"), "297,48");
        QVERIFY(nota()->text().isEmpty());
        QCOMPARE(fondo(campo("MasicoLinea")), kAzul);
        QCOMPARE(fondo(campo("P2Linea")), kBlanco);
        control<QRadioButton>("OpcionP2")->click();
        QCOMPARE(texto("MasicoLinea"), "523.745,13");
        QCOMPARE(texto("P2Linea"), "9,0000");
        QCOMPARE(fondo(campo("MasicoLinea")), kBlanco);
        QCOMPARE(fondo(campo("P2Linea")), kAzul);
        QVERIFY(campo("P2Linea")->isReadOnly());
    }

    // Solved for P2. Results are computed from the inputs, never read back: a result field's
    // text changing changes nothing else.
    void published_check_solved_for_p2_from_the_inputs_alone() {
        teclearLineaPublicada();
        teclear("MasicoLinea", "523745.13");
        QCOMPARE(texto("P2Linea"), "9,0000");
        QCOMPARE(texto("DeltaPPorc"), "10,0");
        QCOMPARE(texto("V1Linea"), "65,57");
        const QString v2 = texto("V2Linea");
        QCOMPARE(v2, "72,86");
        QVERIFY(nota()->text().isEmpty());
        campo("P2Linea")->setText("1");
        campo("DeltaPLinea")->setText("5");
        QCOMPARE(texto("V2Linea"), v2);
        teclear("LLinea", "1000"); // an input: recomputes from the inputs alone
        QCOMPARE(texto("P2Linea"), "9,0000");
        QCOMPARE(texto("DeltaPLinea"), "1,0000");
    }

    void choked_line_says_so_in_red_data() {
        QTest::addColumn<bool>("calcularP2");
        QTest::addColumn<QString>("valor");
        QTest::newRow("flow beyond the largest") << true << "1000000";
        QTest::newRow("P2 below the choking pressure") << false << "2";
    }
    void choked_line_says_so_in_red() {
        QFETCH(bool, calcularP2);
        QFETCH(QString, valor);
        teclearLineaPublicada();
        if (!calcularP2)
            control<QRadioButton>("OpcionMasico")->click();
        teclear(calcularP2 ? "MasicoLinea" : "P2Linea", valor);

        QVERIFY(texto(calcularP2 ? "P2Linea" : "MasicoLinea").isEmpty());
        QVERIFY(texto("V2Linea").isEmpty());
        const lineagas::Limite lim =
            lineagas::limiteAhogo(lineagas::Linea{1e6, 11.3, 0.5, 1000, 1.1e-5}, 0.00185);
        QVERIFY(lim.ahogo);
        // The units stay with their numbers when the note wraps.
        const QString esperado =
            QStringLiteral("Línea ahogada: el caudal máximo que puede pasar es %1\u00A0kg/\u2060h, "
                           "con una presión de ahogo de %2\u00A0bar\u00A0a")
                .arg(*formatoFijo(lim.ahogo->masicoMaximo * 3600, 2),
                     *formatoFijo(lim.ahogo->p2Ahogo / 1e5, 4));
        QCOMPARE(nota()->text(), esperado);
        QCOMPARE(nota()->palette().color(QPalette::WindowText), kRojo);

        // Back within the limit: a result and the normal colour.
        teclear(calcularP2 ? "MasicoLinea" : "P2Linea", calcularP2 ? "500000" : "9");
        QVERIFY(!texto(calcularP2 ? "P2Linea" : "MasicoLinea").isEmpty());
        QVERIFY(nota()->palette().color(QPalette::WindowText) != kRojo);
    }

    void a_large_drop_gets_the_per_metre_note_in_normal_colour() {
        teclearLineaPublicada();
        control<QRadioButton>("OpcionMasico")->click();
        teclear("P2Linea", "8");
        QCOMPARE(texto("DeltaPPorc"), "20,0");
        QCOMPARE(nota()->text(), "La pérdida supera el 10 % de P1: aquí un cálculo por metro, con "
                                 "el gas a una sola densidad, sería engañoso");
        QVERIFY(nota()->palette().color(QPalette::WindowText) != kRojo);
        teclear("P2Linea", "9.5");
        QVERIFY(nota()->text().isEmpty());
    }

    void clearing_given_f_shows_the_exact_colebrook_f() {
        teclearLineaColebrook();
        // Colebrook at Re = 4 m / (pi D mu), shown with 6 decimals.
        const double re = 4 * (100000.0 / 3600) / (std::numbers::pi * 0.5 * 0.000011);
        const QString fColebrook = *formatoFijo(*colebrookExacto(0.05, 500, re), 6);
        QCOMPARE(texto("fLinea"), fColebrook);
        QCOMPARE(texto("ReLinea"), *formatoFijo(re, 0));
        QVERIFY(campo("fLinea")->isReadOnly());
        QCOMPARE(fondo(campo("fLinea")), kAzul);
        const QString p2Colebrook = texto("P2Linea");
        QVERIFY(!p2Colebrook.isEmpty());

        // Ticked: the f shown becomes the input; a larger f gives a lower P2.
        control<QCheckBox>("FijarF")->click();
        QVERIFY(!campo("fLinea")->isReadOnly());
        QCOMPARE(fondo(campo("fLinea")), kBlanco);
        QCOMPARE(texto("fLinea"), fColebrook);
        teclear("fLinea", "0.03");
        QCOMPARE(texto("fLinea"), "0,03");
        QVERIFY(*leerNumero(texto("P2Linea")) < *leerNumero(p2Colebrook));

        // Cleared again: Colebrook's f and its P2 come back.
        control<QCheckBox>("FijarF")->click();
        QCOMPARE(texto("fLinea"), fColebrook);
        QCOMPARE(texto("P2Linea"), p2Colebrook);
        QCOMPARE(fondo(campo("fLinea")), kAzul);
    }

    // A friction factor function without an answer leaves f and the line empty and says why.
    void colebrook_without_a_root_is_noted() {
        teclearLineaColebrook();
        QVERIFY(!texto("P2Linea").isEmpty());
        v->fijarColebrook([](double, double, double) { return std::optional<double>(); });
        QVERIFY(texto("fLinea").isEmpty());
        QVERIFY(texto("P2Linea").isEmpty());
        QVERIFY(!texto("ReLinea").isEmpty());
        QCOMPARE(nota()->text(),
                 "La ecuación de Colebrook no tiene solución con esta rugosidad y este diámetro");
    }

    void texts_follow_the_language_at_opening_data() {
        QTest::addColumn<QString>("idioma");
        QTest::addColumn<QString>("titulo");
        QTest::addColumn<QString>("opcionP2");
        QTest::addColumn<QString>("opcionMasico");
        QTest::addColumn<QString>("fijarF");
        QTest::addColumn<QString>("notaP2");
        // clang-format off
        QTest::newRow("es") << kEspanol << "Línea de gas: flujo isotérmico" << "Calcular P2" << "Calcular caudal"
                            << "Factor de fricción dado" << "P2 debe ser menor que P1";
        QTest::newRow("en") << kIngles << "Gas line: isothermal flow" << "Solve for P2" << "Solve for flow"
                            << "Given friction factor" << "P2 must be lower than P1";
        // clang-format on
    }
    void texts_follow_the_language_at_opening() {
        QFETCH(QString, idioma);
        QFETCH(QString, titulo);
        QFETCH(QString, opcionP2);
        QFETCH(QString, opcionMasico);
        QFETCH(QString, fijarF);
        QFETCH(QString, notaP2);
        abrir(idioma);
        QCOMPARE(v->windowTitle(), titulo);
        QCOMPARE(v->findChild<QLabel *>("TituloLinea")->text(), titulo);
        QCOMPARE(control<QRadioButton>("OpcionP2")->text(), opcionP2);
        QCOMPARE(control<QRadioButton>("OpcionMasico")->text(), opcionMasico);
        QCOMPARE(control<QCheckBox>("FijarF")->text(), fijarF);
        control<QRadioButton>("OpcionMasico")->click();
        teclear("P1Linea", "5");
        teclear("P2Linea", "6");
        QCOMPARE(nota()->text(), notaP2);
        // Every caption has a text in that language.
        for (QLabel *l : v->findChildren<QLabel *>())
            if (l != nota())
                QVERIFY2(!l->text().isEmpty(), qPrintable(l->objectName()));
    }

    void hovering_a_result_marks_what_it_needs_data() {
        QTest::addColumn<bool>("calcularP2");
        QTest::addColumn<bool>("fDada");
        QTest::addColumn<QString>("sobre");
        QTest::addColumn<QStringList>("rojos");
        const QStringList lineaP2 = {"P1Linea",     "Densidad1", "DLinea",   "LLinea",
                                     "MasicoLinea", "RugLinea",  "ViscLinea"};
        QTest::newRow("P2") << true << false << "P2Linea" << lineaP2;
        QTest::newRow("P2, f given")
            << true << true << "P2Linea"
            << QStringList{"P1Linea", "Densidad1", "DLinea", "LLinea", "MasicoLinea", "fLinea"};
        QTest::newRow("flow") << false << false << "MasicoLinea"
                              << QStringList{"P1Linea", "Densidad1", "DLinea",   "LLinea",
                                             "P2Linea", "RugLinea",  "ViscLinea"};
        QTest::newRow("drop, solving for flow")
            << false << false << "DeltaPLinea" << QStringList{"P1Linea", "P2Linea"};
        QTest::newRow("drop, solving for P2") << true << false << "DeltaPPorc" << lineaP2;
        QTest::newRow("Re, solving for P2")
            << true << false << "ReLinea" << QStringList{"MasicoLinea", "DLinea", "ViscLinea"};
        QTest::newRow("Re, solving for flow, f given")
            << false << true << "ReLinea"
            << QStringList{"P1Linea", "Densidad1", "DLinea",   "LLinea",
                           "P2Linea", "fLinea",    "ViscLinea"};
        QTest::newRow("f") << true << false << "fLinea"
                           << QStringList{"MasicoLinea", "DLinea", "ViscLinea", "RugLinea"};
        QTest::newRow("inlet velocity")
            << true << false << "V1Linea" << QStringList{"MasicoLinea", "Densidad1", "DLinea"};
        QTest::newRow("limit velocity")
            << false << true << "VLimite" << QStringList{"P1Linea", "Densidad1"};
        QTest::newRow("an input marks nothing") << true << false << "MasicoLinea" << QStringList{};
    }
    void hovering_a_result_marks_what_it_needs() {
        QFETCH(bool, calcularP2);
        QFETCH(bool, fDada);
        QFETCH(QString, sobre);
        QFETCH(QStringList, rojos);
        if (!calcularP2)
            control<QRadioButton>("OpcionMasico")->click();
        if (fDada)
            control<QCheckBox>("FijarF")->click();
        moverSobre(v);
        const QString general = ayuda()->text();
        QCOMPARE(general, "Los campos que se pueden calcular figuran en AZUL. Pase el ratón sobre "
                          "ellos y se marcarán en rojo los datos que necesita su cálculo");
        QHash<QString, QColor> antes;
        for (const QString &n : kTodos)
            antes.insert(n, fondo(campo(n)));

        moverSobre(campo(sobre));
        for (const QString &n : kTodos)
            QCOMPARE(fondo(campo(n)), rojos.contains(n) ? kRojo : antes.value(n));
        // Its hint on the help line.
        QVERIFY(!ayuda()->text().isEmpty());
        QVERIFY(ayuda()->text() != general);

        // The free surface restores the colours and the general hint.
        moverSobre(v->findChild<QWidget *>("MarcoResultados"));
        for (const QString &n : kTodos)
            QCOMPARE(fondo(campo(n)), antes.value(n));
        QCOMPARE(ayuda()->text(), general);
    }

    void key_filter_turns_a_point_into_a_comma_and_drops_letters() {
        teclear("P1Linea", "1.5a b");
        QCOMPARE(texto("P1Linea"), "1,5");
        teclear("DLinea", "-,5");
        QCOMPARE(texto("DLinea"), "-,5");
    }

    void hostile_input_leaves_no_nan_or_inf() {
        // clang-format off
        const QStringList hostiles = {QString(400, u'9'), "1e999", "1E308", "-1E308", "1E-320", "-0", ",", "-",
                                      "--", "1,2,3", "abc", "NaN", "inf", "   ", "0", "", "1.234.567,89",
                                      "0,0000000000000000001"};
        // clang-format on
        const QStringList entradas = {"P1Linea", "Densidad1",   "DLinea",  "RugLinea", "ViscLinea",
                                      "LLinea",  "MasicoLinea", "P2Linea", "fLinea"};
        for (bool calcularP2 : {true, false}) {
            for (bool fDada : {false, true}) {
                control<QRadioButton>(calcularP2 ? "OpcionP2" : "OpcionMasico")->click();
                if (control<QCheckBox>("FijarF")->isChecked() != fDada)
                    control<QCheckBox>("FijarF")->click();
                for (const QString &h : hostiles) {
                    for (const QString &n : entradas) {
                        if (campo(n)->isReadOnly())
                            continue;
                        teclearLineaColebrook();
                        teclear(calcularP2 ? "MasicoLinea" : "P2Linea",
                                calcularP2 ? "500000" : "9");
                        if (fDada)
                            teclear("fLinea", "0.00185");
                        pegar(campo(n), h);
                        sinNoNumeros(h);
                    }
                }
            }
        }
        // Still working: the published check.
        control<QRadioButton>("OpcionMasico")->click();
        prueba::teclear(v, {{"P1Linea", "10"},
                            {"Densidad1", "11.3"},
                            {"DLinea", "500"},
                            {"LLinea", "1000"},
                            {"fLinea", "0.00185"},
                            {"P2Linea", "9"}});
        QCOMPARE(texto("MasicoLinea"), "523.745,13");
    }

    void entry_point_fills_one_window_and_leaves_it_independent() {
        ventanas().cerrarTodas();
        abrirLineaGas({"500", "0,05", "0,000011", "11,3", "100000", "10"});
        auto *primera = ventanas().existente<FormLineaGas>();
        QVERIFY(primera);
        v = primera;
        QCOMPARE(texto("DLinea"), "500");
        QCOMPARE(texto("RugLinea"), "0,05");
        QCOMPARE(texto("ViscLinea"), "0,000011");
        QCOMPARE(texto("Densidad1"), "11,3");
        QCOMPARE(texto("MasicoLinea"), "100000");
        QCOMPARE(texto("P1Linea"), "10");
        QVERIFY(texto("P2Linea").isEmpty()); // no length yet
        QVERIFY(!texto("fLinea").isEmpty());
        teclear("LLinea", "1000");
        QVERIFY(!texto("P2Linea").isEmpty());

        // Opened again with only some texts, solving for the flow: the same window, the
        // given texts replace theirs, and a flow makes it solve for P2 again.
        control<QRadioButton>("OpcionMasico")->click();
        abrirLineaGas({"400", "", "", "", "50000", ""});
        QCOMPARE(ventanas().existente<FormLineaGas>(), primera);
        QCOMPARE(texto("DLinea"), "400");
        QCOMPARE(texto("RugLinea"), "0,05");
        QCOMPARE(texto("LLinea"), "1000");
        QCOMPARE(texto("MasicoLinea"), "50000");
        QVERIFY(control<QRadioButton>("OpcionP2")->isChecked());
        QVERIFY(!texto("P2Linea").isEmpty());

        primera->close();
        borrarDiferidos();
        QVERIFY(!ventanas().existente<FormLineaGas>());
    }
};

QTEST_MAIN(TestLineaGas)
#include "tst_linea_gas.moc"
