#pragma once
// The terrain graphics reader's window: created once at start-up and never
// shown. The reader itself is the tile cache's (TileCache::LoadShp).
#include <QWidget>

#include "forms/formbase.h"

namespace qrl::mapui {

class TLoadShp : public QWidget, public forms::FormBase {
 public:
  TLoadShp() : QWidget(nullptr), FormBase(this) {}
};

}  // namespace qrl::mapui
