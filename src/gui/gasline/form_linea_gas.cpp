#include "form_linea_gas.h"

#include "app/case_entry.h"
#include "app/colours.h"
#include "app/gaspipe_entry.h"
#include "app/globals.h"
#include "app/icons.h"
#include "app/key_filter.h"
#include "app/layout_tools.h"
#include "app/texts.h"
#include "fields/language.h"
#include "fields/numbers.h"
#include "flowlimits/flow_limits.h"
#include "gasline/form_linea_gas_texts.h"
#include "gasline/gas_line_fields.h"
#include "gasline/gas_line_notes.h"
#include "pipeflow/colebrook_exacto.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

namespace vorlo {

namespace {
namespace c = lineagas::campos;

// Wide enough for a mass flow of hundreds of thousands of kg/h with its grouping and decimals.
constexpr int kAnchoCampo = 140;

} // namespace

FormLineaGas::FormLineaGas(QWidget *parent) : QWidget(parent), m_colebrook(&colebrookExacto) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("FormLineaGas"));
    setWindowIcon(icono(QStringLiteral("vorlo")));
    construir();

    m_filtro = new FiltroTeclas(FiltroTeclas::reglaNumerica(), this);
    for (const QString &n : c::todos())
        m_filtro->instalar(campo(n));
    campo(c::GammaLinea)->setText(formatoPlano(limites::kGammaDefecto).value_or(QString()));

    aplicarTextosAlCargar(this, textosFormLineaGas());
    // The caption columns of the three sections line up, wide enough for either language.
    igualarColumna(m_rejillas, 0, textosFormLineaGas());

    conectarEventos();
    alCambiarModo();
    restablecerColores();
    mostrarPista(pistaGeneralLinea().espanol, pistaGeneralLinea().ingles);
}

// The inputs outlive the window while the program runs: reopened, it shows them again.
FormLineaGas::~FormLineaGas() {
    dejarPendiente(caso::LineaGas, estadoCaso());
}

caso::Ventana FormLineaGas::estadoCaso() const {
    caso::Ventana v;
    v.opciones.insert(c::OpcionP2, calcularP2());
    v.opciones.insert(c::OpcionMasico, !calcularP2());
    v.opciones.insert(c::FijarF, friccionDada());
    for (const QString &n : c::entradas(calcularP2(), friccionDada()))
        v.textos.insert(n, campo(n)->text());
    return v;
}

void FormLineaGas::cargarCaso(const caso::Ventana &v) {
    m_escribiendo = true;
    // Solving for P2 unless the case says the flow.
    const bool p2 = !v.opciones.value(c::OpcionMasico, false) || v.opciones.value(c::OpcionP2);
    (p2 ? m_opcionP2 : m_opcionMasico)->setChecked(true);
    m_fijarF->setChecked(v.opciones.value(c::FijarF, false));
    for (const QString &n : c::entradas(calcularP2(), friccionDada()))
        // A case made before the ratio of specific heats keeps the window's.
        if (n != c::GammaLinea || v.textos.contains(n))
            campo(n)->setText(v.textos.value(n));
    m_escribiendo = false;
    alCambiarModo();
}

QGridLayout *FormLineaGas::nuevaSeccion(const QString &encabezado, const QString &marco) {
    auto *titulo = new QLabel(this);
    titulo->setObjectName(encabezado);
    titulo->setFont(negrita(titulo->font()));
    layout()->addWidget(titulo);
    auto *frame = new QFrame(this);
    frame->setObjectName(marco);
    frame->setFrameShape(QFrame::StyledPanel);
    layout()->addWidget(frame);
    m_marcos << frame;
    m_superficies << frame;
    auto *rejilla = new QGridLayout(frame);
    rejilla->setColumnStretch(3, 1);
    m_rejillas << rejilla;
    return rejilla;
}

// A row of the field table: its caption, its text box and, where it has one, its unit.
QLineEdit *FormLineaGas::nuevaFila(QGridLayout *rejilla, const QString &nombre) {
    const Campo &c = *c::tabla().campo(nombre);
    QLineEdit *e = filaDeCampo(this, rejilla, c, kAnchoCampo);
    const int fila = rejilla->rowCount() - 1;
    if (!c.unidad.isEmpty()) {
        auto *u = new QLabel(QStringLiteral("( %1 )").arg(c.unidad), this);
        u->setObjectName(QStringLiteral("Unidad") + nombre);
        rejilla->addWidget(u, fila, 2);
    }
    m_campos.insert(nombre, e);
    return e;
}

