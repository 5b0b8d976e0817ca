// The report details window: the calculation note's header, from the File menus of the pipe and
// gas windows, in both languages, kept in the case and "Prepared by" between runs; and the pipe
// window's note taking it, with the water window's hand-over.
#include "app/ajustes.h"
#include "app/case_entry.h"
#include "app/dialogos_archivo.h"
#include "app/globals.h"
#include "app/open_windows.h"
#include "app/report_details_entry.h"
#include "app/water_entry.h"
#include "cases/report_header.h"
#include "gas/form2.h"
#include "pipeflow/form_reynolds.h"
#include "report/report.h"
#include "report/report_actions.h"
#include "reportdetails/form_datos_informe.h"
#include "water/form_agua_vapor.h"
#include "water/water_fields.h"

#include "../support/gui_fixture.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "../support/runner.h"

using namespace vorlo;
using namespace vorlo::prueba;
namespace cab = vorlo::informe::cabecera;

namespace {

FormDatosInforme *datos() {
    return ventanas().existente<FormDatosInforme>();
}

QWidget *calculadora(bool gas) {
    return gas ? static_cast<QWidget *>(ventanas().mostrar<Form2>())
               : static_cast<QWidget *>(ventanas().mostrar<FormReynolds>());
}

// The texts a case keeps of the header now.
QMap<QString, QString> enElCaso() {
    return casoActual().ventanas.value(caso::Informe).textos;
}

} // namespace

class TestDatosInforme : public PruebaGui {
    Q_OBJECT

    DialogosArchivoGrabados m_dialogos;
    QTemporaryDir m_dir;

  public:
    TestDatosInforme() : PruebaGui(kIngles) {}

  protected:
    // The header of a fresh start reads the settings of this test, not the user's.
    void alEmpezar() override {
        reiniciarCaso();
        fijarDialogosArchivo(&(m_dialogos = DialogosArchivoGrabados()));
    }
    void alTerminar() override { fijarDialogosArchivo(nullptr); }

  private slots:
    // After "Save case as…" in the File menu of both calculators, in their language; one window,
    // not modal, however often it is asked for.
    void the_file_menus_open_it_data() {
        QTest::addColumn<bool>("gas");
        QTest::addColumn<QString>("idioma");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("titulo");
        // clang-format off
        QTest::newRow("pipe, en") << false << kIngles << "Report details" << "Report details";
        QTest::newRow("pipe, es") << false << kEspanol << "Datos del informe" << "Datos del informe";
        QTest::newRow("gas, en") << true << kIngles << "Report details" << "Report details";
        QTest::newRow("gas, es") << true << kEspanol << "Datos del informe" << "Datos del informe";
        // clang-format on
    }
    void the_file_menus_open_it() {
        QFETCH(bool, gas);
        QFETCH(QString, idioma);
        QFETCH(QString, texto);
        QFETCH(QString, titulo);
        Idioma = idioma;
        QWidget *v = calculadora(gas);
        const QList<QAction *> menu = control<QMenu>(v, "Archivo")->actions();
        auto *entrada = control<QAction>(v, "DatosInforme");
        const qsizetype i = menu.indexOf(entrada);
        QVERIFY(i > 0 && menu[i - 1] == control<QAction>(v, "GuardarCasoComo"));
        QCOMPARE(entrada->text(), texto);
        entrada->trigger();
        FormDatosInforme *d = datos();
        QVERIFY(d && d->isVisible() && !d->isModal());
        QCOMPARE(d->windowTitle(), titulo);
        entrada->trigger();
        QCOMPARE(datos(), d);
        int abiertas = 0;
        for (QWidget *w : ventanas().existentes())
            abiertas += w->objectName() == QLatin1String("FormDatosInforme");
        QCOMPARE(abiertas, 1);
    }

    // Every caption is the header table's, in the language the program has; a flag click in
    // another window switches it at once.
    void captions_follow_the_language_at_once_data() {
        QTest::addColumn<QString>("desde");
        QTest::addColumn<QString>("hacia");
        QTest::newRow("en to es") << kIngles << kEspanol;
        QTest::newRow("es to en") << kEspanol << kIngles;
    }
    void captions_follow_the_language_at_once() {
        QFETCH(QString, desde);
        QFETCH(QString, hacia);
        Idioma = desde;
        FormReynolds *tubo = ventanas().mostrar<FormReynolds>();
        abrirDatosInforme();
        const auto comprobar = [](const QString &idioma) {
            for (const Campo &c : cab::tabla().campos())
                QCOMPARE(etiqueta(datos(), c.etiqueta), c.rotulo.en(idioma));
            QCOMPARE(control<QPushButton>(datos(), "CerrarDatosInforme")->text(),
                     lenguaDe(idioma) == Lengua::Espanol ? "Cerrar" : "Close");
        };
        comprobar(desde);
        pulsar(tubo, lenguaDe(hacia) == Lengua::Espanol ? "Spain" : "Picture1");
        comprobar(hacia);
        QCOMPARE(datos()->windowTitle(), cab::tabla().titulo().en(hacia));
    }

