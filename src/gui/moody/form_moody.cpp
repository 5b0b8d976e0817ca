#include "form_moody.h"

#include "app/dialogos_archivo.h"
#include "app/icons.h"
#include "app/message_boxes.h"
#include "fields/numbers.h"
#include "moody/form_moody_texts.h"
#include "moody/moody_chart.h"

#include <QChartView>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSaveFile>
#include <QSvgGenerator>
#include <QVBoxLayout>
#include <cmath>

namespace vorlo {

FormMoody::FormMoody(QWidget *parent)
    : QWidget(parent), m_lengua(lenguaActual()), m_textos(textosMoody(m_lengua)) {
    setObjectName(QStringLiteral("FormMoody"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(icono(QStringLiteral("vorlo")));

    m_grafico = new GraficoMoody(m_lengua, font());
    m_vista = new QChartView(m_grafico, this);
    m_vista->setObjectName(QStringLiteral("GraficoMoody"));
    m_vista->setRenderHint(QPainter::Antialiasing);
    m_vista->setMinimumSize(560, 420);
    // Nothing in the chart takes keys: Tab goes straight to the button.
    m_vista->setFocusPolicy(Qt::NoFocus);
    m_vista->viewport()->setFocusPolicy(Qt::NoFocus);

    m_estado = new QLabel(this);
    m_estado->setObjectName(QStringLiteral("EstadoMoody"));
    m_estado->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_guardar = new QPushButton(this);
    m_guardar->setObjectName(QStringLiteral("CommandGuardarImagen"));

    auto *pie = new QHBoxLayout;
    pie->addWidget(m_estado, 1);
    pie->addWidget(m_guardar);
    auto *capas = new QVBoxLayout(this);
    capas->addWidget(m_vista, 1);
    capas->addLayout(pie);

    aplicarTextos(this, textosFormMoody(), m_lengua);
    connect(m_guardar, &QPushButton::clicked, this, &FormMoody::CommandGuardarImagen_Click);

    resize(980, 700);
    actualizar({});
}

FormMoody::~FormMoody() = default;

const QAbstractGraphicsShapeItem *FormMoody::marcaPunto() const {
    return m_grafico->marcaPunto();
}

const QAbstractGraphicsShapeItem *FormMoody::marcaRaiz() const {
    return m_grafico->marcaRaiz();
}

std::optional<QPointF> FormMoody::puntoOperacion() const {
    return m_grafico->puntoOperacion();
}

std::optional<QPointF> FormMoody::raizExacta() const {
    return m_grafico->raizExacta();
}

void FormMoody::actualizar(const EstadoMoody &e) {
    if (m_ultimo && *m_ultimo == e)
        return;
    m_ultimo = e;

    const PuntosMoody p = puntosMoody(e);

    // The status line: what the pipe window shows, as it shows it.
    QStringList partes;
    if (p.re)
        partes << QStringLiteral("Re = ") + e.re.trimmed();
    if (p.f)
        partes << QStringLiteral("f = ") + e.ffinal.trimmed();
    if (p.relativa)
        partes << QStringLiteral("ε/D = ") + GraficoMoody::textoRelativa(*p.relativa);
    m_estado->setText(partes.join(QStringLiteral("   ")));

    m_grafico->mostrar(p);
}

void FormMoody::CommandGuardarImagen_Click() {
    const QStringList filtros = {m_textos.filtroPng, m_textos.filtroSvg};
    const auto eleccion = dialogosArchivo().guardarComo(this, m_textos.tituloGuardar,
                                                        QStringLiteral("moody.png"), filtros);
    if (!eleccion)
        return;
    const QString ruta = rutaConExtension(*eleccion, filtros);
    const Formato formato =
        QFileInfo(ruta).suffix().compare(QLatin1String("svg"), Qt::CaseInsensitive) == 0
            ? Formato::Svg
            : Formato::Png;
    if (!guardarImagen(ruta, formato))
        mensajes().aviso(this, m_textos.errorGuardar.arg(QDir::toNativeSeparators(ruta)),
                         std::nullopt, Mensajes::Icono::Exclamacion);
}

bool FormMoody::guardarImagen(const QString &ruta, Formato formato) {
    QSaveFile archivo(ruta);
    if (!archivo.open(QIODevice::WriteOnly))
        return false;
    if (formato == Formato::Png) {
        if (!m_vista->grab().save(&archivo, "PNG")) {
            archivo.cancelWriting();
            return false;
        }
    } else {
        QSvgGenerator svg;
        svg.setOutputDevice(&archivo);
        svg.setResolution(m_vista->logicalDpiX());
        svg.setSize(m_vista->size());
        svg.setViewBox(QRect(QPoint(0, 0), m_vista->size()));
        svg.setTitle(windowTitle());
        QPainter pintor;
        if (!pintor.begin(&svg)) {
            archivo.cancelWriting();
            return false;
        }
        const GraficoMoody::Recorte recorte(*m_grafico);
        m_vista->render(&pintor);
        pintor.end();
    }
    return archivo.commit();
}

} // namespace vorlo
