#include "app/ventana_tabla.h"

#include "app/case_entry.h"
#include "app/colours.h"
#include "app/icons.h"
#include "app/key_filter.h"
#include "app/layout_tools.h"
#include "app/open_windows.h"
#include "units/conversionuds.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace vorlo {

namespace {

// Six significant digits with grouping and an exponent ("1,22345E-05") fit in this width.
constexpr int kAnchoCampo = 140;

QString textoUnidad(const QString &unidad) {
    return QStringLiteral("( %1 )").arg(unidad);
}

bool dibujado(const Campo &c) {
    return !c.nombre.isEmpty() && !c.tiene(Oculto);
}

} // namespace

VentanaTabla::VentanaTabla(const TablaCampos &tabla, const QString &objeto,
                           const QString &claveCaso, QWidget *parent)
    : QWidget(parent), m_tabla(tabla), m_clave(claveCaso) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(objeto);
    setWindowIcon(icono(QStringLiteral("vorlo")));
    m_filtro = new FiltroTeclas(FiltroTeclas::reglaNumerica(), this);
    m_textos = textosDeCampos(tabla);
    m_textos.append(
        {QString(), TextoControl::Titulo, tabla.titulo().espanol, tabla.titulo().ingles});
    m_textos.append({QStringLiteral("BanderaEs"), TextoControl::Tooltip, QStringLiteral("Español"),
                     QStringLiteral("Spanish")});
    m_textos.append({QStringLiteral("BanderaEn"), TextoControl::Tooltip, QStringLiteral("Inglés"),
                     QStringLiteral("English")});
    construir();
    aplicarTextosAlCargar(this, m_textos);
    // A note longer than the room kept for it makes the window taller rather than being cut.
    alturaMinimaConTextos(this);
    conectar();
}

// The inputs outlive the window while the program runs, and go into the case.
VentanaTabla::~VentanaTabla() {
    // A derived window's own parteCaso() is gone by now: it left its part itself.
    if (!m_clave.isEmpty() && !m_parteDejada)
        dejarPendiente(m_clave, VentanaTabla::parteCaso());
}

QGridLayout *VentanaTabla::nuevaSeccion(const QString &etiqueta) {
    auto *titulo = new QLabel(this);
    titulo->setObjectName(etiqueta);
    titulo->setFont(negrita(titulo->font()));
    auto *marco = new QFrame(this);
    marco->setObjectName(etiqueta + QStringLiteral("Marco"));
    marco->setFrameShape(QFrame::StyledPanel);
    auto *rejilla = new QGridLayout(marco);
    rejilla->setColumnStretch(4, 1);
    // Before the lower zone.
    const int antes = m_capas->indexOf(m_inferior);
    m_capas->insertWidget(antes, marco);
    m_capas->insertWidget(antes, titulo);
    m_rejillas << rejilla;
    m_marcos << marco;
    m_secciones.append({titulo, marco});
    return rejilla;
}

void VentanaTabla::disponerEnColumnas(const QList<QList<int>> &columnas) {
    auto *fila = new QHBoxLayout;
    int donde = -1;
    for (const QList<int> &indices : columnas) {
        auto *columna = new QVBoxLayout;
        for (int i : indices) {
            const auto [titulo, marco] = m_secciones.value(i);
            if (!titulo)
                continue;
            const int en = m_capas->indexOf(titulo);
            donde = donde < 0 ? en : std::min(donde, en);
            m_capas->removeWidget(titulo);
            m_capas->removeWidget(marco);
            columna->addWidget(titulo);
            columna->addWidget(marco);
        }
        columna->addStretch(1);
        fila->addLayout(columna);
    }
    m_capas->insertLayout(std::max(donde, 0), fila);
}

void VentanaTabla::zonaInferiorCrece() {
    // The stretch after the lower zone gives way to it.
    if (QLayoutItem *ultimo = m_capas->itemAt(m_capas->count() - 1); ultimo && ultimo->spacerItem())
        delete m_capas->takeAt(m_capas->count() - 1);
    m_capas->setStretchFactor(m_inferior, 1);
}

