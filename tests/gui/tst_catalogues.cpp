#include "app/globals.h"
#include "app/open_windows.h"
#include "catalogues/form3.h"
#include "catalogues/form4.h"
#include "catalogues/viscosidad.h"
#include "fields/language.h"
#include "gas/form2.h"
#include "pipeflow/form_reynolds.h"

#include "../support/gui_fixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "../support/runner.h"
#include <QToolButton>

using namespace vorlo;
using namespace vorlo::prueba;

namespace {

QListWidget *lista(QWidget *w) {
    return control<QListWidget>(w, QStringLiteral("List1"));
}

} // namespace

class TestCatalogueWindows : public PruebaGui {
    Q_OBJECT
  public:
    TestCatalogueWindows() : PruebaGui(kEspanol) {}

  private:
    FormReynolds *tuberia() { return ventanas().mostrar<FormReynolds>(); }
    void pulsar(const QString &nombre) { prueba::pulsar(tuberia(), nombre); }
    void elegir(const QString &nombre) { prueba::pulsar(tuberia(), nombre); } // an option
    bool opcion(const QString &nombre) {
        return control<QRadioButton>(tuberia(), nombre)->isChecked();
    }

  private slots:
    // --- Form3: pipe materials ---

    void material_double_click_writes_roughness_and_hides_data() {
        QTest::addColumn<int>("fila");
        QTest::addColumn<QString>("rugosidad");
        QTest::newRow("Acero") << 0 << "0,046";
        QTest::newRow("Cobre") << 3 << "0,0015";
        QTest::newRow("Vidrio") << 8 << "0,0001";
    }
    void material_double_click_writes_roughness_and_hides() {
        QFETCH(int, fila);
        QFETCH(QString, rugosidad);
        pulsar("Command6");
        auto *f = ventanas().existente<Form3>();
        QVERIFY(f && f->isVisible());
        dobleClicFila(f, fila);
        QCOMPARE(tuberia()->texto(t::Rugosidad), rugosidad);
        QVERIFY(!f->isVisible());
        borrarDiferidos();
        QCOMPARE(ventanas().existente<Form3>(), f); // hidden, not discarded
    }

    void material_click_shows_roughness_only() {
        tuberia()->escribir(t::Rugosidad, "0,05");
        pulsar("Command6");
        auto *f = ventanas().existente<Form3>();
        QCOMPARE(lista(f)->item(5)->text(), "Hormigón");
        clicFila(f, 5);
        QCOMPARE(etiqueta(f, "Label2"), "0,4");
        QCOMPARE(tuberia()->texto(t::Rugosidad), "0,05");
        QVERIFY(f->isVisible());
    }

    void material_ok_writes_the_selected_material() {
        pulsar("Command6");
        auto *f = ventanas().existente<Form3>();
        clicFila(f, 2);
        QTest::mouseClick(boton(f, "Command1"), Qt::LeftButton);
        QCOMPARE(tuberia()->texto(t::Rugosidad), "0,045");
        QVERIFY(!f->isVisible());
    }

    void material_ok_with_nothing_selected_only_hides() {
        tuberia()->escribir(t::Rugosidad, "0,05");
        pulsar("Command6");
        auto *f = ventanas().existente<Form3>();
        QCOMPARE(etiqueta(f, "Label2"), "");
        QTest::mouseClick(boton(f, "Command1"), Qt::LeftButton);
        QVERIFY(!f->isVisible());
        QCOMPARE(tuberia()->texto(t::Rugosidad), "0,05");
    }

    void material_second_opening_shows_the_nine_once() {
        pulsar("Command6");
        auto *f = ventanas().existente<Form3>();
        dobleClicFila(f, 3);
        QVERIFY(!f->isVisible());
        pulsar("Command6");
        QCOMPARE(ventanas().existente<Form3>(), f);
        QVERIFY(f->isVisible());
        QCOMPARE(lista(f)->count(), 9);
        QCOMPARE(lista(f)->selectedItems().value(0), lista(f)->item(3));
        QCOMPARE(etiqueta(f, "Label2"), "0,0015");
    }

