#include "app/ajustes.h"
#include "app/case_entry.h"
#include "app/dialogos_archivo.h"
#include "app/gaspipe_entry.h"
#include "app/line_entry.h"
#include "app/message_boxes.h"
#include "app/open_windows.h"
#include "app/report_details_entry.h"
#include "app/texts.h"
#include "app/valve_entry.h"
#include "app/windows.h"
#include "cases/case_texts.h"
#include "fittings/fittings_fields.h"
#include "fittings/k_factors.h"
#include "results/results_io.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QPointer>
#include <QTimer>

namespace vorlo {

namespace {

constexpr int kRecientes = 8;

// What the program holds of the case besides the windows themselves.
struct EstadoCaso {
    QString ruta;
    // The case as it stood when opened, saved or started; the language is no input.
    QByteArray instantanea;
    // Windows' parts kept until the window opens (a case's, or a closed window's inputs).
    QMap<QString, caso::Ventana> pendientes;
    // Each window's inputs as it stood when created: a window left so is no change.
    QMap<QString, caso::Ventana> iniciales;
    bool retitulado = false;
    // The folder of the last case or results file opened in this run.
    QString carpeta;
};

EstadoCaso &estado() {
    static EstadoCaso e;
    return e;
}

// Each window's part of a case: how to read it from the window and how to put it back.
struct Parte {
    QString clave;
    QString objeto; // the window's objectName
    std::optional<caso::Ventana> (*leer)();
    void (*cargar)(const caso::Ventana &);
};

const QList<Parte> &partes() {
    static const QList<Parte> l = {
        {caso::Tuberia, QStringLiteral("FormReynolds"), &casoTuberia, &cargarCasoTuberia},
        {caso::Accesorios, QStringLiteral("FormAccesorios"), &casoAccesorios,
         &cargarCasoAccesorios},
        {caso::Gas, QStringLiteral("Form2"), &casoGas, &cargarCasoGas},
        {caso::LineaGas, QStringLiteral("FormLineaGas"), &casoLineaGas, &cargarCasoLineaGas},
        {caso::Agua, QStringLiteral("FormAguaVapor"), &casoAgua, &cargarCasoAgua},
        {caso::Dimensionado, QStringLiteral("FormDimensionado"), &casoDimensionado,
         &cargarCasoDimensionado},
        {caso::LineaBomba, QStringLiteral("FormLinea"), &casoLinea, &cargarCasoLinea},
        {caso::Gasoducto, QStringLiteral("FormGasoducto"), &casoGasoducto, &cargarCasoGasoducto},
        {caso::Valvula, QStringLiteral("FormValvula"), &casoValvula, &cargarCasoValvula},
        // The header lives apart from its window (no window's name): it is read and put back
        // whether the window is open or not.
        {caso::Informe, QString(), &casoDatosInforme, &cargarCasoDatosInforme},
    };
    return l;
}

// A window's part as far as it is an input: the fittings' K values that the pipe's diameter
// fills in are none, and a count of 0 (the fill writes the zeros) is no fitting, as an empty
// count is.
caso::Ventana comoEntrada(const QString &clave, caso::Ventana v) {
    if (clave != caso::Accesorios)
        return v;
    for (int fila = 0; fila < accesorios::kFilas; ++fila) {
        if (fila < accesorios::kPrimeraUsuario)
            v.textos.remove(accesorios::k(fila));
        const QString n = v.textos.value(accesorios::Naccesorios(fila));
        if (n.isEmpty() || n == QLatin1String("0"))
            v.textos.remove(accesorios::Naccesorios(fila));
    }
    return v;
}

// Whether a window's part holds nothing to lose: as the window was created, or every text
// empty or as it was then (a cleared screen).
bool sinEntradas(const QString &clave, const caso::Ventana &v) {
    const bool creada = estado().iniciales.contains(clave);
    const caso::Ventana inicial = comoEntrada(clave, estado().iniciales.value(clave));
    if (creada && v == inicial)
        return true;
    for (auto it = v.textos.cbegin(); it != v.textos.cend(); ++it)
        if (!it->isEmpty() && !(creada && inicial.textos.value(it.key()) == *it))
            return false;
    return true;
}

// What counts as a change: the inputs, not the language; a window as it was created or
// cleared is none.
QByteArray huella(caso::Caso c) {
    c.idioma = kIngles;
    for (auto it = c.ventanas.begin(); it != c.ventanas.end();) {
        *it = comoEntrada(it.key(), *it);
        if (sinEntradas(it.key(), *it))
            it = c.ventanas.erase(it);
        else
            ++it;
    }
    return caso::contenido(c);
}

void retitular() {
    estado().retitulado = false;
    retitularTuberia();
}

void tomarInstantanea() {
    estado().instantanea = huella(casoActual());
    retitular();
}

void anadirReciente(const QString &ruta) {
    QStringList l = casosRecientes();
    const QString absoluta = QFileInfo(ruta).absoluteFilePath();
    l.removeAll(absoluta);
    l.prepend(absoluta);
    ajustes().fijar(claves::CasosRecientes, l.mid(0, kRecientes));
}

void quitarReciente(const QString &ruta) {
    QStringList l = casosRecientes();
    l.removeAll(ruta);
    ajustes().fijar(claves::CasosRecientes, l);
}

// Unsaved work: save it, drop it, or stay (false).
bool confirmarDescartar(QWidget *padre) {
    if (!casoModificado())
        return true;
    switch (
        mensajes().cambiosSinGuardar(padre, textosCaso::kCambiosSinGuardar.en(lenguaActual()))) {
    case Mensajes::Cambios::Guardar:
        return guardarCaso(padre);
    case Mensajes::Cambios::Descartar:
        return true;
    case Mensajes::Cambios::Cancelar:
        break;
    }
    return false;
}

void avisarError(QWidget *padre, const resultados::ErrorArchivo &e) {
    mensajes().aviso(padre, e.texto(idiomaActual()), std::nullopt, Mensajes::Icono::Exclamacion);
}

// A window's inputs outlive it: closing one keeps its part for when it opens again, so that the
// case still holds what the window showed.
class GuardianPartes : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject *obj, QEvent *ev) override {
        if (ev->type() != QEvent::Close)
            return false;
        for (const Parte &p : partes())
            if (!p.objeto.isEmpty() && obj->objectName() == p.objeto)
                if (const auto v = p.leer())
                    estado().pendientes.insert(p.clave, *v);
        return false;
    }
};

