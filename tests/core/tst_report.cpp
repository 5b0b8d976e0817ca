#include "fields/language.h"
#include "fittings/k_factors.h"
#include "gas/gas_state.h"
#include "pipeflow/friccion_exacta.h"
#include "pipeflow/pipe_flow.h"
#include "report/report.h"
#include "report/report_formats.h"
#include "results/results_io.h"
#include "results/window_emulation.h"

#include "../support/file_helpers.h"

#include <QTemporaryDir>
#include <QTest>

#include "../support/core_fixture.h"

using namespace vorlo;
using namespace vorlo::informe;
namespace t = vorlo::tuberia;

namespace {

const QDateTime kFecha(QDate(2024, 3, 5), QTime(9, 30));

CamposMapa ejemplo(const QString &idioma = kIngles) {
    CamposMapa c = prueba::ejemploTuberiaTextos();
    settle(c, [&](CamposTexto &x) { CalcularTuberia(x, idioma); });
    return c;
}

QStringList camposDe(const QList<Fila> &filas) {
    QStringList l;
    for (const Fila &f : filas)
        l << f.campo;
    return l;
}

// RFC 4180 reader, enough to read back what `csv` writes.
QList<QStringList> leerCsv(const QString &texto) {
    QList<QStringList> filas;
    QStringList fila;
    QString valor;
    bool comillas = false;
    for (int i = 0; i < texto.size(); ++i) {
        const QChar c = texto[i];
        if (comillas) {
            if (c == '"' && i + 1 < texto.size() && texto[i + 1] == '"') {
                valor += '"';
                ++i;
            } else if (c == '"') {
                comillas = false;
            } else {
                valor += c;
            }
        } else if (c == '"') {
            comillas = true;
        } else if (c == ',') {
            fila << valor;
            valor.clear();
        } else if (c == '\r' && i + 1 < texto.size() && texto[i + 1] == '\n') {
            fila << valor;
            valor.clear();
            filas << fila;
            fila.clear();
            ++i;
        } else {
            valor += c;
        }
    }
    return filas;
}

DatosAccesorios datosAccesorios(const QString &ktotal) {
    DatosAccesorios d;
    d.diametro = "100";
    d.ktotal = ktotal;
    for (int i = 0; i < 23; ++i)
        d.filas.append({QStringLiteral("Fitting %1").arg(i), "0", ""});
    d.filas[0] = {"Elbow 90°, standard", "2", "0,45"};
    d.filas[12] = {"Gate valve, open", "1", "0,17"};
    d.filas[21] = {"User, \"A\"", "3", "x"}; // a K that is not a number
    return d;
}

} // namespace

class TestReport : public QObject {
    Q_OBJECT
  private slots:
    // --- The window emulation ---------------------------------------------------------------

    void the_emulation_opens_the_worked_example() {
        resultados::Resultados r;
        r.opciones = {true, false, true, false};
        r.textos = {"36", "998", "0,001", "", "100", "", "", "0,05", "", "100", "5", "2"};
        resultados::VentanaTuberiaSimulada v(kIngles);
        v.abrir(r);
        QCOMPARE(v.texto(t::Vproceso), "1,2732");
        QCOMPARE(v.texto(t::Re), "127.065");
        QCOMPARE(v.texto(t::ffinal), ",0197");
        QCOMPARE(v.texto(t::DPbarTotal), "0,648703017651904");
        QCOMPARE(v.texto(t::PcargaTuberiaYaccesorios), ",6648810");
        QCOMPARE(v.texto(t::laminarturbulento), "Turbulent Flow");
        QCOMPARE(v.texto(t::ktotal), "2"); // written after the diameter that empties it
        QVERIFY(!v.entradasCambiadas());
    }

    void a_diameter_change_empties_the_k_total_data() {
        QTest::addColumn<QString>("diametro");
        QTest::addColumn<QString>("ktotal");
        QTest::newRow("a diameter") << QString("80") << QString();
        QTest::newRow("zero: no pass, K kept") << QString("0") << QString("2");
        QTest::newRow("emptied: no pass, K kept") << QString() << QString("2");
    }
    void a_diameter_change_empties_the_k_total() {
        QFETCH(QString, diametro);
        QFETCH(QString, ktotal);
        resultados::VentanaTuberiaSimulada v(kIngles);
        v.escribir(t::dint, "100");
        v.escribir(t::ktotal, "2");
        const int antes = v.pasadas();
        v.escribir(t::dint, diametro);
        QCOMPARE(v.texto(t::ktotal), ktotal);
        QCOMPARE(v.pasadas() > antes, ktotal.isEmpty());
    }

