#include "dialogos_archivo.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>

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
    std::optional<QString> abrir(QWidget *padre, const QString &titulo, const QString &carpeta,
                                 const QStringList &filtros) override {
        const QString ruta = QFileDialog::getOpenFileName(padre, titulo, carpeta,
                                                          filtros.join(QStringLiteral(";;")));
        if (ruta.isEmpty())
            return std::nullopt;
        return ruta;
    }
};

DialogosArchivoQt g_qt;
DialogosArchivo *g_actual = &g_qt;

// The extensions a filter offers: "Vorlo cases (*.vorlo)" gives "vorlo".
QStringList extensiones(const QString &filtro) {
    static const QRegularExpression patron(QStringLiteral("\\*\\.([A-Za-z0-9]+)"));
    QStringList l;
    for (auto it = patron.globalMatch(filtro); it.hasNext();)
        l << it.next().captured(1);
    return l;
}

} // namespace

QString rutaConExtension(const DialogosArchivo::Eleccion &e, const QStringList &filtros) {
    const QString sufijo = QFileInfo(e.ruta).suffix();
    for (const QString &f : filtros)
        for (const QString &x : extensiones(f))
            if (sufijo.compare(x, Qt::CaseInsensitive) == 0)
                return e.ruta;
    const QStringList elegidas =
        extensiones(filtros.contains(e.filtro) ? e.filtro : filtros.value(0));
    return elegidas.isEmpty() ? e.ruta : e.ruta + QLatin1Char('.') + elegidas.first();
}

DialogosArchivo &dialogosArchivo() {
    return *g_actual;
}

void fijarDialogosArchivo(DialogosArchivo *d) {
    g_actual = d ? d : &g_qt;
}

} // namespace vorlo
