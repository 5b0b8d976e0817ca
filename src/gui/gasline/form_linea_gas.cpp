#include "form_linea_gas.h"

#include "app/colours.h"
#include "app/gaspipe_entry.h"
#include "app/texts.h"
#include "fields/language.h"
#include "fields/numbers.h"
#include "flowlimits/flow_limits.h"
#include "gasline/form_linea_gas_texts.h"
#include "gasline/gas_line_fields.h"
#include "gasline/gas_line_notes.h"
#include "pipeflow/colebrook_exacto.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace vorlo {

namespace {
namespace c = lineagas::campos;

// The section the results and their note stand in.
constexpr int kSeccionResultados = 2;

} // namespace

FormLineaGas::FormLineaGas(QWidget *parent)
    : VentanaTabla(c::tabla(), QStringLiteral("FormLineaGas"), caso::LineaGas, parent),
      m_colebrook(&colebrookExacto) {
    QGridLayout *resultados = rejilla(kSeccionResultados);
    m_nota = new QLabel(this);
    m_nota->setObjectName(QStringLiteral("NotaLinea"));
    m_nota->setWordWrap(true);
    resultados->addWidget(m_nota, resultados->rowCount(), 0, 1, 5);

    m_tomarTuberia = new QPushButton(this);
    m_tomarTuberia->setObjectName(QStringLiteral("TomarTuberiaLinea"));
    m_tomarTuberia->setEnabled(false); // until the pipe window offers something
    connect(m_tomarTuberia, &QPushButton::clicked, this, [this] { TomarTuberiaLinea_Click(); });
    // The classic pipeline equations, side by side, in their own window.
    auto *gasoducto = new QPushButton(this);
    gasoducto->setObjectName(QStringLiteral("CommandGasoducto"));
    connect(gasoducto, &QPushButton::clicked, this, [] { abrirGasoducto(); });
    auto *botones = new QHBoxLayout;
    botones->addWidget(m_tomarTuberia);
    botones->addWidget(gasoducto);
    botones->addStretch(1);
    zonaInferior()->addLayout(botones);

    m_ayuda = new QLabel(this);
    m_ayuda->setObjectName(QStringLiteral("MensajeAyuda"));
    m_ayuda->setFrameShape(QFrame::StyledPanel);
    m_ayuda->setWordWrap(true);
    zonaInferior()->addWidget(m_ayuda);
    // The note and the help line keep room for three lines, the most their texts take at the
    // window's narrowest: a note that comes or goes moves nothing.
    const int lineas = 3 * fontMetrics().lineSpacing();
    m_nota->setMinimumHeight(lineas);
    m_ayuda->setMinimumHeight(lineas + 2 * m_ayuda->frameWidth() + 4);

    anadirTextos(textosBotonesLineaGas());
    escribir(c::GammaLinea, formatoPlano(limites::kGammaDefecto).value_or(QString()));
    activarResaltado();
    mostrarPista(pistaGeneralLinea());
    recalcular();
}

// The inputs outlive the window while the program runs: reopened, it shows them again.
FormLineaGas::~FormLineaGas() {
    dejarParte();
}

caso::Ventana FormLineaGas::parteCaso() const {
    caso::Ventana v;
    v.opciones.insert(c::OpcionP2, calcularP2());
    v.opciones.insert(c::OpcionMasico, !calcularP2());
    v.opciones.insert(c::FijarF, friccionDada());
    for (const QString &n : c::entradas(calcularP2(), friccionDada()))
        v.textos.insert(n, texto(n));
    return v;
}

void FormLineaGas::cargarParte(const caso::Ventana &v) {
    // Solving for P2 unless the case says the flow.
    const bool p2 = !v.opciones.value(c::OpcionMasico, false) || v.opciones.value(c::OpcionP2);
    const bool f = v.opciones.value(c::FijarF, false);
    caso::Ventana parte = v;
    parte.opciones = {{c::OpcionP2, p2}, {c::OpcionMasico, !p2}, {c::FijarF, f}};
    // Every input of the mode: a missing one empty, but a case made before the ratio of
    // specific heats keeps the window's.
    for (const QString &n : c::entradas(p2, f))
        if (!parte.textos.contains(n) && n != c::GammaLinea)
            parte.textos.insert(n, QString());
    VentanaTabla::cargarParte(parte);
}

