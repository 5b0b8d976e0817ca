#include "line/line.h"
#include "line/line_fields.h"
#include "line/line_input.h"
#include "report/report_line.h"

#include <QTest>

#include "../support/runner.h"
#include <cmath>
#include <functional>
#include <limits>

using namespace vorlo::linea;

namespace {

// Water at 20 ºC from an open tank through a 4" suction, a 3" discharge with an exchanger and a
// 3" run with the control valve's allowance, the pump after the suction. The reference numbers
// were computed apart in python (Colebrook by fixed-point iteration on 1/sqrt(f), the rest by
// the textbook formulas) and the laminar segment checked by hand with 32 µ L V / D².
Datos lineaConBomba() {
    Datos d;
    d.q = 50;
    d.densidad = 998.2;
    d.viscosidad = 1.002e-3;
    d.psat = 0.02339;
    d.pInicio = 1.01325;
    d.pFin = 4.0;
    d.tramos = {{102.26, 5, -2, 0.045, 1.3, 0},
                {77.92, 60, 12, 0.045, 4.2, 0.3},
                {77.92, 20, 3, 0.045, 2.0, 0.5}};
    d.bombaTras = 1;
    d.eficiencia = 0.7;
    d.npshr = 3;
    return d;
}

// A falling line between two pressures, solved for its flow.
Datos lineaPorGravedad() {
    Datos d;
    d.densidad = 998.2;
    d.viscosidad = 1.002e-3;
    d.pInicio = 3.0;
    d.pFin = 1.5;
    d.tramos = {{52.48, 100, -10, 0.045, 2.5, 0}, {40.9, 50, -2, 0.045, 1.0, 0.1}};
    return d;
}

bool cerca(double x, double ref, double rel = 1e-9) {
    return std::fabs(x - ref) <= rel * std::max(1.0, std::fabs(ref));
}

using Cambio = std::function<void(Datos &)>;

} // namespace

Q_DECLARE_METATYPE(Cambio)

class TestLine : public QObject {
    Q_OBJECT
  private slots:
    void pump_line_against_hand_calculation_data() {
        QTest::addColumn<QString>("magnitud");
        QTest::addColumn<double>("referencia");
        QTest::newRow("suction pressure") << "ps" << 1.17736020145;
        QTest::newRow("discharge pressure") << "pd" << 7.35741489951;
        QTest::newRow("pump dp") << "dp" << 6.18005469806;
        QTest::newRow("TDH") << "tdh" << 63.1326585123;
        QTest::newRow("NPSHa") << "npsha" << 11.7884404299;
        QTest::newRow("NPSH margin") << "margen" << 8.78844042989;
        QTest::newRow("hydraulic power") << "hid" << 8.58340930286;
        QTest::newRow("shaft power") << "eje" << 12.2620132898;
        QTest::newRow("friction") << "fr" << 0.839674172281;
        QTest::newRow("fittings") << "ft" << 0.281060781879;
        QTest::newRow("static") << "st" << 1.2725697439;
        QTest::newRow("equipment") << "eq" << 0.8;
        QTest::newRow("segment 2 f") << "f2" << 0.019014549497651703;
        QTest::newRow("segment 2 Re") << "re2" << 226088.52594026228;
        QTest::newRow("segment 1 velocity") << "v1" << 1.6910873677694724;
        QTest::newRow("segment 2 inlet = discharge") << "p2in" << 7.35741489951;
        QTest::newRow("segment 3 outlet = end") << "p3out" << 4.0;
    }
    void pump_line_against_hand_calculation() {
        QFETCH(QString, magnitud);
        QFETCH(double, referencia);
        const Resultado r = calcular(lineaConBomba());
        QVERIFY(r.valido());
        QVERIFY(r.bomba);
        const Bomba &b = *r.bomba;
        const QHash<QString, double> valores = {{"ps", b.pSuccion},
                                                {"pd", b.pDescarga},
                                                {"dp", b.dp},
                                                {"tdh", b.tdh},
                                                {"npsha", b.npsha.value()},
                                                {"margen", b.margen.value()},
                                                {"hid", b.potenciaHidraulica},
                                                {"eje", b.potenciaEje.value()},
                                                {"fr", r.dpFriccion},
                                                {"ft", r.dpAccesorios},
                                                {"st", r.dpEstatica},
                                                {"eq", r.dpEquipos},
                                                {"f2", r.tramos[1].f},
                                                {"re2", r.tramos[1].re},
                                                {"v1", r.tramos[0].velocidad},
                                                {"p2in", r.tramos[1].pEntrada},
                                                {"p3out", r.tramos[2].pSalida}};
        QVERIFY2(cerca(valores.value(magnitud), referencia),
                 qPrintable(QString::number(valores.value(magnitud), 'g', 17)));
    }

