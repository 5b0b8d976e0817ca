#include "window_emulation.h"

#include "pipeflow/friccion_exacta.h"
#include "pipeflow/pipe_flow.h"

namespace vorlo::resultados {

using namespace tuberia;

VentanaTuberiaSimulada::VentanaTuberiaSimulada(const QString &idioma, bool exacto)
    : m_idioma(idioma) {
    // The design state, set before any event is connected.
    m_campos.fijarOpcion(Option1, true);
    m_campos.fijarOpcion(Option3, true);
    m_campos.fijarOpcion(CheckExacto, exacto);
    m_campos.escribir(Desnivel, QStringLiteral("0"));
    // Initialize.
    calcular();
}

void VentanaTuberiaSimulada::escribir(const QString &campo, const QString &texto) {
    const Campo *c = campos().campo(campo);
    const bool caja = c && c->tiene(Caja);
    const QString nuevo = caja ? texto.left(kLongitudMaximaCaja) : texto;
    if (m_campos.texto(campo) == nuevo)
        return; // no change, no event
    m_campos.escribir(campo, nuevo);
    switch (alCambiar(campo, nuevo)) {
    case Reaccion::Ninguna:
        break;
    case Reaccion::Calcular:
        calcular();
        break;
    case Reaccion::CalcularYVaciarK:
        calcular();
        escribir(ktotal, QString());
        break;
    }
}

void VentanaTuberiaSimulada::calcular() {
    if (m_profundidad >= kProfundidadMaxima)
        return;
    ++m_profundidad;
    ++m_pasadas;
    if (opcion(CheckExacto)) {
        CalcularTuberiaExacta(*this, m_idioma, m_valoresExactos);
        PasoFriccionExacta(*this, m_idioma, &m_valoresExactos);
    } else {
        CalcularTuberia(*this, m_idioma);
        PasoFriccionExacta(*this, m_idioma);
    }
    --m_profundidad;
    m_ultimoEstado = estadoEntradas();
}

QStringList VentanaTuberiaSimulada::estadoEntradas() const {
    QStringList estado;
    for (const QString &n : entradas()) {
        if (n == Option3 || n == Option4)
            estado << (opcion(n) ? QStringLiteral("1") : QStringLiteral("0"));
        else
            estado << texto(n);
    }
    return estado;
}

void VentanaTuberiaSimulada::abrir(const Resultados &r) {
    const QStringList &op = nombresOpciones();
    // A pair saved with neither option "True" is left with neither selected.
    for (int par = 0; par < 4; par += 2) {
        const bool a = r.opciones[par];
        const bool b = r.opciones[par + 1];
        m_campos.fijarOpcion(op[par], a);
        m_campos.fijarOpcion(op[par + 1], (a || b) && !a);
    }
    // In file order: the diameter comes before the K total that its change empties.
    const QStringList &campos = nombresCampos();
    for (int i = 0; i < campos.size(); ++i)
        escribir(campos[i], r.textos[i]);
    calcular();
    // The 200 ms timer: a pass on each tick while an input changed since the last pass.
    for (int tic = 0; tic < kTicsMaximos && entradasCambiadas(); ++tic)
        calcular();
}

} // namespace vorlo::resultados
