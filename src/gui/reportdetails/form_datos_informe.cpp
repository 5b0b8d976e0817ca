#include "form_datos_informe.h"

#include "app/icons.h"
#include "app/layout_tools.h"
#include "app/report_details_entry.h"
#include "app/texts.h"
#include "reportdetails/form_datos_informe_texts.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vorlo {

namespace {
namespace cab = informe::cabecera;

// Room for a project's name or a line number such as "10"-P-1001-A1B" without scrolling.
constexpr int kAnchoCampo = 320;
constexpr int kLineasObservaciones = 4;
} // namespace

FormDatosInforme::FormDatosInforme(QWidget *parent) : QWidget(parent) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("FormDatosInforme"));
    setWindowIcon(icono(QStringLiteral("vorlo")));
    construir();
    aplicarTextosAlCargar(this, textosFormDatosInforme());
    igualarColumna({m_rejilla}, 0, textosFormDatosInforme());
    alturaMinimaConTextos(this);
    mostrar(cabeceraInforme());

    for (auto it = m_campos.cbegin(); it != m_campos.cend(); ++it)
        connect(it.value(), &QLineEdit::textChanged, this, [this, n = it.key()] { alCambiar(n); });
    connect(m_observaciones, &QPlainTextEdit::textChanged, this,
            [this] { alCambiar(cab::Observaciones); });
    connect(m_cerrar, &QPushButton::clicked, this, &QWidget::close);
    connect(&avisoIdioma(), &AvisoIdioma::cambiado, this, &FormDatosInforme::alCambiarIdioma);
}

FormDatosInforme::~FormDatosInforme() = default;

void FormDatosInforme::construir() {
    auto *capas = new QVBoxLayout(this);
    const TablaCampos &t = cab::tabla();
    auto *titulo = new QLabel(this);
    titulo->setObjectName(t.etiquetaTitulo());
    QFont negrita = titulo->font();
    negrita.setBold(true);
    negrita.setPointSize(11);
    titulo->setFont(negrita);
    capas->addWidget(titulo);

    m_rejilla = new QGridLayout;
    for (const Campo &c : t.campos()) {
        if (c.nombre == cab::Observaciones)
            continue;
        QLineEdit *e = filaDeCampo(this, m_rejilla, c, kAnchoCampo);
        // Free texts: the field grows with the window.
        e->setMaximumWidth(QWIDGETSIZE_MAX);
        e->setMinimumWidth(kAnchoCampo);
        m_campos.insert(c.nombre, e);
    }
    // The remarks take several lines.
    const Campo &obs = *t.campo(cab::Observaciones);
    auto *rotulo = new QLabel(this);
    rotulo->setObjectName(obs.etiqueta);
    m_observaciones = new QPlainTextEdit(this);
    m_observaciones->setObjectName(obs.nombre);
    m_observaciones->setTabChangesFocus(true);
    m_observaciones->setFixedHeight(
        kLineasObservaciones * fontMetrics().lineSpacing() +
        2 * (m_observaciones->frameWidth() + int(m_observaciones->document()->documentMargin())));
    rotulo->setBuddy(m_observaciones);
    const int fila = m_rejilla->rowCount();
    m_rejilla->addWidget(rotulo, fila, 0, Qt::AlignTop);
    m_rejilla->addWidget(m_observaciones, fila, 1);
    m_rejilla->setColumnStretch(1, 1);
    capas->addLayout(m_rejilla);

    auto *pista = new QLabel(this);
    pista->setObjectName(QStringLiteral("PistaDatosInforme"));
    pista->setWordWrap(true);
    capas->addWidget(pista);

    m_cerrar = new QPushButton(this);
    m_cerrar->setObjectName(QStringLiteral("CerrarDatosInforme"));
    auto *abajo = new QHBoxLayout;
    abajo->addStretch(1);
    abajo->addWidget(m_cerrar);
    capas->addLayout(abajo);
}

QString FormDatosInforme::texto(const QString &campo) const {
    if (campo == cab::Observaciones)
        return m_observaciones->toPlainText();
    const QLineEdit *e = m_campos.value(campo);
    return e ? e->text() : QString();
}

void FormDatosInforme::escribir(const QString &campo, const QString &t) {
    if (campo == cab::Observaciones) {
        if (m_observaciones->toPlainText() != t)
            m_observaciones->setPlainText(t);
    } else if (QLineEdit *e = m_campos.value(campo); e && e->text() != t) {
        e->setText(t);
    }
}

bool FormDatosInforme::opcion(const QString &) const {
    return false; // the window has no options
}

void FormDatosInforme::escribirColor(const QString &, ColorNota) {}

void FormDatosInforme::mostrar(const informe::Cabecera &cabecera) {
    m_mostrando = true;
    for (const Campo &c : cab::tabla().campos())
        escribir(c.nombre, cabecera.texto(c.nombre));
    m_mostrando = false;
}

void FormDatosInforme::alCambiar(const QString &campo) {
    if (!m_mostrando)
        cambiarTextoCabecera(campo, texto(campo));
}

void FormDatosInforme::alCambiarIdioma(Lengua lengua) {
    aplicarTextos(this, textosFormDatosInforme(), lengua);
    ajustarAlContenido(this);
}

} // namespace vorlo
