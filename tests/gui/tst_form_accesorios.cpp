#include "app/globals.h"
#include "app/open_windows.h"
#include "fields/language.h"
#include "fields/numbers.h"
#include "fittings/form_accesorios.h"
#include "fittings/k_metodos.h"
#include "pipeflow/form_reynolds.h"
#include "report/report.h"
#include "report/report_formats.h"

#include "../support/gui_fixture.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "../support/runner.h"
#include <algorithm>

using namespace vorlo;
using namespace vorlo::prueba;

namespace {

const QString pequeno = QStringLiteral(
    "Ha introducido un diámetro muy pequeño, el diámetro debe de ser superior a 9 mm. No "
    "obstante podrá introducir los valores K manualmente.");

QLineEdit *unidades(QWidget *w, int fila) {
    return campo(w, accesorios::Naccesorios(fila));
}
QLineEdit *kDe(QWidget *w, int fila) {
    return campo(w, accesorios::k(fila));
}
FormReynolds *tuberiaCon(const QString &dint) {
    auto *r = ventanas().mostrar<FormReynolds>();
    teclear(campo(r, t::dint), dint);
    return r;
}

FormAccesorios *pulsarCommand3(FormReynolds *r) {
    pulsar(r, "Command3");
    return ventanas().existente<FormAccesorios>();
}

QComboBox *metodoK(QWidget *f) {
    return control<QComboBox>(f, "MetodoK");
}
// The fittings window at a diameter and a Reynolds number, under method item `m`.
FormAccesorios *accesoriosCon(const QString &d, const QString &re, int m) {
    abrirAccesorios(d);
    actualizarReynoldsAccesorios(re);
    auto *f = ventanas().existente<FormAccesorios>();
    metodoK(f)->setCurrentIndex(m);
    return f;
}
// Row `fila`'s K from the core, as the window shows it.
QString kNucleo(int m, const QString &d, const QString &re, int fila) {
    const auto k = kPorMetodo(MetodoK(m), leerNumero(d).value(), leerNumero(re)).k.at(fila);
    return k ? formatoFijo(*k, 4).value() : QString();
}
// The message, the total's value and each row's K and count with their enabled states.
QStringList estado(QWidget *f) {
    QStringList l{etiqueta(f, "Label14"),
                  formatoPlano(leerNumero(campo(f, "textbox_ktotal")->text()).value_or(0)).value()};
    for (int i = 0; i < 23; ++i)
        l << QStringLiteral("%1 %2 %3 %4")
                 .arg(kDe(f, i)->text(), unidades(f, i)->text())
                 .arg(kDe(f, i)->isEnabled())
                 .arg(unidades(f, i)->isEnabled());
    return l;
}

} // namespace

class TestFormAccesorios : public PruebaGui {
    Q_OBJECT
  public:
    TestFormAccesorios() : PruebaGui(kEspanol) {}

  private slots:
    void starts_empty_with_every_row_named_and_enabled() {
        auto *f = ventanas().mostrar<FormAccesorios>();
        QCOMPARE(f->windowTitle(), "Selección de Accesorios");
        QCOMPARE(campo(f, accesorios::Diametrillo)->text(), "");
        QVERIFY(campo(f, accesorios::Diametrillo)->isReadOnly());
        QVERIFY(campo(f, "textbox_ktotal")->isReadOnly());
        QVERIFY(control(f, "ktotal")->isHidden());
        QCOMPARE(etiqueta(f, "Label14"), "");
        for (int i = 0; i < 23; ++i) {
            QCOMPARE(unidades(f, i)->text(), "0");
            QCOMPARE(kDe(f, i)->text(), "");
            QVERIFY(unidades(f, i)->isEnabled() && kDe(f, i)->isEnabled());
            QVERIFY(f->findChild<QLabel *>(accesorios::TituloAccesorio(i)));
        }
        QVERIFY(!f->findChild<QWidget *>(accesorios::Naccesorios(23)));
    }

