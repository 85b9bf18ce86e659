#pragma once
// Preliminary analysis of the data: builds the calculation model from the
// tables (repeating the build until no row has to be reversed), numbers the
// trees, measures distances from the sources, sums the design flows and
// prepares the loop paths. Fills the summary grid and the abort flag of the
// model (`ModelSieci::GridOsie`, `Przerwano`, `BuOblicz`); findings go to
// `Obiekt::ListBoxAnalizaDanych`, stopping dialogs to the sink.
//
// Expects the tables validated and the start-node records refreshed (the
// preparation of the "Obliczenia" tab does both).
#include "engine/Model.h"
#include "model/Komunikaty.h"
#include "model/Obiekt.h"

namespace kelmor {

// Runs the analysis; returns true when the calculation may start.
bool analizaWstepna(Obiekt& ob, KanalKomunikatow& k);

}  // namespace kelmor
