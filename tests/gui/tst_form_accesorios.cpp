#include "app/globals.h"
#include "app/open_windows.h"
#include "fields/language.h"
#include "fittings/form_accesorios.h"
#include "pipeflow/form_reynolds.h"

#include "../support/gui_fixture.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

using namespace vorlo;
using namespace vorlo::prueba;

namespace {

const QString pequeno = QStringLiteral(
    "Ha introducido un diámetro muy pequeño, el diámetro debe de ser superior a 9mm. No "
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
        QTest::keyClick(unidades(f, 3), Qt::Key_Backspace);
        QCOMPARE(unidades(f, 3)->text(), texto.chopped(1));
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
        // A K that is not a number adds nothing.
        teclear(kDe(f, 21), "0,2x");
        QCOMPARE(campo(f, "textbox_ktotal")->text(), "2,5");
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
                                         << "El diametro debe ser igual o inferior a 400mm";
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
};

QTEST_MAIN(TestFormAccesorios)
#include "tst_form_accesorios.moc"