bool FormLineaGas::calcularP2() const {
    return opcion(c::OpcionP2);
}

bool FormLineaGas::friccionDada() const {
    return opcion(c::FijarF);
}

void FormLineaGas::fijarColebrook(lineagas::FuncionColebrook colebrook) {
    m_colebrook = std::move(colebrook);
    recalcular();
}

// The flow or P2, and f, change between input and result with the options; the field that
// becomes an input keeps the text it shows.
void FormLineaGas::mostrarModo() {
    const QStringList entradas = c::entradas(calcularP2(), friccionDada());
    for (const QString &n : {c::MasicoLinea, c::P2Linea, c::fLinea})
        fijarEntrada(n, entradas.contains(n));
}

lineagas::Entradas FormLineaGas::leerEntradas() const {
    return lineagas::entradasDe([this](const QString &n) { return texto(n); }, calcularP2(),
                                friccionDada());
}

void FormLineaGas::escribirResultado(const QString &nombre, const std::optional<double> &valor) {
    escribir(nombre,
             valor ? formatoFijo(*valor, c::decimales(nombre)).value_or(QString()) : QString());
}

void FormLineaGas::calcular() {
    mostrarModo();
    const lineagas::Salidas s = lineagas::calcularVentana(leerEntradas(), m_colebrook);
    // Every field but the mode's inputs shows its result, in the table's order.
    const QStringList entradas = c::entradas(calcularP2(), friccionDada());
    for (const Campo &f : c::tabla().campos())
        if (!entradas.contains(f.nombre))
            escribirResultado(f.nombre, lineagas::salida(f.nombre, s));

    const auto aviso = lineagas::avisoEntradas([this](const QString &n) { return texto(n); },
                                               calcularP2(), friccionDada());
    const lineagas::NotaVentana nota = lineagas::notaVentana(s, aviso);
    const QString t = nota.texto.en(lengua());
    if (m_nota->text() != t)
        m_nota->setText(t);
    fijarColorTexto(m_nota, nota.roja ? kColorRojo : QPalette().color(QPalette::WindowText));
}

void FormLineaGas::tomarDatos(const DatosLineaGas &datos) {
    m_ofrecidos = datos;
    m_tomarTuberia->setEnabled(true);
    // The window's own texts in the fields an offer fills win over it: the button hands it
    // over on request.
    const QStringList ofrecidos = {c::DLinea,      c::RugLinea, c::ViscLinea, c::Densidad1,
                                   c::MasicoLinea, c::P1Linea,  c::TLinea};
    if (std::any_of(ofrecidos.cbegin(), ofrecidos.cend(),
                    [this](const QString &n) { return !texto(n).isEmpty(); }))
        return;
    TomarTuberiaLinea_Click();
}

void FormLineaGas::TomarTuberiaLinea_Click() {
    const DatosLineaGas &datos = m_ofrecidos;
    // Only what the offer holds, then one calculation; a mass flow makes the window solve for
    // P2.
    caso::Ventana parte;
    if (!datos.masicoKgH.isEmpty())
        parte.opciones = {{c::OpcionP2, true}, {c::OpcionMasico, false}};
    const std::pair<const QString &, const QString &> pares[] = {
        {c::DLinea, datos.dint},
        {c::RugLinea, datos.rugosidad},
        {c::ViscLinea, datos.viscosidadDinamica},
        {c::Densidad1, datos.densidad},
        {c::MasicoLinea, datos.masicoKgH},
        {c::P1Linea, datos.p1},
        {c::TLinea, datos.temperatura}};
    for (const auto &[nombre, t] : pares)
        if (!t.isEmpty())
            parte.textos.insert(nombre, t);
    VentanaTabla::cargarParte(parte);
}

QStringList FormLineaGas::necesariosDe(const QString &campo) const {
    return c::necesarios(campo, calcularP2(), friccionDada());
}

void FormLineaGas::alPasarSobre(const QString &campo) {
    if (campo.isEmpty()) {
        mostrarPista(pistaGeneralLinea());
        return;
    }
    const TextoBilingue pista = pistaLinea(campo, necesariosDe(campo).isEmpty());
    if (!pista.espanol.isEmpty())
        mostrarPista(pista);
}

void FormLineaGas::mostrarPista(const TextoBilingue &pista) {
    m_ayuda->setText(pista.en(lengua()));
}

} // namespace vorlo
