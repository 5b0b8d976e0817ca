#include "cases/case_file.h"
#include "fields/language.h"
#include "fittings/fitting_rows.h"
#include "gas/gas_fields.h"
#include "report/report.h"
#include "report/report_formats.h"
#include "report/report_windows.h"
#include "results/window_emulation.h"
#include "water/water_fields.h"

#include "../support/core_fixture.h"

#include <QFile>
#include <QSet>
#include <QTest>

#include "../support/runner.h"

using namespace vorlo;
using namespace vorlo::informe;

// Rows of the calculation note a checker reads on their own.
class TestNoteRows : public QObject {
    Q_OBJECT

  private slots:
    // Threaded and flanged groups share titles ("Elbow 90º"): each row of the note's fittings
    // table still names one fitting.
    void every_fitting_row_has_its_own_title_data() {
        QTest::addColumn<int>("lengua");
        QTest::addColumn<int>("fila");
        QTest::addColumn<QString>("titulo");
        QTest::newRow("en, threaded elbow") << int(Lengua::Ingles) << 0 << "Elbow 90º (threaded)";
        QTest::newRow("en, flanged elbow") << int(Lengua::Ingles) << 10 << "Elbow 90º (flanged)";
        QTest::newRow("es, threaded elbow") << int(Lengua::Espanol) << 0 << "Codo 90º (rosca)";
        QTest::newRow("es, flanged check valve")
            << int(Lengua::Espanol) << 20 << "Válvula antirretorno (clapeta) (brida)";
    }
    void every_fitting_row_has_its_own_title() {
        QFETCH(int, lengua);
        QFETCH(int, fila);
        QFETCH(QString, titulo);
        QCOMPARE(tituloAccesorio(fila, Lengua(lengua)), titulo);
        QSet<QString> vistos;
        for (int f = 0; f < filasAccesorios().size(); ++f)
            vistos.insert(tituloAccesorio(f, Lengua(lengua)));
        QCOMPARE(vistos.size(), filasAccesorios().size());
    }

    // The region of IAPWS-IF97 is a whole number: 1 compressed liquid, 2 steam, 3 around the
    // critical point (the boundaries of the 2007 release, Fig. 1).
    void the_water_region_is_a_whole_number_data() {
        QTest::addColumn<QString>("t");
        QTest::addColumn<QString>("p");
        QTest::addColumn<QString>("region");
        QTest::newRow("cold water") << "20"
                                    << "1,01325"
                                    << "1";
        QTest::newRow("steam") << "350"
                               << "10"
                               << "2";
        QTest::newRow("supercritical") << "380"
                                       << "250"
                                       << "3";
    }
    void the_water_region_is_a_whole_number() {
        QFETCH(QString, t);
        QFETCH(QString, p);
        QFETCH(QString, region);
        Contexto contexto;
        contexto.ventanas.insert(caso::Agua, {{}, {{agua::TAgua, t}, {agua::PAgua, p}}});
        const Informe inf =
            informeTuberia(prueba::ejemploTuberiaTextos(), kIngles, QDateTime(), contexto);
        QString visto;
        for (const Anexo &a : inf.anexos)
            for (const Seccion &s : a.secciones)
                for (const Fila &f : s.filas)
                    if (f.titulo == QLatin1String("IAPWS-IF97 region"))
                        visto = f.valor;
        QCOMPARE(visto, region);
    }

