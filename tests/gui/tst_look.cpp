// Layout faults a user would see or hit: clipped captions, stretched option buttons, fields that
// grow taller on resize, a tab order that jumps about, and fields a screen reader cannot name.
// Every window is checked in both languages with the worked example filled in.

#include "app/form1.h"
#include "app/gasline_entry.h"
#include "app/gaspipe_entry.h"
#include "app/globals.h"
#include "app/message_boxes.h"
#include "app/moody_entry.h"
#include "app/open_windows.h"
#include "app/pipes_entry.h"
#include "app/windows.h"
#include "catalogues/form3.h"
#include "catalogues/form4.h"
#include "catalogues/viscosidad.h"
#include "fields/language.h"
#include "fittings/form_accesorios.h"
#include "gas/ayuda_gases.h"
#include "gas/form2.h"
#include "gasline/form_linea_gas.h"
#include "gaspipe/form_gasoducto.h"
#include "moody/form_moody.h"
#include "pipeflow/form_reynolds.h"
#include "pipes/form_tuberias.h"
#include "results/form_guardar.h"
#include "units/conversorudsrapido.h"

#include "../support/gui_fixture.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTest>

#include "../support/runner.h"
#include <QToolButton>
#include <functional>

using namespace vorlo;
using namespace vorlo::prueba;