    // Without a pump the pressure falls through the line; the laminar oil segment by hand:
    // 32 · 0,25 · 200 · 0,58252 / 0,07792² = 1,53508 bar of friction.
    void pressure_at_the_end_data() {
        QTest::addColumn<double>("q");
        QTest::addColumn<double>("densidad");
        QTest::addColumn<double>("viscosidad");
        QTest::addColumn<double>("pFin");
        QTest::addColumn<double>("friccion");
        QTest::newRow("laminar oil") << 10.0 << 880.0 << 0.25 << 2.8289454042 << 1.535082868644;
        QTest::newRow("no flow: static and equipment only")
            << 0.0 << 880.0 << 0.25 << 5 - 880 * 9.80665 * 5 / 1e5 - 0.2 << 0.0;
    }
    void pressure_at_the_end() {
        QFETCH(double, q);
        QFETCH(double, densidad);
        QFETCH(double, viscosidad);
        QFETCH(double, pFin);
        QFETCH(double, friccion);
        Datos d;
        d.q = q;
        d.densidad = densidad;
        d.viscosidad = viscosidad;
        d.pInicio = 5;
        d.tramos = {{77.92, 200, 5, 0.045, 3, 0.2}};
        const Resultado r = calcular(d);
        QVERIFY(r.valido());
        QVERIFY(!r.bomba);
        QVERIFY(cerca(r.pFin, pFin));
        QVERIFY(cerca(r.dpFriccion, friccion));
    }

    void flow_between_two_pressures() {
        const Resultado r = calcular(lineaPorGravedad());
        QVERIFY(r.valido());
        QVERIFY(r.caudalResuelto);
        QVERIFY2(cerca(r.q, 16.22914028), qPrintable(QString::number(r.q, 'g', 17)));
        QVERIFY(cerca(r.pFin, 1.5, 1e-12));
        // A rise the start pressure cannot lift even at no flow.
        Datos alta = lineaPorGravedad();
        alta.tramos[0].dz = 40;
        QCOMPARE(calcular(alta).motivo, Motivo::SinCaudal);
    }

    // H(0) is the static head, H(Q) the pump's TDH, H(1,5 Q) by the same formula apart.
    void system_curve() {
        const Datos d = lineaConBomba();
        const QList<PuntoCurva> c = curvaSistema(d, 60);
        QCOMPARE(c.size(), 61);
        QCOMPARE(c.first().q, 0.0);
        QVERIFY(cerca(c.last().q, 75));
        QVERIFY(cerca(c.first().h, 43.5112943209));
        QVERIFY(cerca(c[40].h, 63.1326585123));
        QVERIFY(cerca(c.last().h, 87.127240659));
    }

    void operating_point_data() {
        QTest::addColumn<QList<PuntoCurva>>("curva");
        QTest::addColumn<double>("q");
        QTest::addColumn<double>("h");
        QTest::newRow("meets") << QList<PuntoCurva>{{0, 60}, {30, 55}, {60, 45}, {90, 30}}
                               << 35.0834627245 << 53.3055124252;
        QTest::newRow("too weak") << QList<PuntoCurva>{{0, 40}, {90, 20}} << -1.0 << -1.0;
    }
    void operating_point() {
        QFETCH(QList<PuntoCurva>, curva);
        QFETCH(double, q);
        QFETCH(double, h);
        Datos d = lineaConBomba();
        d.curvaBomba = curva;
        const Resultado r = calcular(d);
        QVERIFY(r.valido());
        if (q < 0) {
            QVERIFY(!r.bomba->operacion);
            QCOMPARE(avisos(d, r).size(), 1);
            return;
        }
        QVERIFY(r.bomba->operacion);
        QVERIFY(cerca(r.bomba->operacion->q, q, 1e-8));
        QVERIFY(cerca(r.bomba->operacion->h, h, 1e-8));
    }

