#include "layout_tools.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QWidget>

namespace vorlo {

namespace {

class NombreDeTooltip : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject *obj, QEvent *ev) override {
        if (ev->type() == QEvent::ToolTipChange) {
            if (auto *w = qobject_cast<QWidget *>(obj))
                w->setAccessibleName(w->toolTip());
        }
        return QObject::eventFilter(obj, ev);
    }
};

// Marks the windows that keep a minimum height for their wrapped texts.
constexpr char kConTextos[] = "vorloAlturaConTextos";

void ajustarAlturaMinima(QWidget *ventana) {
    QLayout *capas = ventana->layout();
    if (!capas)
        return;
    const int minima = capas->totalMinimumSize().height();
    const int ancho = capas->totalMinimumSize().width();
    const int conTextos = capas->hasHeightForWidth() ? capas->totalHeightForWidth(ancho) : 0;
    const int altura = std::max(minima, conTextos);
    // Both at once: once a minimum is set by hand the layout no longer sets the width's, which
    // would then keep the width of the widest language seen.
    if (ventana->minimumSize() != QSize(ancho, altura))
        ventana->setMinimumSize(ancho, altura);
}

// Follows every relayout of its window (rows shown or hidden, a language switch).
class AlturaConTextos : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject *obj, QEvent *ev) override {
        if (ev->type() == QEvent::LayoutRequest)
            ajustarAlturaMinima(static_cast<QWidget *>(obj));
        return QObject::eventFilter(obj, ev);
    }
};

} // namespace

int anchoEnIdiomas(const QLabel *etiqueta, const QList<TextoControl> &tabla) {
    const QFontMetrics fm = etiqueta->fontMetrics();
    // Frame, margin and indent around the text, as the label's own size hint counts them.
    const int resto = etiqueta->sizeHint().width() - fm.horizontalAdvance(etiqueta->text());
    int texto = fm.horizontalAdvance(etiqueta->text());
    for (const TextoControl &t : tabla) {
        if (t.propiedad == TextoControl::Texto && t.control == etiqueta->objectName())
            texto =
                std::max({texto, fm.horizontalAdvance(t.espanol), fm.horizontalAdvance(t.ingles)});
    }
    return texto + std::max(0, resto);
}

void igualarColumna(const QList<QGridLayout *> &rejillas, int columna,
                    const QList<TextoControl> &tabla) {
    int ancho = 0;
    for (QGridLayout *g : rejillas) {
        for (int i = 0; i < g->count(); ++i) {
            int fila = 0, col = 0, filas = 0, cols = 0;
            g->getItemPosition(i, &fila, &col, &filas, &cols);
            if (col != columna || cols != 1)
                continue;
            if (auto *l = qobject_cast<QLabel *>(g->itemAt(i)->widget()))
                ancho = std::max(ancho, anchoEnIdiomas(l, tabla));
        }
    }
    for (QGridLayout *g : rejillas)
        g->setColumnMinimumWidth(columna, ancho);
}

void alturaMinimaConTextos(QWidget *ventana) {
    ventana->setProperty(kConTextos, true);
    ajustarAlturaMinima(ventana);
    ventana->installEventFilter(new AlturaConTextos(ventana));
}

void ajustarAlContenido(QWidget *ventana) {
    if (!ventana->isVisible() || ventana->isMaximized() || ventana->isFullScreen())
        return;
    // The new texts' geometry requests are still queued; the size hint must include them.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    // A window that keeps a minimum for its wrapped texts measured it before the layout took
    // the new texts in; measure again.
    if (ventana->property(kConTextos).toBool())
        ajustarAlturaMinima(ventana);
    const QPoint donde = ventana->pos();
    ventana->adjustSize();
    ventana->move(donde);
}

void nombrarComoTooltip(QWidget *boton) {
    boton->setAccessibleName(boton->toolTip());
    boton->installEventFilter(new NombreDeTooltip(boton));
}

QLineEdit *filaDeCampo(QWidget *ventana, QGridLayout *rejilla, const Campo &campo, int ancho) {
    const int fila = rejilla->rowCount();
    auto *rotulo = new QLabel(ventana);
    rotulo->setObjectName(campo.etiqueta);
    auto *e = new QLineEdit(ventana);
    e->setObjectName(campo.nombre);
    e->setFixedWidth(ancho);
    rotulo->setBuddy(e);
    rejilla->addWidget(rotulo, fila, 0);
    rejilla->addWidget(e, fila, 1);
    return e;
}

QFont negrita(QFont f, int puntos) {
    f.setBold(true);
    if (puntos > 0)
        f.setPointSize(puntos);
    return f;
}

} // namespace vorlo
