#pragma once

class QWidget;

namespace vorlo {

// The erosional velocity beside the pipe window's velocity, with its constant C: it follows the
// density and the velocity as they change, and the velocity turns red with a note above it.
// The pipe's pass never sees these fields.
void anadirErosional(QWidget *tuberia);

} // namespace vorlo