namespace {

QWidget *tubo() {
    FormReynolds *f = ventanas().mostrar<FormReynolds>();
    teclearEjemploTuberia(f);
    pulsar(f, "Command3");
    auto *acc = ventanas().existente<FormAccesorios>();
    teclear(acc, accesorios::Naccesorios(9), QStringLiteral("1"));
    pulsar(acc, "Command1");
    tic(f); // the timer tick that brings the fittings drop
    return f;
}

QWidget *tuboGases() {
    FormReynolds *f = ventanas().mostrar<FormReynolds>();
    pulsar(f, t::Option2);
    pulsar(f, t::Option4);
    return f;
}

QWidget *gasCalculo() {
    abrirForm2();
    auto *f = ventanas().existente<Form2>();
    teclearEjemploGas(f);
    pulsar(f, g::Check1); // the compressibility rows too
    return f;
}

// The gas line from the pipe's data, choked: the red note shown.
QWidget *ventanaGasoducto() {
    abrirGasoducto();
    return ventanas().existente<FormGasoducto>();
}

QWidget *lineaGas() {
    abrirLineaGas({QStringLiteral("500"), QStringLiteral("0,05"), QStringLiteral("0,000011"),
                   QStringLiteral("11,3"), QStringLiteral("1000000"), QStringLiteral("10"),
                   QStringLiteral("15")});
    auto *f = ventanas().existente<FormLineaGas>();
    teclear(f, lg::LLinea, QStringLiteral("1000"));
    return f;
}

QWidget *ventanaAccesorios() {
    abrirAccesorios(QStringLiteral("100"));
    return ventanas().existente<FormAccesorios>();
}

QWidget *materiales() {
    abrirMateriales();
    QWidget *f = ventanas().existente<Form3>();
    clicFila(f, 0);
    return f;
}

QWidget *liquidos() {
    abrirLiquidos();
    QWidget *f = ventanas().existente<Form4>();
    clicFila(f, 4);
    return f;
}

QWidget *viscosidad() {
    abrirViscosidadGases();
    QWidget *f = ventanas().existente<Viscosidad>();
    clicFila(f, 2);
    return f;
}

// The converter in edit mode from the gas window's reference pressure: 2 psi, with the long
// accept caption.
QWidget *conversorEdicion() {
    QWidget *v = gasCalculo();
    pulsar(v, "Command7");
    auto *c = control<conversorudsrapido>(v, QStringLiteral("conversorudsrapido"));
    auto *combo = control<QComboBox>(c, QStringLiteral("Combo1"));
    combo->setCurrentIndex(combo->findText(QStringLiteral("psi")));
    teclear(c, "Text1", QStringLiteral("2"));
    c->calcularotrasuds();
    return c;
}

// The converter in view mode from the per-metre drop of the pipe window.
QWidget *conversorVista() {
    QWidget *v = tubo();
    pulsar(v, "Command13");
    return control<conversorudsrapido>(v, QStringLiteral("conversorudsrapido"));
}

QWidget *guardar() {
    abrirGuardar();
    return ventanas().existente<FormGuardar>();
}

QWidget *abrir() {
    abrirArchivo();
    return ventanas().existente<FormGuardar>();
}

// The standard pipe sizes on EN 10255, whose series carry the longest list texts.
QWidget *tuberias() {
    abrirTuberias([](const QString &, const QString &) {});
    QWidget *f = ventanas().existente<FormTuberias>();
    auto *norma = control<QComboBox>(f, QStringLiteral("Norma"));
    norma->setCurrentIndex(norma->count() - 1);
    return f;
}

QWidget *inicio() {
    return ventanas().mostrar<Form1>();
}

QWidget *ayuda() {
    return ventanas().mostrar<AyudaGases>();
}

// The Moody chart with the worked example.
QWidget *moody() {
    abrirMoody(EstadoMoody{"127.065", ",0197", "0,05", "100", ",019732"});
    return ventanas().existente<FormMoody>();
}

using Abridor = std::function<QWidget *()>;

// The section a control belongs to: its framed box, else the window.
QWidget *seccion(QWidget *w) {
    for (QWidget *p = w->parentWidget(); p && !p->isWindow(); p = p->parentWidget()) {
        if (qobject_cast<QGroupBox *>(p))
            return p;
        auto *f = qobject_cast<QFrame *>(p);
        if (f && f->frameShape() != QFrame::NoFrame && !qobject_cast<QAbstractScrollArea *>(p))
            return p;
    }
    return w->window();
}

QRect enVentana(QWidget *w) {
    return QRect(w->mapTo(w->window(), QPoint(0, 0)), w->size());
}

// b comes after a when reading: lower down, or on the same row further right.
bool despues(QWidget *a, QWidget *b) {
    const QRect ra = enVentana(a);
    const QRect rb = enVentana(b);
    const int mitad = std::min(ra.height(), rb.height()) / 2;
    if (std::abs(ra.center().y() - rb.center().y()) < mitad)
        return rb.center().x() > ra.center().x();
    return rb.center().y() > ra.center().y();
}

QString nombre(QWidget *w) {
    return w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                     : w->objectName();
}

bool esEntrada(QWidget *w) {
    return qobject_cast<QLineEdit *>(w) || qobject_cast<QComboBox *>(w) ||
           qobject_cast<QAbstractItemView *>(w);
}

QString nombreAccesible(QWidget *w) {
    QAccessibleInterface *i = QAccessible::queryAccessibleInterface(w);
    return i ? i->text(QAccessible::Name) : QString();
}

// The visible controls of a window that the Tab key stops at, in focus-chain order.
QList<QWidget *> cadenaTab(QWidget *ventana) {
    QList<QWidget *> lista;
    for (QWidget *w = ventana->nextInFocusChain(); w && w != ventana; w = w->nextInFocusChain()) {
        if (w->window() == ventana && (w->focusPolicy() & Qt::TabFocus) &&
            w->isVisibleTo(ventana) && w->isEnabled())
            lista.append(w);
    }
    return lista;
}

// Room for a button's text: the style's contents rectangle less the icon.
int sitioTexto(QAbstractButton *b) {
    QStyle::SubElement elemento = QStyle::SE_PushButtonContents;
    if (qobject_cast<QRadioButton *>(b))
        elemento = QStyle::SE_RadioButtonContents;
    else if (qobject_cast<QCheckBox *>(b))
        elemento = QStyle::SE_CheckBoxContents;
    else if (qobject_cast<QToolButton *>(b))
        return b->contentsRect().width() - (b->icon().isNull() ? 0 : b->iconSize().width());
    QStyleOptionButton opt;
    opt.initFrom(b);
    opt.text = b->text();
    opt.icon = b->icon();
    opt.iconSize = b->iconSize();
    const int ancho = b->style()->subElementRect(elemento, &opt, b).width();
    if (elemento == QStyle::SE_PushButtonContents && !b->icon().isNull())
        return ancho - b->iconSize().width() - 4;
    return ancho;
}

} // namespace

class TestLook : public PruebaGui {
    Q_OBJECT

    QWidget *ventana = nullptr;

    void abrirEn(const QString &idioma, const Abridor &abrir) {
        Idioma = idioma;
        ventana = abrir();
        QVERIFY(ventana);
        ventana->show();
        QVERIFY(QTest::qWaitForWindowExposed(ventana));
        QApplication::processEvents();
    }

