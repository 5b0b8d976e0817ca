// Three places where a window used to mislead its user: a hidden empty compressibility factor,
// per-metre captions beside totals over the length, and texts cut after a language switch.
#include "app/form1.h"
#include "app/globals.h"
#include "app/message_boxes.h"
#include "app/open_windows.h"
#include "app/windows.h"
#include "fields/language.h"
#include "gas/form2.h"
#include "pipeflow/form_reynolds.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>

#include "../support/runner.h"

#include "../support/gui_fixture.h"

using namespace vorlo;
using namespace vorlo::prueba;

namespace {

// Labels whose text does not fit the room the layout gave them.
QStringList etiquetasCortadas(QWidget *ventana) {
    QStringList cortadas;
    for (QLabel *l : ventana->findChildren<QLabel *>()) {
        if (!l->isVisibleTo(ventana) || l->text().isEmpty() || !l->pixmap().isNull())
            continue;
        const bool cabe = l->wordWrap() ? l->heightForWidth(l->width()) <= l->height()
                                        : l->sizeHint().width() <= l->width() &&
                                              l->minimumSizeHint().height() <= l->height();
        if (!cabe)
            cortadas << l->objectName();
    }
    return cortadas;
}

} // namespace

class TestVentanasClaras : public prueba::PruebaGui {
    Q_OBJECT
  public:
    TestVentanasClaras() : PruebaGui(kIngles) {}

  private slots:
    // -- A compressibility factor that is empty or not a number shows itself.

    void empty_factor_ticks_check1_data() {
        QTest::addColumn<QString>("factor");
        QTest::addColumn<QString>("texto");
        QTest::newRow("Zref empty") << g::Zref << QString();
        QTest::newRow("Zproceso empty") << g::Zproceso << QString();
        QTest::newRow("Z_paraQ empty") << g::Z_paraQ << QString();
        QTest::newRow("Zref a lone minus") << g::Zref << QString("-");
        QTest::newRow("Zproceso two commas") << g::Zproceso << QString("1,,2");
    }
    void empty_factor_ticks_check1() {
        QFETCH(QString, factor);
        QFETCH(QString, texto);
        auto *f = ventanas().mostrar<Form2>();
        auto *check = control<QCheckBox>(f, g::Check1);
        QVERIFY(!check->isChecked());
        QVERIFY(!control(f, factor)->isVisible());
        f->escribir(factor, texto);
        QVERIFY(check->isChecked());
        for (const QString &n :
             QStringList{g::Zref, g::Zproceso, g::Z_paraQ, "Label6", "Label16", "Label27"})
            QVERIFY2(control(f, n)->isVisible(), qPrintable(n));
    }

    void picked_water_then_a_gas_case_shows_the_missing_factor() {
        // The liquid catalogue empties the gas window's Zref while that window is closed.
        entregarReferenciaGas("998,2", "", "", "");
        abrirForm2();
        auto *f = ventanas().existente<Form2>();
        QVERIFY(control<QCheckBox>(f, g::Check1)->isChecked());
        QVERIFY(control(f, g::Zref)->isVisible());
        // The hint over the density now points at the empty factor in plain sight.
        moverSobre(control(f, g::dproceso));
        QCOMPARE(control<QLineEdit>(f, g::Zref)->palette().color(QPalette::Base),
                 QColor(255, 0, 0));
        // Nothing else changed: the density is still not computed without Z.
        QCOMPARE(f->texto(g::dproceso), "");
    }

