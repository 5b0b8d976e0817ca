// The water and steam window: the state as shown against published IAPWS values, the note,
// bad input, the language, the hand-over to the pipe window and the one window.
#include "app/colours.h"
#include "app/globals.h"
#include "app/texts.h"
#include "app/water_entry.h"
#include "fields/language.h"
#include "fields/numbers.h"
#include "pipeflow/form_reynolds.h"
#include "units/conversionuds.h"
#include "units/conversorudsrapido.h"
#include "water/form_agua_vapor.h"
#include "water/water_fields.h"
#include "water/water_state.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "../support/runner.h"

#include "../support/gui_fixture.h"
#include <algorithm>
#include <numbers>

using namespace vorlo;
using namespace vorlo::prueba;

namespace {
// The results in window order; "*" in an expected list: a number, not published.
const QStringList kResultados = {agua::FaseAgua, agua::DensidadAgua, agua::EntalpiaAgua,
                                 agua::CpAgua,   agua::ViscDinAgua,  agua::ViscCinAgua,
                                 agua::TsatAgua, agua::PsatAgua};

// The core's state at the texts typed, each number in the table's six digits, as the window
// should show it.
QStringList delNucleo(const QString &t, const QString &p, const QString &fase) {
    const auto e = std::get<agua::EstadoAgua>(agua::estadoAgua(*leerNumero(t), *leerNumero(p)));
    QStringList l{fase};
    for (const QString &n : kResultados.mid(1)) {
        const auto x = agua::valorAgua(*agua::camposAgua().campo(n), e);
        l << (x ? *formatoSignificativo(*x, 6) : QString());
    }
    return l;
}
} // namespace

class TestAguaVapor : public PruebaGui {
    Q_OBJECT

    FormAguaVapor *v = nullptr;

    QString texto(const QString &n) { return campo(v, n)->text(); }
    QString nota() { return etiqueta(v, agua::NotaAgua); }
    QStringList textos(const QStringList &nombres) {
        QStringList l;
        for (const QString &n : nombres)
            l << texto(n);
        return l;
    }
    bool notaRoja() {
        return control<QLabel>(v, agua::NotaAgua)->palette().color(QPalette::WindowText) == kRojo;
    }
    bool usable() { return boton(v, "UsarAgua")->isEnabled(); }
    void estado(const QString &t, const QString &p) {
        teclear(v, agua::TAgua, t);
        teclear(v, agua::PAgua, p);
    }
    // The pipe window in a mode, the kinematic viscosity chosen, 36 m3/h through 100 mm.
    static void tuboConCinematica(bool gases) {
        auto *tubo = ventanas().mostrar<FormReynolds>();
        if (gases)
            pulsar(tubo, t::Option2);
        pulsar(tubo, t::Option4);
        teclear(tubo, {{t::Qproceso, "36"}, {t::dint, "100"}, {t::Rugosidad, "0.05"}});
    }
    // The window's language switch comes from another window's flags.
    static void cambiarA(Lengua lengua) {
        auto *tubo = ventanas().obtener<FormReynolds>();
        lengua == Lengua::Espanol ? tubo->Spain_Click() : tubo->Picture1_Click();
    }

  public:
    TestAguaVapor() : PruebaGui(kEspanol) {}

  protected:
    void alEmpezar() override {
        abrirAguaVapor();
        v = ventanas().existente<FormAguaVapor>();
        QVERIFY(v && v->isVisible());
    }