    void a_text_box_keeps_what_a_line_edit_keeps() {
        resultados::VentanaTuberiaSimulada v(kIngles);
        const QString largo(40000, '7');
        v.escribir(t::L, largo);
        QCOMPARE(v.texto(t::L).size(), resultados::kLongitudMaximaCaja);
        v.escribir(t::DP, largo); // a label keeps any text
        QCOMPARE(v.texto(t::DP), largo);
    }

    // --- The report model -------------------------------------------------------------------

    void values_are_the_texts_as_shown() {
        const CamposMapa c = ejemplo();
        const Informe inf = informeTuberia(c, kIngles, kFecha);
        QVERIFY(!inf.filas().isEmpty());
        for (const Fila &f : inf.filas())
            QCOMPARE(f.valor, c.texto(f.campo));
        const QStringList esperados =
            QString("Qproceso dproceso vdinamica dint Vproceso Re laminarturbulento Rugosidad "
                    "ffinal Labelffriccion DP DPbar L Desnivel DPtotalm DPbarTotal ktotal "
                    "PerdidaAccesorios PcargaTuberiaYaccesorios")
                .split(' ');
        QCOMPARE(camposDe(inf.filas()), esperados);
        QCOMPARE(inf.titulo, "REYNOLDS NUMBER, VELOCITY, FRICTION FACTOR AND PRESSURE DROP");
        QCOMPARE(inf.caso, QStringList({"Fluid: Liquids", "Viscosity: Dynamic v.(µ)"}));
        QCOMPARE(inf.programa, "Vorlo");
        QVERIFY(!inf.version.isEmpty());
        QVERIFY(inf.avisos.isEmpty());
        QVERIFY(!inf.accesorios);
    }

    void rows_follow_what_the_window_shows_data() {
        QTest::addColumn<bool>("gases");
        QTest::addColumn<bool>("cinematica");
        QTest::addColumn<QStringList>("presentes");
        QTest::addColumn<QStringList>("ausentes");
        QTest::newRow("liquids, dynamic")
            << false << false << QStringList{"vdinamica", "L", "DPbarTotal"}
            << QStringList{"Vcinematica", "fexacta", "LabelTuberia"};
        QTest::newRow("liquids, kinematic")
            << false << true << QStringList{"Vcinematica", "L"} << QStringList{"vdinamica"};
        QTest::newRow("gases") << true << false
                               << QStringList{"vdinamica", "DPbar", "PerdidaAccesorios"}
                               << QStringList{"L", "Desnivel", "DPtotalm", "DPbarTotal",
                                              "PcargaTuberiaYaccesorios"};
    }
    void rows_follow_what_the_window_shows() {
        QFETCH(bool, gases);
        QFETCH(bool, cinematica);
        QFETCH(QStringList, presentes);
        QFETCH(QStringList, ausentes);
        CamposMapa c = ejemplo();
        c.fijarOpcion("Option1", !gases);
        c.fijarOpcion("Option2", gases);
        c.fijarOpcion(t::Option3, !cinematica);
        c.fijarOpcion(t::Option4, cinematica);
        const QStringList campos = camposDe(informeTuberia(c, kIngles, kFecha).filas());
        for (const QString &p : presentes)
            QVERIFY2(campos.contains(p), qPrintable(p));
        for (const QString &a : ausentes)
            QVERIFY2(!campos.contains(a), qPrintable(a));
    }

    void exact_root_and_pipe_appear_when_present() {
        CamposMapa c = ejemplo(kEspanol);
        c.escribir(fexacta, ",019728");
        c.escribir(Labelfexacta, "La raíz exacta cae fuera de la rejilla");
        c.escribir(LabelTuberia, "4\" Sch 40");
        const Informe inf = informeTuberia(c, kEspanol, kFecha);
        const QList<Fila> filas = inf.filas();
        const QStringList campos = camposDe(filas);
        QVERIFY(campos.indexOf(fexacta) > campos.indexOf(t::ffinal));
        QVERIFY(campos.indexOf(LabelTuberia) < campos.indexOf(t::dint));
        const Fila &f = filas[campos.indexOf(fexacta)];
        QCOMPARE(f.titulo, "f exacto (Colebrook)");
        QCOMPARE(f.valor, ",019728");
        QCOMPARE(informeTuberia(c, kIngles, kFecha).filas()[campos.indexOf(fexacta)].titulo,
                 "Exact Colebrook f");
        // The root of these texts lies inside the grid: its note is a remark, not a warning.
        QVERIFY(!inf.avisos.contains("La raíz exacta cae fuera de la rejilla"));
        // Outside the grid (a smooth pipe at Re 1e7) the note the window shows in red warns.
        c.escribir(t::Re, "10.000.000");
        c.escribir(t::Rugosidad, "0");
        c.escribir(t::ffinal, ",0100");
        PasoFriccionExacta(c, kEspanol);
        QVERIFY(c.texto(Labelfexacta).contains("fuera de la malla"));
        QVERIFY(informeTuberia(c, kEspanol, kFecha).avisos.contains(c.texto(Labelfexacta)));
    }

