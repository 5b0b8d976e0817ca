#include "form_guardar_texts.h"

namespace vorlo {

const QList<TextoControl> &textosFormGuardar() {
    static const QList<TextoControl> t = {
        {QStringLiteral("Command1"), TextoControl::Texto, QStringLiteral("Guardar"),
         QStringLiteral("Save")},
        {QStringLiteral("Command2"), TextoControl::Texto, QStringLiteral("Cancelar"),
         QStringLiteral("Cancel")},
        {QStringLiteral("Label1"), TextoControl::Texto, QStringLiteral("Nombre de Archivo"),
         QStringLiteral("File Name")},
    };
    return t;
}

const QList<TextoControl> &textosFormAbrir() {
    static const QList<TextoControl> t = {
        {QString(), TextoControl::Titulo, QStringLiteral("Abrir"), QStringLiteral("Open")},
        {QStringLiteral("Command1"), TextoControl::Texto, QStringLiteral("Abrir"),
         QStringLiteral("Open")},
        {QStringLiteral("Command2"), TextoControl::Texto, QStringLiteral("Cancelar"),
         QStringLiteral("Cancel")},
        {QStringLiteral("Label1"), TextoControl::Texto, QStringLiteral("Nombre de Archivo"),
         QStringLiteral("File Name")},
    };
    return t;
}

} // namespace vorlo
