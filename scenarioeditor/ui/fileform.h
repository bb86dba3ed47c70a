#pragma once
// QrlEd's own open window for game files, the program's only modal window.
// The caller sets the mask, the caption and the folder, shows it with
// ShowModal and, when that returns OkResult, takes ChosenFile(). The list
// shows each matching file with its annotation (scenario marker, comment);
// every item keeps its real name, so a chosen item hands back the folder plus
// a name that exists there. A name typed into the name field is taken as the
// text up to its first "." and three characters; the reader reports one that
// does not open.
#include <QDialog>
#include <string>
#include <string_view>
#include <vector>

#include "forms/formbase.h"
#include "scenarioeditor/core/filelist.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace qrl::scenui {

class TFileForm : public QDialog, public forms::FormBase {
 public:
  // Modal results; closing the window by its title bar gives QDialog::Rejected (0).
  static constexpr int OkResult = 1;
  static constexpr int CancelResult = 2;
  static constexpr std::string_view ParentFolderItem = "..";

  TFileForm();

  // The file list's mask ("*.dat"); re-reads the list.
  void SetMask(std::string_view mask);
  const std::string& Mask() const { return MaskButton.Mask; }
  // The listed folder (made absolute, ending in "/"); re-reads both lists and
  // moves the drive list to the volume that holds it.
  void SetFolder(const std::string& folder);
  const std::string& Folder() const { return ListedFolder; }
  // The items of FileList as they stand, index for index.
  const std::vector<scen::FileListItem>& Items() const { return ListedFiles; }

  // Shows the window modally: OkResult after "OK" with a file chosen, else
  // another value.
  int ShowModal();
  // After OkResult: the listed folder plus the chosen item's real name, or
  // plus the name typed into FileNameEdit (cut after its first "." and three
  // characters, found case-blind).
  const std::string& ChosenFile() const { return Chosen; }

  void FormActivate() override;

  void FileListChange();
  void DriveLetterChange();
  void DirectoryDoubleClick(QListWidgetItem* item);
  void OKBtnClick();
  void CancelBtnClick();
  void MaskBtnClick();

  QListWidget* FileList;
  QListWidget* Directory;  // ".." and the sub-folders of the listed folder
  QComboBox* DriveLetter;  // "/" and the mounted volumes
  QLabel* DirectoryLbl;
  QLineEdit* FileNameEdit;
  QPushButton* OKBtn;
  QPushButton* CancelBtn;
  QPushButton* MaskBtn;

 private:
  void ReReadFiles();
  void ReReadFolders();
  void ShowDriveOf(const std::string& folder);

  scen::MaskButtonState MaskButton;
  std::string ListedFolder;
  std::vector<scen::FileListItem> ListedFiles;
  std::vector<std::string> ListedFolders;  // the real names behind Directory's items
  std::string Chosen;
  QString NameFromList;  // what the list last put into FileNameEdit
};

}  // namespace qrl::scenui
