#include "form_agua_vapor.h"

#include "app/case_entry.h"
#include "app/colours.h"
#include "app/hijos.h"
#include "app/icons.h"
#include "app/key_filter.h"
#include "app/layout_tools.h"
#include "app/open_windows.h"
#include "app/texts.h"
#include "fields/numbers.h"
#include "report/report.h"
#include "units/conversionuds.h"
#include "water/form_agua_vapor_texts.h"
#include "water/water_fields.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <variant>

namespace vorlo {

namespace {
namespace a = agua;

// Six significant digits with grouping and an exponent ("1,22345E-05") fit in this width.
constexpr int kAnchoCampo = 140;

QString textoUnidad(const QString &unidad) {
    return QStringLiteral("( %1 )").arg(unidad);
}
} // namespace

FormAguaVapor::FormAguaVapor(QWidget *parent) : QWidget(parent) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("FormAguaVapor"));
    setWindowIcon(icono(QStringLiteral("vorlo")));
    construir();

    m_filtro = new FiltroTeclas(FiltroTeclas::reglaNumerica(), this);
    for (const QString &n : a::camposAgua().conRol(Rol::Entrada))
        m_filtro->instalar(campo(n));

    aplicarTextosAlCargar(this, textosFormAguaVapor());
    // The caption columns of the three sections line up, wide enough for either language, so
    // that a language switch does not move the fields.
    igualarColumna(m_rejillas, 0, textosFormAguaVapor());
    // A note longer than the room kept for it makes the window taller rather than being cut.
    alturaMinimaConTextos(this);
    conectarEventos();
    Calcular();
}

// The temperature and pressure outlive the window while the program runs.
FormAguaVapor::~FormAguaVapor() {
    if (const auto v = casoAgua())
        dejarPendiente(caso::Agua, *v);
}

QGridLayout *FormAguaVapor::nuevaSeccion(int indice) {
    const SeccionCampos &s = a::camposAgua().secciones().at(indice);
    auto *titulo = new QLabel(this);
    titulo->setObjectName(s.etiqueta);
    titulo->setFont(negrita(titulo->font()));
    layout()->addWidget(titulo);
    auto *marco = new QFrame(this);
    marco->setObjectName(s.etiqueta + QStringLiteral("Marco"));
    marco->setFrameShape(QFrame::StyledPanel);
    layout()->addWidget(marco);
    auto *rejilla = new QGridLayout(marco);
    rejilla->setColumnStretch(3, 1);
    m_rejillas << rejilla;
    for (const Campo &c : s.campos)
        if (!c.nombre.isEmpty() && c.rol != Rol::Nota)
            nuevaFila(rejilla, c.nombre);
    return rejilla;
}

// A row of the field table: its caption, its text box and its unit, a button for an input.
void FormAguaVapor::nuevaFila(QGridLayout *rejilla, const QString &nombre) {
    const Campo &c = *a::camposAgua().campo(nombre);
    QLineEdit *e = filaDeCampo(this, rejilla, c, kAnchoCampo);
    const int fila = rejilla->rowCount() - 1;
    if (c.rol == Rol::Entrada) {
        auto *boton = new QPushButton(textoUnidad(c.unidad), this);
        boton->setObjectName(c.controlUnidad);
        boton->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        rejilla->addWidget(boton, fila, 2);
        fijarFondo(e, kColorEntrada);
    } else {
        // Results are never typed into; they can still be selected and copied.
        e->setReadOnly(true);
        e->setFocusPolicy(Qt::ClickFocus);
        fijarFondo(e, kColorCalculable);
        if (!c.controlUnidad.isEmpty()) {
            auto *u = new QLabel(textoUnidad(c.unidad), this);
            u->setObjectName(c.controlUnidad);
            rejilla->addWidget(u, fila, 2);
        }
    }
    m_campos.insert(nombre, e);
}

void FormAguaVapor::construir() {
    auto *capas = new QVBoxLayout(this);
    auto *titulo = new QLabel(this);
    titulo->setObjectName(a::camposAgua().etiquetaTitulo());
    titulo->setFont(negrita(titulo->font(), 11));
    capas->addWidget(titulo);
    for (int i = 0; i < a::camposAgua().secciones().size(); ++i)
        nuevaSeccion(i);

    // The note closes the saturation section, across its columns.
    QGridLayout *saturacion = m_rejillas.last();
    m_nota = new QLabel(this);
    m_nota->setObjectName(a::NotaAgua);
    m_nota->setWordWrap(true);
    // Room for the longest note at the window's narrowest, so that a note that comes or goes
    // moves nothing.
    m_nota->setMinimumHeight(2 * fontMetrics().lineSpacing());
    saturacion->addWidget(m_nota, saturacion->rowCount(), 0, 1, 4);

    m_usar = new QPushButton(this);
    m_usar->setObjectName(QStringLiteral("UsarAgua"));
    auto *abajo = new QHBoxLayout;
    abajo->addStretch(1);
    abajo->addWidget(m_usar);
    capas->addLayout(abajo);
    capas->addStretch(1);
}

