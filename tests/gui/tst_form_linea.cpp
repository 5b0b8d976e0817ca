#include "app/texts.h"
#include "app/windows.h"
#include "fields/language.h"
#include "fields/numbers.h"
#include "line/form_linea.h"
#include "line/grafico_linea.h"
#include "line/line_fields.h"
#include "line/tabla_tramos.h"
#include "pipeflow/form_reynolds.h"
#include "water/form_agua_vapor.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "../support/runner.h"

#include "../support/gui_fixture.h"

using namespace vorlo;
using namespace vorlo::prueba;
namespace l = vorlo::linea;

// The three-segment line with a pump of tests/core/tst_line.cpp; references computed apart in
// python, rounded here as the window writes them.
class TestFormLinea : public PruebaGui {
    Q_OBJECT

    FormLinea *v = nullptr;

    QString texto(const QString &n) { return campo(v, n)->text(); }
    QLabel *nota() { return control<QLabel>(v, l::NotaLinea); }
    TablaTramos *tabla() { return v->tablaTramos(); }
    void celda(int fila, int col, const QString &t) { tabla()->item(fila, col)->setText(t); }

    void abrirDesdeTuberia() {
        auto *tuberia = ventanas().mostrar<FormReynolds>();
        teclearEjemploTuberia(tuberia);
        pulsar(tuberia, QStringLiteral("CommandLinea"));
        v = ventanas().existente<FormLinea>();
        QVERIFY(v && v->isVisible());
    }
    void teclearBomba() {
        teclear(v, {{l::QLinea, "50"},
                    {l::DensidadLinea, "998.2"},
                    {l::ViscLinea, "0.001002"},
                    {l::PsatLinea, "0.02339"},
                    {l::PInicio, "1.01325"},
                    {l::PFin, "4"},
                    {l::EficienciaBomba, "0.7"},
                    {l::NPSHrLinea, "3"}});
        tabla()->fijarCeldas({{"102,26", "5", "-2", "0,045", "1,3", ""}});
        celda(0, 0, "102,26"); // an edit announces the rows
        tabla()->setCurrentCell(0, 0);
        pulsar(v, QStringLiteral("AgregarTramo"));
        pulsar(v, QStringLiteral("AgregarTramo"));
        const QStringList segundo = {"77,92", "60", "12", "0,045", "4,2", "0,3"};
        const QStringList tercero = {"77,92", "20", "3", "0,045", "2", "0,5"};
        for (int c = 0; c < l::kColumnasEntrada; ++c) {
            celda(1, c, segundo[c]);
            celda(2, c, tercero[c]);
        }
        v->comboBomba()->setCurrentIndex(v->comboBomba()->findData(QStringLiteral("1")));
    }

  private slots:
    void opens_from_the_pipe_window_with_its_fluid_and_pipe() {
        abrirDesdeTuberia();
        QCOMPARE(texto(l::QLinea), QStringLiteral("36"));
        QCOMPARE(texto(l::DensidadLinea), QStringLiteral("998"));
        QCOMPARE(tabla()->rowCount(), 1);
        QCOMPARE(tabla()->item(0, 0)->text(), QStringLiteral("100"));
        QCOMPARE(tabla()->item(0, 1)->text(), QStringLiteral("100"));
        // Without P_end or a pump: the pressure at the end once P_start is typed.
        QVERIFY(texto(l::PFinCalc).isEmpty());
        teclear(v, l::PInicio, "5");
        QVERIFY(!texto(l::PFinCalc).isEmpty());
        QVERIFY(texto(l::AlturaBomba).isEmpty());
    }

    void pump_line_live_data() {
        QTest::addColumn<QString>("campo");
        QTest::addColumn<QString>("esperado");
        QTest::newRow("TDH 63,1327") << l::AlturaBomba << "63,13";
        QTest::newRow("NPSHa 11,7884") << l::NPSHd << "11,79";
        QTest::newRow("shaft 12,2620") << l::PotenciaEje << "12,262";
        QTest::newRow("suction 1,17736") << l::PSuccion << "1,1774";
        QTest::newRow("discharge 7,35741") << l::PDescarga << "7,3574";
        QTest::newRow("total 3,19330") << l::DPLineaTotal << "3,1933";
        QTest::newRow("operating 35,0835") << l::PuntoOperacion << "35,083";
    }
    void pump_line_live() {
        QFETCH(QString, campo);
        QFETCH(QString, esperado);
        abrirDesdeTuberia();
        teclearBomba();
        teclear(v, l::CurvaBomba, "0:60; 30:55; 60:45; 90:30");
        QCOMPARE(texto(campo), esperado);
        QCOMPARE(v->grafico()->puntosSistema(), 61);
        QCOMPARE(v->grafico()->puntosBomba(), 4);
        QVERIFY(v->grafico()->conOperacion());
        // The segment table: the discharge side starts from the discharge pressure.
        QCOMPARE(tabla()->item(1, 14)->text(), QStringLiteral("7,3574"));
        QCOMPARE(tabla()->item(2, 15)->text(), QStringLiteral("4,0000"));
    }

