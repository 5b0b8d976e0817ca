#include "form_gasoducto.h"

#include "app/colours.h"
#include "app/pipes_entry.h"
#include "fields/numbers.h"
#include "gaspipe/gas_pipe_fields.h"
#include "gaspipe/gas_pipe_notes.h"
#include "gaspipe/gas_pipe_window.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace vorlo {

namespace {

namespace c = gasoducto::campos;
namespace g = gasoducto;

constexpr int kColumnas = 3;
// The chosen equation's row stands out in the comparison.
const QColor kColorElegida(255, 255, 160);

} // namespace

FormGasoducto::FormGasoducto(QWidget *parent)
    : VentanaTabla(c::tabla(), QStringLiteral("FormGasoducto"), caso::Gasoducto, parent) {
    construirTabla();
    // "Pipe sizes…" beside the diameter, as in the pipe window: the accepted pipe's inside
    // diameter comes into the field as typed.
    m_tuberias = new QPushButton(this);
    m_tuberias->setObjectName(QStringLiteral("CommandTuberiaGasoducto"));
    QGridLayout *tuberia = rejilla(1);
    int fila = 0, columna = 0, filas = 0, columnas = 0;
    tuberia->getItemPosition(tuberia->indexOf(caja(c::DGasoducto)), &fila, &columna, &filas,
                             &columnas);
    tuberia->addWidget(m_tuberias, fila, 3);
    // Tab reaches the button right after the diameter it fills.
    setTabOrder(caja(c::DGasoducto), m_tuberias);
    connect(m_tuberias, &QPushButton::clicked, this, [this] {
        QPointer<FormGasoducto> yo(this);
        abrirTuberias([yo](const QString &diametro, const QString &) {
            if (yo)
                yo->escribir(c::DGasoducto, diametro);
        });
    });
    anadirTextos({{m_tuberias->objectName(), TextoControl::Texto, QStringLiteral("Tuberías…"),
                   QStringLiteral("Pipe sizes…")},
                  // An empty efficiency is each equation's own.
                  {c::EGasoducto, TextoControl::Tooltip,
                   QStringLiteral("Vacía: 0,92 en Weymouth y Panhandle, 1 en IGT"),
                   QStringLiteral("Empty: 0.92 for Weymouth and Panhandle, 1 for IGT")},
                  {c::CErosionalGasoducto, TextoControl::Tooltip,
                   QStringLiteral("100 servicio continuo, 125 intermitente"),
                   QStringLiteral("100 continuous service, 125 intermittent")},
                  {QStringLiteral("TablaEcuacionesTitulo"), TextoControl::Texto,
                   c::kTituloComparacion.espanol, c::kTituloComparacion.ingles}});
    caja(c::EGasoducto)->setPlaceholderText(QStringLiteral("0,92 · IGT 1"));
    for (const Campo &f : c::tabla().campos())
        if (const QString t = c::textoInicial(f.nombre); !t.isEmpty())
            escribir(f.nombre, t);
    recalcular();
}

void FormGasoducto::construirTabla() {
    auto *titulo = new QLabel(this);
    titulo->setObjectName(QStringLiteral("TablaEcuacionesTitulo"));
    QFont negrita = titulo->font();
    negrita.setBold(true);
    titulo->setFont(negrita);
    zonaInferior()->addWidget(titulo);
    m_tabla = new QTableWidget(int(g::kEcuaciones.size()), kColumnas, this);
    m_tabla->setObjectName(QStringLiteral("TablaEcuaciones"));
    m_tabla->verticalHeader()->hide();
    m_tabla->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tabla->setSelectionMode(QAbstractItemView::NoSelection);
    m_tabla->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    // The equations' names whole, in either language.
    m_tabla->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    for (int fila = 0; fila < m_tabla->rowCount(); ++fila)
        for (int col = 0; col < kColumnas; ++col) {
            auto *item = new QTableWidgetItem;
            item->setTextAlignment(col == 0 ? Qt::AlignLeft | Qt::AlignVCenter
                                            : Qt::AlignRight | Qt::AlignVCenter);
            m_tabla->setItem(fila, col, item);
        }
    // Every row in sight without a scroll bar.
    m_tabla->resizeRowsToContents();
    int alto = m_tabla->horizontalHeader()->sizeHint().height() + 2 * m_tabla->frameWidth();
    for (int fila = 0; fila < m_tabla->rowCount(); ++fila)
        alto += m_tabla->rowHeight(fila);
    m_tabla->setFixedHeight(alto);
    m_tabla->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    zonaInferior()->addWidget(m_tabla);
}

// The flow or P2 is the input, the other the result, by the option.
void FormGasoducto::mostrarModo() {
    const bool caudal = g::calculaCaudal(*this);
    fijarEntrada(c::QGasoducto, !caudal);
    fijarEntrada(c::P2Gasoducto, caudal);
}

void FormGasoducto::llenarTabla(const g::Salidas &s) {
    const bool caudal = g::calculaCaudal(*this);
    const Lengua l = lengua();
    const QStringList cabecera = {l == Lengua::Espanol ? QStringLiteral("Ecuación")
                                                       : QStringLiteral("Equation"),
                                  QStringLiteral("E"),
                                  caudal ? (l == Lengua::Espanol ? QStringLiteral("Caudal (Sm3/h)")
                                                                 : QStringLiteral("Flow (Sm3/h)"))
                                         : QStringLiteral("P2 (bar a)")};
    m_tabla->setHorizontalHeaderLabels(cabecera);
    const QString nombre = l == Lengua::Espanol ? QStringLiteral("Comparación de ecuaciones")
                                                : QStringLiteral("Equations compared");
    m_tabla->setAccessibleName(nombre);
    m_tabla->horizontalHeader()->setAccessibleName(nombre);
    m_tabla->verticalHeader()->setAccessibleName(nombre);
    const auto elegida = c::ecuacionDe(texto(c::EcuacionGasoducto));
    for (int fila = 0; fila < m_tabla->rowCount(); ++fila) {
        const g::Ecuacion e = g::kEcuaciones[std::size_t(fila)];
        const g::Resultado &r = s.comparacion[std::size_t(fila)];
        QString efic;
        QString valor;
        if (s.datos) {
            const bool conE = g::forma(e).has_value();
            efic = conE ? formatoPlano(s.datos->eficiencia.value_or(g::eficienciaDefecto(e)))
                              .value_or(QString())
                        : QStringLiteral("—");
            const QString campo = caudal ? c::QGasoducto : c::P2Gasoducto;
            const auto x = g::valorCampo(campo, r);
            valor = x ? c::tabla().campo(campo)->formato.aplicar(*x).value_or(QString())
                      : g::textoBreve(r.motivo).en(l);
        }
        const QString textos[kColumnas] = {c::nombreEcuacion(e).en(l), efic, valor};
        const bool resaltada = elegida == e;
        for (int col = 0; col < kColumnas; ++col) {
            QTableWidgetItem *item = m_tabla->item(fila, col);
            if (item->text() != textos[col])
                item->setText(textos[col]);
            QFont f = item->font();
            if (f.bold() != resaltada) {
                f.setBold(resaltada);
                item->setFont(f);
            }
            item->setBackground(resaltada ? QBrush(kColorElegida) : QBrush());
        }
    }
}

void FormGasoducto::calcular() {
    mostrarModo();
    const g::Salidas s = g::calcularCampos(*this, lengua());
    llenarTabla(s);
}

} // namespace vorlo
