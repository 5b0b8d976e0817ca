#pragma once

// What every GUI test shares: a fresh start for each test, recorded message boxes, typing
// through real key events, the mouse gestures the windows react to, and timer ticks delivered
// at once instead of waited for.

#include "app/ajustes.h"
#include "app/message_boxes.h"
#include "app/windows.h"

#include <QColor>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <initializer_list>
#include <optional>
#include <utility>

class QLineEdit;
class QListWidget;
class QPushButton;

namespace vorlo::prueba {

// The backgrounds a user sees: an input, a field the program computes, a field a result needs.
inline const QColor kBlanco(255, 255, 255);
inline const QColor kAzul(0, 204, 255);
inline const QColor kRojo(255, 0, 0);

// Base of the GUI test classes. Each test function starts as the program does (no window
// open, the globals as at start-up) and ends with every window closed. Message boxes are
// recorded in `mensajes` and answered from it instead of opening a modal loop.
class PruebaGui : public QObject {
    Q_OBJECT
  public:
    // `idioma`: the language each test starts with, as if chosen earlier with the flags; none
    // for a first start.
    explicit PruebaGui(std::optional<QString> idioma = std::nullopt);

  protected:
    MensajesGrabados mensajes;
    // What the program remembers between runs, fresh for each test (never the user's file).
    AjustesEnMemoria ajustesPrueba;

    // What a suite adds to each test: after the fresh start, and after the windows closed.
    virtual void alEmpezar() {}
    virtual void alTerminar() {}

  private slots:
    // Qt Test finds these through the derived class's meta-object; a suite adds to them with
    // the two hooks above instead of declaring its own.
    void init();
    void cleanup();

  private:
    std::optional<QString> m_idioma;
};

// Runs the deletions that closing a window with Qt::WA_DeleteOnClose has queued, so that a test
// can see the window gone without an event loop.
void borrarDiferidos();

// Ends the run for a control that control<T>() did not find.
[[noreturn]] void faltaControl(const char *clase, const QString &nombre);

// A named child of a window. A missing one ends the run with its name (a control renamed in a
// .ui file) instead of a crash on a null pointer.
template <class T = QWidget> T *control(const QObject *ventana, const QString &nombre) {
    T *w = ventana->findChild<T *>(nombre);
    if (!w)
        faltaControl(T::staticMetaObject.className(), nombre);
    return w;
}
QLineEdit *campo(const QObject *ventana, const QString &nombre);
QPushButton *boton(const QObject *ventana, const QString &nombre);
QString etiqueta(const QObject *ventana, const QString &nombre); // a label's text

// Replaces a field's text as a user does: select all, erase, then type key by key, so that the
// field's key filter sees every character (a typed "." becomes the decimal comma).
void teclear(QLineEdit *e, const QString &texto);
void teclear(const QObject *ventana, const QString &nombre, const QString &texto);
// Several fields, in the order given.
void teclear(const QObject *ventana,
             std::initializer_list<std::pair<const char *, const char *>> campos);

// Pastes a text into a field as a user does (select all, paste from the clipboard): the key
// filter never sees it.
void pegar(QLineEdit *e, const QString &texto);
// A shown value that is not a number, as a C or Qt conversion would write it ("nan", "inf").
bool muestraNoNumero(const QString &t);

// The texts of the pipe flow window's calculation, inputs and results, by control name.
const QStringList &camposTuberia();

// A click on a button, in its middle.
void pulsar(const QObject *ventana, const QString &nombre);
// The pointer moving onto a widget (the calculator windows mark in red what a result needs).
void moverSobre(QWidget *w);

// A click on a list's row.
void clicFila(QListWidget *l, int fila);
// The events a real double click on a row delivers: press and release, then the double click
// and its release (QTest's double click alone sends only the middle event).
void dobleClicFila(QListWidget *l, int fila);
QStringList textos(const QListWidget *l);

// Delivers `veces` ticks of the window's timer "Timer1" at once, as the event loop does when an
// interval has passed. A stopped timer does not tick, here as in the program.
void tic(const QObject *ventana, int veces = 1);

// The pipe window's worked example: 36 m3/h of water (998 kg/m3, 0,001 Pa·s) through 100 m of
// 100 mm pipe with 0,05 mm roughness, 5 m up.
void teclearEjemploTuberia(const QObject *tuberia);
// The gas window's mode-1 example: 1,293 kg/m3 at 0 ºC, at 5 bar a and 20 ºC, 100 Nm3/h.
void teclearEjemploGas(const QObject *gas);

} // namespace vorlo::prueba