    // What is typed is the case's at once and survives the window; "Prepared by" is also
    // remembered for the next run, and a new case starts from it alone.
    void typing_goes_to_the_case() {
        abrirDatosInforme();
        teclear(datos(), cab::Proyecto, "Planta Norte");
        teclear(datos(), cab::Preparado, "A. Perez");
        auto *obs = control<QPlainTextEdit>(datos(), cab::Observaciones);
        QTest::keyClicks(obs, "Caudal maximo");
        QTest::keyClick(obs, Qt::Key_Return);
        QTest::keyClicks(obs, "de invierno");
        QCOMPARE(enElCaso().value(cab::Proyecto), "Planta Norte");
        QCOMPARE(enElCaso().value(cab::Observaciones), "Caudal maximo\nde invierno");
        QVERIFY(casoModificado());
        QCOMPARE(ajustesPrueba.valor(claves::Preparado).toString(), "A. Perez");
        datos()->close();
        borrarDiferidos();
        QVERIFY(!datos());
        QCOMPARE(cabeceraInforme().texto(cab::Proyecto), "Planta Norte");
        abrirDatosInforme();
        QCOMPARE(datos()->texto(cab::Proyecto), "Planta Norte");
        mensajes.respuestaCambios = Mensajes::Cambios::Descartar; // drop the unsaved changes
        nuevoCaso(ventanas().mostrar<FormReynolds>());
        abrirDatosInforme(); // a new case closes the windows other than the calculators'
        QCOMPARE(datos()->texto(cab::Proyecto), "");
        QCOMPARE(datos()->texto(cab::Preparado), "A. Perez");
        QVERIFY(!casoModificado());
    }

    // Saved and opened again, the header comes back whole; a case without one clears it but
    // for the remembered name.
    void a_case_brings_its_header_data() {
        QTest::addColumn<bool>("conCabecera");
        QTest::newRow("with a header") << true;
        QTest::newRow("without") << false;
    }
    void a_case_brings_its_header() {
        QFETCH(bool, conCabecera);
        ajustesPrueba.fijar(claves::Preparado, "Recordado");
        abrirFormReynolds();
        teclearEjemploTuberia(ventanas().existente<FormReynolds>());
        abrirDatosInforme();
        if (conCabecera) {
            teclear(datos(), cab::Linea, "10-P-1001");
            teclear(datos(), cab::Revisado, "M. Ruiz");
        }
        m_dialogos.respuesta = DialogosArchivo::Eleccion{m_dir.filePath("c.vorlo"), QString()};
        QVERIFY(guardarCasoComo(datos()));
        const QMap<QString, QString> guardado = enElCaso();
        teclear(datos(), cab::Linea, "otra");
        teclear(datos(), cab::Proyecto, "otro");
        mensajes.respuestaCambios = Mensajes::Cambios::Descartar;
        QVERIFY(abrirRuta(datos(), m_dir.filePath("c.vorlo")));
        QCOMPARE(datos()->texto(cab::Linea), conCabecera ? "10-P-1001" : "");
        QCOMPARE(datos()->texto(cab::Proyecto), "");
        QCOMPARE(datos()->texto(cab::Preparado), conCabecera ? "" : "Recordado");
        if (conCabecera)
            QCOMPARE(enElCaso(), guardado);
        QVERIFY(!casoModificado());
    }

    // The pipe window's note: the header, and the fluid the water window handed over while the
    // pipe's two fields hold its texts.
    void the_pipe_note_takes_the_header_and_the_water() {
        FormReynolds *tubo = ventanas().mostrar<FormReynolds>();
        teclearEjemploTuberia(tubo);
        abrirDatosInforme();
        teclear(datos(), cab::Linea, "10-P-1001");
        abrirAguaVapor();
        auto *agua = ventanas().existente<FormAguaVapor>();
        teclear(agua, {{agua::TAgua, "20"}, {agua::PAgua, "5"}});
        pulsar(agua, "UsarAgua");
        QCOMPARE(tubo->texto(t::dproceso), agua->texto(agua::DensidadAgua));
        const QString fluido = "Fluid: water and steam at 20 ºC and 5 bar a (IAPWS-IF97), liquid";
        const auto nota = [tubo] {
            return informe::informeTuberia(*tubo, kIngles, {}, contextoInformeTuberia());
        };
        QVERIFY(nota().caso.contains(fluido));
        QCOMPARE(nota().cabecera.texto(cab::Linea), "10-P-1001");
        QCOMPARE(nota().anexos.value(0).titulo, "WATER AND STEAM (IAPWS-IF97)");
        // Another temperature in the water window: the pipe still holds the 20 ºC state.
        teclear(agua, agua::TAgua, "60");
        QVERIFY(nota().caso.contains(fluido));
        teclear(tubo, t::dproceso, "998");
        QVERIFY(!nota().caso.contains(fluido));
    }
};

VORLO_PRUEBA(TestDatosInforme, Ventanas)
#include "tst_datos_informe.moc"
