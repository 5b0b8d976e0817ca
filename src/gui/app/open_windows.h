#pragma once

// Entry points that open the calculators from anywhere, so that a window needs no knowledge
// of the others' classes to show them.
namespace vorlo {

void abrirForm2();
void abrirFormReynolds();

} // namespace vorlo
