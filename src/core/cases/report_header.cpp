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

Campo presentacion() {
    return {.nombre = Presentacion,
            .rol = Rol::Entrada,
            .marcas = Caja | EsTexto,
            .rotulo = {QStringLiteral("Números de la nota"), QStringLiteral("Numbers in the note")},
            .etiqueta = QStringLiteral("Etiqueta") + Presentacion,
            .elecciones = {{kComoVentana,
                            {QStringLiteral("Como los muestra la ventana"),
                             QStringLiteral("As the window shows them")}},
                           {kIngenieria,
                            {QStringLiteral("Ingeniería: cifras significativas"),
                             QStringLiteral("Engineering: significant digits")}}}};
}

// The command line's --digits asks for the engineering form by itself.
Campo cifras() {
    return {
        .nombre = Cifras,
        .rol = Rol::Entrada,
        .marcas = Caja,
        .rotulo = {QStringLiteral("Cifras significativas"), QStringLiteral("Significant digits")},
        .etiqueta = QStringLiteral("Etiqueta") + Cifras,
        .clave = QStringLiteral("digits")};
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
          parrafo(Observaciones, QStringLiteral("Observaciones"), QStringLiteral("Remarks")),
          presentacion(), cifras()}},
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
    for (auto it = textos.cbegin(); it != textos.cend(); ++it)
        // The window's own way of showing numbers is the default, no content.
        if (!it.value().trimmed().isEmpty() &&
            !(it.key() == cabecera::Presentacion && it.value() == cabecera::kComoVentana))
            return false;
    return true;
}

std::optional<int> Cabecera::cifras() const {
    if (texto(cabecera::Presentacion) != cabecera::kIngenieria)
        return std::nullopt;
    bool ok = false;
    const int n = texto(cabecera::Cifras).trimmed().toInt(&ok);
    return ok && n >= cabecera::kCifrasMinimas && n <= cabecera::kCifrasMaximas
               ? n
               : cabecera::kCifrasDefecto;
}

} // namespace vorlo::informe
