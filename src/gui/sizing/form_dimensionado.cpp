#include "form_dimensionado.h"

#include "app/colours.h"
#include "app/icons.h"
#include "app/key_filter.h"
#include "app/layout_tools.h"
#include "app/open_windows.h"
#include "app/texts.h"
#include "fields/numbers.h"
#include "sizing/form_dimensionado_texts.h"
#include "sizing/sizing_fields.h"
#include "sizing/sizing_services.h"
#include "sizing/tabla_dimensionado.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

namespace vorlo {

namespace {

namespace d = dimensionado;

// The columns whose values the limits judge, in columnasDimensionado()'s order.
constexpr int kColumnaVelocidad = 2;
constexpr int kColumnaPerdida = 5;
// Rows the table shows without scrolling when the window opens.
constexpr int kFilasVisibles = 14;
// The background of the picked size's row: a pale green, apart from the input colours.
const QColor kColorEleccion(204, 238, 204);

// The wall of the old schedule in the new standard where it has it (Sch 40 and 40S stand for
// each other), else the standard's usual one.
QString cedulaParecida(const QString &anterior, const QStringList &cedulas, NormaTuberia norma) {
    for (const QString &c : cedulasEquivalentes(anterior))
        if (cedulas.contains(c))
            return c;
    return cedulaPorDefecto(norma);
}

QTableWidgetItem *nuevaCelda(int columna) {
    auto *it = new QTableWidgetItem;
    // Numbers line up on the right, the nominal size on the left; the mark stands in the middle
    // of the column that takes the table's spare width.
    const qsizetype ultima = columnasDimensionado().size() - 1;
    const Qt::Alignment lado = columna == 0        ? Qt::AlignLeft
                               : columna == ultima ? Qt::AlignHCenter
                                                   : Qt::AlignRight;
    it->setTextAlignment(Qt::AlignVCenter | lado);
    return it;
}

} // namespace

// Process data on the left; the limits and the pipe's standard and schedule on the right; the
// sizes under them, taking the window's spare height.
FormDimensionado::FormDimensionado(QWidget *parent)
    : VentanaTabla(tablaDimensionado(), QStringLiteral("FormDimensionado"), caso::Dimensionado,
                   parent) {
    construirServicios(rejilla(1));
    construirTuberia();
    disponerEnColumnas({{0}, {1, 2}});
    construirTabla();
    zonaInferior()->addWidget(m_tabla, 1);
    construirEleccion();
    zonaInferiorCrece();
    anadirTextos(textosFormDimensionado());
    llenarNormas();
    conectarEventos();
    alCambiarIdioma(lengua());
}

// The inputs outlive the window while the program runs, and go into the case.
FormDimensionado::~FormDimensionado() {
    dejarParte();
}

void FormDimensionado::construirTuberia() {
    QGridLayout *tuberia = nuevaSeccion(QStringLiteral("EtiquetaTuberiaDim"));
    m_norma = new QComboBox(this);
    m_norma->setObjectName(NormaDim);
    m_cedula = new QComboBox(this);
    m_cedula->setObjectName(CedulaDim);
    const std::pair<QString, QComboBox *> listas[] = {
        {QStringLiteral("EtiquetaNormaDim"), m_norma},
        {QStringLiteral("EtiquetaCedulaDim"), m_cedula}};
    for (const auto &[nombre, lista] : listas) {
        auto *caption = new QLabel(this);
        caption->setObjectName(nombre);
        caption->setBuddy(lista);
        const int fila = tuberia->rowCount();
        tuberia->addWidget(caption, fila, 0);
        tuberia->addWidget(lista, fila, 1, 1, 2);
    }
}

void FormDimensionado::construirEleccion() {
    auto *abajo = new QHBoxLayout;
    auto *rotulo = new QLabel(this);
    rotulo->setObjectName(QStringLiteral("EtiquetaEleccionDim"));
    m_eleccion = new QLabel(this);
    m_eleccion->setObjectName(EleccionDim);
    m_eleccion->setFont(negrita(m_eleccion->font()));
    // Plain text: a selectable or rich label lays its text out as a document at every change.
    m_eleccion->setTextFormat(Qt::PlainText);
    m_usar = new QPushButton(this);
    m_usar->setObjectName(UsarDim);
    abajo->addWidget(rotulo);
    abajo->addWidget(m_eleccion, 1);
    abajo->addWidget(m_usar);
    zonaInferior()->addLayout(abajo);
}

void FormDimensionado::construirServicios(QGridLayout *rejilla) {
    m_servicio = new QComboBox(this);
    m_servicio->setObjectName(ServicioDim);
    m_servicio->addItem(QString());
    for (const ServicioDimensionado &s : serviciosDimensionado())
        m_servicio->addItem(QString(), s.clave);
    auto *caption = new QLabel(this);
    caption->setObjectName(QStringLiteral("EtiquetaServicioDim"));
    caption->setBuddy(m_servicio);
    const int fila = rejilla->rowCount();
    rejilla->addWidget(caption, fila, 0);
    rejilla->addWidget(m_servicio, fila, 1, 1, 2);
}

void FormDimensionado::ServicioDim_Click() {
    const ServicioDimensionado *s = servicioDimensionado(m_servicio->currentData().toString());
    if (!s)
        return;
    const auto texto = [](const std::optional<double> &x) {
        return x ? formatoPlano(*x).value_or(QString()) : QString();
    };
    // Both limits, then one calculation.
    caso::Ventana limites;
    limites.textos = {{d::VmaxDim, texto(s->velocidadMaxima)},
                      {d::DPmaxDim, texto(s->perdidaMaxima)}};
    VentanaTabla::cargarParte(limites);
}

void FormDimensionado::construirTabla() {
    m_tabla = new QTableWidget(0, int(columnasDimensionado().size()), this);
    m_tabla->setObjectName(TablaDim);
    m_tabla->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tabla->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_tabla->setSelectionMode(QAbstractItemView::SingleSelection);
    m_tabla->verticalHeader()->hide();
    m_tabla->setItemDelegate(new CeldaDimensionado(m_tabla));
    m_tabla->horizontalHeader()->setStretchLastSection(true);
    // Nothing in the header changes with the pick: it need not repaint when the pick moves.
    m_tabla->horizontalHeader()->setHighlightSections(false);
    m_tabla->setWordWrap(false);
    // Rows as tight as a line of text with a little air: more sizes in sight.
    const int fila = m_tabla->fontMetrics().height() + 8;
    m_tabla->verticalHeader()->setMinimumSectionSize(fila);
    m_tabla->verticalHeader()->setDefaultSectionSize(fila);
    m_tabla->setMinimumHeight(kFilasVisibles * fila +
                              m_tabla->horizontalHeader()->sizeHint().height() +
                              2 * m_tabla->frameWidth());
}

void FormDimensionado::conectarEventos() {
    connect(m_norma, &QComboBox::currentIndexChanged, this, [this] { NormaDim_Click(); });
    connect(m_cedula, &QComboBox::currentIndexChanged, this, [this] { recalcular(); });
    connect(m_tabla, &QTableWidget::cellDoubleClicked, this,
            [this](int fila, int) { TablaDim_DblClick(fila); });
    connect(m_usar, &QPushButton::clicked, this, &FormDimensionado::UsarDim_Click);
    connect(m_servicio, &QComboBox::activated, this, [this] { ServicioDim_Click(); });
}

void FormDimensionado::llenarNormas() {
    for (NormaTuberia n : normasTuberia())
        m_norma->addItem(nombreNorma(n), int(n));
    m_norma->setCurrentIndex(m_norma->findData(int(kNormaDimensionado)));
    NormaDim_Click();
}

NormaTuberia FormDimensionado::normaActual() const {
    return NormaTuberia(m_norma->currentData().toInt());
}

QString FormDimensionado::cedulaActual() const {
    return m_cedula->currentData().toString();
}

void FormDimensionado::NormaDim_Click() {
    const NormaTuberia norma = normaActual();
    const QStringList cedulas = cedulasDe(norma);
    const QString cedula = cedulaParecida(cedulaActual(), cedulas, norma);
    {
        const QSignalBlocker bloqueo(m_cedula);
        m_cedula->clear();
        for (const QString &c : cedulas)
            m_cedula->addItem(textoCedula({norma, 0, 0, c, 0, 0, 0}), c);
        m_cedula->setCurrentIndex(m_cedula->findData(cedula));
    }
    recalcular();
}

void FormDimensionado::calcular() {
    m_resultado = dimensionar(entradaDesdeTextos(*this, normaActual(), cedulaActual()));
    llenarTabla();
    escribirEleccion();
}

void FormDimensionado::llenarTabla() {
    const QList<FilaDimensionado> &filas = m_resultado.filas;
    if (m_tabla->rowCount() != filas.size())
        m_tabla->setRowCount(int(filas.size()));
    for (int i = 0; i < filas.size(); ++i)
        pintarFila(i, filas.at(i), celdasDimensionado(filas.at(i), lengua()));
    // The pick is selected; a double click on another row still hands that one. A pick out of
    // sight is brought to the middle, with the sizes around it.
    if (m_resultado.elegida) {
        const int fila = int(*m_resultado.elegida);
        if (m_tabla->currentRow() != fila)
            m_tabla->selectRow(fila);
        QTableWidgetItem *it = m_tabla->item(fila, 0);
        if (!m_tabla->viewport()->rect().contains(m_tabla->visualItemRect(it)))
            m_tabla->scrollToItem(it, QAbstractItemView::PositionAtCenter);
    } else {
        m_tabla->clearSelection();
    }
}

void FormDimensionado::pintarFila(int fila, const FilaDimensionado &f, const QStringList &celdas) {
    const bool elegida = m_resultado.elegida == fila;
    const QBrush normal = palette().brush(QPalette::Text);
    for (int col = 0; col < celdas.size(); ++col) {
        QTableWidgetItem *it = m_tabla->item(fila, col);
        if (!it) {
            it = nuevaCelda(col);
            m_tabla->setItem(fila, col, it);
        }
        // QTableWidgetItem ignores a value equal to the one it holds: no repaint for those.
        it->setText(celdas.at(col));
        const bool fuera = (col == kColumnaVelocidad && !f.cumpleVelocidad) ||
                           (col == kColumnaPerdida && !f.cumplePerdida);
        it->setForeground(fuera ? QBrush(kColorRojo) : normal);
        it->setBackground(elegida ? QBrush(kColorEleccion) : QBrush());
        it->setFont(elegida ? negrita(m_tabla->font()) : m_tabla->font());
    }
}

void FormDimensionado::escribirEleccion() {
    // A text that cannot be taken is named with what is wrong in it, not only that it is wrong.
    const auto problema =
        m_resultado.motivo ? problemaTextosDimensionado(*this) : std::optional<TextoBilingue>();
    const QString t = problema.value_or(textoResultado(m_resultado)).en(lengua());
    if (m_eleccion->text() != t)
        m_eleccion->setText(t);
    // A reason, "none meets" or an extrapolated pick stands out in red.
    const FilaDimensionado *eleccion = m_resultado.eleccion();
    escribirColor(EleccionDim,
                  eleccion && !eleccion->extrapolada ? ColorNota::Normal : ColorNota::Rojo);
    m_usar->setEnabled(m_resultado.eleccion() != nullptr);
}

// The column titles, the placeholders, the services and the pick line in `lengua`.
void FormDimensionado::alCambiarIdioma(Lengua lengua) {
    QStringList titulos;
    for (const ColumnaDimensionado &c : columnasDimensionado())
        titulos << c.titulo.en(lengua);
    m_tabla->setHorizontalHeaderLabels(titulos);
    fijarAnchosColumnas(m_tabla, lengua);
    for (const QString &n : {d::VmaxDim, d::DPmaxDim})
        caja(n)->setPlaceholderText(textoSinLimite().en(lengua));
    findChild<QLabel *>(QStringLiteral("EtiquetaServicioDim"))
        ->setText(rotuloServicio().en(lengua));
    for (int i = 1; i < m_servicio->count(); ++i)
        m_servicio->setItemText(i, serviciosDimensionado().at(i - 1).nombre.en(lengua));
    VentanaTabla::alCambiarIdioma(lengua);
}

void FormDimensionado::tomarDatos(const DatosDimensionado &datos) {
    caso::Ventana parte;
    const std::pair<const QString &, const QString &> pares[] = {
        {d::QDim, datos.caudal},
        {d::DensidadDim, datos.densidad},
        {d::ViscDim, datos.viscosidadDinamica},
        {d::RugDim, datos.rugosidad}};
    for (const auto &[nombre, t] : pares)
        if (!t.isEmpty())
            parte.textos.insert(nombre, t);
    VentanaTabla::cargarParte(parte);
}

void FormDimensionado::cargarParte(const caso::Ventana &v) {
    // The standard first: it sets the schedules the schedule is chosen from; a missing input
    // is empty.
    caso::Ventana parte = v;
    for (const Campo &c : tablaDimensionado().campos())
        parte.textos.insert(c.nombre, v.textos.value(c.nombre));
    if (v.textos.contains(NormaDim))
        escribir(NormaDim, v.textos.value(NormaDim));
    VentanaTabla::cargarParte(parte);
}

void FormDimensionado::UsarDim_Click() {
    if (const FilaDimensionado *f = m_resultado.eleccion())
        entregar(f->tuberia);
}

void FormDimensionado::TablaDim_DblClick(int fila) {
    if (fila >= 0 && fila < m_resultado.filas.size())
        entregar(m_resultado.filas.at(fila).tuberia);
}

// The inside diameter in the fields' form, as the pipe sizes window hands it ("102,26").
void FormDimensionado::entregar(const TuberiaNormalizada &t) {
    entregarTuberiaDimensionada(formatoFijo(t.interior, 2).value_or(QString()),
                                designacionTuberia(t));
}

QString FormDimensionado::texto(const QString &nombre) const {
    if (nombre == NormaDim)
        return nombreNorma(normaActual());
    if (nombre == CedulaDim)
        return cedulaActual();
    if (nombre == EleccionDim)
        return m_eleccion->text();
    return VentanaTabla::texto(nombre);
}

void FormDimensionado::escribir(const QString &nombre, const QString &t) {
    if (nombre == NormaDim) {
        for (int i = 0; i < m_norma->count(); ++i)
            if (m_norma->itemText(i) == t)
                m_norma->setCurrentIndex(i);
    } else if (nombre == CedulaDim) {
        if (const int i = m_cedula->findData(t); i >= 0)
            m_cedula->setCurrentIndex(i);
    } else if (nombre == EleccionDim) {
        m_eleccion->setText(t);
    } else {
        VentanaTabla::escribir(nombre, t);
    }
}

void FormDimensionado::escribirColor(const QString &nombre, ColorNota color) {
    if (nombre == EleccionDim)
        fijarColorTexto(m_eleccion, color == ColorNota::Rojo
                                        ? kColorRojo
                                        : QPalette().color(QPalette::WindowText));
    else
        VentanaTabla::escribirColor(nombre, color);
}

} // namespace vorlo
