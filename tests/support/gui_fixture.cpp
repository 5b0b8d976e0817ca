#include "gui_fixture.h"

#include "app/globals.h"
#include "app/pipes_entry.h"
#include "pipeflow/ejemplo.h"
#include "pipeflow/pipe_fields.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <QTimerEvent>

namespace vorlo::prueba {

namespace {

void cerrarVentanas() {
    ventanas().cerrarTodas();
    // Windows the register does not hold (one a test made, a left-over popup) go too; their
    // child windows go with them.
    QList<QPointer<QWidget>> restos;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (!w->parentWidget())
            restos.append(w);
    for (const QPointer<QWidget> &w : std::as_const(restos))
        delete w.data();
    borrarDiferidos();
}

} // namespace

PruebaGui::PruebaGui(std::optional<QString> idioma) : m_idioma(std::move(idioma)) {}

void PruebaGui::init() {
    cerrarVentanas();
    reiniciarGlobales();
    olvidarUltimaTuberia();
    if (m_idioma)
        Idioma = *m_idioma;
    ajustesPrueba = AjustesEnMemoria();
    fijarAjustes(&ajustesPrueba);
    mensajes.cajas.clear();
    mensajes.respuesta = Mensajes::Respuesta::Aceptar;
    fijarMensajes(&mensajes);
    alEmpezar();
}

// The windows close while the recorded boxes still answer for them.
void PruebaGui::cleanup() {
    cerrarVentanas();
    fijarMensajes(nullptr);
    fijarAjustes(nullptr);
    alTerminar();
}

void borrarDiferidos() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void faltaControl(const char *clase, const QString &nombre) {
    qFatal("no %s named \"%s\"", clase, qPrintable(nombre));
}

QLineEdit *campo(const QObject *ventana, const QString &nombre) {
    return control<QLineEdit>(ventana, nombre);
}

QPushButton *boton(const QObject *ventana, const QString &nombre) {
    return control<QPushButton>(ventana, nombre);
}

QString etiqueta(const QObject *ventana, const QString &nombre) {
    return control<QLabel>(ventana, nombre)->text();
}

void teclear(QLineEdit *e, const QString &texto) {
    QTest::keyClick(e, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(e, Qt::Key_Backspace);
    QTest::keyClicks(e, texto);
}

void teclear(const QObject *ventana, const QString &nombre, const QString &texto) {
    teclear(campo(ventana, nombre), texto);
}

void teclear(const QObject *ventana,
             std::initializer_list<std::pair<const char *, const char *>> campos) {
    for (const auto &[nombre, texto] : campos)
        teclear(ventana, QString::fromUtf8(nombre), QString::fromUtf8(texto));
}

void pulsar(const QObject *ventana, const QString &nombre) {
    QTest::mouseClick(control<QAbstractButton>(ventana, nombre), Qt::LeftButton);
}

void moverSobre(QWidget *w) {
    const QPointF p(3, 3);
    QMouseEvent ev(QEvent::MouseMove, p, w->mapToGlobal(p), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
    QApplication::sendEvent(w, &ev);
}

void clicFila(QListWidget *l, int fila) {
    QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(l->item(fila)).center());
}

void dobleClicFila(QListWidget *l, int fila) {
    const QPoint p = l->visualItemRect(l->item(fila)).center();
    QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, p);
    QTest::mouseDClick(l->viewport(), Qt::LeftButton, {}, p);
    QTest::mouseRelease(l->viewport(), Qt::LeftButton, {}, p);
}

QStringList textos(const QListWidget *l) {
    QStringList t;
    for (int i = 0; i < l->count(); ++i)
        t << l->item(i)->text();
    return t;
}

void tic(const QObject *ventana, int veces) {
    auto *t = ventana->findChild<QTimer *>(QStringLiteral("Timer1"), Qt::FindDirectChildrenOnly);
    QVERIFY2(t, "the window has no timer \"Timer1\"");
    // The event the dispatcher sends when the interval has passed.
    for (int i = 0; i < veces && t->isActive(); ++i) {
        QTimerEvent ev(t->timerId());
        QCoreApplication::sendEvent(t, &ev);
    }
}

void teclearEjemploTuberia(const QObject *tuberia) {
    for (const tuberia::TextoEjemplo &t : tuberia::ejemplo())
        teclear(tuberia, t.campo, t.texto);
}

void teclearEjemploGas(const QObject *gas) {
    teclear(gas, {{"dref", "1.293"},
                  {"tref", "0"},
                  {"Pproceso", "5"},
                  {"tproceso", "20"},
                  {"T_paraQ", "0"},
                  {"Qnormales", "100"}});
}

void pegar(QLineEdit *e, const QString &texto) {
    QGuiApplication::clipboard()->setText(texto);
    e->setFocus();
    QTest::keyClick(e, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(e, Qt::Key_V, Qt::ControlModifier);
}

bool muestraNoNumero(const QString &t) {
    static const QRegularExpression re(QStringLiteral("\\b(nan|inf|infinity)\\b"),
                                       QRegularExpression::CaseInsensitiveOption);
    return re.match(t).hasMatch();
}

const QStringList &camposTuberia() {
    // The pass's own fields: the exact root, its note and the pipe designation come apart.
    static const QStringList c = tuberia::campos().nombres(
        [](const Campo &x) { return !x.tiene(Opcional) && x.nombre != tuberia::LabelTuberia; });
    return c;
}

} // namespace vorlo::prueba
