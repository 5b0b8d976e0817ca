// Renders every window of Vorlo, with the worked example filled in, to PNG files (the README's
// tour). Meant to run offscreen: QT_QPA_PLATFORM=offscreen vorlo_screenshots OUTDIR [SUFFIX]
// SUFFIX (e.g. "@2x") is appended to every file name, for renderings at another scale.

#include "app/ajustes.h"
#include "app/case_entry.h"
#include "app/form1.h"
#include "app/gasline_entry.h"
#include "app/globals.h"
#include "app/icons.h"
#include "app/line_entry.h"
#include "app/moody_entry.h"
#include "app/open_windows.h"
#include "app/pipes_entry.h"
#include "app/report_details_entry.h"
#include "app/sizing_entry.h"
#include "app/water_entry.h"
#include "app/windows.h"
#include "catalogues/form3.h"
#include "catalogues/form4.h"
#include "catalogues/viscosidad.h"
#include "fields/language.h"
#include "fields/numbers.h"
#include "fittings/form_accesorios.h"
#include "fittings/k_metodos.h"
#include "gas/ayuda_gases.h"
#include "gas/form2.h"
#include "gasline/form_linea_gas.h"
#include "line/form_linea.h"
#include "moody/form_moody.h"
#include "pipeflow/colebrook.h"
#include "pipeflow/ejemplo.h"
#include "pipeflow/form_reynolds.h"
#include "pipeflow/friccion_exacta.h"
#include "pipeflow/pipe_flow.h"
#include "pipes/form_tuberias.h"
#include "report/report.h"
#include "report/report_actions.h"
#include "reportdetails/form_datos_informe.h"
#include "results/form_guardar.h"
#include "sizing/form_dimensionado.h"
#include "units/conversorudsrapido.h"
#include "water/form_agua_vapor.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextStream>
#include <algorithm>
#include <cstdio>
#include <functional>

using namespace vorlo;