void VentanaTabla::dejarParte() {
    if (!m_clave.isEmpty())
        dejarPendiente(m_clave, parteCaso());
    m_parteDejada = true;
}

void VentanaTabla::construir() {
    auto *capas = new QVBoxLayout(this);
    m_capas = capas;
    auto *cabeza = new QHBoxLayout;
    auto *titulo = new QLabel(this);
    titulo->setObjectName(m_tabla.etiquetaTitulo());
    titulo->setFont(negrita(titulo->font(), 11));
    cabeza->addWidget(titulo, 1);
    // The flags switch the program's language, as in the calculators.
    const std::pair<const char *, Lengua> banderas[] = {{"Es", Lengua::Espanol},
                                                        {"En", Lengua::Ingles}};
    for (const auto &[sufijo, lengua] : banderas) {
        auto *b = new QToolButton(this);
        b->setObjectName(QStringLiteral("Bandera") + QLatin1String(sufijo));
        b->setIcon(icono(lengua == Lengua::Espanol ? QStringLiteral("flag_es")
                                                   : QStringLiteral("flag_en")));
        b->setAutoRaise(true);
        nombrarComoTooltip(b);
        connect(b, &QToolButton::clicked, this, [this, l = lengua] { cambiarPorBandera(l); });
        cabeza->addWidget(b);
    }
    capas->addLayout(cabeza);
    construirOpciones(capas);
    for (int i = 0; i < m_tabla.secciones().size(); ++i)
        construirSeccion(capas, i);
    m_inferior = new QVBoxLayout;
    capas->addLayout(m_inferior);
    capas->addStretch(1);
    igualarColumna(m_rejillas, 0, m_textos);
}

void VentanaTabla::construirOpciones(QVBoxLayout *capas) {
    if (m_tabla.opciones().isEmpty())
        return;
    auto *fila = new QHBoxLayout;
    auto *grupo = new QButtonGroup(this);
    bool primera = true;
    for (const Campo &o : m_tabla.opciones()) {
        QAbstractButton *b = nullptr;
        if (o.tiene(Casilla)) {
            b = new QCheckBox(this);
        } else {
            b = new QRadioButton(this);
            grupo->addButton(b);
            // One of the group is always chosen: the first, until the user says otherwise.
            b->setChecked(primera);
            primera = false;
        }
        b->setObjectName(o.nombre);
        fila->addWidget(b);
        m_opciones.insert(o.nombre, b);
    }
    fila->addStretch(1);
    capas->addLayout(fila);
}

void VentanaTabla::construirSeccion(QVBoxLayout *capas, int indice) {
    const SeccionCampos &s = m_tabla.secciones().at(indice);
    auto *rejilla = new QGridLayout;
    if (s.etiqueta.isEmpty()) {
        capas->addLayout(rejilla);
    } else {
        auto *titulo = new QLabel(this);
        titulo->setObjectName(s.etiqueta);
        titulo->setFont(negrita(titulo->font()));
        capas->addWidget(titulo);
        auto *marco = new QFrame(this);
        marco->setObjectName(s.etiqueta + QStringLiteral("Marco"));
        marco->setFrameShape(QFrame::StyledPanel);
        capas->addWidget(marco);
        marco->setLayout(rejilla);
        m_marcos << marco;
        m_secciones.append({titulo, marco});
    }
    rejilla->setColumnStretch(4, 1);
    m_rejillas << rejilla;
    for (const Campo &c : s.campos) {
        if (c.tiene(Oculto))
            m_ocultos.insert(c.nombre, QString());
        else if (dibujado(c))
            nuevaFila(rejilla, c);
    }
    // A section without a drawn field (a table the window shows) keeps only its heading.
    if (QWidget *marco = rejilla->parentWidget(); marco && marco != this)
        marco->setVisible(rejilla->count() > 0);
}

