#include "conversorudsrapido.h"

#include "app/globals.h"
#include "app/key_filter.h"
#include "app/message_boxes.h"
#include "app/texts.h"
#include "fields/language.h"
#include "fields/numbers.h"
#include "ui_conversorudsrapido.h"
#include "units/conversionuds.h"
#include "units/conversorudsrapido_texts.h"

#include <QPointer>
#include <QTimer>

namespace vorlo {

namespace {
const QString kAvisoCeroAbsoluto =
    QStringLiteral("Temperatura por debajo del cero absoluto. Por favo corrija");

// The heading and buttons are drawn in a casual face; where it is missing, the nearest sans
// serif face stands in.
void fuenteInformal(QWidget *w) {
    QFont f = w->font();
    f.setStyleHint(QFont::SansSerif);
    w->setFont(f);
}
} // namespace

conversorudsrapido::conversorudsrapido(QWidget *duena)
    : QWidget(duena, Qt::Dialog), ui(std::make_unique<Ui::conversorudsrapido>()) {
    ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("conversorudsrapido"));
    for (QWidget *w : {static_cast<QWidget *>(ui->Label3), static_cast<QWidget *>(ui->Command1),
                       static_cast<QWidget *>(ui->Command2)})
        fuenteInformal(w);
    construirFilas();
    // The input and the list have no caption of their own.
    ui->Text1->setAccessibleName(segunIdioma(idiomaActual(), QStringLiteral("Valor a convertir"),
                                             QStringLiteral("Value to convert")));
    ui->Combo1->setAccessibleName(segunIdioma(idiomaActual(), QStringLiteral("Unidad del valor"),
                                              QStringLiteral("Unit of the value")));

    m_filtro = new FiltroTeclas(FiltroTeclas::reglaNumerica(), this);
    m_filtro->instalar(ui->Text1);
    connect(ui->Text1, &QLineEdit::textChanged, this, &conversorudsrapido::calcularotrasuds);
    connect(ui->Command1, &QPushButton::clicked, this, &conversorudsrapido::Command1_Click);
    connect(ui->Command2, &QPushButton::clicked, this, &conversorudsrapido::Command2_Click);

