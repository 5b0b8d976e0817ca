#include "form_accesorios.h"

#include "app/colours.h"
#include "app/globals.h"
#include "app/icons.h"
#include "app/key_filter.h"
#include "app/layout_tools.h"
#include "app/open_windows.h"
#include "app/texts.h"
#include "app/windows.h"
#include "fields/language.h"
#include "fields/numbers.h"
#include "fittings/fittings_fields.h"
#include "fittings/form_accesorios_texts.h"
#include "pipeflow/pipe_fields.h"
#include "pipeflow/pipe_flow.h"
#include "results/results_file.h"
#include "ui_form_accesorios.h"

#include <QApplication>
#include <QComboBox>
#include <QFont>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtNumeric>

namespace vorlo {

namespace {
const TextoBilingue kUnidadesEnteras{
    QStringLiteral("Las unidades son números enteros: no admiten coma ni punto decimal"),
    QStringLiteral("Counts are whole numbers: a decimal comma or point is refused")};
} // namespace

namespace {

// Fonts of the window's design, with look-alikes for systems that lack them.
QFont fuente(const QFont &base, const QStringList &familias, bool negrita = false) {
    QFont f = base;
    f.setFamilies(familias);
    f.setStyleHint(QFont::SansSerif);
    f.setBold(negrita);
    return f;
}

const QStringList kComic = {QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"),
                            QStringLiteral("Comic Relief")};
const QStringList kSansSerif = {QStringLiteral("MS Sans Serif"),
                                QStringLiteral("Microsoft Sans Serif"),
                                QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};

// A field text of the open pipe flow window, by its name; none without that window.
std::optional<QString> textoTuberia(const QString &nombre) {
    const auto estado = estadoTuberia();
    const qsizetype i = resultados::nombresCampos().indexOf(nombre);
    if (!estado || i < 0)
        return std::nullopt;
    return estado->textos.at(static_cast<size_t>(i));
}

// Holds a word-wrapped label at a fixed height, outside the window's layout: the method's label
// changes with every Reynolds number, and a label in the layout would make each change measure
// every word-wrapped text of the window again (a sixth of a keystroke's time).
class MarcoFijo : public QWidget {
  public:
    MarcoFijo(QLabel *etiqueta, int alto) : m_etiqueta(etiqueta) {
        setFixedHeight(alto);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    }

  protected:
    void resizeEvent(QResizeEvent *) override { m_etiqueta->setGeometry(rect()); }