// A window the register creates: its start is noted, then it takes the inputs a case left for
// it.
void alCrearVentana(QWidget *w) {
    static QPointer<GuardianPartes> guardian;
    if (!guardian)
        guardian = new GuardianPartes(qApp);
    for (const Parte &p : partes()) {
        if (w->objectName() != p.objeto)
            continue;
        w->installEventFilter(guardian);
        if (const auto inicial = p.leer())
            estado().iniciales.insert(p.clave, *inicial);
        if (estado().pendientes.contains(p.clave))
            p.cargar(estado().pendientes.take(p.clave));
    }
}

// The last visible window of the program closing asks about unsaved work first.
class VigilanteCierres : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject *obj, QEvent *ev) override {
        if (ev->type() != QEvent::Close)
            return false;
        auto *w = qobject_cast<QWidget *>(obj);
        if (!w || !w->isWindow() || !w->isVisible() || permitirCierre(w))
            return false;
        ev->ignore();
        return true;
    }
};

QAction *accion(QMenu *menu, const QString &nombre, const QKeySequence &atajo) {
    auto *a = new QAction(menu);
    a->setObjectName(nombre);
    if (!atajo.isEmpty())
        a->setShortcut(atajo);
    return a;
}

void llenarRecientes(QMenu *recientes, QWidget *ventana) {
    recientes->clear();
    const QStringList l = casosRecientes();
    for (const QString &ruta : l) {
        QAction *a = recientes->addAction(QFileInfo(ruta).fileName());
        a->setToolTip(QDir::toNativeSeparators(ruta));
        a->setData(ruta);
        QObject::connect(a, &QAction::triggered, ventana, [ventana, ruta] {
            if (!QFileInfo(ruta).isFile()) {
                quitarReciente(ruta);
                mensajes().aviso(ventana,
                                 textosCaso::kRecienteNoExiste.en(lenguaActual())
                                     .arg(QDir::toNativeSeparators(ruta)),
                                 std::nullopt, Mensajes::Icono::Exclamacion);
                return;
            }
            if (confirmarDescartar(ventana))
                abrirRuta(ventana, ruta);
        });
    }
    recientes->setEnabled(!l.isEmpty());
}

} // namespace

QString rutaCaso() {
    return estado().ruta;
}

bool casoModificado() {
    return huella(casoActual()) != estado().instantanea;
}

QString sufijoTitulo() {
    if (estado().ruta.isEmpty())
        return {};
    return QStringLiteral(" — ") + QFileInfo(estado().ruta).fileName() +
           (casoModificado() ? QStringLiteral("*") : QString());
}

void avisarCambioCaso() {
    // Many changes arrive together (nested passes): the title follows once they settled.
    if (estado().retitulado)
        return;
    estado().retitulado = true;
    QTimer::singleShot(0, qApp, &retitular);
}

void dejarPendiente(const QString &clave, const caso::Ventana &v) {
    estado().pendientes.insert(clave, v);
}

caso::Caso casoActual() {
    caso::Caso c;
    c.idioma = idiomaActual();
    for (const Parte &p : partes()) {
        if (const auto v = p.leer())
            c.ventanas.insert(p.clave, *v);
        else if (estado().pendientes.contains(p.clave))
            c.ventanas.insert(p.clave, estado().pendientes.value(p.clave));
    }
    return c;
}

