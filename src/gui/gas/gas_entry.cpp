#include "app/case_entry.h"
#include "app/open_windows.h"
#include "app/windows.h"
#include "gas/form2.h"
#include "gas/gas_state.h"

namespace vorlo {

void abrirForm2() {
    ventanas().mostrar<Form2>();
}

std::optional<caso::Ventana> casoGas() {
    if (const Form2 *v = ventanas().existente<Form2>())
        return caso::parteDe(*v, caso::Gas);
    return std::nullopt;
}

void cargarCasoGas(const caso::Ventana &v) {
    ventanas().obtener<Form2>()->cargarCaso(v);
}

void reiniciarGas() {
    Form2 *v = ventanas().existente<Form2>();
    if (!v)
        return;
    caso::Ventana inicial;
    inicial.opciones = {{gas::Option1, true}};
    for (const QString &n : gas::campos())
        if (!gas::textoInicial(n).isEmpty())
            inicial.textos.insert(n, gas::textoInicial(n));
    v->cargarCaso(inicial);
}

std::optional<QString> textoProcesoGas(const QString &campo) {
    if (const Form2 *v = ventanas().existente<Form2>())
        return v->texto(campo);
    // Closed after handing its flow and density over, the window's inputs stay in the case:
    // the pressure and temperature the density belongs to with them.
    const caso::Caso c = casoActual();
    if (c.ventanas.contains(caso::Gas))
        return c.ventanas.value(caso::Gas).textos.value(campo);
    return std::nullopt;
}

// Loads the window without showing it when needed; each write recalculates like any change.
void entregarReferenciaGas(const QString &densidad, const QString &compresibilidad,
                           const QString &presion, const QString &temperatura) {
    Form2 *v = ventanas().obtener<Form2>();
    v->escribir(gas::dref, densidad);
    v->escribir(gas::Zref, compresibilidad);
    v->escribir(gas::Pref, presion);
    v->escribir(gas::tref, temperatura);
}

} // namespace vorlo
