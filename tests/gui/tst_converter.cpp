#include "app/globals.h"
#include "app/open_windows.h"
#include "fields/language.h"
#include "gas/form2.h"
#include "pipeflow/form_reynolds.h"
#include "units/conversorudsrapido.h"

#include "../support/gui_fixture.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "../support/runner.h"
#include <QTimer>

using namespace vorlo;
using namespace vorlo::prueba;

namespace {

const QString kC = u"\u00baC"_qs;

// A calling window of its own: two fields, each with a unit button.
struct Llamador {
    QWidget ventana;
    QLineEdit *campo = new QLineEdit(&ventana);
    QPushButton *boton = new QPushButton(QStringLiteral("(u)"), &ventana);
    QLineEdit *campo2 = new QLineEdit(&ventana);
    QPushButton *boton2 = new QPushButton(QStringLiteral("(u2)"), &ventana);

    Llamador(const QString &magnitud, ModoConversor modo, const QString &texto = {},
             const QString &magnitud2 = QStringLiteral("PRESION")) {
        auto *fila = new QHBoxLayout(&ventana);
        for (QWidget *w : {static_cast<QWidget *>(campo), static_cast<QWidget *>(boton),
                           static_cast<QWidget *>(campo2), static_cast<QWidget *>(boton2)})
            fila->addWidget(w);
        campo->setText(texto);
        conectarBotonUnidad(boton, campo, magnitud, modo);
        conectarBotonUnidad(boton2, campo2, magnitud2, ModoConversor::Edicion);
        ventana.show();
        ventana.activateWindow();
    }
};

conversorudsrapido *conversor(QWidget *duena) {
    return duena->findChild<conversorudsrapido *>();
}
QLineEdit *text1(QWidget *c) {
    return campo(c, QStringLiteral("Text1"));
}
QComboBox *combo1(QWidget *c) {
    return control<QComboBox>(c, QStringLiteral("Combo1"));
}
QLabel *numero(QWidget *c, int i) {
    return control<QLabel>(c, QStringLiteral("Label1(%1)").arg(i));
}
QLabel *unidad(QWidget *c, int i) {
    return control<QLabel>(c, QStringLiteral("Label2(%1)").arg(i));
}
QStringList numeros(QWidget *c) {
    QStringList l;
    for (int i = 0; i < conversorudsrapido::kFilas; ++i)
        if (numero(c, i)->isVisibleTo(c))
            l << numero(c, i)->text();
    return l;
}
QStringList unidades(QWidget *c) {
    QStringList l;
    for (int i = 0; i < conversorudsrapido::kFilas; ++i)
        if (unidad(c, i)->isVisibleTo(c))
            l << unidad(c, i)->text();
    return l;
}
// Chooses a unit of the list with the keyboard, from the first entry.
void elegir(QWidget *c, int indice) {
    QComboBox *lista = combo1(c);
    QTest::keyClick(lista, Qt::Key_Home);
    for (int i = 0; i < indice; ++i)
        QTest::keyClick(lista, Qt::Key_Down);
    QCOMPARE(lista->currentIndex(), indice);
}
void teclear(QWidget *c, const QString &t) {
    prueba::teclear(text1(c), t);
}

const QStringList kPresion{"bar",  "psi",   "kPa",  "MPa",  "kgf/cm2", "mmHg", "atm",
                           "mH2O", "ftH2O", "cmHg", "inHg", "inH2O",   "Pa",   "mmH2O"};

// A message box that, like the real one, runs an event loop until it is answered: events are
// delivered and the converter's timer goes on ticking under it.
class MensajesModales : public MensajesGrabados {
  public:
    void aviso(QWidget *p, const QString &texto, const std::optional<QString> &titulo,
               Icono icono) override {
        MensajesGrabados::aviso(p, texto, titulo, icono);
        QCoreApplication::processEvents();
        tic(p, 3);
    }
};

} // namespace

class TestConverter : public PruebaGui {
    Q_OBJECT
  public:
    TestConverter() : PruebaGui(kEspanol) {}

