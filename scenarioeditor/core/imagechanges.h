#pragma once
// Which windows must reload what they show from the decoded image. Every
// load and every store into the image notes a change; a window that shows
// image bytes remembers the count of its last reload and, on activation,
// reloads only when the count has moved since, so that values typed into it
// but not yet stored survive a visit to another window.
#include <cstdint>

namespace qrl::scen {

// Lives on the document for the whole run.
class ImageChanges {
 public:
  void Note() { ++Count; }
  uint64_t Changes() const { return Count; }

 private:
  uint64_t Count = 0;
};

// A window's memory of the count at its last reload. Stale until the first.
class ReloadMark {
 public:
  bool Stale(const ImageChanges& changes) const { return !Seen || SeenCount != changes.Changes(); }
  void Reloaded(const ImageChanges& changes) {
    Seen = true;
    SeenCount = changes.Changes();
  }
  // The window stored into the image itself and shows the result already:
  // its own store is noted for the others, yet it stays current, unless
  // another change was still waiting for it.
  void NoteOwnStore(ImageChanges& changes) {
    const bool wasCurrent = !Stale(changes);
    changes.Note();
    if (wasCurrent) Reloaded(changes);
  }

 private:
  bool Seen = false;
  uint64_t SeenCount = 0;
};

}  // namespace qrl::scen
