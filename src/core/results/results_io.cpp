#include "results_io.h"

namespace vorlo::resultados {

std::optional<ErrorArchivo> guardar(const QString &ruta, const Resultados &r,
                                    const FabricaArchivo &fabrica) {
    return guardarBytes(ruta, contenido(r), fabrica);
}

std::variant<Resultados, ErrorArchivo> leer(const QString &ruta) {
    auto leidos = leerBytes(ruta);
    if (auto *e = std::get_if<ErrorArchivo>(&leidos))
        return *e;
    auto r = interpretar(std::get<QByteArray>(leidos));
    if (auto *e = std::get_if<ErrorArchivo>(&r))
        e->ruta = ruta;
    return r;
}

} // namespace vorlo::resultados