void VentanaTabla::nuevaFila(QGridLayout *rejilla, const Campo &c) {
    const int fila = rejilla->rowCount();
    if (c.rol == Rol::Nota) {
        auto *nota = new QLabel(this);
        nota->setObjectName(c.nombre);
        nota->setWordWrap(true);
        nota->setTextInteractionFlags(Qt::TextSelectableByMouse);
        // Room for a two-line note at the window's narrowest, so that a note that comes or
        // goes moves nothing.
        nota->setMinimumHeight(2 * fontMetrics().lineSpacing());
        rejilla->addWidget(nota, fila, 0, 1, 5);
        m_notas.insert(c.nombre, nota);
        return;
    }
    auto *rotulo = new QLabel(this);
    rotulo->setObjectName(c.etiqueta);
    rejilla->addWidget(rotulo, fila, 0);
    QWidget *control = nuevoControl(c);
    control->setObjectName(c.nombre);
    rotulo->setBuddy(control);
    if (c.tiene(EsTexto) && c.rol == Rol::Entrada) {
        // A free text grows with the window; a paragraph's caption stands at its top.
        rejilla->addWidget(control, fila, 1, 1, 4);
        if (c.tiene(Parrafo))
            rejilla->setAlignment(rotulo, Qt::AlignTop);
        return;
    }
    rejilla->addWidget(control, fila, 1);
    if (c.unidad.isEmpty())
        return;
    const QString nombreUnidad =
        c.controlUnidad.isEmpty() ? c.nombre + QStringLiteral("Unidad") : c.controlUnidad;
    // A typed quantity with a kind has a unit button: the converter edits its value.
    if (c.rol == Rol::Entrada && !c.magnitud.isEmpty() && m_cajas.contains(c.nombre)) {
        auto *boton = new QPushButton(textoUnidad(c.unidad), this);
        boton->setObjectName(nombreUnidad);
        boton->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        conectarBotonUnidad(boton, m_cajas.value(c.nombre), c.magnitud,
                            c.magnitud == kTemperatura ? ModoConversor::EdicionTemperatura
                                                       : ModoConversor::Edicion);
        m_textos.append({nombreUnidad, TextoControl::Tooltip,
                         QStringLiteral("Pulsar para otras unidades"),
                         QStringLiteral("Press for other units")});
        rejilla->addWidget(boton, fila, 2);
        return;
    }
    auto *u = new QLabel(textoUnidad(c.unidad), this);
    u->setObjectName(nombreUnidad);
    rejilla->addWidget(u, fila, 2);
}

QWidget *VentanaTabla::nuevoControl(const Campo &c) {
    if (!c.elecciones.isEmpty()) {
        auto *l = new QComboBox(this);
        for (const Eleccion &e : c.elecciones)
            l->addItem(e.texto.en(lenguaActual()), e.clave);
        m_listas.insert(c.nombre, l);
        return l;
    }
    if (c.tiene(Parrafo)) {
        constexpr int kLineas = 4;
        auto *p = new QPlainTextEdit(this);
        p->setTabChangesFocus(true);
        p->setFixedHeight(kLineas * fontMetrics().lineSpacing() +
                          2 * (p->frameWidth() + int(p->document()->documentMargin())));
        m_parrafos.insert(c.nombre, p);
        return p;
    }
    auto *e = new QLineEdit(this);
    if (c.tiene(EsTexto) && c.rol == Rol::Entrada) {
        // Room for a project's name or a line number without scrolling.
        e->setMinimumWidth(2 * kAnchoCampo + kAnchoCampo / 4);
    } else {
        e->setFixedWidth(kAnchoCampo);
    }
    // A result some options make an input is filtered too.
    if (c.tiene(FiltroNumerico))
        m_filtro->instalar(e);
    if (c.rol == Rol::Entrada) {
        fijarFondo(e, kColorEntrada);
    } else {
        // Results are never typed into; they can still be selected and copied.
        e->setReadOnly(true);
        e->setFocusPolicy(Qt::ClickFocus);
        fijarFondo(e, kColorCalculable);
    }
    m_cajas.insert(c.nombre, e);
    return e;
}

