#include "form2.h"

#include "app/case_entry.h"
#include "app/colours.h"
#include "app/globals.h"
#include "app/hijos.h"
#include "app/icons.h"
#include "app/key_filter.h"
#include "app/layout_tools.h"
#include "app/message_boxes.h"
#include "app/open_windows.h"
#include "app/report_details_entry.h"
#include "app/texts.h"
#include "app/windows.h"
#include "fields/language.h"
#include "fields/numbers.h"
#include "gas/ayuda_gases.h"
#include "gas/form2_tables.h"
#include "gas/form2_texts.h"
#include "gas/gas_checks.h"
#include "gas/gas_state.h"
#include "gas/linea.h"
#include "report/report.h"
#include "report/report_actions.h"
#include "ui_form2.h"
#include "units/conversionuds.h"

#include <QButtonGroup>
#include <QDateTime>
#include <QHBoxLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QVBoxLayout>

namespace vorlo {

Form2::Form2(QWidget *parent) : QWidget(parent), ui(std::make_unique<Ui::Form2>()) {
    ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(kTituloForm2);
    setWindowIcon(icono(QStringLiteral("vorlo")));

    // Initial texts, every field white; no calculation until something changes.
    for (const QString &n : gas::campos()) {
        QLineEdit *e = hijo<QLineEdit>(this, n);
        if (!e)
            continue;
        m_campos.insert(n, e);
        e->setText(gas::textoInicial(n));
        fijarFondo(e, kColorEntrada);
    }

    ui->Picture1->setIcon(icono(QStringLiteral("flag_en")));
    ui->Spain->setIcon(icono(QStringLiteral("flag_es")));
    ui->Picture1->setToolTip(QStringLiteral("English"));
    ui->Spain->setToolTip(QStringLiteral("Español"));
    ui->Command4->setIcon(icono(QStringLiteral("help")));
    ui->Command5->setIcon(icono(QStringLiteral("clear")));
    // Picture buttons are named after their tooltips (the help button after its window).
    ui->Command4->setToolTip(kTituloAyudaGases);
    for (QWidget *b : {static_cast<QWidget *>(ui->Picture1), static_cast<QWidget *>(ui->Spain),
                       static_cast<QWidget *>(ui->Command4), static_cast<QWidget *>(ui->Command5)})
        nombrarComoTooltip(b);
    ui->Label4->setToolTip(kTooltipLabel4);
    ui->Label8->setToolTip(kTooltipLabel8);
    for (const form2::BotonUnidad &b : form2::botonesUnidad())
        if (QWidget *w = hijo<QWidget>(this, b.boton))
            w->setToolTip(kPulsarUnidades);
    ui->MensajeAyuda->clear();
    ui->filaInferior->setStretchFactor(ui->MensajeAyuda, 1);
    ui->Calcular->hide();

    auto *grupoModo = new QButtonGroup(this);
    grupoModo->addButton(ui->Option1);
    grupoModo->addButton(ui->Option2);
    ui->Option1->setChecked(true);
    ui->Check1->setChecked(false);
    fijarVisibles(this, form2::kCompresibilidad, false);

    construirFlechas();
    mostrarFlechas(gas::kModoNormalizado);

    m_filtro = new FiltroTeclas(FiltroTeclas::reglaNumerica(), this);
    for (QLineEdit *e : std::as_const(m_campos))
        m_filtro->instalar(e);

    conectarEventos();

    // Copy, export and print: a small File menu above the window's own controls.
    auto *barra = new QMenuBar(this);
    barra->setObjectName(QStringLiteral("menubar"));
    QMenu *archivo = barra->addMenu(QStringLiteral("Archivo"));
    archivo->setObjectName(QStringLiteral("Archivo"));
    archivo->addActions(crearAccionesInforme(this, [this] {
        return informe::informeGas(*this, idiomaActual(), QDateTime::currentDateTime(),
                                   cabeceraInforme());
    }));
    anadirMenuCaso(this, archivo);
    layout()->setMenuBar(barra);
    // Load: the language as by the flags.
    cambiarLengua(lenguaActual());
    // The wrapped mode texts and help line must not squeeze the fields of a narrow window.
    // Measured after the load's texts, so that a first opening is no taller than they need.
    alturaMinimaConTextos(this);
}

Form2::~Form2() = default;

// Two arrow heads on one shaft beside the flow rows: the lower one points at the actual flow
// (mode 1), the upper one at the flow reference conditions (mode 2).
void Form2::construirFlechas() {
    auto *columna = new QVBoxLayout(ui->zonaFlechas);
    columna->setContentsMargins(0, 4, 0, 4);
    columna->setSpacing(0);
    auto cabeza = [this](Linea::Trazo izquierda, const QString &n1, Linea::Trazo derecha,
                         const QString &n2) {
        auto *fila = new QHBoxLayout;
        fila->setSpacing(0);
        fila->addStretch();
        fila->addWidget(new Linea(izquierda, n1, ui->zonaFlechas));
        fila->addWidget(new Linea(derecha, n2, ui->zonaFlechas));
        fila->addStretch();
        return fila;
    };
    columna->addLayout(cabeza(Linea::Trazo::Subiendo, "Line37", Linea::Trazo::Bajando, "Line38"));
    auto *eje = new QHBoxLayout;
    eje->addStretch();
    eje->addWidget(new Linea(Linea::Trazo::Vertical, QStringLiteral("ejeFlecha"), ui->zonaFlechas));
    eje->addStretch();
    columna->addLayout(eje, 1);
    columna->addLayout(cabeza(Linea::Trazo::Bajando, "Line35", Linea::Trazo::Subiendo, "Line36"));
}

void Form2::conectarEventos() {
    for (auto it = m_campos.cbegin(); it != m_campos.cend(); ++it) {
        const QString nombre = it.key();
        connect(it.value(), &QLineEdit::textChanged, this, [this, nombre] { alCambiar(nombre); });
    }

    connect(ui->Calcular, &QPushButton::clicked, this, &Form2::Calcular);
    connect(ui->Check1, &QCheckBox::clicked, this, &Form2::Check1_Click);
    // A click on the mode already selected changes nothing.
    connect(ui->Option1, &QRadioButton::clicked, this, [this] {
        if (m_modo != gas::kModoNormalizado)
            Option1_Click();
    });
    connect(ui->Option2, &QRadioButton::clicked, this, [this] {
        if (m_modo != gas::kModoProceso)
            Option2_Click();
    });
    connect(ui->Command3, &QPushButton::clicked, this, &Form2::Command3_Click);
    connect(ui->Command4, &QToolButton::clicked, this, &Form2::Command4_Click);
    connect(ui->Command5, &QToolButton::clicked, this, &Form2::Command5_Click);
    connect(ui->Picture1, &QToolButton::clicked, this, &Form2::Picture1_Click);
    connect(ui->Spain, &QToolButton::clicked, this, &Form2::Spain_Click);

    for (const form2::BotonUnidad &b : form2::botonesUnidad()) {
        const auto modo =
            b.magnitud == kTemperatura ? ModoConversor::EdicionTemperatura : ModoConversor::Edicion;
        if (auto *boton = hijo<QAbstractButton>(this, b.boton))
            conectarBotonUnidad(boton, campo(b.campo), b.magnitud, modo);
    }

    // The option texts select their option, as the boxes beside them do.
    for (QLabel *l : {ui->Label2, ui->Label3, ui->Label7})
        l->installEventFilter(this);

    // Pointer moves: fields and buttons keep theirs; over the background they reset the
    // colours.
    setMouseTracking(true);
    for (QWidget *w : {static_cast<QWidget *>(ui->MarcoIzquierdo),
                       static_cast<QWidget *>(ui->MarcoDerecho), ui->zonaFlechas})
        w->setMouseTracking(true);
    for (QLineEdit *e : std::as_const(m_campos)) {
        e->setMouseTracking(true);
        e->setAttribute(Qt::WA_NoMousePropagation);
        e->installEventFilter(this);
    }
    for (QAbstractButton *b : findChildren<QAbstractButton *>())
        b->setAttribute(Qt::WA_NoMousePropagation);
    ui->Command3->setMouseTracking(true);
    ui->Command3->installEventFilter(this);
}

QLineEdit *Form2::campo(const QString &nombre) const {
    return m_campos.value(nombre);
}

QString Form2::texto(const QString &nombre) const {
    const QLineEdit *e = campo(nombre);
    return e ? e->text() : QString();
}

void Form2::escribir(const QString &nombre, const QString &t) {
    // An identical text is no change and raises no change event.
    if (QLineEdit *e = campo(nombre); e && e->text() != t)
        e->setText(t);
}

bool Form2::opcion(const QString &nombre) const {
    const auto *b = hijo<QAbstractButton>(this, nombre);
    return b && b->isChecked();
}

void Form2::Calcular() {
    if (m_profundidad >= kProfundidadMaxima)
        return;
    ++m_profundidad;
    vorlo::Calcular(*this, m_modo);
    --m_profundidad;
    if (m_profundidad == 0) {
        m_aviso = gas::avisoEntradasGas(*this);
        actualizarAyuda();
    }
}

// The help line: what is wrong with the inputs (red) while it lasts, else the hint.
void Form2::actualizarAyuda() {
    const Lengua lengua = lenguaActual();
    if (m_aviso)
        ui->MensajeAyuda->setText(m_aviso->en(lengua));
    else if (m_pista)
        ui->MensajeAyuda->setText(m_pista->en(lengua));
    else
        ui->MensajeAyuda->clear();
    fijarColorTexto(ui->MensajeAyuda,
                    m_aviso ? kColorRojo : QPalette().color(QPalette::WindowText));
}

void Form2::alCambiar(const QString &nombre) {
    Calcular();
    avisarCambioCaso();
    if (form2::kFactoresZ.contains(nombre))
        mostrarCompresibilidadIncompleta();
    if (!gas::temperaturas().contains(nombre))
        return;
    // Only a text that reads as a number below absolute zero: not while a minus sign or a
    // half-typed number stands alone.
    const QString t = texto(nombre);
    if (t.isEmpty() || t == QLatin1String("-"))
        return;
    if (const auto v = leerNumero(t); v && *v < gas::kCeroAbsoluto)
        mensajes().aviso(this, kMensajeCeroAbsoluto);
}

void Form2::Check1_Click() {
    fijarVisibles(this, form2::kCompresibilidad, ui->Check1->isChecked());
    mostrarCompresibilidadIncompleta();
}

// A compressibility factor that is empty or not a number keeps the density and the flows from
// being computed; hidden, nothing on screen would say why. The factors then show, and the
// hint over dproceso paints the missing one red.
void Form2::mostrarCompresibilidadIncompleta() {
    if (ui->Check1->isChecked())
        return;
    for (const QString &n : form2::kFactoresZ) {
        if (!leerNumero(texto(n))) {
            ui->Check1->setChecked(true);
            Check1_Click();
            return;
        }
    }
}

void Form2::Option1_Click() {
    cambiarModo(gas::kModoNormalizado);
}

void Form2::Option2_Click() {
    cambiarModo(gas::kModoProceso);
}

void Form2::cambiarModo(int modo) {
    m_modo = modo;
    (modo == gas::kModoNormalizado ? ui->Option1 : ui->Option2)->setChecked(true);
    Command5_Click();
    mostrarFlechas(modo);
    coloresDeModo(modo);
    for (const form2::Escritura &e : form2::cambioDeModo())
        escribir(e.campo, e.texto);
    Calcular();
}

void Form2::mostrarFlechas(int modo) {
    const bool modo1 = modo == gas::kModoNormalizado;
    fijarVisibles(this, {QStringLiteral("Line35"), QStringLiteral("Line36")}, modo1);
    fijarVisibles(this, {QStringLiteral("Line37"), QStringLiteral("Line38")}, !modo1);
}

void Form2::coloresDeModo(int modo) {
    const bool modo1 = modo == gas::kModoNormalizado;
    fijarFondo(campo(gas::Qnormales), modo1 ? kColorEntrada : kColorCalculable);
    for (const QString &n : form2::kResultadosModo1)
        fijarFondo(campo(n), modo1 ? kColorCalculable : kColorEntrada);
}

void Form2::Command3_Click() {
    entregarFlujoGas(texto(gas::Qproceso), texto(gas::dproceso));
    close();
}

void Form2::Command4_Click() {
    ventanas().mostrar<AyudaGases>();
}

void Form2::Command5_Click() {
    for (const form2::Escritura &e : form2::borrado())
        escribir(e.campo, e.texto);
}

void Form2::cargarCaso(const caso::Ventana &v) {
    cambiarModo(v.opciones.value(gas::Option2, false) ? gas::kModoProceso : gas::kModoNormalizado);
    const caso::Esquema &e = *caso::esquema(caso::Gas);
    for (const Campo &c : gas::tabla().campos())
        if (e.textos.contains(c.nombre))
            escribir(c.nombre, v.textos.value(c.nombre));
    ui->Check1->setChecked(v.opciones.value(gas::Check1, false));
    Check1_Click();
    Calcular();
}

void Form2::cambiarLengua(Lengua lengua) {
    cambiarIdioma(this, textosForm2(), lengua);
    aplicarTextos(this, textosAccionesInforme(), lengua);
    traducirMenuCaso(this, lengua);
    // The help line in the new language, as the window shows it now.
    actualizarAyuda();
    ajustarAlContenido(this);
}

void Form2::restablecerColores() {
    for (const QString &n : form2::kBlancosSiempre)
        fijarFondo(campo(n), kColorEntrada);
    for (const QString &n : form2::kAzulesSiempre)
        fijarFondo(campo(n), kColorCalculable);
    coloresDeModo(m_modo);
}

void Form2::mostrarPista(const TextoBilingue &pista) {
    m_pista = &pista;
    actualizarAyuda();
}

void Form2::alPasarRaton(const QString &control) {
    const auto r = form2::resaltado(control, m_modo);
    if (!r)
        return;
    for (const QString &n : r->rojos)
        fijarFondo(campo(n), kColorRojo);
    switch (r->pista) {
    case form2::Pista::Densidad:
        mostrarPista(pistaDensidadGas());
        break;
    case form2::Pista::CaudalProceso:
        mostrarPista(pistaCaudalProceso());
        break;
    case form2::Pista::CaudalNormalizado:
        mostrarPista(pistaCaudalNormalizado());
        break;
    case form2::Pista::SinCambio:
        break;
    }
}

void Form2::mouseMoveEvent(QMouseEvent *ev) {
    restablecerColores();
    mostrarPista(pistaGeneralGas());
    QWidget::mouseMoveEvent(ev);
}

bool Form2::eventFilter(QObject *obj, QEvent *ev) {
    if (ev->type() == QEvent::MouseMove) {
        if (obj == ui->Command3 || qobject_cast<QLineEdit *>(obj))
            alPasarRaton(obj->objectName());
    } else if (ev->type() == QEvent::MouseButtonRelease &&
               static_cast<QMouseEvent *>(ev)->button() == Qt::LeftButton) {
        if (obj == ui->Label2)
            ui->Option1->click();
        else if (obj == ui->Label3)
            ui->Option2->click();
        else if (obj == ui->Label7)
            ui->Check1->click();
    }
    return QWidget::eventFilter(obj, ev);
}

} // namespace vorlo