    void texts_follow_the_language_at_creation_data() {
        QTest::addColumn<QString>("idioma");
        QTest::addColumn<QStringList>("textos"); // "control=text"
        QTest::newRow("Spanish") << kEspanol
                                 << QStringList{"Label12=Diámetro",
                                                "Label1=ACCESORIOS ROSCADOS",
                                                "Label2=ACCESORIOS BRIDADOS",
                                                "Label3=ACCESORIOS DEFINIDOS POR USUARIO",
                                                "Label6=Uds",
                                                "Label5=K",
                                                "Label18=K total :",
                                                "TituloAccesorio(3)=Curva 180º",
                                                "TituloAccesorio(14)=Curva 180º radio largo",
                                                "TituloAccesorio(22)=Definido por usuario 2"};
        QTest::newRow("English") << kIngles
                                 << QStringList{"Label12=Diameter",
                                                "Label13=(mm)",
                                                "Label1=THREADED FITTINGS",
                                                "Label2=FLANGED FITTINGS",
                                                "Label3=USER DEFINED FITTINGS",
                                                "Label10=Uds",
                                                "Label9=K",
                                                "TituloAccesorio(3)=Return Bend",
                                                "TituloAccesorio(4)=Tee - Line",
                                                "TituloAccesorio(13)=Return bend Standard",
                                                "TituloAccesorio(15)=Tee-Line",
                                                "TituloAccesorio(16)=Tee-Branch",
                                                "TituloAccesorio(21)=User defined 1"};
    }
    void texts_follow_the_language_at_creation() {
        QFETCH(QString, idioma);
        QFETCH(QStringList, textos);
        Idioma = idioma;
        auto *f = ventanas().mostrar<FormAccesorios>();
        for (const QString &t : textos)
            QCOMPARE(etiqueta(f, t.section('=', 0, 0)), t.section('=', 1));
        QCOMPARE(f->windowTitle(), "Selección de Accesorios");
        const bool ingles = idioma == kIngles;
        QCOMPARE(boton(f, "Command1")->text(), ingles ? "OK" : "ACEPTAR");
        QVERIFY(etiqueta(f, "Label11").startsWith(ingles ? "NOTE: The values" : "NOTA: Los"));
        // A later change of language leaves the window as it is.
        Idioma = ingles ? kEspanol : kIngles;
        ventanas().mostrar<FormAccesorios>();
        QCOMPARE(boton(f, "Command1")->text(), ingles ? "OK" : "ACEPTAR");
    }

