#include "window_emulation.h"

#include "pipeflow/pipe_fields.h"
#include "results/results_io.h"

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
    m_control.alCambiar(*this, campo, nuevo, m_idioma);
}

void VentanaTuberiaSimulada::calcular() {
    m_control.pasada(*this, m_idioma);
}

void VentanaTuberiaSimulada::fijarModo(bool liquidos, bool gases) {
    // A pair saved with neither option "True" is left with neither selected.
    m_campos.fijarOpcion(Option1, liquidos);
    m_campos.fijarOpcion(Option2, gases && !liquidos);
}

void VentanaTuberiaSimulada::fijarViscosidad(bool dinamica, bool cinematica) {
    m_campos.fijarOpcion(Option3, dinamica);
    m_campos.fijarOpcion(Option4, cinematica && !dinamica);
}

void VentanaTuberiaSimulada::fijarExacto(bool exacto) {
    m_campos.fijarOpcion(CheckExacto, exacto);
    m_control.olvidarExactos();
}

void VentanaTuberiaSimulada::asentar() {
    m_control.asentar(*this, m_idioma);
}

void VentanaTuberiaSimulada::abrir(const Resultados &r) {
    fijarModo(r.opciones[0], r.opciones[1]);
    fijarViscosidad(r.opciones[2], r.opciones[3]);
    // In file order: the diameter comes before the K total that its change empties.
    const QStringList &campos = nombresCampos();
    for (int i = 0; i < campos.size(); ++i)
        escribir(campos[i], r.textos[i]);
    calcular();
    asentar();
}

void VentanaTuberiaSimulada::abrirCaso(const caso::Ventana &parte) {
    caso::cargarTuberia(*this, parte);
    asentar();
}

bool visibleEnVentana(const Campo &campo, const CamposTexto &ventana) {
    if (campo.nombre == (ventana.opcion(Option4) ? vdinamica : Vcinematica))
        return false;
    if (campo.tiene(SoloModoPrincipal) && ventana.opcion(Option2))
        return false;
    return !(campo.tiene(Opcional) && ventana.texto(campo.nombre).isEmpty());
}

std::variant<std::unique_ptr<VentanaTuberiaSimulada>, ErrorArchivo>
abrirArchivo(const QString &ruta, const QString &idioma, ModoArchivo modo) {
    const bool exacto = modo == ModoArchivo::Exacto;
    if (!caso::esCaso(ruta)) {
        const auto leido = leer(ruta);
        if (const auto *e = std::get_if<ErrorArchivo>(&leido))
            return *e;
        auto ventana = std::make_unique<VentanaTuberiaSimulada>(idioma, exacto);
        ventana->abrir(std::get<Resultados>(leido));
        return ventana;
    }
    const auto leido = caso::leer(ruta);
    if (const auto *e = std::get_if<ErrorArchivo>(&leido))
        return *e;
    const caso::Caso &c = std::get<caso::Caso>(leido);
    auto ventana = std::make_unique<VentanaTuberiaSimulada>(idioma, exacto);
    if (const auto parte = c.ventanas.constFind(caso::Tuberia); parte != c.ventanas.cend()) {
        caso::Ventana p = *parte;
        if (modo != ModoArchivo::Guardado)
            p.opciones.insert(CheckExacto, exacto);
        ventana->abrirCaso(p);
    }
    return ventana;
}

} // namespace vorlo::resultados
