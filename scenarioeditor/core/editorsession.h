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

// The load command once the window knows the file, in two steps so that the
// window shows the load's boxes between them, before the grid is refilled.
// chosenPath is what the open-file window returned or the command line named,
// nullopt when the open-file window was cancelled.
// ReadGameForLoad marks the load command used, notes a change for the record
// windows, prepares the grid and reads the file (only with a path); the
// outcome holds the boxes to show.
LoadOutcome ReadGameForLoad(EditorSession& session, const std::optional<std::string>& chosenPath);
// FillGridAfterLoad fills the grid for the first side from whatever the
// document now holds, classifies its leaders, sets NewFileLoaded and reads
// the weapon names of both sides with the OOB numbers the fill found; it
// gives their boxes, which follow the load's own. The window then selects
// the first side and closes itself when the outcome was Protected.
std::vector<BoxMessage> FillGridAfterLoad(EditorSession& session);
// Both steps at once, for callers that show no boxes between them: the
// weapon names' boxes follow the load's in the outcome.
LoadOutcome LoadGame(EditorSession& session, const std::optional<std::string>& chosenPath);

// The whole-file save up to its dialog: the refusal box, or nullopt after the
// grid's rows were stored into their records (a store the record windows
// follow). Throws ConversionError from the
// store (the save then ends there).
std::optional<BoxMessage> PrepareWholeFileSave(EditorSession& session);

}  // namespace qrl::scen
