#include "cases/case_file.h"
#include "cases/report_header.h"
#include "fields/language.h"
#include "fields/numbers.h"
#include "gas/gas_fields.h"
#include "gasline/gas_line_fields.h"
#include "pipeflow/friccion_exacta.h"
#include "pipeflow/pipe_flow.h"
#include "report/report.h"
#include "report/report_windows.h"
#include "water/water_fields.h"
#include "water/water_state.h"

#include "../support/core_fixture.h"

#include <QRegularExpression>
#include <QTest>

#include "../support/runner.h"
#include <cmath>
#include <numbers>

using namespace vorlo;
using namespace vorlo::informe;
namespace t = vorlo::tuberia;
namespace cab = vorlo::informe::cabecera;

namespace {

const QDateTime kFecha(QDate(2024, 3, 5), QTime(9, 30));

// The worked example settled as the window settles it, in a mode and a window language.
CamposMapa ejemplo(bool exacto, const QString &idioma = kIngles) {
    CamposMapa c = prueba::ejemploTuberiaTextos();
    c.fijarOpcion(t::CheckExacto, exacto);
    ValoresExactos v;
    settle(c, [&](CamposTexto &x) {
        if (exacto) {
            CalcularTuberiaExacta(x, idioma, v);
            PasoFriccionExacta(x, idioma, &v);
        } else {
            CalcularTuberia(x, idioma);
            PasoFriccionExacta(x, idioma);
        }
    });
    return c;
}

// Numbers written as the note writes them, by the test's own hand: a decimal comma, a point
// between thousands, a leading zero.
QString agrupar(QString t) {
    const qsizetype coma = t.indexOf(u',');
    const qsizetype fin = coma < 0 ? t.size() : coma;
    const qsizetype inicio = t.startsWith(u'-') ? 1 : 0;
    for (qsizetype i = fin - 3; i > inicio; i -= 3)
        t.insert(i, u'.');
    return t;
}
QString coma(double x, int decimales) {
    return agrupar(QString::number(x, 'f', decimales).replace(u'.', u','));
}
QString quince(double x) {
    return agrupar(QString::number(x, 'g', 15).replace(u'.', u','));
}

// The numbers of a text in the note's form, in order.
QList<double> numeros(const QString &texto) {
    static const QRegularExpression re(QStringLiteral("\\d+(?:\\.\\d{3})*(?:,\\d+)?"));
    QList<double> l;
    for (auto it = re.globalMatch(texto); it.hasNext();)
        l << it.next().captured().remove(u'.').replace(u',', u'.').toDouble();
    return l;
}

// The Colebrook root by plain fixed-point iteration on 1/√f.
double raiz(double epsMm, double dMm, double re) {
    double x = 8;
    for (int i = 0; i < 200; ++i)
        x = -2 * std::log10(epsMm / (3.7 * dMm) + 2.51 * x / re);
    return 1 / (x * x);
}

const Paso *paso(const Informe &inf, const QString &comienzo) {
    for (const Paso &p : inf.metodo)
        if (p.ecuacion.startsWith(comienzo))
            return &p;
    return nullptr;
}

} // namespace

