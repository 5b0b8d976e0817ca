#include "case_texts.h"

#include "cases/report_header.h"

namespace vorlo::textosCaso {

const QList<TextoControl> &textosMenu() {
    using T = TextoControl;
    static const QList<TextoControl> tabla = {
        {QStringLiteral("NuevoCaso"), T::Texto, QStringLiteral("Nuevo caso"),
         QStringLiteral("New case")},
        {QStringLiteral("AbrirCaso"), T::Texto, QStringLiteral("Abrir caso…"),
         QStringLiteral("Open case…")},
        {QStringLiteral("Abrir"), T::Texto, QStringLiteral("Abrir"), QStringLiteral("Open")},
        {QStringLiteral("Recientes"), T::Texto, QStringLiteral("Abrir reciente"),
         QStringLiteral("Open recent")},
        {QStringLiteral("GuardarCaso"), T::Texto, QStringLiteral("Guardar caso"),
         QStringLiteral("Save case")},
        {QStringLiteral("GuardarCasoComo"), T::Texto, QStringLiteral("Guardar caso como…"),
         QStringLiteral("Save case as…")},
        {QStringLiteral("DatosInforme"), T::Texto, informe::cabecera::tabla().titulo().espanol,
         informe::cabecera::tabla().titulo().ingles},
        {QStringLiteral("Salir"), T::Texto, QStringLiteral("Salir"), QStringLiteral("Quit")},
    };
    return tabla;
}

const QList<TextoControl> &textosAyuda() {
    using T = TextoControl;
    static const QList<TextoControl> tabla = {
        {QStringLiteral("Ayuda"), T::Texto, QStringLiteral("A&yuda"), QStringLiteral("&Help")},
        {QStringLiteral("Manual"), T::Texto, QStringLiteral("&Manual"), QStringLiteral("&Manual")},
        {QStringLiteral("AcercaDe"), T::Texto, QStringLiteral("&Acerca de Vorlo"),
         QStringLiteral("&About Vorlo")},
    };
    return tabla;
}

} // namespace vorlo::textosCaso