  private slots:
    void window_is_owned_non_modal_and_set_up() {
        Llamador ll(QStringLiteral("PRESION"), ModoConversor::Edicion);
        QTest::mouseClick(ll.boton, Qt::LeftButton);
        auto *c = conversor(&ll.ventana);
        QVERIFY(c);
        QVERIFY(c->isVisible() && c->isWindow());
        QCOMPARE(c->parentWidget(), &ll.ventana);
        QCOMPARE(c->windowModality(), Qt::NonModal);
        QVERIFY(c->testAttribute(Qt::WA_DeleteOnClose));
        QCOMPARE(c->windowTitle(), u"Conversión Unidades"_qs);
        QCOMPARE(MagnitudConversor, "PRESION");
        auto *timer = c->findChild<QTimer *>(QStringLiteral("Timer1"));
        QVERIFY(timer && timer->isActive());
        QCOMPARE(timer->interval(), 300);
        for (const char *n : {"Label3", "Command1", "Command2"})
            QCOMPARE(control(c, n)->font().family(), "Comic Sans MS");
        QCOMPARE(boton(c, "Command2")->text(), "CANCELAR");
        QCOMPARE(etiqueta(c, "Label3"), "Equivalencias");
        for (int i = 0; i < conversorudsrapido::kFilas; ++i)
            QVERIFY(c->findChild<QLabel *>(QStringLiteral("Label1(%1)").arg(i)) &&
                    c->findChild<QLabel *>(QStringLiteral("Label2(%1)").arg(i)));
        // The calling window stays usable.
        QTest::keyClicks(ll.campo2, "12");
        QCOMPARE(ll.campo2->text(), "12");
    }

    void english_heading_and_caption() {
        Idioma = kIngles;
        Llamador ll(QStringLiteral("PRESION"), ModoConversor::Edicion, "2");
        QTest::mouseClick(ll.boton, Qt::LeftButton);
        auto *c = conversor(&ll.ventana);
        QCOMPARE(etiqueta(c, "Label3"), "Equivalent to");
        QCOMPARE(boton(c, "Command2")->text(), "CANCELAR");
        QCOMPARE(boton(c, "Command1")->text(), "Accept the value of 2,00000 bar and CLOSE");
    }

    void rows_show_every_unit_data() {
        QTest::addColumn<QString>("magnitud");
        QTest::addColumn<int>("desde");
        QTest::addColumn<QString>("entrada");
        QTest::addColumn<QStringList>("nombres");
        QTest::addColumn<QStringList>("filas");
        QTest::newRow("PRESION bar")
            << "PRESION" << 0 << "1" << kPresion
            << QStringList{"1,00000",  "14,50377", "100,0000",   "0,100000",  "1,01972",
                           "750,0643", "0,986923", "10,19744",   "33,45714",  "75,00638",
                           "29,53007", "401,4742", "1,00000e+5", "1,01975e+4"};
        QTest::newRow("CAUDAL m3/h")
            << "CAUDAL" << 0 << "36" << QStringList{"m3/h", "l/s", "l/min", "ft3/min", "ft3/h"}
            << QStringList{"36,00000", "10,00000", "600,0000", "21,18880", "1271,328"};
        QTest::newRow("DENSIDAD lb/ft3")
            << "DENSIDAD" << 2 << "62,4" << QStringList{"kg/m3", "g/ml", "lb/ft3", "lb/in3"}
            << QStringList{"999,5521", "0,999552", "62,40000", "3,61110e-2"};
        QTest::newRow("CAUDAL_MASICO lb/h")
            << "CAUDAL_MASICO" << 1 << "1000" << QStringList{"kg/h", "lb/h", "kg/s", "ton/h"}
            << QStringList{"453,6000", "1000,000", "0,126000", "0,453600"};
        QTest::newRow("VISCOSIDAD")
            << "VISCOSIDAD" << 0 << "0,001"
            << QStringList{u"Pa\u00b7s"_qs, "cp", "poise", u"kg\u00b7s/m2"_qs}
            << QStringList{"1,00000e-3", "1,00000", "1,00000e-2", "1,01937e-4"};
        QTest::newRow("VISCOSIDADCINEMATICA cSt")
            << "VISCOSIDADCINEMATICA" << 2 << "1,5"
            << QStringList{"m2/s", "stokes St", "cSt", "cm2/s", "ft2/s"}
            << QStringList{"1,50000e-6", "1,50000e-2", "1,50000", "1,50000e-2", "1,61459e-5"};
        QTest::newRow("TEMPERATURA F")
            << "TEMPERATURA" << 2 << "100"
            << QStringList{kC, u"\u00baK"_qs, u"\u00baF"_qs, u"\u00baR"_qs}
            << QStringList{"37,77778", "310,9278", "100,0000", "559,6700"};
        QTest::newRow("TEMPERATURA 0 C")
            << "TEMPERATURA" << 0 << "0"
            << QStringList{kC, u"\u00baK"_qs, u"\u00baF"_qs, u"\u00baR"_qs}
            << QStringList{"0,00000e+0", "273,1500", "32,00000", "491,6700"};
    }
    void rows_show_every_unit() {
        QFETCH(QString, magnitud);
        QFETCH(int, desde);
        QFETCH(QString, entrada);
        QFETCH(QStringList, nombres);
        QFETCH(QStringList, filas);
        Llamador ll(magnitud, ModoConversor::Edicion);
        QTest::mouseClick(ll.boton, Qt::LeftButton);
        auto *c = conversor(&ll.ventana);
        QCOMPARE(unidades(c), nombres);
        QStringList lista;
        for (int i = 0; i < combo1(c)->count(); ++i)
            lista << combo1(c)->itemText(i);
        QCOMPARE(lista, nombres);
        elegir(c, desde);
        teclear(c, entrada);
        QCOMPARE(numeros(c), filas);
    }