    // The example of the case format's page is what the program writes, and a note made from it
    // is whole; so is one from a case that leaves out the gas window's start texts.
    void the_documented_case_gives_a_full_note_data() {
        QTest::addColumn<QStringList>("omitidos");
        QTest::newRow("as documented") << QStringList{};
        QTest::newRow("gas start texts left out")
            << QStringList{gas::Zref, gas::Pref, gas::Zproceso, gas::P_paraQ, gas::Z_paraQ};
    }
    void the_documented_case_gives_a_full_note() {
        QFETCH(QStringList, omitidos);
        QFile pagina(QFINDTESTDATA("../../docs/case-format.md"));
        QVERIFY(pagina.open(QIODevice::ReadOnly));
        const QByteArray md = pagina.readAll();
        const qsizetype inicio = md.indexOf("```json\n") + 8;
        QByteArray ejemplo = md.mid(inicio, md.indexOf("```", inicio) - inicio);
        if (omitidos.isEmpty()) {
            const auto leido = caso::interpretar(ejemplo);
            QVERIFY(std::holds_alternative<caso::Caso>(leido));
            QVERIFY2(caso::contenido(std::get<caso::Caso>(leido)) == ejemplo, ejemplo.constData());
        }
        for (const QString &n : omitidos) {
            const qsizetype desde = ejemplo.indexOf("\"" + n.toUtf8() + "\": ");
            ejemplo.remove(desde, ejemplo.indexOf('\n', desde) - desde + 1);
        }
        const auto leido = caso::interpretar(ejemplo);
        QVERIFY(std::holds_alternative<caso::Caso>(leido));
        const caso::Caso c = std::get<caso::Caso>(leido);
        QVERIFY(c.ventanas.contains(caso::Informe));
        resultados::VentanaTuberiaSimulada tubo(kIngles);
        tubo.abrirCaso(c.ventanas.value(caso::Tuberia));
        const Informe inf = informeTuberia(tubo, kIngles, QDateTime(), contextoDeCaso(c, tubo));
        QStringList vistos;
        for (const Anexo &a : inf.anexos)
            for (const Seccion &s : a.secciones)
                for (const Fila &f : s.filas)
                    if (f.campo == gas::dproceso || f.campo == gas::Qproceso ||
                        f.campo == gas::Qprocesomasico)
                        vistos << f.valor;
        QCOMPARE(vistos.size(), 3);
        QVERIFY2(!vistos.contains(QString()), qPrintable(vistos.join('|')));
        // The CSV holds the other windows and the header too. Process density by hand:
        // 1,293 · 5 / 1,01325 · 273,15 / 293,15 = 5,9451 kg/m3.
        const QString csv = QString::fromUtf8(informe::csv(inf));
        QVERIFY(csv.contains("\r\nreport.Proyecto,Project,Planta Norte,,\r\n"));
        QVERIFY(csv.contains("\r\nreport.Revision,Revision,A,,\r\n"));
        QVERIFY2(csv.contains("\r\ngas.dproceso,") && csv.contains(",kg/m3,5.945"),
                 qPrintable(csv));
        QVERIFY(csv.contains("\r\nwater.DensidadAgua,"));
    }

    // A gas window kept beside a pipe it did not feed says so; one that fed it is named as the
    // pipe's source. By hand: 1,293 kg/m3 at 0 ºC and 1,01325 bar a is 5,945 kg/m3 at 20 ºC and
    // 5 bar a, and 100 Nm3/h is 100 · 1,01325 / 5 · 293,15 / 273,15 = 21,75 m3/h.
    void a_window_says_whether_it_feeds_the_pipe_data() {
        QTest::addColumn<QString>("densidad");
        QTest::addColumn<QString>("caudal");
        QTest::addColumn<bool>("alimenta");
        QTest::newRow("water line, gas kept") << "998"
                                              << "36" << false;
        QTest::newRow("gas handed over") << "5,945"
                                         << "21,75" << true;
    }
    void a_window_says_whether_it_feeds_the_pipe() {
        QFETCH(QString, densidad);
        QFETCH(QString, caudal);
        QFETCH(bool, alimenta);
        CamposMapa tubo = prueba::ejemploTuberiaTextos();
        tubo.escribir(tuberia::dproceso, densidad);
        tubo.escribir(tuberia::Qproceso, caudal);
        Contexto contexto;
        contexto.ventanas.insert(caso::Gas, {{{gas::Option1, true}},
                                             {{gas::dref, "1,293"},
                                              {gas::tref, "0"},
                                              {gas::Pproceso, "5"},
                                              {gas::tproceso, "20"},
                                              {gas::T_paraQ, "0"},
                                              {gas::Qnormales, "100"},
                                              {gas::Zref, "1"},
                                              {gas::Pref, "1,01325"},
                                              {gas::Zproceso, "1"},
                                              {gas::P_paraQ, "1,01325"},
                                              {gas::Z_paraQ, "1"}}});
        const Informe inf = informeTuberia(tubo, kIngles, QDateTime(), contexto);
        QCOMPARE(inf.anexos.size(), 1);
        QCOMPARE(inf.anexos[0].caso.contains("Does not feed the pipe result."), !alimenta);
        QCOMPARE(inf.caso.join('|').contains("Density and flow: from the gas window"), alimenta);
    }
};

VORLO_PRUEBA(TestNoteRows, Nucleo)
#include "tst_note_rows.moc"
