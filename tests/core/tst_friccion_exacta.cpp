#include "fields/language.h"
#include "pipeflow/friccion_exacta.h"
#include "pipeflow/pipe_flow.h"

#include <QTest>

#include "../support/runner.h"

#include "../support/core_fixture.h"

using namespace vorlo;
namespace t = vorlo::tuberia;

Q_DECLARE_METATYPE(vorlo::ColorNota)

namespace {

const QString kOtro = QStringLiteral("FRANÇAIS");

CamposMapa ejemplo() {
    return prueba::ejemploTuberiaTextos();
}

} // namespace

class TestFriccionExacta : public QObject {
    Q_OBJECT
  private slots:
    // The pass first, then the step, as the window runs them.
    void worked_example_after_the_pass_data() {
        QTest::addColumn<QString>("idioma");
        QTest::addColumn<QString>("nota");

        QTest::newRow("es") << kEspanol
                            << "Raíz dentro de la malla 0,01–0,1: los resultados usan 0,0197, un "
                               "0,16 % por debajo de la raíz exacta";
        QTest::newRow("en") << kIngles
                            << "Root inside the grid 0,01–0,1: the results use 0,0197, 0,16 % "
                               "below the exact root";
    }
    void worked_example_after_the_pass() {
        QFETCH(QString, idioma);
        QFETCH(QString, nota);
        CamposMapa c = ejemplo();
        const auto n = settle(c, [&](CamposTexto &x) {
            CalcularTuberia(x, idioma);
            PasoFriccionExacta(x, idioma);
        });
        QVERIFY(n.has_value());
        QCOMPARE(c.texto(t::Re), "127.065");
        QCOMPARE(c.texto(t::ffinal), ",0197");
        QCOMPARE(c.texto(t::fexacta), ",019732");
        QCOMPARE(c.texto(t::Labelfexacta), nota);
        QCOMPARE(c.color(t::Labelfexacta), ColorNota::Normal);
        // The results still come from the grid value.
        QCOMPARE(c.texto(t::DPbar), ",00159353");

        // Settled: a further step changes nothing.
        const int antes = c.cambios();
        PasoFriccionExacta(c, idioma);
        QCOMPARE(c.cambios(), antes);
    }

