#include "scenarioeditor/core/editorsession.h"

namespace qrl::scen {

inline constexpr int FirstSide = 0;

LoadOutcome ReadGameForLoad(EditorSession& session, const std::optional<std::string>& chosenPath) {
  session.Document.GameKind = CurrentGameKind;
  if (!chosenPath) return LoadOutcome{};
  SetUpUnitGrid(session.Grid, session.Random);
  return ReadSaveFile(session.Document, *chosenPath);
}

void FillGridAfterLoad(EditorSession& session) {
  FillUnitGrid(session.Document.Slots, session.Grid, FirstSide);
  ClassifyLeaders(session.Grid);
  session.Document.NewFileLoaded = true;
}

LoadOutcome LoadGame(EditorSession& session, const std::optional<std::string>& chosenPath) {
  LoadOutcome outcome = ReadGameForLoad(session, chosenPath);
  FillGridAfterLoad(session);
  return outcome;
}

std::optional<BoxMessage> PrepareWholeFileSave(EditorSession& session) {
  if (auto refusal = WholeFileSaveRefusal(session.Document)) return refusal;
  StoreUnitGrid(session.Document.Slots, session.Grid);
  return std::nullopt;
}

}  // namespace qrl::scen