class TestReportNote : public QObject {
    Q_OBJECT
  private slots:
    // The defined mode substitutes the texts the window shows, π = 3,141592 and g = 9,81; each
    // line is built here from the worked example by hand.
    void defined_method_lines_data() {
        QTest::addColumn<QString>("variante"); // "", "kinematic", "whole length"
        QTest::addColumn<QString>("comienzo");
        QTest::addColumn<QString>("linea");
        const double v = 36 / (3600 * 3.141592 * 0.1 * 0.1 / 4);
        const double vm = coma(v, 4).replace(u',', u'.').toDouble(); // as shown: 1,2732
        const double re = std::round(0.1 * vm * 998 / 0.001);
        const double f = std::round(raiz(0.05, 100, re) * 1e4) / 1e4; // shown with 4 decimals
        const double dp = ((f / 100) * 998 * (vm * vm)) / 2;
        const double dpbar = std::round(dp / 100 * 1e8) / 1e8;
        const double total = dpbar * 100 + 998 * 5 / 10197.2;
        const double k = std::round(2 * 998 * (vm * vm) / 200000 * 1e7) / 1e7;
        const QString V = coma(vm, 4), F = coma(f, 4);
        // clang-format off
        QTest::newRow("velocity") << "" << "V =" << "V = Q / (3600 · π · D² / 4) = 36 / (3600 · 3,141592 · 0,1² / 4) = " + V + " m/s";
        QTest::newRow("Reynolds") << "" << "Re =" << "Re = D · V · ρ / µ = 0,1 · " + V + " · 998 / 0,001 = " + coma(re, 0);
        QTest::newRow("friction") << "" << "1/√f" << "1/√f = −2 · log₁₀(0,05 / (3,7 · 100) + 2,51 / (" + coma(re, 0) + " · √f)) ⇒ f = " + F;
        QTest::newRow("per metre") << "" << "ΔP/L =" << "ΔP/L = " "f / D · ρ · V² / 2 = " + F + " / 100 · 998 · " + V + "² / 2 = " + coma(dp, 2) + " kPa/m";
        QTest::newRow("per metre, bar") << "" << "ΔP/L (bar/m)" << "ΔP/L (bar/m) = ΔP/L (kPa/m) / 100 = " + quince(dp) + " / 100 = " + coma(dpbar, 8) + " bar/m";
        QTest::newRow("head") << "" << "H =" << "H = Δz + f · L · V² / (2 · g · D) = 5 + " + F + " · 100 · " + V + "² / (2 · 9,81 · 0,1) = " + coma(5 + f * 100 * vm * vm / (2 * 9.81 * 0.1), 8) + " m";
        QTest::newRow("total") << "" << "ΔP = ΔP/L" << "ΔP = ΔP/L · L + ρ · Δz / 10.197,2 = " + coma(dpbar, 8) + " · 100 + 998 · 5 / 10.197,2 = " + quince(total) + " bar";
        QTest::newRow("fittings") << "" << "ΔP_K" << "ΔP_K = K · ρ · V² / 2 / 100.000 = 2 · 998 · " + V + "² / 2 / 100.000 = " + coma(k, 7) + " bar";
        QTest::newRow("pipe and fittings") << "" << "ΔP + ΔP_K" << "ΔP + ΔP_K = " + quince(total) + " + " + coma(k, 7) + " = " + coma(total + k, 7) + " bar";
        // The kinematic route (ν = 1e-6 m²/s) and the totals a double click on DPbar writes.
        const double reNu = std::round(0.1 * vm / 0.000001);
        const double dpTramo = f * 100 * 1000 / 100 * 998 * vm * vm / 2;
        // The totals are shown in the plain form, without grouping.
        const auto plano = [](double x) { return QString::number(x, 'g', 15).replace(u'.', u','); };
        QTest::newRow("kinematic Reynolds") << "kinematic" << "Re =" << "Re = D · V / ν = 0,1 · " + V + " / 0,000001 = " + coma(reNu, 0);
        QTest::newRow("whole length, Pa") << "whole length" << "ΔP = f · L" << "ΔP = f · L · 1000 / D · ρ · V² / 2 = " + F + " · 100 · 1000 / 100 · 998 · " + V + "² / 2 = " + plano(dpTramo) + " Pa";
        QTest::newRow("whole length, bar") << "whole length" << "ΔP = ΔP (Pa)" << "ΔP = ΔP (Pa) / 100.000 = " + plano(dpTramo) + " / 100.000 = " + plano(dpTramo / 100000) + " bar";
        // clang-format on
    }
    void defined_method_lines() {
        QFETCH(QString, variante);
        QFETCH(QString, comienzo);
        QFETCH(QString, linea);
        CamposMapa c = ejemplo(false);
        if (variante == QLatin1String("kinematic")) {
            c.fijarOpcion(t::Option3, false);
            c.fijarOpcion(t::Option4, true);
            c.escribir(t::vdinamica, QString());
            c.escribir(t::Vcinematica, QStringLiteral("0,000001"));
            QVERIFY(settle(c, [](CamposTexto &x) { CalcularTuberia(x, kIngles); }));
        } else if (variante == QLatin1String("whole length")) {
            QVERIFY(!PerdidaTramoTotal(c, kIngles));
        }
        const Informe inf = informeTuberia(c, kIngles, kFecha);
        const Paso *p = paso(inf, comienzo);
        QVERIFY2(p, qPrintable(comienzo));
        QCOMPARE(p->linea(), linea);
    }