void VentanaTabla::conectar() {
    // Every box: a result that an option makes an input recalculates when typed into.
    for (QLineEdit *e : std::as_const(m_cajas))
        connect(e, &QLineEdit::textChanged, this, &VentanaTabla::alCambiar);
    for (QPlainTextEdit *p : std::as_const(m_parrafos))
        connect(p, &QPlainTextEdit::textChanged, this, &VentanaTabla::alCambiar);
    for (QComboBox *l : std::as_const(m_listas))
        connect(l, &QComboBox::currentIndexChanged, this, &VentanaTabla::alCambiar);
    for (QAbstractButton *b : std::as_const(m_opciones))
        connect(b, &QAbstractButton::toggled, this, &VentanaTabla::alCambiar);
    connect(&avisoIdioma(), &AvisoIdioma::cambiado, this, &VentanaTabla::traducir);
}

void VentanaTabla::alCambiar() {
    // A radio button going off is half of a switch; the other half recalculates.
    if (auto *b = qobject_cast<QRadioButton *>(sender()); b && !b->isChecked())
        return;
    // A result written from outside (a hand-over into a result box) is no input.
    if (auto *e = qobject_cast<QLineEdit *>(sender()); e && e->isReadOnly())
        return;
    recalcular();
}

void VentanaTabla::fijarEntrada(const QString &nombre, bool entrada) {
    QLineEdit *e = m_cajas.value(nombre);
    if (!e || e->isReadOnly() == !entrada)
        return;
    e->setReadOnly(!entrada);
    e->setFocusPolicy(entrada ? Qt::StrongFocus : Qt::ClickFocus);
    fijarFondo(e, entrada ? kColorEntrada : kColorCalculable);
}

void VentanaTabla::restablecerColores() {
    for (QLineEdit *e : std::as_const(m_cajas))
        fijarFondo(e, e->isReadOnly() ? kColorCalculable : kColorEntrada);
}

void VentanaTabla::activarResaltado() {
    QList<QWidget *> superficies{this};
    for (QFrame *f : std::as_const(m_marcos))
        superficies << f;
    for (QLineEdit *e : std::as_const(m_cajas))
        superficies << e;
    for (QWidget *w : superficies) {
        w->installEventFilter(this);
        w->setMouseTracking(true);
    }
}

QStringList VentanaTabla::necesariosDe(const QString &) const {
    return {};
}

void VentanaTabla::alPasarSobre(const QString &) {}

bool VentanaTabla::eventFilter(QObject *obj, QEvent *ev) {
    if (ev->type() != QEvent::MouseMove)
        return QWidget::eventFilter(obj, ev);
    auto *caja = qobject_cast<QLineEdit *>(obj);
    if (!caja || !m_cajas.contains(caja->objectName())) {
        restablecerColores();
        alPasarSobre(QString());
        return QWidget::eventFilter(obj, ev);
    }
    for (const QString &n : necesariosDe(caja->objectName()))
        if (QLineEdit *e = m_cajas.value(n))
            fijarFondo(e, kColorRojo);
    alPasarSobre(caja->objectName());
    // A move over a field stops there: the surface behind it would reset the colours.
    if (static_cast<QMouseEvent *>(ev)->buttons() == Qt::NoButton)
        return true;
    return QWidget::eventFilter(obj, ev);
}

void VentanaTabla::recalcular() {
    // The calculation writes only results; an input it writes (a derived default) changes
    // nothing further here, so one pass settles.
    if (m_profundidad > 0)
        return;
    ++m_profundidad;
    calcular();
    --m_profundidad;
    avisarCambioCaso();
}

QString VentanaTabla::texto(const QString &nombre) const {
    if (const QLineEdit *e = m_cajas.value(nombre))
        return e->text();
    if (const QComboBox *l = m_listas.value(nombre))
        return l->currentData().toString();
    if (const QLabel *n = m_notas.value(nombre))
        return n->text();
    if (const QPlainTextEdit *p = m_parrafos.value(nombre))
        return p->toPlainText();
    return m_ocultos.value(nombre);
}