void cargarCaso(const caso::Caso &c) {
    estado().pendientes.clear();
    idiomaTuberia(lenguaDe(c.idioma));
    // A case without a header gets a new case's.
    if (!c.ventanas.contains(caso::Informe))
        reiniciarDatosInforme();
    for (const Parte &p : partes()) {
        if (!c.ventanas.contains(p.clave))
            continue;
        const caso::Ventana &v = c.ventanas.value(p.clave);
        const QList<QWidget *> existentes = ventanas().existentes();
        const bool abierta =
            std::any_of(existentes.cbegin(), existentes.cend(),
                        [&p](const QWidget *w) { return w->objectName() == p.objeto; });
        // The pipe window shows the case; the others take their part when they open.
        if (abierta || p.clave == caso::Tuberia || p.objeto.isEmpty())
            p.cargar(v);
        else
            estado().pendientes.insert(p.clave, v);
    }
    abrirFormReynolds();
}

void nuevoCaso(QWidget *padre) {
    if (!confirmarDescartar(padre))
        return;
    // Every window as after start: the calculators cleared in place, the others gone (they
    // start afresh when opened).
    for (QWidget *w : ventanas().existentes()) {
        if (w->objectName() == QLatin1String("FormReynolds"))
            reiniciarTuberia();
        else if (w->objectName() == QLatin1String("Form2"))
            reiniciarGas();
        else if (w->objectName() != QLatin1String("Form1") && w != padre)
            delete w;
    }
    estado().pendientes.clear();
    estado().ruta.clear();
    reiniciarDatosInforme();
    tomarInstantanea();
}

void abrirDesdeMenu(QWidget *padre) {
    if (confirmarDescartar(padre))
        abrirArchivo();
}

void abrirCasoDialogo(QWidget *padre) {
    if (!confirmarDescartar(padre))
        return;
    // The folder of the case in hand, else of the last file opened, else of the last case.
    QString carpeta =
        estado().ruta.isEmpty() ? estado().carpeta : QFileInfo(estado().ruta).absolutePath();
    if (carpeta.isEmpty() && !casosRecientes().isEmpty())
        carpeta = QFileInfo(casosRecientes().first()).absolutePath();
    const Lengua l = lenguaActual();
    const auto ruta = dialogosArchivo().abrir(padre, textosCaso::kTituloAbrir.en(l),
                                              carpeta.isEmpty() ? QDir::currentPath() : carpeta,
                                              {textosCaso::kFiltroAbrir.en(l)});
    if (ruta && !ruta->isEmpty())
        abrirRuta(padre, *ruta);
}

bool abrirRuta(QWidget *padre, const QString &ruta) {
    estado().carpeta = QFileInfo(ruta).absolutePath();
    if (caso::esCaso(ruta)) {
        const auto leido = caso::leer(ruta);
        if (const auto *e = std::get_if<resultados::ErrorArchivo>(&leido)) {
            avisarError(padre, *e);
            return false;
        }
        cargarCaso(std::get<caso::Caso>(leido));
        estado().ruta = QFileInfo(ruta).absoluteFilePath();
        anadirReciente(ruta);
    } else {
        const auto leido = resultados::leer(ruta);
        if (const auto *e = std::get_if<resultados::ErrorArchivo>(&leido)) {
            avisarError(padre, *e);
            return false;
        }
        abrirEnTuberia(std::get<resultados::Resultados>(leido));
        // A results file is no case: saving asks for a name.
        estado().ruta.clear();
    }
    tomarInstantanea();
    return true;
}

void resultadosGuardados() {
    // The results file holds the pipe window: saved, nothing is left to ask about unless another
    // window holds inputs or a case file is open.
    if (!estado().ruta.isEmpty())
        return;
    caso::Caso c = casoActual();
    c.ventanas.remove(caso::Tuberia);
    c.ventanas.remove(caso::Informe);
    for (auto it = c.ventanas.cbegin(); it != c.ventanas.cend(); ++it)
        if (!sinEntradas(it.key(), comoEntrada(it.key(), *it)))
            return;
    tomarInstantanea();
}

bool guardarCaso(QWidget *padre) {
    if (estado().ruta.isEmpty())
        return guardarCasoComo(padre);
    if (const auto e = caso::guardar(estado().ruta, casoActual())) {
        avisarError(padre, *e);
        return false;
    }
    anadirReciente(estado().ruta);
    tomarInstantanea();
    return true;
}

