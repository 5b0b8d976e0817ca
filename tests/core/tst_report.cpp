#include "fields/language.h"
#include "fittings/k_factors.h"
#include "gas/gas_state.h"
#include "pipeflow/friccion_exacta.h"
#include "pipeflow/pipe_flow.h"
#include "report/report.h"
#include "report/report_formats.h"
#include "report/report_presentation.h"
#include "results/results_io.h"

#include "../support/core_fixture.h"
#include "../support/file_helpers.h"

#include <QTemporaryDir>
#include <QTest>

#include "../support/runner.h"

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

DatosAccesorios datosAccesorios(const QString &ktotal) {
    DatosAccesorios d{"100", ktotal, {}, {}};
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
    // The engineering presentation's numbers: exactly N significant digits for a value, at most
    // N for a number in a text (a constant keeps its digits), in each language's convention.
    void engineering_numbers_data() {
        QTest::addColumn<QString>("texto"); // empty: numeroIngenieria(x)
        QTest::addColumn<double>("x");
        QTest::addColumn<int>("cifras"); // 0: no rounding
        QTest::addColumn<bool>("espanol");
        QTest::addColumn<QString>("esperado");
        // clang-format off
        QTest::newRow("small, fixed")        << "" << 0.00695 << 4 << false << "0.006950";
        QTest::newRow("below 1e-4: exponent") << "" << 6.954e-5 << 4 << false << "6.954E-05";
        QTest::newRow("rounded whole, en")   << "" << 430902.0 << 4 << false << "430,900";
        QTest::newRow("rounded whole, es")   << "" << 430902.0 << 4 << true << "430.900";
        QTest::newRow("padded")              << "" << 36.0 << 4 << false << "36.00";
        QTest::newRow("zero")                << "" << 0.0 << 3 << true << "0,00";
        QTest::newRow("negative")            << "" << -1.5 << 4 << false << "-1.500";
        QTest::newRow("1e9: exponent")       << "" << 1234567890.0 << 4 << false << "1.235E+09";
        QTest::newRow("round up to 10")      << "" << 9.9996 << 4 << false << "10.00";
        QTest::newRow("Re in a sentence")    << "Re 430.902" << 0.0 << 4 << false << "Re 430,900";
        QTest::newRow("grouping only")       << "laminar up to 2.000" << 0.0 << 0 << false << "laminar up to 2,000";
        QTest::newRow("leading zero")        << "f ,0197" << 0.0 << 0 << false << "f 0.0197";
        QTest::newRow("exponent")            << "1,58760E-05" << 0.0 << 4 << false << "1.588E-05";
        QTest::newRow("few digits kept")     << "3,7 · 2,51" << 0.0 << 4 << false << "3.7 · 2.51";
        QTest::newRow("words and codes")     << "4\" Sch 40, API RP 14E, m3/h, IF97" << 0.0 << 4 << false << "4\" Sch 40, API RP 14E, m3/h, IF97";
        QTest::newRow("long, es")            << "3,13602494513654 bar" << 0.0 << 4 << true << "3,136 bar";
        // clang-format on
    }
    void engineering_numbers() {
        QFETCH(QString, texto);
        QFETCH(double, x);
        QFETCH(int, cifras);
        QFETCH(bool, espanol);
        QFETCH(QString, esperado);
        const Lengua l = espanol ? Lengua::Espanol : Lengua::Ingles;
        QCOMPARE(texto.isEmpty()
                     ? numeroIngenieria(x, cifras, l)
                     : numerosEnConvencion(texto, l, cifras ? std::optional(cifras) : std::nullopt),
                 esperado);
    }

    // One quantity in two units agrees when presented: the unrounded values, not the window's
    // 0,16 kPa/m. Presenting twice changes nothing; the CSV keeps the window's texts.
    void engineering_note_agrees_across_units() {
        const CamposMapa c = ejemplo();
        Informe inf = informeTuberia(c, kIngles, kFecha);
        const QByteArray csvVentana = csv(inf);
        inf.cabecera.textos = {{"Presentacion", "ingenieria"}, {"Cifras", "4"}};
        const Informe p = presentado(inf);
        QHash<QString, QString> v;
        for (const Fila &f : p.filas())
            v.insert(f.campo, f.valor);
        QCOMPARE(v.value(t::DP), "0.1594");
        QCOMPARE(v.value(t::DPbar), "0.001594");
        QCOMPARE(v.value(t::Re), "127,100");
        QCOMPARE(v.value(t::Qproceso), "36"); // typed: no digits added
        QCOMPARE(presentado(p).filas(), p.filas());
        QVERIFY(csv(inf).contains(csvVentana.mid(csvVentana.indexOf("Qproceso"))));
    }

    void values_are_the_texts_as_shown() {
        const CamposMapa c = ejemplo();
        const Informe inf = informeTuberia(c, kIngles, kFecha);
        for (const Fila &f : inf.filas())
            QCOMPARE(f.valor, c.texto(f.campo));
        QCOMPARE(camposDe(inf.filas()).join(' '),
                 "Qproceso dproceso vdinamica dint Vproceso Re laminarturbulento Rugosidad ffinal "
                 "Labelffriccion DP DPbar L Desnivel DPtotalm DPbarTotal ktotal PerdidaAccesorios "
                 "PcargaTuberiaYaccesorios");
        QCOMPARE(inf.titulo, "REYNOLDS NUMBER, VELOCITY, FRICTION FACTOR AND PRESSURE DROP");
        QCOMPARE(inf.caso, QStringList({"Fluid: Liquids", "Viscosity: Dynamic v.(µ)",
                                        "Results: friction factor from the grid 0,01–0,1, as "
                                        "displayed"}));
        QVERIFY(inf.avisos.isEmpty() && !inf.accesorios);
        // Any language other than Spanish reports in English.
        QCOMPARE(informeTuberia(c, "", kFecha).filas()[0].titulo, "Flow Rate");
    }

    void rows_follow_what_the_window_shows_data() {
        QTest::addColumn<bool>("gases");
        QTest::addColumn<bool>("cinematica");
        QTest::addColumn<QString>("presentes");
        QTest::addColumn<QString>("ausentes");
        // clang-format off
        QTest::newRow("liquids, dynamic")   << false << false << "vdinamica L DPbarTotal" << "Vcinematica fexacta LabelTuberia";
        QTest::newRow("liquids, kinematic") << false << true << "Vcinematica L" << "vdinamica";
        QTest::newRow("gases")              << true << false << "vdinamica DPbar PerdidaAccesorios"
                                            << "L Desnivel DPtotalm DPbarTotal PcargaTuberiaYaccesorios";
        // clang-format on
    }
    void rows_follow_what_the_window_shows() {
        QFETCH(bool, gases);
        QFETCH(bool, cinematica);
        QFETCH(QString, presentes);
        QFETCH(QString, ausentes);
        CamposMapa c = ejemplo();
        c.fijarOpcion(t::Option1, !gases);
        c.fijarOpcion(t::Option2, gases);
        c.fijarOpcion(t::Option3, !cinematica);
        c.fijarOpcion(t::Option4, cinematica);
        const QStringList campos = camposDe(informeTuberia(c, kIngles, kFecha).filas());
        for (const QString &p : presentes.split(' '))
            QVERIFY2(campos.contains(p), qPrintable(p));
        for (const QString &a : ausentes.split(' '))
            QVERIFY2(!campos.contains(a), qPrintable(a));
    }

    void exact_root_and_pipe_appear_when_present() {
        CamposMapa c = ejemplo(kEspanol);
        c.escribir(t::fexacta, ",019728");
        c.escribir(t::Labelfexacta, "La raíz exacta cae fuera de la rejilla");
        c.escribir(t::LabelTuberia, "4\" Sch 40");
        const Informe inf = informeTuberia(c, kEspanol, kFecha);
        const QStringList campos = camposDe(inf.filas());
        QVERIFY(campos.indexOf(t::fexacta) > campos.indexOf(t::ffinal));
        QVERIFY(campos.indexOf(t::LabelTuberia) < campos.indexOf(t::dint));
        QCOMPARE(inf.filas()[campos.indexOf(t::fexacta)].titulo, "f exacto (Colebrook)");
        QCOMPARE(informeTuberia(c, kIngles, kFecha).filas()[campos.indexOf(t::fexacta)].titulo,
                 "Exact Colebrook f");
        // Inside the grid the note is a remark; outside it (smooth pipe at Re 1e7) it warns.
        QVERIFY(!inf.avisos.contains("La raíz exacta cae fuera de la rejilla"));
        c.escribir(t::Re, "10.000.000");
        c.escribir(t::Rugosidad, "0");
        c.escribir(t::ffinal, ",0100");
        PasoFriccionExacta(c, kEspanol);
        QVERIFY(c.texto(t::Labelfexacta).contains("fuera de la malla"));
        QVERIFY(informeTuberia(c, kEspanol, kFecha).avisos.contains(c.texto(t::Labelfexacta)));
    }

    // A double click on DPbar leaves the drop over the whole length in the per-metre fields.
    void totals_over_the_length_carry_their_own_units() {
        CamposMapa c = ejemplo();
        QVERIFY(!PerdidaTramoTotal(c, kIngles));
        const Informe inf = informeTuberia(c, kIngles, kFecha);
        const QStringList campos = camposDe(inf.filas());
        const int dp = campos.indexOf(t::DP);
        QCOMPARE(inf.filas()[dp].valor, "15935,292210672");
        QCOMPARE(inf.filas()[dp].unidad, "Pa");
        QCOMPARE(inf.filas()[campos.indexOf(t::DPbar)].unidad, "bar");
        QVERIFY(inf.avisos.size() == 1 && inf.avisos[0].contains("whole straight length"));
        CalcularTuberia(c, kIngles); // the next pass brings the per-metre units back
        const Informe despues = informeTuberia(c, kIngles, kFecha);
        QCOMPARE(despues.filas()[dp].unidad, "kPa/m");
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
        }
    }
    void the_transition_note_is_a_warning() {
        QFETCH(QString, idioma);
        QFETCH(QString, re);
        QFETCH(bool, aviso);
        CamposMapa c({{t::Re, re}, {t::dint, "100"}, {t::Rugosidad, "0,05"}});
        CalcularTuberia(c, idioma);
        QCOMPARE(informeTuberia(c, idioma, kFecha).avisos.contains(c.texto(t::Labelffriccion)),
                 aviso);
        QCOMPARE(c.color(t::Labelffriccion) == ColorNota::Rojo, aviso);
    }

    // Listed when they gave the pipe its K total; the K lookup's message is a warning.
    void fittings_are_listed_when_they_feed_the_k_total_data() {
        QTest::addColumn<QString>("ktotalTuberia");
        QTest::addColumn<bool>("contados");
        QTest::addColumn<bool>("listados");
        QTest::addColumn<QString>("mensaje");
        QTest::addColumn<QString>("aviso"); // the window's Spanish message, in the report's
        QTest::newRow("same total") << "1,07" << true << true << ""
                                    << "";
        QTest::newRow("8 mm: no nominal")
            << "1,07" << true << true << kMensajeDiametroPequeno
            << "You have entered a very small diameter, the diameter must be above 9 mm. The K "
               "values can still be entered by hand.";
        QTest::newRow("pipe emptied it since") << "" << true << false << ""
                                               << "";
        QTest::newRow("another total") << "2" << true << false << ""
                                       << "";
        QTest::newRow("no counts, total 0") << "0" << false << false << ""
                                            << "";
    }
    void fittings_are_listed_when_they_feed_the_k_total() {
        QFETCH(QString, ktotalTuberia);
        QFETCH(bool, contados);
        QFETCH(bool, listados);
        QFETCH(QString, mensaje);
        QFETCH(QString, aviso);
        DatosAccesorios d = datosAccesorios(contados ? "1,07" : "0");
        for (auto &f : d.filas)
            f.unidades = contados ? f.unidades : "0";
        if (!mensaje.isEmpty())
            std::tie(d.diametro, d.mensaje) = std::pair(QString("8"), mensaje);
        CamposMapa c = ejemplo();
        c.escribir(t::ktotal, ktotalTuberia);
        const Informe inf = informeTuberia(c, kIngles, kFecha, d);
        QCOMPARE(inf.accesorios.has_value(), listados);
        QCOMPARE(inf.avisos, aviso.isEmpty() ? QStringList() : QStringList{aviso});
        if (!listados)
            return;
        QCOMPARE(inf.accesorios->nominal, mensaje.isEmpty() ? "DN 100" : "");
        const auto &l = inf.accesorios->lineas;
        QCOMPARE(l.size(), 3);
        QCOMPARE(QList<int>({l[0].fila, l[1].fila}), QList<int>({0, 12}));
        QCOMPARE(QStringList({l[0].producto, l[1].producto, l[2].producto}),
                 QStringList({"0,9", "0,17", ""})); // K "x" is no number
    }

    void gas_report_marks_the_results_of_its_mode_data() {
        QTest::addColumn<int>("modo");
        QTest::addColumn<QString>("calculados");
        QTest::newRow("normalised flow known") << 1 << "Qproceso Qprocesomasico dproceso";
        QTest::newRow("actual flow known") << 2 << "Qnormales Qprocesomasico dproceso";
    }
    void gas_report_marks_the_results_of_its_mode() {
        QFETCH(int, modo);
        QFETCH(QString, calculados);
        // clang-format off
        CamposMapa c({{gas::dref, "1,293"}, {gas::tref, "0"}, {gas::Pref, "1,01325"}, {gas::Zref, "1"}, {gas::Pproceso, "5"},
                      {gas::tproceso, "20"}, {gas::Zproceso, "1"}, {gas::Qnormales, "100"}, {gas::P_paraQ, "1,01325"},
                      {gas::T_paraQ, "0"}, {gas::Z_paraQ, "1"}});
        // clang-format on
        c.fijarOpcion(modo == 1 ? gas::Option1 : gas::Option2, true);
        Calcular(c, modo);
        const Informe inf = informeGas(c, kEspanol, kFecha);
        QStringList marcados;
        for (const Fila &f : inf.filas()) {
            QCOMPARE(f.valor, c.texto(f.campo));
            if (f.calculado)
                marcados << f.campo;
        }
        marcados.sort();
        QCOMPARE(marcados.join(' '), calculados);
        QCOMPARE(inf.filas().size(), 14);
        QCOMPARE(inf.secciones[1].titulo, "Condiciones de Referencia"); // no trailing colon
        QCOMPARE(inf.caso[1], "Considerar factor de compresibilidad (Z): No");
    }

    void a_temperature_below_absolute_zero_is_a_warning() {
        CamposMapa c({{gas::tproceso, "-300"}, {gas::tref, "-273,15"}});
        const Informe inf = informeGas(c, kIngles, kFecha);
        QCOMPARE(inf.avisos.size(), 1);
        QVERIFY(inf.avisos[0].contains("PROCESS CONDITIONS") && inf.avisos[0].contains("-300"));
        // The window shows it in Spanish whatever its language; the note, in its own.
        QVERIFY(inf.avisos[0].endsWith("Temperature below absolute zero, please correct"));
        QVERIFY(informeGas(c, kEspanol, kFecha)
                    .avisos[0]
                    .endsWith("Temperatura por debajo del cero absoluto, por favor corrija"));
    }

    void csv_quotes_only_where_needed_data() {
        QTest::addColumn<QString>("valor");
        QTest::addColumn<QString>("csv");
        // clang-format off
        QTest::newRow("plain")               << "36" << "36";
        QTest::newRow("decimal comma")       << "0,648703017651904" << "\"0,648703017651904\"";
        QTest::newRow("quote")               << "4\" Sch 40" << "\"4\"\" Sch 40\"";
        QTest::newRow("line break")          << "a\nb" << "\"a\nb\"";
        QTest::newRow("carriage return")     << "a\rb" << "\"a\rb\"";
        QTest::newRow("leading blanks kept") << "   Colebrook" << "   Colebrook";
        // clang-format on
    }
    void csv_quotes_only_where_needed() {
        QFETCH(QString, valor);
        QTEST(valorCsv(valor), "csv");
    }

    // Header, options, every row of the model as one record, then the fittings.
    void csv_has_a_record_per_row() {
        CamposMapa c = ejemplo(kEspanol);
        c.escribir(t::LabelTuberia, "4\" Sch 40, \"XS\"\r\nnueva");
        c.escribir(t::ktotal, "1,07");
        const Informe inf = informeTuberia(c, kEspanol, kFecha, datosAccesorios("1,07"));
        const QByteArray b = csv(inf);
        QVERIFY(
            b.startsWith("field,caption,value,unit,value_number\r\nOption1,Líquidos,True,,\r\n"));
        const QList<Fila> modelo = inf.opciones + inf.filas();
        for (const Fila &f : modelo)
            QVERIFY2(b.contains(("\r\n" + f.campo + ',' + valorCsv(f.titulo) + ',' +
                                 valorCsv(f.valor) + ',' + f.unidad + ',')
                                    .toUtf8()),
                     qPrintable(f.campo));
        QVERIFY(b.contains("\r\nLabelTuberia,Tubería,\"4\"\" Sch 40, \"\"XS\"\"\r\nnueva\",,\r\n"));
        // Each fitting by its row's title in the report's language, whatever the window showed.
        QVERIFY(b.contains("\r\nNaccesorios(0)*k(0),Codo 90º (rosca) (Uds × K),\"0,9\",,0.9\r\n"));
        QVERIFY(b.contains("\r\nDiametroNominal,Diámetro nominal de los K,DN 100,,\r\n"
                           "MetodoK,Método de los K,Tabla,,\r\n"));
        // The fifth column: the number of a quantity, nothing for an option, a note or a text.
        QVERIFY(b.contains("\r\nDPbarTotal,Pérdida de Carga "
                           "Total,\"0,648703017651904\",bar,0.648703017651904\r\n"));
        QVERIFY(b.contains("\r\nRe,Reynolds,127.065,,127065\r\n"));
        QVERIFY(b.contains("\r\nffinal,Factor de fricción f,\",0197\",,0.0197\r\n"));
        QVERIFY(b.contains("\r\nlaminarturbulento,Régimen,Turbulento,,\r\n"));
        QVERIFY(b.contains("\r\nNaccesorios(21),Definido por usuario 1 (Uds),3,,3\r\n"
                           "k(21),Definido por usuario 1 (K),x,,\r\n"));
        // One record per row, plus the one line break inside the quoted pipe text.
        QCOMPARE(b.count("\r\n"), 1 + modelo.size() + 3 + 3 * 3 + 1);
    }

    // The shown number with a decimal point: the same digits, never more, no grouping.
    void value_number_has_the_digits_shown_data() {
        QTest::addColumn<QString>("valor");
        QTest::addColumn<QString>("numero");
        // clang-format off
        QTest::newRow("integer")                << "36" << "36";
        QTest::newRow("grouped")                << "127.065" << "127065";
        QTest::newRow("two groups, decimals")   << "1.234.567,50" << "1234567.50";
        QTest::newRow("no leading zero")        << ",0197" << "0.0197";
        QTest::newRow("negative, no zero")      << "-,5" << "-0.5";
        QTest::newRow("trailing comma")         << "5," << "5";
        QTest::newRow("leading zeros")          << "007,10" << "7.10";
        QTest::newRow("exponent")               << "1,8198E-05" << "1.8198E-05";
        QTest::newRow("exponent, small e")      << "1,23450e+4" << "1.23450e+4";
        QTest::newRow("empty")                  << "" << "";
        QTest::newRow("a note")                 << "Turbulent Flow" << "";
        QTest::newRow("point as decimal")       << "0.5" << "";
        QTest::newRow("two commas")             << "1,2,3" << "";
        QTest::newRow("beyond a double")        << "1e400" << "";
        // clang-format on
    }
    void value_number_has_the_digits_shown() {
        QFETCH(QString, valor);
        QTEST(numeroCsv(valor), "numero");
    }

    void plain_text_keeps_every_value_in_its_cell() {
        CamposMapa c = ejemplo();
        c.escribir(t::LabelTuberia, "4\"\tSch\n40");
        const Informe inf = informeTuberia(c, kIngles, kFecha);
        const QStringList lineas = textoPlano(inf).split('\n', Qt::SkipEmptyParts);
        // The mode's statement first, then the sections and their rows.
        QCOMPARE(lineas.size(), 1 + inf.secciones.size() + inf.filas().size());
        QCOMPARE(lineas.first(), inf.modo);
        QVERIFY(lineas.contains("Pipe\t4\" Sch 40\t"));
        for (const QString &l : lineas)
            QVERIFY2(l.count('\t') == 2 || l.count('\t') == 0, qPrintable(l));
    }

    void html_table_escapes_its_texts() {
        CamposMapa c = ejemplo();
        c.escribir(t::LabelTuberia, "<b>4\" & up</b>");
        const QString h = tablaHtml(informeTuberia(c, kIngles, kFecha, datosAccesorios("2")));
        QVERIFY(h.contains("&lt;b&gt;4&quot; &amp; up&lt;/b&gt;") && !h.contains("<b>4"));
    }

    void safe_save_writes_bytes_without_line_ends() {
        QTemporaryDir dir;
        const QByteArray bytes =
            QByteArray("\x00\x01%PDF", 6) + QByteArray(70000, 'x') + "\n" + QByteArray(10, '\xff');
        QVERIFY(!resultados::guardarBytes(dir.filePath("b"), bytes));
        QCOMPARE(prueba::bytesDe(dir.filePath("b")), bytes);
    }
};

VORLO_PRUEBA(TestReport, SinAplicacion)
#include "tst_report.moc"