    void view_mode_from_the_pressure_drop() {
        auto *f = ventanas().mostrar<FormReynolds>();
        f->escribir(t::DPbar, "0,0123456");
        pulsar(f, "Command13");
        auto *c = conversor(f);
        QVERIFY(c);
        QCOMPARE(MagnitudConversor, "PRESION");
        QCOMPARE(text1(c)->text(), "0,0123456");
        QCOMPARE(unidades(c), kPresion);
        const QStringList filas{"1,23456e-2", "0,179058",   "1,23456",  "1,23456e-3", "1,25890e-2",
                                "9,25999",    "1,21842e-2", "0,125894", "0,413048",   "0,925999",
                                "0,364566",   "4,95644",    "1234,560", "125,8946"};
        QCOMPARE(numeros(c), filas);
        QVERIFY(!text1(c)->isEnabled());
        QVERIFY(!combo1(c)->isEnabled());
        QVERIFY(boton(c, "Command1")->isHidden());
        tic(c);
        QVERIFY(boton(c, "Command1")->isHidden());
        QCOMPARE(numeros(c), filas);
        // Only cancelling ends it, and nothing comes back.
        QPointer<conversorudsrapido> p(c);
        QTest::mouseClick(boton(c, "Command2"), Qt::LeftButton);
        QTRY_VERIFY(!p);
        QCOMPARE(f->texto(t::DPbar), "0,0123456");
        QCOMPARE(ValorConvertido, 0.0);
    }

    void edit_opening_after_view_opening_enables_the_input() {
        auto *f = ventanas().mostrar<FormReynolds>();
        f->escribir(t::DPbar, "0,5");
        f->escribir(t::vdinamica, "0,001");
        pulsar(f, "Command13");
        QPointer<conversorudsrapido> c(conversor(f));
        QVERIFY(!text1(c)->isEnabled());
        pulsar(f, "Command12");
        QCOMPARE(conversor(f), c.data());
        QVERIFY(text1(c)->isEnabled() && combo1(c)->isEnabled());
        QCOMPARE(combo1(c)->currentText(), u"Pa\u00b7s"_qs);
        QCOMPARE(unidades(c).size(), 4);
        QCOMPARE(numero(c, 1)->text(), "1,00000"); // cp
        QVERIFY(boton(c, "Command1")->isVisible());
        QVERIFY(numero(c, 4)->isHidden());
    }

    void edit_mode_from_an_empty_field() {
        Llamador ll(QStringLiteral("PRESION"), ModoConversor::Edicion);
        QTest::mouseClick(ll.boton, Qt::LeftButton);
        auto *c = conversor(&ll.ventana);
        QCOMPARE(combo1(c)->currentText(), "bar");
        QCOMPARE(unidades(c), kPresion);
        QCOMPARE(numeros(c), QStringList(14, QString()));
        QVERIFY(boton(c, "Command1")->isHidden());
        QVERIFY(text1(c)->isEnabled() && combo1(c)->isEnabled());
        elegir(c, 1);
        QTest::keyClicks(text1(c), "2");
        QCOMPARE(numero(c, 0)->text(), "0,137895");
        QCOMPARE(numero(c, 1)->text(), "2,00000");
        QVERIFY(boton(c, "Command1")->isVisible());
        QCOMPARE(boton(c, "Command1")->text(), "ACEPTAR el valor de 0,137895 bar y CERRAR");
    }

