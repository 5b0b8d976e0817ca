#include "dialogos_archivo.h"

#include <QFileDialog>

namespace vorlo {

namespace {

class DialogosArchivoQt : public DialogosArchivo {
  public:
    std::optional<Eleccion> guardarComo(QWidget *padre, const QString &titulo,
                                        const QString &nombre,
                                        const QStringList &filtros) override {
        QString filtro = filtros.value(0);
        const QString ruta = QFileDialog::getSaveFileName(
            padre, titulo, nombre, filtros.join(QStringLiteral(";;")), &filtro);
        if (ruta.isEmpty())
            return std::nullopt;
        return Eleccion{ruta, filtro};
    }
};

DialogosArchivoQt g_qt;
DialogosArchivo *g_actual = &g_qt;

} // namespace

DialogosArchivo &dialogosArchivo() {
    return *g_actual;
}

void fijarDialogosArchivo(DialogosArchivo *d) {
    g_actual = d ? d : &g_qt;
}

} // namespace vorlo