    // The exact mode substitutes full values, π and g as they are: the numbers of each line
    // against values computed here at full precision.
    void exact_method_numbers_data() {
        QTest::addColumn<QString>("comienzo");
        QTest::addColumn<QList<double>>("sustituidos");
        QTest::addColumn<double>("resultado");
        const double pi = std::numbers::pi;
        const double v = 36 / (3600 * pi * 0.01 / 4);
        const double re = 0.1 * v * 998 / 0.001;
        const double f = raiz(0.05, 100, re);
        const double dpbar = f / 0.1 * 998 * v * v / 2 / 1e5;
        const double total = (dpbar * 1e5 * 100 + 998 * 9.80665 * 5) / 1e5;
        const double k = 2 * 998 * v * v / 2 / 1e5;
        using L = QList<double>;
        // clang-format off
        QTest::newRow("velocity") << "V =" << L{36, 3600, pi, 0.1, 4} << v;
        QTest::newRow("Reynolds") << "Re =" << L{0.1, v, 998, 0.001} << re;
        QTest::newRow("friction") << "1/√f" << L{1, 2, 0.05, 3.7, 100, 2.51, re} << f;
        QTest::newRow("head") << "H =" << L{5, f, 100, v, 2, 9.80665, 0.1} << 5 + f * 100 / 0.1 * v * v / (2 * 9.80665);
        QTest::newRow("total") << "ΔP = (ΔP/L" << L{dpbar, 100000, 100, 998, 9.80665, 5, 100000} << total;
        QTest::newRow("fittings") << "ΔP_K" << L{2, 998, v, 2, 100000} << k;
        // clang-format on
    }
    void exact_method_numbers() {
        QFETCH(QString, comienzo);
        QFETCH(QList<double>, sustituidos);
        QFETCH(double, resultado);
        const Informe inf = informeTuberia(ejemplo(true), kIngles, kFecha);
        const Paso *p = paso(inf, comienzo);
        QVERIFY2(p, qPrintable(comienzo));
        const QList<double> n = numeros(p->sustitucion);
        QCOMPARE(n.size(), sustituidos.size());
        for (int i = 0; i < n.size(); ++i)
            QVERIFY2(std::fabs(n[i] / sustituidos[i] - 1) < 1e-12, qPrintable(p->sustitucion));
        const QList<double> r = numeros(p->resultado);
        QVERIFY2(r.size() == 1 && std::fabs(r[0] / resultado - 1) < 1e-12,
                 qPrintable(p->resultado));
        QVERIFY(p->linea().contains(p->sustitucion));
    }

    // A window left in one language gives a note wholly in the other: the notes beside the
    // results and the warnings are written again from the state.
    void one_language_throughout_data() {
        QTest::addColumn<QString>("ventana");
        QTest::addColumn<QString>("informe");
        QTest::addColumn<QString>("re");
        QTest::addColumn<QString>("regimen");
        QTest::addColumn<QString>("friccion");
        QTest::addColumn<bool>("aviso");
        const QString es = kEspanol, en = kIngles;
        // clang-format off
        QTest::newRow("laminar, es to en")    << es << en << "1.500" << "Laminar Flow" << "Friction factor. Laminar Flow" << false;
        QTest::newRow("transition, es to en") << es << en << "3.000" << "Critical Zone" << "Transition Zone. Friction factor is indeterminate. Turbulent flow will be considered" << true;
        QTest::newRow("turbulent, en to es")  << en << es << "50.000" << "Turbulento" << "   Factor de fricción de Colebrook (flujo turbulento)" << false;
        QTest::newRow("transition, en to es") << en << es << "4.000" << "Turbulento" << "Zona de Transición. Factor de Fricción indeterminado. Se considerará flujo turbulento (caso más desfavorable)" << true;
        // clang-format on
    }
    void one_language_throughout() {
        QFETCH(QString, ventana);
        QFETCH(QString, informe);
        QFETCH(QString, re);
        QFETCH(QString, regimen);
        QFETCH(QString, friccion);
        QFETCH(bool, aviso);
        // A typed Reynolds number: the pass writes the friction note and the regime.
        CamposMapa c = prueba::reTecleado(re);
        CalcularTuberia(c, ventana);
        const Informe inf = informeTuberia(c, informe, kFecha);
        QString regimenInforme, friccionInforme;
        for (const Fila &f : inf.filas()) {
            if (f.campo == t::laminarturbulento)
                regimenInforme = f.valor;
            if (f.campo == t::Labelffriccion)
                friccionInforme = f.valor;
        }
        QCOMPARE(regimenInforme, regimen);
        QCOMPARE(friccionInforme, friccion);
        QCOMPARE(inf.avisos, aviso ? QStringList{friccion} : QStringList());
        const Paso *p = paso(inf, re == "1.500" ? "f = 64" : "1/√f");
        QVERIFY(p && p->nota.startsWith(friccion.trimmed()));
    }

