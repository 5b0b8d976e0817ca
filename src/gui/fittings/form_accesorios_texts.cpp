#include "form_accesorios_texts.h"

#include "fittings/fittings_fields.h"

#include "fittings/fitting_rows.h"

namespace vorlo {

namespace {

// TituloAccesorio(21) and (22); rows 0-20 come from the core's catalogue rows.
constexpr const char16_t *kTitulosUsuario[][2] = {
    {u"Definido por usuario 1", u"User defined 1"},
    {u"Definido por usuario 2", u"User defined 2"},
};

QList<TextoControl> construir() {
    const auto texto = [](const char *control, const QString &es, const QString &en) {
        return TextoControl{QString::fromLatin1(control), TextoControl::Texto, es, en};
    };
    const QString uds = QStringLiteral("Uds");
    const QString k = QStringLiteral("K");
    QList<TextoControl> tabla = {
        {QString(), TextoControl::Titulo, QStringLiteral("Selección de Accesorios"),
         QStringLiteral("Selección de Accesorios")},
        texto("TituloMetodo", QStringLiteral("Método de los K:"), QStringLiteral("K method:")),
        texto("Label12", QStringLiteral("Diámetro"), QStringLiteral("Diameter")),
        texto("Label13", QStringLiteral("(mm)"), QStringLiteral("(mm)")),
        texto("Label1", QStringLiteral("ACCESORIOS ROSCADOS"), QStringLiteral("THREADED FITTINGS")),
        texto("Label2", QStringLiteral("ACCESORIOS BRIDADOS"), QStringLiteral("FLANGED FITTINGS")),
        texto("Label3", QStringLiteral("ACCESORIOS DEFINIDOS POR USUARIO"),
              QStringLiteral("USER DEFINED FITTINGS")),
        texto("Label6", uds, uds),
        texto("Label8", uds, uds),
        texto("Label10", uds, uds),
        texto("Label5", k, k),
        texto("Label7", k, k),
        texto("Label9", k, k),
        texto("Label18", QStringLiteral("K total :"), QStringLiteral("K total :")),
        texto("Label11",
              QStringLiteral("NOTA: Los valores del factor K indicados sirven como referencia. En "
                             "caso de conocer los valores reales facilitados por el fabricante "
                             "del accesorio introducirlos manualmente"),
              QStringLiteral("NOTE: The values for K factors are indicated as a reference. If "
                             "possible, the K values provided by manufacturer shall be used")),
        texto("Command1", QStringLiteral("ACEPTAR"), QStringLiteral("OK")),
    };
    const auto titulo = [&tabla](int fila, const QString &es, const QString &en) {
        tabla.append({accesorios::TituloAccesorio(fila), TextoControl::Texto, es, en});
    };
    int fila = 0;
    for (const FilaAccesorio &f : filasAccesorios())
        titulo(fila++, f.titulo.espanol, f.titulo.ingles);
    for (const auto &t : kTitulosUsuario)
        titulo(fila++, QString::fromUtf16(t[0]), QString::fromUtf16(t[1]));
    return tabla;
}

} // namespace

const QList<TextoControl> &textosFormAccesorios() {
    static const QList<TextoControl> tabla = construir();
    return tabla;
}

} // namespace vorlo
