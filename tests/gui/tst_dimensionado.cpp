#include "app/globals.h"
#include "app/sizing_entry.h"
#include "fields/language.h"
#include "fields/numbers.h"
#include "pipeflow/form_reynolds.h"
#include "pipes/pipe_sizes.h"
#include "sizing/form_dimensionado.h"
#include "sizing/sizing.h"
#include "sizing/sizing_fields.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include "../support/runner.h"

#include "../support/gui_fixture.h"

using namespace vorlo;
using namespace vorlo::prueba;
using F = FormDimensionado;

namespace {

// The worked example's fluid: 36 m3/h of water, 998 kg/m3, 0,001 Pa·s, 0,05 mm.
const DatosDimensionado kEjemplo{"36", "998", "0,001", "0,05"};
constexpr int kVelocidad = 2; // columns
constexpr int kPerdida = 5;
constexpr int kCumple = 6;

// The events of a real double click on a row: press and release, then the double click.
void dobleClicFila(QTableWidget *t, int fila) {
    t->scrollToItem(t->item(fila, 0));
    const QPoint p = t->visualItemRect(t->item(fila, 0)).center();
    QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, p);
    QTest::mouseDClick(t->viewport(), Qt::LeftButton, {}, p);
    QTest::mouseRelease(t->viewport(), Qt::LeftButton, {}, p);
}

} // namespace

class TestDimensionado : public PruebaGui {
    Q_OBJECT

    F *v = nullptr;

    QTableWidget *tabla() { return control<QTableWidget>(v, F::TablaDim); }
    QString celda(int fila, int col) { return tabla()->item(fila, col)->text(); }
    QString eleccion() { return etiqueta(v, F::EleccionDim); }
    bool eleccionRoja() {
        return control<QLabel>(v, F::EleccionDim)->palette().color(QPalette::WindowText) == kRojo;
    }
    bool usable() { return boton(v, F::UsarDim)->isEnabled(); }
    bool roja(int fila, int col) { return tabla()->item(fila, col)->foreground().color() == kRojo; }
    QStringList columna(int c) {
        QStringList l;
        for (int i = 0; i < tabla()->rowCount(); ++i)
            l << celda(i, c);
        return l;
    }
    int filaDe(const QString &nominal) { return int(columna(0).indexOf(nominal)); }
    void limites(const QString &vmax, const QString &dpmax) {
        teclear(v, "VmaxDim", vmax);
        teclear(v, "DPmaxDim", dpmax);
    }
    // Every cell and the pick line as the core gives them for the window's inputs.
    void comoElNucleo() {
        const Dimensionado d = dimensionar(entradaDesdeTextos(
            *v, NormaTuberia(control<QComboBox>(v, F::NormaDim)->currentData().toInt()),
            v->texto(F::CedulaDim)));
        QCOMPARE(tabla()->rowCount(), d.filas.size());
        for (int i = 0; i < d.filas.size(); ++i) {
            QStringList fila;
            for (int c = 0; c < tabla()->columnCount(); ++c)
                fila << celda(i, c);
            QCOMPARE(fila, celdasDimensionado(d.filas[i], lenguaActual()));
            const bool elegida = d.elegida == i;
            QCOMPARE(tabla()->item(i, 0)->font().bold(), elegida);
            QCOMPARE(tabla()->item(i, 1)->isSelected(), elegida);
        }
        QCOMPARE(eleccion(), textoResultado(d).en(lenguaActual()));
    }

    // The pipe window with the worked example and a K total.
    void abrirTuboConEjemplo() {
        FormReynolds *tubo = ventanas().mostrar<FormReynolds>();
        teclearEjemploTuberia(tubo);
        tubo->escribir("ktotal", "2");
        QCOMPARE(tubo->texto("Vproceso"), "1,2732"); // 100 mm
    }

  protected:
    void alEmpezar() override {
        Idioma = kEspanol;
        abrirDimensionado(kEjemplo);
        v = ventanas().existente<F>();
    }

