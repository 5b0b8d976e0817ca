#include "form_reynolds.h"

#include "app/ajustes.h"
#include "app/case_entry.h"
#include "app/colours.h"
#include "app/gasline_entry.h"
#include "app/gaspipe_entry.h"
#include "app/globals.h"
#include "app/hijos.h"
#include "app/icons.h"
#include "app/key_filter.h"
#include "app/layout_tools.h"
#include "app/line_entry.h"
#include "app/message_boxes.h"
#include "app/moody_entry.h"
#include "app/open_windows.h"
#include "app/pipes_entry.h"
#include "app/sizing_entry.h"
#include "app/texts.h"
#include "app/valve_entry.h"
#include "app/water_entry.h"
#include "app/windows.h"
#include "fields/language.h"
#include "fields/numbers.h"
#include "pipeflow/form_reynolds_erosional.h"
#include "pipeflow/form_reynolds_tables.h"
#include "pipeflow/form_reynolds_texts.h"
#include "pipeflow/friccion_exacta.h"
#include "pipeflow/pipe_checks.h"
#include "pipeflow/pipe_erosional.h"
#include "pipeflow/pipe_flow.h"
#include "pipeflow/pipe_notes.h"
#include "pipeflow/regimen.h"
#include "report/report.h"
#include "report/report_actions.h"
#include "results/results_file.h"
#include "ui_form_reynolds.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>

namespace vorlo {

// When the pipe flow pass runs, and why each trigger exists:
// - Text change of an input (Qproceso, dproceso, the viscosities, Rugosidad, L, ...): the pass
//   runs at once, nested inside the write that changed the text. A result written by a pass is
//   a text change too, so passes nest until a write changes nothing; later steps therefore see
//   the rounded texts earlier steps wrote. A dint change also empties ktotal, whose K factors
//   belong to the old diameter.
// - Timer1, every 200 ms while an input changed since the last pass: picks up changes that
//   raise no pass of their own (Desnivel and ktotal, written by the user or the fittings
//   window). It sleeps while nothing changes, so an idle window costs nothing.
// - Losing the focus of most fields: dproceso is rounded to two decimals when the user leaves
//   it, and leaving Re clears the friction note before recomputing.
// - Activation of the window: values handed over while another window was in front are taken
//   up as soon as the user comes back.
// The timer, the focus and the activation run a pass only when an input changed: the totals a
// double click on DPbar shows then stay readable until the user changes something.

FormReynolds::FormReynolds(QWidget *parent)
    : QMainWindow(parent), ui(std::make_unique<Ui::FormReynolds>()) {
    ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("FormReynolds"));
    ui->Edicion->setObjectName(QStringLiteral("Edición"));
    setWindowIcon(icono(QStringLiteral("vorlo")));
    m_control.alTerminar([this] { avisarEntradas(); });

    for (QLineEdit *e : findChildren<QLineEdit *>())
        m_campos.insert(e->objectName(), e);
    for (QLabel *l : findChildren<QLabel *>())
        m_etiquetas.insert(l->objectName(), l);
    for (QRadioButton *b : findChildren<QRadioButton *>())
        m_opciones.insert(b->objectName(), b);
    m_opciones.insert(tuberia::CheckExacto, ui->CheckExacto);
    // The exact mode as the user left it.
    ui->CheckExacto->setChecked(ajustes().valor(claves::ResultadosExactos, false).toBool());

    ui->Picture1->setIcon(icono(QStringLiteral("flag_en")));
    ui->Spain->setIcon(icono(QStringLiteral("flag_es")));
    ui->Command18->setIcon(icono(QStringLiteral("clear")));
    ui->Command4->setIcon(icono(QStringLiteral("liquids")));
    ui->Command5->setIcon(icono(QStringLiteral("gases")));
    ui->Command6->setIcon(icono(QStringLiteral("material")));
    ui->ktotal->setToolTip(
        QStringLiteral("Pulsar botón \"Seleccionar Accesorios\" para calcular Ktotal"));
    ui->MensajeAyuda->setFrameShape(QFrame::StyledPanel);
    // The exact root's note takes up to two lines; room for them is kept, so that a longer note
    // never squeezes the fields of a window at its smallest.
    ui->Labelfexacta->setMinimumHeight(2 * ui->Labelfexacta->fontMetrics().lineSpacing() + 2);

