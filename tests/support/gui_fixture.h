#pragma once

// What every GUI test shares: a fresh start for each test, recorded message boxes, typing
// through real key events, the mouse gestures the windows react to, and timer ticks delivered
// at once instead of waited for.

#include "app/globals.h"
#include "app/message_boxes.h"
#include "app/windows.h"

#include <QAbstractButton>
#include <QApplication>
#include <QColor>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTimerEvent>
#include <optional>

namespace vorlo::prueba {

// The backgrounds a user sees: an input, a field the program computes, a field a result needs.
inline const QColor kBlanco(255, 255, 255);
inline const QColor kAzul(0, 204, 255);
inline const QColor kRojo(255, 0, 0);

// Runs the deletions that closing a window with Qt::WA_DeleteOnClose has queued, so that a test
// can see the window gone without an event loop.
inline void borrarDiferidos() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Each test starts as the program does: no window open, the globals as at start-up. Message
// boxes are recorded and answered from `mensajes` instead of opening a modal loop.
class EntornoGui {
  public:
    MensajesGrabados mensajes;

    // For init(). `idioma`, when given, stands for a language chosen earlier with the flags.
    void preparar(const std::optional<QString> &idioma = std::nullopt) {
        cerrarVentanas();
        reiniciarGlobales();
        if (idioma)
            Idioma = *idioma;
        mensajes.cajas.clear();
        mensajes.respuesta = Mensajes::Respuesta::Aceptar;
        fijarMensajes(&mensajes);
    }

    // For cleanup(): the windows close while the recorded boxes still answer for them.
    void recoger() {
        cerrarVentanas();
        fijarMensajes(nullptr);
    }

  private:
    static void cerrarVentanas() {
        ventanas().cerrarTodas();
        // Windows the register does not hold (a window a test made, a left-over popup) go too;
        // their child windows go with them.
        QList<QPointer<QWidget>> restos;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (!w->parentWidget())
                restos.append(w);
        for (const QPointer<QWidget> &w : std::as_const(restos))
            delete w.data();
        borrarDiferidos();
    }
};

// A named child of a window. A missing one ends the run with its name (a renamed control in a
// .ui file) instead of a crash on a null pointer.
template <class T = QWidget> T *control(const QObject *ventana, const QString &nombre) {
    T *w = ventana->findChild<T *>(nombre);
    if (!w)
        qFatal("no %s named \"%s\"", T::staticMetaObject.className(), qPrintable(nombre));
    return w;
}
inline QLineEdit *campo(const QObject *ventana, const QString &nombre) {
    return control<QLineEdit>(ventana, nombre);
}
inline QPushButton *boton(const QObject *ventana, const QString &nombre) {
    return control<QPushButton>(ventana, nombre);
}
inline QString etiqueta(const QObject *ventana, const QString &nombre) {
    return control<QLabel>(ventana, nombre)->text();
}

// Replaces a field's text as a user does: select all, erase, then type key by key, so that the
// field's key filter sees every character (a typed "." becomes the decimal comma).
inline void teclear(QLineEdit *e, const QString &texto) {
    QTest::keyClick(e, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(e, Qt::Key_Backspace);
    QTest::keyClicks(e, texto);
}
inline void teclear(const QObject *ventana, const QString &nombre, const QString &texto) {
    teclear(campo(ventana, nombre), texto);
}

// A click on a button, in its middle.
inline void pulsar(const QObject *ventana, const QString &nombre) {
    QTest::mouseClick(control<QAbstractButton>(ventana, nombre), Qt::LeftButton);
}

// The pointer moving onto a widget (the calculator windows mark in red what a result needs).
inline void moverSobre(QWidget *w) {
    const QPointF p(3, 3);
    QMouseEvent ev(QEvent::MouseMove, p, w->mapToGlobal(p), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
    QApplication::sendEvent(w, &ev);
}

// A click on a list's row.
inline void clicFila(QListWidget *l, int fila) {
    QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(l->item(fila)).center());
}

// The events a real double click delivers: press and release, then the double click and its
// release (QTest's double click alone sends only the middle event).
inline void dobleClicFila(QListWidget *l, int fila) {
    const QPoint p = l->visualItemRect(l->item(fila)).center();
    QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, p);
    QTest::mouseDClick(l->viewport(), Qt::LeftButton, {}, p);
    QTest::mouseRelease(l->viewport(), Qt::LeftButton, {}, p);
}

inline QStringList textos(const QListWidget *l) {
    QStringList t;
    for (int i = 0; i < l->count(); ++i)
        t << l->item(i)->text();
    return t;
}

// Delivers `veces` ticks of the window's timer "Timer1" at once, as the event loop does when an
// interval has passed. A stopped timer does not tick, here as in the program.
inline void tic(const QObject *ventana, int veces = 1) {
    auto *t = ventana->findChild<QTimer *>(QStringLiteral("Timer1"), Qt::FindDirectChildrenOnly);
    QVERIFY2(t, "the window has no timer \"Timer1\"");
    for (int i = 0; i < veces && t->isActive(); ++i) {
        QTimerEvent ev(t->timerId());
        QCoreApplication::sendEvent(t, &ev);
    }
}

// The pipe window's worked example, typed field by field: 36 m3/h of water (998 kg/m3,
// 0,001 Pa·s) in 100 m of 100 mm pipe with 0,05 mm roughness, 5 m up.
inline void teclearEjemploTuberia(const QObject *tuberia) {
    teclear(tuberia, QStringLiteral("Qproceso"), QStringLiteral("36"));
    teclear(tuberia, QStringLiteral("dproceso"), QStringLiteral("998"));
    teclear(tuberia, QStringLiteral("vdinamica"), QStringLiteral("0.001"));
    teclear(tuberia, QStringLiteral("dint"), QStringLiteral("100"));
    teclear(tuberia, QStringLiteral("Rugosidad"), QStringLiteral("0.05"));
    teclear(tuberia, QStringLiteral("L"), QStringLiteral("100"));
    teclear(tuberia, QStringLiteral("Desnivel"), QStringLiteral("5"));
}

// The gas window's mode-1 example: air (1,293 kg/m3 at 0 ºC) at 5 bar a and 20 ºC, 100 Nm3/h.
inline void teclearEjemploGas(const QObject *gas) {
    teclear(gas, QStringLiteral("dref"), QStringLiteral("1.293"));
    teclear(gas, QStringLiteral("tref"), QStringLiteral("0"));
    teclear(gas, QStringLiteral("Pproceso"), QStringLiteral("5"));
    teclear(gas, QStringLiteral("tproceso"), QStringLiteral("20"));
    teclear(gas, QStringLiteral("T_paraQ"), QStringLiteral("0"));
    teclear(gas, QStringLiteral("Qnormales"), QStringLiteral("100"));
}

} // namespace vorlo::prueba
