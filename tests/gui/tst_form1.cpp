#include "app/form1.h"
#include "app/globals.h"
#include "fields/language.h"
#include "gas/form2.h"
#include "pipeflow/form_reynolds.h"

#include "../support/gui_fixture.h"

#include <QLabel>
#include <QTest>

#include "../support/runner.h"
#include <QToolButton>

using namespace vorlo;
using namespace vorlo::prueba;

class TestForm1 : public PruebaGui {
    Q_OBJECT
  private slots:
    void first_start_is_english() {
        auto *f = ventanas().mostrar<Form1>();
        QCOMPARE(Idioma, kIngles);
        QCOMPARE(f->windowTitle(), "Vorlo");
        QCOMPARE(etiqueta(f, "Label2"), "Gas calculations. P, T & Z");
        QCOMPARE(etiqueta(f, "Label3"), "Reynolds Number, Friction Factor, Pressure Drop");
        QCOMPARE(etiqueta(f, "Label4"), "Vorlo v3.5");
    }

    void flags_switch_the_language() {
        auto *f = ventanas().mostrar<Form1>();
        pulsar(f, "Spain");
        QCOMPARE(Idioma, kEspanol);
        QCOMPARE(etiqueta(f, "Label2"), "Cálculo de gases en distintas condiciones de P, T y Z");
        QCOMPARE(etiqueta(f, "Label3"),
                 "Número de Reynolds, Factor de Fricción y Pérdida de Carga");
        pulsar(f, "Picture1");
        QCOMPARE(Idioma, kIngles);
        QCOMPARE(etiqueta(f, "Label2"), "Gas calculations. P, T & Z");
    }

    void a_set_language_is_kept_at_load() {
        Idioma = kEspanol;
        auto *f = ventanas().mostrar<Form1>();
        QCOMPARE(Idioma, kEspanol);
        QCOMPARE(etiqueta(f, "Label2"), "Cálculo de gases en distintas condiciones de P, T y Z");
    }

    void label3_twice_gives_the_same_pipe_window() {
        auto *f = ventanas().mostrar<Form1>();
        auto *label3 = control<QLabel>(f, "Label3");
        QTest::mouseClick(label3, Qt::LeftButton);
        auto *primera = ventanas().existente<FormReynolds>();
        QVERIFY(primera);
        primera->escribir(t::Qproceso, "36");
        QTest::mouseClick(label3, Qt::LeftButton);
        QCOMPARE(ventanas().existente<FormReynolds>(), primera);
        QCOMPARE(primera->texto(t::Qproceso), "36");
        QVERIFY(f->isVisible());
    }

    void links_open_from_the_keyboard() {
        auto *f = ventanas().mostrar<Form1>();
        auto *label3 = control<QLabel>(f, "Label3");
        QCOMPARE(label3->focusPolicy(), Qt::StrongFocus);
        QTest::keyClick(label3, Qt::Key_Return);
        QVERIFY(ventanas().existente<FormReynolds>());
        QTest::keyClick(control(f, "Label2"), Qt::Key_A);
        QVERIFY(!ventanas().existente<Form2>());
        QTest::keyClick(control(f, "Label2"), Qt::Key_Space);
        QVERIFY(ventanas().existente<Form2>());
    }

    void hover_paints_links_grey_and_back() {
        auto *f = ventanas().mostrar<Form1>();
        auto *label2 = control<QLabel>(f, "Label2");
        moverSobre(label2);
        QCOMPARE(label2->palette().color(QPalette::WindowText), QColor(0xC0, 0xC0, 0xC0));
        moverSobre(f);
        QCOMPARE(label2->palette().color(QPalette::WindowText),
                 f->palette().color(QPalette::ButtonText));
    }
};

VORLO_PRUEBA(TestForm1, Ventanas)
#include "tst_form1.moc"
