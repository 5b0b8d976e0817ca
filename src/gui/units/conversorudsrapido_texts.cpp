#include "conversorudsrapido_texts.h"

#include "fields/language.h"

namespace vorlo {

const QList<TextoControl> &textosConversor() {
    static const QList<TextoControl> tabla{
        {QString(), TextoControl::Titulo, QStringLiteral("Conversión Unidades"),
         QStringLiteral("Conversión Unidades")},
        {QStringLiteral("Label3"), TextoControl::Texto, QStringLiteral("Equivalencias"),
         QStringLiteral("Equivalent to")},
        {QStringLiteral("Command2"), TextoControl::Texto, QStringLiteral("CANCELAR"),
         QStringLiteral("CANCELAR")},
    };
    return tabla;
}

QString textoAceptar(const QString &idioma, const QString &numero,
                                    const QString &unidad) {
    return segunIdioma(idioma,
                       QStringLiteral("ACEPTAR el valor de ") + numero + u' ' + unidad +
                           QStringLiteral(" y CERRAR"),
                       QStringLiteral("Accept the value of ") + numero + u' ' + unidad +
                           QStringLiteral(" and CLOSE"));
}

} // namespace vorlo
