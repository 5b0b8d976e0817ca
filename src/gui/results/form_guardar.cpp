#include "form_guardar.h"

#include "app/case_entry.h"
#include "app/globals.h"
#include "app/icons.h"
#include "app/message_boxes.h"
#include "app/open_windows.h"
#include "app/texts.h"
#include "app/windows.h"
#include "fields/language.h"
#include "results/form_guardar_texts.h"
#include "results/results_file.h"
#include "results/results_io.h"
#include "ui_form_guardar.h"

#include <QButtonGroup>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStorageInfo>
#include <QTimer>

namespace vorlo {

namespace {

const QString kPatron = QStringLiteral("*.vrq");
const QString kNombreInicial = QStringLiteral("PDcalc1.vrq");
// The same Spanish text in both languages, two spaces included.
const QString kPreguntaSobreescribir = QStringLiteral("El archivo  existe. ¿sobreescribir?");

void avisar(QWidget *padre, const QString &texto) {
    mensajes().aviso(padre, texto, std::nullopt, Mensajes::Icono::Exclamacion);
}

} // namespace

FormGuardar::FormGuardar(QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::FormGuardar>()) {
    ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(icono(QStringLiteral("vorlo")));

    m_modelo = new QFileSystemModel(this);
    m_modelo->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    m_modelo->setRootPath(QDir::rootPath());
    ui->Dir1->setModel(m_modelo);
    for (int c = 1; c < m_modelo->columnCount(); ++c)
        ui->Dir1->hideColumn(c);

    // The model reads and sorts folders in the background, moving rows after the view has
    // scrolled; keep Dir1's directory in view until the user takes the list in hand.
    const auto mostrarActual = [this] {
        if (m_seguirActual)
            QTimer::singleShot(0, this, [this] {
                if (m_seguirActual)
                    ui->Dir1->scrollTo(ui->Dir1->currentIndex());
            });
    };
    connect(m_modelo, &QFileSystemModel::directoryLoaded, this, mostrarActual);
    connect(m_modelo, &QFileSystemModel::layoutChanged, this, mostrarActual);
    connect(ui->Dir1->verticalScrollBar(), &QScrollBar::sliderPressed, this,
            [this] { m_seguirActual = false; });
    ui->Dir1->installEventFilter(this);
    ui->Dir1->viewport()->installEventFilter(this);

    llenarUnidades();
    // The lists have no caption of their own; the name box has Label1 (its buddy).
    const auto segun = [](const char *es, const char *en) {
        return segunIdioma(idiomaActual(), QString::fromUtf8(es), QString::fromUtf8(en));
    };
    ui->Drive1->setAccessibleName(segun("Unidad", "Drive"));
    ui->Dir1->setAccessibleName(segun("Carpeta", "Folder"));
    ui->File1->setAccessibleName(segun("Archivos", "Files"));

    connect(ui->Command1, &QPushButton::clicked, this, &FormGuardar::Command1_Click);
    connect(ui->Command2, &QPushButton::clicked, this, &FormGuardar::Command2_Click);
    connect(ui->File1, &QListWidget::itemClicked, this, &FormGuardar::File1_Click);
    // The keyboard moves the selection too; a refill (nothing selected) leaves the name alone.
    connect(ui->File1, &QListWidget::itemSelectionChanged, this, [this] {
        const auto sel = ui->File1->selectedItems();
        if (!sel.isEmpty())
            File1_Click(sel.first());
    });
    connect(ui->File1, &QListWidget::itemDoubleClicked, this, &FormGuardar::File1_DblClick);
    connect(ui->Dir1->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &FormGuardar::Dir1_Change);
    connect(ui->Drive1, &QComboBox::currentIndexChanged, this, &FormGuardar::Drive1_Change);

    if (!fijarDirectorio(QDir::currentPath()))
        fijarDirectorio(QDir::rootPath());
    fijarModo(Modo::Guardar);
}

FormGuardar::~FormGuardar() = default;

void FormGuardar::fijarModo(Modo modo) {
    m_modo = modo;
    const bool guardar = modo == Modo::Guardar;
    if (guardar)
        setWindowTitle(QStringLiteral("Guardar"));
    aplicarTextosAlCargar(this, guardar ? textosFormGuardar() : textosFormAbrir());
    ui->Text1->setText(guardar ? kNombreInicial : QString());
    llenarArchivos();
}

QString FormGuardar::ruta() const {
    return m_directorio + QLatin1Char('/') + ui->Text1->text();
}

void FormGuardar::llenarUnidades() {
    const QSignalBlocker bloqueo(ui->Drive1);
    ui->Drive1->clear();
    QStringList raices;
    for (const QStorageInfo &s : QStorageInfo::mountedVolumes()) {
        // A file mounted on its own (a bind mount) is no drive.
        if (!s.isValid() || !QFileInfo(s.rootPath()).isDir() || raices.contains(s.rootPath()))
            continue;
        raices << s.rootPath();
    }
    raices.sort();
    for (const QString &r : std::as_const(raices))
        ui->Drive1->addItem(r, r);
}

// Drive1 shows the volume holding `ruta`, added to the list if it was missing.
void FormGuardar::seleccionarUnidadDe(const QString &ruta) {
    const QString raiz = QStorageInfo(ruta).rootPath();
    if (raiz.isEmpty())
        return;
    const QSignalBlocker bloqueo(ui->Drive1);
    int i = ui->Drive1->findData(raiz, kRaizUnidad);
    if (i < 0) {
        ui->Drive1->addItem(raiz, raiz);
        i = ui->Drive1->count() - 1;
    }
    ui->Drive1->setCurrentIndex(i);
}

bool FormGuardar::fijarDirectorio(const QString &ruta) {
    const QFileInfo fi(ruta);
    if (!fi.isDir())
        return false;
    const QModelIndex i = m_modelo->index(fi.absoluteFilePath());
    if (!i.isValid())
        return false;
    if (i == ui->Dir1->currentIndex()) {
        Dir1_Change();
    } else {
        ui->Dir1->setCurrentIndex(i);
    }
    m_seguirActual = true;
    ui->Dir1->scrollTo(i);
    return true;
}

bool FormGuardar::eventFilter(QObject *obj, QEvent *ev) {
    if ((obj == ui->Dir1 && ev->type() == QEvent::KeyPress) ||
        (obj == ui->Dir1->viewport() &&
         (ev->type() == QEvent::MouseButtonPress || ev->type() == QEvent::Wheel)))
        m_seguirActual = false;
    return QWidget::eventFilter(obj, ev);
}

void FormGuardar::Dir1_Change() {
    const QModelIndex i = ui->Dir1->currentIndex();
    if (!i.isValid())
        return;
    m_directorio = m_modelo->filePath(i);
    ui->Dir1->expand(i);
    seleccionarUnidadDe(m_directorio);
    llenarArchivos();
}

void FormGuardar::Drive1_Change() {
    const QString raiz = ui->Drive1->currentData(kRaizUnidad).toString();
    const QFileInfo fi(raiz);
    const bool legible = fi.isDir() && fi.isReadable() && QStorageInfo(raiz).isReady();
    // An unreadable drive sends the list back to the directory's drive, without a word.
    if (!legible || !fijarDirectorio(raiz))
        seleccionarUnidadDe(m_directorio);
}

void FormGuardar::llenarArchivos() {
    ui->File1->clear();
    // Open lists the cases beside the results files.
    QStringList patrones = {kPatron};
    if (m_modo == Modo::Abrir)
        patrones << QStringLiteral("*.") + caso::kExtension;
    const QStringList nombres =
        QDir(m_directorio).entryList(patrones, QDir::Files, QDir::Name | QDir::IgnoreCase);
    ui->File1->addItems(nombres);
}

void FormGuardar::File1_Click(QListWidgetItem *item) {
    if (item)
        ui->Text1->setText(item->text());
}

void FormGuardar::File1_DblClick(QListWidgetItem *item) {
    if (!item)
        return;
    File1_Click(item);
    aceptar();
}

void FormGuardar::Command1_Click() {
    aceptar();
}

void FormGuardar::Command2_Click() {
    close();
}

void FormGuardar::aceptar() {
    if (m_modo == Modo::Guardar)
        guardar();
    else
        abrir();
}

void FormGuardar::guardar() {
    const QString destino = ruta();
    const auto estado = estadoTuberia();
    if (!estado) {
        avisar(this,
               segunIdioma(idiomaActual(),
                           QStringLiteral("No hay ningún cálculo de tubería abierto que guardar."),
                           QStringLiteral("No pipe flow calculation is open to be saved.")));
        return;
    }
    // A target that cannot be written is reported before asking to overwrite it.
    if (const auto e = resultados::comprobarDestino(destino)) {
        avisar(this, e->texto(idiomaActual()));
        return;
    }
    if (QFileInfo::exists(destino) &&
        mensajes().pregunta(this, kPreguntaSobreescribir, QString()) ==
            Mensajes::Respuesta::Cancelar)
        return;
    if (const auto e = resultados::guardar(destino, *estado)) {
        avisar(this, e->texto(idiomaActual()));
        return;
    }
    resultadosGuardados();
    close();
}

void FormGuardar::abrir() {
    if (abrirRuta(this, ruta()))
        close();
}

} // namespace vorlo