  private slots:
    // Picks worked out by hand for Sch 40: 3" 2,10 m/s, 0,56 bar/100 m; 3 1/2" 1,57 m/s, 0,27;
    // 4" 1,22 m/s, 0,14.
    void pick_follows_the_limits_as_the_core_does_data() {
        QTest::addColumn<QString>("vmax");
        QTest::addColumn<QString>("dpmax");
        QTest::addColumn<QString>("pick");
        // clang-format off
        QTest::newRow("velocity 2")              << "2"   << ""     << "3 1/2\" Sch 40 — 1,57 m/s";
        QTest::newRow("drop 0,6")                << ""    << "0,6"  << "3\" Sch 40 — 2,10 m/s";
        QTest::newRow("drop 0,25")               << ""    << "0,25" << "4\" Sch 40 — 1,22 m/s";
        QTest::newRow("both, 2,5 and 0,6")       << "2.5" << "0.6"  << "3\" Sch 40 — 2,10 m/s";
        QTest::newRow("no limits: no pick")      << ""    << ""     << "Sin criterio no se elige tamaño";
        // clang-format on
    }
    void pick_follows_the_limits_as_the_core_does() {
        QFETCH(QString, vmax);
        QFETCH(QString, dpmax);
        QFETCH(QString, pick);
        limites(vmax, dpmax);
        QVERIFY2(eleccion().startsWith(pick), qPrintable(eleccion()));
        comoElNucleo();
        const bool elegido = !vmax.isEmpty() || !dpmax.isEmpty();
        QVERIFY(usable() == elegido && eleccionRoja() == !elegido);
    }

    // A service fills the criteria with its typical limits (docs/sizing-services.md), which
    // pick as typed limits would.
    void a_service_fills_the_criteria_data() {
        QTest::addColumn<QString>("servicio");
        QTest::addColumn<QStringList>("limites");
        QTest::addColumn<QString>("pick");
        QTest::newRow("pump discharge")
            << "pump-discharge" << QStringList{"3", "1"} << "3\" Sch 40 — 2,10 m/s";
        QTest::newRow("pump suction")
            << "pump-suction" << QStringList{"1,5", "0,3"} << "4\" Sch 40 — 1,22 m/s";
        QTest::newRow("steam: no drop limit") << "steam" << QStringList{"30", ""} << "";
    }
    void a_service_fills_the_criteria() {
        QFETCH(QString, servicio);
        QFETCH(QStringList, limites);
        QFETCH(QString, pick);
        auto *lista = control<QComboBox>(v, F::ServicioDim);
        lista->setCurrentIndex(lista->findData(servicio));
        emit lista->activated(lista->currentIndex());
        QCOMPARE((QStringList{v->texto("VmaxDim"), v->texto("DPmaxDim")}), limites);
        QVERIFY2(eleccion().startsWith(pick), qPrintable(eleccion()));
    }

    void cells_beyond_a_limit_are_red_data() {
        QTest::addColumn<double>("vmax"); // 0: no limit
        QTest::addColumn<double>("dpmax");
        QTest::newRow("velocity") << 2.0 << 0.0;
        QTest::newRow("drop") << 0.0 << 0.5;
        QTest::newRow("both") << 1.5 << 0.2;
    }
    // Each row as "velocity drop mark": a value beyond its limit shows as "red".
    // Per row: velocity red, drop red, any other cell red, the mark.
    void cells_beyond_a_limit_are_red() {
        QFETCH(double, vmax);
        QFETCH(double, dpmax);
        const auto texto = [](double x) { return x > 0 ? *formatoPlano(x) : QString(); };
        limites(texto(vmax), texto(dpmax));
        const QString forma = QStringLiteral("%1 %2 %3 %4");
        QStringList vistas, esperadas;
        for (int i = 0; i < tabla()->rowCount(); ++i) {
            const int rapida = vmax > 0 && *leerNumero(celda(i, kVelocidad)) > vmax;
            const int perdida = dpmax > 0 && *leerNumero(celda(i, kPerdida)) > dpmax;
            esperadas << forma.arg(rapida).arg(perdida).arg(0).arg(rapida || perdida ? "No" : "Sí");
            const int otra = roja(i, 0) || roja(i, 1) || roja(i, 3) || roja(i, 4);
            vistas << forma.arg(roja(i, kVelocidad))
                          .arg(roja(i, kPerdida))
                          .arg(otra)
                          .arg(celda(i, kCumple));
        }
        QCOMPARE(vistas, esperadas);
        QVERIFY(esperadas.filter(" No").size() > 2);
    }

