#include "form_datos_informe.h"

#include "app/report_details_entry.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vorlo {

namespace {
namespace cab = informe::cabecera;
} // namespace

// The header lives apart from the window, in the case: the window has no part of its own.
FormDatosInforme::FormDatosInforme(QWidget *parent)
    : VentanaTabla(cab::tabla(), QStringLiteral("FormDatosInforme"), QString(), parent) {
    auto *pista = new QLabel(this);
    pista->setObjectName(QStringLiteral("PistaDatosInforme"));
    pista->setWordWrap(true);
    zonaInferior()->addWidget(pista);
    auto *cerrar = new QPushButton(this);
    cerrar->setObjectName(QStringLiteral("CerrarDatosInforme"));
    auto *abajo = new QHBoxLayout;
    abajo->addStretch(1);
    abajo->addWidget(cerrar);
    zonaInferior()->addLayout(abajo);
    connect(cerrar, &QPushButton::clicked, this, &QWidget::close);

    const TextoBilingue &preparado = cab::tabla().campo(cab::Preparado)->rotulo;
    anadirTextos({
        {QStringLiteral("PistaDatosInforme"), TextoControl::Texto,
         QStringLiteral("Encabezan la nota de cálculo: el bloque del título en la primera "
                        "página, la línea y la revisión en todas. Se guardan con el caso; "
                        "\"%1\" se recuerda además de una vez a otra.")
             .arg(preparado.espanol),
         QStringLiteral("They head the calculation note: the title block on its first page, "
                        "the line and revision on every page. They are saved with the case; "
                        "\"%1\" is also remembered from one run to the next.")
             .arg(preparado.ingles)},
        {QStringLiteral("CerrarDatosInforme"), TextoControl::Texto, QStringLiteral("Cerrar"),
         QStringLiteral("Close")},
    });
    // An empty count of digits takes the default, which the box shows greyed.
    if (auto *cifras = findChild<QLineEdit *>(cab::Cifras))
        cifras->setPlaceholderText(QString::number(cab::kCifrasDefecto));
    mostrar(cabeceraInforme());
}

void FormDatosInforme::mostrar(const informe::Cabecera &cabecera) {
    m_mostrando = true;
    for (const Campo &c : cab::tabla().campos())
        escribir(c.nombre, cabecera.texto(c.nombre));
    m_mostrando = false;
}

void FormDatosInforme::calcular() {
    if (m_mostrando)
        return;
    // Only a text that differs from the header's changes it.
    for (const Campo &c : cab::tabla().campos())
        cambiarTextoCabecera(c.nombre, texto(c.nombre));
}

} // namespace vorlo