void FormLineaGas::construir() {
    const QList<SeccionCampos> &secciones = c::tabla().secciones();
    auto *capas = new QVBoxLayout(this);
    auto *titulo = new QLabel(this);
    titulo->setObjectName(c::tabla().etiquetaTitulo());
    titulo->setFont(negrita(titulo->font(), 11));
    capas->addWidget(titulo);

    QGridLayout *linea = nuevaSeccion(secciones[0].etiqueta, QStringLiteral("MarcoLinea"));
    for (const Campo &campo : secciones[0].campos)
        nuevaFila(linea, campo.nombre);

    QGridLayout *calculo = nuevaSeccion(secciones[1].etiqueta, QStringLiteral("MarcoCalculo"));
    m_opcionP2 = new QRadioButton(this);
    m_opcionP2->setObjectName(c::OpcionP2);
    m_opcionMasico = new QRadioButton(this);
    m_opcionMasico->setObjectName(c::OpcionMasico);
    auto *opciones = new QHBoxLayout;
    opciones->addWidget(m_opcionP2);
    opciones->addWidget(m_opcionMasico);
    opciones->addStretch(1);
    calculo->addLayout(opciones, 0, 0, 1, 4);
    auto *grupo = new QButtonGroup(this);
    grupo->addButton(m_opcionP2);
    grupo->addButton(m_opcionMasico);
    m_opcionP2->setChecked(true);
    nuevaFila(calculo, c::MasicoLinea);
    nuevaFila(calculo, c::P2Linea);
    m_fijarF = new QCheckBox(this);
    m_fijarF->setObjectName(c::FijarF);
    auto *filaF = new QHBoxLayout;
    filaF->addWidget(m_fijarF);
    filaF->addStretch(1);
    calculo->addLayout(filaF, calculo->rowCount(), 0, 1, 4);
    nuevaFila(calculo, c::fLinea);

    QGridLayout *resultados =
        nuevaSeccion(secciones[2].etiqueta, QStringLiteral("MarcoResultados"));
    for (const Campo &campo : secciones[2].campos)
        nuevaFila(resultados, campo.nombre);
    m_nota = new QLabel(this);
    m_nota->setObjectName(QStringLiteral("NotaLinea"));
    m_nota->setWordWrap(true);
    resultados->addWidget(m_nota, resultados->rowCount(), 0, 1, 4);

    m_tomarTuberia = new QPushButton(this);
    m_tomarTuberia->setObjectName(QStringLiteral("TomarTuberiaLinea"));
    m_tomarTuberia->setEnabled(false); // until the pipe window offers something
    connect(m_tomarTuberia, &QPushButton::clicked, this, [this] { TomarTuberiaLinea_Click(); });
    // The classic pipeline equations, side by side, in their own window.
    auto *gasoducto = new QPushButton(this);
    gasoducto->setObjectName(QStringLiteral("CommandGasoducto"));
    connect(gasoducto, &QPushButton::clicked, this, [] { abrirGasoducto(); });
    auto *filaGasoducto = new QHBoxLayout;
    filaGasoducto->addWidget(m_tomarTuberia);
    filaGasoducto->addWidget(gasoducto);
    filaGasoducto->addStretch(1);
    capas->addLayout(filaGasoducto);

    m_ayuda = new QLabel(this);
    m_ayuda->setObjectName(QStringLiteral("MensajeAyuda"));
    m_ayuda->setFrameShape(QFrame::StyledPanel);
    m_ayuda->setWordWrap(true);
    capas->addWidget(m_ayuda);
    // The note and the help line keep room for three lines, the most their texts take at the
    // window's narrowest: the window's minimum then holds them, and a note that comes or goes
    // moves nothing. (Following every relayout instead, as windows with rows that come and go
    // do, would cost most of a keystroke's time here.)
    const int lineas = 3 * fontMetrics().lineSpacing();
    m_nota->setMinimumHeight(lineas);
    m_ayuda->setMinimumHeight(lineas + 2 * m_ayuda->frameWidth() + 4);

    // Results are never typed into; they can still be selected and copied.
    for (const Campo &r : secciones[2].campos)
        campo(r.nombre)->setReadOnly(true);
}

void FormLineaGas::conectarEventos() {
    for (const QString &n : c::todos()) {
        connect(campo(n), &QLineEdit::textChanged, this, [this, n] {
            if (!m_escribiendo && !campo(n)->isReadOnly())
                Calcular();
        });
    }
    connect(m_opcionP2, &QRadioButton::toggled, this, [this] { alCambiarModo(); });
    connect(m_fijarF, &QCheckBox::toggled, this, [this] { alCambiarModo(); });

    for (QLineEdit *e : std::as_const(m_campos)) {
        e->installEventFilter(this);
        e->setMouseTracking(true);
    }
    for (QWidget *w : m_marcos) {
        w->installEventFilter(this);
        w->setMouseTracking(true);
    }
    installEventFilter(this);
    setMouseTracking(true);
}

bool FormLineaGas::calcularP2() const {
    return m_opcionP2->isChecked();
}

bool FormLineaGas::friccionDada() const {
    return m_fijarF->isChecked();
}

void FormLineaGas::fijarColebrook(lineagas::FuncionColebrook colebrook) {
    m_colebrook = std::move(colebrook);
    Calcular();
}

// The flow or P2, and f, change between input and result with the options; the field that
// becomes an input keeps the text it shows.
void FormLineaGas::alCambiarModo() {
    const QStringList entradas = c::entradas(calcularP2(), friccionDada());
    for (const QString &n : {c::MasicoLinea, c::P2Linea, c::fLinea})
        campo(n)->setReadOnly(!entradas.contains(n));
    restablecerColores();
    Calcular();
}