    void bad_input_data() {
        QTest::addColumn<Cambio>("cambio");
        QTest::addColumn<Motivo>("motivo");
        QTest::addColumn<int>("tramo");
        QTest::newRow("no segment")
            << Cambio([](Datos &d) { d.tramos.clear(); }) << Motivo::SinTramos << -1;
        QTest::newRow("zero diameter")
            << Cambio([](Datos &d) { d.tramos[2].dintMm = 0; }) << Motivo::DiametroNoValido << 2;
        QTest::newRow("nan length") << Cambio([](Datos &d) {
            d.tramos[1].longitud = std::numeric_limits<double>::quiet_NaN();
        }) << Motivo::LongitudNoValida
                                    << 1;
        QTest::newRow("roughness 3.7 D") << Cambio([](Datos &d) { d.tramos[0].rugosidadMm = 400; })
                                         << Motivo::RugosidadNoValida << 0;
        QTest::newRow("negative K")
            << Cambio([](Datos &d) { d.tramos[0].k = -1; }) << Motivo::DatoTramoNoValido << 0;
        QTest::newRow("negative flow")
            << Cambio([](Datos &d) { d.q = -1; }) << Motivo::CaudalNoValido << -1;
        QTest::newRow("negative density")
            << Cambio([](Datos &d) { d.densidad = -1; }) << Motivo::DensidadNoValida << -1;
        QTest::newRow("zero viscosity")
            << Cambio([](Datos &d) { d.viscosidad = 0; }) << Motivo::ViscosidadNoValida << -1;
        QTest::newRow("pump without P_end")
            << Cambio([](Datos &d) { d.pFin.reset(); }) << Motivo::FaltaPFin << -1;
        QTest::newRow("pump without flow")
            << Cambio([](Datos &d) { d.q.reset(); }) << Motivo::FaltaCaudal << -1;
        QTest::newRow("Psat at P_start")
            << Cambio([](Datos &d) { d.psat = d.pInicio; }) << Motivo::PsatNoValida << -1;
        QTest::newRow("pump after segment 4")
            << Cambio([](Datos &d) { d.bombaTras = 4; }) << Motivo::BombaNoValida << -1;
        QTest::newRow("efficiency above 1")
            << Cambio([](Datos &d) { d.eficiencia = 1.01; }) << Motivo::EficienciaNoValida << -1;
        QTest::newRow("flows not increasing") << Cambio([](Datos &d) {
            d.curvaBomba = {{0, 60}, {0, 50}};
        }) << Motivo::CurvaNoValida << -1;
        QTest::newRow("one curve point") << Cambio([](Datos &d) {
            d.curvaBomba = {{0, 60}};
        }) << Motivo::CurvaNoValida << -1;
        QTest::newRow("huge flow")
            << Cambio([](Datos &d) { d.q = 1e300; }) << Motivo::FueraDeRango << -1;
    }
    void bad_input() {
        QFETCH(Cambio, cambio);
        QFETCH(Motivo, motivo);
        QFETCH(int, tramo);
        Datos d = lineaConBomba();
        cambio(d);
        const Resultado r = calcular(d);
        QCOMPARE(r.motivo, motivo);
        QCOMPARE(r.tramoFallido, tramo);
        QVERIFY(r.tramos.isEmpty() && !r.bomba);
        const vorlo::TextoBilingue m = mensaje(r.motivo, r.tramoFallido);
        QVERIFY(!m.espanol.isEmpty() && !m.ingles.isEmpty() && m.espanol != m.ingles);
    }

    // The pump at either end: all suction or all discharge.
    void pump_at_either_end() {
        Datos d = lineaConBomba();
        d.bombaTras = 0;
        const Resultado primero = calcular(d);
        QVERIFY(cerca(primero.bomba->pSuccion, d.pInicio, 1e-15));
        QVERIFY(cerca(primero.bomba->pDescarga, 4.0 + 3.19330469806));
        d.bombaTras = 3;
        const Resultado ultimo = calcular(d);
        QVERIFY(cerca(ultimo.bomba->pDescarga, 4.0, 1e-15));
        QVERIFY(cerca(ultimo.bomba->pSuccion, d.pInicio - 3.19330469806));
        QVERIFY(cerca(ultimo.bomba->tdh, primero.bomba->tdh));
    }