  private slots:
    // clang-format off
    // R7-97 Tables 5, 15, 33, 42 (v, h, cp at T, p), 35 and 36 (saturation); R12-08 Table 4 (µ
    // at T, ρ: the pressure typed gives that ρ; ν = µ/ρ). T in K less 273,15.
    void state_as_published_data() {
        QTest::addColumn<QString>("t");
        QTest::addColumn<QString>("p");
        QTest::addColumn<QStringList>("esperado"); // kResultados
        QTest::newRow("T5 300 K 3 MPa")       << "26.85" << "30" << QStringList{"Líquido", "997,853", "115,331", "4,17301", "*", "*", "*", "0,0353659"};
        QTest::newRow("T5 500 K 3 MPa")       << "226.85" << "30" << QStringList{"Líquido", "831,658", "975,542", "4,65581", "*", "*", "*", "26,3890"};
        QTest::newRow("T15 300 K 0,0035 MPa") << "26.85" << "0.035" << QStringList{"Vapor", "0,0253220", "2.549,91", "1,91300", "*", "*", "*", "0,0353659"};
        QTest::newRow("T15 700 K 30 MPa")     << "426.85" << "300" << QStringList{"Supercrítico", "184,180", "2.631,49", "10,3505", "*", "*", "", ""};
        QTest::newRow("T33 650 K 500 kg/m3")  << "376.85" << "255.837018" << QStringList{"Supercrítico", "500,000", "1.863,43", "13,8936", "*", "*", "", ""};
        QTest::newRow("T42 2000 K 30 MPa")    << "1726.85" << "300" << QStringList{"Supercrítico", "32,1146", "6.571,23", "2,88570", "*", "*", "", ""};
        QTest::newRow("T35 T36 500 K 1 MPa")  << "226.85" << "10" << QStringList{"Vapor", "*", "*", "*", "*", "*", "179,886", "26,3890"};
        QTest::newRow("T36 10 MPa above Tc")  << "400" << "100" << QStringList{"Vapor", "*", "*", "*", "*", "*", "310,999", ""};
        QTest::newRow("R12-08 298,15 K 998")  << "25" << "22.2017" << QStringList{"Líquido", "998,000", "*", "*", "0,000889735", "8,91518E-07", "*", "*"};
        QTest::newRow("R12-08 433,15 K 1")    << "160" << "1.969094" << QStringList{"Vapor", "1,00000", "*", "*", "1,45383E-05", "1,45383E-05", "*", "*"};
        QTest::newRow("R12-08 873,15 K 1")    << "600" << "4.022305" << QStringList{"Vapor", "1,00000", "*", "*", "3,26193E-05", "3,26193E-05", "*", ""};
    }
    // clang-format on
    void state_as_published() {
        QFETCH(QString, t);
        QFETCH(QString, p);
        QFETCH(QStringList, esperado);
        estado(t, p);
        const QStringList vistos = textos(kResultados);
        for (int i = 0; i < esperado.size(); ++i)
            esperado[i] = esperado[i] == "*" ? vistos[i] : esperado[i];
        QCOMPARE(vistos, esperado);
        QCOMPARE(vistos, delNucleo(texto(agua::TAgua), texto(agua::PAgua), vistos.first()));
        QVERIFY(usable());
    }

