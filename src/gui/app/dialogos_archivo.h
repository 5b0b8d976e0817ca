#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

namespace vorlo {

// File dialogs go through this seam so that tests can answer them without a modal loop.
class DialogosArchivo {
  public:
    // The file the user chose and the file-type filter selected when choosing it.
    struct Eleccion {
        QString ruta;
        QString filtro;
    };

    virtual ~DialogosArchivo() = default;
    // Asks for a file to save to, starting at `nombre`; `filtros` are the file types offered
    // ("PNG (*.png)"), the first one selected. nullopt when the user cancels.
    virtual std::optional<Eleccion> guardarComo(QWidget *padre, const QString &titulo,
                                                const QString &nombre,
                                                const QStringList &filtros) = 0;
    // Asks for an existing file to open, starting in `carpeta`; nullopt when the user cancels.
    virtual std::optional<QString> abrir(QWidget *padre, const QString &titulo,
                                         const QString &carpeta, const QStringList &filtros) = 0;
};

// The path to write for a choice, by one rule for every save dialog: a name that already ends in
// one of the offered types' extensions (in any case) is kept; any other name, a dotted one such as
// "L-101 rev.B" included, gets the extension of the type chosen in the dialog.
QString rutaConExtension(const DialogosArchivo::Eleccion &e, const QStringList &filtros);

// The file dialogs in use; the Qt ones unless a test installed others.
DialogosArchivo &dialogosArchivo();
void fijarDialogosArchivo(DialogosArchivo *d); // nullptr restores the Qt dialogs

// Test double: records every question and gives a preset answer.
class DialogosArchivoGrabados : public DialogosArchivo {
  public:
    struct Pregunta {
        QString titulo;
        QString nombre;
        QStringList filtros;
    };
    std::optional<Eleccion> guardarComo(QWidget *, const QString &titulo, const QString &nombre,
                                        const QStringList &filtros) override {
        preguntas.append({titulo, nombre, filtros});
        return respuesta;
    }
    std::optional<QString> abrir(QWidget *, const QString &titulo, const QString &carpeta,
                                 const QStringList &filtros) override {
        preguntas.append({titulo, carpeta, filtros});
        return respuestaAbrir;
    }
    QList<Pregunta> preguntas;
    std::optional<Eleccion> respuesta;
    std::optional<QString> respuestaAbrir;
};

} // namespace vorlo