    m_timer1 = new QTimer(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(300);
    connect(m_timer1, &QTimer::timeout, this, &conversorudsrapido::Timer1_Timer);
    connect(ui->Text1, &QLineEdit::textChanged, this, &conversorudsrapido::despertar);
    connect(ui->Combo1, &QComboBox::currentIndexChanged, this, &conversorudsrapido::despertar);

    cargar();
}

conversorudsrapido::~conversorudsrapido() = default;

void conversorudsrapido::construirFilas() {
    for (int i = 0; i < kFilas; ++i) {
        auto *numero = new QLabel(ui->MarcoFilas);
        numero->setObjectName(QStringLiteral("Label1(%1)").arg(i));
        numero->setFrameShape(QFrame::Panel);
        numero->setFrameShadow(QFrame::Sunken);
        numero->setMinimumWidth(130);
        numero->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        numero->setTextInteractionFlags(Qt::TextSelectableByMouse);
        auto *unidad = new QLabel(ui->MarcoFilas);
        unidad->setObjectName(QStringLiteral("Label2(%1)").arg(i));
        unidad->setMinimumWidth(80);
        ui->rejillaFilas->addWidget(numero, i, 0);
        ui->rejillaFilas->addWidget(unidad, i, 1);
        m_label1[i] = numero;
        m_label2[i] = unidad;
    }
    ui->rejillaFilas->setColumnStretch(0, 1);
}

void conversorudsrapido::cargar() {
    // A fresh window: empty input, list and buttons enabled, no accept yet.
    {
        const QSignalBlocker sinCambio(ui->Text1);
        ui->Text1->clear();
    }
    m_vista = false;
    ui->Text1->setEnabled(true);
    ui->Combo1->setEnabled(true);
    ui->Command1->hide();
    ui->Command1->setEnabled(true);

    ValorConvertido = 0;
    ValorConvertidoEsperando = false;
    aplicarTextosAlCargar(this, textosConversor());
    for (int i = 0; i < kFilas; ++i) {
        m_label1[i]->clear();
        m_label2[i]->clear();
        m_label1[i]->hide();
        m_label2[i]->hide();
    }
    const QStringList unidades = unidadesMagnitud(MagnitudConversor).mid(0, kFilas);
    m_unidades = int(unidades.size());
    ui->Combo1->clear();
    ui->Combo1->addItems(unidades);
    ui->Combo1->setCurrentIndex(unidades.isEmpty() ? -1 : 0);
    for (int i = 0; i < m_unidades; ++i) {
        m_label2[i]->show();
        m_label1[i]->show();
        m_label2[i]->setText(unidades[i]);
    }
    adjustSize(); // fits the rows of the new kind when an open window is loaded again
    m_timer1->start();
}

// A tick recomputes only when something the rows depend on changed since the last
// recomputation: the result would be the same. With nothing to do the timer sleeps until the
// input or the unit changes, or the pointer or the focus comes back to the window, so an idle
// converter costs nothing.
void conversorudsrapido::Timer1_Timer() {
    if (estadoEntrada() != m_ultimoEstado)
        calcularotrasuds();
    else
        m_timer1->stop();
}

void conversorudsrapido::despertar() {
    if (!m_timer1->isActive())
        m_timer1->start();
}

bool conversorudsrapido::event(QEvent *ev) {
    if (ev->type() == QEvent::Enter || ev->type() == QEvent::WindowActivate)
        despertar();
    return QWidget::event(ev);
}

QStringList conversorudsrapido::estadoEntrada() const {
    return {ui->Text1->text(), ui->Combo1->currentText(), idiomaActual(),
            ui->Combo1->isEnabled() ? QStringLiteral("1") : QStringLiteral("0")};
}

void conversorudsrapido::calcularotrasuds() {
    if (m_avisando)
        return;
    m_ultimoEstado = estadoEntrada();
    // 1. Every row from the input; an empty text, a lone "-" or a text that is not a number
    //    computes nothing and the rows keep what they showed.
    const QString entrada = ui->Text1->text();
    const std::optional<double> valor =
        (entrada.isEmpty() || entrada == u"-") ? std::nullopt : leerNumero(entrada);
    const QString desde = ui->Combo1->currentText();
    for (int i = 0; i < m_unidades; ++i) {
        m_label2[i]->show();
        m_label1[i]->show();
        // A conversion beyond the range of a double shows an empty row.
        if (valor)
            m_label1[i]->setText(
                FormatoResultado(convertiruds(*valor, desde, m_label2[i]->text())));
    }

    // 2. No temperature below absolute zero.
    if (!comprobarCeroAbsoluto())
        return; // the window went away while the message was open

    // 3. The accept caption, even while the button is hidden.
    const QString numero = m_label1[0]->text();
    ui->Command1->setText(textoAceptar(idiomaActual(), numero, m_label2[0]->text()));

    // 4. The button appears with the first number and stays; an empty base row (a number out
    //    of range) cannot be accepted.
    if (!numero.isEmpty() && ui->Combo1->isEnabled())
        ui->Command1->show();
    ui->Command1->setEnabled(!numero.isEmpty());
}

bool conversorudsrapido::comprobarCeroAbsoluto() {
    if (MagnitudConversor != kTemperatura || m_label1[0]->text().isEmpty())
        return true;
    const std::optional<double> celsius = leerNumero(m_label1[0]->text());
    if (!celsius || *celsius >= -273.15)
        return true;
    QPointer<conversorudsrapido> yo(this);
    m_avisando = true;
    mensajes().aviso(this, kAvisoCeroAbsoluto);
    if (!yo)
        return false;
    m_avisando = false;
    // Back to absolute zero in the selected unit, which passes the check.
    const double cero = ceroAbsoluto(ui->Combo1->currentText()).value_or(-273.15);
    ui->Text1->setText(formatoPlano(cero).value_or(QString()));
    return static_cast<bool>(yo);
}

void conversorudsrapido::fijarEntrada(const QString &texto) {
    ui->Text1->setText(texto);
}

void conversorudsrapido::aplicarVista() {
    m_vista = true;
    ui->Combo1->setEnabled(false);
    ui->Command1->hide();
    ui->Text1->setEnabled(false);
}

void conversorudsrapido::Command1_Click() {
    if (m_vista)
        return;
    calcularotrasuds();
    // The base-unit row as shown is what goes back.
    const std::optional<double> valor = leerNumero(m_label1[0]->text());
    if (!valor)
        return;
    ValorConvertido = *valor;
    ValorConvertidoEsperando = true;
    close();
    emit aceptado();
}

void conversorudsrapido::Command2_Click() {
    ValorConvertido = 0;
    ValorConvertidoEsperando = false;
    close();
}

} // namespace vorlo
