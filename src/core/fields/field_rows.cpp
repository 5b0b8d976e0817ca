#include "fields/field_rows.h"

namespace vorlo::filas {

TextoBilingue texto(const char *espanol, const char *ingles) {
    return {QString::fromUtf8(espanol), QString::fromUtf8(ingles)};
}

QString etiquetaDe(const QString &nombre) {
    return QStringLiteral("Etiqueta") + nombre;
}

Campo entrada(const QString &nombre, const TextoBilingue &rotulo, const char *unidad,
              const char *clave) {
    return {.nombre = nombre,
            .rol = Rol::Entrada,
            .marcas = kMarcasEntrada,
            .rotulo = rotulo,
            .unidad = QString::fromUtf8(unidad),
            .etiqueta = etiquetaDe(nombre),
            .controlUnidad = QStringLiteral("Unidad") + nombre,
            .clave = QString::fromLatin1(clave)};
}

Campo resultado(const QString &nombre, const TextoBilingue &rotulo, const char *unidad,
                const char *clave, Formato formato) {
    Campo c = entrada(nombre, rotulo, unidad, clave);
    c.rol = Rol::Resultado;
    c.marcas = kMarcasResultado;
    c.formato = formato;
    return c;
}

Campo resultadoFijo(const QString &nombre, const TextoBilingue &rotulo, const char *unidad,
                    int decimales, const char *clave) {
    return resultado(nombre, rotulo, unidad, clave, {Formato::Fijo, decimales});
}

Campo nota(const QString &nombre, const TextoBilingue &rotulo) {
    // A note stands across its row, with no caption label of its own.
    return {
        .nombre = nombre, .rol = Rol::Nota, .marcas = VaciaAlBorrar | EsTexto, .rotulo = rotulo};
}

} // namespace vorlo::filas