    void leading_zeros_data() {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<bool>("nota");
        QTest::addColumn<QString>("impreso");
        QTest::newRow("below 1") << ",0197" << false << "0,0197";
        QTest::newRow("negative below 1") << "-,5" << false << "-0,5";
        QTest::newRow("grouped") << "127.065" << false << "127.065";
        QTest::newRow("with blanks") << " ,16 " << false << "0,16";
        QTest::newRow("a note keeps its comma") << ",5 is a note" << true << ",5 is a note";
        QTest::newRow("empty") << "" << false << "";
    }
    void leading_zeros() {
        QFETCH(QString, texto);
        QFETCH(bool, nota);
        QTEST((Fila{"x", "x", texto, "", false, nota}.valorNota()), "impreso");
    }

    // The note's captions are spelled right; the window keeps its own.
    void report_captions_data() {
        QTest::addColumn<QString>("campo");
        QTest::addColumn<QString>("ventana");
        QTest::addColumn<QString>("nota");
        QTest::newRow("roughness") << t::Rugosidad << "Rugosity"
                                   << "Roughness";
        QTest::newRow("fittings") << t::PerdidaAccesorios << "Pressure drop in fittingss"
                                  << "Pressure drop in fittings";
        QTest::newRow("per metre") << t::DPbar << "Per meter of pipe"
                                   << "Per metre of straight pipe";
        QTest::newRow("right already") << t::Qproceso << "Flow Rate"
                                       << "Flow Rate";
    }
    void report_captions() {
        QFETCH(QString, campo);
        QFETCH(QString, ventana);
        QFETCH(QString, nota);
        QCOMPARE(t::campos().campo(campo)->rotulo.ingles, ventana);
        for (const Fila &f : informeTuberia(ejemplo(false), kIngles, kFecha).filas())
            if (f.campo == campo)
                QCOMPARE(f.titulo, nota);
    }

    // The header goes into the case file and comes back whole; a text the schema refuses is
    // refused as any other field's.
    void the_header_in_the_case_round_trip() {
        caso::Caso c;
        c.idioma = kEspanol;
        caso::Ventana h;
        h.textos = {{cab::Proyecto, "Planta \"Norte\""},
                    {cab::Linea, "10\"-P-1001"},
                    {cab::Revision, "B"},
                    {cab::Preparado, "A. Pérez"},
                    {cab::Revisado, "M. Ruiz"},
                    {cab::Observaciones, "Línea 1\nLínea 2"}};
        c.ventanas.insert(caso::Informe, h);
        const auto leido = caso::interpretar(caso::contenido(c));
        QVERIFY(std::holds_alternative<caso::Caso>(leido));
        QCOMPARE(std::get<caso::Caso>(leido), c);
        CamposMapa tubo = ejemplo(false);
        QCOMPARE(contextoDeCaso(c, tubo).cabecera.textos, h.textos);
        QByteArray malo = caso::contenido(c);
        malo.replace("A. P\xc3\xa9rez", "A.\\u0007");
        QVERIFY(std::holds_alternative<archivos::ErrorArchivo>(caso::interpretar(malo)));
    }

