#pragma once

#include "fields/language.h"

#include <QList>
#include <QString>

// The standard pipe sizes: outside diameter and wall thickness of every size and schedule of
// ASME B36.10M (wrought steel), ASME B36.19M (stainless steel) and EN 10255 (threadable steel
// tubes, medium and heavy series), in mm.
namespace vorlo {

enum class NormaTuberia { AsmeB3610M, AsmeB3619M, En10255 };

// Captions of the catalogue's columns, as the windows and tables show them.
namespace rotulosTuberia {
inline const TextoBilingue Norma{QStringLiteral("Norma"), QStringLiteral("Standard")};
inline const TextoBilingue Nominal{QStringLiteral("Diámetro nominal"),
                                   QStringLiteral("Nominal size")};
inline const TextoBilingue Cedula{QStringLiteral("Cédula o serie"),
                                  QStringLiteral("Schedule or series")};
inline const TextoBilingue Exterior{QStringLiteral("Diámetro exterior"),
                                    QStringLiteral("Outside diameter")};
inline const TextoBilingue Espesor{QStringLiteral("Espesor"), QStringLiteral("Wall thickness")};
inline const TextoBilingue Interior{QStringLiteral("Diámetro interior"),
                                    QStringLiteral("Inside diameter")};
} // namespace rotulosTuberia

// The standards in catalogue order.
const QList<NormaTuberia> &normasTuberia();
// The standard's name as drawings and data sheets write it: "ASME B36.10M", "ASME B36.19M",
// "EN 10255".
QString nombreNorma(NormaTuberia norma);

struct TuberiaNormalizada {
    NormaTuberia norma;
    double nps;      // nominal pipe size in inches (0.125 ... 48); 0 for EN 10255, sized by DN
    int dn;          // nominal diameter (NPS 4 = DN 100)
    QString cedula;  // schedule or series as the standard writes it: "40", "STD", "10S", "M"
    double exterior; // outside diameter, mm
    double espesor;  // wall thickness, mm
    double interior; // inside diameter as tabulated, mm: exterior - 2 espesor
};

// Every row, by standard, then by size, then by wall thickness (at equal walls a schedule
// number comes before STD, XS or XXS).
const QList<TuberiaNormalizada> &catalogoTuberias();

// The NPS as a fraction of an inch: "1/8", "1 1/4", "4". Empty for 0 (EN rows).
QString textoNps(double nps);
// The size as the window lists it: `4" (DN 100)` for ASME, `DN 100` for EN 10255.
QString textoNominal(const TuberiaNormalizada &t);
// A schedule and the ones that stand for it in another standard, most alike first: "40" gives
// "40", "40S"; "40S" gives "40S", "40", "40S"; XS and XXS stand for themselves only.
QStringList cedulasEquivalentes(const QString &cedula);

// The schedule as the window lists it: "Sch 40", "STD", "XXS", "Sch 10S", "M".
QString textoCedula(const TuberiaNormalizada &t);
// The pipe's designation: `4" Sch 40`, `12" STD`, `4" Sch 40S`, `DN 50 EN 10255 M`.
QString designacionTuberia(const TuberiaNormalizada &t);

} // namespace vorlo
