#include "form_reynolds_tables.h"

namespace vorlo::reynolds {

QStringList soloLiquidos() {
    QStringList l;
    for (const Campo &c : tuberia::campos().campos()) {
        if (!c.tiene(SoloModoPrincipal))
            continue;
        for (const QString &n : {c.nombre, c.etiqueta, c.controlUnidad})
            if (!n.isEmpty() && !l.contains(n))
                l << n;
    }
    return l;
}

} // namespace vorlo::reynolds
