#pragma once
// Building the calculation model from the tables, the row reversal with its
// node buffer, loop paths, and the node attribute helpers of the table editor.
#include <string>

#include "engine/Model.h"
#include "model/Komunikaty.h"
#include "model/Obiekt.h"

namespace kelmor {

// Outcome of one build.
struct WynikBudowy {
    bool przerwano = false;   // a failure stopped the build
    bool przebudowa = false;  // a row was reversed: build again
};

// Builds the model (cleared first) from rows 1..ob.liczbaOdcinkow of Grid and
// rows 1..ob.liczbaZrodel of ZrodlaGrid. Withdraws X->X rows and reverses
// rows that would close a directed circle (list lines in
// ListBoxAnalizaDanych).
WynikBudowy zbudujSiec(Obiekt& ob, ModelSieci& m, KanalKomunikatow& k);

// Loop paths and heads (CisnienieZrodla, Ciag) for every loop record.
// False (after its dialog) when a path walk runs away.
bool przygotujOczka(ModelSieci& m, KanalKomunikatow& k);

// Reverses row `wiersz` of Grid: start and end swap and every node keeps its
// attributes (columns 14..17, the records of columns 2, 3 and 4), with the
// document's node buffer for end nodes that would otherwise be lost.
void odwrocWiersz(Obiekt& ob, int wiersz, KanalKomunikatow& k);

// Empties the node buffer of the row reversal (entering the tab "Obiekt").
void oproznijBuforWezlow(Obiekt& ob);

// Node attribute helpers of the table editor. Rows are searched among
// 1..ob.liczbaOdcinkow (all data rows when that count is 0).
//
// Fills the end-node attributes of a row: from the source of that name
// (columns 3, 4, 5 -> 17, 15, 16 and "0" -> 14), then from the first other
// row with the same end node (columns 17, 14, 15, 16). True when one was found.
bool uzupelnijAtrybutyWezlaKoncowego(Obiekt& ob, int wiersz);
// Spreads the value of column 14, 15, 16 or 17 of a row to every other row
// with the same end node, and columns 15, 16, 17 to columns 4, 5, 3 of every
// source of that name.
void rozpowszechnijAtrybutWezla(Obiekt& ob, int wiersz, int kolumna);
// Another row with the same segment number (column 1), or 0.
int innyWierszZNumerem(const Obiekt& ob, int wiersz);

}  // namespace kelmor