void VentanaTabla::escribir(const QString &nombre, const QString &t) {
    // An identical text is no change; a changed input recalculates through its change event.
    if (QLineEdit *e = m_cajas.value(nombre)) {
        if (e->text() != t)
            e->setText(t);
    } else if (QComboBox *l = m_listas.value(nombre)) {
        const int i = l->findData(t);
        if (i >= 0)
            l->setCurrentIndex(i);
    } else if (QLabel *n = m_notas.value(nombre)) {
        if (n->text() != t)
            n->setText(t);
    } else if (QPlainTextEdit *p = m_parrafos.value(nombre)) {
        if (p->toPlainText() != t)
            p->setPlainText(t);
    } else if (m_ocultos.contains(nombre) && m_ocultos.value(nombre) != t) {
        m_ocultos.insert(nombre, t);
        recalcular();
    }
}

bool VentanaTabla::opcion(const QString &nombre) const {
    const QAbstractButton *b = m_opciones.value(nombre);
    return b && b->isChecked();
}

void VentanaTabla::fijarOpcion(const QString &nombre, bool valor) {
    if (QAbstractButton *b = m_opciones.value(nombre))
        b->setChecked(valor);
}

void VentanaTabla::escribirColor(const QString &nombre, ColorNota color) {
    QWidget *w = m_notas.value(nombre);
    if (!w)
        w = m_cajas.value(nombre);
    if (w)
        fijarColorTexto(w, color == ColorNota::Rojo ? kColorRojo
                                                    : QPalette().color(QPalette::WindowText));
}

caso::Ventana VentanaTabla::parteCaso() const {
    return caso::parteDe(*this, m_clave);
}

void VentanaTabla::cargarParte(const caso::Ventana &v) {
    const caso::Esquema *e = caso::esquema(m_clave);
    if (!e)
        return;
    ++m_profundidad; // one calculation at the end, not one a field
    for (auto it = v.opciones.cbegin(); it != v.opciones.cend(); ++it)
        if (e->opciones.contains(it.key()))
            fijarOpcion(it.key(), it.value());
    for (auto it = v.textos.cbegin(); it != v.textos.cend(); ++it)
        if (e->textos.contains(it.key()) || e->elecciones.contains(it.key()))
            escribir(it.key(), it.value());
    --m_profundidad;
    recalcular();
}

void VentanaTabla::alCambiarIdioma(Lengua) {
    recalcular();
}

QLineEdit *VentanaTabla::caja(const QString &nombre) const {
    return m_cajas.value(nombre);
}

QComboBox *VentanaTabla::lista(const QString &nombre) const {
    return m_listas.value(nombre);
}

QLabel *VentanaTabla::etiqueta(const QString &nombre) const {
    return m_notas.value(nombre);
}

QAbstractButton *VentanaTabla::botonOpcion(const QString &nombre) const {
    return m_opciones.value(nombre);
}

void VentanaTabla::vaciarResultados() {
    for (const Campo &c : m_tabla.campos())
        if (c.rol == Rol::Resultado && !c.nombre.isEmpty())
            escribir(c.nombre, QString());
}

void VentanaTabla::fijarNota(const QString &campo, const QString &t, bool roja) {
    escribir(campo, t);
    escribirColor(campo, roja ? ColorNota::Rojo : ColorNota::Normal);
}

void VentanaTabla::anadirTextos(const QList<TextoControl> &textos) {
    m_textos.append(textos);
    aplicarTextos(this, textos, lengua());
}

Lengua VentanaTabla::lengua() const {
    return lenguaActual();
}

void VentanaTabla::cambiarPorBandera(Lengua lengua) {
    // The signal comes back to this window too, which then takes its texts.
    cambiarIdioma(this, m_textos, lengua);
}

// The captions, the choices' texts and the calculation's texts in the new language.
void VentanaTabla::traducir(Lengua lengua) {
    aplicarTextos(this, m_textos, lengua);
    for (auto it = m_listas.cbegin(); it != m_listas.cend(); ++it) {
        const Campo *c = m_tabla.campo(it.key());
        for (int i = 0; i < c->elecciones.size() && i < it.value()->count(); ++i)
            it.value()->setItemText(i, c->elecciones.at(i).texto.en(lengua));
    }
    alCambiarIdioma(lengua);
    if (isVisible())
        ajustarAlContenido(this);
}

} // namespace vorlo
