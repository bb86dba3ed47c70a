#pragma once
// QrlMap's start-up: the program's title and its eleven windows, created once
// in the program's order with the main window first.
#include <QString>

#include "forms/program.h"
#include "mapeditor/core/mapdocument.h"
#include "mapeditor/core/tilecache.h"
#include "mapeditor/ui/contourform.h"
#include "mapeditor/ui/copyform.h"
#include "mapeditor/ui/hexeditform.h"
#include "mapeditor/ui/importform.h"
#include "mapeditor/ui/indexform.h"
#include "mapeditor/ui/loadshp.h"
#include "mapeditor/ui/mainform.h"
#include "mapeditor/ui/qualityform.h"
#include "mapeditor/ui/sdts.h"
#include "mapeditor/ui/stratform.h"
#include "mapeditor/ui/transferform.h"

namespace qrl::mapui {

// The program's windows; the Program that created them owns them.
struct QrlMapForms {
  TMainForm& MainForm;
  TCopyForm& CopyForm;
  THexEditForm& HexEditForm;
  TImportForm& ImportForm;
  TQualityForm& QualityForm;
  TLoadShp& LoadShp;
  TStratForm& StratForm;
  TTransferForm& TransferForm;
  TContourForm& ContourForm;
  TSDTS& SDTS;
  TIndexForm& IndexForm;
};

inline constexpr const char* ProgramTitle = "QrlMap";

// Lets the main window, the tile transfer window and the terrain index reach
// the windows they show and read (each is created before the next exists).
void ConnectMapEditingForms(TMainForm& mainForm, THexEditForm& hexEditForm, TTransferForm& transferForm,
                            TIndexForm& indexForm);

// Sets the title and creates the windows over `doc` and `tiles`, which the
// caller owns and keeps alive longer than `program`. `programDir` is the
// program's folder, ending in "/".
QrlMapForms CreateQrlMapForms(forms::Program& program, map::MapDocument& doc, map::TileCache& tiles,
                              const QString& programDir);

}  // namespace qrl::mapui