    void comprobarTextos() {
        for (QLabel *l : ventana->findChildren<QLabel *>()) {
            if (!l->isVisibleTo(ventana) || l->wordWrap() || l->text().isEmpty() ||
                l->text().contains(QLatin1Char('\n')) || !l->pixmap().isNull())
                continue;
            const int necesario = l->fontMetrics().horizontalAdvance(l->text());
            const int sitio =
                l->contentsRect().width() - 2 * l->margin() - std::max(0, l->indent());
            QVERIFY2(necesario <= sitio, qPrintable(QStringLiteral("label %1 \"%2\": %3 > %4")
                                                        .arg(nombre(l), l->text())
                                                        .arg(necesario)
                                                        .arg(sitio)));
            QVERIFY2(l->fontMetrics().height() <= l->contentsRect().height(),
                     qPrintable(QStringLiteral("label %1 too low").arg(nombre(l))));
        }
        for (QAbstractButton *b : ventana->findChildren<QAbstractButton *>()) {
            if (!b->isVisibleTo(ventana) || b->text().isEmpty())
                continue;
            QString texto = b->text();
            texto.remove(QLatin1Char('&'));
            const int necesario = b->fontMetrics().horizontalAdvance(texto);
            QVERIFY2(necesario <= sitioTexto(b),
                     qPrintable(QStringLiteral("button %1 \"%2\": %3 > %4")
                                    .arg(nombre(b), texto)
                                    .arg(necesario)
                                    .arg(sitioTexto(b))));
        }
    }

    static void filas(bool conAyuda = true) {
        QTest::addColumn<QString>("idioma");
        QTest::addColumn<Abridor>("abrir");
        const QList<QPair<const char *, Abridor>> ventanasTodas = {
            {"start", inicio},
            {"pipe", tubo},
            {"pipe gases kinematic", tuboGases},
            {"gas", gasCalculo},
            {"gas help", ayuda},
            {"gas line", lineaGas},
            {"gas pipeline", ventanaGasoducto},
            {"fittings", ventanaAccesorios},
            {"materials", materiales},
            {"liquids", liquidos},
            {"gas viscosity", viscosidad},
            {"converter edit", conversorEdicion},
            {"converter view", conversorVista},
            {"results save", guardar},
            {"results open", abrir},
            {"pipe sizes", tuberias},
            {"moody", moody},
        };
        for (const auto &[n, a] : ventanasTodas) {
            if (!conAyuda && a.target<QWidget *(*)()>() && *a.target<QWidget *(*)()>() == &ayuda)
                continue;
            QTest::newRow(qPrintable(QStringLiteral("%1 es").arg(QLatin1String(n))))
                << kEspanol << a;
            QTest::newRow(qPrintable(QStringLiteral("%1 en").arg(QLatin1String(n))))
                << kIngles << a;
        }
    }

  private slots:
    void single_line_texts_fit_their_controls_data() { filas(); }
    void single_line_texts_fit_their_controls() {
        QFETCH(QString, idioma);
        QFETCH(Abridor, abrir);
        abrirEn(idioma, abrir);
        comprobarTextos();
    }

    // Made as small as the user can make it, a window squeezes no field and clips no text.
    void at_its_smallest_nothing_is_squeezed_data() { filas(); }
    void at_its_smallest_nothing_is_squeezed() {
        QFETCH(QString, idioma);
        QFETCH(Abridor, abrir);
        abrirEn(idioma, abrir);
        ventana->resize(ventana->minimumSize().expandedTo(ventana->minimumSizeHint()));
        QApplication::processEvents();
        for (QLineEdit *e : ventana->findChildren<QLineEdit *>()) {
            if (!e->isVisibleTo(ventana) || qobject_cast<QComboBox *>(e->parentWidget()))
                continue;
            QVERIFY2(e->height() >= e->sizeHint().height(),
                     qPrintable(QStringLiteral("%1 squeezed to %2 high (needs %3)")
                                    .arg(nombre(e))
                                    .arg(e->height())
                                    .arg(e->sizeHint().height())));
        }
        comprobarTextos();
    }

    // A stretched option button ignores clicks on its empty part; fields must not grow taller.
    void resizing_keeps_options_natural_and_fields_one_line_data() { filas(); }
    void resizing_keeps_options_natural_and_fields_one_line() {
        QFETCH(QString, idioma);
        QFETCH(Abridor, abrir);
        abrirEn(idioma, abrir);
        ventana->resize(ventana->size() * 1.6);
        QApplication::processEvents();
        for (QAbstractButton *b : ventana->findChildren<QAbstractButton *>()) {
            if (!b->isVisibleTo(ventana) ||
                !(qobject_cast<QRadioButton *>(b) || qobject_cast<QCheckBox *>(b)))
                continue;
            QVERIFY2(b->width() <= b->sizeHint().width(),
                     qPrintable(QStringLiteral("%1 stretched to %2 (natural %3)")
                                    .arg(nombre(b))
                                    .arg(b->width())
                                    .arg(b->sizeHint().width())));
        }
        for (QLineEdit *e : ventana->findChildren<QLineEdit *>()) {
            if (!e->isVisibleTo(ventana) || qobject_cast<QComboBox *>(e->parentWidget()))
                continue;
            QVERIFY2(
                e->height() <= e->sizeHint().height(),
                qPrintable(QStringLiteral("%1 grew to %2 high").arg(nombre(e)).arg(e->height())));
        }
    }