    void colours_and_fonts() {
        auto *f = ventanas().mostrar<FormAccesorios>();
        const QColor aviso = QApplication::palette().color(QPalette::ToolTipBase);
        QCOMPARE(f->palette().color(QPalette::Window), aviso);
        QVERIFY(f->autoFillBackground());
        QCOMPARE(campo(f, accesorios::Diametrillo)->palette().color(QPalette::Base), aviso);
        QCOMPARE(campo(f, "textbox_ktotal")->palette().color(QPalette::Base), aviso);
        QCOMPARE(unidades(f, 0)->palette().color(QPalette::Base),
                 QApplication::palette().color(QPalette::Base));
        QCOMPARE(control(f, "Label14")->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QCOMPARE(control(f, "Label11")->font().families().value(0), "Comic Sans MS");
        QCOMPARE(boton(f, "Command1")->font().families().value(0), "Comic Sans MS");
        QCOMPARE(control(f, "Label1")->font().families().value(0), "MS Sans Serif");
    }

    void counts_take_digits_and_backspace_only_data() {
        QTest::addColumn<QString>("teclas");
        QTest::addColumn<QString>("texto");
        QTest::newRow("digits") << "12"
                                << "012";
        QTest::newRow("letter") << "a"
                                << "0";
        QTest::newRow("point") << "."
                               << "0";
        QTest::newRow("comma") << ","
                               << "0";
        QTest::newRow("minus") << "-"
                               << "0";
        QTest::newRow("space") << " "
                               << "0";
        QTest::newRow("mixed") << "1.5x"
                               << "015";
    }
    void counts_take_digits_and_backspace_only() {
        QFETCH(QString, teclas);
        QFETCH(QString, texto);
        auto *f = ventanas().mostrar<FormAccesorios>();
        QTest::keyClicks(unidades(f, 3), teclas);
        QCOMPARE(unidades(f, 3)->text(), texto);
        // A decimal separator is refused visibly: counts are whole numbers.
        const bool separador = teclas.contains(',') || teclas.contains('.');
        QCOMPARE(etiqueta(f, "Label14").contains("números enteros"), separador);
        QTest::keyClick(unidades(f, 3), Qt::Key_Backspace);
        QCOMPARE(unidades(f, 3)->text(), texto.chopped(1));
    }

    // A pasted count the total cannot take: no total in either window, and the row named.
    void a_pasted_negative_count_gives_no_total() {
        auto *r = tuberiaCon("25");
        auto *f = pulsarCommand3(r);
        teclear(unidades(f, 9), "1");
        QCOMPARE(campo(r, t::ktotal)->text(), "3");
        unidades(f, 0)->setText("-2");
        QCOMPARE(campo(f, "textbox_ktotal")->text(), "");
        QCOMPARE(campo(r, t::ktotal)->text(), "");
        QCOMPARE(etiqueta(f, "Label14"), "Fila 1: unidades: no puede ser menor que cero");
        unidades(f, 0)->setText("2");
        QCOMPARE(etiqueta(f, "Label14"), "");
    }

    void k_fields_take_any_key() {
        auto *f = ventanas().mostrar<FormAccesorios>();
        QTest::keyClicks(kDe(f, 21), "1.5 ab");
        // A typed point is the decimal comma, as in every numeric field.
        QCOMPARE(kDe(f, 21)->text(), "1,5 ab");
    }

    void counts_and_k_give_the_total_in_both_windows() {
        auto *r = tuberiaCon("25");
        auto *f = pulsarCommand3(r);
        QVERIFY(f && f->isVisible());
        QCOMPARE(campo(f, accesorios::Diametrillo)->text(), "25");
        QCOMPARE(kDe(f, 0)->text(), "1,5");
        QCOMPARE(kDe(f, 9)->text(), "3");
        QCOMPARE(campo(r, t::ktotal)->text(), "0");
        teclear(unidades(f, 0), "2");
        QCOMPARE(campo(f, "textbox_ktotal")->text(), "3");
        teclear(unidades(f, 9), "1");
        QCOMPARE(campo(f, "textbox_ktotal")->text(), "6");
        QCOMPARE(etiqueta(f, "ktotal"), "6");
        QCOMPARE(campo(r, t::ktotal)->text(), "6");

        // An emptied count drops out; a typed K changes the total at once.
        teclear(unidades(f, 0), "");
        QCOMPARE(campo(r, t::ktotal)->text(), "3");
        teclear(kDe(f, 9), "2,5");
        QCOMPARE(campo(f, "textbox_ktotal")->text(), "2,5");
        // A user-defined row with a typed K.
        teclear(unidades(f, 21), "3");
        teclear(kDe(f, 21), "0,25");
        QCOMPARE(campo(f, "textbox_ktotal")->text(), "3,25");
        QCOMPARE(campo(r, t::ktotal)->text(), "3,25");
        // A typed point counts as the decimal comma.
        teclear(kDe(f, 21), "0.5");
        QCOMPARE(kDe(f, 21)->text(), "0,5");
        QCOMPARE(campo(f, "textbox_ktotal")->text(), "4");
        // A K that is not a number gives no total, and the message names its row.
        teclear(kDe(f, 21), "0,2x");
        QCOMPARE(campo(f, "textbox_ktotal")->text(), "");
        QVERIFY(etiqueta(f, "Label14").startsWith("Fila 22: K: "));
    }

    void hidden_pipe_ktotal_is_not_written() {
        auto *r = tuberiaCon("25");
        auto *f = pulsarCommand3(r);
        campo(r, t::ktotal)->hide();
        teclear(unidades(f, 0), "2");
        QCOMPARE(campo(f, "textbox_ktotal")->text(), "3");
        QCOMPARE(campo(r, t::ktotal)->text(), "0");
    }

    void total_without_a_pipe_window() {
        abrirAccesorios("25");
        auto *f = ventanas().existente<FormAccesorios>();
        teclear(unidades(f, 17), "2");
        QCOMPARE(campo(f, "textbox_ktotal")->text(), "26");
        QVERIFY(!ventanas().existente<FormReynolds>());
    }

    void no_diameter_no_window_data() {
        QTest::addColumn<QString>("idioma");
        QTest::addColumn<QString>("mensaje");
        QTest::newRow("Spanish") << kEspanol << "Seleccione primero el diámetro";
        QTest::newRow("English") << kIngles << "Enter diameter first";
    }
    void no_diameter_no_window() {
        QFETCH(QString, idioma);
        QFETCH(QString, mensaje);
        Idioma = idioma;
        auto *r = ventanas().mostrar<FormReynolds>();
        QVERIFY(!pulsarCommand3(r));
        QCOMPARE(mensajes.cajas.size(), 1);
        QCOMPARE(mensajes.cajas.at(0).texto, mensaje);
    }

    void fill_follows_the_pipe_diameter_data() {
        QTest::addColumn<QString>("dint");
        QTest::addColumn<int>("fila");
        QTest::addColumn<QString>("k");
        QTest::addColumn<QString>("mensaje");
        QTest::newRow("52,5 takes DN 50") << "52,5" << 18 << "0,34"
                                          << "";
        QTest::newRow("40 has no flanged gate") << "40" << 18 << ""
                                                << "";
        QTest::newRow("19 has no long elbow") << "19" << 1 << ""
                                              << "";
        QTest::newRow("20 has one") << "20" << 1 << "0,92"
                                    << "";
        QTest::newRow("400") << "400" << 20 << "2"
                             << "";
        QTest::newRow("8 too small") << "8" << 0 << "" << pequeno;
        QTest::newRow("400,5 too large") << "400,5" << 10 << ""
                                         << "El diametro debe ser igual o inferior a 400 mm";
    }
    void fill_follows_the_pipe_diameter() {
        QFETCH(QString, dint);
        QFETCH(int, fila);
        QFETCH(QString, k);
        QFETCH(QString, mensaje);
        auto *f = pulsarCommand3(tuberiaCon(dint));
        QCOMPARE(campo(f, accesorios::Diametrillo)->text(), dint);
        QCOMPARE(kDe(f, fila)->text(), k);
        QCOMPARE(etiqueta(f, "Label14"), mensaje);
        // A fill that changes no count or K text runs no total: a new window keeps its empty
        // total when no K could be filled.
        QCOMPARE(campo(f, "textbox_ktotal")->text(), mensaje.isEmpty() ? "0" : "");
    }

    void small_diameter_resets_counts_and_keeps_k() {
        auto *r = tuberiaCon("150");
        auto *f = pulsarCommand3(r);
        teclear(unidades(f, 10), "4");
        teclear(unidades(f, 22), "2");
        pulsar(f, "Command1");
        teclear(campo(r, t::dint), "8");
        QCOMPARE(pulsarCommand3(r), f);
        QCOMPARE(etiqueta(f, "Label14"), pequeno);
        QCOMPARE(unidades(f, 10)->text(), "0");
        QCOMPARE(unidades(f, 22)->text(), "0");
        QCOMPARE(kDe(f, 10)->text(), "0,29");
        QVERIFY(!kDe(f, 0)->isEnabled());
        // The K fields can still be typed into by hand.
        teclear(kDe(f, 10), "0,5");
        teclear(unidades(f, 10), "2");
        QCOMPARE(campo(f, "textbox_ktotal")->text(), "1");
        // A usable diameter clears the message.
        teclear(campo(r, t::dint), "100");
        pulsarCommand3(r);
        QCOMPARE(etiqueta(f, "Label14"), "");
        QVERIFY(kDe(f, 0)->isEnabled());
    }

    void diameter_that_is_not_a_number_only_resets_counts() {
        abrirAccesorios("25");
        auto *f = ventanas().existente<FormAccesorios>();
        teclear(unidades(f, 0), "2");
        abrirAccesorios("1,2,3");
        QCOMPARE(unidades(f, 0)->text(), "0");
        QCOMPARE(kDe(f, 0)->text(), "1,5");
        QCOMPARE(etiqueta(f, "Label14"), "");
        QCOMPARE(campo(f, "textbox_ktotal")->text(), "0");
    }

    void reopening_keeps_counts_only_for_the_same_diameter() {
        auto *r = tuberiaCon("40");
        auto *f = pulsarCommand3(r);
        teclear(unidades(f, 2), "3");
        teclear(kDe(f, 21), "7");
        pulsar(f, "Command1");
        QVERIFY(f->isHidden());

        QCOMPARE(pulsarCommand3(r), f);
        QVERIFY(f->isVisible());
        QCOMPARE(unidades(f, 2)->text(), "3");
        QCOMPARE(campo(f, "textbox_ktotal")->text(), "0,96");
        pulsar(f, "Command1");

        teclear(campo(r, t::dint), "150");
        QCOMPARE(campo(r, t::ktotal)->text(), "");
        QCOMPARE(pulsarCommand3(r), f);
        QCOMPARE(unidades(f, 2)->text(), "0");
        for (int i = 0; i < 10; ++i) {
            QCOMPARE(kDe(f, i)->text(), "");
            QVERIFY(!kDe(f, i)->isEnabled() && !unidades(f, i)->isEnabled());
        }
        QCOMPARE(kDe(f, 21)->text(), "7");
        QCOMPARE(campo(r, t::ktotal)->text(), "0");
    }

    void close_box_discards_the_window() {
        abrirAccesorios("25");
        QPointer<FormAccesorios> f = ventanas().existente<FormAccesorios>();
        teclear(unidades(f, 0), "2");
        f->close();
        borrarDiferidos();
        QVERIFY(f.isNull());
        QVERIFY(!ventanas().existente<FormAccesorios>());
        abrirAccesorios("25");
        auto *nueva = ventanas().existente<FormAccesorios>();
        QCOMPARE(unidades(nueva, 0)->text(), "0");
        QCOMPARE(kDe(nueva, 0)->text(), "1,5");
    }

    void worked_example_end_to_end() {
        auto *r = ventanas().mostrar<FormReynolds>();
        teclearEjemploTuberia(r);
        QCOMPARE(campo(r, t::Vproceso)->text(), "1,2732");

        auto *f = pulsarCommand3(r);
        QVERIFY(f);
        QCOMPARE(kDe(f, 9)->text(), "2");
        teclear(unidades(f, 9), "1");
        QCOMPARE(campo(f, "textbox_ktotal")->text(), "2");
        QCOMPARE(campo(r, t::ktotal)->text(), "2");
        tic(r); // the pipe window takes up the new K total at its next tick
        QTRY_COMPARE(r->texto(t::PerdidaAccesorios), ",0161780");
        QTRY_COMPARE(r->texto(t::PcargaTuberiaYaccesorios), ",6648810");
    }

    void method_gives_the_core_k_data() {
        QTest::addColumn<int>("metodo");
        QTest::addColumn<QString>("re");
        QTest::addColumn<int>("fila");
        QTest::addColumn<QString>("k"); // by hand from the published formulas
        // clang-format off
        QTest::newRow("Crane, no Re") << 1 << ""        << 0 << ",4886";
        QTest::newRow("Crane globe")  << 1 << "127.065" << 6 << "5,5372";
        QTest::newRow("2-K")          << 2 << "127.065" << 0 << ",5057";
        QTest::newRow("2-K at 2.000") << 2 << "2.000"   << 0 << ",8994";
        QTest::newRow("3-K globe")    << 3 << "127.065" << 6 << "5,7495";
        // clang-format on
    }
    void method_gives_the_core_k() {
        QFETCH(int, metodo);
        QFETCH(QString, re);
        QFETCH(int, fila);
        auto *f = accesoriosCon("102,26", re, metodo);
        QTEST(kDe(f, fila)->text(), "k");
        for (int i = 0; i < 21; ++i)
            QVERIFY(kDe(f, i)->text() == kNucleo(metodo, "102,26", re, i) &&
                    kDe(f, i)->isEnabled());
        QCOMPARE(kDe(f, 21)->text() + kDe(f, 22)->text(), ""); // user rows untouched
        QCOMPARE(etiqueta(f, "LabelMetodo"),
                 descripcionMetodoK(MetodoK(metodo), 102.26, leerNumero(re), Lengua::Espanol));
    }

    void changes_overwrite_typed_k_and_reset_counts_data() {
        QTest::addColumn<int>("metodo");
        QTest::addColumn<QString>("cambio"); // "re:TEXT", "d:TEXT" or "m:ITEM"
        QTest::addColumn<bool>("sobrescrita");
        QTest::addColumn<bool>("reiniciadas");
        // clang-format off
        QTest::newRow("2-K, new Re")          << 2 << "re:50.000" << true  << false;
        QTest::newRow("3-K, new Re")          << 3 << "re:50.000" << true  << false;
        QTest::newRow("2-K, Re same value")   << 2 << "re:127065" << false << false;
        QTest::newRow("Crane, new Re")        << 1 << "re:50.000" << false << false;
        QTest::newRow("2-K, same diameter")   << 2 << "d:100"     << false << false;
        QTest::newRow("Crane, new diameter")  << 1 << "d:150"     << true  << true;
        QTest::newRow("2-K to 3-K")           << 2 << "m:3"       << true  << false;
        QTest::newRow("Crane to table")       << 1 << "m:0"       << true  << false;
        // clang-format on
    }
    void changes_overwrite_typed_k_and_reset_counts() {
        QFETCH(QString, cambio);
        QFETCH(bool, reiniciadas);
        QFETCH(int, metodo);
        auto *f = accesoriosCon("100", "127.065", metodo);
        teclear(kDe(f, 4), "9,9");
        teclear(unidades(f, 4), "2");
        teclear(unidades(f, 22), "3");
        const QString valor = cambio.section(':', 1);
        if (cambio.startsWith("re:"))
            actualizarReynoldsAccesorios(valor);
        else if (cambio.startsWith("d:"))
            abrirAccesorios(valor);
        else
            metodoK(f)->setCurrentIndex(valor.toInt());
        QTEST(kDe(f, 4)->text() != "9,9", "sobrescrita");
        QCOMPARE(unidades(f, 4)->text() + unidades(f, 22)->text(), reiniciadas ? "00" : "23");
        const double total = reiniciadas ? 0 : 2 * leerNumero(kDe(f, 4)->text()).value_or(0);
        QCOMPARE(campo(f, "textbox_ktotal")->text(), formatoPlano(total).value());
    }

    void without_a_usable_reynolds_number_data() {
        QTest::addColumn<QString>("idioma");
        QTest::addColumn<int>("metodo");
        QTest::addColumn<QString>("re");
        QTest::addColumn<QString>("etiqueta");
        const QString es = "Este método necesita un número de Reynolds mayor que 0.";
        const QString en = "This method needs a Reynolds number above 0.";
        QTest::newRow("2-K, none") << kEspanol << 2 << "" << es;
        QTest::newRow("3-K, 0") << kIngles << 3 << "0" << en;
        QTest::newRow("2-K, K beyond a double") << kIngles << 2 << "1E-320"
                                                << "The method gives no finite K for these inputs.";
    }
    void without_a_usable_reynolds_number() {
        QFETCH(QString, idioma);
        QFETCH(int, metodo);
        QFETCH(QString, re);
        Idioma = idioma;
        auto *f = accesoriosCon("100", re, metodo);
        for (int i = 0; i < 21; ++i)
            QVERIFY(kDe(f, i)->text().isEmpty() && kDe(f, i)->isEnabled());
        QTEST(etiqueta(f, "LabelMetodo"), "etiqueta");
        QVERIFY(!muestraNoNumero(campo(f, "textbox_ktotal")->text()));
        metodoK(f)->setCurrentIndex(1); // Crane needs no Reynolds number
        QVERIFY(!kDe(f, 0)->text().isEmpty());
        // The window keeps the language it was made in, its label too.
        Idioma = idioma == kIngles ? kEspanol : kIngles;
        metodoK(f)->setCurrentIndex(metodo);
        QTEST(etiqueta(f, "LabelMetodo"), "etiqueta");
        QCOMPARE(metodoK(f)->itemText(0), idioma == kIngles ? "Table" : "Tabla");
    }

    void table_is_todays_window_data() {
        QTest::addColumn<QString>("d");
        QTest::newRow("gaps at 40") << "40";
        QTest::newRow("too small") << "8";
        QTest::newRow("too large") << "400,5";
    }
    void table_is_todays_window() {
        QFETCH(QString, d);
        abrirAccesorios(d);
        auto *f = ventanas().existente<FormAccesorios>();
        teclear(unidades(f, 21), "1");
        const QStringList hoy = estado(f);
        actualizarReynoldsAccesorios("5.000"); // every method then fills every row
        for (int m : {2, 3, 1, 0})
            metodoK(f)->setCurrentIndex(m);
        QCOMPARE(estado(f), hoy);
        QCOMPARE(etiqueta(f, "LabelMetodo"), "");
        const QStringList metodos = {"Tabla", "Crane (n·fT)", "2-K (Hooper)", "3-K (Darby)"};
        for (int m = 0; m < 4; ++m)
            QCOMPARE(metodoK(f)->itemText(m), metodos[m]);
    }

    void k_follows_the_pipe_window_into_its_report() {
        auto *r = ventanas().mostrar<FormReynolds>();
        QObject::connect(campo(r, "Re"), &QLineEdit::textChanged, r,
                         [](const QString &t) { actualizarReynoldsAccesorios(t); });
        teclearEjemploTuberia(r);
        auto *f = pulsarCommand3(r);
        metodoK(f)->setCurrentIndex(2);
        QVERIFY(etiqueta(f, "LabelMetodo").contains("Re = 127.065,")); // taken on opening
        teclear(unidades(f, 0), "2");
        teclear(campo(r, "Qproceso"), "72");
        QCOMPARE(kDe(f, 0)->text(), kNucleo(2, "100", r->texto("Re"), 0));
        QCOMPARE(unidades(f, 0)->text(), "2");
        QCOMPARE(campo(r, "ktotal")->text(), campo(f, "textbox_ktotal")->text());
        const QString csv =
            informe::csv(informe::informeTuberia(*r, kIngles, {}, accesoriosAbiertos()));
        QVERIFY(csv.contains(
            "MetodoK,K method,2-K (Hooper),,\r\nLabelMetodo,K calculation,\"K = K1/Re"));
        // The report names the fittings in its own language, whatever the window shows.
        QVERIFY(csv.contains("\r\nk(0),Elbow 90º (threaded) (K),\"" + kDe(f, 0)->text() + "\","));
        // A new pipe diameter empties the pipe's K total; a new Re does not put the old one back.
        teclear(campo(r, "dint"), "150");
        teclear(campo(r, "Qproceso"), "36");
        QCOMPARE(campo(r, "ktotal")->text(), "");
        // Closed and opened again, the window keeps the method; one window only.
        f->close();
        borrarDiferidos();
        QCOMPARE(metodoK(pulsarCommand3(r))->currentIndex(), 2);
        QCOMPARE(campo(r, "ktotal")->text(), "0");
        const QWidgetList v = QApplication::topLevelWidgets();
        QCOMPARE(std::count_if(v.begin(), v.end(),
                               [](QWidget *w) { return qobject_cast<FormAccesorios *>(w); }),
                 1);
    }
};

VORLO_PRUEBA(TestFormAccesorios, Ventanas)
#include "tst_form_accesorios.moc"
