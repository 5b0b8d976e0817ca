#include "form_accesorios_texts.h"

namespace vorlo {

namespace {

struct Titulo {
    const char16_t *espanol;
    const char16_t *ingles;
};

// TituloAccesorio(0) to TituloAccesorio(22). The English titles of the two groups differ.
constexpr Titulo kTitulos[] = {
    // Threaded
    {u"Codo 90º", u"Elbow 90º"},
    {u"Codo 90º Largo", u"Elbow 90º long"},
    {u"Codo 45º", u"Elbow 45º"},
    {u"Curva 180º", u"Return Bend"},
    {u"Te (en línea)", u"Tee - Line"},
    {u"Te (ramificación)", u"Tee - Branch"},
    {u"Válvula de globo", u"Globe valve"},
    {u"Válvula de compuerta", u"Gate valve"},
    {u"Válvula en ángulo", u"Angle valve"},
    {u"Válvula antirretorno (clapeta)", u"Swing check valve"},
    // Flanged
    {u"Codo 90º", u"Elbow 90º"},
    {u"Codo 90º Largo", u"Elbow 90º long"},
    {u"Codo 45º largo", u"Elbow 45º long"},
    {u"Curva 180º", u"Return bend Standard"},
    {u"Curva 180º radio largo", u"Return bend long rad."},
    {u"Te (en línea)", u"Tee-Line"},
    {u"Te (ramificación)", u"Tee-Branch"},
    {u"Válvula de globo", u"Globe valve"},
    {u"Válvula de compuerta", u"Gate valve"},
    {u"Válvula en ángulo", u"Angle valve"},
    {u"Válvula antirretorno (clapeta)", u"Swing check valve"},
    // User-defined
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
    int fila = 0;
    for (const Titulo &t : kTitulos) {
        tabla.append({QStringLiteral("TituloAccesorio(%1)").arg(fila++), TextoControl::Texto,
                      QString::fromUtf16(t.espanol), QString::fromUtf16(t.ingles)});
    }
    return tabla;
}

} // namespace

const QList<TextoControl> &textosFormAccesorios() {
    static const QList<TextoControl> tabla = construir();
    return tabla;
}

} // namespace vorlo