    // Tab moves top to bottom and left to right within each framed section, and does not come
    // back to a section it has left.
    void tab_order_reads_each_section_in_order_data() { filas(); }
    void tab_order_reads_each_section_in_order() {
        QFETCH(QString, idioma);
        QFETCH(Abridor, abrir);
        abrirEn(idioma, abrir);
        const QList<QWidget *> cadena = cadenaTab(ventana);
        QHash<QWidget *, QWidget *> ultimoDe; // last control seen in each section
        QList<QWidget *> secciones;
        for (QWidget *w : cadena) {
            QWidget *s = seccion(w);
            if (secciones.isEmpty() || secciones.last() != s) {
                QVERIFY2(s == ventana || !secciones.contains(s),
                         qPrintable(
                             QStringLiteral("tab comes back to the section of %1").arg(nombre(w))));
                secciones.append(s);
            }
            if (QWidget *antes = ultimoDe.value(s)) {
                QVERIFY2(despues(antes, w), qPrintable(QStringLiteral("tab goes from %1 back to %2")
                                                           .arg(nombre(antes), nombre(w))));
            }
            ultimoDe.insert(s, w);
        }
    }

    // (The help window has no controls.)
    void every_field_and_button_has_a_name_data() { filas(false); }
    void every_field_and_button_has_a_name() {
        QFETCH(QString, idioma);
        QFETCH(Abridor, abrir);
        abrirEn(idioma, abrir);
        QList<QWidget *> controles;
        for (QWidget *w : ventana->findChildren<QWidget *>()) {
            if (w->isVisibleTo(ventana) && w->window() == ventana &&
                (esEntrada(w) || qobject_cast<QAbstractButton *>(w)) &&
                !qobject_cast<QComboBox *>(w->parentWidget()))
                controles.append(w);
        }
        QVERIFY(!controles.isEmpty());
        for (QWidget *w : controles)
            QVERIFY2(!nombreAccesible(w).trimmed().isEmpty(),
                     qPrintable(QStringLiteral("%1 has no accessible name").arg(nombre(w))));
    }

    // The names come from the captions in front of the fields, so they follow a flag click.
    void field_names_follow_the_captions_and_the_language_data() {
        QTest::addColumn<bool>("gasWindow");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("espanol");
        QTest::addColumn<QString>("ingles");
        QTest::newRow("pipe flow") << false << t::Qproceso << "Caudal"
                                   << "Flow Rate";
        QTest::newRow("pipe diameter")
            << false << t::dint << QStringLiteral("Diámetro Interior") << "Internal Diameter";
        QTest::newRow("pipe length") << false << t::L << "Longitud"
                                     << "Length";
        QTest::newRow("gas reference pressure")
            << true << g::Pref << QStringLiteral("Presión Absoluta") << "Absolute Pressure";
        QTest::newRow("gas mass flow")
            << true << g::Qprocesomasico << QStringLiteral("Caudal Másico") << "Mass flow rate";
    }
    void field_names_follow_the_captions_and_the_language() {
        QFETCH(bool, gasWindow);
        QFETCH(QString, field);
        QFETCH(QString, espanol);
        QFETCH(QString, ingles);
        abrirEn(kEspanol, gasWindow ? Abridor(gasCalculo) : Abridor(tubo));
        QWidget *campo = ventana->findChild<QLineEdit *>(field);
        QVERIFY(campo);
        QCOMPARE(nombreAccesible(campo), espanol);
        pulsar(ventana, "Picture1");
        QCOMPARE(nombreAccesible(campo), ingles);
        pulsar(ventana, "Spain");
        QCOMPARE(nombreAccesible(campo), espanol);
    }

    // Real Tab presses through the top of the pipe window's data section.
    void tab_key_walks_the_pipe_inputs_in_order() {
        abrirEn(kIngles, tuboGases);
        ventana->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(ventana));
        auto *q = campo(ventana, t::Qproceso);
        q->setFocus();
        QStringList visitados{q->objectName()};
        for (int i = 0; i < 6; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visitados << QApplication::focusWidget()->objectName();
        }
        // Gases mode, kinematic viscosity: the flow, its unit, the density, its unit, the
        // checked viscosity option, the kinematic viscosity and its unit.
        const QStringList esperado{t::Qproceso,
                                   QStringLiteral("Command10"),
                                   t::dproceso,
                                   QStringLiteral("Command11"),
                                   t::Option4,
                                   t::Vcinematica,
                                   QStringLiteral("Command17")};
        QCOMPARE(visitados, esperado);
    }
};

VORLO_PRUEBA(TestLook, Ventanas)
#include "tst_look.moc"