    // The note's section from the case's part: the pump's results, one table a segment, the
    // method; a part with a fault says why and lists no result.
    void note_section() {
        vorlo::caso::Ventana parte;
        parte.textos = {{QLinea, "50"},
                        {DensidadLinea, "998,2"},
                        {ViscLinea, "0,001002"},
                        {PInicio, "1,01325"},
                        {PFin, "4"},
                        {BombaTras, "1"},
                        {Tramos, "102,26;5;-2;0,045;1,3;\n77,92;60;12;0,045;4,2;0,3\n"
                                 "77,92;20;3;0,045;2;0,5"}};
        const auto a = vorlo::informe::anexoLinea(parte, vorlo::Lengua::Ingles);
        QVERIFY(a);
        QStringList titulos, valores;
        for (const vorlo::informe::Seccion &s : a->secciones) {
            titulos << s.titulo;
            for (const vorlo::informe::Fila &f : s.filas)
                valores << f.campo + "=" + f.valor;
        }
        QVERIFY(titulos.contains("Segment 3") && !titulos.contains("Segment 4"));
        QVERIFY(valores.contains("AlturaBomba=63,13"));
        QVERIFY(a->metodo.last().linea().endsWith("= 8,5834 kW"));
        // The chart: the system curve's 61 points and the design point at Q and the TDH.
        QVERIFY(a->grafico && a->grafico->curvas.size() == 2);
        QCOMPARE(a->grafico->curvas[0].puntos.size(), 61);
        QVERIFY(cerca(a->grafico->curvas[1].puntos[0].y(), 63.1326585123));
        parte.textos[Tramos] = "0;5";
        const auto b = vorlo::informe::anexoLinea(parte, vorlo::Lengua::Espanol);
        QVERIFY(b->caso.contains("Tramo 1: «D. interior» debe ser mayor que 0"));
        QVERIFY(b->metodo.isEmpty());
    }

    void window_texts_data() {
        QTest::addColumn<QString>("curva");
        QTest::addColumn<bool>("punto");
        QTest::addColumn<int>("puntos");
        QTest::newRow("comma") << "0:80; 20:75,5; 40:62" << false << 3;
        QTest::newRow("point") << "0:80,20:75.5,40:62" << true << 3;
        QTest::newRow("empty") << "  " << false << 0;
        QTest::newRow("no colon") << "0:80; 20" << false << -1;
        QTest::newRow("comma on the command line") << "0:80,20:75,5" << true << -1;
    }
    void window_texts() {
        QFETCH(QString, curva);
        QFETCH(bool, punto);
        QFETCH(int, puntos);
        const auto c = leerCurva(curva, punto);
        QCOMPARE(c ? int(c->size()) : -1, puntos);
        if (puntos == 3)
            QCOMPARE(c->at(1), (PuntoCurva{20, 75.5}));
    }

    // The window's texts as a case keeps them, read into the same line.
    void texts_read_into_a_line() {
        const QList<CeldasTramo> celdas = {{"102,26", "5", "-2", ",045", "1,3", ""},
                                           {"77,92", "60", "12", "0,045", "4,2", "0,3"},
                                           {"77,92", "20", "3", ",045", "2", ",5"}};
        QCOMPARE(tramosDeTexto(textoTramos(celdas)), celdas);
        const QHash<QString, QString> textos = {
            {QLinea, "50"},          {DensidadLinea, "998,2"},
            {ViscLinea, "0,001002"}, {PsatLinea, ",02339"},
            {PInicio, "1,01325"},    {PFin, "4"},
            {BombaTras, "1"},        {EficienciaBomba, ",7"},
            {NPSHrLinea, "3"},       {Tramos, textoTramos(celdas)}};
        const auto d = leerDatos([&](const QString &c) { return textos.value(c); });
        QVERIFY(std::holds_alternative<Datos>(d));
        const Datos esperado = lineaConBomba();
        QCOMPARE(std::get<Datos>(d).tramos, esperado.tramos);
        QCOMPARE(std::get<Datos>(d).bombaTras, esperado.bombaTras);
        QHash<QString, QString> malos = textos;
        malos[Tramos] = "77,92;abc";
        const auto e = leerDatos([&](const QString &c) { return malos.value(c); });
        QVERIFY(std::get<vorlo::TextoBilingue>(e).ingles.startsWith("Segment 1: «Length»"));
    }
};

VORLO_PRUEBA(TestLine, Nucleo)
#include "tst_line.moc"