lineagas::Entradas FormLineaGas::leerEntradas() const {
    return lineagas::entradasDe([this](const QString &n) { return campo(n)->text(); }, calcularP2(),
                                friccionDada());
}

void FormLineaGas::escribir(const QString &nombre, const std::optional<double> &valor) {
    QLineEdit *e = campo(nombre);
    const QString texto =
        valor ? formatoFijo(*valor, c::decimales(nombre)).value_or(QString()) : QString();
    // An identical text is no change.
    if (e->text() != texto)
        e->setText(texto);
}

void FormLineaGas::Calcular() {
    const lineagas::Salidas s = lineagas::calcularVentana(leerEntradas(), m_colebrook);
    const bool anterior = m_escribiendo;
    m_escribiendo = true;
    // Every field but the mode's inputs shows its result, in the table's order.
    const QStringList entradas = c::entradas(calcularP2(), friccionDada());
    for (const Campo &f : c::tabla().campos())
        if (!entradas.contains(f.nombre) && campo(f.nombre))
            escribir(f.nombre, lineagas::salida(f.nombre, s));
    m_escribiendo = anterior;

    const auto aviso = lineagas::avisoEntradas(
        [this](const QString &n) { return campo(n)->text(); }, calcularP2(), friccionDada());
    const lineagas::NotaVentana nota = lineagas::notaVentana(s, aviso);
    const QString texto = nota.texto.en(idiomaActual());
    if (m_nota->text() != texto)
        m_nota->setText(texto);
    fijarColorTexto(m_nota, nota.roja ? kColorRojo : QPalette().color(QPalette::WindowText));
    avisarCambioCaso();
}

void FormLineaGas::tomarDatos(const DatosLineaGas &datos) {
    m_ofrecidos = datos;
    m_tomarTuberia->setEnabled(true);
    // The window's own texts in the fields an offer fills win over it: the button hands it
    // over on request.
    const QStringList ofrecidos = {c::DLinea,      c::RugLinea, c::ViscLinea, c::Densidad1,
                                   c::MasicoLinea, c::P1Linea,  c::TLinea};
    if (std::any_of(ofrecidos.cbegin(), ofrecidos.cend(),
                    [this](const QString &n) { return !campo(n)->text().isEmpty(); }))
        return;
    TomarTuberiaLinea_Click();
}

void FormLineaGas::TomarTuberiaLinea_Click() {
    const DatosLineaGas &datos = m_ofrecidos;
    m_escribiendo = true;
    if (!datos.masicoKgH.isEmpty())
        m_opcionP2->setChecked(true);
    const std::pair<const QString &, const QString &> pares[] = {
        {c::DLinea, datos.dint},
        {c::RugLinea, datos.rugosidad},
        {c::ViscLinea, datos.viscosidadDinamica},
        {c::Densidad1, datos.densidad},
        {c::MasicoLinea, datos.masicoKgH},
        {c::P1Linea, datos.p1},
        {c::TLinea, datos.temperatura}};
    for (const auto &[nombre, texto] : pares)
        if (!texto.isEmpty())
            campo(nombre)->setText(texto);
    m_escribiendo = false;
    Calcular();
}

void FormLineaGas::restablecerColores() {
    const QStringList entradas = c::entradas(calcularP2(), friccionDada());
    for (const QString &n : c::todos())
        fijarFondo(campo(n), entradas.contains(n) ? kColorEntrada : kColorCalculable);
}

bool FormLineaGas::esSuperficie(const QObject *obj) const {
    return obj == this || m_superficies.contains(obj);
}

void FormLineaGas::mostrarPista(const QString &espanol, const QString &ingles) {
    m_ayuda->setText(segunIdioma(idiomaActual(), espanol, ingles));
}

void FormLineaGas::alPasarRaton(QObject *obj) {
    if (esSuperficie(obj)) {
        restablecerColores();
        mostrarPista(pistaGeneralLinea().espanol, pistaGeneralLinea().ingles);
        return;
    }
    const QString nombre = obj->objectName();
    if (!m_campos.contains(nombre))
        return;
    const QStringList rojos = c::necesarios(nombre, calcularP2(), friccionDada());
    for (const QString &n : rojos)
        fijarFondo(campo(n), kColorRojo);
    const TextoBilingue pista = pistaLinea(nombre, rojos.isEmpty());
    if (!pista.espanol.isEmpty())
        mostrarPista(pista.espanol, pista.ingles);
}

bool FormLineaGas::eventFilter(QObject *obj, QEvent *ev) {
    if (ev->type() == QEvent::MouseMove) {
        alPasarRaton(obj);
        // A move over a field stops there: the surface behind it would reset the colours.
        if (!esSuperficie(obj) && static_cast<QMouseEvent *>(ev)->buttons() == Qt::NoButton)
            return true;
    }
    return QWidget::eventFilter(obj, ev);
}

} // namespace vorlo