void FormAguaVapor::conectarEventos() {
    for (const Campo &c : a::camposAgua().campos()) {
        if (c.rol != Rol::Entrada)
            continue;
        connect(campo(c.nombre), &QLineEdit::textChanged, this, &FormAguaVapor::Calcular);
        conectarBotonUnidad(hijo<QAbstractButton>(this, c.controlUnidad), campo(c.nombre),
                            c.magnitud,
                            c.magnitud == kTemperatura ? ModoConversor::EdicionTemperatura
                                                       : ModoConversor::Edicion);
    }
    connect(m_usar, &QPushButton::clicked, this, &FormAguaVapor::UsarAgua_Click);
    connect(&avisoIdioma(), &AvisoIdioma::cambiado, this, &FormAguaVapor::alCambiarIdioma);
}

QString FormAguaVapor::texto(const QString &nombre) const {
    if (nombre == a::NotaAgua)
        return m_nota->text();
    const QLineEdit *e = campo(nombre);
    return e ? e->text() : QString();
}

void FormAguaVapor::escribir(const QString &nombre, const QString &t) {
    if (nombre == a::NotaAgua) {
        if (m_nota->text() != t)
            m_nota->setText(t);
        return;
    }
    // An identical text is no change; a changed input recalculates through its change event.
    if (QLineEdit *e = campo(nombre); e && e->text() != t)
        e->setText(t);
}

bool FormAguaVapor::opcion(const QString &) const {
    return false; // the window has no options
}

void FormAguaVapor::escribirColor(const QString &nombre, ColorNota color) {
    if (nombre == a::NotaAgua)
        fijarColorTexto(m_nota, color == ColorNota::Rojo ? kColorRojo
                                                         : QPalette().color(QPalette::WindowText));
}

void FormAguaVapor::Calcular() {
    const auto t = leerNumero(texto(a::TAgua));
    const auto p = leerNumero(texto(a::PAgua));
    if (t && p)
        m_resultado = a::estadoAgua(*t, *p);
    else
        m_resultado.reset();
    mostrar(lenguaActual());
    avisarCambioCaso();
}

// Writes every result, the note and the button's state from the last calculation.
void FormAguaVapor::mostrar(Lengua lengua) {
    const a::EstadoAgua *estado = m_resultado ? std::get_if<a::EstadoAgua>(&*m_resultado) : nullptr;
    if (estado) {
        mostrarEstado(*estado, lengua);
        const auto aviso = a::avisoSaturacion(*estado);
        fijarNota(aviso ? aviso->mensaje.en(lengua) : QString(), aviso.has_value());
    } else {
        vaciarResultados();
        // Out of range: the limit broken. An empty or unreadable input is still being typed,
        // and the empty results say enough.
        const auto *limite = m_resultado ? std::get_if<a::LimiteAgua>(&*m_resultado) : nullptr;
        fijarNota(limite ? a::mensajeLimite(*limite).en(lengua) : QString(), limite != nullptr);
    }
    m_usar->setEnabled(!texto(a::DensidadAgua).isEmpty() && !texto(a::ViscDinAgua).isEmpty());
}

void FormAguaVapor::mostrarEstado(const a::EstadoAgua &estado, Lengua lengua) {
    for (const Campo &c : a::camposAgua().campos()) {
        if (c.rol != Rol::Resultado || c.nombre.isEmpty())
            continue;
        QString t;
        if (c.nombre == a::FaseAgua)
            t = a::nombreFase(estado.fase).en(lengua);
        else if (const auto x = a::valorAgua(c, estado))
            t = c.formato.aplicar(*x).value_or(QString());
        escribir(c.nombre, t);
    }
}

void FormAguaVapor::vaciarResultados() {
    for (const QString &n : a::camposAgua().conRol(Rol::Resultado))
        if (!n.isEmpty())
            escribir(n, QString());
}

void FormAguaVapor::fijarNota(const QString &t, bool roja) {
    escribir(a::NotaAgua, t);
    escribirColor(a::NotaAgua, roja ? ColorNota::Rojo : ColorNota::Normal);
}

void FormAguaVapor::UsarAgua_Click() {
    const QString densidad = texto(a::DensidadAgua);
    const QString viscosidad = texto(a::ViscDinAgua);
    if (densidad.isEmpty() || viscosidad.isEmpty())
        return;
    entregarAguaVapor({texto(a::TAgua), texto(a::PAgua), densidad, viscosidad});
}

// The captions, and every text the last calculation wrote, in the new language.
void FormAguaVapor::alCambiarIdioma(Lengua lengua) {
    aplicarTextos(this, textosFormAguaVapor(), lengua);
    mostrar(lengua);
    ajustarAlContenido(this);
}

} // namespace vorlo