    void root_and_note_data() {
        QTest::addColumn<QString>("re");
        QTest::addColumn<QString>("rugosidad");
        QTest::addColumn<QString>("dint");
        QTest::addColumn<QString>("ffinal");
        QTest::addColumn<QString>("idioma");
        QTest::addColumn<QString>("fexacta");
        QTest::addColumn<QString>("nota");
        QTest::addColumn<ColorNota>("color");

        const auto fila = [](const char *nombre, const char *re, const char *rug, const char *d,
                             const char *f, const QString &idioma, const char *raiz,
                             const QString &nota, ColorNota color) {
            QTest::newRow(nombre) << QString::fromUtf8(re) << QString::fromUtf8(rug)
                                  << QString::fromUtf8(d) << QString::fromUtf8(f) << idioma
                                  << QString::fromUtf8(raiz) << nota << color;
        };
        const auto rojo = ColorNota::Rojo;
        const auto normal = ColorNota::Normal;

        // Smooth pipe at Re 1e7: the root 0,0081027 lies below the grid, which answers 0,01.
        fila("smooth Re 1e7, en", "10.000.000", "0", "100", ",0100", kIngles, ",008103",
             "Root outside the grid 0,01–0,1: the results use 0,0100, 23 % above the exact root",
             rojo);
        fila("smooth Re 1e7, es", "10.000.000", "0", "100", ",0100", kEspanol, ",008103",
             "Raíz fuera de la malla 0,01–0,1: los resultados usan 0,0100, un 23 % por encima "
             "de la raíz exacta",
             rojo);
        // e/D 0,2 at Re 3000: the root 0,15983 lies above the grid, which answers 0,1.
        fila("rough low Re, en", "3.000", "20", "100", ",1000", kIngles, ",159827",
             "Root outside the grid 0,01–0,1: the results use 0,1000, 37 % below the exact root",
             rojo);
        fila("rough low Re, es", "3.000", "20", "100", ",1000", kEspanol, ",159827",
             "Raíz fuera de la malla 0,01–0,1: los resultados usan 0,1000, un 37 % por debajo "
             "de la raíz exacta",
             rojo);
        // Re 1e12: the grid value is more than three times the root.
        fila("smooth Re 1e12", "1.000.000.000.000", "0", "100", ",0100", kIngles, ",002362",
             "Root outside the grid 0,01–0,1: the results use 0,0100, 323 % above the exact root",
             rojo);
        // The edge of the step: Re 2000 counts, in the transition branch like ffinal.
        fila("Re 2000", "2.000", "0", "100", ",0495", kIngles, ",049451",
             "Root inside the grid 0,01–0,1: the results use 0,0495, 0,099 % above the exact "
             "root",
             normal);
        fila("Re 1e5, e/D 5e-4", "100.000", "0,05", "100", ",0203", kEspanol, ",020327",
             "Raíz dentro de la malla 0,01–0,1: los resultados usan 0,0203, un 0,13 % por "
             "debajo de la raíz exacta",
             normal);
        // Without a grid value only where the root lies is said.
        fila("no ffinal, outside", "10.000.000", "0", "100", "", kIngles, ",008103",
             "Root outside the grid 0,01–0,1", rojo);
        fila("ffinal not a number, outside", "10.000.000", "0", "100", "1-2", kEspanol, ",008103",
             "Raíz fuera de la malla 0,01–0,1", rojo);
        fila("ffinal zero, inside", "100.000", "0,05", "100", "0", kIngles, ",020327",
             "Root inside the grid 0,01–0,1", normal);
        // No root: no exact factor; in laminar flow the note says f = 64/Re.
        // clang-format off
        fila("laminar",                "1.500",    "0,05", "100", ",0427", kIngles, "", "Laminar flow: f = 64/Re, Colebrook does not apply", normal);
        fila("just below 2000",        "1.999",    "0,05", "100", ",0320", kEspanol, "", "Flujo laminar: f = 64/Re, la ecuación de Colebrook no se aplica", normal);
        fila("Re 0",                   "0",        "0,05", "100", ",0197", kIngles, "", "", normal);
        fila("no Re",                  "",         "0,05", "100", "", kIngles, "", "", normal);
        fila("no roughness",           "127.065",  "",     "100", ",0197", kIngles, "", "", normal);
        fila("no diameter",            "127.065",  "0,05", "",    ",0197", kIngles, "", "", normal);
        fila("Re not a number",        "1-2",      "0,05", "100", ",0197", kIngles, "", "", normal);
        fila("roughness a lone minus", "127.065",  "-",    "100", ",0197", kIngles, "", "", normal);
        fila("negative roughness",     "127.065",  "-0,05", "100", ",0197", kIngles, "", "", normal);
        fila("zero diameter",          "127.065",  "0,05", "0",   ",0197", kIngles, "", "", normal);
        fila("e/D above 3,7",          "127.065",  "400",  "100", ",1000", kEspanol, "", "", normal);
        // clang-format on
    }
    void root_and_note() {
        QFETCH(QString, re);
        QFETCH(QString, rugosidad);
        QFETCH(QString, dint);
        QFETCH(QString, ffinal);
        QFETCH(QString, idioma);
        QFETCH(QString, fexacta);
        QFETCH(QString, nota);
        QFETCH(ColorNota, color);

        // A previous state that every case must overwrite.
        CamposMapa c({{t::Re, re},
                      {t::Rugosidad, rugosidad},
                      {t::dint, dint},
                      {t::ffinal, ffinal},
                      {t::fexacta, ",123456"},
                      {t::Labelfexacta, "old"}});
        c.escribirColor(t::Labelfexacta,
                        color == ColorNota::Rojo ? ColorNota::Normal : ColorNota::Rojo);
        PasoFriccionExacta(c, idioma);
        QCOMPARE(c.texto(t::fexacta), fexacta);
        QCOMPARE(c.texto(t::Labelfexacta), nota);
        QCOMPARE(c.color(t::Labelfexacta), color);
        // The step writes nothing but its two fields.
        QCOMPARE(c.texto(t::Re), re);
        QCOMPARE(c.texto(t::ffinal), ffinal);
        QCOMPARE(c.texto(t::Rugosidad), rugosidad);
        QCOMPARE(c.texto(t::dint), dint);
    }

    // Any other language setting reads as English, as the windows take it; an empty result
    // still empties both.
    void other_language_reads_as_english() {
        CamposMapa c({{t::Re, "10.000.000"},
                      {t::Rugosidad, "0"},
                      {t::dint, "100"},
                      {t::ffinal, ",0100"},
                      {t::Labelfexacta, "old"}});
        PasoFriccionExacta(c, kOtro);
        QCOMPARE(c.texto(t::fexacta), ",008103");
        QVERIFY(c.texto(t::Labelfexacta).startsWith("Root outside the grid"));

        c.escribir(t::Re, "1.000");
        PasoFriccionExacta(c, kOtro);
        QCOMPARE(c.texto(t::fexacta), "");
        QCOMPARE(c.texto(t::Labelfexacta), "Laminar flow: f = 64/Re, Colebrook does not apply");
    }

    void percentage_data() {
        QTest::addColumn<double>("p");
        QTest::addColumn<QString>("texto");

        QTest::newRow("23") << 23.4161 << "23";
        QTest::newRow("rounds up to whole") << 9.6 << "10";
        QTest::newRow("thousands grouped") << 1234.6 << "1.235";
        QTest::newRow("two digits below 10") << 5.3069 << "5,3";
        QTest::newRow("below 1 keeps its zero") << 0.16186 << "0,16";
        QTest::newRow("below 0,1") << 0.0989235 << "0,099";
        QTest::newRow("at most four decimals") << 0.00012 << "0,0001";
        QTest::newRow("nothing") << 0.00001 << "0";
        QTest::newRow("zero") << 0.0 << "0";
    }
    void percentage() {
        QFETCH(double, p);
        QFETCH(QString, texto);
        QCOMPARE(friccion::porcentaje(p), texto);
    }
};

VORLO_PRUEBA(TestFriccionExacta, SinAplicacion)
#include "tst_friccion_exacta.moc"
