#include "line/form_linea.h"

#include "app/case_entry.h"
#include "app/pipes_entry.h"
#include "app/water_entry.h"
#include "fields/numbers.h"
#include "line/grafico_linea.h"
#include "line/line_fields.h"
#include "line/line_input.h"
#include "line/line_values.h"
#include "line/tabla_tramos.h"
#include "water/water_fields.h"
#include "water/water_state.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vorlo {

namespace {

namespace l = linea;

// Points of the system curve the chart draws.
constexpr int kPuntosCurva = 60;
// Wide enough for the segment table's columns; the curve's box for a few pairs.
constexpr int kAncho = 1180;
constexpr int kAlto = 1000;
constexpr int kAnchoCurva = 300;

const TextoBilingue kSinAgua{
    QStringLiteral("Elija la temperatura y la presión en la ventana de agua y vapor, y pulse de "
                   "nuevo «Agua y vapor…»"),
    QStringLiteral("Choose the temperature and pressure in the water and steam window, then press "
                   "«Water and steam…» again")};

QPushButton *boton(QWidget *padre, const char *nombre) {
    auto *b = new QPushButton(padre);
    b->setObjectName(QString::fromLatin1(nombre));
    b->setAutoDefault(false);
    return b;
}

} // namespace

FormLinea::FormLinea(QWidget *parent)
    : VentanaTabla(l::tabla(), QStringLiteral("FormLinea"), caso::LineaBomba, parent) {
    m_bomba = new QComboBox(this);
    m_bomba->setObjectName(QStringLiteral("ListaBombaTras"));
    auto *rotulo = new QLabel(this);
    rotulo->setObjectName(QStringLiteral("EtiquetaBombaTras"));
    rotulo->setBuddy(m_bomba);
    QGridLayout *r = rejilla(l::SeccionBomba);
    const int fila = r->rowCount();
    r->addWidget(rotulo, fila, 0);
    r->addWidget(m_bomba, fila, 1);
    auto *agua = boton(this, "AguaLinea");
    rejilla(l::SeccionFluido)->addWidget(agua, 1, 3); // beside the density
    connect(agua, &QPushButton::clicked, this, &FormLinea::tomarAgua);
    construirInferior();
    // A curve of a few points is longer than a number: its box takes the unit's column too.
    QLineEdit *curva = caja(l::CurvaBomba);
    int filaCurva = 0, columna = 0, filas = 0, columnas = 0;
    QGridLayout *rb = rejilla(l::SeccionBomba);
    rb->getItemPosition(rb->indexOf(curva), &filaCurva, &columna, &filas, &columnas);
    rb->removeWidget(curva);
    curva->setFixedWidth(kAnchoCurva);
    rb->addWidget(curva, filaCurva, 1, 1, 3);
    resize(kAncho, kAlto);
    const TextoBilingue &bomba = l::tabla().campo(l::BombaTras)->rotulo;
    anadirTextos(
        {{QStringLiteral("EtiquetaBombaTras"), TextoControl::Texto, bomba.espanol, bomba.ingles},
         {QStringLiteral("AguaLinea"), TextoControl::Texto, kBotonAguaVapor.espanol,
          kBotonAguaVapor.ingles},
         {QStringLiteral("AgregarTramo"), TextoControl::Texto, QStringLiteral("Añadir tramo"),
          QStringLiteral("Add segment")},
         {QStringLiteral("QuitarTramo"), TextoControl::Texto, QStringLiteral("Quitar tramo"),
          QStringLiteral("Remove segment")},
         {QStringLiteral("TamanosTramo"), TextoControl::Texto,
          QStringLiteral("Tamaños de tubería…"), QStringLiteral("Pipe sizes…")},
         {QStringLiteral("EtiquetaTramos"), TextoControl::Texto,
          QStringLiteral("TRAMOS (en el sentido del flujo)"),
          QStringLiteral("SEGMENTS (in flow order)")}});
    actualizarCombo();
    connect(m_bomba, &QComboBox::currentIndexChanged, this,
            [this] { escribir(l::BombaTras, m_bomba->currentData().toString()); });
    recalcular();
}

void FormLinea::construirInferior() {
    QVBoxLayout *zona = zonaInferior();
    auto *titulo = new QLabel(this);
    titulo->setObjectName(QStringLiteral("EtiquetaTramos"));
    QFont f = titulo->font();
    f.setBold(true);
    titulo->setFont(f);
    zona->addWidget(titulo);
    m_tramos = new TablaTramos(this);
    m_tramos->setMinimumHeight(150);
    zona->addWidget(m_tramos);
    auto *botones = new QHBoxLayout;
    auto *agregar = boton(this, "AgregarTramo");
    auto *quitar = boton(this, "QuitarTramo");
    auto *tamanos = boton(this, "TamanosTramo");
    for (QPushButton *b : {agregar, quitar, tamanos})
        botones->addWidget(b);
    botones->addStretch(1);
    zona->addLayout(botones);
    m_grafico = new GraficoLinea(this);
    zona->addWidget(m_grafico, 1);
    connect(agregar, &QPushButton::clicked, m_tramos, &TablaTramos::agregar);
    connect(quitar, &QPushButton::clicked, m_tramos, &TablaTramos::quitar);
    connect(tamanos, &QPushButton::clicked, this, &FormLinea::elegirTuberia);
    connect(m_tramos, &TablaTramos::editado, this, &FormLinea::tramosEditados);
}