    void material_list_keeps_the_language_of_its_first_opening() {
        pulsar("Command6");
        auto *f = ventanas().existente<Form3>();
        QTest::mouseClick(boton(f, "Command1"), Qt::LeftButton);
        Idioma = kIngles;
        pulsar("Command6");
        QCOMPARE(lista(f)->item(0)->text(), "Acero");
        QCOMPARE(f->windowTitle(), "Selección de Material");
    }

    void material_close_box_discards() {
        pulsar("Command6");
        auto *f = ventanas().existente<Form3>();
        clicFila(f, 1);
        f->close();
        borrarDiferidos();
        QVERIFY(!ventanas().existente<Form3>());
        pulsar("Command6");
        auto *nueva = ventanas().existente<Form3>();
        QVERIFY(nueva);
        QCOMPARE(lista(nueva)->count(), 9);
        QCOMPARE(etiqueta(nueva, "Label2"), "");
    }

    void material_texts_by_language_data() {
        QTest::addColumn<QString>("idioma");
        QTest::addColumn<QString>("titulo");
        QTest::addColumn<QStringList>("materiales");
        QTest::newRow("es") << kEspanol << "Selección de Material"
                            << QStringList{
                                   "Acero",     "Acero Galvanizado", "Acero Inoxidable", "Cobre",
                                   "Fundición", "Hormigón",          "Polietileno",      "PVC",
                                   "Vidrio"};
        QTest::newRow("en") << kIngles << "Material Selection"
                            << QStringList{"Steel", "Galvanized Steel", "Stainless Steel", "Copper",
                                           "Cast",  "Concrete",         "Polyethylene",    "PVC",
                                           "Glass"};
    }
    void material_texts_by_language() {
        QFETCH(QString, idioma);
        QFETCH(QString, titulo);
        QFETCH(QStringList, materiales);
        Idioma = idioma;
        pulsar("Command6");
        auto *f = ventanas().existente<Form3>();
        QCOMPARE(f->windowTitle(), titulo);
        QCOMPARE(textos(lista(f)), materiales);
        QCOMPARE(lista(f)->toolTip(), "Haga doble click para seleccionar");
        QCOMPARE(etiqueta(f, "Label1"), "Rugosidad");
        QCOMPARE(etiqueta(f, "Label3"), "(mm)");
        QCOMPARE(boton(f, "Command1")->text(), "OK");
        QVERIFY(TablaRugosidad[3] == 0.0015);
        QVERIFY(TablaRugosidad[8] == 0.0001);
    }

    // --- Form4: liquids ---

    void liquids_double_click_feeds_the_pipe_window() {
        FormReynolds *r = tuberia();
        r->escribir(t::Qproceso, "36");
        r->escribir(t::dint, "100");
        pulsar("Command4");
        auto *f = ventanas().existente<Form4>();
        QVERIFY(f && f->isVisible());
        for (const char *n :
             {"Label5", "Label4", "Label7", "Label8", "Label9", "Temp", "Pres", "Compres"})
            QVERIFY2(control(f, n)->isHidden(), n);
        QCOMPARE(lista(f)->item(4)->text(), "Agua  20ºC");
        dobleClicFila(f, 4);
        QCOMPARE(r->texto(t::dproceso), "998,2");
        QCOMPARE(r->texto(t::vdinamica), "0,001002");
        // 100 mm · 1,2732 m/s · 998,2 kg/m3 / 0,001002 Pa·s
        QCOMPARE(r->texto(t::Re), "126.837");
        borrarDiferidos();
        QVERIFY(!ventanas().existente<Form4>());
    }