    // The caption columns of the three sections line up, wide enough for either language.
    igualarColumna({ui->gridDatos, ui->gridFriccion, ui->gridAccesorios}, 0, textosFormReynolds());
    // Picture buttons are named after their tooltips; the clear button after its menu item.
    for (QWidget *b : {static_cast<QWidget *>(ui->Command4), static_cast<QWidget *>(ui->Command5),
                       static_cast<QWidget *>(ui->Command6), static_cast<QWidget *>(ui->Picture1),
                       static_cast<QWidget *>(ui->Spain)})
        nombrarComoTooltip(b);
    auto nombrarBorrar = [this] {
        ui->Command18->setToolTip(ui->Borrar_Pantalla->text());
        ui->Command18->setAccessibleName(ui->Borrar_Pantalla->text());
    };
    nombrarBorrar();
    connect(ui->Borrar_Pantalla, &QAction::changed, this, nombrarBorrar);

    // The mode and the viscosity choice are two independent pairs.
    auto *modo = new QButtonGroup(this);
    modo->addButton(ui->Option1);
    modo->addButton(ui->Option2);
    auto *viscosidad = new QButtonGroup(this);
    viscosidad->addButton(ui->Option3);
    viscosidad->addButton(ui->Option4);
    ui->Option1->setChecked(true);
    ui->Option3->setChecked(true);

    // Design state: liquids, dynamic viscosity, elevation 0.
    ui->Desnivel->setText(QStringLiteral("0"));
    for (QWidget *w :
         {static_cast<QWidget *>(ui->Label25), static_cast<QWidget *>(ui->Vcinematica),
          static_cast<QWidget *>(ui->Command17), static_cast<QWidget *>(ui->Command5),
          static_cast<QWidget *>(ui->Command7), static_cast<QWidget *>(ui->CommandLineaGas)})
        w->hide();

    m_filtro = new FiltroTeclas(FiltroTeclas::reglaNumerica(), this);
    for (const QString &n : reynolds::kConFiltro)
        m_filtro->instalar(campo(n));

    restablecerColores();
    conectarEventos();

    // Load: the language as by the flags.
    cambiarLengua(lenguaActual());