    void key_filter_on_the_input() {
        Llamador ll(QStringLiteral("PRESION"), ModoConversor::Edicion);
        QTest::mouseClick(ll.boton, Qt::LeftButton);
        auto *c = conversor(&ll.ventana);
        QTest::keyClicks(text1(c), "1.5a x");
        QTest::keyClick(text1(c), Qt::Key_Return);
        QCOMPARE(text1(c)->text(), "1,5");
        QCOMPARE(numero(c, 0)->text(), "1,50000");
    }

    void accept_writes_back_through_the_focus() {
        auto *f = ventanas().mostrar<FormReynolds>();
        QVERIFY(QTest::qWaitForWindowActive(f));
        f->escribir(t::Qproceso, "36");
        f->escribir(t::dint, "100");
        f->escribir(t::vdinamica, "0,001");
        QCOMPARE(f->texto(t::Re), QString());
        auto *b = boton(f, "Command11");
        QTest::mouseClick(b, Qt::LeftButton);
        auto *c = conversor(f);
        QCOMPARE(MagnitudConversor, "DENSIDAD");
        elegir(c, 2);
        QTest::keyClicks(text1(c), "62,4");
        QPointer<conversorudsrapido> p(c);
        QTest::mouseClick(boton(c, "Command1"), Qt::LeftButton);
        QTRY_VERIFY(!p);
        QTRY_COMPARE(f->texto(t::dproceso), "999,5521");
        // The write is a change of the field: the window recalculated with it.
        QVERIFY(!f->texto(t::Re).isEmpty());
        QCOMPARE(ValorConvertido, 0.0);
        QVERIFY(!ValorConvertidoEsperando);
        // Taken once: a later focus writes nothing.
        f->escribir(t::dproceso, "5");
        campo(f, t::Qproceso)->setFocus();
        b->setFocus();
        QCOMPARE(f->texto(t::dproceso), "5");
    }

    void gas_window_buttons_hand_values_back() {
        Idioma = kEspanol;
        auto *gas = ventanas().mostrar<Form2>();
        QVERIFY(QTest::qWaitForWindowActive(gas));
        auto *pref = campo(gas, g::Pref);
        pref->clear();
        auto *b = boton(gas, "Command7");
        QCOMPARE(b->text(), "(Bar a)");
        QTest::mouseClick(b, Qt::LeftButton);
        auto *c = conversor(gas);
        QVERIFY(c);
        QCOMPARE(MagnitudConversor, "PRESION");
        QCOMPARE(combo1(c)->currentText(), "bar");
        QCOMPARE(unidades(c), kPresion);
        elegir(c, 1);
        QTest::keyClicks(text1(c), "2");
        QCOMPARE(boton(c, "Command1")->text(), "ACEPTAR el valor de 0,137895 bar y CERRAR");
        QPointer<conversorudsrapido> p(c);
        QTest::mouseClick(boton(c, "Command1"), Qt::LeftButton);
        QTRY_VERIFY(!p);
        QTRY_COMPARE(pref->text(), "0,137895");

        // A temperature button hands back an accepted 0 ºC.
        auto *tref = campo(gas, g::tref);
        tref->setText("15");
        auto *bt = boton(gas, "Command8");
        QTest::mouseClick(bt, Qt::LeftButton);
        c = conversor(gas);
        QCOMPARE(MagnitudConversor, "TEMPERATURA");
        elegir(c, 1); // ºK
        teclear(c, "273.15");
        QCOMPARE(numero(c, 0)->text(), "0,00000e+0");
        p = c;
        QTest::mouseClick(boton(c, "Command1"), Qt::LeftButton);
        QTRY_VERIFY(!p);
        QTRY_COMPARE(tref->text(), "0,00000e+0");
    }

