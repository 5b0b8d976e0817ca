#include "pipeflow/pipe_controller.h"

#include "pipeflow/friccion_exacta.h"
#include "pipeflow/pipe_fields.h"
#include "pipeflow/pipe_flow.h"

namespace vorlo::tuberia {

void Controlador::alCambiar(CamposTexto &ventana, const QString &campo, const QString &texto,
                            const QString &idioma) {
    switch (tuberia::alCambiar(campo, texto)) {
    case Reaccion::Ninguna:
        break;
    case Reaccion::Calcular:
        pasada(ventana, idioma);
        break;
    case Reaccion::CalcularYVaciarK:
        pasada(ventana, idioma);
        ventana.escribir(ktotal, QString());
        break;
    }
}

bool Controlador::pasada(CamposTexto &ventana, const QString &idioma) {
    if (m_profundidad >= kProfundidadMaxima)
        return false;
    ++m_profundidad;
    ++m_pasadas;
    if (ventana.opcion(CheckExacto)) {
        CalcularTuberiaExacta(ventana, idioma, m_exactos);
        PasoFriccionExacta(ventana, idioma, &m_exactos);
    } else {
        CalcularTuberia(ventana, idioma);
        // The exact root beside the grid value, from the texts the pass just wrote.
        PasoFriccionExacta(ventana, idioma);
    }
    --m_profundidad;
    m_ultimoEstado = estadoEntradas(ventana);
    if (m_profundidad == 0 && m_alTerminar)
        m_alTerminar();
    return true;
}

bool Controlador::entradasCambiadas(const CamposTexto &ventana) const {
    return estadoEntradas(ventana) != m_ultimoEstado;
}

void Controlador::asentar(CamposTexto &ventana, const QString &idioma) {
    for (int tic = 0; tic < kTicsMaximos && entradasCambiadas(ventana); ++tic)
        pasada(ventana, idioma);
}

QStringList estadoEntradas(const CamposTexto &ventana) {
    QStringList estado;
    for (const QString &n : entradas()) {
        if (n == Option3 || n == Option4)
            estado << (ventana.opcion(n) ? QStringLiteral("1") : QStringLiteral("0"));
        else
            estado << ventana.texto(n);
    }
    return estado;
}

} // namespace vorlo::tuberia
