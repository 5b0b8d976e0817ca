#include "report_actions.h"

#include "app/case_entry.h"
#include "app/dialogos_archivo.h"
#include "app/globals.h"
#include "app/message_boxes.h"
#include "app/open_windows.h"
#include "app/report_details_entry.h"
#include "app/report_seams.h"
#include "app/texts.h"
#include "fields/language.h"
#include "fittings/fittings_fill.h"
#include "fittings/k_factors.h"
#include "report/report_file.h"
#include "report/report_formats.h"
#include "report/report_pdf.h"
#include "report/report_windows.h"
#include "results/results_io.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

namespace vorlo {

void copiarInforme(const informe::Informe &inf) {
    portapapeles().copiar(informe::textoPlano(inf), informe::tablaHtml(inf));
}

bool exportarInforme(QWidget *padre, const informe::Informe &inf) {
    const QString propuesta = QDir::current().filePath(
        inf.palabra({QStringLiteral("informe.pdf"), QStringLiteral("report.pdf")}));
    const QStringList filtros = {QStringLiteral("PDF (*.pdf)"), QStringLiteral("CSV (*.csv)")};
    const auto eleccion = dialogosArchivo().guardarComo(
        padre, inf.palabra({QStringLiteral("Exportar informe"), QStringLiteral("Export report")}),
        propuesta, filtros);
    if (!eleccion || eleccion->ruta.isEmpty())
        return false;
    const QString ruta = rutaConExtension(*eleccion, filtros);
    if (const auto e = guardarInforme(ruta, inf)) {
        mensajes().aviso(padre, e->texto(inf.idioma), std::nullopt, Mensajes::Icono::Exclamacion);
        return false;
    }
    return true;
}

bool imprimirInforme(QWidget *padre, const informe::Informe &inf) {
    return impresion().imprimir(padre, inf.palabra(informe::palabras::NotaDeCalculo),
                                [&inf](QPagedPaintDevice &d) { informe::dibujarInforme(d, inf); });
}

const QList<TextoControl> &textosAccionesInforme() {
    static const QList<TextoControl> tabla = {
        {QStringLiteral("CopiarResultados"), TextoControl::Texto,
         QStringLiteral("Copiar resultados"), QStringLiteral("Copy results")},
        {QStringLiteral("ExportarInforme"), TextoControl::Texto,
         QStringLiteral("Exportar informe…"), QStringLiteral("Export report…")},
        {QStringLiteral("Imprimir"), TextoControl::Texto, QStringLiteral("Imprimir…"),
         QStringLiteral("Print…")},
    };
    return tabla;
}

informe::Contexto contextoInformeTuberia() {
    informe::Contexto c;
    c.cabecera = cabeceraInforme();
    c.accesorios = accesoriosAbiertos();
    c.origenAgua = origenAguaTuberia();
    const caso::Caso actual = casoActual();
    for (auto it = actual.ventanas.cbegin(); it != actual.ventanas.cend(); ++it)
        if (informe::esAnexo(it.key()))
            c.ventanas.insert(it.key(), it.value());
    return c;
}

QList<QAction *> crearAccionesInforme(QWidget *ventana,
                                      const std::function<informe::Informe()> &construir) {
    auto *copiar = new QAction(ventana);
    copiar->setObjectName(QStringLiteral("CopiarResultados"));
    copiar->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    QObject::connect(copiar, &QAction::triggered, ventana,
                     [construir] { copiarInforme(construir()); });

    auto *exportar = new QAction(ventana);
    exportar->setObjectName(QStringLiteral("ExportarInforme"));
    QObject::connect(exportar, &QAction::triggered, ventana,
                     [ventana, construir] { exportarInforme(ventana, construir()); });

    auto *imprimir = new QAction(ventana);
    imprimir->setObjectName(QStringLiteral("Imprimir"));
    imprimir->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    QObject::connect(imprimir, &QAction::triggered, ventana,
                     [ventana, construir] { imprimirInforme(ventana, construir()); });

    // Until the window's own table sets them, the captions follow the language now in use.
    const QList<QAction *> acciones = {copiar, exportar, imprimir};
    for (int i = 0; i < acciones.size(); ++i) {
        const TextoControl &t = textosAccionesInforme()[i];
        acciones[i]->setText(segunIdioma(idiomaActual(), t.espanol, t.ingles));
    }
    return acciones;
}

} // namespace vorlo