    void check1_clears_by_hand_only_with_every_factor_a_number() {
        auto *f = ventanas().mostrar<Form2>();
        auto *check = control<QCheckBox>(f, g::Check1);
        f->escribir(g::Zproceso, "");
        QVERIFY(check->isChecked());
        QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(5, check->height() / 2));
        QVERIFY(check->isChecked()); // still empty: the factors stay in sight
        f->escribir(g::Zproceso, "0,98");
        QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(5, check->height() / 2));
        QVERIFY(!check->isChecked());
        QVERIFY(!control(f, g::Zproceso)->isVisible());
    }

    // -- Totals over the length carry their own units.

    void totals_show_their_units_data() {
        QTest::addColumn<QString>("idioma");
        QTest::addColumn<QString>("ayuda");
        QTest::newRow("en")
            << kIngles
            << "DP and DPbar now show the pressure drop over the whole length L, in "
               "Pa and in bar. They return to the values per metre as soon as an "
               "input changes";
        QTest::newRow("es")
            << kEspanol
            << "DP y DPbar muestran ahora la pérdida de carga en toda la longitud "
               "L, en Pa y en bar. Vuelven a los valores por metro en cuanto cambie "
               "un dato";
    }
    void totals_show_their_units() {
        QFETCH(QString, idioma);
        QFETCH(QString, ayuda);
        Idioma = idioma;
        auto *f = ventanas().mostrar<FormReynolds>();
        prueba::teclearEjemploTuberia(f);
        f->CalcularTuberia();
        auto *unidad = control<QLabel>(f, "unidadDP");
        auto *boton = control<QAbstractButton>(f, "Command13");
        QCOMPARE(unidad->text(), "( kPa/m )");
        QCOMPARE(boton->text(), "( bar/m )");
        QTest::mouseDClick(control(f, t::DPbar), Qt::LeftButton);
        // The values stay exactly as they were; only their captions follow them.
        QCOMPARE(f->texto(t::DP), "15935,292210672");
        QCOMPARE(f->texto(t::DPbar), "0,15935292210672");
        QCOMPARE(unidad->text(), "( Pa )");
        QCOMPARE(boton->text(), "( bar )");
        QCOMPARE(control<QLabel>(f, "MensajeAyuda")->text(), ayuda);
        // A second double click keeps the totals and their captions.
        QTest::mouseDClick(control(f, t::DPbar), Qt::LeftButton);
        QCOMPARE(unidad->text(), "( Pa )");
        // The values per metre come back, and their captions with them.
        f->escribir(t::L, "50");
        QCOMPARE(f->texto(t::DP), ",16");
        QCOMPARE(unidad->text(), "( kPa/m )");
        QCOMPARE(boton->text(), "( bar/m )");
        QVERIFY(mensajes.cajas.isEmpty());
    }

    void totals_captions_leave_with_a_clear_screen() {
        auto *f = ventanas().mostrar<FormReynolds>();
        prueba::teclearEjemploTuberia(f);
        QTest::mouseDClick(control(f, t::DPbar), Qt::LeftButton);
        QCOMPARE(control<QLabel>(f, "unidadDP")->text(), "( Pa )");
        f->Borrar();
        QCOMPARE(control<QLabel>(f, "unidadDP")->text(), "( kPa/m )");
        QCOMPARE(control<QAbstractButton>(f, "Command13")->text(), "( bar/m )");
    }

    void no_totals_no_new_captions() {
        auto *f = ventanas().mostrar<FormReynolds>();
        QTest::mouseDClick(control(f, t::DPbar), Qt::LeftButton);
        QCOMPARE(mensajes.cajas.size(), 1); // the missing-data warning
        QCOMPARE(control<QLabel>(f, "unidadDP")->text(), "( kPa/m )");
        QCOMPARE(control<QAbstractButton>(f, "Command13")->text(), "( bar/m )");
    }

    // -- A language switch refits the windows that switch at run time.

    void language_switch_refits_data() {
        QTest::addColumn<QString>("ventana");
        QTest::newRow("start screen") << "Form1";
        QTest::newRow("pipe flow") << "FormReynolds";
        QTest::newRow("gas") << "Form2";
    }
    void language_switch_refits() {
        QFETCH(QString, ventana);
        const auto abrir = [&]() -> QWidget * {
            if (ventana == "Form1")
                return ventanas().mostrar<Form1>();
            if (ventana == "Form2")
                return ventanas().mostrar<Form2>();
            return ventanas().mostrar<FormReynolds>();
        };
        // The size a fresh open gives in each language.
        QHash<QString, QSize> fresca;
        for (const QString &idioma : {kIngles, kEspanol}) {
            Idioma = idioma;
            QWidget *v = abrir();
            QCoreApplication::processEvents();
            fresca[idioma] = v->size();
            ventanas().cerrarTodas();
            prueba::borrarDiferidos();
        }
        Idioma = kIngles;
        QWidget *v = abrir();
        QCoreApplication::processEvents();
        v->move(40, 30);
        const QPoint donde = v->pos();
        for (const auto &[bandera, idioma] : QList<std::pair<QString, QString>>{
                 {"Spain", kEspanol}, {"Picture1", kIngles}, {"Spain", kEspanol}}) {
            QTest::mouseClick(control(v, bandera), Qt::LeftButton);
            QCOMPARE(Idioma, idioma);
            QCoreApplication::processEvents();
            QVERIFY2(etiquetasCortadas(v).isEmpty(),
                     qPrintable(idioma + ": " + etiquetasCortadas(v).join(", ")));
            QCOMPARE(v->size(), fresca[idioma]);
            QCOMPARE(v->pos(), donde);
        }
    }
};

VORLO_PRUEBA(TestVentanasClaras, Ventanas)
#include "tst_ventanas_claras.moc"