    void liquids_feed_the_gas_window_reference_density() {
        tuberia();
        QVERIFY(!ventanas().existente<Form2>());
        pulsar("Command4");
        dobleClicFila(ventanas().existente<Form4>(), 4);
        // The gas window is loaded for this, without being shown.
        auto *gas = ventanas().existente<Form2>();
        QVERIFY(gas);
        QVERIFY(!gas->isVisible());
        QCOMPARE(campo(gas, g::dref)->text(), "998,2");
        for (const QString &n : {g::Zref, g::Pref, g::tref})
            QVERIFY2(campo(gas, n)->text().isEmpty(), qPrintable(n));

        // An open gas window with its defaults gets the same.
        gas->show();
        campo(gas, g::Pref)->setText("1,01325");
        campo(gas, g::Zref)->setText("1");
        pulsar("Command4");
        dobleClicFila(ventanas().existente<Form4>(), 0);
        QCOMPARE(ventanas().existente<Form2>(), gas);
        QCOMPARE(campo(gas, g::dref)->text(), "999,8");
        QVERIFY(campo(gas, g::Pref)->text().isEmpty());
        QVERIFY(campo(gas, g::Zref)->text().isEmpty());
    }

    void liquids_aceptar_waits_for_a_click() {
        FormReynolds *r = tuberia();
        pulsar("Command4");
        auto *f = ventanas().existente<Form4>();
        QPushButton *aceptar = boton(f, "Command1");
        QVERIFY(!aceptar->isEnabled());
        QTest::mouseClick(aceptar, Qt::LeftButton);
        QVERIFY(f->isVisible());
        QCOMPARE(r->texto(t::dproceso), "");
        clicFila(f, 0);
        QVERIFY(aceptar->isEnabled());
        QCOMPARE(etiqueta(f, "Viscos"), "0,001792");
        QCOMPARE(etiqueta(f, "Dens"), "999,8");
        QCOMPARE(r->texto(t::dproceso), ""); // a click alone hands nothing over
        QCOMPARE(r->texto(t::vdinamica), "");
        clicFila(f, 13);
        QTest::mouseClick(aceptar, Qt::LeftButton);
        QCOMPARE(r->texto(t::dproceso), "958,4");
        QCOMPARE(r->texto(t::vdinamica), "0,000282");
        borrarDiferidos();
        QVERIFY(!ventanas().existente<Form4>());
    }

    void liquids_aceptar_selects_dynamic_viscosity() {
        FormReynolds *r = tuberia();
        elegir(t::Option4);
        abrirLiquidos();
        auto *f = ventanas().existente<Form4>();
        clicFila(f, 1);
        QTest::mouseClick(boton(f, "Command1"), Qt::LeftButton);
        QCOMPARE(r->texto(t::dproceso), "1000");
        QCOMPARE(r->texto(t::vdinamica), "0,001519");
        QVERIFY(opcion(t::Option3));
        QVERIFY(!opcion(t::Option4));
        QVERIFY(!control(r, t::vdinamica)->isHidden());
        QVERIFY(control(r, t::Vcinematica)->isHidden());
    }

    void liquids_cancel_copies_nothing() {
        FormReynolds *r = tuberia();
        r->escribir(t::dproceso, "850");
        r->escribir(t::vdinamica, "0,002");
        pulsar("Command4");
        auto *f = ventanas().existente<Form4>();
        clicFila(f, 6);
        QTest::mouseClick(boton(f, "Cancelar"), Qt::LeftButton);
        QCOMPARE(r->texto(t::dproceso), "850");
        QCOMPARE(r->texto(t::vdinamica), "0,002");
        borrarDiferidos();
        QVERIFY(!ventanas().existente<Form4>());
    }

    void liquids_open_afresh_every_time() {
        pulsar("Command4");
        auto *f = ventanas().existente<Form4>();
        clicFila(f, 3);
        QTest::mouseClick(boton(f, "Cancelar"), Qt::LeftButton);
        borrarDiferidos();
        pulsar("Command4");
        f = ventanas().existente<Form4>();
        QVERIFY(f);
        QCOMPARE(lista(f)->count(), 14);
        QVERIFY(!boton(f, "Command1")->isEnabled());
        QCOMPARE(etiqueta(f, "Viscos"), "");
        QCOMPARE(etiqueta(f, "Dens"), "");
    }

