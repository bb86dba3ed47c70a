#pragma once
// When a window that edits records reloads its controls.
//
// Such a window reloads when it is shown, and on activation only when what
// it shows may have changed since its last reload. Values the user typed but
// did not retain then survive a visit to another window of the program.
//
// The session keeps one ChangeCount (UnitGridState::Changes). It moves at
// every change that can make a record window's controls stale:
//   - every fill of the unit grid: loads (also a cancelled or failed one),
//     side switches, CSV pastes, the dump window's loads. FillUnitGrid bumps
//     it, so a new caller of the fill needs to do nothing;
//   - every store into the records by a window (a unit data Retain, a
//     position or game-data store, a hex editor store, the grid stored before
//     a save): the storing code calls NoteStore.
// Each record window keeps a ReloadMark, sets it at each reload and asks it
// on activation:
//   void FormShow() override { Reload(); }                       // Reload ends with Mark.Reloaded(changes)
//   void FormActivate() override { if (Mark.Stale(changes)) Reload(); }
// A window with more to follow (the unit data window follows the selected
// row as well) adds its own test to Stale().
#include <cstdint>
#include <optional>

namespace qrl::scen {

class ChangeCount {
 public:
  uint64_t Value() const { return Count; }
  void Bump() { ++Count; }

 private:
  uint64_t Count = 0;
};

class ReloadMark {
 public:
  // True before the first reload and whenever the count moved since the last one.
  bool Stale(const ChangeCount& changes) const { return !Seen || *Seen != changes.Value(); }
  void Reloaded(const ChangeCount& changes) { Seen = changes.Value(); }

 private:
  std::optional<uint64_t> Seen;
};

// A window stored into the records: every other window must reload. The
// storer's own controls show what it stored, so a storer that was current
// stays current (and one that was stale stays stale).
inline void NoteStore(ChangeCount& changes, ReloadMark& storer) {
  const bool current = !storer.Stale(changes);
  changes.Bump();
  if (current) storer.Reloaded(changes);
}

// A store by code that shows no record values of its own (the grid stored
// before a save).
inline void NoteStore(ChangeCount& changes) { changes.Bump(); }

}  // namespace qrl::scen