    // The other windows a case holds: each computed again from its inputs, with its warnings.
    void other_windows_join_the_note_data() {
        QTest::addColumn<QString>("clave");
        QTest::addColumn<QStringList>("titulos");
        QTest::addColumn<QString>("aviso"); // the start of a warning; empty for none
        QTest::newRow("water, near saturation")
            << caso::Agua << QStringList{"WATER AND STEAM (IAPWS-IF97)"}
            << "WATER AND STEAM (IAPWS-IF97): ";
        QTest::newRow("gas") << caso::Gas << QStringList{"FLOW RATE AND DENSITY CALCULATION. GASES"}
                             << "";
        QTest::newRow("gas line, choked")
            << caso::LineaGas << QStringList{"Gas line: isothermal flow"}
            << "Gas line: isothermal flow: Choked line: the largest flow it can carry is ";
    }
    void other_windows_join_the_note() {
        QFETCH(QString, clave);
        QFETCH(QStringList, titulos);
        QFETCH(QString, aviso);
        namespace lg = lineagas::campos;
        caso::Ventana v;
        if (clave == caso::Agua)
            v.textos = {{agua::TAgua, "179,5"}, {agua::PAgua, "10"}};
        else if (clave == caso::Gas)
            v = {{{gas::Option1, true}},
                 {{gas::dref, "1,293"},
                  {gas::Pref, "1,01325"},
                  {gas::tref, "0"},
                  {gas::Zref, "1"},
                  {gas::Pproceso, "5"},
                  {gas::tproceso, "20"},
                  {gas::Zproceso, "1"},
                  {gas::Qnormales, "100"},
                  {gas::P_paraQ, "1,01325"},
                  {gas::T_paraQ, "0"},
                  {gas::Z_paraQ, "1"}}};
        else
            v = {{{lg::OpcionP2, true}},
                 {{lg::P1Linea, "2"},
                  {lg::Densidad1, "2,3"},
                  {lg::DLinea, "50"},
                  {lg::RugLinea, "0,05"},
                  {lg::ViscLinea, "0,0000181"},
                  {lg::LLinea, "1000"},
                  {lg::MasicoLinea, "100000"}}};
        Contexto contexto;
        contexto.ventanas.insert(clave, v);
        const Informe inf = informeTuberia(ejemplo(false), kIngles, kFecha, contexto);
        QStringList vistos;
        for (const Anexo &a : inf.anexos)
            vistos << a.titulo;
        QCOMPARE(vistos, titulos);
        QCOMPARE(inf.anexos[0].secciones.isEmpty(), false);
        bool hallado = aviso.isEmpty() && inf.avisos.isEmpty();
        for (const QString &a : inf.avisos)
            hallado = hallado || (!aviso.isEmpty() && a.startsWith(aviso));
        QVERIFY2(hallado, qPrintable(inf.avisos.join('|')));
    }

    // The pipe's fluid came from the water window while the two fields hold its texts.
    void the_fluid_from_water_and_steam() {
        const agua::EstadoAgua e = std::get<agua::EstadoAgua>(agua::estadoAgua(20, 5));
        CamposMapa c = ejemplo(false);
        c.escribir(t::dproceso, formatoSignificativo(e.densidad, 6).value());
        c.escribir(t::vdinamica, formatoSignificativo(e.viscosidadDinamica, 6).value());
        settle(c, [](CamposTexto &x) { CalcularTuberia(x, kIngles); });
        Contexto contexto;
        contexto.ventanas.insert(caso::Agua, {{}, {{agua::TAgua, "20"}, {agua::PAgua, "5"}}});
        const QString linea = "Fluid: water and steam at 20 ºC and 5 bar a (IAPWS-IF97), liquid";
        QVERIFY(informeTuberia(c, kIngles, kFecha, contexto).caso.contains(linea));
        // A density typed over it: the fluid is no longer that state.
        c.escribir(t::dproceso, "998");
        QVERIFY(!informeTuberia(c, kIngles, kFecha, contexto).caso.contains(linea));
        // A recorded hand-over holds while its texts do, whatever the water window shows now.
        contexto.origenAgua = OrigenAgua{"80", "3", "998", c.texto(t::vdinamica)};
        QVERIFY(informeTuberia(c, kIngles, kFecha, contexto)
                    .caso.contains("Fluid: water and steam at 80 ºC and 3 bar a (IAPWS-IF97), "
                                   "liquid"));
    }
};

VORLO_PRUEBA(TestReportNote, SinAplicacion)
#include "tst_report_note.moc"