namespace {

QString g_salida;
QString g_sufijo;
int g_errores = 0;

void fallo(const QString &que) {
    std::fprintf(stderr, "screenshots: %s\n", qPrintable(que));
    ++g_errores;
}

// Lets timers tick and layouts settle.
void esperar(int ms = 450) {
    QTest::qWait(ms);
}

void guardar(QWidget *w, const QString &nombre) {
    if (!w) {
        fallo(QStringLiteral("no window for %1").arg(nombre));
        return;
    }
    w->show();
    w->raise();
    esperar();
    // No text cursor blinking in the pictures.
    if (QWidget *foco = w->focusWidget())
        foco->clearFocus();
    const QString ruta = QDir(g_salida).filePath(nombre + g_sufijo + QStringLiteral(".png"));
    if (!w->grab().save(ruta))
        fallo(QStringLiteral("cannot write %1").arg(ruta));
    else
        std::printf("%s\n", qPrintable(ruta));
}

template <class T = QWidget> T *hijo(QWidget *w, const char *nombre) {
    T *c = w ? w->findChild<T *>(QLatin1String(nombre)) : nullptr;
    if (!c)
        fallo(QStringLiteral("control %1 not found").arg(QLatin1String(nombre)));
    return c;
}

// Types a text key by key into a field, as a user does (a typed "." becomes ",").
void teclear(QWidget *ventana, const char *nombre, const QString &texto) {
    auto *e = hijo<QLineEdit>(ventana, nombre);
    if (!e)
        return;
    e->setFocus();
    e->selectAll();
    QTest::keyClick(e, Qt::Key_Backspace);
    QTest::keyClicks(e, texto);
}

void pulsar(QWidget *ventana, const char *nombre) {
    if (auto *b = hijo<QAbstractButton>(ventana, nombre))
        QTest::mouseClick(b, Qt::LeftButton);
}

void moverSobre(QWidget *w) {
    if (!w)
        return;
    const QPointF p(4, 4);
    QMouseEvent ev(QEvent::MouseMove, p, w->mapToGlobal(p), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
    QApplication::sendEvent(w, &ev);
}

conversorudsrapido *conversorDe(QWidget *duena) {
    return duena ? duena->findChild<conversorudsrapido *>() : nullptr;
}

// Clicks the first row that starts with one of `comienzos` (the texts of both languages).
void seleccionarFila(QWidget *ventana, const QStringList &comienzos) {
    auto *lista = hijo<QListWidget>(ventana, "List1");
    if (!lista)
        return;
    for (int i = 0; i < lista->count(); ++i) {
        const QString texto = lista->item(i)->text();
        if (std::any_of(comienzos.begin(), comienzos.end(),
                        [&](const QString &c) { return texto.startsWith(c); })) {
            lista->scrollToItem(lista->item(i));
            const QRect r = lista->visualItemRect(lista->item(i));
            QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, r.center());
            return;
        }
    }
    fallo(QStringLiteral("no row %1").arg(comienzos.join(QLatin1Char('/'))));
}

void empezar(const QString &idioma) {
    ventanas().cerrarTodas();
    for (QWidget *w : QApplication::topLevelWidgets())
        w->close();
    esperar(50);
    reiniciarGlobales();
    Idioma = idioma;
}

void ventanasDelTubo(const QString &sfx, bool unaVez) {
    FormReynolds *tubo = ventanas().mostrar<FormReynolds>();
    tubo->resize(tubo->sizeHint());
    for (const tuberia::TextoEjemplo &t : tuberia::ejemplo())
        teclear(tubo, qPrintable(t.campo), t.texto);
    esperar();

    // Fittings: one threaded swing check valve at DN 100.
    pulsar(tubo, "Command3");
    auto *accesorios = ventanas().existente<FormAccesorios>();
    teclear(accesorios, "Naccesorios(9)", QStringLiteral("1"));
    guardar(accesorios, QStringLiteral("fittings-") + sfx);
    pulsar(accesorios, "Command1");
    esperar();

    // The pointer over the friction factor marks what it needs in red.
    moverSobre(tubo->centralWidget());
    guardar(tubo, QStringLiteral("pipe-") + sfx);
    moverSobre(hijo(tubo, "ffinal"));
    const QString ruta =
        QDir(g_salida).filePath(QStringLiteral("pipe-highlight-") + sfx + g_sufijo + ".png");
    if (!tubo->grab().save(ruta))
        fallo(QStringLiteral("cannot write %1").arg(ruta));
    moverSobre(tubo->centralWidget());

    // The per-metre drop in every pressure unit (view mode).
    pulsar(tubo, "Command13");
    guardar(conversorDe(tubo), QStringLiteral("units-view-") + sfx);
    if (auto *c = conversorDe(tubo))
        c->close();

    // A smooth pipe at Re 1e7: the grid clips the friction factor, and the note says so in red.
    teclear(tubo, "Rugosidad", QStringLiteral("0"));
    teclear(tubo, "Qproceso", QStringLiteral("2833"));
    esperar();
    guardar(tubo, QStringLiteral("pipe-clipped-") + sfx);
    teclear(tubo, "Rugosidad", QStringLiteral("0.05"));
    teclear(tubo, "Qproceso", QStringLiteral("36"));
    esperar();

    // The catalogues, a row selected.
    abrirMateriales();
    auto *materiales = ventanas().existente<Form3>();
    seleccionarFila(materiales, {QStringLiteral("Acero"), QStringLiteral("Steel")});
    guardar(materiales, QStringLiteral("materials-") + sfx);
    if (materiales)
        materiales->hide();

    pulsar(tubo, "Command4");
    auto *liquidos = ventanas().existente<Form4>();
    seleccionarFila(liquidos, {QStringLiteral("Agua  20"), QStringLiteral("Water  20")});
    guardar(liquidos, QStringLiteral("liquids-") + sfx);
    if (liquidos)
        liquidos->close();

    // The gas viscosity catalogue speaks Spanish only: one picture.
    if (unaVez) {
        abrirViscosidadGases();
        auto *viscosidad = ventanas().existente<Viscosidad>();
        seleccionarFila(viscosidad, {QStringLiteral("Aire 20")});
        guardar(viscosidad, QStringLiteral("gas-viscosity"));
        if (viscosidad)
            viscosidad->close();
    }

    // The results window, in a project folder with two saved calculations.
    const QString proyectos = QDir::temp().filePath(QStringLiteral("vorlo-tour/Proyectos"));
    const QStringList carpetas = {QStringLiteral("Agua de refrigeración"),
                                  QStringLiteral("Aire comprimido"),
                                  QStringLiteral("Caldera"),
                                  QStringLiteral("Condensados"),
                                  QStringLiteral("Gas natural"),
                                  QStringLiteral("Planta piloto"),
                                  QStringLiteral("Red contra incendios"),
                                  QStringLiteral("Torre de refrigeración"),
                                  QStringLiteral("Vapor baja presión"),
                                  QStringLiteral("Vapor media presión")};
    for (const QString &c : carpetas)
        QDir().mkpath(QDir(proyectos).filePath(c));
    const QString carpeta = QDir(proyectos).filePath(carpetas.last());
    for (const char *n : {"colector-principal.vrq", "PDcalc1.vrq", "retorno-condensado.vrq"}) {
        QFile f(QDir(carpeta).filePath(QLatin1String(n)));
        if (f.open(QIODevice::WriteOnly))
            f.write("True\r\n");
    }
    abrirGuardar();
    if (auto *g = ventanas().existente<FormGuardar>()) {
        g->fijarDirectorio(carpeta);
        esperar(800);
        guardar(g, QStringLiteral("results-") + sfx);
        g->close();
    } else {
        fallo(QStringLiteral("no results window"));
    }
    QDir(QDir::temp().filePath(QStringLiteral("vorlo-tour"))).removeRecursively();
}

void ventanasDelGas(const QString &sfx, bool ayuda) {
    abrirForm2();
    auto *gas = ventanas().existente<Form2>();
    teclear(gas, "dref", QStringLiteral("1.293"));
    teclear(gas, "tref", QStringLiteral("0"));
    teclear(gas, "Pref", QStringLiteral("1.01325"));
    teclear(gas, "Pproceso", QStringLiteral("5"));
    teclear(gas, "tproceso", QStringLiteral("20"));
    teclear(gas, "Qnormales", QStringLiteral("100"));
    teclear(gas, "T_paraQ", QStringLiteral("0"));
    moverSobre(gas);
    guardar(gas, QStringLiteral("gas-") + sfx);

    // The converter in edit mode: 2 psi for the reference pressure.
    pulsar(gas, "Command7");
    if (auto *c = conversorDe(gas)) {
        if (auto *combo = hijo<QComboBox>(c, "Combo1"))
            combo->setCurrentIndex(combo->findText(QStringLiteral("psi")));
        teclear(c, "Text1", QStringLiteral("2"));
        guardar(c, QStringLiteral("units-edit-") + sfx);
        c->close();
    } else {
        fallo(QStringLiteral("no converter"));
    }

    if (ayuda) {
        pulsar(gas, "Command4");
        guardar(ventanas().existente<AyudaGases>(), QStringLiteral("gas-help"));
    }

    // The hand-over: the pipe window in gases mode with the gas's actual flow and density.
    pulsar(gas, "Command3");
    auto *tubo = ventanas().existente<FormReynolds>();
    if (!tubo) {
        fallo(QStringLiteral("no pipe window after the hand-over"));
        return;
    }
    teclear(tubo, "dint", QStringLiteral("100"));
    teclear(tubo, "vdinamica", QStringLiteral("0.0000172"));
    teclear(tubo, "Rugosidad", QStringLiteral("0.05"));
    moverSobre(tubo->centralWidget());
    guardar(tubo, QStringLiteral("pipe-gas-") + sfx);
}

// The standard pipe sizes on the worked example's pipe, 4" Sch 40.
void ventanaTuberias(const QString &sfx) {
    abrirTuberias([](const QString &, const QString &) {});
    auto *tuberias = ventanas().existente<FormTuberias>();
    if (auto *nominal = hijo<QComboBox>(tuberias, "Nominal"))
        nominal->setCurrentIndex(nominal->findText(QStringLiteral("4\" (DN 100)")));
    guardar(tuberias, QStringLiteral("pipes-") + sfx);
    if (tuberias)
        tuberias->close();
}

// The gas line with the published check: 10 bar a, 11,3 kg/m3, 500 mm, 1000 m, f 0,00185 given,
// solved for the flow at 9 bar a.
void ventanaLineaGas(const QString &sfx) {
    abrirLineaGas({QStringLiteral("500"), QStringLiteral("0,05"), QStringLiteral("0,000011"),
                   QStringLiteral("11,3"), QString(), QStringLiteral("10"), QStringLiteral("15")});
    auto *linea = ventanas().existente<FormLineaGas>();
    if (!linea) {
        fallo(QStringLiteral("no gas line window"));
        return;
    }
    teclear(linea, "LLinea", QStringLiteral("1000"));
    pulsar(linea, "OpcionMasico");
    teclear(linea, "P2Linea", QStringLiteral("9"));
    pulsar(linea, "FijarF");
    teclear(linea, "fLinea", QStringLiteral("0.00185"));
    moverSobre(linea);
    guardar(linea, QStringLiteral("gasline-") + sfx);
}

// The line and pump: water from an open tank through a 4" suction to the pump, then 3" with an
// exchanger and a control valve up 15 m to 4 bar a, with the pump's curve and where it runs.
void ventanaLinea(const QString &sfx) {
    abrirLinea({QStringLiteral("50"), QStringLiteral("998,2"), QStringLiteral("0,001002"),
                QStringLiteral("102,26"), QStringLiteral("5"), QStringLiteral("-2"),
                QStringLiteral("0,045"), QStringLiteral("1,3")});
    auto *linea = ventanas().existente<FormLinea>();
    if (!linea) {
        fallo(QStringLiteral("no line window"));
        return;
    }
    teclear(linea, "PsatLinea", QStringLiteral("0.02339"));
    teclear(linea, "PInicio", QStringLiteral("1.01325"));
    teclear(linea, "PFin", QStringLiteral("4"));
    teclear(linea, "EficienciaBomba", QStringLiteral("0.7"));
    teclear(linea, "NPSHrLinea", QStringLiteral("3"));
    teclear(linea, "CurvaBomba", QStringLiteral("0:80; 30:76; 60:66; 90:50"));
    linea->fijarTramos({{"102,26", "5", "-2", "0,045", "1,3", ""},
                        {"77,92", "60", "12", "0,045", "4,2", "0,3"},
                        {"77,92", "20", "3", "0,045", "2", "0,5"}});
    linea->comboBomba()->setCurrentIndex(2); // after segment 1
    guardar(linea, QStringLiteral("line-") + sfx);
}

// The Moody chart with the worked example, with a smooth pipe at Re 1e7, whose root lies below
// the grid, and with a very rough pipe (ε/D 0,14) at Re 100.000, whose root lies above it: every
// legend entry shows and the f axis extends above 0,1. The states come from the core
// calculation, as the pipe window's would.
void ventanasMoody(const QString &sfx, const QString &idioma) {
    namespace t = vorlo::tuberia;
    CamposMapa ejemplo = t::ejemploComoCampos();
    settle(ejemplo, [&](CamposTexto &c) {
        CalcularTuberia(c, idioma);
        PasoFriccionExacta(c, idioma);
    });
    CamposMapa liso({{t::Re, QStringLiteral("10.000.000")},
                     {t::Rugosidad, QStringLiteral("0")},
                     {t::dint, QStringLiteral("100")}});
    if (const auto f = Colebrook(0, 100, 1e7))
        liso.escribir(t::ffinal, formatoFijo(*f, 4).value_or(QString()));
    PasoFriccionExacta(liso, idioma);
    CamposMapa rugoso({{t::Re, QStringLiteral("100.000")},
                       {t::Rugosidad, QStringLiteral("14")},
                       {t::dint, QStringLiteral("100")}});
    if (const auto f = Colebrook(14, 100, 1e5))
        rugoso.escribir(t::ffinal, formatoFijo(*f, 4).value_or(QString()));
    PasoFriccionExacta(rugoso, idioma);

    const auto estado = [&](const CamposMapa &c) {
        return EstadoMoody{c.texto(t::Re), c.texto(t::ffinal), c.texto(t::Rugosidad),
                           c.texto(t::dint), c.texto(t::fexacta)};
    };
    abrirMoody(estado(ejemplo));
    guardar(ventanas().existente<FormMoody>(), QStringLiteral("moody-") + sfx);
    abrirMoody(estado(liso));
    guardar(ventanas().existente<FormMoody>(), QStringLiteral("moody-clipped-") + sfx);
    abrirMoody(estado(rugoso));
    guardar(ventanas().existente<FormMoody>(), QStringLiteral("moody-rough-") + sfx);
}

// Water and steam: boiler water at 10 bar a, 0,39 K below saturation, so the red note shows.
void ventanaAguaVapor(const QString &sfx) {
    abrirAguaVapor();
    auto *agua = ventanas().existente<FormAguaVapor>();
    if (!agua) {
        fallo(QStringLiteral("no water and steam window"));
        return;
    }
    teclear(agua, "TAgua", QStringLiteral("179.5"));
    teclear(agua, "PAgua", QStringLiteral("10"));
    guardar(agua, QStringLiteral("water-") + sfx);
}

// Line sizing of the worked example's water, 36 m3/h, within 2 m/s and 0,5 bar/100 m: 3" and
// the smaller sizes are too fast and lose too much, 3 1/2" is the pick.
void ventanaDimensionado(const QString &sfx) {
    abrirDimensionado({QStringLiteral("36"), QStringLiteral("998"), QStringLiteral("0,001"),
                       QStringLiteral("0,05")});
    auto *dimensionado = ventanas().existente<FormDimensionado>();
    teclear(dimensionado, "VmaxDim", QStringLiteral("2"));
    teclear(dimensionado, "DPmaxDim", QStringLiteral("0.5"));
    guardar(dimensionado, QStringLiteral("sizing-") + sfx);
}

// The fittings window under 2-K beside the worked example (DN 100, Re 127.065): two elbows and a
// swing check valve.
void ventanaAccesorios2K(const QString &sfx) {
    FormReynolds *tubo = ventanas().mostrar<FormReynolds>();
    for (const tuberia::TextoEjemplo &t : tuberia::ejemplo())
        teclear(tubo, qPrintable(t.campo), t.texto);
    pulsar(tubo, "Command3");
    auto *accesorios = ventanas().existente<FormAccesorios>();
    if (auto *metodo = hijo<QComboBox>(accesorios, "MetodoK"))
        metodo->setCurrentIndex(static_cast<int>(MetodoK::DosK));
    teclear(accesorios, "Naccesorios(0)", QStringLiteral("2"));
    teclear(accesorios, "Naccesorios(9)", QStringLiteral("1"));
    guardar(accesorios, QStringLiteral("fittings-2k-") + sfx);
}

// The worked example's calculation note with its header: the report details window that gives
// it, and the note as a PDF (note-es.pdf, note-en.pdf) whose first page and method page
// scripts/screenshots.sh turns into pictures.
void notaDeCalculo(const QString &sfx, bool es) {
    reiniciarCaso();
    FormReynolds *tubo = ventanas().mostrar<FormReynolds>();
    for (const tuberia::TextoEjemplo &t : tuberia::ejemplo())
        teclear(tubo, qPrintable(t.campo), t.texto);
    pulsar(tubo, "Command3"); // one threaded swing check valve at DN 100
    teclear(ventanas().existente<FormAccesorios>(), "Naccesorios(9)", QStringLiteral("1"));
    esperar();
    abrirDatosInforme();
    auto *datos = ventanas().existente<FormDatosInforme>();
    // Set rather than typed: the key events of the test library take ASCII only.
    const auto poner = [datos](const char *nombre, const QString &texto) {
        if (auto *e = hijo<QLineEdit>(datos, nombre))
            e->setText(texto);
    };
    poner("Proyecto", es ? QStringLiteral("Planta de tratamiento de agua")
                         : QStringLiteral("Water treatment plant"));
    poner("Linea", QStringLiteral("4\"-W-1001-A1"));
    poner("Revision", QStringLiteral("B"));
    poner("Preparado", QStringLiteral("A. Pérez"));
    poner("Revisado", QStringLiteral("M. Ruiz"));
    if (auto *obs = hijo<QPlainTextEdit>(datos, "Observaciones"))
        obs->setPlainText(es ? QStringLiteral("Caudal de diseño de invierno; tubería existente.")
                             : QStringLiteral("Winter design flow; existing pipe."));
    guardar(datos, QStringLiteral("report-details-") + sfx);
    const informe::Informe inf =
        informe::informeTuberia(*tubo, idiomaActual(), QDateTime(QDate(2024, 3, 5), QTime(9, 30)),
                                contextoInformeTuberia());
    const QString ruta =
        QDir(g_salida).filePath(QStringLiteral("note-") + sfx + g_sufijo + QStringLiteral(".pdf"));
    if (guardarInforme(ruta, inf))
        fallo(QStringLiteral("cannot write %1").arg(ruta));
}

void pantallaInicio(const QString &sfx, bool es) {
    // The start screen sets English when nothing is set; a flag click picks the other.
    auto *inicio = ventanas().mostrar<Form1>();
    if (es)
        inicio->Spain_Click();
    guardar(inicio, QStringLiteral("start-") + sfx);
}

// Every picture set by its name on the command line, in the order they are made.
struct Conjunto {
    const char *nombre;
    std::function<void(const QString &sfx, bool es, const QString &idioma)> hacer;
};

const QList<Conjunto> &conjuntos() {
    static const QList<Conjunto> l = {
        {"start", [](const QString &s, bool es, const QString &) { pantallaInicio(s, es); }},
        {"pipe", [](const QString &s, bool es, const QString &) { ventanasDelTubo(s, es); }},
        {"gas", [](const QString &s, bool es, const QString &) { ventanasDelGas(s, es); }},
        {"pipes", [](const QString &s, bool, const QString &) { ventanaTuberias(s); }},
        {"gasline", [](const QString &s, bool, const QString &) { ventanaLineaGas(s); }},
        {"moody", [](const QString &s, bool, const QString &i) { ventanasMoody(s, i); }},
        {"water", [](const QString &s, bool, const QString &) { ventanaAguaVapor(s); }},
        {"line", [](const QString &s, bool, const QString &) { ventanaLinea(s); }},
        {"sizing", [](const QString &s, bool, const QString &) { ventanaDimensionado(s); }},
        {"fittings-2k", [](const QString &s, bool, const QString &) { ventanaAccesorios2K(s); }},
        {"note", [](const QString &s, bool es, const QString &) { notaDeCalculo(s, es); }},
    };
    return l;
}

} // namespace

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vorlo"));
    QApplication::setWindowIcon(icono(QStringLiteral("vorlo")));
    // The pictures start from the settings of a first start and leave the user's own alone.
    AjustesEnMemoria ajustesPropios;
    fijarAjustes(&ajustesPropios);
    const QStringList args = QApplication::arguments();
    QStringList nombres;
    for (const Conjunto &c : conjuntos())
        nombres << QString::fromLatin1(c.nombre);
    if (args.size() < 2) {
        std::fprintf(stderr,
                     "usage: vorlo_screenshots OUTDIR [SUFFIX] [WINDOWS]\n"
                     "  WINDOWS: comma list of %s (default all)\n",
                     qPrintable(nombres.join(QLatin1Char(','))));
        return 2;
    }
    g_salida = args.at(1);
    g_sufijo = args.size() > 2 ? args.at(2) : QString();
    const QStringList cuales = args.size() > 3 ? args.at(3).split(QLatin1Char(',')) : nombres;
    QDir().mkpath(g_salida);

    for (const QString &idioma : {kEspanol, kIngles}) {
        const bool es = lenguaDe(idioma) == Lengua::Espanol;
        const QString sfx = es ? QStringLiteral("es") : QStringLiteral("en");
        for (const Conjunto &c : conjuntos()) {
            if (!cuales.contains(QString::fromLatin1(c.nombre)))
                continue;
            empezar(idioma);
            c.hacer(sfx, es, idioma);
        }
    }
    ventanas().cerrarTodas();
    return g_errores == 0 ? 0 : 1;
}
