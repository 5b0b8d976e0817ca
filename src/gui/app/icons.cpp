#include "icons.h"

#include <QFile>

// The resources live in a static library: register them once before first use.
static void registrarRecursos() {
    Q_INIT_RESOURCE(vorlo);
}

namespace vorlo {

QIcon icono(const QString &nombre) {
    static const bool registrados = [] {
        registrarRecursos();
        return true;
    }();
    Q_UNUSED(registrados);
    return QIcon(QStringLiteral(":/icons/%1.svg").arg(nombre));
}

} // namespace vorlo
