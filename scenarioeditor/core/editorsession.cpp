#include "scenarioeditor/core/editorsession.h"

namespace qrl::scen {

inline constexpr int FirstSide = 0;

LoadOutcome LoadGame(EditorSession& session, const std::optional<std::string>& chosenPath) {
  ScenarioDocument& doc = session.Document;
  doc.GameKind = CurrentGameKind;
  LoadOutcome outcome;
  if (chosenPath) {
    SetUpUnitGrid(session.Grid, session.Random);
    outcome = ReadSaveFile(doc, *chosenPath);
  }
  doc.Changes.Note();
  FillUnitGrid(doc.Slots, session.Grid, FirstSide);
  ClassifyLeaders(session.Grid);
  doc.NewFileLoaded = true;
  return outcome;
}

std::optional<BoxMessage> PrepareWholeFileSave(EditorSession& session) {
  if (auto refusal = WholeFileSaveRefusal(session.Document)) return refusal;
  session.Document.Changes.Note();
  StoreUnitGrid(session.Document.Slots, session.Grid);
  return std::nullopt;
}

}  // namespace qrl::scen
