#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

namespace vorlo {

// Message boxes go through this seam so that tests can read them and answer without a modal
// loop. A box given no title carries the application's title, "Vorlo".
class Mensajes {
  public:
    enum class Respuesta { Aceptar, Cancelar };
    enum class Cambios { Guardar, Descartar, Cancelar };
    enum class Icono { Ninguno, Exclamacion };

    virtual ~Mensajes() = default;
    // A box with an OK button.
    virtual void aviso(QWidget *padre, const QString &texto,
                       const std::optional<QString> &titulo = std::nullopt,
                       Icono icono = Icono::Ninguno) = 0;
    // A box with OK and Cancel buttons.
    virtual Respuesta pregunta(QWidget *padre, const QString &texto,
                               const std::optional<QString> &titulo = std::nullopt,
                               Icono icono = Icono::Ninguno) = 0;

    // Unsaved work: a standard box with Save, Discard and Cancel.
    virtual Cambios cambiosSinGuardar(QWidget *padre, const QString &texto) = 0;

    static QString tituloFinal(const std::optional<QString> &titulo) {
        return titulo ? *titulo : QStringLiteral("Vorlo");
    }
};

// The message boxes in use; the Qt ones unless a test installed others.
Mensajes &mensajes();
void fijarMensajes(Mensajes *m); // nullptr restores the Qt boxes

// Test double: records every box and answers questions with a preset answer.
class MensajesGrabados : public Mensajes {
  public:
    struct Caja {
        QString texto;
        QString titulo;
        Icono icono;
        bool pregunta;
    };
    void aviso(QWidget *, const QString &texto, const std::optional<QString> &titulo,
               Icono icono) override {
        cajas.append({texto, tituloFinal(titulo), icono, false});
    }
    Respuesta pregunta(QWidget *, const QString &texto, const std::optional<QString> &titulo,
                       Icono icono) override {
        cajas.append({texto, tituloFinal(titulo), icono, true});
        return respuesta;
    }
    Cambios cambiosSinGuardar(QWidget *, const QString &texto) override {
        cajas.append({texto, tituloFinal(std::nullopt), Icono::Exclamacion, true});
        return respuestaCambios;
    }
    QList<Caja> cajas;
    Respuesta respuesta = Respuesta::Aceptar;
    Cambios respuestaCambios = Cambios::Cancelar;
};

} // namespace vorlo