    void liquids_only_in_liquids_mode() {
        elegir(t::Option2);
        elegir(t::Option4);
        // The button is hidden in gases mode; its handler still must open nothing.
        tuberia()->Command4_Click();
        QVERIFY(!ventanas().existente<Form4>());
        QVERIFY(opcion(t::Option3));
    }

    // The gas catalogue fills the same shared viscosity table; the liquid rows must not change.
    void liquids_keep_their_values_when_the_gas_catalogue_opens() {
        pulsar("Command4");
        auto *f = ventanas().existente<Form4>();
        abrirViscosidadGases();
        QVERIFY(TablaViscosidad[4].toDouble() == 1.7703e-05);
        clicFila(f, 4);
        QCOMPARE(etiqueta(f, "Viscos"), "0,001002");
        QCOMPARE(etiqueta(f, "Dens"), "998,2");
    }

    void liquids_texts_by_language_data() {
        QTest::addColumn<QString>("idioma");
        QTest::addColumn<QString>("titulo");
        QTest::addColumn<QString>("fila0");
        QTest::addColumn<QString>("fila13");
        QTest::addColumn<QString>("viscosidad");
        QTest::addColumn<QString>("densidad");
        QTest::addColumn<QString>("aceptar");
        QTest::addColumn<QString>("cancelar");
        QTest::newRow("es") << kEspanol << "Vorlo - Selección de Fluido"
                            << "Agua   0ºC"
                            << "Agua 100ºC"
                            << "Viscosidad Dinámica"
                            << "Densidad"
                            << "Aceptar"
                            << "Cancelar / Introducir Manualmente";
        QTest::newRow("en") << kIngles << "Vorlo - Fluid Selection"
                            << "Water   0ºC"
                            << "Water 100ºC"
                            << "Dynamic Viscosity"
                            << "Density"
                            << "OK"
                            << "Cancel / Enter manually";
    }
    void liquids_texts_by_language() {
        QFETCH(QString, idioma);
        QFETCH(QString, titulo);
        QFETCH(QString, fila0);
        QFETCH(QString, fila13);
        QFETCH(QString, viscosidad);
        QFETCH(QString, densidad);
        QFETCH(QString, aceptar);
        QFETCH(QString, cancelar);
        Idioma = idioma;
        pulsar("Command4");
        auto *f = ventanas().existente<Form4>();
        QCOMPARE(f->windowTitle(), titulo);
        QCOMPARE(lista(f)->count(), 14);
        QCOMPARE(lista(f)->item(0)->text(), fila0);
        QCOMPARE(lista(f)->item(13)->text(), fila13);
        QCOMPARE(etiqueta(f, "Label1"), viscosidad);
        QCOMPARE(etiqueta(f, "Ru"), densidad);
        QCOMPARE(etiqueta(f, "Label2"), "(Pa·s)");
        QCOMPARE(etiqueta(f, "Label3"), "(Kg/m3)");
        QCOMPARE(boton(f, "Command1")->text(), aceptar);
        QCOMPARE(boton(f, "Cancelar")->text(), cancelar);
        QCOMPARE(etiqueta(f, "Label5"), "Temperatura Ref.:");
        QCOMPARE(etiqueta(f, "Label8"), "Presión Ref.:");
        QCOMPARE(etiqueta(f, "Label9"), "Compresibilidad:");
        QCOMPARE(etiqueta(f, "Label4"), "(ºC)");
        QCOMPARE(etiqueta(f, "Label7"), "(bar a)");
        QVERIFY(TablaDensidad[4].toDouble() == 998.2);
        QVERIFY(TablaViscosidad[13].toDouble() == 0.000282);
    }

    // --- Viscosidad: gases ---

