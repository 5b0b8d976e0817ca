#include "report_header.h"

namespace vorlo::informe {

namespace cabecera {

namespace {

Campo texto(const QString &nombre, const QString &es, const QString &en, const char *clave) {
    return {.nombre = nombre,
            .rol = Rol::Entrada,
            .marcas = Caja | EsTexto,
            .rotulo = {es, en},
            .etiqueta = QStringLiteral("Etiqueta") + nombre,
            .clave = QString::fromLatin1(clave)};
}

// Not on the command line: a note's remarks belong to the case.
Campo parrafo(const QString &nombre, const QString &es, const QString &en) {
    Campo c = texto(nombre, es, en, "");
    c.marcas |= Parrafo;
    return c;
}

TablaCampos construir() {
    const QList<SeccionCampos> secciones = {
        {{QStringLiteral("DATOS DEL INFORME"), QStringLiteral("REPORT DETAILS")},
         QString(), // the window shows its title alone
         {texto(Proyecto, QStringLiteral("Proyecto"), QStringLiteral("Project"), "project"),
          texto(Linea, QStringLiteral("Línea o tag"), QStringLiteral("Line or tag"), "line"),
          texto(Revision, QStringLiteral("Revisión"), QStringLiteral("Revision"), "revision"),
          texto(Preparado, QStringLiteral("Preparado por"), QStringLiteral("Prepared by"),
                "prepared"),
          texto(Revisado, QStringLiteral("Revisado por"), QStringLiteral("Checked by"), "checked"),
          parrafo(Observaciones, QStringLiteral("Observaciones"), QStringLiteral("Remarks"))}},
    };
    return TablaCampos({QStringLiteral("Datos del informe"), QStringLiteral("Report details")},
                       QStringLiteral("TituloDatosInforme"), secciones);
}

} // namespace

const TablaCampos &tabla() {
    static const TablaCampos t = construir();
    return t;
}

} // namespace cabecera

bool Cabecera::vacia() const {
    for (const QString &t : textos)
        if (!t.trimmed().isEmpty())
            return false;
    return true;
}

} // namespace vorlo::informe
