#include "form_agua_vapor.h"

#include "app/case_entry.h"
#include "app/open_windows.h"
#include "fields/numbers.h"
#include "report/report.h"
#include "water/water_fields.h"
#include "water/water_warnings.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <variant>

namespace vorlo {

namespace {
namespace a = agua;
} // namespace

FormAguaVapor::FormAguaVapor(QWidget *parent)
    : VentanaTabla(a::camposAgua(), QStringLiteral("FormAguaVapor"), caso::Agua, parent) {
    m_usar = new QPushButton(this);
    m_usar->setObjectName(QStringLiteral("UsarAgua"));
    auto *abajo = new QHBoxLayout;
    abajo->addStretch(1);
    abajo->addWidget(m_usar);
    zonaInferior()->addLayout(abajo);
    connect(m_usar, &QPushButton::clicked, this, &FormAguaVapor::UsarAgua_Click);
    anadirTextos({
        {QString(), TextoControl::Titulo, QStringLiteral("Agua y vapor"),
         QStringLiteral("Water and steam")},
        {QStringLiteral("UsarAgua"), TextoControl::Texto, QStringLiteral("Usar en el cálculo"),
         QStringLiteral("Use in the calculation")},
        {QStringLiteral("UsarAgua"), TextoControl::Tooltip,
         QStringLiteral("Lleva la densidad y la viscosidad dinámica a la ventana de tuberías"),
         QStringLiteral("Takes the density and the dynamic viscosity to the pipe window")},
    });
    recalcular();
}

void FormAguaVapor::calcular() {
    const auto t = leerNumero(texto(a::TAgua));
    const auto p = leerNumero(texto(a::PAgua));
    if (t && p)
        m_resultado = a::estadoAgua(*t, *p);
    else
        m_resultado.reset();
    mostrar(lengua());
}

// Writes every result, the note and the button's state from the last calculation.
void FormAguaVapor::mostrar(Lengua lengua) {
    const a::EstadoAgua *estado = m_resultado ? std::get_if<a::EstadoAgua>(&*m_resultado) : nullptr;
    if (estado) {
        mostrarEstado(*estado, lengua);
        QStringList avisos;
        for (const TextoBilingue &aviso : a::avisosAgua(*estado))
            avisos << aviso.en(lengua);
        fijarNota(a::NotaAgua, avisos.join(QLatin1Char('\n')), !avisos.isEmpty());
    } else {
        vaciarResultados();
        // Out of range: the limit broken. An empty or unreadable input is still being typed,
        // and the empty results say enough.
        const auto *limite = m_resultado ? std::get_if<a::LimiteAgua>(&*m_resultado) : nullptr;
        fijarNota(a::NotaAgua, limite ? a::mensajeLimite(*limite).en(lengua) : QString(),
                  limite != nullptr);
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

void FormAguaVapor::UsarAgua_Click() {
    const QString densidad = texto(a::DensidadAgua);
    const QString viscosidad = texto(a::ViscDinAgua);
    if (densidad.isEmpty() || viscosidad.isEmpty())
        return;
    entregarAguaVapor({texto(a::TAgua), texto(a::PAgua), densidad, viscosidad});
}

// Every text the last calculation wrote, in the new language, with no new calculation.
void FormAguaVapor::alCambiarIdioma(Lengua lengua) {
    mostrar(lengua);
}

} // namespace vorlo