    void cancel_leaves_the_field() {
        auto *f = ventanas().mostrar<FormReynolds>();
        QVERIFY(QTest::qWaitForWindowActive(f));
        f->escribir(t::dproceso, "1000");
        auto *b = boton(f, "Command11");
        QTest::mouseClick(b, Qt::LeftButton);
        auto *c = conversor(f);
        QCOMPARE(text1(c)->text(), "1000");
        teclear(c, "7");
        QPointer<conversorudsrapido> p(c);
        QTest::mouseClick(boton(c, "Command2"), Qt::LeftButton);
        QTRY_VERIFY(!p);
        QCOMPARE(ValorConvertido, 0.0);
        f->activateWindow();
        campo(f, t::Qproceso)->setFocus();
        b->setFocus();
        QCOMPARE(f->texto(t::dproceso), "1000");
    }

    void accepted_zero_only_for_temperatures_data() {
        QTest::addColumn<QString>("magnitud");
        QTest::addColumn<int>("modo");
        QTest::addColumn<int>("desde");
        QTest::addColumn<QString>("entrada");
        QTest::addColumn<QString>("campo");
        QTest::newRow("0 C from 32 F")
            << "TEMPERATURA" << int(ModoConversor::EdicionTemperatura) << 2 << "32"
            << "0,00000e+0";
        QTest::newRow("0 C typed")
            << "TEMPERATURA" << int(ModoConversor::EdicionTemperatura) << 0 << "0"
            << "0,00000e+0";
        QTest::newRow("-3 C") << "TEMPERATURA" << int(ModoConversor::EdicionTemperatura) << 0
                              << "-3"
                              << "-3,00000e+0";
        QTest::newRow("0 bar kept out") << "PRESION" << int(ModoConversor::Edicion) << 0 << "0"
                                        << "25";
        QTest::newRow("2 psi") << "PRESION" << int(ModoConversor::Edicion) << 1 << "2"
                               << "0,137895";
    }
    void accepted_zero_only_for_temperatures() {
        QFETCH(QString, magnitud);
        QFETCH(int, modo);
        QFETCH(int, desde);
        QFETCH(QString, entrada);
        QFETCH(QString, campo);
        Llamador ll(magnitud, ModoConversor(modo), "25");
        QVERIFY(QTest::qWaitForWindowActive(&ll.ventana));
        QTest::mouseClick(ll.boton, Qt::LeftButton);
        auto *c = conversor(&ll.ventana);
        QCOMPARE(text1(c)->text(), "25");
        elegir(c, desde);
        teclear(c, entrada);
        QTest::mouseClick(boton(c, "Command1"), Qt::LeftButton);
        QTRY_COMPARE(ll.campo->text(), campo);
        QVERIFY(ll.boton->hasFocus());
        QCOMPARE(ValorConvertido, 0.0);
        QVERIFY(!ValorConvertidoEsperando);
    }

    void cancelled_temperature_writes_nothing() {
        Llamador ll(QStringLiteral("TEMPERATURA"), ModoConversor::EdicionTemperatura, "25");
        QTest::mouseClick(ll.boton, Qt::LeftButton);
        auto *c = conversor(&ll.ventana);
        teclear(c, "0");
        QTest::mouseClick(boton(c, "Command2"), Qt::LeftButton);
        ll.campo->setFocus();
        ll.boton->setFocus();
        QCOMPARE(ll.campo->text(), "25");
    }

    void hand_back_is_bound_to_the_opening_button() {
        Llamador ll(QStringLiteral("PRESION"), ModoConversor::Edicion, "1");
        QVERIFY(QTest::qWaitForWindowActive(&ll.ventana));
        ll.campo2->setText("9");
        QTest::mouseClick(ll.boton, Qt::LeftButton);
        auto *c = conversor(&ll.ventana);
        teclear(c, "2");
        // The opening button cannot take the focus back now: the number waits for it.
        ll.boton->hide();
        QTest::mouseClick(boton(c, "Command1"), Qt::LeftButton);
        QVERIFY(ValorConvertidoEsperando);
        ll.boton2->setFocus();
        QVERIFY(ll.boton2->hasFocus());
        QCOMPARE(ll.campo2->text(), "9");
        QCOMPARE(ll.campo->text(), "1");
        ll.boton->show();
        ll.boton->setFocus();
        QCOMPARE(ll.campo->text(), "2,00000");
        QCOMPARE(ll.campo2->text(), "9");
    }

