#pragma once

#include "cases/case_file.h"
#include "fields/language.h"

#include <QString>
#include <QStringList>
#include <optional>

class QMenu;
class QWidget;

// The case the program holds: its file, whether an input changed since it was opened, saved or
// started, and the File menu entries that act on it (implemented in cases/). Each window hands
// its inputs over through the entry points below, implemented in its own folder.
namespace vorlo {

// The case's file; empty while none is open.
QString rutaCaso();
bool casoModificado();
// What follows the pipe window's title: " — linea7.vorlo", with a "*" while modified; empty
// while no case file is open.
QString sufijoTitulo();
// An input changed somewhere: the titles follow, once the change has settled.
void avisarCambioCaso();

// The File menu entries. Each returns false when the user cancelled or the file failed (with
// a message naming the file and why).
void nuevoCaso(QWidget *padre);
void abrirDesdeMenu(QWidget *padre); // asks about unsaved work, then shows the Open window
// Open case (Ctrl+O): asks about unsaved work, then the standard file dialog for a case or a
// results file, in the folder of the case in hand or of the last file opened.
void abrirCasoDialogo(QWidget *padre);
bool abrirRuta(QWidget *padre, const QString &ruta); // a .vorlo case or a .vrq results file
bool guardarCaso(QWidget *padre);
// A results file (.vrq) was saved: with no case file open and no other window holding inputs,
// nothing is left unsaved.
void resultadosGuardados();
bool guardarCasoComo(QWidget *padre);
void salir(QWidget *padre);
// The last eight cases opened or saved, most recent first.
QStringList casosRecientes();
// Adds New case, Save case, Save case as, Open recent and Quit to a window's File menu, around
// the Open entry it has (`abrir`, may be null), in that window's language.
void anadirMenuCaso(QWidget *ventana, QMenu *archivo);
// Retitles a File menu's case entries and the Help menu in a language (a flag click).
void traducirMenuCaso(QWidget *ventana, Lengua lengua);
// Adds the Help menu (Manual, the man page; About, the version, the licence and the sources of
// the data) to a window's menu bar, once; anadirMenuCaso does so for every window it serves.
void anadirMenuAyuda(QWidget *ventana);
// Asks about unsaved work before the program's last window closes; false: stay open.
bool permitirCierre(QWidget *ventana);
// Watches the program's windows for the last one closing, and starts with no case (once, at
// start).
void vigilarCierres();
// No case, nothing kept for windows, nothing changed (a fresh start; tests).
void reiniciarCaso();

// A window's inputs kept for when it opens again (it closed, or a case holds them).
void dejarPendiente(const QString &clave, const caso::Ventana &v);

// The whole case as the windows hold it now (windows not open: what a case left for them).
caso::Caso casoActual();
// Puts a case into the windows (the pipe window shown; the others loaded when they open).
void cargarCaso(const caso::Caso &c);

// pipeflow/, gas/, gasline/, water/, fittings/: a window's inputs, nullopt when it does not
// exist; and a window's part of a case put into it (creating it, not showing it).
std::optional<caso::Ventana> casoTuberia();
void cargarCasoTuberia(const caso::Ventana &v);
// The pipe window as after start (in place), its title after a change of the case, and a
// case's language in it as by its flags (nothing when it does not exist).
void reiniciarTuberia();
void retitularTuberia();
void idiomaTuberia(Lengua lengua);
std::optional<caso::Ventana> casoGas();
void cargarCasoGas(const caso::Ventana &v);
void reiniciarGas(); // the gas window as after start, in place
std::optional<caso::Ventana> casoLineaGas();
void cargarCasoLineaGas(const caso::Ventana &v);
std::optional<caso::Ventana> casoAgua();
void cargarCasoAgua(const caso::Ventana &v);
std::optional<caso::Ventana> casoDimensionado();
void cargarCasoDimensionado(const caso::Ventana &v);
std::optional<caso::Ventana> casoAccesorios();
void cargarCasoAccesorios(const caso::Ventana &v);
// reportdetails/: the calculation note's header, which lives apart from its window: nullopt
// while every field is empty; a case's header put in its place; and the header of a new case
// (empty but for "Prepared by" as remembered).
std::optional<caso::Ventana> casoDatosInforme();
void cargarCasoDatosInforme(const caso::Ventana &v);
void reiniciarDatosInforme();

} // namespace vorlo