bool guardarCasoComo(QWidget *padre) {
    const Lengua l = lenguaActual();
    const QString propuesta = estado().ruta.isEmpty()
                                  ? QDir::current().filePath(textosCaso::kNombreNuevo.en(l))
                                  : estado().ruta;
    const QStringList filtros = {textosCaso::kFiltro.en(l)};
    const auto eleccion = dialogosArchivo().guardarComo(padre, textosCaso::kTituloGuardarComo.en(l),
                                                        propuesta, filtros);
    if (!eleccion || eleccion->ruta.isEmpty())
        return false;
    const QString ruta = rutaConExtension(*eleccion, filtros);
    if (const auto e = caso::guardar(ruta, casoActual())) {
        avisarError(padre, *e);
        return false;
    }
    estado().ruta = QFileInfo(ruta).absoluteFilePath();
    anadirReciente(ruta);
    tomarInstantanea();
    return true;
}

void salir(QWidget *padre) {
    if (!confirmarDescartar(padre))
        return;
    // Nothing is left to ask about: the windows close without a second question.
    estado().instantanea = huella(casoActual());
    QApplication::closeAllWindows();
}

QStringList casosRecientes() {
    return ajustes().valor(claves::CasosRecientes).toStringList().mid(0, kRecientes);
}

bool permitirCierre(QWidget *ventana) {
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w != ventana && w->isVisible() && w->isWindow() && !w->parentWidget())
            return true; // not the last window
    return confirmarDescartar(ventana);
}

void reiniciarCaso() {
    estado() = EstadoCaso();
    reiniciarDatosInforme();
    ventanas().fijarAlCrear(&alCrearVentana);
    tomarInstantanea();
}

void vigilarCierres() {
    static QPointer<VigilanteCierres> vigilante;
    if (!vigilante) {
        vigilante = new VigilanteCierres(qApp);
        qApp->installEventFilter(vigilante);
    }
    reiniciarCaso();
}

void anadirMenuCaso(QWidget *ventana, QMenu *archivo) {
    const QList<QAction *> previas = archivo->actions();
    QAction *abrir = nullptr;
    for (QAction *a : previas)
        if (a->objectName() == QLatin1String("Abrir"))
            abrir = a;
    if (!abrir) {
        abrir = accion(archivo, QStringLiteral("Abrir"), {});
        QObject::connect(abrir, &QAction::triggered, ventana,
                         [ventana] { abrirDesdeMenu(ventana); });
    }
    // Ctrl+O opens the standard file dialog; Open stays the results-file browser.
    abrir->setShortcut(QKeySequence());
    QAction *abrirCaso = accion(archivo, QStringLiteral("AbrirCaso"), QKeySequence::Open);
    QAction *nuevo = accion(archivo, QStringLiteral("NuevoCaso"), QKeySequence::New);
    QAction *guardar = accion(archivo, QStringLiteral("GuardarCaso"), QKeySequence::Save);
    QAction *guardarComo = accion(archivo, QStringLiteral("GuardarCasoComo"),
                                  QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    QAction *datos = accion(archivo, QStringLiteral("DatosInforme"), {});
    QAction *salirA = accion(archivo, QStringLiteral("Salir"), QKeySequence::Quit);
    auto *recientes = new QMenu(archivo);
    recientes->setObjectName(QStringLiteral("Recientes"));

    // New, Open, Open recent, Save case, Save case as, Report details; then what the menu had;
    // Quit last.
    for (QAction *a : previas)
        archivo->removeAction(a);
    archivo->addActions({nuevo, abrirCaso, abrir});
    archivo->addMenu(recientes);
    archivo->addActions({guardar, guardarComo, datos});
    for (QAction *a : previas)
        if (a != abrir)
            archivo->addAction(a);
    archivo->addSeparator();
    archivo->addAction(salirA);

    QObject::connect(nuevo, &QAction::triggered, ventana, [ventana] { nuevoCaso(ventana); });
    QObject::connect(abrirCaso, &QAction::triggered, ventana,
                     [ventana] { abrirCasoDialogo(ventana); });
    QObject::connect(guardar, &QAction::triggered, ventana, [ventana] { guardarCaso(ventana); });
    QObject::connect(guardarComo, &QAction::triggered, ventana,
                     [ventana] { guardarCasoComo(ventana); });
    QObject::connect(salirA, &QAction::triggered, ventana, [ventana] { salir(ventana); });
    QObject::connect(datos, &QAction::triggered, ventana, [] { abrirDatosInforme(); });
    QObject::connect(recientes, &QMenu::aboutToShow, ventana,
                     [recientes, ventana] { llenarRecientes(recientes, ventana); });
    llenarRecientes(recientes, ventana);
    anadirMenuAyuda(ventana);
    traducirMenuCaso(ventana, lenguaActual());
}

void traducirMenuCaso(QWidget *ventana, Lengua lengua) {
    aplicarTextos(ventana, textosCaso::textosMenu(), lengua);
    aplicarTextos(ventana, textosCaso::textosAyuda(), lengua);
}

} // namespace vorlo