    void gas_double_click_feeds_the_pipe_window() {
        FormReynolds *r = tuberia();
        elegir(t::Option2);
        r->escribir(t::Qproceso, "36");
        r->escribir(t::dproceso, "1,2");
        r->escribir(t::dint, "100");
        pulsar("Command5");
        auto *f = ventanas().existente<Viscosidad>();
        QVERIFY(f && f->isVisible());
        QCOMPARE(lista(f)->item(5)->text(), "Aire 20ºC");
        dobleClicFila(f, 5);
        QCOMPARE(r->texto(t::vdinamica), "1,8198E-05");
        // 100 mm · 1,2732 m/s · 1,2 kg/m3 / 1,8198E-05 Pa·s
        QCOMPARE(r->texto(t::Re), "8.396");
        QVERIFY(opcion(t::Option2));
        QVERIFY(opcion(t::Option3));
        borrarDiferidos();
        QVERIFY(!ventanas().existente<Viscosidad>());
    }

    void gas_leaves_the_viscosity_options_alone() {
        FormReynolds *r = tuberia();
        elegir(t::Option2);
        elegir(t::Option4);
        pulsar("Command5");
        auto *f = ventanas().existente<Viscosidad>();
        QPushButton *aceptar = boton(f, "Command1");
        QVERIFY(!aceptar->isEnabled());
        clicFila(f, 1);
        QCOMPARE(etiqueta(f, "Viscos"), "1,16142E-05");
        QCOMPARE(r->texto(t::vdinamica), "");
        QTest::mouseClick(aceptar, Qt::LeftButton);
        QCOMPARE(r->texto(t::vdinamica), "1,16142E-05");
        QVERIFY(opcion(t::Option4));
        QVERIFY(!opcion(t::Option3));
    }

    void gas_aceptar_waits_and_cancel_copies_nothing() {
        FormReynolds *r = tuberia();
        elegir(t::Option2);
        r->escribir(t::vdinamica, "0,00002");
        pulsar("Command5");
        auto *f = ventanas().existente<Viscosidad>();
        QTest::mouseClick(boton(f, "Command1"), Qt::LeftButton);
        QVERIFY(f->isVisible());
        QCOMPARE(etiqueta(f, "Viscos"), "");
        clicFila(f, 16);
        QVERIFY(boton(f, "Command1")->isEnabled());
        QCOMPARE(etiqueta(f, "Viscos"), "2,85725E-05");
        QTest::mouseClick(boton(f, "Cancelar"), Qt::LeftButton);
        QCOMPARE(r->texto(t::vdinamica), "0,00002");
        borrarDiferidos();
        QVERIFY(!ventanas().existente<Viscosidad>());
    }

    void gas_texts_stay_spanish_data() {
        QTest::addColumn<QString>("idioma");
        QTest::newRow("es") << kEspanol;
        QTest::newRow("en") << kIngles;
    }
    void gas_texts_stay_spanish() {
        QFETCH(QString, idioma);
        Idioma = idioma;
        abrirViscosidadGases();
        auto *f = ventanas().existente<Viscosidad>();
        QCOMPARE(f->windowTitle(), "VORLO - Viscosidad de Gases");
        QCOMPARE(etiqueta(f, "Label1"), "Viscosidad Dinámica:");
        QCOMPARE(etiqueta(f, "Label2"), "(Pa·s)");
        QCOMPARE(boton(f, "Command1")->text(), "Aceptar");
        QCOMPARE(boton(f, "Cancelar")->text(), "Cancelar");
        QListWidget *l = lista(f);
        QCOMPARE(l->count(), 17);
        QCOMPARE(l->item(0)->text(), "Gas Natural S.G.=0.75  0ºC");
        QCOMPARE(l->item(1)->text(), "Gas Natural S.G.=0.75 15ºC  ");
        QCOMPARE(l->item(4)->text(), "Aire 10ºC ");
        QCOMPARE(l->item(16)->text(), "Vapor 500ºC ");
        QVERIFY(TablaViscosidad[16].toDouble() == 2.85725e-05);
    }
};

VORLO_PRUEBA(TestCatalogueWindows, Ventanas)
#include "tst_catalogues.moc"
