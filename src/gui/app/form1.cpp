#include "form1.h"

#include "app/colours.h"
#include "app/form1_texts.h"
#include "app/globals.h"
#include "app/icons.h"
#include "app/layout_tools.h"
#include "app/open_windows.h"
#include "fields/language.h"
#include "ui_form1.h"

#include <QIcon>
#include <QKeyEvent>
#include <QMouseEvent>

namespace vorlo {

namespace {
const QColor kGrisEnlace(0xC0, 0xC0, 0xC0);
}

Form1::Form1(QWidget *parent) : QWidget(parent), ui(std::make_unique<Ui::Form1>()) {
    ui->setupUi(this);
    setObjectName(QStringLiteral("Form1"));
    setWindowIcon(icono(QStringLiteral("vorlo")));
    ui->Image1->setPixmap(icono(QStringLiteral("vorlo")).pixmap(56, 56));
    ui->Picture1->setIcon(icono(QStringLiteral("flag_en")));
    ui->Spain->setIcon(icono(QStringLiteral("flag_es")));
    nombrarComoTooltip(ui->Picture1);
    nombrarComoTooltip(ui->Spain);
    connect(ui->Picture1, &QToolButton::clicked, this, &Form1::Picture1_Click);
    connect(ui->Spain, &QToolButton::clicked, this, &Form1::Spain_Click);

    setMouseTracking(true);
    ui->Label2->setFocusPolicy(Qt::StrongFocus);
    ui->Label3->setFocusPolicy(Qt::StrongFocus);
    setTabOrder(ui->Label2, ui->Label3);
    for (QWidget *w : {static_cast<QWidget *>(ui->Label2), static_cast<QWidget *>(ui->Label3),
                       static_cast<QWidget *>(ui->Shape1), static_cast<QWidget *>(ui->Shape2)}) {
        w->setMouseTracking(true);
        w->installEventFilter(this);
    }

    // Load: English unless a language is already set.
    cambiarLengua(lenguaActual());
}

Form1::~Form1() = default;

void Form1::cambiarLengua(Lengua lengua) {
    cambiarIdioma(this, textosForm1(), lengua);
    ajustarAlContenido(this);
}

void Form1::Label2_Click() {
    abrirForm2();
}

void Form1::Label3_Click() {
    abrirFormReynolds();
}

void Form1::colorEnlaces(const QColor &label2, const QColor &label3) {
    fijarColorTexto(ui->Label2, label2);
    fijarColorTexto(ui->Label3, label3);
}

bool Form1::eventFilter(QObject *obj, QEvent *ev) {
    if (ev->type() == QEvent::MouseMove) {
        const QColor normal = palette().color(QPalette::ButtonText);
        // Consumed, so that the move does not reach the surface behind the link.
        if (obj == ui->Label2) {
            fijarColorTexto(ui->Label2, kGrisEnlace);
            return true;
        }
        if (obj == ui->Label3) {
            fijarColorTexto(ui->Label3, kGrisEnlace);
            return true;
        }
        colorEnlaces(normal, normal);
    } else if (ev->type() == QEvent::MouseButtonRelease &&
               static_cast<QMouseEvent *>(ev)->button() == Qt::LeftButton) {
        if (obj == ui->Label2)
            Label2_Click();
        else if (obj == ui->Label3)
            Label3_Click();
    } else if (ev->type() == QEvent::KeyPress && (obj == ui->Label2 || obj == ui->Label3)) {
        // The links work from the keyboard too: Tab reaches them, Enter or Space opens.
        const int tecla = static_cast<QKeyEvent *>(ev)->key();
        if (tecla == Qt::Key_Return || tecla == Qt::Key_Enter || tecla == Qt::Key_Space) {
            if (obj == ui->Label2)
                Label2_Click();
            else
                Label3_Click();
            return true;
        }
    } else if ((ev->type() == QEvent::FocusIn || ev->type() == QEvent::FocusOut) &&
               (obj == ui->Label2 || obj == ui->Label3)) {
        // A link with the keyboard focus is underlined.
        auto *enlace = static_cast<QLabel *>(obj);
        QFont f = enlace->font();
        f.setUnderline(ev->type() == QEvent::FocusIn);
        enlace->setFont(f);
    }
    return QWidget::eventFilter(obj, ev);
}

void Form1::mouseMoveEvent(QMouseEvent *ev) {
    const QColor normal = palette().color(QPalette::ButtonText);
    colorEnlaces(normal, normal);
    QWidget::mouseMoveEvent(ev);
}

} // namespace vorlo