    void second_opening_rebuilds_for_the_new_kind() {
        Llamador ll(QStringLiteral("TEMPERATURA"), ModoConversor::EdicionTemperatura, "25");
        ll.campo2->setText("3");
        QTest::mouseClick(ll.boton2, Qt::LeftButton);
        auto *c = conversor(&ll.ventana);
        elegir(c, 1);
        teclear(c, "5");
        QTest::mouseClick(ll.boton, Qt::LeftButton);
        QCOMPARE(ll.ventana.findChildren<conversorudsrapido *>().size(), 1);
        c = conversor(&ll.ventana);
        QCOMPARE(MagnitudConversor, "TEMPERATURA");
        QCOMPARE(combo1(c)->count(), 4);
        QCOMPARE(combo1(c)->currentText(), kC);
        QCOMPARE(text1(c)->text(), "25");
        QCOMPARE(numeros(c), (QStringList{"25,00000", "298,1500", "77,00000", "536,6700"}));
        QCOMPARE(unidades(c).size(), 4);
        QCOMPARE(ValorConvertido, 0.0);
    }

    void second_opening_from_another_window_moves_the_converter() {
        Llamador uno(QStringLiteral("PRESION"), ModoConversor::Edicion, "1");
        Llamador dos(QStringLiteral("DENSIDAD"), ModoConversor::Edicion, "2");
        QTest::mouseClick(uno.boton, Qt::LeftButton);
        QPointer<conversorudsrapido> primero(conversor(&uno.ventana));
        QVERIFY(primero);
        QTest::mouseClick(dos.boton, Qt::LeftButton);
        QVERIFY(!primero);
        auto *c = conversor(&dos.ventana);
        QVERIFY(c && c->isVisible());
        QCOMPARE(combo1(c)->currentText(), "kg/m3");
        QCOMPARE(text1(c)->text(), "2");
    }

    void below_absolute_zero_is_reset_once_data() {
        QTest::addColumn<int>("desde");
        QTest::addColumn<QString>("entrada");
        QTest::addColumn<QString>("cero");
        QTest::newRow("C") << 0 << "-300"
                           << "-273,15";
        QTest::newRow("K") << 1 << "-5"
                           << "0";
        QTest::newRow("F") << 2 << "-500"
                           << "-459,67";
        QTest::newRow("R") << 3 << "-1"
                           << "0";
    }
    void below_absolute_zero_is_reset_once() {
        QFETCH(int, desde);
        QFETCH(QString, entrada);
        QFETCH(QString, cero);
        Llamador ll(QStringLiteral("TEMPERATURA"), ModoConversor::EdicionTemperatura);
        QTest::mouseClick(ll.boton, Qt::LeftButton);
        auto *c = conversor(&ll.ventana);
        elegir(c, desde);
        QTest::keyClicks(text1(c), entrada);
        QCOMPARE(mensajes.cajas.size(), 1);
        QCOMPARE(mensajes.cajas[0].texto,
                 "Temperatura por debajo del cero absoluto. Por favo corrija");
        QCOMPARE(mensajes.cajas[0].titulo, "Vorlo");
        QCOMPARE(text1(c)->text(), cero);
        QCOMPARE(numeros(c),
                 (QStringList{"-2,73150e+2", "0,00000e+0", "-4,59670e+2", "0,00000e+0"}));
        tic(c);
        QCOMPARE(mensajes.cajas.size(), 1);
    }

    void the_message_is_not_repeated_while_it_is_open() {
        MensajesModales modal;
        fijarMensajes(&modal);
        Llamador ll(QStringLiteral("TEMPERATURA"), ModoConversor::EdicionTemperatura);
        QTest::mouseClick(ll.boton, Qt::LeftButton);
        auto *c = conversor(&ll.ventana);
        QTest::keyClicks(text1(c), "-300");
        QCOMPARE(modal.cajas.size(), 1);
        QCOMPARE(text1(c)->text(), "-273,15");
    }

    void a_lone_minus_keeps_the_rows() {
        Llamador ll(QStringLiteral("PRESION"), ModoConversor::Edicion);
        QTest::mouseClick(ll.boton, Qt::LeftButton);
        auto *c = conversor(&ll.ventana);
        QTest::keyClicks(text1(c), "-");
        tic(c);
        QCOMPARE(numeros(c), QStringList(14, QString()));
        QVERIFY(boton(c, "Command1")->isHidden());
        teclear(c, "5");
        const QStringList filas = numeros(c);
        QCOMPARE(filas.mid(0, 3), (QStringList{"5,00000", "72,51885", "500,0000"}));
        teclear(c, "-");
        tic(c);
        QCOMPARE(numeros(c), filas);
    }

