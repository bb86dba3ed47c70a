#include "scenarioeditor/core/editorsession.h"

namespace qrl::scen {

inline constexpr int FirstSide = 0;

LoadOutcome ReadGameForLoad(EditorSession& session, const std::optional<std::string>& chosenPath) {
  ScenarioDocument& doc = session.Document;
  doc.Changes.Note();  // first, so that a load that stops half-way still counts
  doc.GameKind = CurrentGameKind;
  if (!chosenPath) return LoadOutcome{};
  SetUpUnitGrid(session.Grid, session.Random);
  return ReadSaveFile(doc, *chosenPath);
}

std::vector<BoxMessage> FillGridAfterLoad(EditorSession& session) {
  ScenarioDocument& doc = session.Document;
  FillUnitGrid(doc.Slots, session.Grid, FirstSide);
  ClassifyLeaders(session.Grid);
  doc.NewFileLoaded = true;
  return LoadOobWeaponNames(doc.OobDir, session.Grid.OobNumber, session.WeaponNames);
}

LoadOutcome LoadGame(EditorSession& session, const std::optional<std::string>& chosenPath) {
  LoadOutcome outcome = ReadGameForLoad(session, chosenPath);
  for (BoxMessage& box : FillGridAfterLoad(session)) outcome.Boxes.push_back(std::move(box));
  return outcome;
}

std::optional<BoxMessage> PrepareWholeFileSave(EditorSession& session) {
  if (auto refusal = WholeFileSaveRefusal(session.Document)) return refusal;
  try {
    StoreUnitGrid(session.Document.Slots, session.Grid);
  } catch (...) {
    session.Document.Changes.Note();  // the rows before the bad cell were stored
    throw;
  }
  session.Document.Changes.Note();
  return std::nullopt;
}

}  // namespace qrl::scen