  private:
    QLabel *m_etiqueta;
};

} // namespace

FormAccesorios::FormAccesorios(QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::FormAccesorios>()) {
    ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(icono(QStringLiteral("vorlo")));

    // Counts are whole numbers: a decimal separator is refused, and the message says why.
    m_filtro = new FiltroTeclas(
        [this](QChar c) {
            if (c == u',' || c == u'.')
                escribirMensaje(kUnidadesEnteras.en(m_lengua));
            return filtrarTeclaEntera(c);
        },
        this);
    // K fields take any key, but a typed point becomes the decimal comma: "1.5" would otherwise
    // not be a number and its row would silently drop out of the total.
    m_filtroK = new FiltroTeclas(
        [](QChar c) -> std::optional<QChar> { return c == u'.' ? QChar(u',') : c; }, this);
    construirFilas(ui->filasRoscadas, accesorios::kPrimeraRoscada, accesorios::kPrimeraBridada);
    construirFilas(ui->filasBridadas, accesorios::kPrimeraBridada, accesorios::kPrimeraUsuario);
    construirFilas(ui->filasUsuario, accesorios::kPrimeraUsuario, accesorios::kFilas);
    ui->ktotal->hide();
    aplicarEstilo();

    // The language as it stands when the window is created; it does not follow later changes.
    aplicarTextosAlCargar(this, textosFormAccesorios());
    m_lengua = lenguaActual();
    llenarMetodos();
    ordenarYNombrar();
    // Never shorter than the rows need: squeezed, the two columns' rows would no longer line up.
    alturaMinimaConTextos(this);

    // Connected after the rows got their starting texts, so that creating the window hands no
    // total to the pipe flow window.
    connect(ui->Diametrillo, &QLineEdit::textChanged, this, &FormAccesorios::Diametrillo_Change);
    for (int fila = 0; fila < accesorios::kFilas; ++fila) {
        connect(m_unidades[fila], &QLineEdit::textChanged, this, &FormAccesorios::CalcularKTotal);
        connect(m_unidades[fila], &QLineEdit::textChanged, this, [this] {
            if (!m_enLote)
                m_listaVaciada = false;
        });
        connect(m_k[fila], &QLineEdit::textChanged, this, &FormAccesorios::CalcularKTotal);
    }
    connect(ui->Command1, &QPushButton::clicked, this, &FormAccesorios::Command1_Click);
    connect(ui->MetodoK, &QComboBox::currentIndexChanged, this, &FormAccesorios::MetodoK_Click);
}

FormAccesorios::~FormAccesorios() = default;

void FormAccesorios::construirFilas(QGridLayout *rejilla, int desde, int hasta) {
    for (int fila = desde; fila < hasta; ++fila) {
        auto *unidades = new QLineEdit(QStringLiteral("0"), this);
        unidades->setObjectName(accesorios::Naccesorios(fila));
        unidades->setFixedWidth(44);
        unidades->setAlignment(Qt::AlignRight);
        m_filtro->instalar(unidades);

        auto *titulo = new QLabel(this);
        titulo->setObjectName(accesorios::TituloAccesorio(fila));

        auto *k = new QLineEdit(this);
        k->setObjectName(accesorios::k(fila));
        k->setFixedWidth(60);
        k->setAlignment(Qt::AlignRight);
        m_filtroK->instalar(k);

        const int r = fila - desde + 1; // row 0 holds the column headings
        rejilla->addWidget(unidades, r, 0);
        rejilla->addWidget(titulo, r, 1);
        rejilla->addWidget(k, r, 2);
        m_unidades[fila] = unidades;
        m_titulos[fila] = titulo;
        m_k[fila] = k;
    }
}

// Tab goes row by row, count then K, through the threaded, flanged and user-defined groups,
// then to the total and the button. Each field is named after its row's title and column.
void FormAccesorios::ordenarYNombrar() {
    setTabOrder(ui->MetodoK, ui->Diametrillo);
    QWidget *anterior = ui->Diametrillo;
    for (int fila = 0; fila < accesorios::kFilas; ++fila) {
        const QString titulo = m_titulos[fila]->text();
        m_unidades[fila]->setAccessibleName(titulo + QStringLiteral(": ") + ui->Label6->text());
        m_k[fila]->setAccessibleName(titulo + QStringLiteral(": ") + ui->Label5->text());
        setTabOrder(anterior, m_unidades[fila]);
        setTabOrder(m_unidades[fila], m_k[fila]);
        anterior = m_k[fila];
    }
    setTabOrder(anterior, ui->textbox_ktotal);
    setTabOrder(ui->textbox_ktotal, ui->Command1);
}

// The four methods in their fixed order, the one chosen last selected; the Reynolds number the
// pipe window shows now.
void FormAccesorios::llenarMetodos() {
    for (const MetodoK m : kMetodosK)
        ui->MetodoK->addItem(nombreMetodoK(m).en(m_lengua), static_cast<int>(m));
    m_metodo = MetodoAccesorios;
    ui->MetodoK->setCurrentIndex(ui->MetodoK->findData(static_cast<int>(m_metodo)));
    tomarReynoldsDeTuberia();
    escribirLabelMetodo();
}

void FormAccesorios::aplicarEstilo() {
    const QColor fondoVentana = QApplication::palette().color(QPalette::ToolTipBase);
    fijarFondo(this, fondoVentana);
    fijarFondo(ui->Diametrillo, fondoVentana);
    fijarFondo(ui->textbox_ktotal, fondoVentana);

    fijarColorTexto(ui->Label14, kColorRojo);
    for (QWidget *w : {static_cast<QWidget *>(ui->Command1), static_cast<QWidget *>(ui->Label11),
                       static_cast<QWidget *>(ui->Label14)})
        w->setFont(fuente(w->font(), kComic));
    for (QWidget *w : {ui->Label1, ui->Label2, ui->Label3})
        w->setFont(fuente(w->font(), kSansSerif, true));
    // Room for the longer message on two lines, so that the rows do not jump when it shows.
    ui->Label14->setMinimumHeight(2 * ui->Label14->fontMetrics().lineSpacing() + 2);
    // Likewise for the method's label, whose 3-K line takes two lines in a narrow window.
    auto *marco =
        new MarcoFijo(ui->LabelMetodo, 2 * ui->LabelMetodo->fontMetrics().lineSpacing() + 2);
    delete ui->filaMetodo->replaceWidget(ui->LabelMetodo, marco);
    ui->LabelMetodo->setParent(marco);
}

void FormAccesorios::fijarDiametro(const QString &texto) {
    ui->Diametrillo->setText(texto);
}

void FormAccesorios::fijarReynolds(const QString &texto) {
    m_textoReynolds = texto;
    const std::optional<double> re = leerNumero(texto);
    if (re == m_reynolds)
        return;
    m_reynolds = re;
    if (!necesitaReynolds(m_metodo))
        return;
    // A pipe window whose K total is no longer this window's (emptied for a new diameter, or
    // typed) keeps it: the fittings are to be chosen again there first.
    m_entregarTotal = textoTuberia(tuberia::ktotal) == ui->textbox_ktotal->text();
    enLote([this] { RellenarKMetodo(*this, m_metodo, m_reynolds); });
    m_entregarTotal = true;
    escribirLabelMetodo();
}

void FormAccesorios::tomarReynoldsDeTuberia() {
    if (const auto re = textoTuberia(tuberia::Re))
        fijarReynolds(*re);
}

void FormAccesorios::RellenarK() {
    enLote([this] { vorlo::RellenarK(*this, m_metodo, m_reynolds); });
    escribirLabelMetodo();
}

void FormAccesorios::CalcularKTotal() {
    if (m_enLote) {
        m_totalPendiente = true;
        return;
    }
    vorlo::CalcularKTotal(*this);
    // The row the total refused, named until it is mended.
    const auto problema = problemaAccesorios(*this);
    if (problema)
        escribirMensaje(problema->en(m_lengua));
    else if (m_filaRechazada)
        escribirMensaje(QString());
    m_filaRechazada = problema.has_value();
}

void FormAccesorios::enLote(const std::function<void()> &paso) {
    m_enLote = true;
    m_totalPendiente = false;
    paso();
    m_enLote = false;
    if (m_totalPendiente)
        CalcularKTotal();
}

void FormAccesorios::fijarMetodo(MetodoK metodo) {
    ui->MetodoK->setCurrentIndex(ui->MetodoK->findData(static_cast<int>(metodo)));
}

void FormAccesorios::MetodoK_Click() {
    m_metodo = static_cast<MetodoK>(ui->MetodoK->currentData().toInt());
    MetodoAccesorios = m_metodo;
    enLote([this] { RellenarKMetodo(*this, m_metodo, m_reynolds); });
    escribirLabelMetodo();
}

void FormAccesorios::escribirLabelMetodo() {
    ui->LabelMetodo->setText(m_metodo == MetodoK::Tabla
                                 ? QString()
                                 : descripcionMetodoK(m_metodo,
                                                      leerNumero(diametro()).value_or(qQNaN()),
                                                      m_reynolds, m_lengua));
}

void FormAccesorios::Diametrillo_Change() {
    if (disparaRelleno(ui->Diametrillo->text()))
        sinPisarTotalAjeno([this] { RellenarK(); });
}

void FormAccesorios::sinPisarTotalAjeno(const std::function<void()> &paso) {
    const bool antes = m_entregarTotal;
    const auto total = textoTuberia(tuberia::ktotal);
    m_entregarTotal = antes && (!total || total->isEmpty() || *total == ui->textbox_ktotal->text());
    paso();
    m_entregarTotal = antes;
}

void FormAccesorios::seguirDiametroTuberia(const QString &texto) {
    if (texto == ui->Diametrillo->text() || !disparaRelleno(texto))
        return;
    // Typed digit by digit, the diameter passes through values that each refill the list: the
    // notice stays until a count is chosen again.
    for (const QLineEdit *n : m_unidades)
        m_listaVaciada = m_listaVaciada || leerNumero(n->text()).value_or(0) != 0;
    fijarDiametro(texto);
    if (m_listaVaciada && ui->Label14->text().isEmpty())
        escribirMensaje(kListaVaciadaPorDiametro.en(m_lengua).arg(texto));
}

void FormAccesorios::Command1_Click() {
    hide();
}

QString FormAccesorios::diametro() const {
    return ui->Diametrillo->text();
}

QString FormAccesorios::unidades(int fila) const {
    return m_unidades.at(fila)->text();
}

void FormAccesorios::escribirUnidades(int fila, const QString &texto) {
    m_unidades.at(fila)->setText(texto);
}

void FormAccesorios::habilitarUnidades(int fila, bool habilitado) {
    m_unidades.at(fila)->setEnabled(habilitado);
}

QString FormAccesorios::k(int fila) const {
    return m_k.at(fila)->text();
}

void FormAccesorios::escribirK(int fila, const QString &texto) {
    m_k.at(fila)->setText(texto);
}

void FormAccesorios::habilitarK(int fila, bool habilitado) {
    m_k.at(fila)->setEnabled(habilitado);
}

void FormAccesorios::escribirMensaje(const QString &texto) {
    ui->Label14->setText(texto);
}

QString FormAccesorios::ktotal() const {
    return ui->ktotal->text();
}

void FormAccesorios::escribirKtotal(const QString &texto) {
    ui->ktotal->setText(texto);
}

void FormAccesorios::escribirTextboxKtotal(const QString &texto) {
    ui->textbox_ktotal->setText(texto);
}

informe::DatosAccesorios FormAccesorios::datosInforme() const {
    informe::DatosAccesorios d;
    d.diametro = diametro();
    d.ktotal = ui->textbox_ktotal->text();
    d.mensaje = ui->Label14->text();
    for (int fila = 0; fila < accesorios::kFilas; ++fila)
        d.filas.append({m_titulos[fila]->text(), unidades(fila), k(fila)});
    d.metodo = m_metodo;
    d.reynolds = m_textoReynolds;
    return d;
}

void FormAccesorios::escribirKtotalTuberia(const QString &texto) {
    if (m_entregarTotal)
        entregarKTotal(texto);
}

} // namespace vorlo