    m_timer1 = new QTimer(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(200);
    connect(m_timer1, &QTimer::timeout, this, &FormReynolds::Timer1_Timer);
    // Any change of an input wakes the timer; its next tick runs the pass.
    for (const QString &n : tuberia::entradas()) {
        if (QLineEdit *e = campo(n))
            connect(e, &QLineEdit::textChanged, this, &FormReynolds::despertarTimer);
        else if (QAbstractButton *b = m_opciones.value(n))
            connect(b, &QAbstractButton::toggled, this, &FormReynolds::despertarTimer);
    }
    m_timer1->start();

    // Initialize.
    CalcularTuberia();
    anadirErosional(this);
    // The erosional constant is the user's choice, kept with the case.
    if (QLineEdit *c = findChild<QLineEdit *>(tuberia::CErosional)) {
        m_campos.insert(tuberia::CErosional, c);
        connect(c, &QLineEdit::textChanged, this, [] { avisarCambioCaso(); });
    }
}

FormReynolds::~FormReynolds() = default;

void FormReynolds::conectarEventos() {
    // Each change goes to the calculator's controller, which says what it triggers.
    const auto reaccion = [this](const QString &n) {
        return [this, n](const QString &t) { m_control.alCambiar(*this, n, t, idiomaActual()); };
    };
    for (const QString &n : reynolds::kRecalculanAlCambiar)
        connect(campo(n), &QLineEdit::textChanged, this, reaccion(n));
    // A diameter typed, pasted, cleared or opened from a file is no longer the picked pipe's.
    connect(ui->dint, &QLineEdit::textChanged, ui->LabelTuberia, &QLabel::clear);
    // The fittings' methods that take the Reynolds number follow it.
    connect(ui->Re, &QLineEdit::textChanged, this,
            [](const QString &re) { actualizarReynoldsAccesorios(re); });
    connect(ui->CommandTuberia, &QPushButton::clicked, this, &FormReynolds::CommandTuberia_Click);
    connect(ui->CommandLineaGas, &QPushButton::clicked, this, &FormReynolds::CommandLineaGas_Click);
    // The Moody chart follows the four texts its point depends on, and the exact root.
    connect(ui->CommandMoody, &QPushButton::clicked, this, [this] { abrirMoody(estadoMoody()); });
    connect(ui->Moody, &QAction::triggered, this, [this] { abrirMoody(estadoMoody()); });
    connect(ui->CommandAguaVapor, &QPushButton::clicked, this, [] { abrirAguaVapor(); });
    connect(ui->AguaVapor, &QAction::triggered, this, [] { abrirAguaVapor(); });
    // The line window starts from this window's fluid and pipe as its first segment.
    const auto abrirLineaBomba = [this] {
        using namespace tuberia;
        abrirLinea(
            {texto(Qproceso), texto(dproceso),
             ui->Option4->isChecked() ? productoDeTextos(Vcinematica, dproceso) : texto(vdinamica),
             texto(dint), texto(L), texto(Desnivel), texto(Rugosidad), texto(ktotal)});
    };
    connect(ui->CommandLinea, &QPushButton::clicked, this, abrirLineaBomba);
    connect(ui->LineaBomba, &QAction::triggered, this, abrirLineaBomba);
    // The control valve window takes this window's fluid: flow, density and viscosity.
    connect(ui->CommandValvula, &QPushButton::clicked, this, [this] {
        using namespace tuberia;
        abrirValvulaDesdeTuberia({!ui->Option1->isChecked(), texto(Qproceso), texto(dproceso),
                                  ui->Option4->isChecked() ? productoDeTextos(Vcinematica, dproceso)
                                                           : texto(vdinamica)});
    });
    connect(ui->Valvula, &QAction::triggered, this, [] { abrirValvula(); });
    connect(ui->Gasoducto, &QAction::triggered, this, [] { abrirGasoducto(); });
    connect(ui->CommandDimensionar, &QPushButton::clicked, this,
            &FormReynolds::CommandDimensionar_Click);
    connect(ui->Dimensionado, &QAction::triggered, this, &FormReynolds::CommandDimensionar_Click);
    for (QLineEdit *e : {ui->Re, ui->ffinal, ui->Rugosidad, ui->dint, ui->fexacta})
        connect(e, &QLineEdit::textChanged, this, [this] { actualizarMoody(estadoMoody()); });
    // A new diameter: a pass, then the K total emptied (the K factors belong to the old one).
    connect(ui->dint, &QLineEdit::textChanged, this, reaccion(tuberia::dint));

    for (QLineEdit *e : std::as_const(m_campos)) {
        e->installEventFilter(this);
        e->setMouseTracking(true);
    }
    for (const QString &n : reynolds::kCalculables) {
        if (QLabel *l = etiqueta(n)) {
            l->installEventFilter(this);
            l->setMouseTracking(true);
        }
    }
    ui->Command3->installEventFilter(this);
    ui->Command3->setMouseTracking(true);
    for (QWidget *w :
         {static_cast<QWidget *>(ui->centralwidget), static_cast<QWidget *>(ui->MarcoDatos),
          static_cast<QWidget *>(ui->MarcoFriccion), static_cast<QWidget *>(ui->MarcoAccesorios)}) {
        w->installEventFilter(this);
        w->setMouseTracking(true);
    }
    setMouseTracking(true);

    // A click on the mode already selected changes nothing: it must not wipe the user's data.
    connect(ui->Option1, &QRadioButton::clicked, this, [this] {
        if (!m_liquidos)
            Option1_Click();
    });
    connect(ui->Option2, &QRadioButton::clicked, this, [this] {
        if (m_liquidos)
            Option2_Click();
    });
    connect(ui->Option3, &QRadioButton::clicked, this, &FormReynolds::Option3_Click);
    connect(ui->CheckExacto, &QCheckBox::clicked, this, &FormReynolds::CheckExacto_Click);
    connect(ui->Option4, &QRadioButton::clicked, this, &FormReynolds::Option4_Click);
    connect(ui->Picture1, &QToolButton::clicked, this, &FormReynolds::Picture1_Click);
    connect(ui->Spain, &QToolButton::clicked, this, &FormReynolds::Spain_Click);
    connect(ui->Command18, &QToolButton::clicked, this, &FormReynolds::Borrar);
    connect(ui->Borrar_Pantalla, &QAction::triggered, this, &FormReynolds::Borrar);
    connect(ui->Guardar, &QAction::triggered, this, [] { abrirGuardar(); });
    // Copy, export and print, each from the window's texts as they are when chosen.
    ui->Archivo->addSeparator();
    ui->Archivo->addActions(crearAccionesInforme(this, [this] {
        return informe::informeTuberia(*this, idiomaActual(), QDateTime::currentDateTime(),
                                       contextoInformeTuberia());
    }));
    connect(ui->Abrir, &QAction::triggered, this, [this] { abrirDesdeMenu(this); });
    // The case's entries around Open: New case, Open recent, Save case, Save case as, Quit.
    anadirMenuCaso(this, ui->Archivo);
    connect(ui->Command3, &QPushButton::clicked, this, &FormReynolds::Command3_Click);
    connect(ui->Command4, &QToolButton::clicked, this, &FormReynolds::Command4_Click);
    connect(ui->Command5, &QToolButton::clicked, this, [] { abrirViscosidadGases(); });
    connect(ui->Command6, &QToolButton::clicked, this, [] { abrirMateriales(); });
    connect(ui->Command7, &QPushButton::clicked, this, &FormReynolds::Command7_Click);

    // The unit buttons: an input's converter edits its value, a result's only shows it.
    for (const Campo &c : tuberia::campos().campos()) {
        if (c.magnitud.isEmpty())
            continue;
        QWidget *destino = campo(c.nombre) ? static_cast<QWidget *>(campo(c.nombre))
                                           : static_cast<QWidget *>(etiqueta(c.nombre));
        conectarBotonUnidad(hijo<QAbstractButton>(this, c.controlUnidad), destino, c.magnitud,
                            c.rol == Rol::Entrada ? ModoConversor::Edicion : ModoConversor::Vista);
    }
}

QLineEdit *FormReynolds::campo(const QString &nombre) const {
    return m_campos.value(nombre);
}

QLabel *FormReynolds::etiqueta(const QString &nombre) const {
    return m_etiquetas.value(nombre);
}

QString FormReynolds::texto(const QString &nombre) const {
    if (QLineEdit *e = campo(nombre))
        return e->text();
    if (QLabel *l = etiqueta(nombre))
        return l->text();
    return {};
}

void FormReynolds::escribir(const QString &nombre, const QString &t) {
    if (nombre == tuberia::DP || nombre == tuberia::DPbar) {
        if (m_escribiendoTotales)
            m_totalesEscritos = true;
        else if (m_totales && texto(nombre) != t)
            mostrarUnidadesTotales(false); // the values per metre are back
    }
    if (QLineEdit *e = campo(nombre)) {
        // An identical text is no change and raises no change event.
        if (e->text() != t)
            e->setText(t);
    } else if (QLabel *l = etiqueta(nombre)) {
        if (l->text() != t)
            l->setText(t);
    }
}

bool FormReynolds::opcion(const QString &nombre) const {
    const QAbstractButton *b = m_opciones.value(nombre);
    return b && b->isChecked();
}

void FormReynolds::escribirColor(const QString &nombre, ColorNota color) {
    if (QLabel *l = etiqueta(nombre))
        fijarColorTexto(l, color == ColorNota::Rojo ? kColorRojo
                                                    : QPalette().color(QPalette::WindowText));
}

void FormReynolds::CalcularTuberia() {
    m_control.pasada(*this, idiomaActual());
}

// After a pass has settled: what is wrong with the inputs, if anything, on the help line.
void FormReynolds::avisarEntradas() {
    const auto aviso = tuberia::avisoEntradas(*this);
    m_aviso = aviso ? std::optional(aviso->texto) : std::nullopt;
    actualizarAyuda();
}

bool FormReynolds::entradasCambiadas() const {
    return m_control.entradasCambiadas(*this);
}

// The timer and the focus run a pass only when an input changed since the last one: the totals
// a double click on DPbar shows then stay readable, and an idle window costs nothing.
void FormReynolds::calcularSiCambio() {
    if (entradasCambiadas())
        CalcularTuberia();
}

// With no input changed since the last pass the timer sleeps until an input's text or option
// changes (whoever writes it), so an idle window is never woken.
void FormReynolds::Timer1_Timer() {
    if (entradasCambiadas())
        CalcularTuberia();
    else
        m_timer1->stop();
}

void FormReynolds::despertarTimer() {
    avisarCambioCaso();
    if (m_timer1 && !m_timer1->isActive())
        m_timer1->start();
}

void FormReynolds::changeEvent(QEvent *ev) {
    if (ev->type() == QEvent::ActivationChange && isActiveWindow())
        calcularSiCambio();
    QMainWindow::changeEvent(ev);
}

void FormReynolds::aplicarModo(bool liquidos) {
    m_liquidos = liquidos;
    ui->Option1->setChecked(liquidos);
    ui->Option2->setChecked(!liquidos);
    ui->Command4->setVisible(liquidos);
    ui->Command7->setVisible(!liquidos);
    ui->CommandLineaGas->setVisible(!liquidos);
    ui->Command5->setVisible(!liquidos);
    static const QStringList soloLiquidos = reynolds::soloLiquidos();
    fijarVisibles(this, soloLiquidos, liquidos);
    // The window follows its content's height (gases mode hides three rows), unless the user
    // maximized it; queued so that the layout has taken the new rows into account.
    QTimer::singleShot(0, this, [this] {
        if (isMaximized() || isFullScreen())
            return;
        // The minimum the layout imposes must drop first, or the window cannot shrink.
        ui->centralwidget->layout()->activate();
        layout()->activate();
        resize(width(), sizeHint().height());
    });
}

void FormReynolds::aplicarViscosidad(bool dinamica) {
    ui->Option3->setChecked(dinamica);
    ui->Option4->setChecked(!dinamica);
    ui->Label3->setVisible(dinamica);
    ui->vdinamica->setVisible(dinamica);
    ui->Command12->setVisible(dinamica);
    ui->Label25->setVisible(!dinamica);
    ui->Vcinematica->setVisible(!dinamica);
    ui->Command17->setVisible(!dinamica);
}

void FormReynolds::Option1_Click() {
    aplicarModo(true);
    for (const QString &n : reynolds::kVaciadosAlCambiarModo)
        escribir(n, QString());
}

void FormReynolds::Option2_Click() {
    aplicarModo(false);
    for (const QString &n : reynolds::kVaciadosAlCambiarModo)
        escribir(n, QString());
}

void FormReynolds::CheckExacto_Click() {
    ajustes().fijar(claves::ResultadosExactos, ui->CheckExacto->isChecked());
    // Values kept by the other mode describe nothing shown now.
    m_control.olvidarExactos();
    CalcularTuberia();
}

void FormReynolds::Option3_Click() {
    aplicarViscosidad(true);
}

void FormReynolds::Option4_Click() {
    aplicarViscosidad(false);
}

void FormReynolds::actualizarTitulo() {
    setWindowTitle(tuberia::campos().titulo().en(lenguaActual()) + sufijoTitulo());
}

void FormReynolds::cambiarLengua(Lengua lengua) {
    cambiarIdioma(this, textosFormReynolds(), lengua);
    aplicarTextos(this, textosAccionesInforme(), lengua);
    traducirMenuCaso(this, lengua);
    actualizarTitulo();
    // The notes and the help line in the new language from what the window shows now: a pass
    // would put the per-metre values back over totals a double click on DPbar wrote.
    notasEnLengua(*this, idiomaDe(lengua),
                  ui->CheckExacto->isChecked() ? &m_control.exactos() : nullptr);
    actualizarAyuda();
    ajustarAlContenido(this);
}

void FormReynolds::mostrarPista(const TextoBilingue &pista) {
    m_pista = &pista;
    actualizarAyuda();
}

void FormReynolds::tomarTuberiaDimensionada(const QString &diametroInterior,
                                            const QString &designacion) {
    if (!ui->CheckExacto->isChecked()) {
        ui->CheckExacto->setChecked(true);
        CheckExacto_Click();
    }
    escribir(tuberia::dint, diametroInterior);
    // The window clears the designation on any change of dint: it is named after the write.
    escribir(tuberia::LabelTuberia, designacion);
    mostrarPista(pistaExactoDimensionado());
}

void FormReynolds::actualizarAyuda() {
    const Lengua lengua = lenguaActual();
    if (m_aviso)
        ui->MensajeAyuda->setText(m_aviso->en(lengua));
    else if (m_pista)
        ui->MensajeAyuda->setText(m_pista->en(lengua));
    else if (ui->MensajeAyuda->palette().color(QPalette::WindowText) == kColorRojo)
        ui->MensajeAyuda->setText(pistaGeneral().en(lengua)); // the warning no longer holds
    fijarColorTexto(ui->MensajeAyuda,
                    m_aviso ? kColorRojo : QPalette().color(QPalette::WindowText));
}

void FormReynolds::Borrar() {
    for (const QString &n : reynolds::kVaciadosAlBorrar)
        escribir(n, QString());
}

void FormReynolds::DPbar_DblClick() {
    m_escribiendoTotales = true;
    m_totalesEscritos = false;
    CamposExactos exactos(*this, m_control.exactos());
    const auto m = ui->CheckExacto->isChecked() ? PerdidaTramoTotal(exactos, idiomaActual())
                                                : PerdidaTramoTotal(*this, idiomaActual());
    m_escribiendoTotales = false;
    if (m_totalesEscritos)
        mostrarUnidadesTotales(true);
    if (m)
        mensajes().aviso(this, m->texto, m->titulo, Mensajes::Icono::Exclamacion);
}

// The captions beside DP and DPbar follow what the two hold: per metre, or the totals over
// the length that a double click on DPbar writes.
void FormReynolds::mostrarUnidadesTotales(bool totales) {
    m_totales = totales;
    ui->unidadDP->setText(totales ? QStringLiteral("( Pa )") : QStringLiteral("( kPa/m )"));
    ui->Command13->setText(totales ? QStringLiteral("( bar )") : QStringLiteral("( bar/m )"));
    if (totales)
        mostrarPista(pistaTotales());
}

void FormReynolds::restablecerColores() {
    for (const QString &n : reynolds::kEntradas)
        fijarFondo(campo(n), kColorEntrada);
    for (const QString &n : reynolds::kCalculables) {
        if (QLineEdit *e = campo(n))
            fijarFondo(e, kColorCalculable);
        else if (QLabel *l = etiqueta(n))
            fijarFondo(l, kColorCalculable);
    }
}

bool FormReynolds::esSuperficie(const QObject *obj) const {
    return obj == ui->centralwidget || obj == ui->MarcoDatos || obj == ui->MarcoFriccion ||
           obj == ui->MarcoAccesorios;
}

void FormReynolds::alPasarRaton(QObject *obj) {
    const QString nombre = obj->objectName();
    if (esSuperficie(obj)) {
        restablecerColores();
        mostrarPista(pistaGeneral());
        return;
    }
    if (nombre == tuberia::fexacta)
        mostrarPista(pistaFexacta());
    if (nombre == tuberia::Qproceso || nombre == tuberia::dproceso) {
        mostrarPista(nombre == tuberia::Qproceso ? pistaCaudal() : pistaDensidad());
        return;
    }
    const auto re = leerNumero(ui->Re->text());
    const QStringList rojos = reynolds::necesarios(
        nombre, ui->Option3->isChecked(), ui->Option4->isChecked(), !re || *re < kReLaminar);
    for (const QString &n : rojos) {
        if (QLineEdit *e = campo(n))
            fijarFondo(e, kColorRojo);
        else if (QLabel *l = etiqueta(n))
            fijarFondo(l, kColorRojo);
    }
}

void FormReynolds::alPerderFoco(QObject *obj) {
    const QString nombre = obj->objectName();
    if (nombre == tuberia::dproceso) {
        if (!ui->dproceso->text().isEmpty()) {
            if (const auto v = leerNumero(ui->dproceso->text()))
                if (const auto t = formatoFijo(*v, 2))
                    escribir(tuberia::dproceso, *t);
        }
        CalcularTuberia();
    } else if (nombre == tuberia::Re) {
        ui->Labelffriccion->clear();
        CalcularTuberia();
    } else if (reynolds::kRecalculanAlSalir.contains(nombre)) {
        CalcularTuberia();
    }
}

bool FormReynolds::eventFilter(QObject *obj, QEvent *ev) {
    switch (ev->type()) {
    case QEvent::MouseMove:
        alPasarRaton(obj);
        // A move over a field stops there: the surface behind it would reset the colours.
        if (!esSuperficie(obj) && static_cast<QMouseEvent *>(ev)->buttons() == Qt::NoButton)
            return true;
        break;
    case QEvent::FocusOut:
        if (qobject_cast<QLineEdit *>(obj))
            alPerderFoco(obj);
        break;
    case QEvent::MouseButtonDblClick:
        if (obj == ui->DPbar)
            DPbar_DblClick();
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(obj, ev);
}

} // namespace vorlo
