#include "message_boxes.h"

#include <QMessageBox>

namespace vorlo {

namespace {

class MensajesQt : public Mensajes {
  public:
    void aviso(QWidget *padre, const QString &texto, const std::optional<QString> &titulo,
               Icono icono) override {
        QMessageBox caja(icono == Icono::Exclamacion ? QMessageBox::Warning : QMessageBox::NoIcon,
                         tituloFinal(titulo), texto, QMessageBox::Ok, padre);
        caja.exec();
    }
    Respuesta pregunta(QWidget *padre, const QString &texto, const std::optional<QString> &titulo,
                       Icono icono) override {
        QMessageBox caja(icono == Icono::Exclamacion ? QMessageBox::Warning : QMessageBox::NoIcon,
                         tituloFinal(titulo), texto, QMessageBox::Ok | QMessageBox::Cancel, padre);
        return caja.exec() == QMessageBox::Ok ? Respuesta::Aceptar : Respuesta::Cancelar;
    }
    Cambios cambiosSinGuardar(QWidget *padre, const QString &texto) override {
        QMessageBox caja(QMessageBox::Warning, tituloFinal(std::nullopt), texto,
                         QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, padre);
        caja.setDefaultButton(QMessageBox::Save);
        switch (caja.exec()) {
        case QMessageBox::Save:
            return Cambios::Guardar;
        case QMessageBox::Discard:
            return Cambios::Descartar;
        default:
            return Cambios::Cancelar;
        }
    }
};

MensajesQt g_qt;
Mensajes *g_actual = &g_qt;

} // namespace

Mensajes &mensajes() {
    return *g_actual;
}

void fijarMensajes(Mensajes *m) {
    g_actual = m ? m : &g_qt;
}

} // namespace vorlo