    // The note: red within 1 K of saturation at 1,01325 bar (99,974 ºC, the normal boiling
    // point), the state still shown; red and no results out of range; nothing for an empty,
    // half-typed or pasted input that is not a number, never "nan" or "inf".
    void note_and_results_data() {
        QTest::addColumn<QString>("t");
        QTest::addColumn<QString>("p");
        QTest::addColumn<QString>("nota");
        QTest::addColumn<bool>("resultados");
        // clang-format off
        QTest::newRow("liquid 0,47 K below") << "99,5" << "1,01325" << "Líquido a 0,47 K por debajo de la saturación (99,9743 ºC a esta presión): puede vaporizarse" << true;
        QTest::newRow("steam 0,53 K above") << "100,5" << "1,01325" << "Vapor a 0,53 K por encima de la saturación (99,9743 ºC a esta presión): puede condensar" << true;
        QTest::newRow("liquid 1,07 K below") << "98,9" << "1,01325" << "" << true;
        QTest::newRow("steam 1,03 K above") << "101" << "1,01325" << "" << true;
        QTest::newRow("supercritical") << "400" << "300" << "" << true;
        QTest::newRow("below 0 ºC") << "-1" << "1" << "La temperatura está por debajo de 0 ºC, el límite inferior de IAPWS-IF97" << false;
        QTest::newRow("above 2000 ºC") << "2001" << "1" << "La temperatura está por encima de 2000 ºC, el límite superior de IAPWS-IF97" << false;
        QTest::newRow("0 bar") << "20" << "0" << "La presión absoluta debe ser mayor que 0 bar" << false;
        QTest::newRow("below a double reads 0") << "20" << "1E-400" << "La presión absoluta debe ser mayor que 0 bar" << false;
        QTest::newRow("above 1000 bar") << "500" << "1001" << "La presión está por encima de 1000 bar, el límite de IAPWS-IF97 hasta 800 ºC" << false;
        QTest::newRow("above 500 bar above 800 ºC") << "900" << "501" << "La presión está por encima de 500 bar, el límite de IAPWS-IF97 por encima de 800 ºC" << false;
        QTest::newRow("no temperature") << "" << "1" << "" << false;
        QTest::newRow("no pressure") << "20" << "" << "" << false;
        QTest::newRow("a comma") << "," << "1" << "" << false;
        QTest::newRow("a minus") << "-" << "1" << "" << false;
        QTest::newRow("letters") << "abc" << "1" << "" << false;
        QTest::newRow("beyond a double") << "1e999" << "1" << "" << false;
        // clang-format on
    }
    void note_and_results() {
        QFETCH(QString, t);
        QFETCH(QString, p);
        QFETCH(QString, nota);
        QFETCH(bool, resultados);
        estado("99.5", "1.01325"); // a result and a note to lose
        QCOMPARE(texto(agua::TAgua), "99,5");
        pegar(campo(v, agua::TAgua), t); // past the key filter, which would drop letters
        pegar(campo(v, agua::PAgua), p);
        QCOMPARE(this->nota(), nota);
        QCOMPARE(notaRoja(), !nota.isEmpty());
        const QStringList vistos = textos(kResultados);
        QCOMPARE(vistos.join(QString()).isEmpty(), !resultados);
        QVERIFY(std::none_of(vistos.cbegin(), vistos.cend(), muestraNoNumero));
        QCOMPARE(usable(), resultados);
        estado("20", "1"); // away from saturation: the note and its red go
        QVERIFY(this->nota().isEmpty() && !notaRoja() && usable());
    }

    // Opened in one language, switched from another window's flag: every caption and every
    // text the calculation wrote, at once, without a new keystroke.
    void language_switch_at_once_data() {
        QTest::addColumn<bool>("espanol"); // the language at opening
        QTest::addColumn<QString>("t");
        QTest::addColumn<QStringList>("es"); // title, heading, caption, button, phase, note
        QTest::addColumn<QStringList>("en");
        // clang-format off
        const QStringList es = {"Agua y vapor", "AGUA Y VAPOR (IAPWS-IF97)", "Temperatura", "Usar en el cálculo"};
        const QStringList en = {"Water and steam", "WATER AND STEAM (IAPWS-IF97)", "Temperature", "Use in the calculation"};
        const QStringList vaporEs = es + QStringList{"Vapor", "Vapor a 0,53 K por encima de la saturación (99,9743 ºC a esta presión): puede condensar"};
        const QStringList vaporEn = en + QStringList{"Steam", "Steam 0,53 K above saturation (99,9743 ºC at this pressure): it may condense"};
        const QStringList fueraEs = es + QStringList{"", "La temperatura está por debajo de 0 ºC, el límite inferior de IAPWS-IF97"};
        const QStringList fueraEn = en + QStringList{"", "The temperature is below 0 ºC, the lower limit of IAPWS-IF97"};
        QTest::newRow("steam, es to en") << true << "100.5" << vaporEs << vaporEn;
        QTest::newRow("steam, en to es") << false << "100.5" << vaporEs << vaporEn;
        QTest::newRow("out of range, es to en") << true << "-5" << fueraEs << fueraEn;
        // clang-format on
    }
    void language_switch_at_once() {
        QFETCH(bool, espanol);
        QFETCH(QString, t);
        ventanas().cerrarTodas();
        Idioma = espanol ? kEspanol : kIngles;
        abrirAguaVapor();
        v = ventanas().existente<FormAguaVapor>();
        estado(t, "1.01325");
        const auto vistos = [this] {
            return QStringList{v->windowTitle(),
                               etiqueta(v, "TituloAgua"),
                               etiqueta(v, "EtiquetaTAgua"),
                               boton(v, "UsarAgua")->text(),
                               texto(agua::FaseAgua),
                               nota()};
        };
        QTEST(vistos(), espanol ? "es" : "en");
        cambiarA(espanol ? Lengua::Ingles : Lengua::Espanol);
        QTEST(vistos(), espanol ? "en" : "es");
    }