    // A double click on DPbar leaves the drop over the whole length in the per-metre fields.
    void totals_over_the_length_carry_their_own_units() {
        CamposMapa c = ejemplo();
        QVERIFY(!PerdidaTramoTotal(c, kIngles));
        const Informe inf = informeTuberia(c, kIngles, kFecha);
        const QList<Fila> filas = inf.filas();
        const QStringList campos = camposDe(filas);
        QCOMPARE(filas[campos.indexOf(t::DP)].valor, "15935,292210672");
        QCOMPARE(filas[campos.indexOf(t::DP)].unidad, "Pa");
        QCOMPARE(filas[campos.indexOf(t::DPbar)].unidad, "bar");
        QCOMPARE(inf.avisos.size(), 1);
        QVERIFY(inf.avisos[0].contains("whole straight length"));
        // The next pass brings the per-metre values and units back.
        CalcularTuberia(c, kIngles);
        const Informe despues = informeTuberia(c, kIngles, kFecha);
        QCOMPARE(despues.filas()[campos.indexOf(t::DP)].unidad, "kPa/m");
        QVERIFY(despues.avisos.isEmpty());
    }

    // The red note of the transition zone is a warning; the regime text alone is not.
    void the_transition_note_is_a_warning_data() {
        QTest::addColumn<QString>("idioma");
        QTest::addColumn<QString>("re");
        QTest::addColumn<bool>("aviso");
        for (const QString &idioma : {kEspanol, kIngles}) {
            QTest::newRow(qPrintable(idioma + " 3000")) << idioma << "3000" << true;
            QTest::newRow(qPrintable(idioma + " 100000")) << idioma << "100000" << false;
            QTest::newRow(qPrintable(idioma + " 1000")) << idioma << "1000" << false;
        }
    }
    void the_transition_note_is_a_warning() {
        QFETCH(QString, idioma);
        QFETCH(QString, re);
        QFETCH(bool, aviso);
        CamposMapa c({{t::Re, re}, {t::dint, "100"}, {t::Rugosidad, "0,05"}});
        CalcularTuberia(c, idioma);
        QVERIFY(!c.texto(t::Labelffriccion).isEmpty());
        const Informe inf = informeTuberia(c, idioma, kFecha);
        QCOMPARE(inf.avisos.contains(c.texto(t::Labelffriccion)), aviso);
        QCOMPARE(c.color(t::Labelffriccion) == ColorNota::Rojo, aviso);
    }

    void fittings_are_listed_when_they_feed_the_k_total_data() {
        QTest::addColumn<QString>("ktotalTuberia");
        QTest::addColumn<bool>("contados");
        QTest::addColumn<bool>("listados");
        QTest::newRow("same total") << "1,07" << true << true;
        QTest::newRow("pipe emptied it since") << "" << true << false;
        QTest::newRow("another total") << "2" << true << false;
        QTest::newRow("no counts, total 0") << "0" << false << false;
    }
    void fittings_are_listed_when_they_feed_the_k_total() {
        QFETCH(QString, ktotalTuberia);
        QFETCH(bool, contados);
        QFETCH(bool, listados);
        DatosAccesorios d = datosAccesorios(contados ? "1,07" : "0");
        for (auto &f : d.filas)
            if (!contados)
                f.unidades = "0";
        CamposMapa c = ejemplo();
        c.escribir(t::ktotal, ktotalTuberia);
        const Informe inf = informeTuberia(c, kIngles, kFecha, d);
        QCOMPARE(inf.accesorios.has_value(), listados);
        if (!listados)
            return;
        const ListaAccesorios &a = *inf.accesorios;
        QCOMPARE(a.nominal, "DN 100");
        QCOMPARE(a.diametro, "100");
        QCOMPARE(a.ktotal, "1,07");
        QCOMPARE(a.lineas.size(), 3);
        QCOMPARE(a.lineas[0].fila, 0);
        QCOMPARE(a.lineas[0].producto, "0,9");
        QCOMPARE(a.lineas[1].fila, 12);
        QCOMPARE(a.lineas[1].producto, "0,17");
        QCOMPARE(a.lineas[2].producto, ""); // K "x" is no number
    }

