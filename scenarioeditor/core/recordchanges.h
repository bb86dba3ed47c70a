#pragma once
// The rule by which QrlEd's record-editing windows keep what the user typed:
// a window reloads its controls when it is shown, and on activation only when
// what it shows may have changed since its last reload. RecordChanges counts
// such changes (a load, a fill of the unit grid for another side, a store into
// the records by a window); each window keeps a ReloadMark of the count it
// last reloaded at.
#include <cstdint>
#include <optional>

namespace qrl::scen {

class RecordChanges {
 public:
  uint64_t Count() const { return Value; }
  void Note() { ++Value; }

 private:
  uint64_t Value = 0;
};

class ReloadMark {
 public:
  // True before the first reload and after any change since the last one.
  bool Stale(const RecordChanges& changes) const { return !Seen || *Seen != changes.Count(); }
  void Reloaded(const RecordChanges& changes) { Seen = changes.Count(); }
  // The window itself stored into the records: other windows must reload,
  // this one shows its own values already (unless a reload was due anyway).
  void StoredOwn(RecordChanges& changes) {
    const bool current = !Stale(changes);
    changes.Note();
    if (current) Reloaded(changes);
  }

 private:
  std::optional<uint64_t> Seen;
};

}  // namespace qrl::scen
