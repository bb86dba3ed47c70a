#pragma once
// Everything QrlEd's windows share for the whole run: the document, the
// unit grid's state and the program's one random source. Owned by main and
// handed to every window by reference.
#include <optional>
#include <string>

#include "gamefile/randomsource.h"
#include "scenarioeditor/core/oobnames.h"
#include "scenarioeditor/core/scenariodocument.h"
#include "scenarioeditor/core/unitdata.h"
#include "scenarioeditor/core/unitgrid.h"

namespace qrl::scen {

struct EditorSession {
  ScenarioDocument Document;
  UnitGridState Grid;
  RandomSource Random;
  WeaponNameTable WeaponNames;  // read at every load
  UnitDataState UnitData;       // the unit data window's state beside its controls
};

// The load command once the window knows the file: chosenPath is what the
// open-file window returned or the command line named, nullopt when the
// open-file window was cancelled. Marks the load command used, prepares the
// grid and reads the file (only with a path), then fills the grid for the
// first side from whatever the document now holds, classifies its leaders,
// sets NewFileLoaded, notes a change for the record windows and reads the
// weapon names of both sides with the OOB numbers the fill found (their
// boxes follow the load's own). The window shows the boxes, selects the
// first side, and closes itself when the outcome is Protected.
LoadOutcome LoadGame(EditorSession& session, const std::optional<std::string>& chosenPath);

// The whole-file save up to its dialog: the refusal box, or nullopt after the
// grid's rows were stored into their records (a store the record windows
// follow). Throws ConversionError from the
// store (the save then ends there).
std::optional<BoxMessage> PrepareWholeFileSave(EditorSession& session);

}  // namespace qrl::scen