    void the_k_lookup_message_is_a_warning() {
        DatosAccesorios d = datosAccesorios("1,07");
        d.diametro = "8";
        d.mensaje = kMensajeDiametroPequeno;
        CamposMapa c = ejemplo();
        c.escribir(t::ktotal, "1,07");
        const Informe inf = informeTuberia(c, kIngles, kFecha, d);
        QVERIFY(inf.accesorios);
        QCOMPARE(inf.accesorios->nominal, ""); // no nominal diameter below 9 mm
        QCOMPARE(inf.avisos, QStringList{kMensajeDiametroPequeno});
    }

    void gas_report_marks_the_results_of_its_mode_data() {
        QTest::addColumn<int>("modo");
        QTest::addColumn<QStringList>("calculados");
        QTest::newRow("normalised flow known")
            << 1 << QStringList{"dproceso", "Qproceso", "Qprocesomasico"};
        QTest::newRow("actual flow known")
            << 2 << QStringList{"dproceso", "Qnormales", "Qprocesomasico"};
    }
    void gas_report_marks_the_results_of_its_mode() {
        QFETCH(int, modo);
        QFETCH(QStringList, calculados);
        CamposMapa c({{gas::dref, "1,293"},
                      {gas::tref, "0"},
                      {gas::Pref, "1,01325"},
                      {gas::Zref, "1"},
                      {gas::Pproceso, "5"},
                      {gas::tproceso, "20"},
                      {gas::Zproceso, "1"},
                      {gas::Qnormales, "100"},
                      {gas::P_paraQ, "1,01325"},
                      {gas::T_paraQ, "0"},
                      {gas::Z_paraQ, "1"}});
        c.fijarOpcion(modo == 1 ? "Option1" : "Option2", true);
        Calcular(c, modo);
        const Informe inf = informeGas(c, kEspanol, kFecha);
        QStringList marcados;
        for (const Fila &f : inf.filas()) {
            QCOMPARE(f.valor, c.texto(f.campo));
            if (f.calculado)
                marcados << f.campo;
        }
        marcados.sort();
        calculados.sort();
        QCOMPARE(marcados, calculados);
        QCOMPARE(camposDe(inf.filas()).size(), 14);
        QCOMPARE(inf.secciones[1].titulo, "Condiciones de Referencia"); // no trailing colon
        QCOMPARE(inf.caso[1], "Considerar factor de compresibilidad (Z): No");
        QVERIFY(inf.avisos.isEmpty());
    }

    void a_temperature_below_absolute_zero_is_a_warning() {
        CamposMapa c({{gas::tproceso, "-300"}, {gas::tref, "-273,15"}});
        const Informe inf = informeGas(c, kIngles, kFecha);
        QCOMPARE(inf.avisos.size(), 1);
        QVERIFY(inf.avisos[0].contains("PROCESS CONDITIONS"));
        QVERIFY(inf.avisos[0].contains("-300"));
        QVERIFY(
            inf.avisos[0].endsWith("Temperatura por debajo del cero absoluto, por favor corrija"));
    }

    void any_language_other_than_spanish_reports_in_english() {
        QCOMPARE(idiomaInforme(kEspanol), kEspanol);
        QCOMPARE(idiomaInforme(kIngles), kIngles);
        QCOMPARE(idiomaInforme(""), kIngles);
        const Informe inf = informeTuberia(ejemplo(), "", kFecha);
        QCOMPARE(inf.filas()[0].titulo, "Flow Rate");
    }

    // --- Formats ----------------------------------------------------------------------------

    void csv_quotes_only_where_needed_data() {
        QTest::addColumn<QString>("valor");
        QTest::addColumn<QString>("csv");
        // clang-format off
        QTest::newRow("plain")               << "36" << "36";
        QTest::newRow("empty")               << "" << "";
        QTest::newRow("decimal comma")       << "0,648703017651904" << "\"0,648703017651904\"";
        QTest::newRow("quote")               << "4\" Sch 40" << "\"4\"\" Sch 40\"";
        QTest::newRow("line break")          << "a\nb" << "\"a\nb\"";
        QTest::newRow("carriage return")     << "a\rb" << "\"a\rb\"";
        QTest::newRow("leading blanks kept") << "   Colebrook" << "   Colebrook";
        QTest::newRow("not ASCII")           << "Pa · s" << "Pa · s";
        // clang-format on
    }
    void csv_quotes_only_where_needed() {
        QFETCH(QString, valor);
        QFETCH(QString, csv);
        QCOMPARE(valorCsv(valor), csv);
    }