    void a_text_that_is_no_number_shows_nothing() {
        Llamador ll(QStringLiteral("PRESION"), ModoConversor::Edicion);
        QTest::mouseClick(ll.boton, Qt::LeftButton);
        auto *c = conversor(&ll.ventana);
        QTest::keyClicks(text1(c), ",");
        tic(c);
        QCOMPARE(numeros(c), QStringList(14, QString()));
        QVERIFY(boton(c, "Command1")->isHidden());
        teclear(c, "1,2");
        const QStringList filas = numeros(c);
        QCOMPARE(filas.first(), "1,20000");
        QTest::keyClicks(text1(c), ",3-");
        QCOMPARE(text1(c)->text(), "1,2,3-");
        tic(c);
        QCOMPARE(numeros(c), filas);
    }

    void list_change_takes_effect_at_the_next_tick() {
        Llamador ll(QStringLiteral("PRESION"), ModoConversor::Edicion, "2");
        QTest::mouseClick(ll.boton, Qt::LeftButton);
        auto *c = conversor(&ll.ventana);
        QCOMPARE(numero(c, 0)->text(), "2,00000");
        // Nothing changes: the timer goes to sleep, and a new unit wakes it.
        auto *timer = control<QTimer>(c, "Timer1");
        QCOMPARE(timer->interval(), 300);
        tic(c);
        QTRY_VERIFY(!timer->isActive());
        QTest::keyClick(combo1(c), Qt::Key_Down);
        QCOMPARE(combo1(c)->currentText(), "psi");
        QVERIFY(timer->isActive());
        tic(c);
        QTRY_COMPARE(numero(c, 0)->text(), "0,137895");
        QCOMPARE(numero(c, 1)->text(), "2,00000");
        QCOMPARE(boton(c, "Command1")->text(), "ACEPTAR el valor de 0,137895 bar y CERRAR");
    }

    void out_of_range_rows_are_empty_and_never_handed_back() {
        Llamador ll(QStringLiteral("PRESION"), ModoConversor::Edicion, "7");
        QVERIFY(QTest::qWaitForWindowActive(&ll.ventana));
        QTest::mouseClick(ll.boton, Qt::LeftButton);
        auto *c = conversor(&ll.ventana);
        const QString enorme = "17" + QString(307, u'0'); // 1,7e308
        teclear(c, enorme);
        QCOMPARE(numero(c, 0)->text(), "1,70000e+308");
        QCOMPARE(numero(c, 1)->text(), QString());  // psi
        QCOMPARE(numero(c, 12)->text(), QString()); // Pa
        // In MPa the base row itself leaves the range: nothing to accept.
        elegir(c, 3);
        tic(c);
        QTRY_COMPARE(numero(c, 0)->text(), QString());
        QCOMPARE(numeros(c), QStringList(14, QString()));
        QVERIFY(!boton(c, "Command1")->isEnabled());
        QPointer<conversorudsrapido> p(c);
        QTest::mouseClick(boton(c, "Command1"), Qt::LeftButton);
        c->Command1_Click();
        QVERIFY(p && p->isVisible());
        QCOMPARE(ValorConvertido, 0.0);
        QVERIFY(!ValorConvertidoEsperando);
        QTest::mouseClick(boton(c, "Command2"), Qt::LeftButton);
        ll.boton->setFocus();
        QCOMPARE(ll.campo->text(), "7");
    }

    void closing_the_window_otherwise_returns_nothing() {
        Llamador ll(QStringLiteral("PRESION"), ModoConversor::Edicion, "7");
        QTest::mouseClick(ll.boton, Qt::LeftButton);
        auto *c = conversor(&ll.ventana);
        teclear(c, "3");
        QPointer<conversorudsrapido> p(c);
        c->close();
        QTRY_VERIFY(!p);
        ll.campo->setFocus();
        ll.boton->setFocus();
        QCOMPARE(ll.campo->text(), "7");
    }
};

VORLO_PRUEBA(TestConverter, Ventanas)
#include "tst_converter.moc"