// The pump can sit before the first segment, between two, or after the last.
void FormLinea::actualizarCombo() {
    const QString actual = texto(l::BombaTras);
    const int n = int(m_tramos->celdas().size());
    const QSignalBlocker bloqueo(m_bomba);
    m_bomba->clear();
    m_bomba->addItem(l::sinBomba().en(lengua()), QString());
    for (int i = 0; i <= n; ++i)
        m_bomba->addItem(l::bombaTrasTramo().en(lengua()).arg(i), QString::number(i));
    const int indice = m_bomba->findData(actual);
    // A pump after a segment that was removed moves to the line's end.
    m_bomba->setCurrentIndex(indice >= 0 ? indice : m_bomba->count() - 1);
    if (m_bomba->currentData().toString() != actual)
        escribir(l::BombaTras, m_bomba->currentData().toString());
}

void FormLinea::tramosEditados() {
    escribir(l::Tramos, l::textoTramos(m_tramos->celdas()));
    actualizarCombo();
}

void FormLinea::tomarDatos(const DatosLinea &d) {
    if (!m_tramos->celdas().isEmpty())
        return;
    escribir(l::QLinea, d.caudal);
    escribir(l::DensidadLinea, d.densidad);
    escribir(l::ViscLinea, d.viscosidad);
    fijarTramos({{d.dint, d.longitud, d.desnivel, d.rugosidad, d.ktotal, QString()}});
}

void FormLinea::fijarTramos(const QList<l::CeldasTramo> &celdas) {
    m_tramos->fijarCeldas(celdas);
    tramosEditados();
}

void FormLinea::cargarParte(const caso::Ventana &v) {
    VentanaTabla::cargarParte(v);
    m_tramos->fijarCeldas(l::tramosDeTexto(texto(l::Tramos)));
    actualizarCombo();
    recalcular();
}

void FormLinea::tomarAgua() {
    const auto parte = casoAgua();
    const auto tc = parte ? leerNumero(parte->textos.value(agua::TAgua)) : std::nullopt;
    const auto bar = parte ? leerNumero(parte->textos.value(agua::PAgua)) : std::nullopt;
    const auto r = tc && bar ? std::optional(agua::estadoAgua(*tc, *bar)) : std::nullopt;
    const auto *e = r ? std::get_if<agua::EstadoAgua>(&*r) : nullptr;
    if (!e || e->fase != agua::Fase::Liquido) {
        abrirAguaVapor();
        fijarNota(l::NotaLinea, kSinAgua.en(lengua()), false);
        return;
    }
    const auto textoAgua = [e](const QString &campo) {
        const Campo &c = *agua::camposAgua().campo(campo);
        return c.formato.aplicar(agua::valorAgua(c, *e).value_or(0)).value_or(QString());
    };
    escribir(l::DensidadLinea, textoAgua(agua::DensidadAgua));
    escribir(l::ViscLinea, textoAgua(agua::ViscDinAgua));
    if (e->presionSaturacion)
        escribir(l::PsatLinea, textoAgua(agua::PsatAgua));
}

void FormLinea::elegirTuberia() {
    const int fila =
        m_tramos->currentRow() >= 0 ? m_tramos->currentRow() : int(m_tramos->rowCount()) - 1;
    if (fila < 0)
        return;
    QPointer<TablaTramos> tramos = m_tramos;
    abrirTuberias([tramos, fila](const QString &diametro, const QString &) {
        if (tramos)
            tramos->fijarDiametro(fila, diametro);
    });
}

void FormLinea::alCambiarIdioma(Lengua lengua) {
    m_tramos->traducir(lengua);
    m_grafico->traducir(lengua);
    actualizarCombo();
    recalcular();
}

void FormLinea::mostrarError(const TextoBilingue &mensaje) {
    vaciarResultados();
    m_tramos->fijarResultados({});
    m_grafico->mostrar({}, {}, std::nullopt, std::nullopt);
    fijarNota(l::NotaLinea, mensaje.en(lengua()), !mensaje.ingles.isEmpty());
}

void FormLinea::calcular() {
    const l::LectorTextos lector = [this](const QString &c) { return texto(c); };
    m_resultado = {};
    if (l::sinDatos(lector)) {
        mostrarError({});
        return;
    }
    const auto datos = l::leerDatos(lector);
    if (const auto *m = std::get_if<TextoBilingue>(&datos)) {
        mostrarError(*m);
        return;
    }
    const l::Datos &d = std::get<l::Datos>(datos);
    m_resultado = l::calcular(d);
    if (!m_resultado.valido()) {
        mostrarError(l::mensaje(m_resultado.motivo, m_resultado.tramoFallido));
        return;
    }
    mostrarResultado(d);
}

void FormLinea::mostrarResultado(const l::Datos &d) {
    for (const Campo &c : tabla().campos()) {
        if (c.rol != Rol::Resultado)
            continue;
        const auto x = l::valorResultado(c.nombre, m_resultado);
        escribir(c.nombre, x ? c.formato.aplicar(*x).value_or(QString()) : QString());
    }
    const auto &b = m_resultado.bomba;
    escribirColor(l::MargenNPSH,
                  b && b->margen && *b->margen < 0 ? ColorNota::Rojo : ColorNota::Normal);
    m_tramos->fijarResultados(m_resultado.tramos);
    QStringList notas;
    bool roja = false;
    for (const l::Aviso &a : l::avisos(d, m_resultado)) {
        notas << a.texto.en(lengua());
        roja = roja || a.rojo;
    }
    fijarNota(l::NotaLinea, notas.join(QLatin1Char('\n')), roja);
    if (!b) {
        m_grafico->mostrar({}, {}, std::nullopt, std::nullopt);
        return;
    }
    m_grafico->mostrar(l::curvaSistema(d, kPuntosCurva), d.curvaBomba,
                       l::PuntoCurva{m_resultado.q, b->tdh}, b->operacion);
}

} // namespace vorlo