    // Bad input empties the table and says why; limits no size meets leave every row marked.
    void no_pick_says_why_data() {
        QTest::addColumn<QString>("campo");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("motivo");
        QTest::addColumn<int>("filas");
        // clang-format off
        QTest::newRow("no flow")             << "QDim"        << ""      << "El caudal debe ser un número mayor que cero." << 0;
        QTest::newRow("zero flow")           << "QDim"        << "0"     << "Caudal: debe ser mayor que cero" << 0;
        QTest::newRow("negative density")    << "DensidadDim" << "-5"    << "Densidad: debe ser mayor que cero" << 0;
        QTest::newRow("a lone comma")        << "ViscDim"     << ","     << "Viscosidad dinámica: no es un número" << 0;
        QTest::newRow("negative roughness")  << "RugDim"      << "-1"    << "Rugosidad: no puede ser menor que cero" << 0;
        QTest::newRow("zero velocity limit") << "VmaxDim"     << "0"     << "Velocidad máxima: debe ser mayor que cero" << 0;
        QTest::newRow("a lone minus")        << "DPmaxDim"    << "-"     << "Pérdida máxima: no es un número" << 0;
        QTest::newRow("no size meets")       << "VmaxDim"     << "0,001" << "Ningún tamaño cumple los criterios" << 26;
        // clang-format on
    }
    void no_pick_says_why() {
        QFETCH(QString, campo);
        QFETCH(QString, texto);
        QFETCH(int, filas);
        limites(QString(), QStringLiteral("0,6"));
        teclear(v, campo, texto);
        QTEST(eleccion(), "motivo");
        QVERIFY(eleccionRoja() && !usable() && tabla()->selectedItems().isEmpty());
        QCOMPARE(tabla()->rowCount(), filas);
        QCOMPARE(columna(kCumple).filter("No").size(), filas);
        teclear(v, campo, "1"); // a valid text brings the pick back
        QVERIFY(tabla()->rowCount() == 26 && usable() && !eleccionRoja());
    }

    void extreme_values_show_no_nan_or_inf_data() {
        QTest::addColumn<QString>("campo");
        QTest::addColumn<QString>("texto");
        // clang-format off
        QTest::newRow("huge flow")      << "QDim"        << QString(40, '9');
        QTest::newRow("tiny viscosity") << "ViscDim"     << ",0000000000000000000000000000000001";
        QTest::newRow("huge density")   << "DensidadDim" << QString(300, '9');
        // clang-format on
    }
    void extreme_values_show_no_nan_or_inf() {
        QFETCH(QString, campo);
        QFETCH(QString, texto);
        pegar(prueba::campo(v, campo), texto);
        QVERIFY(!muestraNoNumero(eleccion()));
        for (int i = 0; i < tabla()->rowCount(); ++i)
            for (int c = 0; c < tabla()->columnCount(); ++c)
                QVERIFY2(!muestraNoNumero(celda(i, c)), qPrintable(celda(i, c)));
    }

    // The schedules follow the standard, keeping the wall where the new standard has it.
    void standard_and_schedule_data() {
        QTest::addColumn<QString>("antes");
        QTest::addColumn<QString>("norma");
        QTest::addColumn<QString>("cedula");
        QTest::addColumn<QString>("texto");
        // clang-format off
        QTest::newRow("default")                << ""    << "ASME B36.10M" << "40"  << "Sch 40";
        QTest::newRow("stainless, 40 -> 40S")   << "40"  << "ASME B36.19M" << "40S" << "Sch 40S";
        QTest::newRow("stainless, 80 -> 80S")   << "80"  << "ASME B36.19M" << "80S" << "Sch 80S";
        QTest::newRow("stainless, XS -> usual") << "XS"  << "ASME B36.19M" << "40S" << "Sch 40S";
        QTest::newRow("EN 10255")               << "160" << "EN 10255"     << "M"   << "M";
        // clang-format on
    }
    void standard_and_schedule() {
        QFETCH(QString, antes);
        QFETCH(QString, norma);
        QFETCH(QString, cedula);
        auto *normas = control<QComboBox>(v, F::NormaDim);
        auto *cedulas = control<QComboBox>(v, F::CedulaDim);
        if (!antes.isEmpty())
            cedulas->setCurrentIndex(cedulas->findData(antes));
        normas->setCurrentIndex(normas->findText(norma));
        QCOMPARE(v->texto(F::NormaDim), norma);
        QCOMPARE(v->texto(F::CedulaDim), cedula);
        QTEST(cedulas->currentText(), "texto");
        const NormaTuberia n = NormaTuberia(normas->currentData().toInt());
        QStringList lista, esperados;
        for (int i = 0; i < cedulas->count(); ++i)
            lista << cedulas->itemData(i).toString();
        QCOMPARE(lista, cedulasDe(n));
        for (const TuberiaNormalizada &t : catalogoTuberias())
            if (t.norma == n && t.cedula == cedula)
                esperados << textoNominal(t);
        QCOMPARE(columna(0), esperados);
        comoElNucleo();
    }

