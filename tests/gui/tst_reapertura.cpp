// A closed window's inputs when it opens again, with the windows started as the program starts
// them (arrancarVentanas), without the set-up of the case that the shared fixture does for every
// other suite: what a user of the real program sees.
#include "app/globals.h"
#include "app/startup.h"
#include "fields/language.h"
#include "gasline/form_linea_gas.h"
#include "gasline/gas_line_fields.h"
#include "pipeflow/form_reynolds.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include "../support/runner.h"

#include "../support/gui_fixture.h"

using namespace vorlo;
using namespace vorlo::prueba;

class TestReapertura : public PruebaGui {
    Q_OBJECT

  protected:
    // A new process: nothing has told the window register about the case yet.
    void alEmpezar() override { ventanas().fijarAlCrear({}); }

  private slots:
    // Closed and opened again, by itself or from the pipe window, the gas line window shows the
    // inputs and options it was left with: the pipe window's density and diameter do not
    // replace them, until "Take from pipe" is pressed (no flow, no gas window for P1).
    void a_closed_gas_line_window_keeps_its_inputs_data() {
        QTest::addColumn<QString>("idioma");
        QTest::addColumn<bool>("calcularP2");
        QTest::addColumn<bool>("fDada");
        QTest::addColumn<bool>("desdeTuberia");
        // clang-format off
        QTest::newRow("P2, Colebrook, reopened, es")            << kEspanol << true << false << false;
        QTest::newRow("P2, f given, from the pipe window, en")  << kIngles << true << true << true;
        QTest::newRow("flow, Colebrook, from the pipe window, es") << kEspanol << false << false << true;
        QTest::newRow("flow, f given, reopened, en")            << kIngles << false << true << false;
        // clang-format on
    }
    void a_closed_gas_line_window_keeps_its_inputs() {
        QFETCH(QString, idioma);
        QFETCH(bool, calcularP2);
        QFETCH(bool, fDada);
        QFETCH(bool, desdeTuberia);
        Idioma = idioma;
        arrancarVentanas();
        auto *v = ventanas().mostrar<FormLineaGas>();
        teclear(v, {{lg::P1Linea, "10"},
                    {lg::Densidad1, "11.3"},
                    {lg::DLinea, "500"},
                    {lg::RugLinea, "0.05"},
                    {lg::ViscLinea, "0.000011"},
                    {lg::LLinea, "1000"},
                    {lg::MasicoLinea, "100000"}});
        if (!calcularP2) {
            pulsar(v, lg::OpcionMasico);
            teclear(v, lg::P2Linea, "9");
        }
        if (fDada) {
            pulsar(v, lg::FijarF);
            teclear(v, lg::fLinea, "0.00185");
        }
        const QStringList entradas = lineagas::campos::entradas(calcularP2, fDada);
        const auto textos = [&] {
            QStringList t;
            for (const QString &n : entradas)
                t << campo(v, n)->text();
            return t;
        };
        QStringList esperados = textos();
        v->close();
        borrarDiferidos();
        QVERIFY(!ventanas().existente<FormLineaGas>());

        if (desdeTuberia) {
            auto *tubo = ventanas().mostrar<FormReynolds>();
            pulsar(tubo, t::Option2);
            teclear(tubo, {{t::dproceso, "11.3"}, {t::dint, "400"}});
            pulsar(tubo, "CommandLineaGas");
        } else {
            ventanas().mostrar<FormLineaGas>();
        }
        v = ventanas().existente<FormLineaGas>();
        QVERIFY(v);
        QCOMPARE(textos(), esperados);
        if (desdeTuberia) {
            pulsar(v, "TomarTuberiaLinea");
            esperados[entradas.indexOf(lg::DLinea)] = "400";
            QCOMPARE(textos(), esperados);
        }
        QCOMPARE(control<QRadioButton>(v, lg::OpcionP2)->isChecked(), calcularP2);
        QCOMPARE(control<QCheckBox>(v, lg::FijarF)->isChecked(), fDada);
        // Solved again from them.
        QVERIFY(!campo(v, calcularP2 ? lg::P2Linea : lg::MasicoLinea)->text().isEmpty());
    }
};

VORLO_PRUEBA(TestReapertura, Ventanas)
#include "tst_reapertura.moc"