    void csv_reads_back_to_the_model() {
        CamposMapa c = ejemplo(kEspanol);
        c.escribir(LabelTuberia, "4\" Sch 40, \"XS\"\r\nnueva");
        c.escribir(t::ktotal, "1,07");
        const Informe inf = informeTuberia(c, kEspanol, kFecha, datosAccesorios("1,07"));
        const QByteArray bytes = csv(inf);
        QVERIFY(bytes.endsWith("\r\n"));
        const QList<QStringList> filas = leerCsv(QString::fromUtf8(bytes));
        QCOMPARE(filas.first(), QStringList({"field", "caption", "value", "unit"}));
        for (const QStringList &f : filas)
            QCOMPARE(f.size(), 4);
        // Options, then every row of the model, then the fittings.
        QList<Fila> modelo = inf.opciones + inf.filas();
        for (int i = 0; i < modelo.size(); ++i)
            QCOMPARE(filas[i + 1], QStringList({modelo[i].campo, modelo[i].titulo, modelo[i].valor,
                                                modelo[i].unidad}));
        QCOMPARE(filas[1], QStringList({"Option1", "Líquidos", "True", ""}));
        QVERIFY(filas.contains(
            QStringList({"DPbarTotal", "Pérdida de Carga Total", "0,648703017651904", "bar"})));
        QVERIFY(
            filas.contains(QStringList({"Naccesorios(12)", "Gate valve, open (Uds)", "1", ""})));
        QVERIFY(filas.contains(QStringList({"k(0)", "Elbow 90°, standard (K)", "0,45", ""})));
        QVERIFY(filas.contains(
            QStringList({"Naccesorios(0)*k(0)", "Elbow 90°, standard (Uds × K)", "0,9", ""})));
        QVERIFY(filas.contains(
            QStringList({"DiametroNominal", "Diámetro nominal de los K", "DN 100", ""})));
        QCOMPARE(filas.size(), 1 + modelo.size() + 2 + 3 * 3);
    }

    void plain_text_keeps_every_value_in_its_cell() {
        CamposMapa c = ejemplo();
        c.escribir(LabelTuberia, "4\"\tSch\n40");
        const Informe inf = informeTuberia(c, kIngles, kFecha);
        const QStringList lineas = textoPlano(inf).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lineas.size(), inf.secciones.size() + inf.filas().size());
        QVERIFY(lineas.contains("Total pressure drop\t0,648703017651904\tbar"));
        QVERIFY(lineas.contains("Pipe\t4\" Sch 40\t"));
        QVERIFY(lineas.contains("INITIAL DATA (actual conditions)"));
        for (const QString &l : lineas)
            QVERIFY2(l.count('\t') == 2 || l.count('\t') == 0, qPrintable(l));
    }

    void html_table_escapes_its_texts() {
        CamposMapa c = ejemplo();
        c.escribir(LabelTuberia, "<b>4\" & up</b>");
        const QString h = tablaHtml(informeTuberia(c, kIngles, kFecha, datosAccesorios("2")));
        QVERIFY(h.contains("<table"));
        QVERIFY(h.contains("&lt;b&gt;4&quot; &amp; up&lt;/b&gt;"));
        QVERIFY(!h.contains("<b>4"));
        QVERIFY(h.contains("<td align=\"right\">0,648703017651904</td><td>bar</td>"));
        QVERIFY(h.contains("Elbow 90°, standard"));
    }

    // --- Saving -----------------------------------------------------------------------------

    void safe_save_writes_bytes_without_line_ends() {
        QTemporaryDir dir;
        const QByteArray bytes =
            QByteArray("\x00\x01%PDF", 6) + QByteArray(70000, 'x') + "\n" + QByteArray(10, '\xff');
        QVERIFY(!resultados::guardarBytes(dir.filePath("b"), bytes));
        QCOMPARE(prueba::bytesDe(dir.filePath("b")), bytes);
        QVERIFY(!resultados::guardarBytes(dir.filePath("e"), QByteArray()));
        QCOMPARE(prueba::bytesDe(dir.filePath("e")), QByteArray());
    }
};

QTEST_APPLESS_MAIN(TestReport)
#include "tst_report.moc"
