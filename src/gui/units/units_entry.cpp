#include "app/globals.h"
#include "app/hijos.h"
#include "app/open_windows.h"
#include "fields/numbers.h"
#include "units/conversorudsrapido.h"

#include <QAbstractButton>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>

namespace vorlo {

namespace {

// One unit button: opens the converter for its field and, in edit mode, takes the accepted
// number back into the field when the button gets the focus.
class BotonUnidad : public QObject {
  public:
    BotonUnidad(QAbstractButton *boton, QWidget *campo, const QString &magnitud, ModoConversor modo)
        : QObject(boton), m_boton(boton), m_campo(campo), m_magnitud(magnitud), m_modo(modo) {}

    void abrir();
    void tomarValor();
    void devolverFoco();

  protected:
    bool eventFilter(QObject *obj, QEvent *ev) override {
        if (obj == m_boton && ev->type() == QEvent::FocusIn)
            tomarValor();
        return QObject::eventFilter(obj, ev);
    }

  private:
    QString textoCampo() const {
        if (const auto *e = qobject_cast<const QLineEdit *>(m_campo.data()))
            return e->text();
        if (const auto *l = qobject_cast<const QLabel *>(m_campo.data()))
            return l->text();
        return {};
    }

    QAbstractButton *m_boton;
    QPointer<QWidget> m_campo;
    QString m_magnitud;
    ModoConversor m_modo;
};

// There is one converter. The accepted number belongs to the button that opened it last: the
// focus of another unit button does not take it.
QPointer<conversorudsrapido> g_conversor;
QPointer<BotonUnidad> g_origen;

void BotonUnidad::abrir() {
    MagnitudConversor = m_magnitud;
    g_origen = this;
    QWidget *duena = m_boton->window();
    if (g_conversor && g_conversor->parentWidget() != duena) {
        // Opened from another window: the new one owns a fresh converter.
        delete g_conversor.data();
    }
    if (g_conversor) {
        // Already open: rebuilt for the new kind as a fresh load would.
        g_conversor->cargar();
    } else {
        g_conversor = new conversorudsrapido(duena);
        connect(g_conversor.data(), &conversorudsrapido::aceptado, g_conversor.data(), [] {
            if (g_origen)
                g_origen->devolverFoco();
        });
    }
    conversorudsrapido *c = g_conversor.data();
    c->show();
    c->raise();
    c->activateWindow();
    c->fijarEntrada(textoCampo());
    if (m_modo == ModoConversor::Vista)
        c->aplicarVista();
    else if (auto *entrada = hijo<QLineEdit>(c, QStringLiteral("Text1")))
        entrada->setFocus();
}

void BotonUnidad::tomarValor() {
    const bool aceptado = ValorConvertidoEsperando;
    const bool hay = aceptado || ValorConvertido != 0;
    if (hay && g_origen && g_origen != this)
        return; // it waits for the button that opened the converter
    const double valor = ValorConvertido;
    ValorConvertido = 0;
    ValorConvertidoEsperando = false;
    if (!hay)
        return;
    // 0 also means "nothing": only a temperature takes an accepted 0 (0 ºC is a temperature).
    if (valor == 0 && !(aceptado && m_modo == ModoConversor::EdicionTemperatura))
        return;
    const QString texto = FormatoResultado(valor);
    if (texto.isEmpty())
        return; // not finite: never written into a field
    // Through setText, so that the field's change event runs its window's calculation.
    if (auto *e = qobject_cast<QLineEdit *>(m_campo.data()))
        e->setText(texto);
}

void BotonUnidad::devolverFoco() {
    QWidget *ventana = m_boton->window();
    ventana->raise();
    ventana->activateWindow();
    m_boton->setFocus(Qt::OtherFocusReason);
    // A button that already held the focus of an active window gets no new focus event.
    if (m_boton->hasFocus() && (ValorConvertidoEsperando || ValorConvertido != 0))
        tomarValor();
}

} // namespace

void conectarBotonUnidad(QAbstractButton *boton, QWidget *campo, const QString &magnitud,
                         ModoConversor modo) {
    if (!boton)
        return;
    auto *unidad = new BotonUnidad(boton, campo, magnitud, modo);
    QObject::connect(boton, &QAbstractButton::clicked, unidad, &BotonUnidad::abrir);
    if (modo != ModoConversor::Vista)
        boton->installEventFilter(unidad);
}

} // namespace vorlo