    // Bad input: a message in red, every result and the chart emptied, never "nan".
    void bad_input_data() {
        QTest::addColumn<int>("columna");
        QTest::addColumn<QString>("textoCelda");
        QTest::addColumn<QString>("mensaje");
        QTest::newRow("zero diameter") << 0 << "0"
                                       << "Segment 2: «Int. diameter» must be above 0";
        QTest::newRow("empty length") << 1 << ""
                                      << "Segment 2: «Length» must be above 0";
        QTest::newRow("not a number") << 4 << ","
                                      << "Segment 2: «K total» is not a number";
    }
    void bad_input() {
        QFETCH(int, columna);
        QFETCH(QString, textoCelda);
        QFETCH(QString, mensaje);
        abrirDesdeTuberia();
        teclearBomba();
        celda(1, columna, textoCelda);
        QCOMPARE(nota()->text(), mensaje);
        QCOMPARE(nota()->palette().color(QPalette::WindowText), kRojo);
        for (const QString &c : l::tabla().conRol(Rol::Resultado))
            QVERIFY2(texto(c).isEmpty(), qPrintable(c));
        QCOMPARE(v->grafico()->puntosSistema(), 0);
        for (int c = l::kColumnasEntrada; c < tabla()->columnCount(); ++c)
            QVERIFY(tabla()->item(0, c)->text().isEmpty());
    }

    // Enter and Tab walk the input cells, Delete empties one; removing the segment the pump
    // sat after moves it to the line's end.
    void keyboard_and_segments() {
        abrirDesdeTuberia();
        teclearBomba();
        tabla()->setFocus();
        tabla()->setCurrentCell(1, 5);
        QTest::keyClick(tabla(), Qt::Key_Return);
        QCOMPARE(tabla()->currentRow(), 2);
        QCOMPARE(tabla()->currentColumn(), 0);
        QTest::keyClick(tabla(), Qt::Key_Tab);
        QCOMPARE(tabla()->currentColumn(), 1);
        QTest::keyClick(tabla(), Qt::Key_Delete);
        QVERIFY(tabla()->item(2, 1)->text().isEmpty());
        QVERIFY(nota()->text().startsWith("Segment 3"));
        // A key starts typing into the cell; the editor takes the rest.
        QTest::keyClick(tabla(), '2');
        auto *editor = tabla()->viewport()->findChild<QLineEdit *>();
        QVERIFY(editor);
        QTest::keyClicks(editor, "0");
        QTest::keyClick(editor, Qt::Key_Return);
        // The delegate commits the text on the next turn of the event loop.
        QTRY_COMPARE(tabla()->item(2, 1)->text(), QStringLiteral("20"));
        QCOMPARE(tabla()->currentColumn(), 2);
        QCOMPARE(texto(l::AlturaBomba), QStringLiteral("63,13"));
        v->comboBomba()->setCurrentIndex(v->comboBomba()->count() - 1);
        QCOMPARE(v->texto(l::BombaTras), QStringLiteral("3"));
        tabla()->setCurrentCell(2, 0);
        pulsar(v, QStringLiteral("QuitarTramo"));
        QCOMPARE(v->comboBomba()->count(), 4); // no pump, after 0, 1, 2
        QCOMPARE(v->texto(l::BombaTras), QStringLiteral("2"));
        QVERIFY(!texto(l::AlturaBomba).isEmpty());
    }

    // "Water and steam…": without a state it opens the water window and says what to do; with
    // one it fills density, viscosity and vapour pressure (IAPWS-IF97 at 20 ºC: Psat 2,3392 kPa,
    // 998,2 kg/m3 at 1 bar).
    void water_and_steam() {
        abrirDesdeTuberia();
        pulsar(v, QStringLiteral("AguaLinea"));
        auto *agua = ventanas().existente<FormAguaVapor>();
        QVERIFY(agua && agua->isVisible());
        QVERIFY(nota()->text().contains("water and steam window"));
        teclear(agua, {{"TAgua", "20"}, {"PAgua", "1"}});
        pulsar(v, QStringLiteral("AguaLinea"));
        QVERIFY(texto(l::PsatLinea).startsWith("0,02339"));
        QVERIFY(texto(l::DensidadLinea).startsWith("998,2"));
        QVERIFY(texto(l::ViscLinea).startsWith("0,0010016"));
    }

    // The window's part of the case puts the same line back, and the flags switch it at once.
    void case_part_and_language() {
        abrirDesdeTuberia();
        teclearBomba();
        const caso::Ventana parte = v->parteCaso();
        QCOMPARE(l::tramosDeTexto(parte.textos.value(l::Tramos)).size(), 3);
        const QString tdh = texto(l::AlturaBomba);
        v->close();
        borrarDiferidos();
        auto *otra = ventanas().obtener<FormLinea>();
        otra->cargarParte(parte);
        v = otra;
        QCOMPARE(texto(l::AlturaBomba), tdh);
        QCOMPARE(v->comboBomba()->currentData().toString(), QStringLiteral("1"));
        pulsar(v, QStringLiteral("BanderaEs"));
        QCOMPARE(etiqueta(v, "EtiquetaAlturaBomba"), QStringLiteral("Altura manométrica (TDH)"));
        QCOMPARE(v->comboBomba()->itemText(0), QStringLiteral("Sin bomba"));
        QCOMPARE(tabla()->horizontalHeaderItem(1)->text(), QStringLiteral("Longitud\n(m)"));
        QCOMPARE(texto(l::AlturaBomba), tdh);
    }
};

VORLO_PRUEBA(TestFormLinea, Ventanas)
#include "tst_form_linea.moc"
