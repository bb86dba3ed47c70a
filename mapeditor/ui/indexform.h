#pragma once
// The terrain index window: the terrain graphics files by name; a click sets
// the tile transfer window's file number (nothing is loaded). Opened from the
// tile transfer window; created once at start-up and kept for the whole run.
#include <QWidget>

#include "forms/formbase.h"

class QListWidget;

namespace qrl::mapui {

class TTransferForm;

class TIndexForm : public QWidget, public forms::FormBase {
 public:
  TIndexForm();

  void TerrainLBClick();

  TTransferForm* TransferForm = nullptr;  // set once the tile transfer window exists
  QListWidget* TerrainLB = nullptr;
};

}  // namespace qrl::mapui
