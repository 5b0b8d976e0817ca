// The exact Colebrook root in the pipe window: beside the grid value, its note, its hover, and
// the Moody chart that follows the window.
#include "app/globals.h"
#include "app/windows.h"
#include "fields/language.h"
#include "fields/numbers.h"
#include "pipeflow/colebrook_exacto.h"
#include "pipeflow/form_reynolds.h"

#include "../support/gui_fixture.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

#include "../support/runner.h"

using namespace vorlo;
using namespace vorlo::prueba;

namespace {

QWidget *ventanaMoody() {
    QWidget *m = nullptr;
    int cuantas = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == "FormMoody" && !w->testAttribute(Qt::WA_WState_Hidden)) {
            m = w;
            ++cuantas;
        }
    return cuantas == 1 ? m : nullptr;
}

QColor colorTexto(const QLabel *l) {
    return l->palette().color(QPalette::WindowText);
}

} // namespace

class TestFriccionVentana : public PruebaGui {
    Q_OBJECT
  public:
    TestFriccionVentana() : PruebaGui(kIngles) {}

  private slots:
    void exact_root_beside_the_grid_value_data() {
        QTest::addColumn<QString>("idioma");
        QTest::addColumn<QString>("caudal");
        QTest::addColumn<QString>("rugosidad");
        QTest::addColumn<QString>("ffinal");
        QTest::addColumn<bool>("rojo");
        QTest::addColumn<QStringList>("nota");
        // clang-format off
        QTest::newRow("worked example") << kIngles << "36" << "0.05" << ",0197" << false << QStringList{"inside the grid"};
        QTest::newRow("smooth at Re 1e7, clipped") << kIngles << "2833" << "0" << ",0100" << true
            << QStringList{"Root outside the grid 0,01–0,1: the results use 0,0100, ", "above the exact root"};
        QTest::newRow("smooth at Re 1e7, Spanish") << kEspanol << "2833" << "0" << ",0100" << true
            << QStringList{"fuera de la malla", "por encima"};
        QTest::newRow("rough at low Re, above the grid") << kIngles << "0.85" << "20" << ",1000" << true << QStringList{"below"};
        // clang-format on
    }
    void exact_root_beside_the_grid_value() {
        QFETCH(QString, idioma);
        QFETCH(QString, caudal);
        QFETCH(QString, rugosidad);
        QFETCH(QString, ffinal);
        QFETCH(bool, rojo);
        QFETCH(QStringList, nota);
        Idioma = idioma;
        auto *v = ventanas().mostrar<FormReynolds>();
        teclear(v, {{t::dproceso, "998"}, {t::vdinamica, "0.001"}, {t::dint, "100"}});
        teclear(v, t::Rugosidad, rugosidad);
        teclear(v, t::Qproceso, caudal);
        QCOMPARE(v->texto(t::ffinal), ffinal); // the grid value stays what it was
        // The root of the same three texts Colebrook reads.
        const auto re = leerNumero(v->texto(t::Re));
        const auto e = leerNumero(v->texto(t::Rugosidad));
        QVERIFY(re && e);
        const auto raiz = colebrookExacto(*e, 100, *re);
        QVERIFY(raiz);
        QCOMPARE(v->texto(t::fexacta), *formatoFijo(*raiz, 6));
        auto *labelNota = control<QLabel>(v, t::Labelfexacta);
        for (const QString &parte : nota)
            QVERIFY2(labelNota->text().contains(parte), qPrintable(labelNota->text()));
        QCOMPARE(colorTexto(labelNota) == kRojo, rojo);
    }

    void no_root_no_text_data() {
        QTest::addColumn<QString>("campo");
        QTest::addColumn<QString>("texto");
        QTest::newRow("laminar") << t::Qproceso << QString("0,3");
        QTest::newRow("no roughness") << t::Rugosidad << QString();
        QTest::newRow("roughness not a number") << t::Rugosidad << QString("-");
        QTest::newRow("no diameter") << t::dint << QString();
    }
    void no_root_no_text() {
        QFETCH(QString, campo);
        QFETCH(QString, texto);
        auto *v = ventanas().mostrar<FormReynolds>();
        teclearEjemploTuberia(v);
        QCOMPARE(v->texto(t::fexacta), ",019732");
        v->escribir(campo, texto);
        tic(v); // an emptied diameter waits for the timer, like every other result
        QCOMPARE(v->texto(t::fexacta), "");
        QVERIFY(colorTexto(control<QLabel>(v, t::Labelfexacta)) != kRojo);
    }

    void hover_marks_what_the_root_needs() {
        auto *v = ventanas().mostrar<FormReynolds>();
        auto *f = campo(v, t::fexacta);
        QVERIFY(f->isReadOnly());
        QCOMPARE(f->palette().color(QPalette::Base), kAzul);
        moverSobre(f);
        for (const QString &n : {t::Re, t::Rugosidad, t::dint})
            QCOMPARE(campo(v, n)->palette().color(QPalette::Base), kRojo);
        QCOMPARE(campo(v, t::Qproceso)->palette().color(QPalette::Base), kBlanco);
        QVERIFY(etiqueta(v, "MensajeAyuda").startsWith("Exact f: the root of the Colebrook"));
        QCOMPARE(etiqueta(v, "Label40"), "Exact Colebrook f");
        pulsar(v, "Spain");
        QCOMPARE(etiqueta(v, "Label40"), "f exacto (Colebrook)");
        moverSobre(f);
        QVERIFY(etiqueta(v, "MensajeAyuda").startsWith("f exacto: la raíz"));
    }

    void moody_chart_follows_the_window() {
        auto *v = ventanas().mostrar<FormReynolds>();
        teclearEjemploTuberia(v);
        pulsar(v, "CommandMoody");
        QWidget *m = ventanaMoody();
        QVERIFY(m);
        QCOMPARE(etiqueta(m, "EstadoMoody"), "Re = 127.065   f = ,0197   ε/D = 0,0005");
        // Driven by the change events: a new flow moves the point at once.
        teclear(v, t::Qproceso, "72");
        QCOMPARE(etiqueta(m, "EstadoMoody").section("   ", 0, 0), "Re = " + v->texto(t::Re));
        QVERIFY(etiqueta(m, "EstadoMoody").contains("f = " + v->texto(t::ffinal)));
        // The menu item opens the same single window.
        auto *ver = control<QMenu>(v, "Ver");
        QCOMPARE(ver->title(), "&View");
        auto *item = control<QAction>(v, "Moody");
        QCOMPARE(item->text(), "Moody chart");
        item->trigger();
        QCOMPARE(ventanaMoody(), m);
        m->close();
        borrarDiferidos();
        QVERIFY(!ventanaMoody());
        teclear(v, t::Qproceso, "36"); // no chart to follow: nothing happens
        item->trigger();
        QVERIFY(ventanaMoody());
    }
};

VORLO_PRUEBA(TestFriccionVentana, Ventanas)
#include "tst_friccion_ventana.moc"
