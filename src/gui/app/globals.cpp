#include "globals.h"

namespace vorlo {

void reiniciarGlobales() {
    Idioma.clear();
    MagnitudConversor.clear();
    ValorConvertido = 0;
    ValorConvertidoEsperando = false;
    TablaRugosidad.fill(0);
    TablaViscosidad.fill(QVariant());
    TablaDensidad.fill(QVariant());
    MetodoAccesorios = MetodoK::Tabla;
}

} // namespace vorlo