    // Into the pipe window as shown, whatever its mode; the dynamic viscosity option chosen.
    void hand_over_to_the_pipe_window_data() {
        QTest::addColumn<bool>("abierta");
        QTest::addColumn<bool>("gases");
        QTest::addColumn<QString>("t");
        QTest::addColumn<QString>("p");
        // clang-format off
        QTest::newRow("no pipe window yet")        << false << false << "20" << "1";
        QTest::newRow("liquids, kinematic chosen") << true << false << "20" << "1";
        QTest::newRow("gases, kinematic chosen")   << true << true << "200" << "10";
        // clang-format on
    }
    void hand_over_to_the_pipe_window() {
        QFETCH(bool, abierta);
        QFETCH(bool, gases);
        QFETCH(QString, t);
        QFETCH(QString, p);
        estado(t, p);
        if (abierta)
            tuboConCinematica(gases);
        pulsar(v, "UsarAgua");
        auto *tubo = ventanas().existente<FormReynolds>();
        QVERIFY(tubo && tubo->isVisible() && v->isVisible());
        const auto si = [](bool b) { return QString::number(int(b)); };
        QCOMPARE((QStringList{tubo->texto(t::dproceso), tubo->texto(t::vdinamica),
                              si(tubo->opcion(t::Option3)), si(tubo->opcion(t::Option4)),
                              si(campo(tubo, t::vdinamica)->isVisibleTo(tubo)),
                              si(tubo->opcion(t::Option2))}),
                 (QStringList{texto(agua::DensidadAgua), texto(agua::ViscDinAgua), "1", "0", "1",
                              si(gases)}));
        // The passes ran with the values handed over: Re = ρ·V·D/µ.
        const double vel = 36.0 / 3600 / (std::numbers::pi / 4 * 0.1 * 0.1);
        const double re = *leerNumero(texto(agua::DensidadAgua)) * vel * 0.1 /
                          *leerNumero(texto(agua::ViscDinAgua));
        QVERIFY(!abierta || std::abs(*leerNumero(tubo->texto(t::Re)) / re - 1) < 1e-4);
    }

    void unit_buttons_open_the_converter_for_their_kind_data() {
        QTest::addColumn<QString>("boton");
        QTest::addColumn<QString>("magnitud");
        QTest::newRow("temperature") << "UnidadTAgua" << kTemperatura;
        QTest::newRow("pressure") << "UnidadPAgua" << kPresion;
    }
    void unit_buttons_open_the_converter_for_their_kind() {
        QFETCH(QString, boton);
        QFETCH(QString, magnitud);
        pulsar(v, boton);
        QVERIFY(v->findChild<conversorudsrapido *>());
        QCOMPARE(MagnitudConversor, magnitud);
    }

    void one_window_its_inputs_kept_when_closed() {
        estado("20", "1");
        abrirAguaVapor();
        QCOMPARE(ventanas().existente<FormAguaVapor>(), v);
        QCOMPARE(texto(agua::TAgua), "20");
        const QWidgetList todas = QApplication::topLevelWidgets();
        const auto cuantas = std::count_if(todas.cbegin(), todas.cend(), [](const QWidget *w) {
            return w->objectName() == "FormAguaVapor";
        });
        QCOMPARE(cuantas, 1);
        v->close();
        borrarDiferidos();
        QVERIFY(!ventanas().existente<FormAguaVapor>());
        // Reopened, it shows the state it was closed with (the case keeps it too).
        abrirAguaVapor();
        v = ventanas().existente<FormAguaVapor>();
        QCOMPARE(texto(agua::TAgua), "20");
        QVERIFY(!texto(agua::DensidadAgua).isEmpty() && usable());
    }
};

VORLO_PRUEBA(TestAguaVapor, Ventanas)
#include "tst_agua_vapor.moc"