    // Double-click or "Use": dint and the designation in the pipe window, as the pipe sizes
    // window hands them; the K total is asked for again.
    void hand_over_to_the_pipe_window_data() {
        QTest::addColumn<QString>("fila"); // empty: the pick, with UsarDim
        QTest::addColumn<bool>("abierta");
        QTest::addColumn<QString>("dint");
        QTest::addColumn<QString>("designacion");
        // clang-format off
        QTest::newRow("the pick")           << ""            << true  << "90,12" << "3 1/2\" Sch 40";
        QTest::newRow("a row")              << "3\" (DN 80)" << true  << "77,92" << "3\" Sch 40";
        QTest::newRow("no pipe window yet") << "2\" (DN 50)" << false << "52,48" << "2\" Sch 40";
        // clang-format on
    }
    void hand_over_to_the_pipe_window() {
        QFETCH(QString, fila);
        QFETCH(bool, abierta);
        if (abierta)
            abrirTuboConEjemplo();
        limites("2", "");
        if (fila.isEmpty())
            pulsar(v, F::UsarDim);
        else
            dobleClicFila(tabla(), filaDe(fila));
        FormReynolds *tubo = ventanas().existente<FormReynolds>();
        QVERIFY(tubo && tubo->isVisible());
        QTEST(tubo->texto("dint"), "dint");
        QTEST(etiqueta(tubo, "LabelTuberia"), "designacion");
        // The size was picked with the exact factor: the pipe window shows exact results too,
        // and says why.
        QVERIFY(tubo->opcion("CheckExacto"));
        QVERIFY2(etiqueta(tubo, "MensajeAyuda").contains("exact"),
                 qPrintable(etiqueta(tubo, "MensajeAyuda")));
        if (!abierta)
            return;
        // The K total is asked for again; the pipe window's own velocity agrees with the row's.
        QCOMPARE(tubo->texto("ktotal"), "");
        const int i = filaDe(fila.isEmpty() ? "3 1/2\" (DN 90)" : fila);
        QCOMPARE(*formatoFijo(*leerNumero(tubo->texto("Vproceso")), 2), celda(i, kVelocidad));
        QCOMPARE(*formatoFijo(*leerNumero(tubo->texto("DPbar")) * 100, 4), celda(i, kPerdida));
    }

    void texts_follow_the_language_data() {
        QTest::addColumn<QString>("desde");
        // title, a caption, a column, a mark, the limit hint, a service
        QTest::addColumn<QStringList>("antes");
        QTest::addColumn<QStringList>("despues");
        const QStringList es{"Dimensionado de línea", "Caudal", "Velocidad m/s", "Sí", "sin límite",
                             "Aspiración de bomba"};
        const QStringList en{"Line sizing", "Flow rate", "Velocity m/s",
                             "Yes",         "no limit",  "Pump suction"};
        QTest::newRow("es -> en") << kEspanol << es << en;
        QTest::newRow("en -> es") << kIngles << en << es;
    }
    // At opening, and at once when another window switches the language.
    void texts_follow_the_language() {
        QFETCH(QString, desde);
        ventanas().cerrarTodas();
        Idioma = desde;
        abrirDimensionado(kEjemplo);
        v = ventanas().existente<F>();
        limites("2", "");
        const auto textos = [this] {
            return QStringList{v->windowTitle(),
                               etiqueta(v, "EtiquetaQDim"),
                               tabla()->horizontalHeaderItem(kVelocidad)->text(),
                               celda(filaDe("4\" (DN 100)"), kCumple),
                               campo(v, "DPmaxDim")->placeholderText(),
                               control<QComboBox>(v, F::ServicioDim)->itemText(1)};
        };
        QTEST(textos(), "antes");
        auto *tubo = ventanas().mostrar<FormReynolds>();
        lenguaDe(desde) == Lengua::Espanol ? tubo->Picture1_Click() : tubo->Spain_Click();
        QTEST(textos(), "despues");
        teclear(v, "VmaxDim", "0,001");
        QCOMPARE(eleccion(), textoNingunoCumple().en(lenguaActual()));
        for (QLabel *l : v->findChildren<QLabel *>())
            QVERIFY2(!l->text().isEmpty(), qPrintable(l->objectName()));
    }

    // One window: opened again it is raised and takes only the texts it is given.
    void one_window_from_the_entry_point() {
        teclear(v, "RugDim", "0.1"); // typed, a point becomes a comma
        QCOMPARE(v->texto("RugDim"), "0,1");
        abrirDimensionado({"50", "", "", ""});
        QCOMPARE(ventanas().existente<F>(), v);
        const QStringList esperados{"50", "998", "0,001", "0,1"};
        QCOMPARE((QStringList{v->texto("QDim"), v->texto("DensidadDim"), v->texto("ViscDim"),
                              v->texto("RugDim")}),
                 esperados);
        comoElNucleo();
        v->close();
        borrarDiferidos();
        QVERIFY(!ventanas().existente<F>());
    }
};

VORLO_PRUEBA(TestDimensionado, Ventanas)
#include "tst_dimensionado.moc"
